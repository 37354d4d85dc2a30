// A grid of text cells. The cells live in the control (they are the data of
// the task, work-log and hot-key tables); the window draws them with fixed
// header rows and columns, scrolls, and lets the user pick a cell or a row.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// Drawing state bits of OnDrawCell.
constexpr UINT gdSelected = 1, gdFocused = 2, gdFixed = 4;

class StringGrid : public Control {
  public:
    StringGrid(Container* parent, std::wstring name);

    int ColCount() const { return colCount_; }
    void SetColCount(int n);
    int RowCount() const { return static_cast<int>(cells_.size()); }
    // Keeps the cells of the remaining rows; new rows are empty.
    void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);

    // Reading outside the grid gives ""; writing outside throws ui::Exception.
    const std::wstring& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::wstring& text);
    std::vector<std::wstring> RowCells(int row) const;
    // Sets the row's cells from the first column on (extra texts are dropped).
    void SetRowCells(int row, const std::vector<std::wstring>& texts);
    void InsertRow(int index);
    void DeleteRow(int index);
    void MoveRow(int from, int to);

    // The current cell. Moving it (by code, mouse or keys) asks OnSelectCell
    // and then raises OnClick.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col) { FocusCell(col, row_); }
    void SetRow(int row) { FocusCell(col_, row); }
    bool FocusCell(int col, int row);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v);

    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int w);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int h);
    // A width of -1 hides the column.
    int ColWidth(int col) const;
    void SetColWidth(int col, int w);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int h);
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int col);
    int VisibleRowCount() const;
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v) { defaultDrawing_ = v; }
    // The cell at a client point; false when the point is on no cell.
    bool MouseToCell(int x, int y, int& col, int& row) const;
    RECT CellRect(int col, int row) const;

    std::function<void(Component& sender, int col, int row, bool& canSelect)> OnSelectCell;
    // After the default drawing (when DefaultDrawing): state holds gd* bits.
    std::function<void(Component& sender, int col, int row, HDC dc, const RECT& rect, UINT state)> OnDrawCell;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    void Paint(HDC dc, const RECT& client);
    void UpdateScrollBars();
    void ScrollInView();
    void ClampSelection();
    int ColLeft(int col) const;  // client x of a column's left edge, or -1 when scrolled away
    int RowTop(int row) const;
    // Whether the row is (partly) inside the client area.
    bool RowOnScreen(int row) const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void CheckIndex(int col, int row) const;

    std::vector<std::vector<std::wstring>> cells_;
    std::vector<int> colWidths_, rowHeights_;
    int colCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int col_ = 1, row_ = 1, topRow_ = 1, leftCol_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    bool rowSelect_ = false, defaultDrawing_ = true;
    // The client area's height, kept from WM_SIZE: a grid of many rows filled
    // from code asks for it once per cell.
    int clientHeight_ = -1;
};

}  // namespace ui
