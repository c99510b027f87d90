// Grids: a draw grid of cells with fixed rows and columns, and the string
// grid that keeps a text (and an object) per cell.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace kw {

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                   goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
                   goAlwaysShowEditor, goThumbTracking };
KW_DECLARE_ENUM(TGridOption)
using TGridOptions = uint32_t;
const TTypeInfo* TypeGridOptions();

using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
using TSetEditEvent = TEvent<TObject*, int, int, const std::string&>;

class TDrawGrid : public TCustomControl {
    KW_CLASS(TDrawGrid)
public:
    explicit TDrawGrid(TComponent* owner);
    int ColCount() const { return colCount_; }
    virtual void SetColCount(int n);
    int RowCount() const { return rowCount_; }
    virtual void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);
    int Col() const { return col_; }
    void SetCol(int c) { MoveTo(c, row_); }
    int Row() const { return row_; }
    void SetRow(int r) { MoveTo(col_, r); }
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions o) { options_ = o; }
    bool HasOption(TGridOption o) const { return (options_ >> o) & 1; }
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int w);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int h);
    int ColWidths(int col) const { return colWidths_.at(col); }
    void SetColWidths(int col, int w) { colWidths_.at(col) = w; }
    int RowHeights(int row) const { return rowHeights_.at(row); }
    void SetRowHeights(int row, int h) { rowHeights_.at(row) = h; }
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool m) { editorMode_ = m && HasOption(goEditing); }
    // Moves the current cell when OnSelectCell allows it; false otherwise.
    bool MoveTo(int col, int row);
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    bool FocusOnClick() const override { return true; }

    TSelectCellEvent OnSelectCell;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    virtual bool SelectCell(int col, int row);

private:
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int col_ = 1;
    int row_ = 1;
    TGridOptions options_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    bool editorMode_ = false;
};

class TStringGrid : public TDrawGrid {
    KW_CLASS(TStringGrid)
public:
    explicit TStringGrid(TComponent* owner);
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    TObject* Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject* object);
    std::vector<std::string> Rows(int row) const;
    std::vector<std::string> Cols(int col) const;
    void SetColCount(int n) override;
    void SetRowCount(int n) override;

    TSetEditEvent OnSetEditText;

protected:
    void KeyPress(char& ch) override;

private:
    void Resize(int cols, int rows);
    std::vector<std::vector<std::string>> cells_;  // [row][col]
    std::vector<std::vector<TObject*>> objects_;
};

}  // namespace kw
