#include "services/KwLangController.h"

#include "platform/ClassBuilder.h"
#include "services/LanguageFolder.h"

namespace kw {

KW_BEGIN_CLASS(TKwLangController, TLanguageController)
    b.Prop("DesignType", &TKwLangController::DesignType, &TKwLangController::SetDesignType);
    b.Prop("LangPackageName", &TKwLangController::LangPackageName, &TKwLangController::SetLangPackageName);
    b.Creatable();
KW_END_CLASS(TKwLangController)

TKwLangController::TKwLangController(TComponent* owner) : TLanguageController(owner) {}

void TKwLangController::SetLangPackageName(const std::string& name)
{
    if (name == langPackageName_)
        return;
    langPackageName_ = name;
    ClearInlinePackage();
    SetFileName(PackageFileName(designType_, name));
    Deactivate();
}

}  // namespace kw
