// Reading language package documents.
//
// On disk a package is an XML file in the code page of its language: the
// CHS packages in code page 936 (declared encoding="GB2312"), the CHT
// packages in 950 (encoding="Big5"), the ENG packages in 437
// (encoding="IBM437"). Packages declared (or defaulting) to UTF-8, and
// those with a byte-order mark, are read too. Whatever the file's code
// page, the document holds UTF-8; attribute texts are turned into the code
// page their user needs with PackageValue.
#pragma once

#include <pugixml.hpp>

#include <string>

namespace kw {

// Loads the package file into doc. "" when the document was read, else
// the reason the file could not be read or parsed.
std::string LoadPackageFile(pugi::xml_document& doc, const std::string& fileName);
// The same for a package held as text (the encoding as declared, UTF-8
// when undeclared).
std::string LoadPackageText(pugi::xml_document& doc, const std::string& text);

// The code page a package declares in its XML declaration: 936, 950, 437,
// 65001 for UTF-8 or no declaration, 0 for a byte-order mark or an
// encoding the XML parser decodes itself.
int DeclaredPackageCodePage(const std::string& bytes);

// A text of the document (UTF-8) as bytes of the code page.
std::string PackageValue(const char* utf8, int codePage);

// The first element named name anywhere in the document ("//name"); an
// empty node when there is none or the name cannot be searched for.
pugi::xml_node FindPackageElement(const pugi::xml_document& doc, const std::string& name);

}  // namespace kw
