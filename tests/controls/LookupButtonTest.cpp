#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/F2Button.h"
#include "controls/GlyphLibrary.h"
#include "platform/InputSim.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/controls/LookupProbeForm.h"

namespace kw {
namespace {

using LookupButton = testing::LookupFormTest;

TEST_F(LookupButton, GlyphNumberBringsThePictureOrLeavesTheNumberAsCaption) {
    auto* button = Make<TGSpeedButton>("btnGlyph");
    struct Case {
        int number;
        int width;  // 0: no picture
        int cells;
        const char* caption;
    };
    for (Case c : {Case{4, 32, 2, ""}, Case{8, 16, 1, ""}, Case{5, 0, 1, "5"}, Case{82, 0, 1, "82"},
                   Case{47, 16, 1, ""}, Case{0, 0, 1, "0"}}) {
        button->SetGlyphIndex(c.number);
        EXPECT_EQ(button->GlyphIndex(), c.number);
        EXPECT_EQ(button->Glyph()->Width(), c.width) << c.number;
        EXPECT_EQ(button->NumGlyphs(), c.cells) << c.number;
        EXPECT_EQ(button->Caption(), c.caption) << c.number;
    }
}

class TUnreadableGlyphs : public IGlyphLibrary {
public:
    int GetMaxBmpID() override { return 100; }
    bool LoadBmp(TBitmap&, int) override { throw EInvalidGraphic("Bitmap image is not valid"); }
};

TEST_F(LookupButton, AnUnreadablePictureShowsTheMessageAndKeepsTheNumber) {
    auto previous = SetGlyphLibrary(std::make_unique<TUnreadableGlyphs>());
    auto* button = Make<TGSpeedButton>("btnBroken");
    ui.Answer(mrOk, "读取 BMP 发生错误");
    button->SetGlyphIndex(9);
    SetGlyphLibrary(std::move(previous));
    EXPECT_EQ(button->GlyphIndex(), 9);
    EXPECT_EQ(button->Caption(), "9");
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].Caption, "Error");
}

TEST_F(LookupButton, NewF2ButtonIsFlatWithTheDefaultLookupGlyph) {
    auto* button = Make<TF2Button>("btnNew");
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->GlyphIndex(), 8);
    EXPECT_TRUE(button->AutoAlign());
    EXPECT_EQ(button->Gap(), 2);
}

TEST_F(LookupButton, BindingPlacesASquareBesideTheControl) {
    auto* edit = Make<TEdit>("edDate");
    edit->SetBounds(40, 30, 100, 21);
    auto* button = Make<TF2Button>("btnDate");
    button->SetF2Control(edit);
    EXPECT_EQ(button->BoundsRect(), Bounds(142, 30, 21, 21));
    button->SetGap(5);
    EXPECT_EQ(button->Left(), 145);
    edit->SetLeft(0);  // at run time the button stays
    EXPECT_EQ(button->Left(), 145);
    button->SetAutoAlign(true);
    EXPECT_EQ(button->Left(), 105);
}

TEST_F(LookupButton, ASecondButtonOnTheSameControlIsRefused) {
    auto* edit = Make<TEdit>("edItem");
    auto* first = Make<TF2Button>("btnFirst");
    auto* second = Make<TF2Button>("btnSecond");
    first->SetF2Control(edit);
    ui.Answer(mrOk, "不能同时有两个 F2Button 指到同一个 Edit.");
    second->SetF2Control(edit);
    EXPECT_EQ(second->F2Control(), nullptr);
    EXPECT_EQ(ui.Shown().size(), 1u);
}

TEST_F(LookupButton, ClickFocusesTheControlAndSendsTheRequestToItsOwner) {
    auto* edit = Make<TEdit>("edItem");
    auto* other = Make<TEdit>("edOther");
    auto* button = Make<TF2Button>("btnItem");
    button->SetF2Control(edit);
    other->SetFocus();
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        EXPECT_TRUE(form->Requests.empty());  // the click event comes first
    };
    ASSERT_TRUE(ClickControl(*button));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(form->Requests, std::vector<TObject*>{edit});
}

TEST_F(LookupButton, NoRequestForADisabledControlOrWithoutOne) {
    auto* edit = Make<TEdit>("edItem");
    auto* bound = Make<TF2Button>("btnBound");
    auto* unbound = Make<TF2Button>("btnNotify");
    bound->SetF2Control(edit);
    edit->SetEnabled(false);
    int clicks = 0;
    bound->OnClick = unbound->OnClick = [&](TObject*) { ++clicks; };
    ClickControl(*bound);
    ClickControl(*unbound);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(form->Requests.empty());
}

}  // namespace
}  // namespace kw
