// Common controls: page control and tab sheets, list view, tree view, tool
// bar and tool buttons, status bar, animation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/BlockedList.h"
#include "platform/Controls.h"
#include "platform/ImgList.h"
#include "platform/Menus.h"

namespace kw {

// ---------------------------------------------------------------- pages

class TPageControl;

class TTabSheet : public TWinControl {
    KW_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* control);
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    // The position of the page's tab among the shown tabs, -1 when hidden.
    int TabIndex() const;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void VisibleChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
KW_DECLARE_ENUM(TTabStyle)
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
KW_DECLARE_ENUM(TTabPosition)

class TPageControl;
using TTabChangingEvent = TEvent<TObject*, bool&>;
using TDrawTabEvent = TEvent<TPageControl*, int, const TRect&, bool>;

class TPageControl : public TWinControl {
    KW_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return activePage_; }
    // Showing another page raises no events (as a program's change does).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The active page's position among the shown tabs.
    int TabIndex() const { return activePage_ ? activePage_->TabIndex() : -1; }
    int TabCount() const;
    TTabSheet* PageForTab(int tabIndex) const;
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // As the user changes pages: OnChanging may refuse, then OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    bool SelectTabByUser(int tabIndex);
    bool ChangePageByUser(TTabSheet* page);

    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle s) { style_ = s; }
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition p) { tabPosition_ = p; }
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int h) { tabHeight_ = h; }
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int w) { tabWidth_ = w; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v) { multiLine_ = v; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // The rectangle of a shown tab (fixed-size tabs side by side).
    TRect TabRect(int tabIndex) const;
    // Draws a tab on the tab canvas: OnDrawTab when assigned; the default
    // draws nothing.
    virtual void DrawTab(int tabIndex, const TRect& rect, bool active);
    void DrawTabs();
    // The canvas owner-drawn tabs are drawn on: a surface the size of the
    // control in the control's font, tabs at their TabRect.
    TCanvas* TabCanvas();
    // Clears the tab canvas's texts, draws every tab and gives the surface
    // back (what a backend shows as the tabs of an owner-drawn control).
    TBitmap& PaintTabs();
    void Loaded() override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TDrawTabEvent OnDrawTab;

protected:
    virtual bool CanChange();
    virtual void Change();
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ShowOnly(TTabSheet* page);
    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    TTabStyle style_ = tsTabs;
    TTabPosition tabPosition_ = tpTop;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    bool ownerDraw_ = false;
    bool multiLine_ = false;
    bool hotTrack_ = false;
    TImageList* images_ = nullptr;
    TBitmap* tabSurface_ = nullptr;
};

// ---------------------------------------------------------------- list view

class TListView;
class TListItems;

class TListColumn : public TCollectionItem {
    KW_CLASS(TListColumn)
public:
    explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; Changed(); }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; Changed(); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; Changed(); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a) { autoSize_ = a; Changed(); }
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int w) { minWidth_ = w; }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int w) { maxWidth_ = w; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    std::string DisplayName() const override { return caption_; }
    void Assign(const TPersistent* source) override;

private:
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
    int minWidth_ = 0;
    int maxWidth_ = 0;
    int imageIndex_ = -1;
};

class TListColumns : public TCollection {
    KW_CLASS(TListColumns)
public:
    explicit TListColumns(TListView* owner);
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
};

enum TItemChange { ctText, ctImage, ctState };
KW_DECLARE_ENUM(TItemChange)

