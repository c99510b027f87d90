#!/usr/bin/env bash
# Configures (once) and builds the project into build/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install.sh"
if [ ! -f "$root/build/build.ninja" ]; then
    cmake -S "$root" -B "$root/build" -G Ninja "$@" >/dev/null
fi
cmake --build "$root/build" -- -j"$(nproc)" | grep -v '^\[' || true
test "${PIPESTATUS[0]}" -eq 0
