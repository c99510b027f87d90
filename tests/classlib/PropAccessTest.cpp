#include <gtest/gtest.h>

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "services/PropAccess.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

class PropAccessTest : public testing::HeadlessTest {
protected:
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TComboBox* combo = new TComboBox(&form);
    TLabel* label = new TLabel(&form);
    TPanel* panel = new TPanel(&form);
};

TEST_F(PropAccessTest, SetPropertyPathThroughAnObjectProperty) {
    SetPropertyPath(edit, "Font.Charset", 134);
    EXPECT_EQ(edit->Font()->Charset(), 134);
    SetPropertyPath(edit, "font.name", "Tahoma");
    EXPECT_EQ(edit->Font()->Name(), "Tahoma");
    SetPropertyPath(edit, "Font.Style", "[fsBold]");
    EXPECT_EQ(edit->Font()->Style(), 1u << fsBold);
}

TEST_F(PropAccessTest, TrySetPropertyPathReportsOnlyErrorsOnTheWay) {
    TFont before;
    before.Assign(edit->Font());
    EXPECT_TRUE(TrySetPropertyPath(edit, "Font.NoSuchThing", 1));
    EXPECT_TRUE(edit->Font()->SameAs(before));
    EXPECT_FALSE(TrySetPropertyPath(edit, "Text.Length", 1));      // Text is not an object property
    EXPECT_FALSE(TrySetPropertyPath(edit, "Missing.Charset", 1));
    EXPECT_FALSE(TrySetPropertyPath(edit, "Width", "wide"));        // no number
    EXPECT_THROW(SetPropertyPath(edit, "Align", "alSideways"), EPropertyError);
    EXPECT_TRUE(TrySetPropertyPath(nullptr, "Width", 1));
}

TEST_F(PropAccessTest, IntegerTypesWithIdentifiersTakeNamesOrNumbers) {
    struct {
        Variant Value;
        TColor Expected;
    } cases[] = {{"clRed", clRed}, {"255", 255}, {255, 255}, {" clBtnFace ", clBtnFace}, {"65280", clLime}};
    for (auto& c : cases) {
        SetPropertyPath(edit, "Color", c.Value);
        EXPECT_EQ(edit->Color(), c.Expected) << VarToStr(c.Value);
    }
    SetPropertyPath(edit, "Cursor", "crHourGlass");
    EXPECT_EQ(edit->Cursor(), crHourGlass);
}

TEST_F(PropAccessTest, EnumerationTextsAreTrimmedAndIntegersStoredAsThey_are) {
    SetPropertyPath(label, "Alignment", "  taCenter  ");
    EXPECT_EQ(label->Alignment(), taCenter);
    SetPropertyPath(label, "Alignment", 1);
    EXPECT_EQ(label->Alignment(), taRightJustify);
    SetPropertyPath(edit, "Visible", "False");
    EXPECT_FALSE(edit->Visible());
    SetPropertyPath(edit, "Visible", true);
    EXPECT_TRUE(edit->Visible());
    SetPropertyPath(&form, "BorderIcons", " [biSystemMenu, biHelp] ");
    EXPECT_EQ(form.BorderIcons(), (1u << biSystemMenu) | (1u << biHelp));
}

TEST_F(PropAccessTest, MissingPropertiesGiveNeutralResults) {
    EXPECT_EQ(GetTextProperty(edit, "Caption"), "");  // an edit has no caption
    EXPECT_EQ(GetTextProperty(nullptr, "Text"), "");
    EXPECT_EQ(GetTextProperty(edit, ""), "");
    EXPECT_FALSE(HasProperty(nullptr, "Text"));
    EXPECT_FALSE(HasProperty(edit, ""));
    EXPECT_EQ(GetOrdinalProperty(edit, "ItemIndex"), 0);
    EXPECT_EQ(GetObjectProperty(edit, "Text"), nullptr);  // not class-typed
    EXPECT_EQ(GetObjectProperty(edit, "Nothing"), nullptr);
    EXPECT_FALSE(GetEventProperty(*edit, "OnNothing").Assigned());
    SetTextProperty(edit, "Caption", "x");
    SetOrdinalProperty(edit, "Checked", 1);
    SetEventProperty(*edit, "OnNothing", TMethod{});
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(PropAccessTest, ReadsAndWritesByName) {
    SetTextProperty(label, "Caption", "Name");
    EXPECT_EQ(GetTextProperty(label, "caption"), "Name");
    combo->Items()->SetText("a\nb\nc");
    SetOrdinalProperty(combo, "ItemIndex", 2);
    EXPECT_EQ(combo->Text(), "c");
    EXPECT_EQ(GetOrdinalProperty(combo, "Style"), csDropDown);
    EXPECT_EQ(GetObjectProperty(combo, "Items"), combo->Items());
    EXPECT_EQ(GetObjectProperty(edit, "Font"), edit->Font());
    EXPECT_TRUE(HasPropertyOfType(combo, "Style", "TComboBoxStyle"));
    EXPECT_TRUE(HasPropertyOfType(combo, "style", "tcomboboxstyle"));
    EXPECT_FALSE(HasPropertyOfType(combo, "Style", "TListBoxStyle"));
    EXPECT_TRUE(HasPropertyOfType(edit, "Font", "TFont"));
    EXPECT_TRUE(HasPropertyOfType(combo, "Items", "TStrings"));
}

TEST_F(PropAccessTest, EventsAreReadKeptAndPutBack) {
    int clicks = 0;
    panel->OnClick = [&](TObject*) { ++clicks; };
    TMethod kept = GetEventProperty(*panel, "OnClick");
    SetEventProperty(*panel, "OnClick", TMethod{});
    EXPECT_FALSE(panel->OnClick.Assigned());
    SetEventProperty(*edit, "OnClick", kept);
    EXPECT_EQ(GetEventProperty(*edit, "OnClick"), kept);
    edit->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(PropAccessTest, SimulateClickSendsButtonDownThenUp) {
    std::vector<std::string> log;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { log.push_back("down"); };
    panel->OnClick = [&](TObject*) { log.push_back("click"); };
    SimulateClick(*panel, MK_LBUTTON, MakeMouseLParam(1, 1));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "click"}));
    int labelClicks = 0;
    label->OnClick = [&](TObject*) { ++labelClicks; };
    SimulateClick(*label, 0, 0);
    EXPECT_EQ(labelClicks, 1);
}

}  // namespace
}  // namespace kw
