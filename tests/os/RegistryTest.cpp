#include "platform/Registry.h"

#include <gtest/gtest.h>

#include "tests/os/ScopedEnvironment.h"

namespace kw {
namespace {

using testing::ScopedEnv;
using testing::ScratchFolder;

const std::string kFixture = std::string(KWT_OS_FIXTURES) + "registry.reg";

struct ReadCase {
    const char* key;
    const char* valueName;
    bool found;
    const char* value;
};

class RegistryReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RegistryReadTest, ReadsStringValuesOfTheFixture)
{
    ScopedEnv registry("KWT_REGISTRY", kFixture);
    const ReadCase& c = GetParam();
    std::string out = "untouched";
    ASSERT_EQ(RegistryReadString(c.key, c.valueName, out), c.found);
    EXPECT_EQ(out, c.found ? c.value : "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryReadTest,
    ::testing::Values(
        ReadCase{"Software\\KWT\\Baton", "ClientPath", true, "/opt/kwt/client"},
        ReadCase{"SOFTWARE\\kwt\\baton", "clientpath", true, "/opt/kwt/client"},
        ReadCase{"\\Software\\KWT\\Baton\\", "ClientPath", true, "/opt/kwt/client"},
        ReadCase{"Software\\KWT\\Baton", "ServerPath", true, "C:\\KWT\\Server\\"},
        ReadCase{"Software\\KWT\\Baton", "Quoted", true, "say \"hi\""},
        ReadCase{"Software\\KWT\\Baton", "Spaced", true, "a b"},
        ReadCase{"Software\\KWT\\Baton", "Twice", true, "second"},
        ReadCase{"Software\\KWT\\Baton", "AfterJunk", true, "still read"},
        // Not string values, malformed, or absent.
        ReadCase{"Software\\KWT\\Baton", "Counter", false, ""},
        ReadCase{"Software\\KWT\\Baton", "Unclosed", false, ""},
        ReadCase{"Software\\KWT\\Baton", "Missing", false, ""},
        ReadCase{"Software\\KWT\\Baton", "", false, ""},
        // Default values, as the automation layer reads them.
        ReadCase{"Software\\Classes\\ReportCounterS.dmReportCounter\\InprocServer32", "", true,
                 "/opt/kwt/lib/libReportCounterS.so"},
        ReadCase{"Software\\Classes\\ReportCounterS.dmReportCounter\\InprocServer32", "ThreadingModel", true,
                 "Apartment"},
        ReadCase{"Software\\Classes\\Unknown.Class\\InprocServer32", "", false, ""},
        // Other roots are not HKEY_LOCAL_MACHINE.
        ReadCase{"Software\\KWT\\Baton", "UserOnly", false, ""},
        // A key written in lower case is found in any case.
        ReadCase{"Software\\PQRS\\Quillon", "DownloadPath", true, "/srv/quillon"},
        // A parent key holds no values of its children.
        ReadCase{"Software\\KWT", "ClientPath", false, ""}));

TEST(RegistryKeyTest, KeyExistsForItselfAndItsParentsOnly)
{
    ScopedEnv registry("KWT_REGISTRY", kFixture);
    EXPECT_TRUE(RegistryKeyExists("Software\\KWT\\Baton"));
    EXPECT_TRUE(RegistryKeyExists("Software\\KWT"));
    EXPECT_TRUE(RegistryKeyExists("software"));
    EXPECT_FALSE(RegistryKeyExists("Software\\KW"));
    EXPECT_FALSE(RegistryKeyExists("Software\\KWT\\Baton\\Sub"));
    EXPECT_FALSE(RegistryKeyExists("Software\\Other"));
}

TEST(RegistryKeyTest, OpenKeyReadsSeveralValues)
{
    ScopedEnv registry("KWT_REGISTRY", kFixture);
    RegistryKey key;
    ASSERT_TRUE(key.Open("Software\\KWT\\Baton"));
    std::string client, profile;
    EXPECT_TRUE(key.ReadString("ClientPath", client));
    EXPECT_TRUE(key.ReadString("ProfileType", profile));
    EXPECT_EQ(client, "/opt/kwt/client");
    EXPECT_EQ(profile, "0");
    EXPECT_TRUE(key.ValueExists("PROFILETYPE"));
    EXPECT_FALSE(key.ValueExists("Counter"));

    EXPECT_FALSE(key.Open("Software\\Nowhere"));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(key.ReadString("ClientPath", client));
}

TEST(RegistryKeyTest, MissingOrUnreadableFileHoldsNoKeys)
{
    ScratchFolder scratch;
    for (const std::string& file : {scratch.Path() + "absent.reg", scratch.Path()}) {
        ScopedEnv registry("KWT_REGISTRY", file);
        std::string out;
        EXPECT_FALSE(RegistryKeyExists("Software\\KWT\\Baton")) << file;
        EXPECT_FALSE(RegistryReadString("Software\\KWT\\Baton", "ClientPath", out)) << file;
    }
}

TEST(RegistryKeyTest, ChangesToTheFileShowAtTheNextRead)
{
    ScratchFolder scratch;
    const std::string file = scratch.Write("registry.reg", "[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]\n\"ClientPath\"=\"/a\"\n");
    ScopedEnv registry("KWT_REGISTRY", file);
    std::string out;
    ASSERT_TRUE(RegistryReadString("Software\\KWT\\Baton", "ClientPath", out));
    EXPECT_EQ(out, "/a");
    scratch.Write("registry.reg", "[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]\r\n\"ClientPath\"=\"/b\"\r\n");
    ASSERT_TRUE(RegistryReadString("Software\\KWT\\Baton", "ClientPath", out));
    EXPECT_EQ(out, "/b");
}

TEST(RegistryFileNameTest, EnvironmentThenHomeThenSystemFolder)
{
    {
        ScopedEnv registry("KWT_REGISTRY", std::string("/x/y.reg"));
        EXPECT_EQ(RegistryFileName(), "/x/y.reg");
    }
    ScopedEnv registry("KWT_REGISTRY", std::string());
    {
        ScopedEnv home("HOME", std::string("/home/tester"));
        EXPECT_EQ(RegistryFileName(), "/home/tester/.kwt/registry.reg");
    }
    ScopedEnv home("HOME", std::nullopt);
    EXPECT_EQ(RegistryFileName(), "/etc/kwt/registry.reg");
}

}  // namespace
}  // namespace kw
