// Glyph buttons and speed buttons.
#pragma once

#include "platform/StdCtrls.h"

namespace kw {

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
KW_DECLARE_ENUM(TBitBtnKind)
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
KW_DECLARE_ENUM(TButtonLayout)

// The picture of a glyph button: a strip of NumGlyphs cells (up, disabled,
// down, held down).
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TBitmap* Glyph() const { return glyph_; }
    // Assigning a picture whose width is a whole multiple of its height (at
    // most four cells) sets NumGlyphs to the number of cells.
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);

private:
    TBitmap* glyph_;
    int numGlyphs_ = 1;
};

class TBitBtn : public TButton {
    KW_CLASS(TBitBtn)
public:
    explicit TBitBtn(TComponent* owner);
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int n);
    // A kind other than bkCustom sets the caption, modal result, default
    // and cancel settings of that kind.
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l) { layout_ = l; Invalidate(); }
    int Margin() const { return margin_; }
    void SetMargin(int m) { margin_ = m; Invalidate(); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int s) { spacing_ = s; Invalidate(); }
    // bkClose closes the form after OnClick.
    void Click() override;

private:
    TButtonGlyph glyph_;
    TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

class TSpeedButton : public TGraphicControl {
    KW_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent* owner);
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int n);
    bool Flat() const { return flat_; }
    void SetFlat(bool f) { flat_ = f; Invalidate(); }
    // Down stays only with a group index; in a group one button is down at a
    // time and the down one comes up only when AllowAllUp.
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool a);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l) { layout_ = l; }
    int Margin() const { return margin_; }
    void SetMargin(int m) { margin_ = m; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int s) { spacing_ = s; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    void Click() override;

private:
    void UpdateExclusive();
    TButtonGlyph glyph_;
    bool flat_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool transparent_ = true;
};

}  // namespace kw
