#include "services/PackageMessage.h"

#include <exception>

#include "platform/FilePaths.h"
#include "services/LanguageFolder.h"
#include "services/LanguagePackage.h"

namespace kw {

std::string LookupPackageMessage(TDesignType designType, const std::string& packageName,
                                 const std::string& messageId, const std::string& defaultText)
{
    try {
        const TLanguageSettings settings = ReadLanguageSettings(designType);
        const std::string fileName = settings.Folder + packageName + ".Lng";
        if (!FileExists(fileName))
            return defaultText;
        pugi::xml_document doc;
        if (!LoadPackageFile(doc, fileName).empty())
            return defaultText;
        const pugi::xpath_node found = doc.document_element().select_node(("//" + messageId + "/@Msg").c_str());
        if (!found.attribute())
            return defaultText;
        return PackageValue(found.attribute().value(), ScreenCodePage(settings.UICodePage));
    } catch (const std::exception&) {
        return defaultText;
    }
}

}  // namespace kw
