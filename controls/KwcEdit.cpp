#include "controls/KwcEdit.h"

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

KW_BEGIN_CLASS(TKwEdit, TEdit)
    b.Prop("Caption", &TKwEdit::LabelCaption, &TKwEdit::SetLabelCaption);
    b.Prop("LabelPosition", &TKwEdit::LabelPosition, &TKwEdit::SetLabelPosition);
    b.Prop("LabelSpacing", &TKwEdit::LabelSpacing, &TKwEdit::SetLabelSpacing);
    b.Creatable();
KW_END_CLASS(TKwEdit)

TKwEdit::TKwEdit(TComponent* owner) : TLabelledEdit<TEdit>(owner) {}

}  // namespace kw
