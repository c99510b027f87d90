// The platform's client and server settings: install folders from the
// registry key "Software\KWT\Baton" and the settings files "BatonC.ini"
// (client) and "BatonS.ini" (server).
//
// A reader object reads the registry and its file completely when it is
// made and never fails; the caller judges the outcome by the fields (an
// empty InstallFolder, a non-empty ErrorCode) and frees the object. Nothing
// is written back and nothing is cached: every reader reads again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace kw {

class TIniFile;
class TStrings;

// What the client and the server settings have in common.
class TBatonIni {
public:
    std::string InstallFolder;     // with its trailing separator; "" when unknown
    std::string ProfileFolder;     // the folder the settings file was looked for in
    std::string ProfileType = "0";  // registry "ProfileType" ("" when absent)
    std::string UserName = "Default";  // logon user name when per-user settings are on
    std::string UICodePage;
    std::string DBCodePage = "936";
    std::string SystemCodePage;    // "936", "950", or "437" for any other
    uint8_t UIConversion = 0;
    uint8_t DBConversion = 0;
    bool SupportCallBack = false;
    std::string SettingsFileName;  // full path of the file read
    std::string ErrorCode;         // "" or a message code ("E;000015", "E;000016")
    std::vector<std::string> WorkFolders;  // resolved folders, each with a trailing separator
    std::string Version;

protected:
    TBatonIni();
    // Registry and profile steps; false when reading stops there (the
    // fields keep their defaults). pathValue: "ClientPath" / "ServerPath".
    bool LocateSettingsFile(const char* pathValue, const char* fileName);
    void ReadCodePages(const TIniFile& ini);
    void ComputeConversions();
    // The name=folder lines of [WorkDLLPath] resolved against the install
    // folder; for no lines, the install folder's subfolder defaultFolder.
    void ResolveWorkFolders(const std::vector<std::string>& lines, const std::string& defaultFolder);
};

class TBatonIniC : public TBatonIni {
public:
    TBatonIniC();

    // [0..1, 0..n-1]: (0, i) the i-th host, (1, i) its port.
    Variant ServerList;
    std::string LangType;
    std::string CreateGifBeforeSend;
    std::string AutoCheckNewMsg;
    std::string CheckInterval;
    std::string PopupMsg;
    std::string LoginCheck;

private:
    void Read();
};

class TBatonIniS : public TBatonIni {
public:
    TBatonIniS();

    // Replaces the contents of target with the work folders.
    void CopyWorkFolders(TStrings& target) const;

    // [0..3, 0..7] of the [DBE Setting] and [DBPasswordCtrl] values; empty
    // when the file was not read.
    Variant DatabaseSettings;
    uint8_t DatabaseKind = 0;  // 1 ORACLE, 2 DB2, 0 any other main database type
    std::string SystemControlAddress;
    std::string OtherSystemControlAddress;

private:
    void Read();
    void ReadDatabaseSettings(const TIniFile& ini);
};

// A work folder value against the install folder, with a trailing separator
// added: a value with a drive part ("D:", "\\server\share") or starting with
// "/" stays as it is; one starting with "\" continues the install folder
// after that first character; any other value is appended to the install
// folder.
std::string ResolveFolder(const std::string& installFolder, const std::string& value);

// Stored passwords: pairs of hexadecimal digits, the k-th byte (k from 1)
// rotated right by k mod 8 bits. An empty password is stored as a marker.
// A trailing single digit is ignored; a pair that is not hexadecimal gives
// "KW_Say_Password_Error" and writes an error report.
std::string DecodeStoredPassword(const std::string& stored);
std::string EncodeStoredPassword(const std::string& password);

}  // namespace kw
