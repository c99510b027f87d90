#include "platform/InputSim.h"

#include "platform/Forms.h"

namespace kw {

namespace {
void Deliver(TControl& control, uint32_t msg, WPARAM w, LPARAM l) {
    if (auto win = dynamic_cast<TWinControl*>(&control)) {
        SendMessage(win->Handle(), msg, w, l);
    } else {
        TMessage m{msg, w, l, 0};
        control.MainWndProc(m);
    }
}
}  // namespace

namespace {
// A user can reach a control that is showing and enabled up to its form,
// on a form that no other modal form blocks.
bool Reachable(const TControl& control) {
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    TCustomForm* form = GetParentForm(&control);
    for (int i = 0; i < Screen()->FormCount(); ++i) {
        TCustomForm* other = Screen()->Forms(i);
        if (other != form && other->Modal() && other->Visible()) {
            // Forms shown after the modal one (its own dialogs) stay reachable.
            bool shownLater = false;
            for (int j = i + 1; j < Screen()->FormCount(); ++j) shownLater |= Screen()->Forms(j) == form;
            if (!shownLater) return false;
        }
    }
    return true;
}
}  // namespace

bool ClickControl(TControl& control, int x, int y) {
    if (!Reachable(control)) return false;
    Deliver(control, WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(x, y));
    Deliver(control, WM_LBUTTONUP, 0, MakeMouseLParam(x, y));
    return true;
}

bool DoubleClickControl(TControl& control) {
    if (!ClickControl(control)) return false;
    Deliver(control, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    Deliver(control, WM_LBUTTONUP, 0, 0);
    return true;
}

TWinControl* KeyTarget() {
    TCustomForm* form = Screen()->ActiveForm();
    if (!form) return nullptr;
    return form->ActiveControl() ? form->ActiveControl() : form;
}

void PressKey(uint16_t key, TShiftState shift) {
    TWinControl* target = KeyTarget();
    if (!target) return;
    TShiftState previous = KeyboardShiftState();
    SetKeyboardShiftState(shift);
    try {
        HWND handle = target->Handle();
        SendMessage(handle, WM_KEYDOWN, key, 0);
        // The key may have moved the focus or closed the form.
        if (FindControl(handle)) SendMessage(handle, WM_KEYUP, key, 0);
    } catch (...) {
        SetKeyboardShiftState(previous);
        throw;
    }
    SetKeyboardShiftState(previous);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ') {
            PressKey(static_cast<uint16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
        } else if (c >= 'A' && c <= 'Z') {
            PressKey(static_cast<uint16_t>(c), SS_SHIFT);
        } else if (TWinControl* target = KeyTarget()) {
            SendMessage(target->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }
}

}  // namespace kw
