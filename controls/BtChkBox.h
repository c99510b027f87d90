// TBitCheckBox: the check box of the condition forms, drawn from three
// pictures (checked, unchecked, grayed), each with an enabled cell and
// optionally a disabled one.
#pragma once

#include "platform/StdCtrls.h"

namespace kw {

class TBitCheckBox : public TCustomControl {
    KW_CLASS(TBitCheckBox)
public:
    explicit TBitCheckBox(TComponent* owner);
    ~TBitCheckBox() override;

    TCheckBoxState State() const { return state_; }
    // Setting the state (or Checked) raises no OnClick.
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    // taRightJustify: picture at the left edge, caption right of it;
    // taLeftJustify: picture at the right edge.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    // The pictures. Assigning none brings the built-in picture back; a
    // picture whose width is a whole multiple of its height sets the cell
    // count to width div height (kept within 1 .. 2).
    TBitmap* CheckedGlyph() const { return glyphs_[cbChecked]; }
    void SetCheckedGlyph(TBitmap* glyph) { SetGlyph(cbChecked, glyph); }
    TBitmap* UncheckedGlyph() const { return glyphs_[cbUnchecked]; }
    void SetUncheckedGlyph(TBitmap* glyph) { SetGlyph(cbUnchecked, glyph); }
    TBitmap* GrayedGlyph() const { return glyphs_[cbGrayed]; }
    void SetGrayedGlyph(TBitmap* glyph) { SetGlyph(cbGrayed, glyph); }
    int CheckedNumGlyphs() const { return numGlyphs_[cbChecked]; }
    void SetCheckedNumGlyphs(int n) { SetNumGlyphs(cbChecked, n); }
    int UncheckedNumGlyphs() const { return numGlyphs_[cbUnchecked]; }
    void SetUncheckedNumGlyphs(int n) { SetNumGlyphs(cbUnchecked, n); }
    int GrayedNumGlyphs() const { return numGlyphs_[cbGrayed]; }
    void SetGrayedNumGlyphs(int n) { SetNumGlyphs(cbGrayed, n); }

    // unchecked -> grayed (AllowGrayed) or checked; checked -> unchecked;
    // grayed -> checked.
    void Toggle();
    // The user's click: Toggle, OnClick, then the focus when the box can take it.
    void Click() override;
    bool FocusOnClick() const override { return true; }
    void Paint() override;

protected:
    void KeyPress(char& ch) override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override { Invalidate(); }
    void DoEnter() override;
    void DoExit() override;

private:
    void SetGlyph(TCheckBoxState state, TBitmap* glyph);
    void SetNumGlyphs(TCheckBoxState state, int n);
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    TBitmap* glyphs_[3];
    int numGlyphs_[3] = {1, 1, 1};
};

}  // namespace kw
