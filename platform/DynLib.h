// Shared libraries: loading them, finding their exports by name, and the
// file names of loaded modules and of the running executable.
#pragma once

#include <string>

namespace kw {

// The file extension of shared libraries on this platform (".Dll" where
// the system names its libraries for Windows).
inline constexpr const char* LibraryExtension = ".so";

// A loaded shared library, unloaded when the object goes. Names are passed
// through NormalisePath, so a stored "\" path loads too; a bare name is
// searched as the dynamic loader does.
class DynLib {
public:
    DynLib() = default;
    explicit DynLib(const std::string& fileName) { Load(fileName); }
    ~DynLib() { Unload(); }
    DynLib(const DynLib&) = delete;
    DynLib& operator=(const DynLib&) = delete;
    DynLib(DynLib&& other) noexcept;
    DynLib& operator=(DynLib&& other) noexcept;

    // Unloads what was loaded before. False when loading fails (ErrorText).
    bool Load(const std::string& fileName);
    void Unload();
    // Leaves the library loaded for the rest of the process and forgets it.
    void Release() { handle_ = nullptr; }
    bool IsLoaded() const { return handle_ != nullptr; }

    // The address of an export, or nullptr (ErrorText says why).
    void* Export(const std::string& name);
    // The export as a function pointer: lib.Function<int(int)>("Twice").
    template <typename Signature>
    Signature* Function(const std::string& name)
    {
        return reinterpret_cast<Signature*>(Export(name));
    }

    // The loader's message about the last failed Load or Export.
    const std::string& ErrorText() const { return error_; }

private:
    void* handle_ = nullptr;
    std::string error_;
};

// Full path of the module (executable or shared library) that holds the
// address, e.g. of a function defined in that module; "" when none does.
std::string ModuleFileName(const void* address);
// Full path of the running executable.
std::string ExecutableFileName();

}  // namespace kw
