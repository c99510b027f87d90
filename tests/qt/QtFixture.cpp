#include "tests/qt/QtFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <cstdlib>

namespace kw::testing {

void QtTest::SetUpTestSuite() {
    if (QApplication::instance()) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    ASSERT_TRUE(InstallQtBackend(argc, argv));
}

void QtTest::SetUp() { SetBackend(std::make_unique<TQtBackend>()); }

void QtTest::TearDown() {
    Application()->ProcessMessages();
    Settle();
}

void QtTest::Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        Application()->ProcessMessages();
    }
}

QWidget* TQtUser::KeyWidget() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    return QApplication::activeWindow();
}

void TQtUser::Key(QWidget* target, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (!target) {
        ADD_FAILURE() << "no window takes the keys";
        return;
    }
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(target, &press);
    QtTest::Settle();
    if (QWidget* now = KeyWidget()) {
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
        QApplication::sendEvent(now, &release);
    }
    QtTest::Settle();
}

void TQtUser::Click(TControl& control, int x, int y) {
    QTest::mouseClick(backend_.WidgetOf(control), Qt::LeftButton, {}, QPoint(x, y));
    QtTest::Settle();
}

void TQtUser::RightClick(TControl& control, int x, int y) {
    QWidget* w = backend_.WidgetOf(control);
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(x, y));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(x, y), w->mapToGlobal(QPoint(x, y)));
    QApplication::sendEvent(w, &menu);
    QtTest::Settle();
}

void TQtUser::Type(const std::string& utf8) {
    for (QChar c : QString::fromUtf8(utf8)) {
        const ushort u = c.unicode();
        if (u >= 'a' && u <= 'z') {
            Key(KeyWidget(), Qt::Key_A + (u - 'a'), Qt::NoModifier, QString(c));
        } else if (u >= 'A' && u <= 'Z') {
            Key(KeyWidget(), Qt::Key_A + (u - 'A'), Qt::ShiftModifier, QString(c));
        } else if (u > ' ' && u < 0x7F && !(u >= '0' && u <= '9')) {
            Key(KeyWidget(), u, Qt::NoModifier, QString(c));  // punctuation keys are their characters
        } else if (u < 0x80) {
            Key(KeyWidget(), u, Qt::NoModifier, QString(c));  // digits and the blank
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QWidget* target = KeyWidget();
            if (!target) {
                ADD_FAILURE() << "no window takes the text";
                return;
            }
            QApplication::sendEvent(target, &commit);
            QtTest::Settle();
        }
    }
}

void TQtUser::Press(uint16_t key, TShiftState shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift & SS_SHIFT) modifiers |= Qt::ShiftModifier;
    if (shift & SS_CTRL) modifiers |= Qt::ControlModifier;
    if (shift & SS_ALT) modifiers |= Qt::AltModifier;
    int qtKey = 0;
    QString text;
    if (key >= 'A' && key <= 'Z') {
        qtKey = key;
        text = (shift & SS_CTRL) ? QString(QChar(key - 'A' + 1))
                                 : QString(QChar((shift & SS_SHIFT) ? key : key - 'A' + 'a'));
    } else if (key >= '0' && key <= '9') {
        qtKey = key;
        text = QString(QChar(key));
    } else if (key >= VK_F1 && key <= VK_F12) {
        qtKey = Qt::Key_F1 + (key - VK_F1);
    } else {
        switch (key) {
            case VK_RETURN: qtKey = Qt::Key_Return; text = "\r"; break;
            case VK_ESCAPE: qtKey = Qt::Key_Escape; text = QString(QChar(27)); break;
            case VK_TAB: qtKey = (shift & SS_SHIFT) ? Qt::Key_Backtab : Qt::Key_Tab; text = "\t"; break;
            case VK_BACK: qtKey = Qt::Key_Backspace; text = "\b"; break;
            case VK_SPACE: qtKey = Qt::Key_Space; text = " "; break;
            case VK_HOME: qtKey = Qt::Key_Home; break;
            case VK_END: qtKey = Qt::Key_End; break;
            case VK_LEFT: qtKey = Qt::Key_Left; break;
            case VK_RIGHT: qtKey = Qt::Key_Right; break;
            case VK_UP: qtKey = Qt::Key_Up; break;
            case VK_DOWN: qtKey = Qt::Key_Down; break;
            case VK_DELETE: qtKey = Qt::Key_Delete; break;
            default: ADD_FAILURE() << "no Qt key for " << key; return;
        }
    }
    Key(KeyWidget(), qtKey, modifiers, text);
}

void TQtUser::PickFromList(TControl& combo, int index) {
    auto* box = qobject_cast<QComboBox*>(backend_.WidgetOf(combo));
    ASSERT_NE(box, nullptr);
    box->showPopup();
    QtTest::Settle();
    QAbstractItemView* view = box->view();
    const QRect r = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QtTest::Settle();
}

void TQtUser::PickListItem(TControl& list, int index) {
    auto* box = qobject_cast<QListWidget*>(backend_.WidgetOf(list));
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(index)).center());
    QtTest::Settle();
}

void TQtUser::CloseWindow(TCustomForm& form) {
    backend_.WidgetOf(form)->close();
    QtTest::Settle();
}

}  // namespace kw::testing
