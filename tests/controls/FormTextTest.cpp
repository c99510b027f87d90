#include <gtest/gtest.h>

#include "controls/DBLabel.h"
#include "controls/ExtPage.h"
#include "controls/KwRadioGroup.h"
#include "controls/KwSpin.h"
#include "controls/KwcEdit.h"
#include "controls/SelectPnl.h"
#include "platform/FormStream.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using FormText = testing::FormTest;

TEST_F(FormText, FormsNameTheControlsAndTheirPropertiesByName) {
    ReadComponentText(*form, R"(object frmSample: TForm
  object spItem: TSelectPanel
    Left = 8
    Top = 8
    Width = 287
    Height = 110
    Caption = 'Item'
    Style = sp_UserChoice
    UserChoice = False
    OtherWidth = 185
    OtherHeight = 52
    CheckDuplicate = cd_CaseInsensitive
    ValueType = vt_Date
    DateType = dt_YYMMDD
    BeginWords = ('From' 'Starting')
  end
  object edCode: TKwEdit
    Left = 80
    Top = 140
    Caption = 'Code'
    LabelPosition = lpAbove
  end
  object btnCode: TF2Button
    F2Control = edCode
    GlyphIndex = 68
  end
  object lblCode: TDBLabel
    FocusControl = edCode
    Pos = psRight
    Gap = 6
  end
  object chkPage: TBitCheckBox
    Caption = 'Page'
    Checked = True
  end
  object rdoKind: TKwRadioGroup
    Items = ('a' 'b')
    ItemIndex = 1
    Columns = 2
  end
  object seDays: TKwSpinEdit
    MaxValue = 31
  end
  object pgOption: TExtPageControl
  end
end)");
    auto* panel = form->Find<TSelectPanel>("spItem");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Style(), sp_UserChoice);
    EXPECT_FALSE(panel->UserChoice());  // applied under the loaded style
    EXPECT_FALSE(panel->IsRangeMode());
    EXPECT_TRUE(panel->ListPage()->Visible());
    EXPECT_EQ(panel->Width(), 287);  // no size exchange while loading
    EXPECT_TRUE(panel->SortListBox());
    EXPECT_EQ(panel->DateType(), dt_YYMMDD);
    EXPECT_EQ(panel->BeginLabel()->Caption(), "Starting");
    auto* edit = form->Find<TKwEdit>("edCode");
    auto* button = form->Find<TF2Button>("btnCode");
    EXPECT_EQ(button->F2Control(), edit);
    EXPECT_EQ(button->Left(), edit->Left() + edit->Width() + 2);
    EXPECT_EQ(button->GlyphIndex(), 68);
    auto* label = form->Find<TDBLabel>("lblCode");
    EXPECT_EQ(label->Left(), edit->Left() + edit->Width() + 6);
    EXPECT_EQ(edit->EditLabel()->Top(), edit->Top() - edit->EditLabel()->Height() - 4);
    EXPECT_TRUE(form->Find<TBitCheckBox>("chkPage")->Checked());
    auto* group = form->Find<TKwRadioGroup>("rdoKind");
    EXPECT_EQ(group->ButtonCount(), 2);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_EQ(form->Find<TKwSpinEdit>("seDays")->MaxValue(), 31);
    EXPECT_NE(form->Find<TExtPageControl>("pgOption"), nullptr);
}

}  // namespace
}  // namespace kw
