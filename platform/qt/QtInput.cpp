#include "platform/qt/QtInput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtText.h"

namespace kw {

uint16_t VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Shift: return VK_SHIFT;
        case Qt::Key_Control: return VK_CONTROL;
        case Qt::Key_Alt: return VK_MENU;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Insert: return VK_INSERT;
        case Qt::Key_Delete: return VK_DELETE;
        default: return 0;
    }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= SS_SHIFT;
    if (modifiers & Qt::ControlModifier) s |= SS_CTRL;
    if (modifiers & Qt::AltModifier) s |= SS_ALT;
    return s;
}

namespace {
bool Printable(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

class TInputFilter : public QObject {
public:
    explicit TInputFilter(TQtBackend& backend) : backend_(backend) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::InputMethod:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::ContextMenu:
            case QEvent::Shortcut: break;
            default: return false;
        }
        if (forwarding_ || !object->isWidgetType()) return false;
        auto* part = static_cast<QWidget*>(object);
        TMirror* m = backend_.MirrorOfWidget(part);
        if (!m || !m->Kind->RoutesInputOf(*m, part)) return false;
        switch (event->type()) {
            case QEvent::KeyPress: return KeyPress(*m, static_cast<QKeyEvent*>(event));
            case QEvent::KeyRelease: return KeyRelease(*m, static_cast<QKeyEvent*>(event));
            case QEvent::InputMethod: return InputMethod(*m, part, static_cast<QInputMethodEvent*>(event));
            case QEvent::ContextMenu: return ContextMenu(*m, static_cast<QContextMenuEvent*>(event));
            case QEvent::Shortcut: return Accelerator(*m);
            default: return Mouse(*m, part, static_cast<QMouseEvent*>(event));
        }
    }

private:
    // The control that takes keys: the focused control of the form, or the form.
    static TWinControl* KeyTarget(const TMirror& m) {
        TCustomForm* form = dynamic_cast<TCustomForm*>(m.Control);
        if (!form) form = GetParentForm(m.Control);
        if (!form) return dynamic_cast<TWinControl*>(m.Control);
        return form->ActiveControl() ? form->ActiveControl() : form;
    }

    // Character messages for text, encoded by the target's font.
    void TypeCharacters(TWinControl& target, const QString& text) {
        const HWND handle = target.Handle();
        for (char byte : FontBytes(text, *target.Font()))
            SendMessage(handle, WM_CHAR, static_cast<unsigned char>(byte), 0);
    }

    bool KeyPress(TMirror& m, QKeyEvent* e) {
        const TShiftState shift = ShiftStateOf(e->modifiers());
        const uint16_t key = VirtualKeyOf(e->key());
        const QString text = e->text();
        TWinControl* target = KeyTarget(m);
        if (!target) return true;
        backend_.UserInput([&] {
            SetKeyboardShiftState(shift);
            const char ch = key ? KeyToChar(key, shift) : 0;
            // A key whose character the model would type differently (a
            // shifted digit, caps lock) types its character only, as input
            // simulation does with such characters.
            const bool ownCharacter = ch != 0 && Printable(text) && text != QString(QChar(ch));
            if (key && !ownCharacter)
                SendMessage(target->Handle(), WM_KEYDOWN, key, 0);
            else if (Printable(text))
                TypeCharacters(*target, text);
        });
        return true;
    }

    bool KeyRelease(TMirror& m, QKeyEvent* e) {
        const uint16_t key = VirtualKeyOf(e->key());
        if (!key || e->isAutoRepeat()) return true;
        TWinControl* target = KeyTarget(m);
        if (!target) return true;
        const TShiftState shift = ShiftStateOf(e->modifiers());
        backend_.UserInput([&] {
            SetKeyboardShiftState(shift);
            SendMessage(target->Handle(), WM_KEYUP, key, 0);
        });
        return true;
    }

    // Committed text of an input method goes to the model; the composition
    // is shown by the widget.
    bool InputMethod(TMirror& m, QWidget* part, QInputMethodEvent* e) {
        const QString commit = e->commitString();
        if (!commit.isEmpty())
            if (TWinControl* target = KeyTarget(m)) backend_.UserInput([&] { TypeCharacters(*target, commit); });
        QInputMethodEvent composition(e->preeditString(), e->attributes());
        forwarding_ = true;
        QApplication::sendEvent(part, &composition);
        forwarding_ = false;
        return true;
    }

