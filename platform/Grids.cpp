#include "platform/Grids.h"

#include <algorithm>

#include "platform/ClassBuilder.h"

namespace kw {

KW_DEFINE_ENUM(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
               "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
               "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking")

const TTypeInfo* TypeGridOptions() {
    static auto t = MakeSetType("TGridOptions", TypeInfoOf(static_cast<TGridOption*>(nullptr)));
    return t;
}

KW_BEGIN_CLASS(TDrawGrid, TCustomControl)
    b.Prop("ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount);
    b.Prop("RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount);
    b.Prop("FixedCols", &TDrawGrid::FixedCols, &TDrawGrid::SetFixedCols);
    b.Prop("FixedRows", &TDrawGrid::FixedRows, &TDrawGrid::SetFixedRows);
    b.Prop("Options", TypeGridOptions(), &TDrawGrid::Options, &TDrawGrid::SetOptions);
    b.Prop("DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth);
    b.Prop("DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight);
    b.Event("OnSelectCell", "TSelectCellEvent", &TDrawGrid::OnSelectCell);
    b.Creatable();
KW_END_CLASS(TDrawGrid)

TDrawGrid::TDrawGrid(TComponent* owner)
    : TCustomControl(owner),
      options_((1u << goFixedVertLine) | (1u << goFixedHorzLine) | (1u << goVertLine) | (1u << goHorzLine) |
               (1u << goRangeSelect)),
      colWidths_(5, 64),
      rowHeights_(5, 24) {
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
}

void TDrawGrid::SetColCount(int n) {
    n = std::max(n, 1);
    colCount_ = n;
    colWidths_.resize(n, defaultColWidth_);
    fixedCols_ = std::min(fixedCols_, n - 1);
    col_ = std::clamp(col_, fixedCols_, n - 1);
}

void TDrawGrid::SetRowCount(int n) {
    n = std::max(n, 1);
    rowCount_ = n;
    rowHeights_.resize(n, defaultRowHeight_);
    fixedRows_ = std::min(fixedRows_, n - 1);
    row_ = std::clamp(row_, fixedRows_, n - 1);
}

void TDrawGrid::SetFixedCols(int n) {
    if (n >= colCount_ && !(ComponentState() & csLoading)) throw EInvalidOperation("Fixed column count must be less than column count");
    fixedCols_ = std::max(n, 0);
    col_ = std::max(col_, fixedCols_);
}

void TDrawGrid::SetFixedRows(int n) {
    if (n >= rowCount_ && !(ComponentState() & csLoading)) throw EInvalidOperation("Fixed row count must be less than row count");
    fixedRows_ = std::max(n, 0);
    row_ = std::max(row_, fixedRows_);
}

void TDrawGrid::SetDefaultColWidth(int w) {
    defaultColWidth_ = w;
    std::fill(colWidths_.begin(), colWidths_.end(), w);
}

void TDrawGrid::SetDefaultRowHeight(int h) {
    defaultRowHeight_ = h;
    std::fill(rowHeights_.begin(), rowHeights_.end(), h);
}

bool TDrawGrid::SelectCell(int col, int row) {
    bool can = true;
    OnSelectCell(this, col, row, can);
    return can;
}

bool TDrawGrid::MoveTo(int col, int row) {
    if (col < fixedCols_ || col >= colCount_ || row < fixedRows_ || row >= rowCount_) return false;
    if (col == col_ && row == row_) return true;
    if (!SelectCell(col, row)) return false;
    col_ = col;
    row_ = row;
    Invalidate();
    return true;
}

bool TDrawGrid::WantsKey(uint16_t key, TShiftState shift) const { return key == VK_TAB && HasOption(goTabs); }

void TDrawGrid::KeyDown(uint16_t& key, TShiftState shift) {
    switch (key) {
        case VK_LEFT: MoveTo(col_ - 1, row_); break;
        case VK_RIGHT: MoveTo(col_ + 1, row_); break;
        case VK_UP: MoveTo(col_, row_ - 1); break;
        case VK_DOWN: MoveTo(col_, row_ + 1); break;
        case VK_HOME: MoveTo(fixedCols_, row_); break;
        case VK_END: MoveTo(colCount_ - 1, row_); break;
        case VK_TAB:
            if (shift & SS_SHIFT) {
                if (!MoveTo(col_ - 1, row_)) MoveTo(colCount_ - 1, row_ - 1);
            } else if (!MoveTo(col_ + 1, row_)) {
                MoveTo(fixedCols_, row_ + 1);
            }
            break;
        case VK_F2: SetEditorMode(true); break;
        default: break;
    }
}

KW_BEGIN_CLASS(TStringGrid, TDrawGrid)
    b.Event("OnSetEditText", "TSetEditEvent", &TStringGrid::OnSetEditText);
    b.Creatable();
KW_END_CLASS(TStringGrid)

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) { Resize(ColCount(), RowCount()); }

void TStringGrid::Resize(int cols, int rows) {
    cells_.resize(rows);
    objects_.resize(rows);
    for (auto& row : cells_) row.resize(cols);
    for (auto& row : objects_) row.resize(cols, nullptr);
}

void TStringGrid::SetColCount(int n) {
    TDrawGrid::SetColCount(n);
    Resize(ColCount(), RowCount());
}

void TStringGrid::SetRowCount(int n) {
    TDrawGrid::SetRowCount(n);
    Resize(ColCount(), RowCount());
}

const std::string& TStringGrid::Cells(int col, int row) const {
    static const std::string none;
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return none;
    return cells_[row][col];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
    cells_[row][col] = text;
    Invalidate();
}

TObject* TStringGrid::Objects(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return nullptr;
    return objects_[row][col];
}

void TStringGrid::SetObjects(int col, int row, TObject* object) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
    objects_[row][col] = object;
}

std::vector<std::string> TStringGrid::Rows(int row) const {
    if (row < 0 || row >= RowCount()) return {};
    return cells_[row];
}

std::vector<std::string> TStringGrid::Cols(int col) const {
    std::vector<std::string> out;
    if (col < 0 || col >= ColCount()) return out;
    for (auto& row : cells_) out.push_back(row[col]);
    return out;
}

void TStringGrid::KeyPress(char& ch) {
    if (!HasOption(goEditing)) return;
    unsigned char c = static_cast<unsigned char>(ch);
    std::string text = Cells(Col(), Row());
    if (!EditorMode()) {
        if (c < 32) return;
        SetEditorMode(true);
        text.clear();  // typing into a cell replaces its text
    }
    if (c == 8) {
        if (!text.empty()) text.pop_back();
    } else if (c >= 32) {
        text += ch;
    } else {
        return;
    }
    SetCells(Col(), Row(), text);
    OnSetEditText(this, Col(), Row(), text);
}

}  // namespace kw
