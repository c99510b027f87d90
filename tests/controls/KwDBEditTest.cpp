// The labelled data-aware edits: label and button places, the button's
// click, the binding to a field, and their form texts.
#include <gtest/gtest.h>

#include "controls/DBLabel.h"
#include "controls/KwcEdit.h"
#include "platform/Automation.h"
#include "platform/ExtCtrls.h"
#include "platform/FormStream.h"
#include "platform/InputSim.h"
#include "platform/SocketConn.h"
#include "tests/classlib/RecordsServer.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/controls/LookupProbeForm.h"

namespace kw {
namespace {

// ---------------------------------------------------------------- label

template <class Edit>
class LabelledEdits : public testing::FormTest {};
using LabelledEditKinds = ::testing::Types<TKwEdit, TKwDBEdit, TKwBtnDBEdit>;
TYPED_TEST_SUITE(LabelledEdits, LabelledEditKinds);

TYPED_TEST(LabelledEdits, LabelTakesItsPlaceByPositionAndIgnoresANegativeSpacing) {
    struct Case {
        TLabelPosition position;
        int spacing;
        TPoint expected;
    };
    // Edit at (50, 10), 100 x 21; label 30 x 13.
    for (Case c : {Case{lpLeft, 4, {16, 14}}, Case{lpRight, 4, {154, 14}}, Case{lpAbove, 4, {50, -7}},
                   Case{lpBelow, 2, {50, 33}}, Case{lpLeft, -3, {16, 14}}}) {
        auto* edit = this->template Make<TypeParam>("edValue");
        edit->SetBounds(50, 10, 100, 21);
        TLabel* label = edit->EditLabel();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Name(), "EditLabel");
        EXPECT_EQ(label->FocusControl(), edit);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 30, 13);
        edit->SetLabelSpacing(c.spacing);
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(edit->LabelSpacing(), c.spacing < 0 ? 4 : c.spacing);
        EXPECT_EQ(label->Left(), c.expected.X) << c.position << " spacing " << c.spacing;
        EXPECT_EQ(label->Top(), c.expected.Y) << c.position << " spacing " << c.spacing;
        edit->SetBounds(60, 30, 100, 25);  // placed again with the edit
        const TPoint again = EditLabelPlace(edit->BoundsRect(), {30, 13}, c.position, edit->LabelSpacing());
        EXPECT_EQ(label->Left(), again.X);
        EXPECT_EQ(label->Top(), again.Y);
        edit->Free();
    }
}

TYPED_TEST(LabelledEdits, LabelFollowsTheEdit) {
    auto* box = this->template Make<TGroupBox>("gbValue");
    auto* edit = this->template Make<TypeParam>("edValue");
    TLabel* label = edit->EditLabel();
    edit->SetParent(box);
    EXPECT_EQ(label->Parent(), box);
    edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    label->Free();
    EXPECT_EQ(edit->EditLabel(), nullptr);
    edit->SetBounds(10, 10, 80, 21);
    EXPECT_EQ(edit->LabelCaption(), "");
}

// ---------------------------------------------------------------- button

class BtnDBEdit : public testing::LookupFormTest {
protected:
    TKwBtnDBEdit* MakeEdit(const char* name = "edItem", TWinControl* parent = nullptr) {
        return Make<TKwBtnDBEdit>(name, parent);
    }
};

TEST_F(BtnDBEdit, ANewButtonIsAFlatDefaultLookupSquareRightOfTheEdit) {
    auto* edit = MakeEdit();
    TGSpeedButton* button = edit->Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "F2Button");
    EXPECT_EQ(button->Owner(), edit);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(edit->GlyphIndex(), 8);
    EXPECT_EQ(button->GlyphIndex(), 8);
    EXPECT_EQ(edit->ButtonSpacing(), 2);
    EXPECT_EQ(edit->ButtonHint(), "");
    EXPECT_EQ(button->Parent(), form);
    EXPECT_EQ(button->BoundsRect(), Bounds(edit->Left() + edit->Width() + 2, edit->Top(), 21, 21));
}

