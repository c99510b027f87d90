#include <gtest/gtest.h>

#include "services/LanguageFolder.h"
#include "services/PackageMessage.h"
#include "tests/lang/LangTestSupport.h"

using namespace kw;
using kw::testing::InCodePage;
using kw::testing::ReadWholeFile;

namespace {

class LanguageFolderTest : public kw::testing::LangInstallation {};

struct FolderCase {
    int systemCodePage;
    const char* uiCodePage;
    const char* language;  // "" when the folder is the empty text
};

TEST_F(LanguageFolderTest, UICodePageChoosesTheLanguageFolder)
{
    for (const char* language : {"CHS", "CHT", "ENG"})
        WritePackage(language, "TfrmBaseGene", "<x/>");
    const FolderCase cases[] = {
        {936, "936", "CHS"}, {936, "950", "CHT"}, {936, "437", "ENG"},
        {950, "", "CHT"},    {437, "", "ENG"},    {936, "1252", ""},
    };
    for (const FolderCase& c : cases) {
        UseCodePages(c.systemCodePage, c.uiCodePage);
        const std::string expected =
            *c.language ? ClientFolder() + "MultiLanguage\\" + c.language + "\\" : std::string();
        EXPECT_EQ(LanguageFolder(dtClient), expected) << c.systemCodePage << " / " << c.uiCodePage;
    }
}

TEST_F(LanguageFolderTest, MissingFolderOrUnmappedCodePageGivesTheBareFileName)
{
    UseCodePages(936, "950");  // no CHT folder written
    EXPECT_EQ(LanguageFolder(dtClient), "");
    EXPECT_EQ(PackageFileName(dtClient, "TfrmBaseGene"), "TfrmBaseGene.Lng");
    WritePackage("CHT", "TfrmBaseGene", "<x/>");
    UseCodePages(936, "1252");
    EXPECT_EQ(PackageFileName(dtClient, "TfrmBaseGene"), "TfrmBaseGene.Lng");
}

TEST_F(LanguageFolderTest, ServerDesignTypeLooksUnderTheServerInstallation)
{
    WriteFile("server/BatonS.ini", "[CodePage]\nUICodePage=437\n");
    WriteFile("server/MultiLanguage/ENG/TfrmX.Lng", "<x/>");
    EXPECT_EQ(LanguageFolder(dtServer), ServerFolder() + "MultiLanguage\\ENG\\");
    EXPECT_EQ(LanguageFolder(dtClient), "");  // the client has no CHS folder
}

class PackageMessageTest : public kw::testing::LangInstallation {};

TEST_F(PackageMessageTest, MessageTextOrTheDefault)
{
    WritePackage("CHS", "TfrmBaseGene",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<Root><sProjectName Msg=\"方案名\"/><sNoText Other=\"x\"/>"
                 "<Deep><sCreateTime Msg=\"建立\"/></Deep></Root>");
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sProjectName", "d"), InCodePage("方案名", CP_GBK));
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sCreateTime", "d"), InCodePage("建立", CP_GBK));
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sNoText", "default"), "default");
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sMissing", "default"), "default");
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmNoPackage", "sProjectName", "default"), "default");
}

TEST_F(PackageMessageTest, BrokenPackageOrUnsearchableIdGivesTheDefault)
{
    WritePackage("CHS", "TfrmBroken", "<Root><sText Msg=\"x\"></Root>");
    WritePackage("CHS", "TfrmGood", "<Root><sText Msg=\"x\"/></Root>");
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBroken", "sText", "default"), "default");
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmGood", "s Text[", "default"), "default");
}

TEST_F(PackageMessageTest, PackageInItsLanguageCodePageGivesScreenTextOfTheUICodePage)
{
    UseCodePages(936, "950");
    WritePackage("CHT", "TfrmBaseGene",
                 InCodePage("<?xml version=\"1.0\" encoding=\"Big5\"?><R><sProjectName Msg=\"方案名稱\"/></R>",
                            CP_BIG5));
    EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sProjectName", "d"), InCodePage("方案名稱", CP_BIG5));
}

// The packages the build writes for installations, read back in each language.
TEST_F(PackageMessageTest, BuiltPackagesHoldTheBaseFormTexts)
{
    struct Case {
        const char* uiCodePage;
        const char* language;
        const char* text;  // UTF-8
        int codePage;
    };
    const Case cases[] = {
        {"936", "CHS", "方案名称", CP_GBK},
        {"950", "CHT", "方案名稱", CP_BIG5},
        {"437", "ENG", "Scheme name", CP_US},
    };
    for (const Case& c : cases) {
        WritePackage(c.language, "TfrmBaseGene", ReadWholeFile(BuiltPackage(c.language, "TfrmBaseGene")));
        UseCodePages(936, c.uiCodePage);
        EXPECT_EQ(LookupPackageMessage(dtClient, "TfrmBaseGene", "sProjectName", "d"), InCodePage(c.text, c.codePage))
            << c.language;
    }
}

}  // namespace
