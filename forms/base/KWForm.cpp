#include "forms/base/KWForm.h"

#include <vector>

#include "controls/DisabledGlyph.h"
#include "controls/KwcEdit.h"
#include "controls/SelectPnl.h"
#include "platform/Buttons.h"
#include "platform/ClassBuilder.h"
#include "platform/FilePaths.h"
#include "services/CodeConverter.h"
#include "services/KwLangController.h"
#include "services/PackageMessage.h"
#include "services/PropAccess.h"

namespace kw {

KW_BEGIN_CLASS(TKWForm, TForm)
    b.Component("KwConverter", &TKWForm::kwConverter_);
    b.Component("LangController", &TKWForm::langController_);
KW_END_CLASS(TKWForm)

TKWForm::TKWForm(TComponent* owner) : TForm(owner) {}

void TKWForm::DoCreate() {
    FormCreate();
    TForm::DoCreate();
}

void TKWForm::DoShow() {
    FormShow();
    TForm::DoShow();
}

void TKWForm::FormCreate() {
    converted_ = false;
    translateOnShow_ = true;
    ClearImeNames();
    if (UICodePage() == "437")
        for (TComponent* component : ComponentList())
            if (HasProperty(component, "Font")) {
                TrySetPropertyPath(component, "Font.Charset", Variant(134));
                TrySetPropertyPath(component, "Font.Name", Variant("Tahoma"));
            }
    GiveGlyphsDisabledImages();
}

void TKWForm::FormShow() {
    if (translateOnShow_) TranslateForm(this, true);
}

void TKWForm::ClearImeNames() {
    for (TComponent* component : ComponentList())
        if (HasProperty(component, "ImeName")) SetTextProperty(component, "ImeName", "");
}

namespace {

// A glyph button whose picture holds only its enabled cell gets the
// generated disabled cell.
template <class Button>
void GiveDisabledImage(Button* button) {
    if (!button || button->NumGlyphs() != 1 || !button->Glyph() || button->Glyph()->Empty()) return;
    AddDisabledImage(*button->Glyph());
    button->SetNumGlyphs(2);
}

}  // namespace

void TKWForm::GiveGlyphsDisabledImages() {
    for (TComponent* component : ComponentList()) {
        if (auto* speed = dynamic_cast<TSpeedButton*>(component)) GiveDisabledImage(speed);
        if (auto* bitBtn = dynamic_cast<TBitBtn*>(component)) GiveDisabledImage(bitBtn);
        if (auto* btnEdit = dynamic_cast<TKwBtnDBEdit*>(component)) GiveDisabledImage<TSpeedButton>(btnEdit->Button());
        if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
            GiveDisabledImage<TSpeedButton>(panel->ListLookupButton());
            GiveDisabledImage<TSpeedButton>(panel->DeleteButton());
            GiveDisabledImage<TSpeedButton>(panel->ClearButton());
        }
    }
}

void TKWForm::TranslateForm(TComponent* target, bool withAncestors) {
    TranslateChain(target, withAncestors, "TForm");
}

void TKWForm::TranslateFormOwnChain(TComponent* target, bool withAncestors) {
    TranslateChain(target, withAncestors, "TKWForm");
}

void TKWForm::TranslateChain(TComponent* target, bool withAncestors, const std::string& stopBelow) {
    if (!target || !langController_) return;
    std::vector<std::string> classNames;
    if (withAncestors) {
        for (const TClassInfo* info = &target->ClassInfo(); info && info->ClassName() != stopBelow;
             info = info->Parent())
            classNames.insert(classNames.begin(), info->ClassName());
    } else {
        classNames.push_back(target->ClassName());
    }
    for (const std::string& className : classNames) {
        langController_->SetLangPackageName(className);
        if (!FileExists(langController_->FileName())) continue;
        langController_->SetActive(true);
        langController_->Reader().ReadComponent(target);
    }
}

void TKWForm::ConvertOnce() {
    if (converted_) return;
    if (kwConverter_) kwConverter_->ConvertForm(this);
    converted_ = true;
}

void TKWForm::GetResourceString(const std::string& className, const std::string& name, std::string& text,
                                bool convertDefault, std::string defaultText) {
    if (convertDefault && kwConverter_) defaultText = VarToStr(kwConverter_->ConvertUIVariant(Variant(defaultText)));
    const TDesignType designType = langController_ ? langController_->DesignType() : dtClient;
    text = LookupPackageMessage(designType, className, name, defaultText);
}

std::string TKWForm::ResourceString(const std::string& className, const std::string& name,
                                    const std::string& defaultText) {
    std::string text;
    GetResourceString(className, name, text, true, defaultText);
    return text;
}

int TKWForm::ShowConvertedDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return kwConverter_ ? kwConverter_->ShowMessageDialog(text, type, buttons) : MessageDlg(text, type, buttons);
}

std::string TKWForm::UICodePage() const { return kwConverter_ ? kwConverter_->UICodePage() : "936"; }

std::string TKWForm::SystemCodePageText() const { return kwConverter_ ? kwConverter_->SystemCodePage() : "936"; }

int TKWForm::UIConversion() const { return kwConverter_ ? kwConverter_->UIConversion() : 0; }

}  // namespace kw
