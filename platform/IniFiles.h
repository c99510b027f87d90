// INI files read as the platform reads them.
//
//   ; comment
//   [Section]
//   Key=Value
//
// Section and key names are compared without regard to case; names and
// values are trimmed of blanks, and a value enclosed in a matching pair of
// double or single quotes loses them. The first occurrence of a key in its
// section counts; a section that appears twice is read as one. Lines outside
// any section, lines without "=" and lines with an empty name are skipped.
// The file is read once, when the object is made; a missing or unreadable
// file reads as empty, so every lookup gives its default.
#pragma once

#include <string>
#include <vector>

namespace kw {

class TIniFile {
public:
    // The name may use "\" as the separator.
    explicit TIniFile(const std::string& fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& fallback) const;
    // Decimal, or hexadecimal with "$" or "0x"; anything else gives fallback.
    int ReadInteger(const std::string& section, const std::string& ident, int fallback) const;
    // A number other than 0 is true; a value that is no number gives fallback.
    bool ReadBool(const std::string& section, const std::string& ident, bool fallback) const;

    // Names of the sections, in file order.
    std::vector<std::string> ReadSections() const;
    // Key names of a section, in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // The section's entries as "name=value" lines, in file order.
    std::vector<std::string> ReadSectionValues(const std::string& section) const;

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;

private:
    struct Entry {
        std::string name;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void Parse(std::istream& in);
    const Section* FindSection(const std::string& name) const;
    const Entry* FindEntry(const std::string& section, const std::string& ident) const;

    std::string fileName_;
    std::vector<Section> sections_;
};

}  // namespace kw
