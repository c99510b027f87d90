#include "controls/LookupRequest.h"

namespace kw {

void SendLookupRequest(TComponent* form, TWinControl& target) {
    auto window = dynamic_cast<TWinControl*>(form);
    if (!window) return;
    SendMessage(window->Handle(), WM_LOOKUPREQUEST, 0, reinterpret_cast<LPARAM>(&target));
}

void RequestLookupFor(TWinControl& target) {
    if (target.CanFocus()) target.SetFocus();
    if (target.Focused()) SendLookupRequest(target.Owner(), target);
}

}  // namespace kw
