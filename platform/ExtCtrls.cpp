#include "platform/ExtCtrls.h"

#include <algorithm>

#include "platform/ClassBuilder.h"

namespace kw {

KW_DEFINE_ENUM(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern")

// ---------------------------------------------------------------- panels

KW_BEGIN_CLASS(TCustomPanel, TCustomControl)
KW_END_CLASS(TCustomPanel)

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

int TCustomPanel::Inset() const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    return inset;
}

int TCustomPanel::ClientWidth() const { return std::max(Width() - 2 * Inset(), 0); }
int TCustomPanel::ClientHeight() const { return std::max(Height() - 2 * Inset(), 0); }

KW_BEGIN_CLASS(TPanel, TCustomPanel)
    b.Prop("Caption", TypeCaption(), &TPanel::Text, &TPanel::SetText);
    b.Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner);
    b.Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter);
    b.Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth);
    b.Prop("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth);
    b.Prop("BorderStyle", TypeControlBorderStyle(), &TPanel::BorderStyle, &TPanel::SetBorderStyle);
    b.Prop("Alignment", &TPanel::Alignment, &TPanel::SetAlignment);
    b.Event("OnResize", "TNotifyEvent", &TControl::OnResize);
    b.Creatable();
KW_END_CLASS(TPanel)

TPanel::TPanel(TComponent* owner) : TCustomPanel(owner) {}

// ---------------------------------------------------------------- radio groups

KW_BEGIN_CLASS(TGroupButton, TRadioButton)
KW_END_CLASS(TGroupButton)

TGroupButton::TGroupButton(TComponent* owner, TCustomRadioGroup* group) : TRadioButton(owner), group_(group) {}

void TGroupButton::Click() {
    TRadioButton::Click();
    group_->ButtonClicked(this);
}

KW_BEGIN_CLASS(TCustomRadioGroup, TCustomGroupBox)
KW_END_CLASS(TCustomRadioGroup)

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(new TStringList) {
    SetTabStop(true);
    items_->OnChange = TNotifyEvent::Of<&TCustomRadioGroup::ItemsChanged>(this);
}

TCustomRadioGroup::~TCustomRadioGroup() {
    BeforeDestruction();
    delete items_;
}

TRadioButton* TCustomRadioGroup::MakeButton() { return new TGroupButton(this, this); }

void TCustomRadioGroup::ItemsChanged(TObject*) {
    if (!(ComponentState() & csLoading)) {
        if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
        UpdateButtons();
    }
}

void TCustomRadioGroup::UpdateButtons() {
    updating_ = true;
    while (static_cast<int>(buttons_.size()) < items_->Count()) {
        TRadioButton* b = MakeButton();
        b->SetParent(this);
        buttons_.push_back(b);
    }
    while (static_cast<int>(buttons_.size()) > items_->Count()) {
        buttons_.back()->Free();
        buttons_.pop_back();
    }
    for (int i = 0; i < ButtonCount(); ++i) {
        buttons_[i]->SetText((*items_)[i]);
        buttons_[i]->SetChecked(i == itemIndex_);
    }
    updating_ = false;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
    int n = ButtonCount();
    if (n == 0) return;
    int c = std::clamp(columns_, 1, 16);
    int perColumn = (n + c - 1) / c;
    int buttonWidth = (Width() - 10) / c;
    int fontHeight = TextExtent("0").cy;
    int h = Height() - fontHeight - 5;
    int buttonHeight = h / perColumn;
    int topMargin = fontHeight + 1 + (h % perColumn) / 2;
    for (int i = 0; i < n; ++i)
        buttons_[i]->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                               buttonWidth, buttonHeight);
}

void TCustomRadioGroup::SetItemIndex(int index) {
    if (ComponentState() & csLoading) {
        itemIndex_ = index;
        return;
    }
    index = std::clamp(index, -1, items_->Count() - 1);
    itemIndex_ = index;
    updating_ = true;
    for (int i = 0; i < ButtonCount(); ++i) buttons_[i]->SetChecked(i == index);
    updating_ = false;
}

void TCustomRadioGroup::SetColumns(int c) {
    columns_ = std::clamp(c, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TCustomRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    UpdateButtons();
}

void TCustomRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
    TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

KW_BEGIN_CLASS(TRadioGroup, TCustomRadioGroup)
    b.Prop("Caption", TypeCaption(), &TRadioGroup::Text, &TRadioGroup::SetText);
    b.Object("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
    b.Prop("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex);
    b.Prop("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns);
    b.Creatable();
KW_END_CLASS(TRadioGroup)

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}

// ---------------------------------------------------------------- splitter

KW_BEGIN_CLASS(TSplitter, TGraphicControl)
    b.Prop("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled);
    b.Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize);
    b.Prop("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle);
    b.Event("OnMoved", "TNotifyEvent", &TSplitter::OnMoved);
    b.Creatable();
KW_END_CLASS(TSplitter)

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

TControl* TSplitter::ResizedControl() const {
    if (!Parent()) return nullptr;
    for (TControl* c : Parent()->ControlList()) {
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        switch (Align()) {
            case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
            case alRight: if (c->Left() == Left() + Width()) return c; break;
            case alTop: if (c->Top() + c->Height() == Top()) return c; break;
            case alBottom: if (c->Top() == Top() + Height()) return c; break;
            default: break;
        }
    }
    return nullptr;
}

void TSplitter::MoveBy(int delta) {
    TControl* c = ResizedControl();
    if (!c || delta == 0) return;
    switch (Align()) {
        case alLeft: c->SetWidth(std::max(c->Width() + delta, minSize_)); break;
        case alRight: c->SetWidth(std::max(c->Width() - delta, minSize_)); break;
        case alTop: c->SetHeight(std::max(c->Height() + delta, minSize_)); break;
        case alBottom: c->SetHeight(std::max(c->Height() - delta, minSize_)); break;
        default: return;
    }
    OnMoved(this);
}

}  // namespace kw
