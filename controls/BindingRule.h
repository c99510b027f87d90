// The rule shared by the controls that bind themselves to another control
// (lookup buttons, bound labels): within one container only one control of
// a kind may serve a given control.
#pragma once

#include <string>

#include "platform/CodePage.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"

namespace kw {

// Whether self may be bound to target. Every component owned by self's
// parent container is inspected: each other T already bound to target shows
// refusalUtf8 (error box, OK button); when any T there, self included, is
// already bound to target, the binding is refused. Unbinding (no target) is
// always allowed.
template <class T, class Bound>
bool MayBindTo(const T& self, const TWinControl* target, Bound bound, const char* refusalUtf8) {
    if (!target) return true;
    bool refused = bound(self) == target;
    if (TWinControl* container = self.Parent()) {
        for (TComponent* component : container->ComponentList()) {
            auto other = dynamic_cast<const T*>(component);
            if (!other || bound(*other) != target) continue;
            refused = true;
            if (other != &self) MessageDlg(DesignText(refusalUtf8), mtError, MsgDlgButtons({mbOK}));
        }
    }
    return !refused;
}

}  // namespace kw
