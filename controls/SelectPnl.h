// TSelectPanel: the control with which a condition form asks for one
// condition value: a range (begin and end texts, typed or looked up), a list
// of chosen rows, or the user's choice between the two. Its children are
// laid out by fixed rules on two pages; its value is read through
// IsRangeMode, BeginEdit, EndEdit and the rows of ListView.
#pragma once

#include <string>
#include <vector>

#include "controls/BtChkBox.h"
#include "controls/F2Button.h"
#include "controls/SelectRange.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"

namespace kw {

// A masked edit whose change notification can be held back.
class TVelMaskEdit : public TMaskEdit {
    KW_CLASS(TVelMaskEdit)
public:
    explicit TVelMaskEdit(TComponent* owner);
    // While set, a change of the text raises no change notification.
    bool SuppressChange = false;

protected:
    void Change() override;
};

class TVelCheckBox : public TBitCheckBox {
    KW_CLASS(TVelCheckBox)
public:
    explicit TVelCheckBox(TComponent* owner);
};

// The list of chosen rows. Rows are added with AddRow, which keeps them in
// the order of the row comparison (KeepSorted), without neighbouring equal
// captions (CheckDuplicate), with as many sub-items each as the widest row,
// and the columns as wide as their texts (ColumnsAutoSize).
class TVelListView : public TListView {
    KW_CLASS(TVelListView)
public:
    explicit TVelListView(TComponent* owner);

    bool ColumnsAutoSize() const { return columnsAutoSize_; }
    void SetColumnsAutoSize(bool value) { columnsAutoSize_ = value; }
    TCheckDuplicate CheckDuplicate() const { return checkDuplicate_; }
    void SetCheckDuplicate(TCheckDuplicate rule);
    bool KeepSorted() const { return keepSorted_; }
    void SetKeepSorted(bool value);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }
    void SetSortOrder(int column, bool ascending);

    // values: entry 0 the caption, the others the sub-items. False for an
    // empty list (nothing changes) or a failure on the way (what was added
    // stays).
    bool AddRow(const std::vector<std::string>& values);
    void ClearRows();
    // Every column as wide as "W" times the longest of its caption and its
    // texts in the rows.
    void AutoSizeColumns();
    // Deletes rows with the caption of the row before them (captions
    // compared by CheckDuplicate); nothing under cd_None.
    void RemoveDuplicates();
    // Sorts the rows by the row comparison.
    void SortRows();
    // The rows were changed by other means than AddRow: the next AddRow
    // checks order, duplicates, widths and sub-item counts over all rows.
    void ForgetRowState() { if (!addingRow_) stateKnown_ = false; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void RowDeleted(TObject*, TListItem*);
    int InsertionIndex(const std::vector<std::string>& values) const;
    void RestoreRowState();
    void PadRows(int subItems);
    bool SameCaption(const TListItem* a, const TListItem* b) const;
    void NoteTextWidths(const TListItem* item);
    void ApplyColumnWidths();
    bool columnsAutoSize_ = true;
    TCheckDuplicate checkDuplicate_ = cd_None;
    bool keepSorted_ = false;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    // What AddRow keeps true between calls while stateKnown_: the order, no
    // neighbouring duplicates, widestRow_ sub-items in every row and the
    // longest text of every column in textLengths_.
    bool stateKnown_ = true;
    bool addingRow_ = false;
    int knownCount_ = 0;
    int widestRow_ = 0;
    std::vector<size_t> textLengths_;
};

using TOpenWinClickEvent = TEvent<TObject*, TObject*>;         // panel, target control
using TDeleteClickEvent = TEvent<TObject*, bool&>;             // delete button, var Accept
using TStyleChangingEvent = TEvent<TObject*, TSelectStyle, TSelectStyle&, bool&>;  // now, var new, var accept
using TStyleChangeEvent = TEvent<TObject*, TSelectStyle, TSelectStyle>;            // old, new
using TListViewSelectItemEvent = TEvent<TObject*, TListItem*, int, bool>;          // item, index, selected
using TListViewDataChangeEvent = TLVChangeEvent;
using TListViewDataChangingEvent = TLVChangingEvent;

class TSelectPanel : public TGroupBox {
    KW_CLASS(TSelectPanel)
public:
    explicit TSelectPanel(TComponent* owner);
    ~TSelectPanel() override;

