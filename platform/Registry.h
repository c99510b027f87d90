// Read-only stand-in for the keys of HKEY_LOCAL_MACHINE.
//
// The keys live in a text file in the layout of a registry export:
//
//   ; comment
//   [HKEY_LOCAL_MACHINE\Software\KWT\Baton]
//   "ClientPath"="/opt/kwt/client"
//   "ProfileType"="0"
//   [HKEY_LOCAL_MACHINE\Software\Classes\ReportCounterS.dmReportCounter\InprocServer32]
//   @="/opt/kwt/lib/libReportCounterS.so"
//
// Only string values are read; inside the quotes \\ stands for one backslash
// and \" for a double quote. Key and value names are compared without regard
// to case. Sections of other roots, lines of other value kinds (dword:, hex:)
// and malformed lines are skipped. A value that appears twice keeps the last.
//
// The file is $KWT_REGISTRY; when that is unset or empty,
// $HOME/.kwt/registry.reg; without HOME, /etc/kwt/registry.reg. It is read
// again on every open, so a change shows at once. A missing or unreadable
// file holds no keys.
#pragma once

#include <map>
#include <string>

namespace kw {

// The path of the registry file in use.
std::string RegistryFileName();

// One key opened read-only: the string values it held when opened.
class RegistryKey {
public:
    // key: path below HKEY_LOCAL_MACHINE, e.g. "Software\\KWT\\Baton".
    // False when the key does not exist (nor any key below it).
    bool Open(const std::string& key);
    bool IsOpen() const { return open_; }
    // valueName "" is the key's default value. False when the key is not
    // open or holds no such string value; out is then left alone.
    bool ReadString(const std::string& valueName, std::string& out) const;
    bool ValueExists(const std::string& valueName) const;

    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

private:
    bool open_ = false;
    std::map<std::string, std::string, NoCaseLess> values_;
};

// True when the key exists (it has values, or keys below it).
bool RegistryKeyExists(const std::string& key);
// Reads one string value ("" = the default value) in one step.
bool RegistryReadString(const std::string& key, const std::string& valueName, std::string& out);

}  // namespace kw
