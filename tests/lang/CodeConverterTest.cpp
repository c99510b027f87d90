#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/HeadlessBackend.h"
#include "services/CodeConverter.h"
#include "tests/lang/LangTestSupport.h"

using namespace kw;
using kw::testing::InCodePage;

namespace {

class CodeConverterTest : public kw::testing::LangInstallation {
protected:
    void SetUp() override
    {
        LangInstallation::SetUp();
        headless().ClearAnswers();
        headless().ClearShown();
    }
    void TearDown() override
    {
        if (form_)
            form_->Free();
        LangInstallation::TearDown();
    }

    static THeadlessBackend& headless() { return dynamic_cast<THeadlessBackend&>(Backend()); }

    // A form with its converter, made under the code pages in force.
    TCodeConverter& MakeConverter()
    {
        form_ = new TForm(nullptr);
        form_->SetCaption(DesignText("报表条件"));
        auto* converter = new TCodeConverter(form_);
        converter->SetName("KwConverter");
        return *converter;
    }

    TForm* form_ = nullptr;
};

struct KindCase {
    int systemCodePage;
    const char* uiCodePage;
    const char* dbCodePage;
    int uiConversion;
    int dbConversion;
    bool translator;
};

TEST_F(CodeConverterTest, SettingsChooseTheConversionKindsAndTheTranslator)
{
    const KindCase cases[] = {
        {936, "936", "936", 0, 0, false},
        {936, "950", "936", 2, 2, true},
        {950, "936", "936", 4, 0, true},
        {950, "", "936", 2, 2, true},
        {936, "437", "936", 0, 0, false},
        // A Big5 database behind a GB screen needs the translator too.
        {936, "936", "950", 0, 1, true},
    };
    for (const KindCase& c : cases) {
        UseCodePages(c.systemCodePage, c.uiCodePage, c.dbCodePage);
        TCodeConverter& converter = MakeConverter();
        EXPECT_EQ(converter.UIConversion(), c.uiConversion) << c.systemCodePage << "/" << c.uiCodePage;
        EXPECT_EQ(converter.DBConversion(), c.dbConversion) << c.systemCodePage << "/" << c.uiCodePage;
        EXPECT_EQ(converter.Translator() != nullptr, c.translator) << c.systemCodePage << "/" << c.uiCodePage;
        form_->Free();
        form_ = nullptr;
    }
}

TEST_F(CodeConverterTest, UIVariantOfABigFiveScreenConvertsDesignTexts)
{
    UseCodePages(936, "950");
    const TCodeConverter& converter = MakeConverter();
    const Variant five = converter.ConvertUIVariant(Variant(5));
    EXPECT_EQ(five.type(), VarType::String);
    EXPECT_EQ(five.toString(), "5");

    const Variant captions = Variant::ArrayOf(
        {Variant(DesignText("条件方案")), Variant::Null(), Variant::ArrayOf({Variant(DesignText("方案名称"))})});
    const Variant shown = converter.ConvertUIVariant(captions);
    EXPECT_EQ(shown[0].bytes(), InCodePage("條件方案", CP_BIG5));
    EXPECT_TRUE(shown[1].isNull());
    EXPECT_EQ(shown[2][0].bytes(), InCodePage("方案名稱", CP_BIG5));
    EXPECT_EQ(converter.ConvertFromUIVariant(shown[0]).bytes(), DesignText("条件方案"));
    EXPECT_TRUE(converter.ConvertUIVariant(Variant()).isEmpty());
}

TEST_F(CodeConverterTest, WithoutConversionValuesStayAsTheyAre)
{
    const TCodeConverter& converter = MakeConverter();  // 936 on 936
    EXPECT_EQ(converter.ConvertUIVariant(Variant(5)), Variant(5));
    EXPECT_EQ(converter.ConvertFromUIVariant(Variant(DesignText("方案"))), Variant(DesignText("方案")));
    EXPECT_EQ(converter.ConvertToDBVariant(Variant(DesignText("方案"))), Variant(DesignText("方案")));
    EXPECT_EQ(converter.ConvertToBig5(DesignText("方案")), DesignText("方案"));
}

TEST_F(CodeConverterTest, DatabaseTextsTravelBetweenBigFiveDataAndAGBScreen)
{
    UseCodePages(936, "936", "950");
    const TCodeConverter& converter = MakeConverter();
    const std::string big5 = InCodePage("條件方案", CP_BIG5);
    EXPECT_EQ(converter.ConvertDBVariant(Variant(big5)).bytes(), DesignText("条件方案"));
    EXPECT_EQ(converter.ConvertToDBVariant(Variant(DesignText("条件方案"))).bytes(), big5);
}

TEST_F(CodeConverterTest, EmptyMessageShowsNothing)
{
    TCodeConverter& converter = MakeConverter();
    EXPECT_EQ(converter.ShowMessageDialog("", mtError, MsgDlgButtons({mbOK})), 0);
    EXPECT_TRUE(headless().Shown().empty());
}

TEST_F(CodeConverterTest, MessageDialogTakesTheFormCaptionAndTheScreenFont)
{
    UseCodePages(936, "950");
    TCodeConverter& converter = MakeConverter();
    form_->SetWindowState(wsMinimized);
    TFontCharset dialogCharset = 0;
    std::string dialogText, dialogCaption;
    headless().AnswerWith([&](TCustomForm& dialog) {
        dialogCharset = dialog.Font()->Charset();
        dialogCaption = dialog.Caption();
        dialogText = MessageDialogText(dialog);
        dialog.SetModalResult(mrYes);
    });
    const std::string big5 = converter.ConvertToBig5(DesignText("确实要删除此方案吗？"));
    EXPECT_EQ(converter.ShowMessageDialog(big5, mtConfirmation, MsgDlgButtons({mbYes, mbNo})), mrYes);
    EXPECT_EQ(dialogCaption, form_->Caption());
    EXPECT_EQ(dialogCharset, CHINESEBIG5_CHARSET);
    EXPECT_EQ(dialogText, big5 + "      ");  // padded: the system code page is 936
    EXPECT_EQ(form_->WindowState(), wsNormal);
}

TEST_F(CodeConverterTest, MessageOfABigFiveScreenOnABigFiveSystemIsNotPadded)
{
    UseCodePages(950, "950");
    TCodeConverter& converter = MakeConverter();
    std::string dialogText;
    headless().AnswerWith([&](TCustomForm& dialog) {
        dialogText = MessageDialogText(dialog);
        dialog.SetModalResult(mrOk);
    });
    EXPECT_EQ(converter.ShowMessageDialog("Done", mtInformation, MsgDlgButtons({mbOK})), mrOk);
    EXPECT_EQ(dialogText, "Done");
}

}  // namespace