TEST_F(BtnDBEdit, ButtonMovesWithTheEditsBoundsAndTheSpacing) {
    auto* edit = MakeEdit();
    TGSpeedButton* button = edit->Button();
    struct Case {
        TRect edit;
        int spacing;
        TRect button;
    };
    for (Case c : {Case{Bounds(50, 10, 100, 21), 2, Bounds(152, 10, 21, 21)},
                   Case{Bounds(50, 10, 100, 21), 6, Bounds(156, 10, 21, 21)},
                   Case{Bounds(8, 40, 80, 25), 6, Bounds(94, 40, 25, 25)},
                   Case{Bounds(8, 40, 80, 25), 0, Bounds(88, 40, 25, 25)}}) {
        edit->SetBoundsRect(c.edit);
        edit->SetButtonSpacing(c.spacing);
        EXPECT_EQ(button->BoundsRect(), c.button) << c.edit.Left << "," << c.edit.Top << " spacing " << c.spacing;
    }
    edit->SetLeft(100);  // any single change of the bounds
    EXPECT_EQ(button->Left(), 100 + 80 + 0);
    edit->SetHeight(30);
    EXPECT_EQ(button->Width(), 30);
    EXPECT_EQ(button->Height(), 30);
}

TEST_F(BtnDBEdit, ButtonFollowsTheEditAndTakesGlyphAndHint) {
    auto* box = new TGroupBox(form);
    box->SetParent(form);
    auto* edit = MakeEdit("edItem", box);
    TGSpeedButton* button = edit->Button();
    EXPECT_EQ(button->Parent(), box);
    edit->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    edit->SetEnabled(true);
    EXPECT_TRUE(button->Enabled());
    edit->SetVisible(false);
    EXPECT_FALSE(button->Visible());
    edit->SetGlyphIndex(68);
    EXPECT_EQ(button->GlyphIndex(), 68);
    edit->SetButtonHint("Items");
    EXPECT_EQ(button->Hint(), "Items");
    button->Free();
    EXPECT_EQ(edit->Button(), nullptr);
    edit->SetBounds(10, 10, 80, 21);  // no button to place any more
    edit->SetVisible(true);
    EXPECT_EQ(edit->GlyphIndex(), 0);
    EXPECT_NE(edit->EditLabel(), nullptr);
}

TEST_F(BtnDBEdit, AClickAsksTheFormForTheEditsLookupUnlessOnDialogIsSet) {
    auto* other = new TEdit(form);
    other->SetParent(form);
    auto* edit = MakeEdit();
    edit->SetBounds(50, 10, 100, 21);
    other->SetFocus();
    ASSERT_TRUE(ClickControl(*edit->Button()));
    EXPECT_TRUE(edit->Focused());
    ASSERT_EQ(form->Requests.size(), 1u);
    EXPECT_EQ(form->Requests[0], edit);

    std::vector<TObject*> dialogs;
    edit->OnDialog = [&](TObject* sender) { dialogs.push_back(sender); };
    other->SetFocus();
    ASSERT_TRUE(ClickControl(*edit->Button()));
    EXPECT_EQ(dialogs, std::vector<TObject*>{edit});
    EXPECT_EQ(form->Requests.size(), 1u);
    EXPECT_TRUE(other->Focused());
}

TEST_F(BtnDBEdit, AnEditThatCannotTakeTheFocusGetsNoLookup) {
    auto* hidden = new TPanel(form);
    hidden->SetParent(form);
    auto* edit = MakeEdit("edInside", hidden);
    hidden->SetVisible(false);
    edit->Button()->Click();
    EXPECT_FALSE(edit->Focused());
    EXPECT_TRUE(form->Requests.empty());
}

// ---------------------------------------------------------------- data

const char* const ProviderClass = "KwControlsTest.KwDBEditProvider";

// A server whose provider "pvdItems" delivers two records.
AutoClassRegistrar registrar(ProviderClass, testing::RecordsServerFactory(ProviderClass, {"ITEM_NO", "ITEM_NAME"},
                                                                             {{"A-1", "bolt"}, {"A-2", "nut"}}));

