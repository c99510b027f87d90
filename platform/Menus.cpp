#include "platform/Menus.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/ImgList.h"

namespace kw {

KW_BEGIN_CLASS(TMenuItem, TComponent)
    b.Prop("Caption", TypeCaption(), &TMenuItem::Caption, &TMenuItem::SetCaption);
    b.Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    b.Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
    b.Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
    b.Prop("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck);
    b.Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
    b.Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
    b.Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
    b.Prop("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
    b.Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
    b.Event("OnClick", "TNotifyEvent", &TMenuItem::OnClick);
    b.Creatable();
KW_END_CLASS(TMenuItem)

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    BeforeDestruction();
    while (!items_.empty()) {
        TMenuItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        child->Free();
    }
    if (parent_) parent_->Remove(this);
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (checked && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    if (item->parent_ == this) item->parent_ = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

KW_BEGIN_CLASS(TMenu, TComponent)
    b.Prop("Images", &TMenu::Images, &TMenu::SetImages);
    b.Prop("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
KW_END_CLASS(TMenu)

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    BeforeDestruction();
    // Items owned by the form are freed by it; detach them from the root first.
    while (items_->Count() > 0) items_->Remove(items_->Items(items_->Count() - 1));
    delete items_;
}

void TMenu::SetImages(TImageList* images) {
    images_ = images;
    if (images) images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

KW_BEGIN_CLASS(TMainMenu, TMenu)
    b.Creatable();
KW_END_CLASS(TMainMenu)

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

KW_BEGIN_CLASS(TPopupMenu, TMenu)
    b.Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup);
    b.Event("OnPopup", "TNotifyEvent", &TPopupMenu::OnPopup);
    b.Creatable();
KW_END_CLASS(TPopupMenu)

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    OnPopup(this);
    Backend().ShowPopupMenu(*this, popupPoint_);
}

}  // namespace kw
