#!/usr/bin/env bash
# Lays out a demo installation of the client and server for kwshell:
#
#   <prefix>/registry.reg        registry stand-in (point KWT_REGISTRY at it)
#   <prefix>/Client/BatonC.ini   client settings: the application server (see --server)
#   <prefix>/Client/MultiLanguage/<language>/*.Lng   language packages, when built
#   <prefix>/Server/BatonS.ini   server settings
#   <prefix>/Server/S_PKG/       server work folder
#   <prefix>/Data/               the company database (Company.db, created and
#                                seeded by the first program that opens it;
#                                point KWT_COMPANY_DB at it)
#
# The registry maps the classes created by name to the libraries of the
# build: the application server object "ReportCounterS.dmReportCounter" and
# the shell's host object "PilotWorkCenter.Manager".
#
# Usage: demo-install.sh [--prefix DIR] [--build DIR] [--server HOST[:PORT]]
#   defaults: prefix <build>/demo, build <repo>/build, server 127.0.0.1 (the
#   application server object runs inside the client's process; any other
#   host is a kwappserver listening on PORT, default 211)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
prefix=""
server_host="127.0.0.1"
server_port="211"
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="$2"; shift 2 ;;
        --build) build="$2"; shift 2 ;;
        --server)
            server_host="${2%%:*}"
            [ "$server_host" != "$2" ] && server_port="${2##*:}"
            shift 2 ;;
        -h|--help) sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "demo-install.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
build="$(cd "$build" && pwd)"
prefix="${prefix:-$build/demo}"
mkdir -p "$prefix"
prefix="$(cd "$prefix" && pwd)"

mkdir -p "$prefix/Client" "$prefix/Server/S_PKG" "$prefix/Data" "$prefix/Client/Log"

# A registry string value: backslashes and double quotes escaped.
reg_value() { printf '%s' "$1" | sed -e 's/\\/\\\\/g' -e 's/"/\\"/g'; }

cat > "$prefix/registry.reg" <<REG
; Registry stand-in of the demo installation (written by scripts/demo-install.sh).
[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]
"ClientPath"="$(reg_value "$prefix/Client")"
"ServerPath"="$(reg_value "$prefix/Server")"
"ProfileType"="0"

[HKEY_LOCAL_MACHINE\\Software\\PQRS\\Quillon]
"GoAhead"="0"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\ReportCounterS.dmReportCounter\\InprocServer32]
@="$(reg_value "$build/lib/libReportCounterS.so")"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\PilotWorkCenter.Manager\\InprocServer32]
@="$(reg_value "$build/lib/libkwhost.so")"
REG

cat > "$prefix/Client/BatonC.ini" <<INI
[Client Components]
LangType=CHS

[ProductVersion]
Version=9.0

[CodePage]
UICodePage=936
DBCodePage=936

[Server Information]
ComputerName=$server_host
ServerPort=$server_port
SupportCallBack=0
INI

cat > "$prefix/Server/BatonS.ini" <<INI
[ProductVersion]
Version=9.0

[CodePage]
UICodePage=936
DBCodePage=936

[DBE Setting]
MainAlias=Pilot
MainDBType=SQLITE
MainDBName=$prefix/Data/Company.db
MainServerName=127.0.0.1

[DBPasswordCtrl]
ComputerName=127.0.0.1
ServerPort=211
INI

if [ -d "$build/MultiLanguage" ]; then
    rm -rf "$prefix/Client/MultiLanguage"
    cp -R "$build/MultiLanguage" "$prefix/Client/MultiLanguage"
fi

echo "$prefix"
