// The language controller every form carries as "LangController": it finds
// the package of a name in the installation's language folder.
#pragma once

#include <string>

#include "services/DesignType.h"
#include "services/LanguageController.h"

namespace kw {

class TKwLangController : public TLanguageController {
    KW_CLASS(TKwLangController)
public:
    explicit TKwLangController(TComponent* owner);

    // Whose installation the language folder is taken from (default client).
    TDesignType DesignType() const { return designType_; }
    void SetDesignType(TDesignType designType) { designType_ = designType; }

    // A new name points the controller at LanguageFolder(DesignType) + name
    // + ".Lng", clears the inline package text and deactivates it.
    const std::string& LangPackageName() const { return langPackageName_; }
    void SetLangPackageName(const std::string& name);

private:
    TDesignType designType_ = dtClient;
    std::string langPackageName_;
};

}  // namespace kw
