// Panels, radio groups and splitters.
#pragma once

#include <vector>

#include "platform/StdCtrls.h"

namespace kw {

class TCustomPanel : public TCustomControl {
    KW_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b) { bevelInner_ = b; Invalidate(); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b) { bevelOuter_ = b; Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w) { bevelWidth_ = w; Invalidate(); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w) { borderWidth_ = w; AlignControls(); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s) { borderStyle_ = s; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }
    // The client area inside bevels and border.
    int ClientWidth() const override;
    int ClientHeight() const override;
    int Inset() const;

private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    KW_CLASS(TPanel)
public:
    explicit TPanel(TComponent* owner);
};

class TCustomRadioGroup;

// One button of a radio group.
class TGroupButton : public TRadioButton {
    KW_CLASS(TGroupButton)
public:
    TGroupButton(TComponent* owner, TCustomRadioGroup* group);
    void Click() override;

private:
    TCustomRadioGroup* group_;
};

// A group box whose items become radio buttons, laid out column by column.
class TCustomRadioGroup : public TCustomGroupBox {
    KW_CLASS(TCustomRadioGroup)
public:
    explicit TCustomRadioGroup(TComponent* owner);
    ~TCustomRadioGroup() override;
    TStrings* Items() const { return items_; }
    void SetItems(TStrings* items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int c);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton* Buttons(int index) const { return buttons_.at(index); }
    void Loaded() override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    friend class TGroupButton;
    virtual TRadioButton* MakeButton();
    void ArrangeButtons();
    void UpdateButtons();
    void FontChanged() override;
    void ButtonClicked(TRadioButton* button);

private:
    void ItemsChanged(TObject*);
    TStringList* items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
    KW_CLASS(TRadioGroup)
public:
    explicit TRadioGroup(TComponent* owner);
};

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
KW_DECLARE_ENUM(TResizeStyle)

// Drags to resize the control aligned before it.
class TSplitter : public TGraphicControl {
    KW_CLASS(TSplitter)
public:
    explicit TSplitter(TComponent* owner);
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool b) { beveled_ = b; }
    int MinSize() const { return minSize_; }
    void SetMinSize(int m) { minSize_ = m; }
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle r) { resizeStyle_ = r; }
    // The control the splitter resizes (the one aligned on its side next to it).
    TControl* ResizedControl() const;
    // Moves the splitter by Delta pixels as a drag does: the resized control
    // grows or shrinks, at least MinSize.
    void MoveBy(int delta);

    TNotifyEvent OnMoved;

private:
    bool beveled_ = false;
    int minSize_ = 30;
    TResizeStyle resizeStyle_ = rsPattern;
};

}  // namespace kw