    bool Mouse(TMirror& m, QWidget* part, QMouseEvent* e) {
        // A press the widget left unaccepted travels on to its parents: once is enough.
        const Seen seen{e->type(), e->timestamp(), e->globalPosition().toPoint()};
        if (seen == last_) return true;
        last_ = seen;
        uint32_t msg = 0;
        WPARAM keys = 0;
        const bool left = e->button() == Qt::LeftButton || (e->buttons() & Qt::LeftButton);
        switch (e->type()) {
            case QEvent::MouseButtonPress:
                if (e->button() == Qt::LeftButton)
                    msg = SecondPress(e) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
                else if (e->button() == Qt::RightButton)
                    msg = WM_RBUTTONDOWN;
                break;
            case QEvent::MouseButtonRelease:
                msg = e->button() == Qt::LeftButton ? WM_LBUTTONUP : e->button() == Qt::RightButton ? WM_RBUTTONUP : 0;
                break;
            // The press before it went as the double click already.
            case QEvent::MouseButtonDblClick: return !m.Kind->NativeMouse(m);
            default: msg = WM_MOUSEMOVE; break;
        }
        if (!msg) return true;
        if (e->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
        if (e->buttons() & Qt::RightButton) keys |= MK_RBUTTON;
        if (e->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
        if (e->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
        const QPoint pos = part == m.Widget ? e->position().toPoint() : part->mapTo(m.Widget, e->position().toPoint());
        if (e->type() == QEvent::MouseButtonPress && !m.Kind->RoutesMouseAt(m, pos)) {
            nativePress_ = true;
            return false;
        }
        if (nativePress_) {  // the rest of a press the widget handles itself
            if (e->type() == QEvent::MouseButtonRelease) nativePress_ = false;
            return false;
        }
        TControl* control = m.Control;
        const TShiftState shift = ShiftStateOf(e->modifiers());
        backend_.UserInput([&] {
            SetKeyboardShiftState(shift);
            if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
                m.Kind->BeforePress(m, pos);
                m.Kind->ShowPressed(m, true);
            }
            if (msg == WM_LBUTTONUP) m.Kind->ShowPressed(m, false);
            backend_.Deliver(*control, msg, keys, MakeMouseLParam(pos.x(), pos.y()));
        });
        // The control may be gone now; otherwise some widgets do their own part.
        TMirror* still = backend_.MirrorOf(*control);
        if (still != &m || !m.Widget || !left) return true;
        auto* win = dynamic_cast<TWinControl*>(control);
        const bool focusedAsAsked = !win || !win->FocusOnClick() || win->Focused();
        return !(m.Kind->NativeMouse(m) && focusedAsAsked);
    }

    bool ContextMenu(TMirror& m, QContextMenuEvent* e) {
        for (TControl* c = m.Control; c; c = c->Parent())
            if (TPopupMenu* menu = c->PopupMenu(); menu && menu->AutoPopup()) {
                backend_.ContextMenu(*menu, *m.Control, e->globalPos());
                break;
            }
        return true;
    }

    // The platform's double click: the second press within the double-click
    // time and distance of the first comes as a double click instead of a
    // press (a third press is a plain press again).
    bool SecondPress(const QMouseEvent* e) {
        const QPoint at = e->globalPosition().toPoint();
        const int distance = QApplication::styleHints()->mouseDoubleClickDistance();
        const bool second = !lastPress_.Double && lastPress_.Time != 0 &&
                            e->timestamp() - lastPress_.Time < static_cast<quint64>(QApplication::doubleClickInterval()) &&
                            (at - lastPress_.At).manhattanLength() <= distance;
        lastPress_ = {e->timestamp(), at, second};
        return second;
    }

    // An accelerator of a caption ("&S"): a button clicks; a check box or
    // radio button takes the focus and, when it has it, clicks.
    bool Accelerator(TMirror& m) {
        TControl* control = m.Control;
        backend_.UserInput([&] {
            if (!control->Enabled() || !control->Showing()) return;
            if (dynamic_cast<TButton*>(control)) {
                control->Click();
            } else if (auto* button = dynamic_cast<TButtonControl*>(control); button && button->CanFocus()) {
                button->SetFocus();
                if (button->Focused()) button->Click();
            }
        });
        return true;
    }

    struct Seen {
        QEvent::Type Type = QEvent::None;
        quint64 Time = 0;
        QPoint Global;
        bool operator==(const Seen&) const = default;
    };

    struct Press {
        quint64 Time = 0;
        QPoint At;
        bool Double = false;
    };

    TQtBackend& backend_;
    bool forwarding_ = false;
    bool nativePress_ = false;
    Seen last_;
    Press lastPress_;
};
}  // namespace

std::unique_ptr<QObject> MakeInputFilter(TQtBackend& backend) { return std::make_unique<TInputFilter>(backend); }

}  // namespace kw
