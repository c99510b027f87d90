// Labelled edits: an edit that owns a label named "EditLabel" whose focus
// control is the edit; the label keeps its place beside the edit and follows
// the edit's parent, enabled state and visibility. TKwBtnDBEdit adds a flat
// glyph button named "F2Button" right of the edit that asks for the edit's
// lookup.
#pragma once

#include <vector>

#include "controls/GSpdBtn.h"
#include "platform/DBCtrls.h"
#include "platform/StdCtrls.h"

namespace kw {

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
KW_DECLARE_ENUM(TLabelPosition)

// Where a label of the given size goes beside an edit's bounds.
TPoint EditLabelPlace(const TRect& edit, TSize label, TLabelPosition position, int spacing);

// The labelled behaviour over an edit class. The label and any further
// controls a derived edit names in Companions follow the edit; Place puts
// them beside it again.
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
        PlaceCompanions();
    }
    void SetParent(TWinControl* parent) override {
        Base::SetParent(parent);
        for (TControl* companion : Companions()) companion->SetParent(parent);
        PlaceCompanions();
    }

protected:
    // The controls that follow the edit.
    virtual std::vector<TControl*> Companions() const {
        if (!label_) return {};
        return {label_};
    }
    virtual void PlaceCompanions() { PlaceLabel(); }
    void PlaceLabel() {
        if (!label_) return;
        TPoint at = EditLabelPlace(this->BoundsRect(), {label_->Width(), label_->Height()}, position_, spacing_);
        label_->SetBounds(at.X, at.Y, label_->Width(), label_->Height());
    }
    void EnabledChanged() override {
        Base::EnabledChanged();
        for (TControl* companion : Companions()) companion->SetEnabled(this->Enabled());
    }
    void VisibleChanged() override {
        Base::VisibleChanged();
        for (TControl* companion : Companions()) companion->SetVisible(this->Visible());
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

class TKwDBEdit : public TLabelledEdit<TDBEdit> {
    KW_CLASS(TKwDBEdit)
public:
    explicit TKwDBEdit(TComponent* owner);
    // While the form is being designed, a field of the bound dataset also
    // gives the label its display label.
    void SetDataField(const std::string& name) override;
};

class TKwBtnDBEdit : public TKwDBEdit {
    KW_CLASS(TKwBtnDBEdit)
public:
    explicit TKwBtnDBEdit(TComponent* owner);

    // The button, or none once it was destroyed.
    TGSpeedButton* Button() const { return button_; }
    int ButtonSpacing() const { return buttonSpacing_; }
    void SetButtonSpacing(int spacing);
    int GlyphIndex() const { return button_ ? button_->GlyphIndex() : 0; }
    void SetGlyphIndex(int n);
    std::string ButtonHint() const { return button_ ? button_->Hint() : std::string(); }
    void SetButtonHint(const std::string& hint);

    // Raised with the edit by a button click instead of the lookup request.
    TNotifyEvent OnDialog;

protected:
    std::vector<TControl*> Companions() const override;
    void PlaceCompanions() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // A square as high as the edit, ButtonSpacing pixels right of it.
    void PlaceButton();
    void ButtonClick(TObject* sender);
    TGSpeedButton* button_ = nullptr;
    int buttonSpacing_ = 2;
};

}  // namespace kw