class KwDBEditData : public testing::FormTest {
protected:
    TSocketConnection connection{nullptr};
    TClientDataSet* dataSet = nullptr;
    TDataSource* source = nullptr;

    void SetUp() override {
        FormTest::SetUp();
        dataSet = testing::MakeItemsDataSet(form, connection, ProviderClass);
        dataSet->SetName("cdsItems");
        dataSet->Open();
        dataSet->FieldByName("ITEM_NAME").SetDisplayLabel("Item name");
        source = new TDataSource(form);
        source->SetName("dsItems");
        source->SetDataSet(dataSet);
    }
};

TEST_F(KwDBEditData, ShowsAndWritesTheBoundField) {
    auto* edit = Make<TKwBtnDBEdit>("edItem");
    edit->SetDataSource(source);
    edit->SetDataField("ITEM_NAME");
    EXPECT_EQ(edit->Text(), "bolt");
    dataSet->Next();
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "nut");
    edit->SetFocus();
    TypeText("x");  // browsing: refused
    EXPECT_EQ(dataSet->FieldByName("ITEM_NAME").AsString(), "nut");
    dataSet->Edit();
    edit->SelectAll();
    TypeText("washer");
    dataSet->Post();
    EXPECT_EQ(dataSet->FieldByName("ITEM_NAME").AsString(), "washer");
    EXPECT_EQ(edit->LabelCaption(), "");  // at run time the label keeps its caption
}

TEST_F(KwDBEditData, WhileDesigningTheFieldGivesTheLabelItsCaption) {
    auto* edit = Make<TKwDBEdit>("edItem");
    edit->SetDesigning(true);
    edit->SetDataSource(source);
    edit->SetDataField("NO_SUCH_FIELD");
    EXPECT_EQ(edit->LabelCaption(), "");
    edit->SetDataField("ITEM_NAME");
    EXPECT_EQ(edit->LabelCaption(), "Item name");
    EXPECT_EQ(edit->EditLabel()->Caption(), "Item name");
    edit->SetDataField("ITEM_NO");
    EXPECT_EQ(edit->LabelCaption(), "ITEM_NO");  // the display label is the name until set
}

TEST_F(KwDBEditData, ABoundLabelTakesTheDisplayLabelOfTheEditsField) {
    auto* edit = Make<TKwBtnDBEdit>("edItem");
    edit->SetDataSource(source);
    edit->SetDataField("ITEM_NAME");
    auto* label = Make<TDBLabel>("lblItem");
    label->SetFocusControl(edit);
    EXPECT_EQ(label->Caption(), "Item name");
}

TEST_F(KwDBEditData, FormTextsCreateThemByClassName) {
    ReadComponentText(*form, R"(object frmItems: TForm
  object edItem: TKwBtnDBEdit
    Left = 80
    Top = 20
    Width = 100
    Height = 21
    DataSource = dsText
    DataField = 'ITEM_NO'
    Caption = 'Item'
    LabelPosition = lpAbove
    ButtonSpacing = 5
    GlyphIndex = 68
    ButtonHint = 'Items'
  end
  object edName: TKwDBEdit
    Left = 80
    Top = 60
    DataSource = dsText
    DataField = 'ITEM_NAME'
    LabelSpacing = 7
  end
  object dsText: TDataSource
    DataSet = cdsItems
  end
end)");
    auto* item = form->Find<TKwBtnDBEdit>("edItem");
    auto* name = form->Find<TKwDBEdit>("edName");
    ASSERT_NE(item, nullptr);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(item->LabelCaption(), "Item");
    EXPECT_EQ(item->LabelPosition(), lpAbove);
    EXPECT_EQ(item->Button()->BoundsRect(), Bounds(185, 20, 21, 21));
    EXPECT_EQ(item->GlyphIndex(), 68);
    EXPECT_EQ(item->ButtonHint(), "Items");
    EXPECT_EQ(name->LabelSpacing(), 7);
    EXPECT_EQ(item->Text(), "A-1");  // the open dataset is shown once loaded
    EXPECT_EQ(name->Text(), "bolt");
}

}  // namespace
}  // namespace kw
