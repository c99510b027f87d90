// Owner-drawn parts of native controls on the desktop: an owner-drawn page
// control's tabs and a button's own caption show what the model painted on
// its canvas; without owner drawing the style paints them.
#include <QImage>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "tests/qt/QtFixture.h"

namespace kw {
namespace {

using testing::QtTest;

// A radio button that fills its caption area (from x = 20 on) in red.
class TRedCaptionRadio : public TRadioButton {
public:
    using TRadioButton::TRadioButton;
    bool PaintsOwnCaption() const override { return true; }
    void PaintCaption(TCanvas& canvas) const override {
        canvas.Brush()->SetColor(clRed);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(Rect(20, 0, Width(), Height()));
    }
};

bool IsRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

class OwnerDrawTest : public QtTest {
protected:
    TForm* form = nullptr;
    TPageControl* pages = nullptr;

    void SetUp() override {
        QtTest::SetUp();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
        pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(0, 0, 400, 200);
        pages->SetTabWidth(80);
        pages->SetTabHeight(20);
        for (const char* caption : {"One", "Two"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetText(caption);
            sheet->SetPageControl(pages);
        }
        pages->SetActivePageIndex(0);
    }
    void TearDown() override {
        form->Free();
        QtTest::TearDown();
    }
    QImage Tabs() {
        auto* bar = Desktop().WidgetOf(*pages)->findChild<QTabBar*>();
        return bar->grab().toImage();
    }
};

TEST_F(OwnerDrawTest, OwnerDrawnTabsShowWhatTheModelDrewOnTheTabCanvas) {
    pages->SetOwnerDraw(true);
    pages->OnDrawTab = [this](TPageControl* pc, int, const TRect& rect, bool active) {
        TCanvas& canvas = *pc->TabCanvas();
        canvas.Brush()->SetColor(active ? clRed : clBlue);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(rect);
    };
    form->Show();
    Settle();
    auto* bar = Desktop().WidgetOf(*pages)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->tabRect(1).size(), QSize(80, 20));  // exactly the model's tab rectangles
    const QImage tabs = Tabs();
    EXPECT_TRUE(IsRed(tabs.pixel(bar->tabRect(0).center())));
    EXPECT_EQ(QColor(tabs.pixel(bar->tabRect(1).center())), QColor(0, 0, 255));

    pages->SetActivePageIndex(1);
    Settle();
    EXPECT_TRUE(IsRed(Tabs().pixel(bar->tabRect(1).center())));
}

TEST_F(OwnerDrawTest, TabsWithoutOwnerDrawingIgnoreTheTabCanvas) {
    int drawn = 0;
    pages->OnDrawTab = [&](TPageControl*, int, const TRect&, bool) { ++drawn; };
    form->Show();
    Settle();
    Tabs();
    EXPECT_EQ(drawn, 0);
}

TEST_F(OwnerDrawTest, AButtonThatPaintsItsCaptionShowsItOverTheStylesMark) {
    auto* radio = new TRedCaptionRadio(form);
    radio->SetParent(form);
    radio->SetBounds(10, 220, 120, 20);
    radio->SetText("Now");
    radio->SetChecked(true);
    form->Show();
    Settle();
    auto* widget = qobject_cast<QRadioButton*>(Desktop().WidgetOf(*radio));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->text(), "Now");  // the widget still knows its caption
    const QImage image = widget->grab().toImage();
    EXPECT_TRUE(IsRed(image.pixel(60, 10)));
    EXPECT_FALSE(IsRed(image.pixel(8, 10)));  // the mark stays the style's
}

}  // namespace
}  // namespace kw
