#include <gtest/gtest.h>

#include "controls/KwRadioGroup.h"
#include "platform/InputSim.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using Radio = testing::FormTest;

TEST(RadioMarkWidth, FollowsTheFontSizeTable) {
    const std::pair<int, int> cases[] = {{1, 17},  {8, 17},  {9, 19},  {15, 19}, {16, 20}, {17, 20}, {18, 21},
                                         {23, 21}, {24, 23}, {29, 23}, {30, 25}, {35, 25}, {36, 27}, {41, 27},
                                         {42, 29}, {43, 29}, {44, 31}, {60, 31}, {61, 39}, {80, 39}, {81, 44},
                                         {0, 44}};
    for (auto [size, width] : cases) EXPECT_EQ(RadioMarkWidth(size), width) << size;
}

TEST_F(Radio, CheckingOneUnchecksItsSiblingsAndRaisesOneClick) {
    auto* a = Make<TKwRadioButton>("rdoA");
    auto* b = Make<TKwRadioButton>("rdoB");
    auto* box = Make<TGroupBox>("gbOther");
    auto* elsewhere = Make<TKwRadioButton>("rdoElsewhere", box);
    EXPECT_EQ(a->Width(), 113);
    EXPECT_EQ(a->Height(), 17);
    elsewhere->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    a->SetChecked(true);
    EXPECT_TRUE(a->TabStop());
    ASSERT_TRUE(ClickControl(*b));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(a->TabStop());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(clicks, 1);
    ClickControl(*b);  // already checked: nothing changes
    EXPECT_EQ(clicks, 1);
    int doubles = 0;
    b->OnDblClick = [&](TObject*) { ++doubles; };
    DoubleClickControl(*b);
    EXPECT_EQ(doubles, 1);
}

TEST_F(Radio, CaptionIsPaintedAfterTheMarkInTheControlsFontColour) {
    auto* r = Make<TKwRadioButton>("rdoPaint");
    r->SetCaption("Daily");
    r->Font()->SetSize(9);
    r->Font()->SetColor(clRed);
    r->SetColor(clSilver);
    TBitmap surface;
    surface.SetSize(r->Width() + 8, r->Height() + 8);
    surface.Fill(clWhite);
    r->PaintCaption(*surface.Canvas());
    ASSERT_EQ(surface.Canvas()->Texts().size(), 1u);
    EXPECT_EQ(surface.Canvas()->Texts()[0].X, 19);
    EXPECT_EQ(surface.Canvas()->Texts()[0].Color, clRed);
    EXPECT_EQ(surface.Pixel(19 - 5, 2), clWhite);   // before the mark area
    EXPECT_EQ(surface.Pixel(19 - 4, 2), clSilver);
    EXPECT_EQ(surface.Pixel(r->Width() + 3, r->Height() + 3), clSilver);  // 4 pixels beyond
}

TEST_F(Radio, GroupLaysItsButtonsOutColumnByColumn) {
    auto* group = Make<TKwRadioGroup>("grpKind");
    group->SetBounds(10, 10, 210, 100);
    group->Font()->SetHeight(-12);
    for (const char* item : {"one", "two", "three", "four", "five"}) group->Items()->Add(item);
    group->SetColumns(2);
    ASSERT_EQ(group->ButtonCount(), 5);
    // r = 3 rows, width (210 - 10) / 2 = 100, h = 100 - 12 - 5 = 83, height 27, top 12 + 1 + 1.
    const TRect expected[] = {Bounds(8, 14, 100, 27), Bounds(8, 41, 100, 27), Bounds(8, 68, 100, 27),
                              Bounds(108, 14, 100, 27), Bounds(108, 41, 100, 27)};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(group->Buttons(i)->BoundsRect(), expected[i]) << i;
        EXPECT_EQ(group->Buttons(i)->Caption(), group->Items()->Strings(i));
    }
}

TEST_F(Radio, GroupColumnsAreKeptWithinOneToSixteen) {
    auto* group = Make<TKwRadioGroup>("grpColumns");
    const std::pair<int, int> cases[] = {{0, 1}, {-3, 1}, {20, 16}, {16, 16}, {3, 3}};
    for (auto [set, kept] : cases) {
        group->SetColumns(set);
        EXPECT_EQ(group->Columns(), kept) << set;
    }
}

TEST_F(Radio, AButtonClickSelectsItsItemAndRaisesTheGroupsClick) {
    auto* group = Make<TKwRadioGroup>("grpPick");
    group->Items()->SetCommaText("a,b,c");
    EXPECT_EQ(group->ItemIndex(), -1);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    ASSERT_TRUE(ClickControl(*group->Buttons(2)));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(0);  // set by program: no click
    EXPECT_TRUE(group->Buttons(0)->Checked());
    EXPECT_FALSE(group->Buttons(2)->Checked());
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(-1);
    EXPECT_FALSE(group->Buttons(0)->Checked());
    std::vector<uint16_t> keys;
    group->OnKeyDown = [&](TObject* sender, uint16_t& key, TShiftState) {
        EXPECT_EQ(sender, group);
        keys.push_back(key);
    };
    group->Buttons(1)->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(keys, std::vector<uint16_t>{VK_DOWN});
    group->Items()->Delete(2);
    EXPECT_EQ(group->ButtonCount(), 2);
}

}  // namespace
}  // namespace kw