class TListItem : public TPersistent {
    KW_CLASS(TListItem)
public:
    explicit TListItem(TListItems* owner);
    ~TListItem() override;
    TListItems* Owner() const { return owner_; }
    TListView* ListView() const;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    TStrings* SubItems() const { return subItems_; }
    void SetSubItems(TStrings* s) { subItems_->Assign(s); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    bool Selected() const { return selected_; }
    void SetSelected(bool s);
    bool Focused() const { return focused_; }
    void SetFocused(bool f);
    bool Checked() const { return checked_; }
    void SetChecked(bool c) { checked_ = c; }
    void* Data() const { return data_; }
    void SetData(void* d) { data_ = d; }
    int Index() const;
    void Delete();
    // Starts editing the caption in place (OnEditing may refuse).
    bool EditCaption();
    void MakeVisible(bool partialOk) {}
    void Assign(const TPersistent* source) override;

private:
    friend class TListView;
    friend class TListItems;
    void SubItemsChanged(TObject*);
    TListItems* owner_;
    const void* storeBlock_ = nullptr;  // where the owner's store keeps this item
    std::string caption_;
    TStringList* subItems_;
    int imageIndex_ = -1;
    bool selected_ = false;
    bool focused_ = false;
    bool checked_ = false;
    void* data_ = nullptr;
};

class TListItems : public TPersistent {
    KW_CLASS(TListItems)
public:
    explicit TListItems(TListView* owner);
    ~TListItems() override;
    TListView* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    void Assign(const TPersistent* source) override;

private:
    friend class TListItem;
    friend class TListView;
    TListView* owner_;
    BlockedList<TListItem, &TListItem::storeBlock_> items_;
    int updateCount_ = 0;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
KW_DECLARE_ENUM(TViewStyle)
enum TSortType { stNone, stData, stText, stBoth };
KW_DECLARE_ENUM(TSortType)

using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, intptr_t, int&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, std::string&>;
using TLVDeletedEvent = TEvent<TObject*, TListItem*>;

class TListView : public TWinControl {
    KW_CLASS(TListView)
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;
    TListColumns* Columns() const { return columns_; }
    void SetColumns(TListColumns* c) { columns_->Assign(c); }
    TListItems* Items() const { return items_; }
    void SetItems(TListItems* i) { items_->Assign(i); }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool m) { multiSelect_ = m; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool r) { rowSelect_ = r; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool h) { hideSelection_ = h; }
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool s) { showColumnHeaders_ = s; }
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool c) { columnClick_ = c; }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool c) { checkboxes_ = c; }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool g) { gridLines_ = g; }
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType s);
    TImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TImageList* i);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* i);

    // The first selected item; setting selects that item only.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    int SelCount() const;
    TListItem* ItemFocused() const;
    void ClearSelection();
    // The platform's ListView_GetNextItem with the selected state.
    TListItem* GetNextSelected(TListItem* start) const;

    // Sorting: by caption (stText), or by OnCompare when assigned.
    bool AlphaSort();
    bool CustomSort(const std::function<int(TListItem*, TListItem*)>& compare);

    // In-place caption editing.
    bool IsEditing() const { return editing_ != nullptr; }
    TListItem* EditingItem() const { return editing_; }
    // Ends the edit as the user does: accepted (Enter) gives OnEdited the
    // text, which it may change, and the caption takes it; cancelled (Esc)
    // changes nothing.
    void EndEdit(const std::string& text, bool accept = true);

    // A click on an item as the user does it (Ctrl adds to a multiple selection).
    void ClickItem(int index, TShiftState shift = 0);
    // A click on a column header: OnColumnClick.
    void ClickColumn(int index);
    bool FocusOnClick() const override { return true; }

    TLVCompareEvent OnCompare;
    TLVColumnClickEvent OnColumnClick;
    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVDeletedEvent OnDeletion;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListItem;
    friend class TListItems;
    void ItemChanged(TListItem* item, TItemChange change);
    void SortIfNeeded();
    int Compare(TListItem* a, TListItem* b);
    bool BeginEdit(TListItem* item);
    TListColumns* columns_;
    TListItems* items_;
    TViewStyle viewStyle_ = vsIcon;
    bool multiSelect_ = false;
    bool rowSelect_ = false;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool showColumnHeaders_ = true;
    bool columnClick_ = true;
    bool checkboxes_ = false;
    bool gridLines_ = false;
    TSortType sortType_ = stNone;
    TImageList* largeImages_ = nullptr;
    TImageList* smallImages_ = nullptr;
    TListItem* editing_ = nullptr;
    bool sorting_ = false;
};

// ---------------------------------------------------------------- tree view

class TTreeNodes;
class TTreeView;

class TTreeNode : public TPersistent {
    KW_CLASS(TTreeNode)
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent);
    ~TTreeNode() override;
    TTreeNodes* Owner() const { return owner_; }
    TTreeView* TreeView() const;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& t) { text_ = t; }
    void* Data() const { return data_; }
    void SetData(void* d) { data_ = d; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int i) { selectedIndex_ = i; }
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int i) { stateIndex_ = i; }
    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const { return children_.at(index); }
    bool HasChildren() const { return !children_.empty(); }
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool e) { expanded_ = e; }
    void Expand(bool recurse);
    void Collapse(bool recurse);
    int Index() const;
    int Level() const;
    int AbsoluteIndex() const;
    bool Selected() const;
    void SetSelected(bool s);
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    void Delete();

private:
    friend class TTreeNodes;
    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::vector<TTreeNode*> children_;
    std::string text_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    bool expanded_ = false;
};

class TTreeNodes : public TPersistent {
    KW_CLASS(TTreeNodes)
public:
    explicit TTreeNodes(TTreeView* owner);
    ~TTreeNodes() override;
    TTreeView* Owner() const { return owner_; }
    // All nodes, depth first.
    int Count() const;
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front(); }
    // A node after the last sibling of Sibling (a root when Sibling is none).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { if (updateCount_ > 0) --updateCount_; }

private:
    friend class TTreeNode;
    std::vector<TTreeNode*>& SiblingsOf(TTreeNode* parent);
    TTreeNode* Make(TTreeNode* parent, size_t at, const std::string& text);
    void Detach(TTreeNode* node);
    TTreeView* owner_;
    std::vector<TTreeNode*> roots_;
    int updateCount_ = 0;
};

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;

