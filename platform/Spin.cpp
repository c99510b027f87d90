#include "platform/Spin.h"

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"

namespace kw {

KW_BEGIN_CLASS(TSpinEdit, TCustomEdit)
    b.Prop("Value", &TSpinEdit::Value, &TSpinEdit::SetValue);
    b.Prop("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue);
    b.Prop("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue);
    b.Prop("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement);
    b.Prop("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled);
    b.Prop("MaxLength", &TSpinEdit::MaxLength, &TSpinEdit::SetMaxLength);
    b.Prop("ReadOnly", &TSpinEdit::ReadOnly, &TSpinEdit::SetReadOnly);
    b.Prop("ImeName", TypeImeName(), &TSpinEdit::ImeName, &TSpinEdit::SetImeName);
    b.Event("OnChange", "TNotifyEvent", &TSpinEdit::OnChange);
    b.Creatable();
KW_END_CLASS(TSpinEdit)

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
    SetWidth(121);
}

int TSpinEdit::CheckValue(int value) const {
    if (maxValue_ != minValue_) value = std::clamp(value, minValue_, std::max(minValue_, maxValue_));
    return value;
}

int TSpinEdit::Value() const {
    int v;
    if (!TryStrToInt(Trim(Text()), v)) v = minValue_;
    return CheckValue(v);
}

void TSpinEdit::SetValue(int value) { SetText(IntToStr(CheckValue(value))); }

void TSpinEdit::UpClick() {
    if (ReadOnly()) {
        Backend().Beep();
        return;
    }
    SetValue(Value() + increment_);
}

void TSpinEdit::DownClick() {
    if (ReadOnly()) {
        Backend().Beep();
        return;
    }
    SetValue(Value() - increment_);
}

void TSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_UP) {
        UpClick();
        key = 0;
    } else if (key == VK_DOWN) {
        DownClick();
        key = 0;
    } else {
        TCustomEdit::KeyDown(key, shift);
    }
}

void TSpinEdit::KeyPress(char& ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    bool valid = (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == FormatSettings().DecimalSeparator ||
                 (c < 32 && ch != '\r');
    if (!valid || (!editorEnabled_ && c >= 32)) {
        ch = 0;
        Backend().Beep();
        return;
    }
    TCustomEdit::KeyPress(ch);
}

}  // namespace kw
