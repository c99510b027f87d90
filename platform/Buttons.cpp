#include "platform/Buttons.h"

#include "platform/ClassBuilder.h"
#include "platform/Forms.h"

namespace kw {

KW_DEFINE_ENUM(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
               "bkRetry", "bkIgnore", "bkAll")
KW_DEFINE_ENUM(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")

TButtonGlyph::TButtonGlyph() : glyph_(new TBitmap) {}
TButtonGlyph::~TButtonGlyph() { delete glyph_; }

void TButtonGlyph::SetGlyph(const TBitmap* glyph) {
    glyph_->Assign(glyph);
    if (glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0) {
        int cells = glyph_->Width() / glyph_->Height();
        if (cells > 4) cells = 1;
        numGlyphs_ = cells;
    }
}

void TButtonGlyph::SetNumGlyphs(int n) { numGlyphs_ = std::clamp(n, 1, 4); }

// ---------------------------------------------------------------- TBitBtn

KW_BEGIN_CLASS(TBitBtn, TButton)
    b.Object("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    b.Prop("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
    b.Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
    b.Prop("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout);
    b.Prop("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin);
    b.Prop("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
    b.Creatable();
KW_END_CLASS(TBitBtn)

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetGlyph(TBitmap* glyph) {
    glyph_.SetGlyph(glyph);
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int n) {
    glyph_.SetNumGlyphs(n);
    Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    if (kind == bkCustom) return;
    static const char* const captions[] = {"", "OK", "Cancel", "&Help", "&Yes", "&No", "&Close", "Abort",
                                           "&Retry", "&Ignore", "&All"};
    static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort,
                                           mrRetry, mrIgnore, mrAll};
    if (!(ComponentState() & csLoading) || Caption().empty()) SetCaption(captions[kind]);
    SetModalResult(results[kind]);
    SetDefault(kind == bkOK || kind == bkYes);
    SetCancel(kind == bkCancel || kind == bkNo);
}

void TBitBtn::Click() {
    TButton::Click();
    if (kind_ == bkClose)
        if (TCustomForm* form = GetParentForm(this)) form->Close();
}

// ---------------------------------------------------------------- TSpeedButton

KW_BEGIN_CLASS(TSpeedButton, TGraphicControl)
    b.Prop("Caption", TypeCaption(), &TSpeedButton::Text, &TSpeedButton::SetText);
    b.Object("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    b.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
    b.Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
    b.Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
    b.Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
    b.Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
    b.Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout);
    b.Prop("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin);
    b.Prop("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing);
    b.Prop("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent);
    b.Creatable();
KW_END_CLASS(TSpeedButton)

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetGlyph(TBitmap* glyph) {
    glyph_.SetGlyph(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int n) {
    glyph_.SetNumGlyphs(n);
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    if (down) UpdateExclusive();
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int g) {
    groupIndex_ = g;
    if (g == 0) down_ = false;
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool a) {
    allowAllUp_ = a;
    if (!Parent() || groupIndex_ == 0) return;
    for (TControl* c : Parent()->ControlList())
        if (auto s = dynamic_cast<TSpeedButton*>(c); s && s != this && s->groupIndex_ == groupIndex_)
            s->allowAllUp_ = a;
}

void TSpeedButton::UpdateExclusive() {
    if (!Parent() || groupIndex_ == 0 || !down_) return;
    for (TControl* c : Parent()->ControlList())
        if (auto s = dynamic_cast<TSpeedButton*>(c); s && s != this && s->groupIndex_ == groupIndex_) {
            s->down_ = false;
            s->Invalidate();
        }
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

}  // namespace kw
