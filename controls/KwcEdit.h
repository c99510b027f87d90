// Labelled edits: an edit that owns a label named "EditLabel" whose focus
// control is the edit; the label keeps its place beside the edit and follows
// the edit's parent, enabled state and visibility.
#pragma once

#include "platform/StdCtrls.h"

namespace kw {

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
KW_DECLARE_ENUM(TLabelPosition)

// Where a label of the given size goes beside an edit's bounds.
TPoint EditLabelPlace(const TRect& edit, TSize label, TLabelPosition position, int spacing);

// The labelled behaviour over an edit class.
template <class Base>
class TLabelledEdit : public Base {
public:
    explicit TLabelledEdit(TComponent* owner) : Base(owner) {
        label_ = new TLabel(this);
        label_->SetName("EditLabel");
        label_->SetFocusControl(this);
        label_->SetCaption("");
    }

    // The label, or none once it was destroyed.
    TLabel* EditLabel() const { return label_; }
    std::string LabelCaption() const { return label_ ? label_->Caption() : std::string(); }
    void SetLabelCaption(const std::string& caption) {
        if (!label_) return;
        label_->SetCaption(caption);
        PlaceLabel();
    }
    TLabelPosition LabelPosition() const { return position_; }
    void SetLabelPosition(TLabelPosition position) {
        position_ = position;
        PlaceLabel();
    }
    int LabelSpacing() const { return spacing_; }
    // A negative spacing is ignored.
    void SetLabelSpacing(int spacing) {
        if (spacing < 0) return;
        spacing_ = spacing;
        PlaceLabel();
    }

    void SetBounds(int left, int top, int width, int height) override {
        Base::SetBounds(left, top, width, height);
        PlaceLabel();
    }
    void SetParent(TWinControl* parent) override {
        Base::SetParent(parent);
        if (label_) label_->SetParent(parent);
        PlaceLabel();
    }

protected:
    void PlaceLabel() {
        if (!label_) return;
        TPoint at = EditLabelPlace(this->BoundsRect(), {label_->Width(), label_->Height()}, position_, spacing_);
        label_->SetBounds(at.X, at.Y, label_->Width(), label_->Height());
    }
    void EnabledChanged() override {
        Base::EnabledChanged();
        if (label_) label_->SetEnabled(this->Enabled());
    }
    void VisibleChanged() override {
        Base::VisibleChanged();
        if (label_) label_->SetVisible(this->Visible());
    }
    void Notification(TComponent* component, TOperation operation) override {
        Base::Notification(component, operation);
        if (operation == opRemove && component == label_) label_ = nullptr;
    }

private:
    TLabel* label_ = nullptr;
    TLabelPosition position_ = lpLeft;
    int spacing_ = 4;
};

class TKwEdit : public TLabelledEdit<TEdit> {
    KW_CLASS(TKwEdit)
public:
    explicit TKwEdit(TComponent* owner);
};

}  // namespace kw
