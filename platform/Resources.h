// Resources embedded into the libraries at build time (form texts, bitmaps),
// found by name. cmake/KwResources.cmake generates the registrations.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// Registers (or replaces) a resource; the bytes must live for the process.
void RegisterResource(const std::string& name, const unsigned char* data, size_t size);
// The bytes of a resource (name compared without regard to case); false when
// there is none.
bool FindResource(std::string_view name, std::string_view& bytes);
std::vector<std::string> ResourceNames();

}  // namespace kw
