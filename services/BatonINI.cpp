#include "services/BatonINI.h"

#include <bit>
#include <cstdint>

#include "platform/Classes.h"
#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/IniFiles.h"
#include "platform/Registry.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"
#include "services/BatonRegistry.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

constexpr const char* kNoRegistryKey = "E;000015";
constexpr const char* kNoServerName = "E;000016";
constexpr const char* kEmptyPasswordMarker = "MG_Kdm_StFmmrBbbt_NwoAvnqJydzPkYhrdl";
constexpr const char* kPasswordErrorText = "KW_Say_Password_Error";

constexpr const char* kCodePageSection = "CodePage";
constexpr const char* kVersionSection = "ProductVersion";
constexpr const char* kWorkFolderSection = "WorkDLLPath";
constexpr const char* kServerSection = "Server Information";
constexpr const char* kMessageCenterSection = "TaskMessageCenter Setting";
constexpr const char* kDatabaseSection = "DBE Setting";
constexpr const char* kPasswordSection = "DBPasswordCtrl";

bool IsTrueText(const std::string& text)
{
    const std::string upper = UpperCase(text);
    return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

// folder + name + separator, in the folder's separator style.
std::string SubFolder(const std::string& folder, const std::string& name)
{
    return IncludeTrailingPathDelimiter(IncludeTrailingPathDelimiter(folder) + name);
}

// The part after the first "=" of a name=value line ("" without one).
std::string LineValue(const std::string& line)
{
    size_t equals = line.find('=');
    return equals == std::string::npos ? "" : line.substr(equals + 1);
}

// Two hexadecimal digits as a byte; raises EConvertError for anything else.
uint8_t ReadHexByte(const std::string& pair)
{
    const int value = StrToInt("$" + pair);
    if (value < 0 || value > 0xFF)
        throw EConvertError("'" + pair + "' is not a valid hexadecimal byte");
    return static_cast<uint8_t>(value);
}

}  // namespace

// ---- Common part ----

TBatonIni::TBatonIni()
{
    const int systemCodePage = kw::SystemCodePage();
    SystemCodePage = (systemCodePage == CP_GBK || systemCodePage == CP_BIG5) ? std::to_string(systemCodePage) : "437";
    UICodePage = SystemCodePage;
    ComputeConversions();
}

bool TBatonIni::LocateSettingsFile(const char* pathValue, const char* fileName)
{
    RegistryKey key;
    if (!key.Open(BatonRegistryKey)) {
        ErrorCode = kNoRegistryKey;
        return false;
    }
    key.ReadString(pathValue, InstallFolder);
    ProfileType.clear();
    key.ReadString(ProfileTypeValue, ProfileType);
    if (InstallFolder.empty())
        return false;
    InstallFolder = IncludeTrailingPathDelimiter(InstallFolder);
    if (!ProfileType.empty() && ProfileType != "0") {
        UserName = LogonUserName();
        ProfileFolder = SubFolder(SubFolder(InstallFolder, "Profile"), UserName);
    } else {
        ProfileFolder = InstallFolder;
    }
    SettingsFileName = ProfileFolder + fileName;
    if (!FileExists(SettingsFileName)) {
        ProfileFolder = InstallFolder;
        SettingsFileName = InstallFolder + fileName;
    }
    return true;
}

void TBatonIni::ReadCodePages(const TIniFile& ini)
{
    UICodePage = ini.ReadString(kCodePageSection, "UICodePage", SystemCodePage);
    DBCodePage = ini.ReadString(kCodePageSection, "DBCodePage", "936");
}

void TBatonIni::ComputeConversions()
{
    if (UICodePage == "950")
        UIConversion = 2;
    else if (UICodePage == "936" && SystemCodePage == "950")
        UIConversion = 4;
    else
        UIConversion = 0;

    if (UICodePage == "950" && DBCodePage == "936")
        DBConversion = 2;
    else if (UICodePage == "936" && DBCodePage == "950")
        DBConversion = 1;
    else
        DBConversion = 0;
}

