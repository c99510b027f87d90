#include "platform/Registry.h"

#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/SysUtils.h"

namespace kw {

namespace {

constexpr const char* kRootName = "HKEY_LOCAL_MACHINE";

// "\Software\\KWT\" -> "Software\KWT": no leading, trailing or doubled "\".
std::string CanonicalKey(const std::string& key)
{
    std::string result;
    for (char c : key) {
        if (c == '\\' && (result.empty() || result.back() == '\\'))
            continue;
        result += c;
    }
    if (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

bool IsSameOrBelow(const std::string& candidate, const std::string& key)
{
    if (candidate.size() < key.size())
        return false;
    if (!SameText(candidate.substr(0, key.size()), key))
        return false;
    return candidate.size() == key.size() || key.empty() || candidate[key.size()] == '\\';
}

// The key path of a section line "[HKEY_LOCAL_MACHINE\...]", or nothing for
// a section of another root or a malformed line.
std::optional<std::string> SectionKey(const std::string& line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    std::string path = line.substr(1, line.size() - 2);
    const std::string root = kRootName;
    if (!SameText(path.substr(0, root.size()), root))
        return std::nullopt;
    if (path.size() > root.size() && path[root.size()] != '\\')
        return std::nullopt;
    return CanonicalKey(path.substr(root.size()));
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the
// closing quote. Nothing when the quote is not closed.
std::optional<std::string> ReadQuoted(const std::string& text, size_t& pos)
{
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    std::string result;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return result;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"'))
            c = text[++pos];
        result += c;
    }
    return std::nullopt;
}

// A value line: "Name"="value" or @="value". False for anything else.
bool ParseValueLine(const std::string& line, std::string& name, std::string& value)
{
    size_t pos = 0;
    if (line.rfind("@", 0) == 0) {
        name.clear();
        pos = 1;
    } else {
        auto quoted = ReadQuoted(line, pos);
        if (!quoted)
            return false;
        name = *quoted;
    }
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    if (pos >= line.size() || line[pos] != '=')
        return false;
    ++pos;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    auto quoted = ReadQuoted(line, pos);
    if (!quoted || !Trim(line.substr(pos)).empty())
        return false;
    value = *quoted;
    return true;
}

// Walks the registry file: onSection(key) for every section of the root,
// and onValue(key, name, value) for every string value in one.
template <typename OnSection, typename OnValue>
void ScanRegistryFile(OnSection onSection, OnValue onValue)
{
    std::ifstream file(RegistryFileName(), std::ios::binary);
    if (!file)
        return;
    std::optional<std::string> current;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        line = Trim(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            current = SectionKey(line);
            if (current)
                onSection(*current);
            continue;
        }
        std::string name, value;
        if (current && ParseValueLine(line, name, value))
            onValue(*current, name, value);
    }
}

}  // namespace

bool RegistryKey::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return CompareText(a, b) < 0;
}

std::string RegistryFileName()
{
    if (const char* path = std::getenv("KWT_REGISTRY"); path && *path)
        return path;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.kwt/registry.reg";
    return "/etc/kwt/registry.reg";
}

bool RegistryKey::Open(const std::string& key)
{
    const std::string wanted = CanonicalKey(key);
    open_ = false;
    values_.clear();
    ScanRegistryFile(
        [&](const std::string& section) {
            if (IsSameOrBelow(section, wanted))
                open_ = true;
        },
        [&](const std::string& section, const std::string& name, const std::string& value) {
            if (SameText(section, wanted))
                values_[name] = value;
        });
    return open_;
}

bool RegistryKey::ReadString(const std::string& valueName, std::string& out) const
{
    auto it = values_.find(valueName);
    if (it == values_.end())
        return false;
    out = it->second;
    return true;
}

bool RegistryKey::ValueExists(const std::string& valueName) const
{
    return values_.count(valueName) != 0;
}

bool RegistryKeyExists(const std::string& key)
{
    RegistryKey opened;
    return opened.Open(key);
}

bool RegistryReadString(const std::string& key, const std::string& valueName, std::string& out)
{
    RegistryKey opened;
    return opened.Open(key) && opened.ReadString(valueName, out);
}

}  // namespace kw
