#include "platform/DynLib.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/FilePaths.h"

namespace kw {

namespace {

std::string LastLoaderError()
{
    const char* text = dlerror();
    return text ? text : "unknown loader error";
}

}  // namespace

DynLib::DynLib(DynLib&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_))
{
}

DynLib& DynLib::operator=(DynLib&& other) noexcept
{
    if (this != &other) {
        Unload();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool DynLib::Load(const std::string& fileName)
{
    Unload();
    error_.clear();
    handle_ = dlopen(NormalisePath(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        error_ = LastLoaderError();
    return handle_ != nullptr;
}

void DynLib::Unload()
{
    if (handle_)
        dlclose(handle_);
    handle_ = nullptr;
}

void* DynLib::Export(const std::string& name)
{
    if (!handle_) {
        error_ = "no library loaded";
        return nullptr;
    }
    dlerror();
    void* address = dlsym(handle_, name.c_str());
    if (!address)
        error_ = LastLoaderError();
    return address;
}

std::string ModuleFileName(const void* address)
{
    Dl_info info{};
    link_map* module = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP))
        return "";
    // The executable's own entry has no name of its own.
    if (module && (!module->l_name || !*module->l_name))
        return ExecutableFileName();
    if (!info.dli_fname || !*info.dli_fname)
        return "";
    std::error_code ec;
    auto full = std::filesystem::canonical(info.dli_fname, ec);
    if (ec)
        return info.dli_fname;
    return full.string();
}

std::string ExecutableFileName()
{
    std::error_code ec;
    auto full = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : full.string();
}

}  // namespace kw
