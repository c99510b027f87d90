#include "controls/KwRadioButton.h"

#include "platform/ClassBuilder.h"

namespace kw {

int RadioMarkWidth(int fontSize) {
    struct Step {
        int upTo;
        int width;
    };
    static const Step steps[] = {{8, 17},  {15, 19}, {17, 20}, {23, 21}, {29, 23}, {35, 25},
                                 {41, 27}, {43, 29}, {60, 31}, {80, 39}};
    if (fontSize < 1) return 44;
    for (const Step& s : steps)
        if (fontSize <= s.upTo) return s.width;
    return 44;
}

KW_BEGIN_CLASS(TKwRadioButton, TButtonControl)
    b.Prop("Caption", TypeCaption(), &TKwRadioButton::Text, &TKwRadioButton::SetText);
    b.Prop("Checked", &TKwRadioButton::Checked, &TKwRadioButton::SetChecked);
    b.Prop("Alignment", TypeLeftRight(), &TKwRadioButton::Alignment, &TKwRadioButton::SetAlignment);
    b.Creatable();
KW_END_CLASS(TKwRadioButton)

TKwRadioButton::TKwRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TKwRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SetTabStop(checked);
    Changed(TControlChange::State);
    Invalidate();
    if (!checked) return;
    if (Parent())
        for (TControl* sibling : Parent()->ControlList())
            if (auto other = dynamic_cast<TKwRadioButton*>(sibling); other && other != this) other->SetChecked(false);
    if (!clicksDisabled_ && !(ComponentState() & csLoading)) TButtonControl::Click();
}

void TKwRadioButton::SetAlignment(TAlignment alignment) {
    alignment_ = alignment == taLeftJustify ? taLeftJustify : taRightJustify;
    Invalidate();
}

void TKwRadioButton::Click() { SetChecked(true); }

void TKwRadioButton::PaintCaption(TCanvas& canvas) const {
    const int x = RadioMarkWidth(Font()->Size());
    const TRect client = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(Rect(client.Left + x - 4, client.Top - 4, client.Right + 4, client.Bottom + 4));
    canvas.Font()->Assign(Font());
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawText(Rect(client.Left + x, client.Top, client.Right, client.Bottom), Caption(),
                    tfSingleLine | tfVerticalCenter);
}

}  // namespace kw
