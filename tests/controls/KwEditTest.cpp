#include <gtest/gtest.h>

#include "controls/KwcEdit.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using KwEdit = testing::FormTest;

TEST_F(KwEdit, LabelTakesItsPlaceByPosition) {
    struct Case {
        TLabelPosition position;
        int spacing;
        TPoint expected;
    };
    // Edit at (50, 10), 100 x 21; label 30 x 13.
    for (Case c : {Case{lpLeft, 4, {16, 14}}, Case{lpRight, 4, {154, 14}}, Case{lpAbove, 4, {50, -7}},
                   Case{lpBelow, 2, {50, 33}}}) {
        auto* edit = Make<TKwEdit>("edHours");
        edit->SetBounds(50, 10, 100, 21);
        TLabel* label = edit->EditLabel();
        ASSERT_NE(label, nullptr);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 30, 13);
        edit->SetLabelSpacing(c.spacing);
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(label->Left(), c.expected.X) << c.position;
        EXPECT_EQ(label->Top(), c.expected.Y) << c.position;
        edit->Free();
    }
}

TEST_F(KwEdit, LabelFollowsTheEditAndIgnoresANegativeSpacing) {
    auto* box = Make<TGroupBox>("gbHours");
    auto* edit = Make<TKwEdit>("edHours");
    TLabel* label = edit->EditLabel();
    EXPECT_EQ(label->Name(), "EditLabel");
    EXPECT_EQ(label->FocusControl(), edit);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(edit->LabelPosition(), lpLeft);
    EXPECT_EQ(edit->LabelSpacing(), 4);
    edit->SetLabelSpacing(-3);
    EXPECT_EQ(edit->LabelSpacing(), 4);
    edit->SetLabelCaption("Hours");
    EXPECT_EQ(label->Caption(), "Hours");
    edit->SetBounds(200, 40, 80, 21);
    EXPECT_EQ(label->Left(), 200 - label->Width() - 4);
    edit->SetParent(box);
    EXPECT_EQ(label->Parent(), box);
    edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    label->Free();
    EXPECT_EQ(edit->EditLabel(), nullptr);
    edit->SetBounds(10, 10, 80, 21);  // no label to place any more
    EXPECT_EQ(edit->LabelCaption(), "");
}

}  // namespace
}  // namespace kw
