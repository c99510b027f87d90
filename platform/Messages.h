// Window messages: the message record and the numbers the system uses.
#pragma once

#include <cstdint>

namespace kw {

using HWND = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct TMessage {
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

inline constexpr uint32_t WM_NULL = 0x0000;
inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_MOVE = 0x0003;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_ACTIVATE = 0x0006;
inline constexpr uint32_t WM_SETFOCUS = 0x0007;
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr uint32_t WM_SETTEXT = 0x000C;
inline constexpr uint32_t WM_GETTEXT = 0x000D;
inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_QUIT = 0x0012;
inline constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;  // 513
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;    // 514
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_USER = 0x0400;

// The class library's own notifications (the platform's CM_ range).
inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 3;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 9;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 10;
inline constexpr uint32_t CM_ENTER = CM_BASE + 18;
inline constexpr uint32_t CM_EXIT = CM_BASE + 19;
inline constexpr uint32_t CM_RELEASE = CM_BASE + 33;
inline constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 34;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18 + 0x100;
inline constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr uint32_t CM_DIALOGKEY = CM_BASE + 22;  // wParam the key; Result 1 when handled

// Mouse key flags of the wParam of mouse messages.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;

// The lParam of mouse messages: x in the low word, y in the high word.
inline constexpr LPARAM MakeMouseLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}
inline constexpr int MouseX(LPARAM l) { return static_cast<int16_t>(l & 0xFFFF); }
inline constexpr int MouseY(LPARAM l) { return static_cast<int16_t>((l >> 16) & 0xFFFF); }

}  // namespace kw
