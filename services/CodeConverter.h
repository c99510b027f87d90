// The code converter every form carries as "KwConverter": it reads the
// code-page settings of the installation when it is made and converts the
// texts and fonts of a whole form, single values travelling to and from the
// database, and message boxes.
//
// Conversion kinds (from the settings): UIConversion 0 none, 2 design texts
// GB -> Big5 with Big5 fonts, 4 texts unchanged with GB fonts (a GB screen
// on a Big5 system); DBConversion 0 none, 1 database Big5 / screen GB,
// 2 database GB / screen Big5. Conversion types of ConvertVariant: 1 Big5 ->
// GB, 2 GB -> Big5, any other none.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"
#include "platform/Variant.h"
#include "services/DesignType.h"
#include "services/Translator.h"

namespace kw {

// Kinds 0, 1 and 4: "SimSun" with the GB2312 character set (134); kinds 2
// and 3: "SimSun" with the Big5 character set (136); other kinds leave the
// font alone.
void ApplyChineseFont(int kind, TFont* font);

class TCodeConverter : public TComponent {
    KW_CLASS(TCodeConverter)
public:
    // Reads the client settings; loads the translator when a conversion
    // kind is not 0 (raising ETranslatorError when it cannot).
    explicit TCodeConverter(TComponent* owner);
    ~TCodeConverter() override;

    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    uint8_t UIConversion() const { return uiConversion_; }
    uint8_t DBConversion() const { return dbConversion_; }
    // Stored with the form; the settings read at creation stay.
    TDesignType DesignType() const { return designType_; }
    void SetDesignType(TDesignType designType) { designType_ = designType; }
    const TTranslator* Translator() const { return translator_.get(); }

    // Converts the form for the screen (nothing without a UI conversion):
    // on a Big5 system its caption to Big5; its hints, and of every
    // component it owns the fonts (Chinese font of the conversion), captions
    // and hints, string lists (combo boxes keep their index), status panels,
    // owner-drawn combo box, list box and menu styles; for a Big5 screen also
    // tab sets, list views, tree views, string grids, combo box selections
    // and selection panels. The application's icon, hint and menu fonts get
    // the Chinese font too.
    void ConvertForm(TComponent* form);

    // A converted copy of the value: texts alone or in arrays (any depth)
    // converted by the type; other scalars come back as texts. Empty and
    // null values, type 0 and a converter without translator give a copy.
    Variant ConvertVariant(int conversionType, const Variant& value) const;
    // A design (GB) text for the screen, and back.
    Variant ConvertUIVariant(const Variant& value) const;
    Variant ConvertFromUIVariant(const Variant& value) const;  // never raises
    // A database text for the screen, and back.
    Variant ConvertDBVariant(const Variant& value) const;
    Variant ConvertToDBVariant(const Variant& value) const;  // never raises
    // The translator's conversions; texts stay as they are without one.
    std::string ConvertToGB(const std::string& big5) const;
    std::string ConvertToBig5(const std::string& gb) const;

    // A modal message dialog with the owner form's caption and the Chinese
    // font of the UI conversion; its modal result, or 0 for an empty text
    // (nothing is shown then).
    int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

private:
    std::string systemCodePage_ = "936";
    std::string uiCodePage_ = "936";
    std::string dbCodePage_ = "936";
    uint8_t uiConversion_ = 0;
    uint8_t dbConversion_ = 0;
    TDesignType designType_ = dtClient;
    std::unique_ptr<TTranslator> translator_;
};

}  // namespace kw
