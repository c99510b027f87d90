// Where the language packages of an installation live: one folder per
// language under the install folder, one package file per class.
#pragma once

#include <string>

#include "services/DesignType.h"

namespace kw {

// The language code of a UI code page: "936" -> "CHS", "950" -> "CHT",
// "437" -> "ENG"; "" for any other.
std::string LanguageCodeOfCodePage(const std::string& codePage);

// The language settings of the client's or the server's installation.
struct TLanguageSettings {
    std::string Folder;      // as LanguageFolder gives it
    std::string UICodePage;  // "936", "950", "437", or what the settings say
};
TLanguageSettings ReadLanguageSettings(TDesignType designType);

// The code page of screen texts for a UI code page: 936, 950, 437, or 0 (the
// system code page) for any other.
int ScreenCodePage(const std::string& uiCodePage);

// install folder + "MultiLanguage\" + language code + "\", with the install
// folder and the UI code page of the client's or the server's settings. ""
// when the UI code page has no language or the folder does not exist, so
// that a package path becomes the bare file name.
std::string LanguageFolder(TDesignType designType);

// LanguageFolder(designType) + packageName + ".Lng".
std::string PackageFileName(TDesignType designType, const std::string& packageName);

}  // namespace kw
