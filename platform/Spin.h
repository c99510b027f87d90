// Spin edits: a whole number with up and down steps.
#pragma once

#include "platform/StdCtrls.h"

namespace kw {

class TSpinEdit : public TCustomEdit {
    KW_CLASS(TSpinEdit)
public:
    explicit TSpinEdit(TComponent* owner);
    // The text read as a number (MinValue when it is none), kept within
    // MinValue .. MaxValue unless both are equal.
    int Value() const;
    void SetValue(int value);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v) { minValue_ = v; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v) { maxValue_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool e) { editorEnabled_ = e; }
    void UpClick();
    void DownClick();

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& ch) override;

private:
    int CheckValue(int value) const;
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
};

}  // namespace kw
