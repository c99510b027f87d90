// The user's input on the desktop, turned into the model's input: keys and
// typed text as key and character messages to the form's focused control
// (so the form's key preview sees them first), mouse buttons as mouse
// messages to the control under the mouse, context menus as the control's
// pop-up menu, accelerators as the control's click.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

#include "platform/Controls.h"

class QKeyEvent;

namespace kw {

class TQtBackend;

// The event filter the backend installs on the application.
std::unique_ptr<QObject> MakeInputFilter(TQtBackend& backend);

// The virtual key of a Qt key (0 for keys that only type characters).
uint16_t VirtualKeyOf(int qtKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace kw
