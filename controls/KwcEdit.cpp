#include "controls/KwcEdit.h"

#include "controls/LookupRequest.h"
#include "platform/ClassBuilder.h"

namespace kw {

KW_DEFINE_ENUM(TLabelPosition, "lpAbove", "lpBelow", "lpLeft", "lpRight")

TPoint EditLabelPlace(const TRect& edit, TSize label, TLabelPosition position, int spacing) {
    switch (position) {
        case lpAbove: return {edit.Left, edit.Top - label.cy - spacing};
        case lpBelow: return {edit.Left, edit.Bottom + spacing};
        case lpLeft: return {edit.Left - label.cx - spacing, edit.Top + (edit.Height() - label.cy) / 2};
        case lpRight: return {edit.Right + spacing, edit.Top + (edit.Height() - label.cy) / 2};
    }
    return {edit.Left, edit.Top};
}

namespace {

// The published properties of the label of a labelled edit.
template <class C>
void PublishLabel(TClassBuilder<C>& b) {
    b.Prop("Caption", &C::LabelCaption, &C::SetLabelCaption);
    b.Prop("LabelPosition", &C::LabelPosition, &C::SetLabelPosition);
    b.Prop("LabelSpacing", &C::LabelSpacing, &C::SetLabelSpacing);
}

}  // namespace

// ---------------------------------------------------------------- TKwEdit

KW_BEGIN_CLASS(TKwEdit, TEdit)
    PublishLabel(b);
    b.Creatable();
KW_END_CLASS(TKwEdit)

TKwEdit::TKwEdit(TComponent* owner) : TLabelledEdit<TEdit>(owner) {}

// ---------------------------------------------------------------- TKwDBEdit

KW_BEGIN_CLASS(TKwDBEdit, TDBEdit)
    PublishLabel(b);
    b.Creatable();
KW_END_CLASS(TKwDBEdit)

TKwDBEdit::TKwDBEdit(TComponent* owner) : TLabelledEdit<TDBEdit>(owner) {}

void TKwDBEdit::SetDataField(const std::string& name) {
    TLabelledEdit<TDBEdit>::SetDataField(name);
    if (!(ComponentState() & csDesigning)) return;
    if (TField* field = Field()) SetLabelCaption(field->DisplayLabel());
}

// ---------------------------------------------------------------- TKwBtnDBEdit

KW_BEGIN_CLASS(TKwBtnDBEdit, TKwDBEdit)
    b.Prop("ButtonSpacing", &TKwBtnDBEdit::ButtonSpacing, &TKwBtnDBEdit::SetButtonSpacing);
    b.Prop("GlyphIndex", &TKwBtnDBEdit::GlyphIndex, &TKwBtnDBEdit::SetGlyphIndex);
    b.Prop("ButtonHint", &TKwBtnDBEdit::ButtonHint, &TKwBtnDBEdit::SetButtonHint);
    b.Event("OnDialog", "TNotifyEvent", &TKwBtnDBEdit::OnDialog);
    b.Creatable();
KW_END_CLASS(TKwBtnDBEdit)

TKwBtnDBEdit::TKwBtnDBEdit(TComponent* owner) : TKwDBEdit(owner) {
    button_ = new TGSpeedButton(this);
    button_->SetName("F2Button");
    button_->SetFlat(true);
    button_->SetGlyphIndex(8);
    button_->OnClick = TNotifyEvent::Of<&TKwBtnDBEdit::ButtonClick>(this);
    PlaceButton();
}

void TKwBtnDBEdit::SetButtonSpacing(int spacing) {
    buttonSpacing_ = spacing;
    PlaceButton();
}

void TKwBtnDBEdit::SetGlyphIndex(int n) {
    if (button_) button_->SetGlyphIndex(n);
}

void TKwBtnDBEdit::SetButtonHint(const std::string& hint) {
    if (button_) button_->SetHint(hint);
}

std::vector<TControl*> TKwBtnDBEdit::Companions() const {
    std::vector<TControl*> companions = TKwDBEdit::Companions();
    if (button_) companions.push_back(button_);
    return companions;
}

void TKwBtnDBEdit::PlaceCompanions() {
    TKwDBEdit::PlaceCompanions();
    PlaceButton();
}

void TKwBtnDBEdit::PlaceButton() {
    if (!button_) return;
    button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

void TKwBtnDBEdit::ButtonClick(TObject*) {
    if (OnDialog) {
        OnDialog(this);
        return;
    }
    RequestLookupFor(*this);
}

void TKwBtnDBEdit::Notification(TComponent* component, TOperation operation) {
    TKwDBEdit::Notification(component, operation);
    if (operation == opRemove && component == button_) button_ = nullptr;
}

}  // namespace kw
