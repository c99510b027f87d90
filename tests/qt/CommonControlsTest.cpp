// Page controls, list views, tool bars, panels, splitters, glyph and spin
// buttons on the desktop: shown as the model has them, worked through it.
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/Buttons.h"
#include "platform/CodePage.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Spin.h"
#include "platform/qt/QtScreenshot.h"
#include "tests/qt/QtFixture.h"

namespace kw {
namespace {

using testing::QtTest;
using testing::TQtUser;

class CommonControlsTest : public QtTest {
protected:
    TForm* form = nullptr;
    TPanel* pnlCondition = nullptr;
    TSplitter* splitter = nullptr;
    TListView* lstCondition = nullptr;
    TPageControl* pgOption = nullptr;
    TTabSheet *tsOption1 = nullptr, *tsOption2 = nullptr;
    TSpinEdit* seDays = nullptr;
    TBitBtn* btnOk = nullptr;
    std::vector<std::string> log;

    void SetUp() override {
        QtTest::SetUp();
        form = new TForm(nullptr);
        form->SetName("frmCommon");
        form->SetBounds(0, 0, 509, 355);
        form->Font()->SetName(DesignText("宋体"));
        form->Font()->SetCharset(GB2312_CHARSET);
        form->Font()->SetHeight(-13);
        pnlCondition = new TPanel(form);
        pnlCondition->SetParent(form);
        pnlCondition->SetAlign(alLeft);
        pnlCondition->SetWidth(151);
        splitter = new TSplitter(form);
        splitter->SetParent(form);
        splitter->SetLeft(151);
        splitter->SetWidth(3);
        splitter->SetAlign(alLeft);
        lstCondition = new TListView(form);
        lstCondition->SetParent(pnlCondition);
        lstCondition->SetAlign(alClient);
        lstCondition->SetViewStyle(vsReport);
        lstCondition->Columns()->Add()->SetCaption(DesignText("方案"));
        for (const char* name : {"每日", "每周"}) lstCondition->Items()->Add()->SetCaption(DesignText(name));
        lstCondition->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            if (selected) log.push_back("select " + CodePageToUtf8(item->Caption(), CP_GBK));
        };
        pgOption = new TPageControl(form);
        pgOption->SetName("pgOption");
        pgOption->SetParent(form);
        pgOption->SetAlign(alClient);
        tsOption1 = new TTabSheet(form);
        tsOption1->SetName("tsOption1");
        tsOption1->SetText(DesignText("基本选项"));
        tsOption1->SetPageControl(pgOption);
        tsOption2 = new TTabSheet(form);
        tsOption2->SetName("tsOption2");
        tsOption2->SetText(DesignText("系统选项"));
        tsOption2->SetPageControl(pgOption);
        pgOption->SetActivePage(tsOption1);
        pgOption->OnChanging = [this](TObject*, bool& allow) { log.push_back("changing"); };
        pgOption->OnChange = [this](TObject*) { log.push_back("change"); };
        seDays = new TSpinEdit(form);
        seDays->SetParent(tsOption1);
        seDays->SetBounds(10, 10, 80, 21);
        seDays->SetMaxValue(99);
        seDays->SetValue(3);
        btnOk = new TBitBtn(form);
        btnOk->SetParent(tsOption2);
        btnOk->SetBounds(10, 10, 75, 25);
        btnOk->SetText(DesignText("确定"));
        TBitmap glyph;  // a red enabled cell and a grey disabled one
        glyph.SetSize(32, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x) glyph.SetPixel(x, y, y == 15 && x == 0 ? clWhite : x < 16 ? clRed : clGray);
        btnOk->SetGlyph(&glyph);
        form->Show();
        Settle();
    }
    void TearDown() override {
        form->Free();
        QtTest::TearDown();
    }
};

TEST_F(CommonControlsTest, PagesSitBelowTheirTabsAndOnlyTheActiveOneShows) {
    auto* tabs = Desktop().WidgetOf(*pgOption)->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QString::fromUtf8("系统选项"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    QWidget* page = Desktop().WidgetOf(*tsOption1);
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(Desktop().WidgetOf(*tsOption2)->isVisible());
    EXPECT_GE(page->geometry().top(), tabs->height());
}

TEST_F(CommonControlsTest, ClickingATabChangesThePageThroughTheModel) {
    auto* tabs = Desktop().WidgetOf(*pgOption)->findChild<QTabBar*>();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    Settle();
    EXPECT_EQ(pgOption->ActivePage(), tsOption2);
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(Desktop().WidgetOf(*tsOption2)->isVisible());
}

TEST_F(CommonControlsTest, ARefusedPageChangeKeepsThePage) {
    pgOption->OnChanging = [](TObject*, bool& allow) { allow = false; };
    auto* tabs = Desktop().WidgetOf(*pgOption)->findChild<QTabBar*>();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    Settle();
    EXPECT_EQ(pgOption->ActivePage(), tsOption1);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(CommonControlsTest, ClickingAListViewItemSelectsItInTheModel) {
    auto* view = Desktop().WidgetOf(*lstCondition)->findChild<QTreeWidget*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->headerItem()->text(0), QString::fromUtf8("方案"));
    const QRect r = view->visualItemRect(view->topLevelItem(1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    Settle();
    EXPECT_EQ(lstCondition->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"select 每周"}));
    EXPECT_TRUE(view->topLevelItem(1)->isSelected());
}

TEST_F(CommonControlsTest, DraggingTheSplitterResizesThePaneThroughTheModel) {
    QWidget* w = Desktop().WidgetOf(*splitter);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(1, 50));
    QTest::mouseMove(w, QPoint(41, 50));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(41, 50));
    Settle();
    EXPECT_EQ(pnlCondition->Width(), 191);
    EXPECT_EQ(Desktop().WidgetOf(*pnlCondition)->width(), 191);
}

TEST_F(CommonControlsTest, TheSpinArrowsStepTheValue) {
    auto* up = Desktop().WidgetOf(*seDays)->findChild<QToolButton*>("up");
    ASSERT_NE(up, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    Settle();
    EXPECT_EQ(seDays->Value(), 4);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Desktop().WidgetOf(*seDays))->text(), "4");
}

TEST_F(CommonControlsTest, AGlyphButtonShowsItsDisabledCellWhenDisabled) {
    auto* button = qobject_cast<QPushButton*>(Desktop().WidgetOf(*btnOk));
    ASSERT_NE(button, nullptr);
    const QImage enabled = button->icon().pixmap(16, 16, QIcon::Normal).toImage();
    const QImage disabled = button->icon().pixmap(16, 16, QIcon::Disabled).toImage();
    EXPECT_EQ(enabled.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(disabled.pixelColor(8, 8), QColor(128, 128, 128));
}

TEST_F(CommonControlsTest, EveryPageOfThePageControlGivesAPicture) {
    const QString dir = QDir::temp().filePath("kw_qt_pages");
    QDir(dir).removeRecursively();
    const std::vector<std::string> files = SaveFormScreenshots(*form, dir.toStdString());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], QDir(dir).filePath("frmCommon-tsOption1.png").toStdString());
    EXPECT_EQ(files[1], QDir(dir).filePath("frmCommon-tsOption2.png").toStdString());
    EXPECT_EQ(pgOption->ActivePage(), tsOption1) << "the page shown before comes back";
    EXPECT_NE(QImage(QString::fromStdString(files[0])), QImage(QString::fromStdString(files[1])));
}

}  // namespace
}  // namespace kw
