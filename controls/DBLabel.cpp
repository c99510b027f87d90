#include "controls/DBLabel.h"

#include <algorithm>

#include "controls/BindingRule.h"
#include "platform/ClassBuilder.h"
#include "platform/ClientDataSet.h"

namespace kw {

KW_DEFINE_ENUM(TPos, "psTop", "psLeft", "psRight", "psBottom")

KW_BEGIN_CLASS(TDBLabel, TLabel)
    b.Prop("Pos", &TDBLabel::Pos, &TDBLabel::SetPos);
    b.Prop("Gap", &TDBLabel::Gap, &TDBLabel::SetGap);
    b.Prop("AutoAlign", &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign);
    b.Prop("AutoCaption", &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption);
    b.Creatable();
KW_END_CLASS(TDBLabel)

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption(DesignText("挂靠标签")); }

void TDBLabel::SetFocusControl(TWinControl* control) {
    if (!MayBindTo(*this, control, [](const TDBLabel& l) { return l.FocusControl(); },
                   "不能同时有两个 DBLabel 指到同一个 Control."))
        return;
    TLabel::SetFocusControl(control);
    RefreshBinding();
}

void TDBLabel::SetPos(TPos pos) {
    if (pos == pos_) return;
    pos_ = pos;
    RefreshBinding();
}

void TDBLabel::SetGap(uint8_t gap) {
    if (gap == gap_) return;
    gap_ = gap;
    RefreshBinding();
}

void TDBLabel::SetAutoAlign(bool value) {
    autoAlign_ = value;
    RefreshBinding();
}

void TDBLabel::SetAutoCaption(bool value) {
    autoCaption_ = value;
    RefreshBinding();
}

void TDBLabel::Loaded() {
    TLabel::Loaded();
    RefreshBinding();
}

void TDBLabel::RefreshBinding() {
    if (ComponentState() & csLoading) return;
    TakeFieldCaption();
    Align();
}

// The display label of the field that the control's published "DataSource"
// and "DataField" name; anything missing on the way leaves the caption.
void TDBLabel::TakeFieldCaption() {
    TWinControl* control = FocusControl();
    if (!autoCaption_ || !control) return;
    const TPropInfo* sourceProp = control->ClassInfo().FindProp("DataSource");
    const TPropInfo* fieldProp = control->ClassInfo().FindProp("DataField");
    if (!sourceProp || !sourceProp->GetObj || !fieldProp || !fieldProp->GetStr) return;
    TObject* source = sourceProp->GetObj(*control);
    if (!source) return;
    const TPropInfo* dataSetProp = source->ClassInfo().FindProp("DataSet");
    if (!dataSetProp || !dataSetProp->GetObj) return;
    auto dataSet = dynamic_cast<TClientDataSet*>(dataSetProp->GetObj(*source));
    if (!dataSet) return;
    if (TField* field = dataSet->FindField(fieldProp->GetStr(*control))) SetCaption(field->DisplayLabel());
}

void TDBLabel::Align() {
    TWinControl* fc = FocusControl();
    if (!autoAlign_ || !fc) return;
    const int besideTop = fc->Height() == Height() ? fc->Top() : fc->Top() + fc->Height() / 2 - Height() / 2;
    switch (pos_) {
        case psTop:
            SetBounds(fc->Left(), std::max(fc->Top() - Height() - gap_, 0), Width(), Height());
            break;
        case psLeft:
            SetBounds(std::max(fc->Left() - Width() - gap_, 0), std::max(besideTop, 0), Width(), Height());
            break;
        case psRight:
            SetBounds(std::max(fc->Left() + fc->Width() + gap_, 0), std::max(besideTop, 0), Width(), Height());
            break;
        case psBottom:
            SetBounds(fc->Left(), std::max(fc->Top() + fc->Height() + gap_, 0), Width(), Height());
            break;
    }
}

}  // namespace kw
