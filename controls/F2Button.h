// TF2Button: a glyph button bound to an input control (F2Control). It sits
// right beside the control and, when clicked, focuses the control and asks
// the form for its lookup: the mouse twin of F2 in the control.
#pragma once

#include <cstdint>

#include "controls/GSpdBtn.h"

namespace kw {

class TF2Button : public TGSpeedButton {
    KW_CLASS(TF2Button)
public:
    explicit TF2Button(TComponent* owner);

    TWinControl* F2Control() const { return f2Control_; }
    // Binding to a control that another TF2Button of the same container
    // already serves is refused with a message; none unbinds.
    void SetF2Control(TWinControl* control);
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool value);
    uint8_t Gap() const { return gap_; }
    void SetGap(uint8_t gap);

    // OnClick, then the lookup request for an enabled F2Control that takes
    // the focus.
    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // A square as high as the control, Gap pixels right of it.
    void AlignToControl();
    TWinControl* f2Control_ = nullptr;
    bool autoAlign_ = true;
    uint8_t gap_ = 2;
};

}  // namespace kw
