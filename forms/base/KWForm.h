// TKWForm: the common base of every form of the module. It translates the
// form's texts through the language packages when the form is first shown,
// has its code converter convert them once, switches fonts for English,
// clears input-method settings, and gives one-image glyph buttons a
// generated image for their disabled state.
#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/Forms.h"

namespace kw {

class TCodeConverter;
class TKwLangController;

class TKWForm : public TForm {
    KW_CLASS(TKWForm)
public:
    explicit TKWForm(TComponent* owner);

    // Applies the language packages of Target's class names: with ancestors
    // from the oldest class below the platform's form class down to Target's
    // own class, so derived packages override their ancestors.
    virtual void TranslateForm(TComponent* target, bool withAncestors);
    // The same, but the class chain stops below TKWForm as well.
    virtual void TranslateFormOwnChain(TComponent* target, bool withAncestors);

    // Has KwConverter convert all texts of the form, once.
    void ConvertOnce();
    // The named text of a class from its language package, or Default
    // (converted for the screen first when ConvertDefault is set).
    void GetResourceString(const std::string& className, const std::string& name, std::string& text,
                           bool convertDefault, std::string defaultText);
    // Convenience: GetResourceString with the default converted.
    std::string ResourceString(const std::string& className, const std::string& name,
                               const std::string& defaultText);
    // A message dialog with the form's caption, through the code converter.
    int ShowConvertedDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

    TCodeConverter* KwConverter() const { return kwConverter_; }
    TKwLangController* LangController() const { return langController_; }
    // The converter's settings, as the forms read them.
    std::string UICodePage() const;
    std::string SystemCodePageText() const;
    int UIConversion() const;

    bool Converted() const { return converted_; }
    bool TranslateOnShow() const { return translateOnShow_; }
    void SetTranslateOnShow(bool value) { translateOnShow_ = value; }

protected:
    // The form's creation and show steps; layers extend them and call the
    // inherited step first. They run before OnCreate and OnShow.
    virtual void FormCreate();
    virtual void FormShow();
    void DoCreate() override;
    void DoShow() override;
    // Clears "ImeName" on every owned component.
    void ClearImeNames();
    void SetConverted(bool value) { converted_ = value; }

private:
    void TranslateChain(TComponent* target, bool withAncestors, const std::string& stopBelow);
    void GiveGlyphsDisabledImages();

    TCodeConverter* kwConverter_ = nullptr;
    TKwLangController* langController_ = nullptr;
    bool converted_ = false;
    bool translateOnShow_ = true;
};

}  // namespace kw
