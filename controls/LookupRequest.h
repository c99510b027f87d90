// The lookup request: the window message with which lookup buttons and
// selection panels ask their form for the lookup of a control, as if F2 had
// been pressed on it.
#pragma once

#include "platform/Controls.h"

namespace kw {

// wParam 0, lParam the control to look up for.
inline constexpr uint32_t WM_LOOKUPREQUEST = WM_USER + 10;  // 1034

// Sends the request for target to the window of form (normally target's
// owner) and returns once it was handled. Nothing happens when form has no
// window.
void SendLookupRequest(TComponent* form, TWinControl& target);
// The mouse twin of F2: focuses target when it can take the focus and, when
// it then has it, sends the request to target's owner.
void RequestLookupFor(TWinControl& target);

}  // namespace kw
