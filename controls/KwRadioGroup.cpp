#include "controls/KwRadioGroup.h"

#include <algorithm>

#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TKwGroupButton, TKwRadioButton)
KW_END_CLASS(TKwGroupButton)

TKwGroupButton::TKwGroupButton(TComponent* owner) : TKwRadioButton(owner) {}

TKwRadioGroup* TKwGroupButton::Group() const { return dynamic_cast<TKwRadioGroup*>(Parent()); }

void TKwGroupButton::Click() {
    TKwRadioButton::Click();
    if (TKwRadioGroup* group = Group()) group->ButtonClicked(this);
}

void TKwGroupButton::KeyDown(uint16_t& key, TShiftState shift) {
    if (TKwRadioGroup* group = Group()) group->OnKeyDown(group, key, shift);
}

void TKwGroupButton::KeyPress(char& ch) {
    if (TKwRadioGroup* group = Group()) group->OnKeyPress(group, ch);
    if (ch) TKwRadioButton::KeyPress(ch);
}

void TKwGroupButton::KeyUp(uint16_t& key, TShiftState shift) {
    if (TKwRadioGroup* group = Group()) group->OnKeyUp(group, key, shift);
}

KW_BEGIN_CLASS(TKwRadioGroup, TCustomGroupBox)
    b.Prop("Caption", TypeCaption(), &TKwRadioGroup::Text, &TKwRadioGroup::SetText);
    b.Object("Items", &TKwRadioGroup::Items, &TKwRadioGroup::SetItems);
    b.Prop("ItemIndex", &TKwRadioGroup::ItemIndex, &TKwRadioGroup::SetItemIndex);
    b.Prop("Columns", &TKwRadioGroup::Columns, &TKwRadioGroup::SetColumns);
    b.Creatable();
KW_END_CLASS(TKwRadioGroup)

TKwRadioGroup::TKwRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(new TStringList) {
    items_->OnChange = TNotifyEvent::Of<&TKwRadioGroup::ItemsChanged>(this);
    SetBounds(0, 0, 185, 105);
}

TKwRadioGroup::~TKwRadioGroup() {
    BeforeDestruction();
    delete items_;
}

void TKwRadioGroup::Notification(TComponent* component, TOperation operation) {
    TCustomGroupBox::Notification(component, operation);
    if (operation == opRemove)
        buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), component), buttons_.end());
}

void TKwRadioGroup::ItemsChanged(TObject*) {
    if (ComponentState() & csLoading) return;
    if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
    UpdateButtons();
}

void TKwRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
    UpdateButtons();
}

void TKwRadioGroup::SetItemIndex(int index) {
    if (ComponentState() & csLoading) {
        itemIndex_ = index;
        return;
    }
    index = std::clamp(index, -1, items_->Count() - 1);
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) buttons_[itemIndex_]->SetChecked(false);
    itemIndex_ = index;
    if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
        TKwGroupButton* button = buttons_[itemIndex_];
        button->clicksDisabled_ = true;
        button->SetChecked(true);
        button->clicksDisabled_ = false;
    }
}

void TKwRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
}

void TKwRadioGroup::UpdateButtons() {
    while (ButtonCount() < items_->Count()) {
        auto* button = new TKwGroupButton(this);
        buttons_.push_back(button);
        button->SetParent(this);
    }
    while (ButtonCount() > items_->Count()) buttons_.back()->Free();
    for (int i = 0; i < ButtonCount(); ++i) {
        TKwGroupButton* button = buttons_[i];
        button->SetCaption(items_->Strings(i));
        button->clicksDisabled_ = true;
        button->SetChecked(i == itemIndex_);
        button->clicksDisabled_ = false;
    }
    ArrangeButtons();
}

void TKwRadioGroup::ArrangeButtons() {
    const int n = ButtonCount();
    if (n == 0 || (ComponentState() & csLoading)) return;
    const int fontHeight = TextExtent("0").cy;
    const int rows = (n + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 10) / columns_;
    const int h = Height() - fontHeight - 5;
    const int buttonHeight = h / rows;
    const int topMargin = fontHeight + 1 + (h % rows) / 2;
    for (int i = 0; i < n; ++i)
        buttons_[i]->SetBounds((i / rows) * buttonWidth + 8, (i % rows) * buttonHeight + topMargin, buttonWidth,
                               buttonHeight);
}

void TKwRadioGroup::ButtonClicked(TKwGroupButton* button) {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TKwRadioGroup::Resize() {
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TKwRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

}  // namespace kw
