// The list of the selection panel: TVelListView.
#include <algorithm>

#include "controls/SelectPnl.h"
#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

// The text of a row in a column: the caption in column 0, sub-item c - 1 in
// column c (empty when there is none).
const std::string NoText;

const std::string& RowText(const TListItem* item, int column) {
    if (column == 0) return item->Caption();
    const TStrings& sub = *item->SubItems();
    return column >= 1 && column - 1 < sub.Count() ? sub[column - 1] : NoText;
}

const std::string& ValueText(const std::vector<std::string>& values, int column) {
    return column >= 0 && column < static_cast<int>(values.size()) ? values[column] : NoText;
}

}  // namespace

KW_BEGIN_CLASS(TVelListView, TListView)
    b.Prop("ColumnsAutoSize", &TVelListView::ColumnsAutoSize, &TVelListView::SetColumnsAutoSize);
    b.Creatable();
KW_END_CLASS(TVelListView)

TVelListView::TVelListView(TComponent* owner) : TListView(owner) {
    OnDeletion = TLVDeletedEvent::Of<&TVelListView::RowDeleted>(this);
}

void TVelListView::RowDeleted(TObject*, TListItem*) { ForgetRowState(); }

void TVelListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!Focused()) return;
    }
    TListView::MouseDown(button, shift, x, y);
}

void TVelListView::SetCheckDuplicate(TCheckDuplicate rule) {
    checkDuplicate_ = rule;
    ForgetRowState();
}

void TVelListView::SetKeepSorted(bool value) {
    keepSorted_ = value;
    ForgetRowState();
}

void TVelListView::SetSortOrder(int column, bool ascending) {
    sortColumn_ = column;
    sortAscending_ = ascending;
    ForgetRowState();
}

bool TVelListView::SameCaption(const TListItem* a, const TListItem* b) const {
    return checkDuplicate_ == cd_CheckCase ? a->Caption() == b->Caption()
                                           : SameText(a->Caption(), b->Caption());
}

void TVelListView::RemoveDuplicates() {
    if (checkDuplicate_ == cd_None) return;
    TListItems& rows = *Items();
    for (int i = rows.Count() - 1; i >= 1; --i)
        if (SameCaption(rows[i], rows[i - 1])) rows.Delete(i);
}

void TVelListView::SortRows() {
    const int column = sortColumn_;
    const bool ascending = sortAscending_;
    CustomSort([column, ascending](TListItem* a, TListItem* b) {
        return CompareRowsBy(a, b, RowText, column, ascending);
    });
}

void TVelListView::ClearRows() {
    Items()->Clear();
    stateKnown_ = true;
    knownCount_ = 0;
    widestRow_ = 0;
    textLengths_.clear();
}

