#include "platform/SystemInfo.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <regex>

#include "tests/os/ScopedEnvironment.h"

namespace kw {
namespace {

using testing::ScopedEnv;

TEST(SystemInfoTest, TempFolderEndsInSeparator)
{
    struct Case {
        std::optional<std::string> tmpdir;
        const char* expected;
    } cases[] = {{std::nullopt, "/tmp/"}, {"", "/tmp/"}, {"/var/tmp", "/var/tmp/"}, {"/scratch/", "/scratch/"}};
    for (const Case& c : cases) {
        ScopedEnv tmpdir("TMPDIR", c.tmpdir);
        EXPECT_EQ(TempFolder(), c.expected);
    }
}

TEST(SystemInfoTest, ComputerNameIsShortUpperCaseHostName)
{
    const std::string name = ComputerName();
    ASSERT_FALSE(name.empty());
    EXPECT_LE(name.size(), 15u);
    EXPECT_EQ(name.find('.'), std::string::npos);
    for (char c : name)
        EXPECT_FALSE(c >= 'a' && c <= 'z') << name;
}

TEST(SystemInfoTest, LogonUserNameIsTheProcessUser)
{
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(LogonUserName(), entry->pw_name);
}

TEST(SystemInfoTest, OsVersionHasMajorMinorBuild)
{
    EXPECT_TRUE(std::regex_match(OsVersionText(), std::regex(R"(\d+\.\d+\.\d+)"))) << OsVersionText();
}

}  // namespace
}  // namespace kw
