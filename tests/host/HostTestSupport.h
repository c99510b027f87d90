// Helpers of the shell's tests: a demo installation in a scratch folder
// (registry stand-in, settings files, a fresh company database) that the
// process's environment points at for the test's duration, and text
// readers for the variants the services and modules answer.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "host/ShellData.h"
#include "platform/CodePage.h"
#include "platform/Variant.h"
#include "tests/os/ScopedEnvironment.h"

namespace kw::testing {

class DemoInstallation {
public:
    DemoInstallation()
        : registry_("KWT_REGISTRY", scratch_.Path() + "registry.reg"),
          database_("KWT_COMPANY_DB", scratch_.Path() + "Data/Company.db") {
        const char* build = std::getenv("KWT_BUILD_DIR");
        const std::string command = std::string(KWT_HOST_DEMO_INSTALL) + " --prefix " + scratch_.Path() +
                                    " --build " + (build && *build ? build : KWT_HOST_BUILD_DIR) + " >/dev/null";
        status_ = std::system(command.c_str());
    }
    bool Ready() const { return status_ == 0; }
    std::string Path() const { return scratch_.Path(); }
    std::string Write(const std::string& relative, const std::string& content) const {
        return scratch_.Write(relative, content);
    }

private:
    ScratchFolder scratch_;
    ScopedEnv registry_, database_;
    int status_ = -1;
};

// A text variant as UTF-8: byte strings in their code page (untagged ones in
// 936), wide strings as UTF-16.
inline std::string Utf8(const Variant& value) {
    if (value.type() == VarType::WideString) return WideToUtf8(value.toWide());
    if (value.type() == VarType::String)
        return CodePageToUtf8(value.bytes(), value.codePage() == CP_ACP ? CP_GBK : value.codePage());
    return VarToStr(value);
}

}  // namespace kw::testing
