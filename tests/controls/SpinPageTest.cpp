#include <gtest/gtest.h>

#include "controls/ExtPage.h"
#include "controls/KwSpin.h"
#include "platform/InputSim.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using SpinPage = testing::FormTest;

TEST_F(SpinPage, ASignStandsOnlyFirstAndAnEmptiedSpinRaisesNoChange) {
    struct Case {
        const char* before;
        const char* typed;
        const char* after;
    };
    auto* spin = Make<TKwSpinEdit>("seDays");
    for (Case c : {Case{"12", "-", "12"}, Case{"12", "+", "12"}, Case{"", "-12", "-12"}, Case{"", "+3", "+3"}}) {
        spin->SetText(c.before);
        spin->SetFocus();
        spin->SetSelStart(static_cast<int>(spin->Text().size()));
        TypeText(c.typed);
        EXPECT_EQ(spin->Text(), c.after) << c.before << " + " << c.typed;
    }
    int changes = 0;
    spin->OnChange = [&](TObject*) { ++changes; };
    spin->SetText("5");
    spin->SetText("");
    spin->SetText("  ");
    EXPECT_EQ(changes, 1);
}

TEST_F(SpinPage, TabsAreDrawnInTheCaptionColoursUnlessTheEventDrawsThem) {
    auto* pages = Make<TExtPageControl>("pgOption");
    pages->SetBounds(0, 0, 300, 200);
    pages->SetTabWidth(80);
    pages->SetTabHeight(20);
    for (const char* caption : {"Condition", "Hidden", "Output"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    pages->Pages(1)->SetTabVisible(false);
    pages->SetActivePageIndex(0);
    TBitmap& tabs = pages->PaintTabs();
    const TRect first = pages->TabRect(0), second = pages->TabRect(1);
    EXPECT_EQ(tabs.Pixel(first.Left + 2, first.Top + 2), ColorToRGB(clActiveCaption));
    EXPECT_NE(tabs.Pixel(first.Left + 1, first.Top + 1), ColorToRGB(clActiveCaption));  // shrunk by 2
    EXPECT_EQ(tabs.Pixel(second.Left, second.Top), ColorToRGB(clInactiveCaption));
    const auto& texts = tabs.Canvas()->Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "Condition");
    EXPECT_TRUE(texts[0].Bold);
    EXPECT_EQ(texts[1].Text, "Output");  // the hidden page's tab is skipped
    EXPECT_FALSE(texts[1].Bold);
    int drawn = 0;
    pages->OnDrawTab = [&](TPageControl*, int, const TRect&, bool) { ++drawn; };
    pages->PaintTabs();
    EXPECT_EQ(drawn, 2);
}

}  // namespace
}  // namespace kw