class TTreeView : public TWinControl {
    KW_CLASS(TTreeView)
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;
    TTreeNodes* Items() const { return items_; }
    TTreeNode* Selected() const { return selected_; }
    // OnChanging may refuse; then OnChange.
    void SetSelected(TTreeNode* node);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool h) { hideSelection_ = h; }
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool s) { showLines_ = s; }
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool s) { showRoot_ = s; }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool s) { showButtons_ = s; }
    bool AutoExpand() const { return autoExpand_; }
    void SetAutoExpand(bool a) { autoExpand_ = a; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* i);
    bool FocusOnClick() const override { return true; }

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVChangedEvent OnDeletion;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTreeNodes;
    friend class TTreeNode;
    TTreeNodes* items_;
    TTreeNode* selected_ = nullptr;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool showButtons_ = true;
    bool autoExpand_ = false;
    TImageList* images_ = nullptr;
};

// ---------------------------------------------------------------- tool bar

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
KW_DECLARE_ENUM(TToolButtonStyle)

class TToolBar;

class TToolButton : public TGraphicControl {
    KW_CLASS(TToolButton)
public:
    explicit TToolButton(TComponent* owner);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle s);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; Invalidate(); }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* m);
    bool Down() const { return down_; }
    void SetDown(bool d);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool g) { grouped_ = g; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool a) { allowAllUp_ = a; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool w) { wrap_ = w; }
    TToolBar* ToolBar() const;
    int Index() const;
    // A check button toggles (in a group: one down at a time), then OnClick.
    void Click() override;
    // The drop-down arrow: the menu pops up below the button.
    void ClickArrow();
    void SetParent(TWinControl* parent) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    TPopupMenu* dropdownMenu_ = nullptr;
    bool down_ = false;
    bool grouped_ = false;
    bool allowAllUp_ = false;
    bool wrap_ = false;
};

class TToolBar : public TWinControl {
    KW_CLASS(TToolBar)
public:
    explicit TToolBar(TComponent* owner);
    bool Flat() const { return flat_; }
    void SetFlat(bool f) { flat_ = f; }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int w);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int h);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* i);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool s) { showCaptions_ = s; }
    bool List() const { return list_; }
    void SetList(bool l) { list_ = l; }
    bool Wrapable() const { return wrapable_; }
    void SetWrapable(bool w) { wrapable_ = w; }
    int ButtonCount() const;
    TToolButton* Buttons(int index) const;
    // Places the buttons left to right in the order of their Left.
    void ArrangeButtons();
    void Loaded() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool flat_ = false;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    TImageList* images_ = nullptr;
    bool showCaptions_ = false;
    bool list_ = false;
    bool wrapable_ = true;
};

// ---------------------------------------------------------------- status bar

enum TStatusPanelStyle { psText, psOwnerDraw };
KW_DECLARE_ENUM(TStatusPanelStyle)
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
KW_DECLARE_ENUM(TStatusPanelBevel)

class TStatusPanel : public TCollectionItem {
    KW_CLASS(TStatusPanel)
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& t) { text_ = t; Changed(); }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; Changed(); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; Changed(); }
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle s) { style_ = s; Changed(); }
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel b) { bevel_ = b; Changed(); }
    void Assign(const TPersistent* source) override;

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelStyle style_ = psText;
    TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusBar;

class TStatusPanels : public TCollection {
    KW_CLASS(TStatusPanels)
public:
    explicit TStatusPanels(TStatusBar* owner);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
};

class TStatusBar : public TWinControl {
    KW_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;
    TStatusPanels* Panels() const { return panels_; }
    void SetPanels(TStatusPanels* p) { panels_->Assign(p); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool s) { simplePanel_ = s; }
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& t) { simpleText_ = t; Invalidate(); }
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool s) { sizeGrip_ = s; }

private:
    TStatusPanels* panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

// ---------------------------------------------------------------- animation

enum TCommonAVI { aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile,
                  aviRecycleFile, aviEmptyRecycle, aviDeleteFile };
KW_DECLARE_ENUM(TCommonAVI)

// A clip played while a long task runs; headless it only keeps its state.
class TAnimate : public TWinControl {
    KW_CLASS(TAnimate)
public:
    explicit TAnimate(TComponent* owner);
    TCommonAVI CommonAVI() const { return commonAVI_; }
    void SetCommonAVI(TCommonAVI a) { commonAVI_ = a; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& f) { fileName_ = f; }
    bool Active() const { return active_; }
    void SetActive(bool a);
    bool Center() const { return center_; }
    void SetCenter(bool c) { center_ = c; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    int Repetitions() const { return repetitions_; }
    void SetRepetitions(int r) { repetitions_ = r; }
    int StartFrame() const { return startFrame_; }
    void SetStartFrame(int f) { startFrame_ = f; }
    int StopFrame() const { return stopFrame_; }
    void SetStopFrame(int f) { stopFrame_ = f; }
    void Play(int fromFrame, int toFrame, int count);
    void Stop();
    void Loaded() override;

    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

private:
    TCommonAVI commonAVI_ = aviNone;
    std::string fileName_;
    bool active_ = false;
    bool center_ = true;
    bool transparent_ = true;
    int repetitions_ = 0;
    int startFrame_ = 1;
    int stopFrame_ = 0;
};

}  // namespace kw
