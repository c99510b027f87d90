#include "platform/IniFiles.h"

#include <gtest/gtest.h>

#include "tests/os/ScopedEnvironment.h"

namespace kw {
namespace {

using testing::ScratchFolder;

const std::string kFixture = std::string(KWT_OS_FIXTURES) + "settings.ini";

struct StringCase {
    const char* section;
    const char* ident;
    const char* expected;  // with the default "<default>"
};

class IniReadStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(IniReadStringTest, ReadsValuesOrTheDefault)
{
    const TIniFile ini(kFixture);
    const StringCase& c = GetParam();
    EXPECT_EQ(ini.ReadString(c.section, c.ident, "<default>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniReadStringTest,
    ::testing::Values(StringCase{"Server Information", "ComputerName", "host-a;host-b"},
                      StringCase{"SERVER INFORMATION", "computername", "host-a;host-b"},
                      StringCase{"Server Information", "Quoted", "  padded  "},
                      StringCase{"Server Information", "Single", "x"},
                      StringCase{"Server Information", "Mismatched", "\"x'"},
                      StringCase{"Server Information", "Empty", ""},
                      // The first occurrence counts; a repeated section adds its new keys.
                      StringCase{"Server Information", "ServerPort", "3000"},
                      StringCase{"Server Information", "Extra", "joined"},
                      StringCase{"CodePage", "UICodePage", "950"},
                      StringCase{"WorkDLLPath", "Pkg", "\\Pkg"},
                      // Skipped lines and absent entries.
                      StringCase{"Server Information", "NoEqualsSign", "<default>"},
                      StringCase{"Server Information", "", "<default>"},
                      StringCase{"", "Orphan", "<default>"},
                      StringCase{"Server Information", "Missing", "<default>"},
                      StringCase{"Missing", "ComputerName", "<default>"}));

TEST(IniFileTest, IntegersAndBooleans)
{
    const TIniFile ini(kFixture);
    struct Case {
        const char* ident;
        int integer;  // default 99
    } cases[] = {{"ServerPort", 3000}, {"Hex", 31},         {"HexC", 32}, {"Negative", -7},
                 {"NotANumber", 99},  {"ComputerName", 99}, {"Empty", 99}, {"Missing", 99}};
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadInteger("Server Information", c.ident, 99), c.integer) << c.ident;

    EXPECT_TRUE(ini.ReadBool("Server Information", "Flag", false));
    EXPECT_FALSE(ini.ReadBool("Server Information", "FlagOff", true));
    EXPECT_TRUE(ini.ReadBool("Server Information", "FlagText", true));
    EXPECT_FALSE(ini.ReadBool("Server Information", "FlagText", false));
    EXPECT_TRUE(ini.ReadBool("Server Information", "Missing", true));
}

TEST(IniFileTest, SectionsAsKeyNamesAndAsLines)
{
    const TIniFile ini(kFixture);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Server Information", "codepage", "WorkDLLPath"}));
    EXPECT_EQ(ini.ReadSection("workdllpath"), (std::vector<std::string>{"Pkg", "Abs", "Pkg"}));
    EXPECT_EQ(ini.ReadSectionValues("WorkDLLPath"),
              (std::vector<std::string>{"Pkg=\\Pkg", "Abs=D:\\Pkg", "Pkg=\\Duplicate"}));
    EXPECT_TRUE(ini.ReadSectionValues("Missing").empty());
    EXPECT_TRUE(ini.ReadSection("Missing").empty());
}

TEST(IniFileTest, SectionAndValueExistence)
{
    const TIniFile ini(kFixture);
    EXPECT_TRUE(ini.SectionExists("CODEPAGE"));
    EXPECT_FALSE(ini.SectionExists("Client Components"));
    EXPECT_TRUE(ini.ValueExists("Server Information", "empty"));
    EXPECT_FALSE(ini.ValueExists("Server Information", "NoEqualsSign"));
    EXPECT_FALSE(ini.ValueExists("CodePage", "DBCodePage"));
}

TEST(IniFileTest, MissingFileGivesDefaults)
{
    const TIniFile ini("/nonexistent/folder/BatonC.ini");
    EXPECT_EQ(ini.ReadString("CodePage", "UICodePage", "936"), "936");
    EXPECT_EQ(ini.ReadInteger("Server Information", "ServerPort", 211), 211);
    EXPECT_FALSE(ini.SectionExists("CodePage"));
    EXPECT_TRUE(ini.ReadSections().empty());
}

TEST(IniFileTest, WindowsLineEndsByteOrderMarkAndBackslashName)
{
    ScratchFolder scratch;
    scratch.Write("sub/crlf.ini", "\xEF\xBB\xBF[A]\r\nKey=Value\r\n[B]\r\n  Other  =  2  \r\n");
    const TIniFile ini(scratch.Path() + "sub\\crlf.ini");
    EXPECT_EQ(ini.ReadString("A", "Key", ""), "Value");
    EXPECT_EQ(ini.ReadInteger("B", "Other", 0), 2);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace kw
