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

bool ClickControl(TControl& control, int x, int y) {
    if (!control.Showing() || !control.Enabled()) return false;
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