    // The children, by the index of their hint in ChildHints.
    TVelCheckBox* ChoiceBox() const { return choiceBox_; }
    TPanel* RangePage() const { return rangePage_; }
    TLabel* BeginLabel() const { return beginLabel_; }
    TLabel* EndLabel() const { return endLabel_; }
    TVelMaskEdit* BeginEdit() const { return beginEdit_; }
    TVelMaskEdit* EndEdit() const { return endEdit_; }
    TF2Button* BeginLookupButton() const { return beginLookup_; }
    TF2Button* EndLookupButton() const { return endLookup_; }
    TPanel* ListPage() const { return listPage_; }
    TVelListView* ListView() const { return listView_; }
    TF2Button* ListLookupButton() const { return listLookup_; }
    TGSpeedButton* DeleteButton() const { return deleteButton_; }
    TGSpeedButton* ClearButton() const { return clearButton_; }

    // Range under sp_Range, and under sp_UserChoice while UserChoice.
    bool IsRangeMode() const;
    const std::string& EmptyMaskText() const { return emptyMaskText_; }
    bool AddRow(const std::vector<std::string>& values) { return listView_->AddRow(values); }
    void ClearRows() { listView_->ClearRows(); }
    // A click on the header of a column: the same column flips the order,
    // another sorts ascending by it; the rows are sorted either way.
    void ColumnHeaderClicked(int column);

    TSelectStyle Style() const { return style_; }
    void SetStyle(TSelectStyle style);
    bool UserChoice() const { return userChoice_; }
    void SetUserChoice(bool value);
    std::string HintWord() const { return choiceBox_->Caption(); }
    void SetHintWord(const std::string& word);
    TStrings* BeginWords() const { return beginWords_; }
    void SetBeginWords(TStrings* words) { SetWords(*beginWords_, words, *beginLabel_); }
    TStrings* FinalWords() const { return finalWords_; }
    void SetFinalWords(TStrings* words) { SetWords(*finalWords_, words, *endLabel_); }
    TStrings* ChildHints() const { return childHints_; }
    void SetChildHints(TStrings* hints);
    TValueType ValueType() const { return rules_.ValueType; }
    void SetValueType(TValueType type) { rules_.ValueType = type; }
    TDateType DateType() const { return rules_.DateType; }
    void SetDateType(TDateType type) { rules_.DateType = type; }
    std::string DateSign() const { return rules_.DateSign; }
    void SetDateSign(const std::string& sign) { rules_.DateSign = sign; }
    bool AutoChangeDateSite() const { return rules_.AutoChangeDateSite; }
    void SetAutoChangeDateSite(bool value) { rules_.AutoChangeDateSite = value; }
    std::string Discard() const { return rules_.Discard; }
    void SetDiscard(const std::string& text) { rules_.Discard = text; }
    bool UseDiscard() const { return rules_.UseDiscard; }
    void SetUseDiscard(bool value) { rules_.UseDiscard = value; }
    std::string EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    bool CanOpenWin() const { return canOpenWin_; }
    void SetCanOpenWin(bool value);
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int n);
    bool UseVertical() const { return useVertical_; }
    void SetUseVertical(bool value);
    int OtherWidth() const { return otherWidth_; }
    void SetOtherWidth(int w) { otherWidth_ = w; }
    int OtherHeight() const { return otherHeight_; }
    void SetOtherHeight(int h) { otherHeight_ = h; }
    TCheckDuplicate CheckDuplicate() const { return listView_->CheckDuplicate(); }
    void SetCheckDuplicate(TCheckDuplicate rule);
    bool SortListBox() const { return listView_->KeepSorted(); }
    void SetSortListBox(bool value) { listView_->SetKeepSorted(value); }
    TListItems* Items() const { return listView_->Items(); }
    void SetItems(TListItems* items) { listView_->SetItems(items); }
    TListColumns* Columns() const { return listView_->Columns(); }
    void SetColumns(TListColumns* columns) { listView_->SetColumns(columns); }
    TStrings* ColumnCaptions() const;
    void SetColumnCaptions(TStrings* captions);
    bool ShowColumnHeader() const { return listView_->ShowColumnHeaders(); }
    void SetShowColumnHeader(bool value) { listView_->SetShowColumnHeaders(value); }
    bool HideSelection() const { return listView_->HideSelection(); }
    void SetHideSelection(bool value) { listView_->SetHideSelection(value); }
    bool ColumnsAutoSize() const { return listView_->ColumnsAutoSize(); }
    void SetColumnsAutoSize(bool value) { listView_->SetColumnsAutoSize(value); }