// After the first row that sorts after the new one, so equal rows keep the
// order in which they came.
int TVelListView::InsertionIndex(const std::vector<std::string>& values) const {
    if (!keepSorted_) return Items()->Count();
    int low = 0, high = Items()->Count();
    while (low < high) {
        const int mid = (low + high) / 2;
        const TListItem* row = Items()->Item(mid);
        const int c = CompareRowsBy(
            0, 1,
            [&](int which, int column) -> const std::string& {
                return which == 0 ? ValueText(values, column) : RowText(row, column);
            },
            sortColumn_, sortAscending_);
        if (c < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

void TVelListView::PadRows(int subItems) {
    for (int i = 0; i < Items()->Count(); ++i) {
        TStrings& sub = *Items()->Item(i)->SubItems();
        while (sub.Count() < subItems) sub.Add("");
    }
}

void TVelListView::NoteTextWidths(const TListItem* item) {
    const size_t columns = std::max<size_t>(Columns()->Count(), item->SubItems()->Count() + 1);
    if (textLengths_.size() < columns) textLengths_.resize(columns, 0);
    for (size_t c = 0; c < columns; ++c)
        textLengths_[c] = std::max(textLengths_[c], RowText(item, static_cast<int>(c)).size());
}

// Order, duplicates, sub-item counts and text widths over all rows, when the
// rows changed by other means since the last AddRow.
void TVelListView::RestoreRowState() {
    if (stateKnown_ && knownCount_ == Items()->Count()) return;
    if (keepSorted_) SortRows();
    RemoveDuplicates();
    widestRow_ = 0;
    for (int i = 0; i < Items()->Count(); ++i) widestRow_ = std::max(widestRow_, Items()->Item(i)->SubItems()->Count());
    PadRows(widestRow_);
    textLengths_.clear();
    for (int i = 0; i < Items()->Count(); ++i) NoteTextWidths(Items()->Item(i));
    stateKnown_ = true;
    knownCount_ = Items()->Count();
}

bool TVelListView::AddRow(const std::vector<std::string>& values) {
    if (values.empty()) return false;
    addingRow_ = true;
    try {
        RestoreRowState();
        const int n = static_cast<int>(values.size()) - 1;
        while (Columns()->Count() <= n) Columns()->Add()->SetCaption("Data" + IntToStr(Columns()->Count()));

        const int at = InsertionIndex(values);
        TListItem* row = Items()->Insert(at);
        row->SetCaption(values[0]);
        for (int i = 1; i <= n; ++i) row->SubItems()->Add(values[i]);

        if (n > widestRow_) {
            widestRow_ = n;
            PadRows(widestRow_);
        } else {
            while (row->SubItems()->Count() < widestRow_) row->SubItems()->Add("");
        }

        // The rows around the new one were no neighbours with equal captions
        // before; the later of an equal pair goes, as a walk over all rows
        // from the last one would delete it.
        bool removed = false;
        if (checkDuplicate_ != cd_None) {
            if (at + 1 < Items()->Count() && SameCaption(Items()->Item(at + 1), row)) {
                Items()->Delete(at + 1);
                removed = true;
            }
            if (at > 0 && SameCaption(row, Items()->Item(at - 1))) {
                Items()->Delete(at);
                row = nullptr;
                removed = true;
            }
        }
        knownCount_ = Items()->Count();
        if (removed) {
            textLengths_.clear();
            for (int i = 0; i < Items()->Count(); ++i) NoteTextWidths(Items()->Item(i));
        } else {
            NoteTextWidths(row);
        }
        if (columnsAutoSize_) ApplyColumnWidths();
    } catch (const std::exception&) {
        addingRow_ = false;
        stateKnown_ = false;
        return false;
    }
    addingRow_ = false;
    return true;
}

void TVelListView::ApplyColumnWidths() {
    const int w = TextExtent("W").cx;
    for (int c = 0; c < Columns()->Count(); ++c) {
        TListColumn* column = Columns()->Items(c);
        const size_t rows = c < static_cast<int>(textLengths_.size()) ? textLengths_[c] : 0;
        column->SetWidth(w * static_cast<int>(std::max(rows, column->Caption().size())));
    }
}

void TVelListView::AutoSizeColumns() {
    textLengths_.clear();
    for (int i = 0; i < Items()->Count(); ++i) NoteTextWidths(Items()->Item(i));
    ApplyColumnWidths();
}

// ---------------------------------------------------------------- edits and check box

KW_BEGIN_CLASS(TVelMaskEdit, TMaskEdit)
    b.Creatable();
KW_END_CLASS(TVelMaskEdit)

TVelMaskEdit::TVelMaskEdit(TComponent* owner) : TMaskEdit(owner) {}

void TVelMaskEdit::Change() {
    if (!SuppressChange) TMaskEdit::Change();
}

KW_BEGIN_CLASS(TVelCheckBox, TBitCheckBox)
    b.Creatable();
KW_END_CLASS(TVelCheckBox)

TVelCheckBox::TVelCheckBox(TComponent* owner) : TBitCheckBox(owner) {}

}  // namespace kw
