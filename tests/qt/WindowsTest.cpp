// Windows on the desktop: modal forms and message dialogs as real modal
// windows, the close button, pop-up menus, controls that paint themselves,
// pictures of forms.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/qt/QtScreenshot.h"
#include "tests/qt/QtFixture.h"

namespace kw {
namespace {

using testing::QtTest;
using testing::TQtUser;

class WindowsTest : public QtTest {
protected:
    // While a modal run waits for the user, Act plays the user.
    static void WhenShown(std::function<void()> act) { QTimer::singleShot(0, qApp, std::move(act)); }
};

TEST_F(WindowsTest, AModalFormIsAModalWindowUntilItsButtonEndsIt) {
    auto* dialog = new TForm(nullptr);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    bool modalWhileShown = false;
    WhenShown([&] {
        QWidget* w = Desktop().WidgetOf(*dialog);
        modalWhileShown = w && w->isVisible() && QApplication::activeModalWidget() == w;
        TQtUser(Desktop()).Click(*ok);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(Desktop().WidgetOf(*dialog)->isVisible());
    dialog->Free();
}

TEST_F(WindowsTest, TheCloseButtonOfAModalFormCancelsIt) {
    auto* dialog = new TForm(nullptr);
    WhenShown([&] { TQtUser(Desktop()).CloseWindow(*dialog); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Free();
}

TEST_F(WindowsTest, AClosingFormThatFreesItselfGoesWithItsWindow) {
    auto* form = new TForm(nullptr);
    bool destroyed = false;
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->Show();
    Settle();
    QPointer<QWidget> window = Desktop().WidgetOf(*form);
    TQtUser(Desktop()).CloseWindow(*form);
    Settle();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowsTest, AMessageDialogRunsModallyWithReadableTextAndItsIcon) {
    QString shownText;
    bool hasIcon = false;
    WhenShown([&] {
        TCustomForm* box = Screen()->ActiveForm();
        ASSERT_NE(box, nullptr);
        if (auto* label = qobject_cast<QLabel*>(Desktop().WidgetOf(*box->Find<TControl>("Message"))))
            shownText = label->text();
        if (auto* image = qobject_cast<QLabel*>(Desktop().WidgetOf(*box->Find<TControl>("Image"))))
            hasIcon = !image->pixmap().isNull();
        TQtUser(Desktop()).Click(*box->Find<TControl>("No"));
    });
    EXPECT_EQ(MessageDlg(DesignText("保存方案吗?"), mtConfirmation, MsgDlgButtons({mbYes, mbNo})), mrNo);
    EXPECT_EQ(shownText, QString::fromUtf8("保存方案吗?"));
    EXPECT_TRUE(hasIcon);
}

TEST_F(WindowsTest, ARightClickShowsThePopupMenuAndRunsTheChosenItem) {
    auto* form = new TForm(nullptr);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    auto* menu = new TPopupMenu(form);
    std::vector<std::string> log;
    menu->OnPopup = [&](TObject*) { log.push_back("popup"); };
    const char* captions[] = {"开启(&O)", "-", "删除(&D)"};
    for (const char* caption : captions) {
        auto* item = new TMenuItem(form);
        item->SetCaption(DesignText(caption));
        item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
        menu->Items()->Add(item);
    }
    edit->SetPopupMenu(menu);
    form->Show();
    Settle();
    QStringList shown;
    WhenShown([&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        for (QAction* a : popup->actions()) shown << (a->isSeparator() ? "-" : a->text());
        popup->setActiveAction(popup->actions().at(2));
        QTest::keyClick(popup, Qt::Key_Return);
    });
    TQtUser(Desktop()).RightClick(*edit);
    EXPECT_EQ(shown, (QStringList{QString::fromUtf8("开启(&O)"), "-", QString::fromUtf8("删除(&D)")}));
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "删除(&D)"}));
    EXPECT_EQ(menu->PopupComponent(), edit);
    form->Free();
}

// A control that paints itself: a red face with a caption.
class TSwatch : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void Paint() override {
        TCanvas* canvas = Canvas();
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(ClientRect());
        canvas->Font()->SetColor(clBlue);
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(2, 2, "WW");
    }
};

TEST_F(WindowsTest, ControlsThatPaintThemselvesShowTheirCanvas) {
    auto* form = new TForm(nullptr);
    auto* swatch = new TSwatch(form);
    swatch->SetParent(form);
    swatch->SetBounds(10, 10, 40, 30);
    form->Show();
    Settle();
    const QImage image = Desktop().WidgetOf(*swatch)->grab().toImage();
    EXPECT_EQ(image.pixelColor(38, 28), QColor(Qt::red));
    bool blue = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) blue = blue || image.pixelColor(x, y).blue() > 150;
    EXPECT_TRUE(blue) << "the caption is drawn";
    form->Free();
}

TEST_F(WindowsTest, AFormWithoutPagesGivesOnePicture) {
    auto* form = new TForm(nullptr);
    form->SetName("frmShot");
    form->SetBounds(0, 0, 200, 120);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetText(DesignText("条件方案"));
    const QString dir = QDir::temp().filePath("kw_qt_shots");
    QDir(dir).removeRecursively();
    const std::vector<std::string> files = SaveFormScreenshots(*form, dir.toStdString());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], QDir(dir).filePath("frmShot.png").toStdString());
    EXPECT_EQ(QImage(QString::fromStdString(files[0])).size(), QSize(200, 120));
    form->Free();
}

}  // namespace
}  // namespace kw
