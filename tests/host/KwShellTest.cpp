// kwshell's command line: what it prints and how it ends.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <regex>

#include "tests/host/HostTestSupport.h"

namespace kw::testing {
namespace {

struct ShellOutcome {
    int exitCode = -1;
    std::string out, err;
};

class KwShellTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.Ready()); }

    ShellOutcome Run(const std::string& arguments) {
        const std::string errFile = demo.Path() + "stderr.txt";
        const std::string command = std::string(KWT_HOST_KWSHELL) + " " + arguments + " 2>" + errFile;
        ShellOutcome outcome;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return outcome;
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, n);
        const int status = pclose(pipe);
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.err = ReadWholeFile(errFile);
        return outcome;
    }

    static std::string Module() { return std::string("--module ") + KWT_HOST_TEST_MODULE; }

    DemoInstallation demo;
};

TEST_F(KwShellTest, HelpNamesTheOptions) {
    ShellOutcome help = Run("--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--module", "--user", "--company", "--database", "--headless", "--trace", "--dump"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(KwShellTest, AModuleThatCannotBeUsedIsReportedWithAFailingExit) {
    ShellOutcome missing = Run("--headless --module " + demo.Path() + "NoSuchModule.so");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("cannot load the module"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("NoSuchModule.so"), std::string::npos) << missing.err;

    ShellOutcome noExport = Run(std::string("--headless --module ") + KWT_HOST_NO_CONTROLLER_LIBRARY);
    EXPECT_NE(noExport.exitCode, 0);
    EXPECT_NE(noExport.err.find("has no GetController"), std::string::npos) << noExport.err;
}

TEST_F(KwShellTest, TracePrintsTheEventsInOrderAndTheResult) {
    ShellOutcome run = Run("--headless --trace " + Module());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::smatch match;
    EXPECT_TRUE(std::regex_search(run.out, match, std::regex("EVENT 256\n(.*\n)*EVENT 272\n(.*\n)*EVENT 304\n")))
        << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nRESULT -?[0-9]+ .*\n$"))) << run.out;
    EXPECT_EQ(run.out.find("EVENT 288\nEVENT 256"), std::string::npos);
}

TEST_F(KwShellTest, DumpShowsTheFormAndTheComponentsItOwns) {
    ShellOutcome run = Run("--headless --dump " + Module());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("{\"form\": {\"name\":\"frmKtxr58\""), std::string::npos) << run.out;
    std::vector<std::string> owned = {"btnOk", "btnCancel"};
    if (KWT_HOST_REAL_MODULE)
        owned.insert(owned.end(), {"pgOption", "tsOption1", "tsOption2", "lstCondition", "edPrintDate"});
    for (const std::string& name : owned)
        EXPECT_NE(run.out.find("{\"name\":\"" + name + "\",\"class\":"), std::string::npos) << name;
    EXPECT_NE(run.out.find("\"owner\":\"frmKtxr58\""), std::string::npos);
    EXPECT_NE(run.out.find("\"text\":\"取消\""), std::string::npos) << "texts decoded for the screen";
}

TEST_F(KwShellTest, ScreenshotsOfTheShownFormOnTheDesktopBackend) {
    if (!KWT_HOST_DESKTOP) GTEST_SKIP() << "this build has no desktop backend";
    ScopedEnv offscreen("QT_QPA_PLATFORM", "offscreen");
    const std::string folder = demo.Path() + "pictures";
    ShellOutcome run = Run("--trace --screenshot " + folder + " " + Module());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::smatch picture;
    ASSERT_TRUE(std::regex_search(run.out, picture, std::regex("SCREENSHOT (" + folder + "/frmKtxr58[^\n]*\\.png)")))
        << run.out;
    EXPECT_GT(ReadWholeFile(picture[1]).size(), 0u);
    EXPECT_NE(run.out.find("EVENT 304"), std::string::npos) << "the run ends by itself after the pictures";
}

}  // namespace
}  // namespace kw::testing
