#include "services/LanguageFolder.h"

#include "platform/FilePaths.h"
#include "services/BatonINI.h"

namespace kw {

KW_DEFINE_ENUM(TDesignType, "dtClient", "dtServer")

namespace {

struct InstallationLanguage {
    std::string InstallFolder;
    std::string UICodePage;
};

InstallationLanguage ReadInstallationLanguage(TDesignType designType)
{
    if (designType == dtServer) {
        TBatonIniS settings;
        return {settings.InstallFolder, settings.UICodePage};
    }
    TBatonIniC settings;
    return {settings.InstallFolder, settings.UICodePage};
}

}  // namespace

std::string LanguageCodeOfCodePage(const std::string& codePage)
{
    if (codePage == "936")
        return "CHS";
    if (codePage == "950")
        return "CHT";
    if (codePage == "437")
        return "ENG";
    return "";
}

TLanguageSettings ReadLanguageSettings(TDesignType designType)
{
    const InstallationLanguage installation = ReadInstallationLanguage(designType);
    TLanguageSettings result{"", installation.UICodePage};
    const std::string code = LanguageCodeOfCodePage(installation.UICodePage);
    if (code.empty())
        return result;
    const std::string folder = installation.InstallFolder + "MultiLanguage\\" + code + "\\";
    if (DirectoryExists(folder))
        result.Folder = folder;
    return result;
}

int ScreenCodePage(const std::string& uiCodePage)
{
    return LanguageCodeOfCodePage(uiCodePage).empty() ? 0 : std::stoi(uiCodePage);
}

std::string LanguageFolder(TDesignType designType)
{
    return ReadLanguageSettings(designType).Folder;
}

std::string PackageFileName(TDesignType designType, const std::string& packageName)
{
    return LanguageFolder(designType) + packageName + ".Lng";
}

}  // namespace kw
