// TKwRadioButton: the radio button of the condition forms; it paints its
// caption itself so that the caption takes the control's font colour.
#pragma once

#include "platform/StdCtrls.h"

namespace kw {

// The width of the radio mark (and the gap after it) for a font size in
// points.
int RadioMarkWidth(int fontSize);

class TKwRadioButton : public TButtonControl {
    KW_CLASS(TKwRadioButton)
public:
    explicit TKwRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // Checking unchecks every other TKwRadioButton of the same parent and
    // raises the click event (not while clicks are switched off); the tab
    // stop follows the state.
    void SetChecked(bool checked);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // A click of the mark checks the button.
    void Click() override;
    // The caption over the platform's painting: the area from the mark on
    // (4 pixels beyond the client rectangle) filled with the control's colour
    // and the caption drawn from the mark width on in the control's font.
    bool PaintsOwnCaption() const override { return true; }
    void PaintCaption(TCanvas& canvas) const override;

protected:
    void EnabledChanged() override { Invalidate(); }
    // While set, checking raises no click event (the group sets a button).
    bool clicksDisabled_ = false;

private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace kw
