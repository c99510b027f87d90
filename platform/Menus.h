// Menus: items with captions, check marks and radio groups, pop-up and main menus.
#pragma once

#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"

namespace kw {

class TMenu;
class TImageList;

class TMenuItem : public TComponent {
    KW_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group.
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v) { radioItem_ = v; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(uint8_t g) { groupIndex_ = g; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e) { enabled_ = e; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    bool Default() const { return default_; }
    void SetDefault(bool d) { default_ = d; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    TMenu* Menu() const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

    // What a user's choice of the item does: auto-check, then OnClick.
    virtual void Click();

    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;

private:
    friend class TMenu;
    std::string caption_;
    std::string hint_;
    bool checked_ = false;
    bool radioItem_ = false;
    bool autoCheck_ = false;
    uint8_t groupIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    bool default_ = false;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;
};

class TMenu : public TComponent {
    KW_CLASS(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
    KW_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);
};

class TPopupMenu : public TMenu {
    KW_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }
    // Shows the menu at a screen point: raises OnPopup; the backend shows it.
    virtual void Popup(int x, int y);
    TPoint PopupPoint() const { return popupPoint_; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

    TNotifyEvent OnPopup;

private:
    bool autoPopup_ = true;
    TPoint popupPoint_;
    TComponent* popupComponent_ = nullptr;
};

}  // namespace kw
