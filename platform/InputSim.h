// Simulated user input for tests and scripted runs: clicks, key presses and
// typing go through the same message path as real input (so exceptions in
// handlers reach the application's handler), aimed at the focused control of
// the active form.
#pragma once

#include <string>

#include "platform/Controls.h"

namespace kw {

// A left click on a control the user can reach (showing and enabled up to
// its form, on a form no modal form blocks); false when it cannot be clicked.
bool ClickControl(TControl& control, int x = 0, int y = 0);
bool DoubleClickControl(TControl& control);
// The control that receives keys: the active form's focused control, or the
// active form itself.
TWinControl* KeyTarget();
// Presses and releases a key with the given modifiers.
void PressKey(uint16_t key, TShiftState shift = 0);
// Types the bytes of a text: letters, digits and blanks as key presses,
// other bytes as characters (as an input method delivers them).
void TypeText(const std::string& text);

}  // namespace kw