    // The same state on every control inside, at any depth.
    void SetEnabled(bool enabled) override;
    // The panel, then in list mode its list view.
    void SetFocus() override;
    void Loaded() override;

    TOpenWinClickEvent OnOpenWinClick;
    TDeleteClickEvent OnDeleteClick;
    TNotifyEvent OnClearClick;
    TNotifyEvent OnTypeClick;
    TStyleChangingEvent OnStyleChanging;
    TStyleChangeEvent OnStyleChange;
    TListViewSelectItemEvent OnItemSelect;
    TListViewDataChangeEvent OnItemChange;
    TListViewDataChangingEvent OnItemChanging;

protected:
    void Resize() override;
    void FontChanged() override;
    // The exit validation, then OnExit.
    void DoExit() override;

private:
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }
    void CreateChildren();
    void WireEvents();
    // Layout (SelectPnlLayout.cpp).
    void LayOut(TSelectStyle style);
    void SizeChoiceBox();
    void PlacePages(TSelectStyle style);
    void PlaceRangeVertical();
    void PlaceRangeHorizontal();
    void PlaceList();
    void ApplyVisibility(TSelectStyle style);
    bool SizeExchangeAllowed() const;
    void ExchangeSize();
    void SetWords(TStringList& stored, TStrings* words, TLabel& label);
    void WordsChanged(TObject*);
    void HintsChanged(TObject*);
    std::string Word(const TStringList& words, int index) const;
    // Handlers of the children.
    void ChoiceBoxClick(TObject*);
    void LookupClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void ClearClick(TObject* sender);
    void ChildClick(TObject*) { OnClick(this); }
    void ChildDblClick(TObject*) { OnDblClick(this); }
    void ChildMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ChildMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ChildMouseMove(TObject* sender, TShiftState shift, int x, int y);
    TObject* MouseSender(TObject* sender, int& x, int& y) const;
    void ChildKeyDown(TObject* sender, uint16_t& key, TShiftState shift) { OnKeyDown(sender, key, shift); }
    void ChildKeyUp(TObject* sender, uint16_t& key, TShiftState shift) { OnKeyUp(sender, key, shift); }
    void ChildKeyPress(TObject* sender, char& ch) { OnKeyPress(sender, ch); }

    TVelCheckBox* choiceBox_ = nullptr;
    TPanel* rangePage_ = nullptr;
    TLabel* beginLabel_ = nullptr;
    TLabel* endLabel_ = nullptr;
    TVelMaskEdit* beginEdit_ = nullptr;
    TVelMaskEdit* endEdit_ = nullptr;
    TF2Button* beginLookup_ = nullptr;
    TF2Button* endLookup_ = nullptr;
    TPanel* listPage_ = nullptr;
    TVelListView* listView_ = nullptr;
    TF2Button* listLookup_ = nullptr;
    TGSpeedButton* deleteButton_ = nullptr;
    TGSpeedButton* clearButton_ = nullptr;

    TSelectStyle style_ = sp_Range;
    bool userChoice_ = true;
    TStringList* beginWords_;
    TStringList* finalWords_;
    TStringList* childHints_;
    mutable TStringList* columnCaptions_;
    TRangeRules rules_;
    std::string editMask_;
    std::string emptyMaskText_;
    bool canOpenWin_ = true;
    int glyphIndex_ = 8;
    bool useVertical_ = false;
    int otherWidth_ = 200;
    int otherHeight_ = 105;
    bool settingWords_ = false;
    bool built_ = false;
};

}  // namespace kw
