// Where the platform records its install folders: a key under
// HKEY_LOCAL_MACHINE and the names of its values.
#pragma once

namespace kw {

inline constexpr const char* BatonRegistryKey = "Software\\KWT\\Baton";
inline constexpr const char* ClientPathValue = "ClientPath";
inline constexpr const char* ServerPathValue = "ServerPath";
inline constexpr const char* ProfileTypeValue = "ProfileType";

}  // namespace kw
