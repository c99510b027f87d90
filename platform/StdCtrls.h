// Standard controls: label, edit, memo, combo box, list box, button,
// check box, radio button, group box.
#pragma once

#include <string>

#include "platform/Controls.h"

namespace kw {

enum TTextLayout { tlTop, tlCenter, tlBottom };
KW_DECLARE_ENUM(TTextLayout)
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
KW_DECLARE_ENUM(TEditCharCase)
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
KW_DECLARE_ENUM(TScrollStyle)
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
KW_DECLARE_ENUM(TComboBoxStyle)
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
KW_DECLARE_ENUM(TListBoxStyle)
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
KW_DECLARE_ENUM(TCheckBoxState)
const TTypeInfo* TypeLeftRight();  // "TLeftRight": taLeftJustify, taRightJustify

class TCustomLabel : public TGraphicControl {
    KW_CLASS(TCustomLabel)
public:
    explicit TCustomLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l) { layout_ = l; Invalidate(); }
    TWinControl* FocusControl() const { return focusControl_; }
    virtual void SetFocusControl(TWinControl* control);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w) { wordWrap_ = w; AdjustBounds(); }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v) { showAccelChar_ = v; AdjustBounds(); }
    // The caption as shown: "&&" as "&", a single "&" left out.
    std::string DisplayText() const;
    void Paint() override;
    void Loaded() override;

protected:
    void TextChanged() override;
    void FontChanged() override;
    void AdjustBounds();
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    TWinControl* focusControl_ = nullptr;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
    KW_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);
};

class TCustomEdit : public TWinControl {
    KW_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c) { passwordChar_ = c; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& n) { imeName_ = n; }
    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }

    int SelStart() const { return selStart_; }
    void SetSelStart(int pos);
    int SelLength() const { return selLength_; }
    void SetSelLength(int len);
    std::string SelText() const;
    void SetSelText(const std::string& text);
    void SelectAll();
    void Clear() { SetText(""); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    bool FocusOnClick() const override { return true; }
    void SetText(const std::string& text) override;
    // The text as the edit shows it, which caret and selection count in.
    virtual std::string ShownText() const { return Text(); }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void TextChanged() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& ch) override;
    void DoEnter() override;
    // Replaces the selection with typed text as the user would.
    virtual void TypeInsert(const std::string& text);
    virtual void TypeDelete(bool forward);
    std::string ApplyCharCase(const std::string& text) const;

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool autoSelect_ = true;
    std::string imeName_;
    bool modified_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

class TEdit : public TCustomEdit {
    KW_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner);
};

class TMemo : public TCustomEdit {
    KW_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    TStrings* Lines() const { return lines_; }
    void SetLines(TStrings* lines) { lines_->Assign(lines); }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s) { scrollBars_ = s; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; }
    // The caret as column (X) and line (Y), counted from 0.
    TPoint CaretPos() const;
    void SetCaretPos(TPoint p);
    bool WantsKey(uint16_t key, TShiftState shift) const override;

protected:
    void KeyPress(char& ch) override;

private:
    void LinesChanged(TObject*);
    TStringList* lines_;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
    bool settingLines_ = false;
};

class TComboBox : public TWinControl {
    KW_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    TStrings* Items() const { return items_; }
    void SetItems(TStrings* items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool s) { items_->SetSorted(s); }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& n) { imeName_ = n; }
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool d);
    void SetText(const std::string& text) override;
    // The user picks item Index from the list: OnSelect, then OnChange.
    void SelectByUser(int index);
    bool FocusOnClick() const override { return true; }
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char& ch) override;

private:
    void ItemsChanged(TObject*);
    TStringList* items_;
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
    int maxLength_ = 0;
    std::string imeName_;
    bool droppedDown_ = false;
};

class TListBox : public TWinControl {
    KW_CLASS(TListBox)
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle s) { style_ = s; }
    TStrings* Items() const { return items_; }
    void SetItems(TStrings* items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool m) { multiSelect_ = m; }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool s) { items_->SetSorted(s); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }
    bool FocusOnClick() const override { return true; }

private:
    void ItemsChanged(TObject*);
    TStringList* items_;
    TListBoxStyle style_ = lbStandard;
    int itemIndex_ = -1;
    bool multiSelect_ = false;
    int itemHeight_ = 13;
};

class TButtonControl : public TWinControl {
    KW_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner);
    bool FocusOnClick() const override { return true; }
    // Whether the control paints its caption itself (PaintCaption, over the
    // platform's painting of the button) instead of the platform's caption.
    virtual bool PaintsOwnCaption() const { return false; }
    virtual void PaintCaption(TCanvas& canvas) const {}

protected:
    void KeyPress(char& ch) override;
};

class TButton : public TButtonControl {
    KW_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool d) { default_ = d; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool c) { cancel_ = c; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    // Sets the form's modal result, then OnClick.
    void Click() override;

protected:
    void CMDialogKey(TMessage& message);

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

class TCheckBox : public TButtonControl {
    KW_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool c) { SetState(c ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    // A change of state raises OnClick, as the platform's check box does.
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool a) { allowGrayed_ = a; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; }
    // The user's click: the next state, then OnClick.
    void Click() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    bool inSetState_ = false;
};

class TRadioButton : public TButtonControl {
    KW_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking unchecks the other radio buttons of the parent and raises OnClick.
    void SetChecked(bool c);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; }
    void Click() override;

private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
    bool inSetChecked_ = false;
};

class TCustomGroupBox : public TCustomControl {
    KW_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent* owner);
};

class TGroupBox : public TCustomGroupBox {
    KW_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent* owner);
};

}  // namespace kw
