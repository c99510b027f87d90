// Whether the desktop backend can open windows here.
#pragma once

#include <string>

namespace kw {

// True when Qt can show windows: QT_QPA_PLATFORM asks for the offscreen (or
// minimal) platform, or an X display (DISPLAY) or a Wayland compositor
// (WAYLAND_DISPLAY, with Qt's Wayland platform installed) accepts a
// connection. Otherwise false, with the reason in Why.
bool DisplayUsable(std::string* why = nullptr);

}  // namespace kw