void TBatonIni::ResolveWorkFolders(const std::vector<std::string>& lines, const std::string& defaultFolder)
{
    WorkFolders.clear();
    for (const std::string& line : lines)
        WorkFolders.push_back(ResolveFolder(InstallFolder, LineValue(line)));
    if (WorkFolders.empty())
        WorkFolders.push_back(SubFolder(InstallFolder, defaultFolder));
}

// ---- Client ----

TBatonIniC::TBatonIniC()
{
    Read();
}

void TBatonIniC::Read()
{
    if (!LocateSettingsFile(ClientPathValue, "BatonC.ini"))
        return;
    const TIniFile ini(SettingsFileName);
    LangType = ini.ReadString("Client Components", "LangType", "ENG");
    Version = ini.ReadString(kVersionSection, "Version", "");
    CreateGifBeforeSend = ini.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
    ReadCodePages(ini);
    SupportCallBack = IsTrueText(ini.ReadString(kServerSection, "SupportCallBack", "0"));
    std::string hosts = Trim(ini.ReadString(kServerSection, "ComputerName", "127.0.0.1"));
    const int port = ini.ReadInteger(kServerSection, "ServerPort", 211);
    const std::vector<std::string> workLines = ini.ReadSectionValues(kWorkFolderSection);
    AutoCheckNewMsg = ini.ReadString(kMessageCenterSection, "AutoCheckNewMsg", "1");
    CheckInterval = ini.ReadString(kMessageCenterSection, "CheckInterval", "1");
    PopupMsg = ini.ReadString(kMessageCenterSection, "PopupMsg", "1");
    LoginCheck = ini.ReadString(kMessageCenterSection, "LoginCheck", "0");
    ComputeConversions();

    if (!hosts.empty() && hosts.back() == ';')
        hosts.pop_back();
    if (hosts.empty()) {
        ErrorCode = kNoServerName;
        WorkFolders = workLines;
        return;
    }
    std::vector<std::string> hostList;
    for (size_t start = 0;;) {
        size_t end = hosts.find(';', start);
        hostList.push_back(hosts.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    VarArray servers({{0, 1}, {0, static_cast<int>(hostList.size()) - 1}});
    for (int i = 0; i < static_cast<int>(hostList.size()); ++i) {
        servers.at({0, i}) = Variant(hostList[i]);
        servers.at({1, i}) = Variant(port);
    }
    ServerList = Variant(std::move(servers));
    ResolveWorkFolders(workLines, "C_PKG");
}

// ---- Server ----

TBatonIniS::TBatonIniS()
{
    Read();
}

void TBatonIniS::Read()
{
    if (!LocateSettingsFile(ServerPathValue, "BatonS.ini"))
        return;
    const TIniFile ini(SettingsFileName);
    Version = ini.ReadString(kVersionSection, "Version", "");
    ReadCodePages(ini);
    SupportCallBack = IsTrueText(ini.ReadString(kPasswordSection, "SupportCallBack", "0"));
    ReadDatabaseSettings(ini);
    ComputeConversions();
    ResolveWorkFolders(ini.ReadSectionValues(kWorkFolderSection), "S_PKG");

    const std::string mainType = ini.ReadString(kDatabaseSection, "MainDBType", "MSSQL");
    if (SameText(mainType, "ORACLE"))
        DatabaseKind = 1;
    else if (SameText(mainType, "DB2"))
        DatabaseKind = 2;
    const std::string mainServer = ini.ReadString(kDatabaseSection, "MainServerName", "");
    SystemControlAddress = ini.ReadString(kDatabaseSection, "SystemControlAddress", "");
    if (Trim(SystemControlAddress).empty())
        SystemControlAddress = mainServer;
    OtherSystemControlAddress = ini.ReadString(kDatabaseSection, "OtherSystemControlAddress", "");
    if (Trim(OtherSystemControlAddress).empty())
        OtherSystemControlAddress = mainServer;
}

void TBatonIniS::ReadDatabaseSettings(const TIniFile& ini)
{
    VarArray settings({{0, 3}, {0, 7}});
    auto text = [&](int row, int column, const char* section, const char* key, const char* fallback) {
        settings.at({row, column}) = Variant(ini.ReadString(section, key, fallback));
    };
    auto number = [&](int row, int column, const char* section, const char* key, int fallback) {
        settings.at({row, column}) = Variant(ini.ReadInteger(section, key, fallback));
    };
    auto password = [&](int row, int column, const char* key) {
        settings.at({row, column}) = Variant(DecodeStoredPassword(ini.ReadString(kDatabaseSection, key, "")));
    };

    text(0, 0, kDatabaseSection, "MainAlias", "Pilot");
    text(0, 1, kDatabaseSection, "MainUserName", "sa");
    password(0, 2, "XXXXXX");
    text(0, 3, kDatabaseSection, "MainDBType", "MSSQL");
    text(0, 4, kDatabaseSection, "MainDBName", "");
    text(0, 5, kDatabaseSection, "MainServerName", "");
    number(0, 6, kDatabaseSection, "MainConnectionTimeOut", 300);
    number(0, 7, kDatabaseSection, "MainCommandTimeOut", 3000);

    text(1, 0, kDatabaseSection, "TempAlias", "PilotTemp");
    text(1, 1, kDatabaseSection, "TempUserName", "sa");
    password(1, 2, "TempPassword");
    text(1, 3, kDatabaseSection, "TempDBType", "PARADOX");
    text(1, 4, kDatabaseSection, "TempDBName", "");
    text(1, 5, kDatabaseSection, "TempDriverName", "PostgreSQL");
    number(1, 6, kDatabaseSection, "TempConnectionTimeOut", 300);
    number(1, 7, kDatabaseSection, "TempCommandTimeOut", 3000);

    settings.at({2, 0}) = Variant(Trim(ini.ReadString(kPasswordSection, "ComputerName", "")));
    number(2, 1, kPasswordSection, "ServerPort", 211);
    number(2, 2, kPasswordSection, "ClientSocketPort", 1024);
    text(2, 3, kDatabaseSection, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN");

    text(3, 0, kDatabaseSection, "EctAlias", "EDIDATA");
    text(3, 1, kDatabaseSection, "EctUserName", "sa");
    text(3, 2, kDatabaseSection, "EctPassword", "");

    DatabaseSettings = Variant(std::move(settings));
}

void TBatonIniS::CopyWorkFolders(TStrings& target) const
{
    target.Clear();
    for (const std::string& folder : WorkFolders)
        target.Add(folder);
}

// ---- Folders and passwords ----

std::string ResolveFolder(const std::string& installFolder, const std::string& value)
{
    if (!ExtractFileDrive(value).empty() || (!value.empty() && value.front() == '/'))
        return IncludeTrailingPathDelimiter(value);
    if (!value.empty() && value.front() == '\\')
        return IncludeTrailingPathDelimiter(installFolder + value.substr(1));
    return IncludeTrailingPathDelimiter(installFolder + value);
}

std::string DecodeStoredPassword(const std::string& stored)
{
    std::string password;
    try {
        for (size_t k = 1; 2 * k <= stored.size(); ++k) {
            const uint8_t byte = ReadHexByte(stored.substr(2 * (k - 1), 2));
            password += static_cast<char>(std::rotl(byte, static_cast<int>(k % 8)));
        }
    } catch (const EConvertError& error) {
        WriteErrorReport(&error, EncodeStoredPassword("DecodeSQLSa"), DesignText("解析 Sa 时发生错误!"));
        return kPasswordErrorText;
    }
    return password == kEmptyPasswordMarker ? "" : password;
}

std::string EncodeStoredPassword(const std::string& password)
{
    const std::string plain = password.empty() ? kEmptyPasswordMarker : password;
    std::string stored;
    for (size_t k = 1; k <= plain.size(); ++k) {
        const auto byte = static_cast<uint8_t>(plain[k - 1]);
        stored += IntToHex(std::rotr(byte, static_cast<int>(k % 8)), 2);
    }
    return stored;
}

}  // namespace kw
