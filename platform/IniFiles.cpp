#include "platform/IniFiles.h"

#include <fstream>

#include "platform/FilePaths.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName)
{
    std::ifstream file(NormalisePath(fileName), std::ios::binary);
    if (file)
        Parse(file);
}

void TIniFile::Parse(std::istream& in)
{
    Section* current = nullptr;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        first = false;
        line = Trim(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            current = nullptr;
            for (Section& section : sections_) {
                if (SameText(section.name, name))
                    current = &section;
            }
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        size_t equals = line.find('=');
        if (!current || equals == std::string::npos)
            continue;
        std::string name = Trim(line.substr(0, equals));
        if (name.empty())
            continue;
        current->entries.push_back({name, Unquoted(Trim(line.substr(equals + 1)))});
    }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const
{
    for (const Section& section : sections_) {
        if (SameText(section.name, name))
            return &section;
    }
    return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(const std::string& section, const std::string& ident) const
{
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    for (const Entry& entry : found->entries) {
        if (SameText(entry.name, ident))
            return &entry;
    }
    return nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& fallback) const
{
    const Entry* entry = FindEntry(section, ident);
    return entry ? entry->value : fallback;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int fallback) const
{
    const Entry* entry = FindEntry(section, ident);
    int value = 0;
    if (entry && TryStrToInt(entry->value, value))
        return value;
    return fallback;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool fallback) const
{
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

std::vector<std::string> TIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const
{
    std::vector<std::string> names;
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries)
            names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> TIniFile::ReadSectionValues(const std::string& section) const
{
    std::vector<std::string> lines;
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries)
            lines.push_back(entry.name + "=" + entry.value);
    }
    return lines;
}

bool TIniFile::SectionExists(const std::string& section) const
{
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const
{
    return FindEntry(section, ident) != nullptr;
}

}  // namespace kw
