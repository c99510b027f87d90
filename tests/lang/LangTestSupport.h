// An installation in a scratch folder for the language and code-page
// tests: the registry stand-in pointing at it, its client settings file
// with the code pages under test, language packages written by the test,
// and the system code page put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/SysUtils.h"
#include "services/LogUtils.h"
#include "tests/os/ScopedEnvironment.h"

namespace kw::testing {

class LangInstallation : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCodePage_ = SystemCodePage();
        registry_.emplace("KWT_REGISTRY",
                          scratch_.Write("registry.reg", "[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]\n"
                                                         "\"ClientPath\"=\"" + ClientFolder() + "\"\n"
                                                         "\"ServerPath\"=\"" + ServerFolder() + "\"\n"));
        UseCodePages(936, "936");
    }
    void TearDown() override { SetSystemCodePage(savedCodePage_); }

    std::string ClientFolder() const { return scratch_.Path() + "client/"; }
    std::string ServerFolder() const { return scratch_.Path() + "server/"; }

    // The system code page and the client's UI code page ("" leaves the
    // [CodePage] section out, so the UI follows the system).
    void UseCodePages(int systemCodePage, const std::string& uiCodePage, const std::string& dbCodePage = "936")
    {
        SetSystemCodePage(systemCodePage);
        std::string ini = "[Server Information]\nComputerName=127.0.0.1\n";
        if (!uiCodePage.empty())
            ini += "[CodePage]\nUICodePage=" + uiCodePage + "\nDBCodePage=" + dbCodePage + "\n";
        scratch_.Write("client/BatonC.ini", ini);
    }

    // Writes a package (bytes as given) into the client's language folder.
    std::string WritePackage(const std::string& language, const std::string& name, const std::string& content)
    {
        return scratch_.Write("client/MultiLanguage/" + language + "/" + name + ".Lng", content);
    }
    std::string WriteFile(const std::string& relative, const std::string& content)
    {
        return scratch_.Write(relative, content);
    }

    // The packages the build wrote for installations.
    static std::string BuiltPackage(const std::string& language, const std::string& name)
    {
        const char* build = std::getenv("KWT_BUILD_DIR");
        return std::string(build ? build : ".") + "/MultiLanguage/" + language + "/" + name + ".Lng";
    }

    // Today's "libstrs" alert log of the installation, "" when none.
    std::string LibStrsLog() const
    {
        return ReadWholeFile(NormalisePath(AlertLogFileName(ClientFolder(), "libstrs", "D", Date())));
    }

private:
    ScratchFolder scratch_;
    std::optional<ScopedEnv> registry_;
    int savedCodePage_ = 0;
};

// A UTF-8 text in the code page.
inline std::string InCodePage(const std::string& utf8, int codePage) { return Utf8ToCodePage(utf8, codePage); }

}  // namespace kw::testing
