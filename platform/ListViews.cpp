// The list view of ComCtrls.h: columns, items, selection, sorting and
// in-place caption editing.
#include <algorithm>

#include "platform/ClassBuilder.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace kw {

KW_DEFINE_ENUM(TItemChange, "ctText", "ctImage", "ctState")
KW_DEFINE_ENUM(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")
KW_DEFINE_ENUM(TSortType, "stNone", "stData", "stText", "stBoth")

// ---------------------------------------------------------------- columns

KW_BEGIN_CLASS(TListColumn, TCollectionItem)
    b.Prop("Caption", TypeCaption(), &TListColumn::Caption, &TListColumn::SetCaption);
    b.Prop("Width", &TListColumn::Width, &TListColumn::SetWidth);
    b.Prop("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment);
    b.Prop("AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize);
    b.Prop("MinWidth", &TListColumn::MinWidth, &TListColumn::SetMinWidth);
    b.Prop("MaxWidth", &TListColumn::MaxWidth, &TListColumn::SetMaxWidth);
    b.Prop("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex);
KW_END_CLASS(TListColumn)

void TListColumn::Assign(const TPersistent* source) {
    auto c = dynamic_cast<const TListColumn*>(source);
    if (!c) return TCollectionItem::Assign(source);
    caption_ = c->caption_;
    width_ = c->width_;
    alignment_ = c->alignment_;
    autoSize_ = c->autoSize_;
    minWidth_ = c->minWidth_;
    maxWidth_ = c->maxWidth_;
    imageIndex_ = c->imageIndex_;
    Changed();
}

KW_BEGIN_CLASS(TListColumns, TCollection)
KW_END_CLASS(TListColumns)

TListColumns::TListColumns(TListView* owner) : TCollection(owner, [](TCollection* c) { return new TListColumn(c); }) {}

// ---------------------------------------------------------------- items

KW_BEGIN_CLASS(TListItem, TPersistent)
    b.Prop("Caption", TypeCaption(), &TListItem::Caption, &TListItem::SetCaption);
    b.Object("SubItems", &TListItem::SubItems, &TListItem::SetSubItems);
    b.Prop("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex);
    b.Prop("Selected", &TListItem::Selected, &TListItem::SetSelected);
    b.Prop("Checked", &TListItem::Checked, &TListItem::SetChecked);
KW_END_CLASS(TListItem)

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(new TStringList) {
    subItems_->OnChange = TNotifyEvent::Of<&TListItem::SubItemsChanged>(this);
}

TListItem::~TListItem() {
    if (owner_) {
        TListView* view = owner_->owner_;
        if (view->editing_ == this) view->editing_ = nullptr;
        auto& items = owner_->items_;
        const auto index = items.indexOf(this);
        if (index >= 0) items.erase(static_cast<std::size_t>(index));
    }
    delete subItems_;
}

TListView* TListItem::ListView() const { return owner_ ? owner_->owner_ : nullptr; }

int TListItem::Index() const { return owner_ ? owner_->IndexOf(this) : -1; }

void TListItem::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    if (TListView* view = ListView()) view->ItemChanged(this, ctText);
}

void TListItem::SubItemsChanged(TObject*) {
    if (TListView* view = ListView()) view->ItemChanged(this, ctText);
}

void TListItem::SetImageIndex(int i) {
    if (i == imageIndex_) return;
    imageIndex_ = i;
    if (TListView* view = ListView()) view->ItemChanged(this, ctImage);
}

void TListItem::SetSelected(bool s) {
    if (s == selected_) return;
    TListView* view = ListView();
    if (view) {
        bool allow = true;
        view->OnChanging(view, this, ctState, allow);
        if (!allow) return;
        if (s && !view->multiSelect_)
            for (TListItem* other : owner_->items_)
                if (other != this && other->selected_) other->SetSelected(false);
    }
    selected_ = s;
    if (view) {
        view->OnChange(view, this, ctState);
        view->OnSelectItem(view, this, s);
    }
}

void TListItem::SetFocused(bool f) {
    if (f && owner_)
        for (TListItem* other : owner_->items_) other->focused_ = false;
    focused_ = f;
}

void TListItem::Delete() {
    if (owner_)
        owner_->Delete(Index());
    else
        delete this;
}

bool TListItem::EditCaption() {
    TListView* view = ListView();
    return view && view->BeginEdit(this);
}

void TListItem::Assign(const TPersistent* source) {
    auto item = dynamic_cast<const TListItem*>(source);
    if (!item) return TPersistent::Assign(source);
    caption_ = item->caption_;
    subItems_->Assign(item->subItems_);
    imageIndex_ = item->imageIndex_;
    checked_ = item->checked_;
    data_ = item->data_;
}

KW_BEGIN_CLASS(TListItems, TPersistent)
KW_END_CLASS(TListItems)

TListItems::TListItems(TListView* owner) : owner_(owner) {}

TListItems::~TListItems() {
    while (!items_.empty()) {
        TListItem* item = items_[items_.size() - 1];
        items_.erase(items_.size() - 1);
        item->owner_ = nullptr;
        delete item;
    }
}

TListItem* TListItems::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[index];
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
    index = std::clamp(index, 0, Count());
    auto* item = new TListItem(this);
    items_.insert(static_cast<std::size_t>(index), item);
    owner_->Invalidate();
    return item;
}

void TListItems::Delete(int index) {
    TListItem* item = Item(index);
    owner_->OnDeletion(owner_, item);
    delete item;
    owner_->Invalidate();
}

void TListItems::Clear() {
    BeginUpdate();
    while (!items_.empty()) Delete(Count() - 1);
    EndUpdate();
}

int TListItems::IndexOf(const TListItem* item) const {
    return static_cast<int>(items_.indexOf(item));
}

void TListItems::BeginUpdate() { ++updateCount_; }

void TListItems::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) {
        owner_->SortIfNeeded();
        owner_->Invalidate();
    }
}

void TListItems::Assign(const TPersistent* source) {
    auto other = dynamic_cast<const TListItems*>(source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    BeginUpdate();
    Clear();
    for (TListItem* item : other->items_) Add()->Assign(item);
    EndUpdate();
}

// ---------------------------------------------------------------- list view

KW_BEGIN_CLASS(TListView, TWinControl)
    b.Object("Columns", &TListView::Columns, &TListView::SetColumns);
    b.Object("Items", &TListView::Items, &TListView::SetItems);
    b.Prop("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle);
    b.Prop("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect);
    b.Prop("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect);
    b.Prop("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly);
    b.Prop("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection);
    b.Prop("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders);
    b.Prop("ColumnClick", &TListView::ColumnClick, &TListView::SetColumnClick);
    b.Prop("Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes);
    b.Prop("GridLines", &TListView::GridLines, &TListView::SetGridLines);
    b.Prop("SortType", &TListView::SortType, &TListView::SetSortType);
    b.Prop("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages);
    b.Prop("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages);
    b.Event("OnCompare", "TLVCompareEvent", &TListView::OnCompare);
    b.Event("OnColumnClick", "TLVColumnClickEvent", &TListView::OnColumnClick);
    b.Event("OnSelectItem", "TLVSelectItemEvent", &TListView::OnSelectItem);
    b.Event("OnChange", "TLVChangeEvent", &TListView::OnChange);
    b.Event("OnChanging", "TLVChangingEvent", &TListView::OnChanging);
    b.Event("OnEditing", "TLVEditingEvent", &TListView::OnEditing);
    b.Event("OnEdited", "TLVEditedEvent", &TListView::OnEdited);
    b.Event("OnDeletion", "TLVDeletedEvent", &TListView::OnDeletion);
    b.Creatable();
KW_END_CLASS(TListView)

TListView::TListView(TComponent* owner)
    : TWinControl(owner), columns_(new TListColumns(this)), items_(new TListItems(this)) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
    columns_->OnUpdate = [this](TCollectionItem*) { Invalidate(); };
}

TListView::~TListView() {
    BeforeDestruction();
    delete items_;
    delete columns_;
}

void TListView::SetViewStyle(TViewStyle v) {
    viewStyle_ = v;
    Changed(TControlChange::State);
}

void TListView::SetSortType(TSortType s) {
    sortType_ = s;
    SortIfNeeded();
}

void TListView::SetLargeImages(TImageList* i) {
    largeImages_ = i;
    if (i) i->FreeNotification(this);
}

void TListView::SetSmallImages(TImageList* i) {
    smallImages_ = i;
    if (i) i->FreeNotification(this);
}

void TListView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == largeImages_) largeImages_ = nullptr;
    if (component == smallImages_) smallImages_ = nullptr;
}

TListItem* TListView::Selected() const {
    for (TListItem* item : items_->items_)
        if (item->selected_) return item;
    return nullptr;
}

void TListView::SetSelected(TListItem* item) {
    if (!item) {
        ClearSelection();
        return;
    }
    for (TListItem* other : std::vector<TListItem*>(items_->items_.begin(), items_->items_.end()))
        if (other != item && other->selected_) other->SetSelected(false);
    item->SetSelected(true);
}

int TListView::ItemIndex() const {
    TListItem* item = Selected();
    return item ? item->Index() : -1;
}

void TListView::SetItemIndex(int index) { SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr); }

int TListView::SelCount() const {
    return static_cast<int>(
        std::count_if(items_->items_.begin(), items_->items_.end(), [](TListItem* i) { return i->selected_; }));
}

TListItem* TListView::ItemFocused() const {
    for (TListItem* item : items_->items_)
        if (item->focused_) return item;
    return nullptr;
}

void TListView::ClearSelection() {
    for (TListItem* item : std::vector<TListItem*>(items_->items_.begin(), items_->items_.end()))
        if (item->selected_) item->SetSelected(false);
}

TListItem* TListView::GetNextSelected(TListItem* start) const {
    const int from = start ? start->Index() + 1 : 0;
    if (from >= items_->Count()) return nullptr;
    auto it = items_->items_.begin();
    std::advance(it, from);
    for (; it != items_->items_.end(); ++it)
        if ((*it)->selected_) return *it;
    return nullptr;
}

int TListView::Compare(TListItem* a, TListItem* b) {
    if (OnCompare.Assigned()) {
        int result = 0;
        OnCompare(this, a, b, 0, result);
        return result;
    }
    int c = 0;
    if (sortType_ == stData || sortType_ == stBoth) c = a->data_ < b->data_ ? -1 : a->data_ > b->data_ ? 1 : 0;
    if (c == 0 && sortType_ != stData) c = CompareText(a->caption_, b->caption_);
    return c;
}

bool TListView::CustomSort(const std::function<int(TListItem*, TListItem*)>& compare) {
    std::vector<TListItem*> items(items_->items_.begin(), items_->items_.end());
    sorting_ = true;
    if (compare)
        std::stable_sort(items.begin(), items.end(), [&](TListItem* a, TListItem* b) { return compare(a, b) < 0; });
    else
        std::stable_sort(items.begin(), items.end(), [&](TListItem* a, TListItem* b) { return Compare(a, b) < 0; });
    items_->items_.assign(items);
    sorting_ = false;
    Invalidate();
    return true;
}

bool TListView::AlphaSort() { return CustomSort(nullptr); }

void TListView::SortIfNeeded() {
    if (sortType_ == stNone || sorting_ || items_->UpdateCount() > 0) return;
    AlphaSort();
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (items_->UpdateCount() > 0) return;
    if (change == ctText) SortIfNeeded();
    OnChange(this, item, change);
    Invalidate();
}

bool TListView::BeginEdit(TListItem* item) {
    if (readOnly_ || !item) return false;
    bool allow = true;
    OnEditing(this, item, allow);
    if (!allow) return false;
    editing_ = item;
    return true;
}

void TListView::EndEdit(const std::string& text, bool accept) {
    TListItem* item = editing_;
    if (!item) return;
    editing_ = nullptr;
    if (!accept) return;
    std::string s = text;
    OnEdited(this, item, s);
    item->SetCaption(s);
}

void TListView::ClickItem(int index, TShiftState shift) {
    if (CanFocus() && !Focused()) {
        if (GetParentForm(this) && GetParentForm(this)->Visible()) SetFocus();
    }
    if (index < 0 || index >= items_->Count()) {
        ClearSelection();
        Click();
        return;
    }
    TListItem* item = items_->Item(index);
    if (multiSelect_ && (shift & SS_CTRL))
        item->SetSelected(!item->selected_);
    else
        SetSelected(item);
    item->SetFocused(true);
    Click();
}

void TListView::ClickColumn(int index) {
    if (!columnClick_ || index < 0 || index >= columns_->Count()) return;
    OnColumnClick(this, columns_->Items(index));
}

void TListView::KeyDown(uint16_t& key, TShiftState shift) {
    int index = ItemIndex();
    switch (key) {
        case VK_DOWN:
            if (index + 1 < items_->Count()) ClickItem(index + 1);
            break;
        case VK_UP:
            if (index > 0) ClickItem(index - 1);
            break;
        case VK_F2:
            if (TListItem* item = ItemFocused() ? ItemFocused() : Selected()) item->EditCaption();
            break;
        default:
            break;
    }
}

}  // namespace kw
