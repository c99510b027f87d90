// TKwRadioGroup: a group box whose items become TKwGroupButton radio
// buttons, laid out column by column.
#pragma once

#include <vector>

#include "controls/KwRadioButton.h"

namespace kw {

class TKwRadioGroup;

// One button of a TKwRadioGroup: a click selects its item in the group, its
// keys reach the group's key events.
class TKwGroupButton : public TKwRadioButton {
    KW_CLASS(TKwGroupButton)
public:
    explicit TKwGroupButton(TComponent* owner);
    void Click() override;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& ch) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    friend class TKwRadioGroup;
    TKwRadioGroup* Group() const;
};

class TKwRadioGroup : public TCustomGroupBox {
    KW_CLASS(TKwRadioGroup)
public:
    explicit TKwRadioGroup(TComponent* owner);
    ~TKwRadioGroup() override;

    TStrings* Items() const { return items_; }
    void SetItems(TStrings* items) { items_->Assign(items); }
    // -1 for none.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // Kept within 1 .. 16.
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TKwGroupButton* Buttons(int index) const { return buttons_.at(index); }
    void Loaded() override;

protected:
    void Resize() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TKwGroupButton;
    void ItemsChanged(TObject*);
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(TKwGroupButton* button);
    TStringList* items_;
    std::vector<TKwGroupButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

}  // namespace kw
