#include "controls/F2Button.h"

#include "controls/BindingRule.h"
#include "controls/LookupRequest.h"
#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TF2Button, TGSpeedButton)
    b.Prop("F2Control", &TF2Button::F2Control, &TF2Button::SetF2Control);
    b.Prop("AutoAlign", &TF2Button::AutoAlign, &TF2Button::SetAutoAlign);
    b.Prop("Gap", &TF2Button::Gap, &TF2Button::SetGap);
    b.Creatable();
KW_END_CLASS(TF2Button)

TF2Button::TF2Button(TComponent* owner) : TGSpeedButton(owner) {
    SetGlyphIndex(8);
    SetFlat(true);
}

void TF2Button::SetF2Control(TWinControl* control) {
    if (!MayBindTo(*this, control, [](const TF2Button& b) { return b.F2Control(); },
                   "不能同时有两个 F2Button 指到同一个 Edit."))
        return;
    f2Control_ = control;
    if (control) control->FreeNotification(this);
    AlignToControl();
}

void TF2Button::SetAutoAlign(bool value) {
    autoAlign_ = value;
    AlignToControl();
}

void TF2Button::SetGap(uint8_t gap) {
    if (gap == gap_) return;
    gap_ = gap;
    AlignToControl();
}

void TF2Button::AlignToControl() {
    if (!autoAlign_ || !f2Control_) return;
    const TWinControl& c = *f2Control_;
    SetBounds(c.Left() + c.Width() + gap_, c.Top(), c.Height(), c.Height());
}

void TF2Button::Click() {
    TGSpeedButton::Click();
    if (!f2Control_ || !f2Control_->Enabled()) return;
    RequestLookupFor(*f2Control_);
}

void TF2Button::Notification(TComponent* component, TOperation operation) {
    TGSpeedButton::Notification(component, operation);
    if (operation == opRemove && component == f2Control_) f2Control_ = nullptr;
}

}  // namespace kw
