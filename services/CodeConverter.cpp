#include "services/CodeConverter.h"

#include <exception>

#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/Forms.h"
#include "services/BatonINI.h"

namespace kw {

KW_BEGIN_CLASS(TCodeConverter, TComponent)
    b.Prop("DesignType", &TCodeConverter::DesignType, &TCodeConverter::SetDesignType);
    b.Creatable();
KW_END_CLASS(TCodeConverter)

namespace {

constexpr int kToGB = 1;
constexpr int kToBig5 = 2;

}  // namespace

void ApplyChineseFont(int kind, TFont* font)
{
    if (!font)
        return;
    if (kind == 0 || kind == 1 || kind == 4) {
        font->SetName("SimSun");
        font->SetCharset(GB2312_CHARSET);
    } else if (kind == 2 || kind == 3) {
        font->SetName("SimSun");
        font->SetCharset(CHINESEBIG5_CHARSET);
    }
}

TCodeConverter::TCodeConverter(TComponent* owner) : TComponent(owner)
{
    TBatonIniC settings;
    systemCodePage_ = settings.SystemCodePage;
    uiCodePage_ = settings.UICodePage;
    dbCodePage_ = settings.DBCodePage;
    uiConversion_ = settings.UIConversion;
    dbConversion_ = settings.DBConversion;
    // The database conversion needs the translator as much as the screen's.
    if (uiConversion_ != 0 || dbConversion_ != 0)
        translator_ = std::make_unique<TTranslator>();
}

TCodeConverter::~TCodeConverter() = default;

Variant TCodeConverter::ConvertVariant(int conversionType, const Variant& value) const
{
    if (conversionType == 0 || !translator_ || VarIsEmptyOrNull(value))
        return value;
    if (value.isArray()) {
        Variant result = value;
        for (Variant& element : result.array().items())
            element = ConvertVariant(conversionType, element);
        return result;
    }
    const std::string text = VarToStr(value);
    if (conversionType == kToGB)
        return Variant(ConvertToGB(text), CP_GBK);
    if (conversionType == kToBig5)
        return Variant(ConvertToBig5(text), CP_BIG5);
    return Variant(text, value.type() == VarType::String ? value.codePage() : CP_ACP);
}

Variant TCodeConverter::ConvertUIVariant(const Variant& value) const
{
    return ConvertVariant(uiConversion_, value);
}

Variant TCodeConverter::ConvertFromUIVariant(const Variant& value) const
{
    try {
        return uiConversion_ == 2 ? ConvertVariant(kToGB, value) : value;
    } catch (const std::exception&) {
        return value;
    }
}

Variant TCodeConverter::ConvertDBVariant(const Variant& value) const
{
    return ConvertVariant(dbConversion_, value);
}

Variant TCodeConverter::ConvertToDBVariant(const Variant& value) const
{
    try {
        if (dbConversion_ == 1)
            return ConvertVariant(kToBig5, value);
        if (dbConversion_ == 2)
            return ConvertVariant(kToGB, value);
        return value;
    } catch (const std::exception&) {
        return value;
    }
}

std::string TCodeConverter::ConvertToGB(const std::string& big5) const
{
    return translator_ ? translator_->ConvertToGB(big5) : big5;
}

std::string TCodeConverter::ConvertToBig5(const std::string& gb) const
{
    return translator_ ? translator_->ConvertToBig5(gb) : gb;
}

int TCodeConverter::ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    if (text.empty())
        return 0;
    std::string message = text;
    if (uiCodePage_ == "936" || systemCodePage_ == "936")
        message += "      ";
    TForm* dialog = CreateMessageDialog(message, type, buttons);
    try {
        if (auto* ownerForm = dynamic_cast<TCustomForm*>(Owner())) {
            if (ownerForm->WindowState() == wsMinimized)
                ownerForm->SetWindowState(wsNormal);
            dialog->SetCaption(ownerForm->Caption());
        }
        ApplyChineseFont(uiConversion_, dialog->Font());
        const int result = dialog->ShowModal();
        dialog->Free();
        return result;
    } catch (...) {
        dialog->Free();
        throw;
    }
}

}  // namespace kw
