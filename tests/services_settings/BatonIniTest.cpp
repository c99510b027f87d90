#include "services/BatonINI.h"

#include <gtest/gtest.h>

#include "platform/Classes.h"
#include "platform/SystemInfo.h"
#include "services/LogUtils.h"
#include "tests/services_settings/SettingsTestSupport.h"

namespace kw {
namespace {

using testing::InstallationTest;

// Hosts and ports of a server list, checking its shape on the way.
std::vector<std::pair<std::string, int>> Servers(const Variant& list)
{
    std::vector<std::pair<std::string, int>> servers;
    if (!list.isArray())
        return servers;
    EXPECT_EQ(list.dimCount(), 2);
    EXPECT_EQ(list.low(1), 0);
    EXPECT_EQ(list.high(1), 1);
    EXPECT_EQ(list.low(2), 0);
    for (int i = 0; i <= list.high(2); ++i) {
        const Variant& port = list.array().at({1, i});
        EXPECT_EQ(port.type(), VarType::Int32);
        servers.emplace_back(list.array().at({0, i}).toString(), port.toInt());
    }
    return servers;
}

class BatonIniTest : public InstallationTest {
protected:
    // Registry "ClientPath" and "ServerPath" point at inst/ (no trailing separator).
    void InstallAt(const std::string& extraValues = "")
    {
        SetRegistry(RegValue("ClientPath", Folder("inst")) + RegValue("ServerPath", Folder("inst")) + extraValues);
    }
};

// ---- Registry outcomes ----

TEST_F(BatonIniTest, MissingRegistryKeyLeavesDefaultsWithError)
{
    SetSystemCodePage(950);
    SetRegistry(std::nullopt);
    const TBatonIniC client;
    EXPECT_EQ(client.ErrorCode, "E;000015");
    EXPECT_EQ(client.InstallFolder, "");
    EXPECT_EQ(client.ProfileFolder, "");
    EXPECT_EQ(client.ProfileType, "0");
    EXPECT_EQ(client.UserName, "Default");
    EXPECT_EQ(client.SystemCodePage, "950");
    EXPECT_EQ(client.UICodePage, "950");
    EXPECT_EQ(client.DBCodePage, "936");
    EXPECT_EQ(client.UIConversion, 2);
    EXPECT_EQ(client.DBConversion, 2);
    EXPECT_EQ(client.SettingsFileName, "");
    EXPECT_TRUE(client.ServerList.isEmpty());
    EXPECT_TRUE(client.WorkFolders.empty());

    const TBatonIniS server;
    EXPECT_EQ(server.ErrorCode, "E;000015");
    EXPECT_TRUE(server.DatabaseSettings.isEmpty());
}

TEST_F(BatonIniTest, EmptyInstallFolderReadsNothingWithoutError)
{
    Write("inst/BatonC.ini", "[Client Components]\nLangType=CHS\n");
    SetRegistry(RegValue("ClientPath", "") + RegValue("ProfileType", "1"));
    const TBatonIniC client;
    EXPECT_EQ(client.ErrorCode, "");
    EXPECT_EQ(client.InstallFolder, "");
    EXPECT_EQ(client.ProfileType, "1");
    EXPECT_EQ(client.UserName, "Default");
    EXPECT_EQ(client.LangType, "");
    EXPECT_TRUE(client.ServerList.isEmpty());

    const TBatonIniS server;  // no "ServerPath" at all
    EXPECT_EQ(server.ErrorCode, "");
    EXPECT_EQ(server.InstallFolder, "");
}

// ---- Client ----

TEST_F(BatonIniTest, ClientWithoutSettingsFileUsesEveryDefault)
{
    SetSystemCodePage(936);
    InstallAt();
    const TBatonIniC client;
    EXPECT_EQ(client.ErrorCode, "");
    EXPECT_EQ(client.InstallFolder, Folder("inst/"));
    EXPECT_EQ(client.ProfileFolder, Folder("inst/"));
    EXPECT_EQ(client.ProfileType, "");
    EXPECT_EQ(client.SettingsFileName, Folder("inst/BatonC.ini"));
    EXPECT_EQ(client.LangType, "ENG");
    EXPECT_EQ(client.Version, "");
    EXPECT_EQ(client.CreateGifBeforeSend, "Y");
    EXPECT_EQ(client.AutoCheckNewMsg, "1");
    EXPECT_EQ(client.CheckInterval, "1");
    EXPECT_EQ(client.PopupMsg, "1");
    EXPECT_EQ(client.LoginCheck, "0");
    EXPECT_FALSE(client.SupportCallBack);
    EXPECT_EQ(client.UICodePage, "936");
    EXPECT_EQ(client.DBCodePage, "936");
    EXPECT_EQ(Servers(client.ServerList), (std::vector<std::pair<std::string, int>>{{"127.0.0.1", 211}}));
    EXPECT_EQ(client.WorkFolders, std::vector<std::string>{Folder("inst/C_PKG/")});
}

TEST_F(BatonIniTest, ClientReadsItsSettingsFile)
{
    InstallAt();
    Write("inst/BatonC.ini",
          "[Client Components]\nLangType=CHT\n"
          "[ProductVersion]\nVersion=9.0.1\n"
          "[UserDefine]\nCreateGifBeforeSendEF=N\n"
          "[Server Information]\nSupportCallBack=yes\nComputerName=srv1\nServerPort=4100\n"
          "[WorkDLLPath]\nA=\\Pkg\nB=/abs/pkg\nC=rel\\sub\n"
          "[TaskMessageCenter Setting]\nAutoCheckNewMsg=0\nCheckInterval=5\nPopupMsg=0\nLoginCheck=1\n");
    const TBatonIniC client;
    EXPECT_EQ(client.LangType, "CHT");
    EXPECT_EQ(client.Version, "9.0.1");
    EXPECT_EQ(client.CreateGifBeforeSend, "N");
    EXPECT_TRUE(client.SupportCallBack);
    EXPECT_EQ(Servers(client.ServerList), (std::vector<std::pair<std::string, int>>{{"srv1", 4100}}));
    EXPECT_EQ(client.WorkFolders,
              (std::vector<std::string>{Folder("inst/Pkg/"), "/abs/pkg/", Folder("inst/rel\\sub\\")}));
    EXPECT_EQ(client.AutoCheckNewMsg, "0");
    EXPECT_EQ(client.CheckInterval, "5");
    EXPECT_EQ(client.PopupMsg, "0");
    EXPECT_EQ(client.LoginCheck, "1");
}

struct CodePageCase {
    int systemCodePage;
    const char* codePageSection;
    const char* system;
    const char* ui;
    const char* db;
    int uiConversion;
    int dbConversion;
};

class CodePageTest : public BatonIniTest, public ::testing::WithParamInterface<CodePageCase> {};

TEST_P(CodePageTest, CodePagesAndConversionKinds)
{
    const CodePageCase& c = GetParam();
    SetSystemCodePage(c.systemCodePage);
    InstallAt();
    const std::string content = std::string("[CodePage]\n") + c.codePageSection;
    Write("inst/BatonC.ini", content);
    Write("inst/BatonS.ini", content);
    const TBatonIniC client;
    const TBatonIniS server;
    for (const TBatonIni* settings : {static_cast<const TBatonIni*>(&client), static_cast<const TBatonIni*>(&server)}) {
        EXPECT_EQ(settings->SystemCodePage, c.system);
        EXPECT_EQ(settings->UICodePage, c.ui);
        EXPECT_EQ(settings->DBCodePage, c.db);
        EXPECT_EQ(settings->UIConversion, c.uiConversion);
        EXPECT_EQ(settings->DBConversion, c.dbConversion);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CodePageTest,
                         ::testing::Values(CodePageCase{1252, "", "437", "437", "936", 0, 0},
                                           CodePageCase{437, "DBCodePage=950\n", "437", "437", "950", 0, 0},
                                           CodePageCase{950, "", "950", "950", "936", 2, 2},
                                           CodePageCase{950, "UICodePage=936\nDBCodePage=950\n", "950", "936",
                                                        "950", 4, 1},
                                           CodePageCase{936, "", "936", "936", "936", 0, 0},
                                           CodePageCase{936, "UICodePage=950\n", "936", "950", "936", 2, 2},
                                           CodePageCase{936, "DBCodePage=950\n", "936", "936", "950", 0, 1},
                                           CodePageCase{950, "UICodePage=950\nDBCodePage=950\n", "950", "950",
                                                        "950", 2, 0}));

struct ServerNameCase {
    const char* lines;  // of [Server Information]
    std::vector<std::pair<std::string, int>> servers;
};

class ServerNameTest : public BatonIniTest, public ::testing::WithParamInterface<ServerNameCase> {};

TEST_P(ServerNameTest, HostsAndPort)
{
    InstallAt();
    Write("inst/BatonC.ini", std::string("[Server Information]\n") + GetParam().lines);
    const TBatonIniC client;
    EXPECT_EQ(client.ErrorCode, "");
    EXPECT_EQ(Servers(client.ServerList), GetParam().servers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ServerNameTest,
    ::testing::Values(ServerNameCase{"ComputerName=a;b;\nServerPort=3000\n", {{"a", 3000}, {"b", 3000}}},
                      ServerNameCase{"", {{"127.0.0.1", 211}}},
                      ServerNameCase{"ComputerName=a; b\nServerPort=x\n", {{"a", 211}, {" b", 211}}},
                      ServerNameCase{"ComputerName= solo ; \n", {{"solo ", 211}}},
                      ServerNameCase{"ComputerName=a;;b;;\n", {{"a", 211}, {"", 211}, {"b", 211}, {"", 211}}}));

TEST_F(BatonIniTest, BlankServerNameGivesErrorAndLeavesWorkFoldersUnresolved)
{
    for (const char* blank : {"ComputerName=\n", "ComputerName= ; \n", "ComputerName=;\n"}) {
        InstallAt();
        Write("inst/BatonC.ini",
              std::string("[Server Information]\n") + blank + "[WorkDLLPath]\nA=\\Pkg\n[Client Components]\nLangType=CHS\n");
        const TBatonIniC client;
        EXPECT_EQ(client.ErrorCode, "E;000016") << blank;
        EXPECT_TRUE(client.ServerList.isEmpty()) << blank;
        EXPECT_EQ(client.WorkFolders, std::vector<std::string>{"A=\\Pkg"}) << blank;
        EXPECT_EQ(client.LangType, "CHS") << blank;
    }
}

TEST_F(BatonIniTest, SupportCallBackTexts)
{
    struct Case {
        const char* text;
        bool on;
    } cases[] = {{"1", true},  {"y", true},  {"Yes", true}, {"TRUE", true}, {"0", false},
                 {"2", false}, {"on", false}, {"", false},  {"no", false}};
    InstallAt();
    for (const Case& c : cases) {
        Write("inst/BatonC.ini", std::string("[Server Information]\nSupportCallBack=") + c.text + "\n");
        Write("inst/BatonS.ini", std::string("[DBPasswordCtrl]\nSupportCallBack=") + c.text + "\n");
        EXPECT_EQ(TBatonIniC().SupportCallBack, c.on) << c.text;
        EXPECT_EQ(TBatonIniS().SupportCallBack, c.on) << c.text;
    }
}

TEST_F(BatonIniTest, PerUserProfileFolderAndItsFallback)
{
    InstallAt(RegValue("ProfileType", "1"));
    Write("inst/BatonC.ini", "[Client Components]\nLangType=ENG\n");
    {
        const TBatonIniC client;
        EXPECT_EQ(client.UserName, LogonUserName());
        EXPECT_EQ(client.ProfileFolder, Folder("inst/"));
        EXPECT_EQ(client.SettingsFileName, Folder("inst/BatonC.ini"));
        EXPECT_EQ(client.LangType, "ENG");
    }
    const std::string profile = Folder("inst/Profile/" + LogonUserName() + "/");
    Write("inst/Profile/" + LogonUserName() + "/BatonC.ini", "[Client Components]\nLangType=CHS\n");
    const TBatonIniC client;
    EXPECT_EQ(client.ProfileType, "1");
    EXPECT_EQ(client.ProfileFolder, profile);
    EXPECT_EQ(client.SettingsFileName, profile + "BatonC.ini");
    EXPECT_EQ(client.LangType, "CHS");
}

TEST_F(BatonIniTest, ProfileTypeZeroKeepsTheInstallFolder)
{
    InstallAt(RegValue("ProfileType", "0"));
    Write("inst/Profile/" + LogonUserName() + "/BatonC.ini", "[Client Components]\nLangType=CHS\n");
    const TBatonIniC client;
    EXPECT_EQ(client.UserName, "Default");
    EXPECT_EQ(client.ProfileFolder, Folder("inst/"));
    EXPECT_EQ(client.LangType, "ENG");
}

// ---- Server ----

TEST_F(BatonIniTest, ServerDefaults)
{
    InstallAt();
    const TBatonIniS server;
    EXPECT_EQ(server.ErrorCode, "");
    EXPECT_EQ(server.SettingsFileName, Folder("inst/BatonS.ini"));
    EXPECT_EQ(server.WorkFolders, std::vector<std::string>{Folder("inst/S_PKG/")});
    EXPECT_EQ(server.DatabaseKind, 0);
    EXPECT_EQ(server.SystemControlAddress, "");
    EXPECT_EQ(server.OtherSystemControlAddress, "");

    const Variant& db = server.DatabaseSettings;
    ASSERT_TRUE(db.isArray());
    ASSERT_EQ(db.dimCount(), 2);
    EXPECT_EQ(db.low(1), 0);
    EXPECT_EQ(db.high(1), 3);
    EXPECT_EQ(db.low(2), 0);
    EXPECT_EQ(db.high(2), 7);
    const Variant expected[4][8] = {
        {"Pilot", "sa", "", "MSSQL", "", "", 300, 3000},
        {"PilotTemp", "sa", "", "PARADOX", "", "PostgreSQL", 300, 3000},
        {"", 211, 1024, "Chinese_Taiwan_Stroke_BIN", {}, {}, {}, {}},
        {"EDIDATA", "sa", "", {}, {}, {}, {}, {}},
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(db.array().at({row, column}), expected[row][column]) << row << "," << column;
    }
}

TEST_F(BatonIniTest, ServerReadsDatabaseSettings)
{
    InstallAt();
    Write("inst/BatonS.ini",
          "[ProductVersion]\nVersion=9.2\n"
          "[DBE Setting]\nMainAlias=Main\nMainUserName=boss\nXXXXXX=" + EncodeStoredPassword("secret") +
              "\nMainDBType=oracle\nMainDBName=erp\nMainServerName=dbhost\nMainConnectionTimeOut=30\n"
              "MainCommandTimeOut=oops\nTempPassword=" + EncodeStoredPassword("") +
              "\nEctPassword=A0\nOtherSystemControlAddress=ctl2\nSystemControlAddress=  \n"
              "[DBPasswordCtrl]\nComputerName=  pwhost  \nServerPort=999\n"
              "[WorkDLLPath]\nS=\\S_PKG\nT=E:\\Other\n");
    const TBatonIniS server;
    EXPECT_EQ(server.Version, "9.2");
    const VarArray& db = server.DatabaseSettings.array();
    EXPECT_EQ(db.at({0, 0}), Variant("Main"));
    EXPECT_EQ(db.at({0, 1}), Variant("boss"));
    EXPECT_EQ(db.at({0, 2}), Variant("secret"));
    EXPECT_EQ(db.at({0, 3}), Variant("oracle"));
    EXPECT_EQ(db.at({0, 4}), Variant("erp"));
    EXPECT_EQ(db.at({0, 5}), Variant("dbhost"));
    EXPECT_EQ(db.at({0, 6}), Variant(30));
    EXPECT_EQ(db.at({0, 7}), Variant(3000));
    EXPECT_EQ(db.at({1, 2}), Variant(""));
    EXPECT_EQ(db.at({2, 0}), Variant("pwhost"));
    EXPECT_EQ(db.at({2, 1}), Variant(999));
    EXPECT_EQ(db.at({3, 2}), Variant("A0")) << "stored as it is, not decoded";
    EXPECT_EQ(server.DatabaseKind, 1);
    EXPECT_EQ(server.SystemControlAddress, "dbhost");
    EXPECT_EQ(server.OtherSystemControlAddress, "ctl2");
    EXPECT_EQ(server.WorkFolders, (std::vector<std::string>{Folder("inst/S_PKG/"), "E:\\Other\\"}));
}

TEST_F(BatonIniTest, DatabaseKindFromMainType)
{
    struct Case {
        const char* type;
        int kind;
    } cases[] = {{"ORACLE", 1}, {"Oracle", 1}, {"db2", 2}, {"MSSQL", 0}, {"ORACLE9", 0}, {"", 0}};
    InstallAt();
    for (const Case& c : cases) {
        Write("inst/BatonS.ini", std::string("[DBE Setting]\nMainDBType=") + c.type + "\n");
        EXPECT_EQ(TBatonIniS().DatabaseKind, c.kind) << c.type;
    }
}

TEST_F(BatonIniTest, ServerUsesServerPathAndCopiesWorkFolders)
{
    SetRegistry(RegValue("ClientPath", Folder("client")) + RegValue("ServerPath", Folder("server")));
    Write("server/BatonS.ini", "[WorkDLLPath]\nA=one\nB=two\\\n");
    const TBatonIniS server;
    EXPECT_EQ(server.InstallFolder, Folder("server/"));
    TStringList list;
    list.Add("stale");
    server.CopyWorkFolders(list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], Folder("server/one/"));
    EXPECT_EQ(list[1], Folder("server/two\\"));
}

// ---- Folders ----

TEST(ResolveFolderTest, DrivesSharesAndRootedValues)
{
    struct Case {
        const char* install;
        const char* value;
        const char* resolved;
    } cases[] = {
        {"C:\\Inst\\", "\\Pkg", "C:\\Inst\\Pkg\\"},
        {"C:\\Inst\\", "D:\\Pkg", "D:\\Pkg\\"},
        {"C:\\Inst\\", "D:\\Pkg\\", "D:\\Pkg\\"},
        {"C:\\Inst\\", "Pkg", "C:\\Inst\\Pkg\\"},
        {"C:\\Inst\\", "\\\\server\\share\\pkg", "\\\\server\\share\\pkg\\"},
        {"C:\\Inst\\", "", "C:\\Inst\\"},
        {"C:\\Inst\\", "\\", "C:\\Inst\\"},
        {"/opt/kwt/", "/usr/share/pkg", "/usr/share/pkg/"},
        {"/opt/kwt/", "pkg", "/opt/kwt/pkg/"},
        {"/opt/kwt/", "\\pkg", "/opt/kwt/pkg/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveFolder(c.install, c.value), c.resolved) << c.install << " + " << c.value;
}

}  // namespace
}  // namespace kw
