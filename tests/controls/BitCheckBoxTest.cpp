#include <gtest/gtest.h>

#include "controls/BtChkBox.h"
#include "platform/InputSim.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using BitCheckBox = testing::FormTest;

TEST_F(BitCheckBox, NewBoxHasTheBuiltInOneCellPictures) {
    auto* box = Make<TBitCheckBox>("chkNew");
    EXPECT_EQ(box->Width(), 97);
    EXPECT_EQ(box->Height(), 17);
    EXPECT_TRUE(box->TabStop());
    EXPECT_EQ(box->Alignment(), taRightJustify);
    EXPECT_EQ(box->State(), cbUnchecked);
    for (TBitmap* glyph : {box->CheckedGlyph(), box->UncheckedGlyph(), box->GrayedGlyph()}) {
        EXPECT_EQ(glyph->Width(), 19);
        EXPECT_EQ(glyph->Height(), 14);
    }
    EXPECT_EQ(box->CheckedNumGlyphs(), 1);
    EXPECT_FALSE(box->CheckedGlyph()->SameAs(*box->UncheckedGlyph()));
}

TEST_F(BitCheckBox, ClicksCycleThroughTheStates) {
    struct Cycle {
        bool allowGrayed;
        std::vector<TCheckBoxState> states;
    };
    for (const Cycle& c : {Cycle{true, {cbGrayed, cbChecked, cbUnchecked}}, Cycle{false, {cbChecked, cbUnchecked}}}) {
        auto* box = Make<TBitCheckBox>("chkCycle");
        box->SetAllowGrayed(c.allowGrayed);
        int clicks = 0;
        box->OnClick = [&](TObject*) { ++clicks; };
        for (TCheckBoxState expected : c.states) {
            ASSERT_TRUE(ClickControl(*box));
            EXPECT_EQ(box->State(), expected) << "AllowGrayed " << c.allowGrayed;
        }
        EXPECT_EQ(clicks, static_cast<int>(c.states.size()));
        EXPECT_TRUE(box->Focused());
        box->Free();
    }
}

TEST_F(BitCheckBox, SettingTheStateRaisesNoClickAndSpaceClicks) {
    auto* box = Make<TBitCheckBox>("chkSpace");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetState(cbGrayed);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(box->Checked());
    box->SetFocus();
    PressKey(VK_SPACE);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BitCheckBox, AssignedPicturesSetTheCellCountWhenTheyAreWholeCells) {
    struct Case {
        int width;
        int expectedCells;
    };
    auto* box = Make<TBitCheckBox>("chkCells");
    for (Case c : {Case{30, 1}, Case{28, 2}, Case{42, 2}, Case{14, 1}}) {
        TBitmap picture;
        picture.SetSize(c.width, 14);
        box->SetCheckedGlyph(&picture);
        EXPECT_EQ(box->CheckedGlyph()->Width(), c.width);
        EXPECT_EQ(box->CheckedNumGlyphs(), c.expectedCells) << c.width;
        if (c.width == 28) {
            TBitmap odd;
            odd.SetSize(30, 14);  // not whole cells: the count stays 2
            box->SetCheckedGlyph(&odd);
            EXPECT_EQ(box->CheckedNumGlyphs(), 2);
        }
    }
    box->SetCheckedNumGlyphs(5);
    EXPECT_EQ(box->CheckedNumGlyphs(), 2);
    box->SetCheckedNumGlyphs(0);
    EXPECT_EQ(box->CheckedNumGlyphs(), 1);
    box->SetCheckedGlyph(nullptr);  // the built-in picture again
    EXPECT_EQ(box->CheckedGlyph()->Width(), 19);
}

// The cell drawn: the first, or the second when disabled and there are two.
TEST_F(BitCheckBox, PaintsTheCellOfItsStateAndEnabledState) {
    auto* box = Make<TBitCheckBox>("chkPaint");
    box->SetColor(clSilver);
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(28, 14);
    strip.Fill(clFuchsia);  // transparent colour
    for (int y = 1; y < 13; ++y) {
        for (int x = 1; x < 13; ++x) strip.SetPixel(x, y, clRed);
        for (int x = 15; x < 27; ++x) strip.SetPixel(x, y, clBlue);
    }
    box->SetUncheckedGlyph(&strip);
    const int top = (box->ClientHeight() - 14) / 2;
    EXPECT_EQ(box->PaintToBitmap().Pixel(5, top + 5), clRed);
    EXPECT_EQ(box->PaintToBitmap().Pixel(0, top), clSilver);  // transparent colour left out
    box->SetEnabled(false);
    EXPECT_EQ(box->PaintToBitmap().Pixel(5, top + 5), clBlue);
    // One cell: a disabled box shows that cell.
    TBitmap single;
    single.SetPixelFormat(pf24bit);
    single.SetSize(14, 14);
    single.Fill(clFuchsia);
    single.SetPixel(5, 5, clRed);
    box->SetUncheckedGlyph(&single);
    EXPECT_EQ(box->UncheckedNumGlyphs(), 1);
    EXPECT_EQ(box->PaintToBitmap().Pixel(5, top + 5), clRed);
    // Left justify puts the picture at the right edge.
    box->SetEnabled(true);
    box->SetAlignment(taLeftJustify);
    EXPECT_EQ(box->PaintToBitmap().Pixel(box->ClientWidth() - 14 + 5, top + 5), clRed);
}

TEST_F(BitCheckBox, CaptionGoesRightOfThePictureUnderRightJustify) {
    auto* box = Make<TBitCheckBox>("chkCaption");
    box->SetCaption("Page");
    TCanvas* canvas = box->PaintToBitmap().Canvas();
    ASSERT_FALSE(canvas->Texts().empty());
    EXPECT_EQ(canvas->Texts().back().X, 19 + 4);
    EXPECT_EQ(canvas->Texts().back().Text, "Page");
}

}  // namespace
}  // namespace kw
