#include "ui/string_grid.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/exception.h"
#include "ui/handles.h"

namespace ui {

namespace {
const std::wstring kEmpty;
}

StringGrid::StringGrid(Container* parent, std::wstring name) : Control(parent, std::move(name)) {
    width_ = 320, height_ = 120;
    parentColor_ = false;
    color_ = clWindow;
    cells_.assign(5, std::vector<std::wstring>(colCount_));
    colWidths_.assign(colCount_, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    RegisterOwnClass(L"TStringGrid", CS_DBLCLKS);
}

Control::CreateParams StringGrid::GetCreateParams() {
    CreateParams p;
    p.className = L"TStringGrid";
    p.style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL;
    p.exStyle = WS_EX_CLIENTEDGE;
    p.ownClass = true;
    return p;
}

void StringGrid::HandleCreated() {
    RECT rc;
    clientHeight_ = GetClientRect(hwnd_, &rc) ? rc.bottom : -1;
    UpdateScrollBars();
}

void StringGrid::CheckIndex(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount())
        throw Exception(L"Grid index out of range");
}

// --- the cells ---------------------------------------------------------------------

const std::wstring& StringGrid::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return kEmpty;
    return cells_[row][col];
}

void StringGrid::SetCell(int col, int row, const std::wstring& text) {
    CheckIndex(col, row);
    std::wstring& cell = cells_[row][col];
    if (cell == text) return;
    cell = text;
    // Only a cell on the screen is painted again: a grid of many rows filled
    // from code would otherwise ask for a repaint per cell.
    if (hwnd_ && RowOnScreen(row)) {
        RECT r = CellRect(col, row);
        InvalidateRect(hwnd_, &r, FALSE);
    }
}

std::vector<std::wstring> StringGrid::RowCells(int row) const {
    if (row < 0 || row >= RowCount()) return {};
    return cells_[row];
}

void StringGrid::SetRowCells(int row, const std::vector<std::wstring>& texts) {
    CheckIndex(0, row);
    auto& r = cells_[row];
    bool changed = false;
    for (int c = 0; c < colCount_; ++c) {
        const std::wstring& text = c < static_cast<int>(texts.size()) ? texts[c] : kEmpty;
        if (r[c] == text) continue;
        r[c] = text;
        changed = true;
    }
    if (changed && RowOnScreen(row)) Invalidate();
}

void StringGrid::SetColCount(int n) {
    n = std::max(n, 1);
    if (n <= fixedCols_) fixedCols_ = n - 1;
    colCount_ = n;
    for (auto& r : cells_) r.resize(n);
    colWidths_.resize(n, defaultColWidth_);
    ClampSelection();
}

void StringGrid::SetRowCount(int n) {
    n = std::max(n, 1);
    if (n <= fixedRows_) fixedRows_ = n - 1;
    cells_.resize(n, std::vector<std::wstring>(colCount_));
    rowHeights_.resize(n, defaultRowHeight_);
    ClampSelection();
}

void StringGrid::SetFixedCols(int n) {
    if (n < 0 || n >= colCount_) throw Exception(L"Fixed column count must be less than column count");
    fixedCols_ = n;
    ClampSelection();
}

void StringGrid::SetFixedRows(int n) {
    if (n < 0 || n >= RowCount()) throw Exception(L"Fixed row count must be less than row count");
    fixedRows_ = n;
    ClampSelection();
}

void StringGrid::InsertRow(int index) {
    index = std::clamp(index, 0, RowCount());
    cells_.insert(cells_.begin() + index, std::vector<std::wstring>(colCount_));
    rowHeights_.insert(rowHeights_.begin() + index, defaultRowHeight_);
    ClampSelection();
}

void StringGrid::DeleteRow(int index) {
    if (index < 0 || index >= RowCount()) throw Exception(L"Grid index out of range");
    cells_.erase(cells_.begin() + index);
    rowHeights_.erase(rowHeights_.begin() + index);
    if (cells_.empty()) {
        cells_.emplace_back(colCount_);
        rowHeights_.push_back(defaultRowHeight_);
    }
    if (RowCount() <= fixedRows_) fixedRows_ = RowCount() - 1;
    ClampSelection();
}

void StringGrid::MoveRow(int from, int to) {
    CheckIndex(0, from);
    CheckIndex(0, to);
    auto row = std::move(cells_[from]);
    cells_.erase(cells_.begin() + from);
    cells_.insert(cells_.begin() + to, std::move(row));
    int h = rowHeights_[from];
    rowHeights_.erase(rowHeights_.begin() + from);
    rowHeights_.insert(rowHeights_.begin() + to, h);
    Invalidate();
}

void StringGrid::ClampSelection() {
    int minRow = std::min(fixedRows_, RowCount() - 1), minCol = std::min(fixedCols_, colCount_ - 1);
    row_ = std::clamp(row_, minRow, RowCount() - 1);
    col_ = std::clamp(col_, minCol, colCount_ - 1);
    topRow_ = std::clamp(topRow_, minRow, std::max(minRow, MaxTopRow()));
    leftCol_ = std::clamp(leftCol_, minCol, std::max(minCol, MaxLeftCol()));
    UpdateScrollBars();
    Invalidate();
}

// --- sizes ------------------------------------------------------------------------------

int StringGrid::ColWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : defaultColWidth_;
}
int StringGrid::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? rowHeights_[row] : defaultRowHeight_;
}

void StringGrid::SetColWidth(int col, int w) {
    CheckIndex(col, 0);
    colWidths_[col] = w;
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::SetRowHeight(int row, int h) {
    CheckIndex(0, row);
    rowHeights_[row] = h;
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::SetDefaultColWidth(int w) {
    defaultColWidth_ = w;
    std::fill(colWidths_.begin(), colWidths_.end(), w);
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::SetDefaultRowHeight(int h) {
    defaultRowHeight_ = h;
    std::fill(rowHeights_.begin(), rowHeights_.end(), h);
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::SetRowSelect(bool v) {
    rowSelect_ = v;
    Invalidate();
}

static int Extent(int size) {
    return size < 0 ? 0 : size + 1;
}  // a cell and its grid line

int StringGrid::ColLeft(int col) const {
    int x = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        if (c == col) return x;
        x += Extent(colWidths_[c]);
    }
    if (col < leftCol_) return -1;
    for (int c = leftCol_; c < col; ++c) x += Extent(colWidths_[c]);
    return x;
}

int StringGrid::RowTop(int row) const {
    int y = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        if (r == row) return y;
        y += Extent(rowHeights_[r]);
    }
    if (row < topRow_) return -1;
    for (int r = topRow_; r < row; ++r) y += Extent(rowHeights_[r]);
    return y;
}

static int ClientH(HWND h, int fallback) {
    if (!h) return fallback;
    RECT rc;
    GetClientRect(h, &rc);
    return rc.bottom;
}

bool StringGrid::RowOnScreen(int row) const {
    if (!hwnd_) return false;
    if (row < fixedRows_) return true;
    if (row < topRow_) return false;
    const int height = clientHeight_ >= 0 ? clientHeight_ : ClientH(hwnd_, height_);
    int y = 0;
    for (int r = 0; r < fixedRows_ && y < height; ++r) y += Extent(rowHeights_[r]);
    for (int r = topRow_; r < row && y < height; ++r) y += Extent(rowHeights_[r]);
    return y < height;
}

RECT StringGrid::CellRect(int col, int row) const {
    int x = ColLeft(col), y = RowTop(row);
    if (x < 0 || y < 0) return RECT{0, 0, 0, 0};
    return RECT{x, y, x + std::max(ColWidth(col), 0), y + std::max(RowHeight(row), 0)};
}

static int ClientW(HWND h, int fallback) {
    if (!h) return fallback;
    RECT rc;
    GetClientRect(h, &rc);
    return rc.right;
}

int StringGrid::VisibleRowCount() const {
    int h = ClientH(hwnd_, height_);
    for (int r = 0; r < fixedRows_; ++r) h -= Extent(rowHeights_[r]);
    int n = 0;
    for (int r = topRow_; r < RowCount() && h >= Extent(rowHeights_[r]) - 1; ++r, ++n)
        h -= Extent(rowHeights_[r]);
    return std::max(n, 1);
}

int StringGrid::MaxTopRow() const {
    int h = ClientH(hwnd_, height_);
    for (int r = 0; r < fixedRows_; ++r) h -= Extent(rowHeights_[r]);
    int r = RowCount() - 1;
    while (r > fixedRows_ && h - Extent(rowHeights_[r]) >= Extent(rowHeights_[r - 1]) - 1)
        h -= Extent(rowHeights_[r--]);
    return std::max(r, fixedRows_);
}

int StringGrid::MaxLeftCol() const {
    int w = ClientW(hwnd_, width_);
    for (int c = 0; c < fixedCols_; ++c) w -= Extent(colWidths_[c]);
    int c = colCount_ - 1;
    while (c > fixedCols_ && w - Extent(colWidths_[c]) >= Extent(colWidths_[c - 1]) - 1)
        w -= Extent(colWidths_[c--]);
    return std::max(c, fixedCols_);
}

void StringGrid::SetTopRow(int row) {
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, MaxTopRow()));
    if (row == topRow_) return;
    topRow_ = row;
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::SetLeftCol(int col) {
    col = std::clamp(col, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    if (col == leftCol_) return;
    leftCol_ = col;
    UpdateScrollBars();
    Invalidate();
}

void StringGrid::UpdateScrollBars() {
    if (!hwnd_) return;
    int rows = RowCount() - fixedRows_;
    int maxTop = MaxTopRow() - fixedRows_;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(rows - 1, 0);
    si.nPage = static_cast<UINT>(std::max(rows - maxTop, 1));
    si.nPos = topRow_ - fixedRows_;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    int cols = colCount_ - fixedCols_;
    int maxLeft = MaxLeftCol() - fixedCols_;
    si.nMax = std::max(cols - 1, 0);
    si.nPage = static_cast<UINT>(std::max(cols - maxLeft, 1));
    si.nPos = leftCol_ - fixedCols_;
    SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
}

void StringGrid::ScrollInView() {
    if (row_ >= fixedRows_) {
        if (row_ < topRow_)
            SetTopRow(row_);
        else
            while (topRow_ < row_ && RowTop(row_) + RowHeight(row_) > ClientH(hwnd_, height_))
                SetTopRow(topRow_ + 1);
    }
    if (col_ >= fixedCols_) {
        if (col_ < leftCol_)
            SetLeftCol(col_);
        else
            while (leftCol_ < col_ && ColLeft(col_) + ColWidth(col_) > ClientW(hwnd_, width_)) {
                int before = leftCol_;
                SetLeftCol(leftCol_ + 1);
                if (leftCol_ == before) break;
            }
    }
}

bool StringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = row = -1;
    for (int c = 0; c < colCount_; ++c) {
        int left = ColLeft(c);
        if (left >= 0 && colWidths_[c] >= 0 && x >= left && x < left + Extent(colWidths_[c])) col = c;
    }
    for (int r = 0; r < RowCount(); ++r) {
        int top = RowTop(r);
        if (top >= 0 && rowHeights_[r] >= 0 && y >= top && y < top + Extent(rowHeights_[r])) row = r;
    }
    return col >= 0 && row >= 0;
}

bool StringGrid::FocusCell(int col, int row) {
    if (col < fixedCols_ || col >= colCount_ || row < fixedRows_ || row >= RowCount()) return false;
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(*this, col, row, canSelect);
    if (!canSelect) return false;
    col_ = col, row_ = row;
    ScrollInView();
    Invalidate();
    Click();
    return true;
}

// --- drawing and input -------------------------------------------------------------------

void StringGrid::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, CachedBrush(EffectiveColor()));
    SelectGuard font(dc, CachedFont(EffectiveFont()));
    SetBkMode(dc, TRANSPARENT);
    HPEN line = static_cast<HPEN>(GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    SelectGuard pen(dc, line);
    for (int r = 0; r < RowCount(); ++r) {
        int y = RowTop(r);
        if (y < 0 || rowHeights_[r] < 0) continue;
        if (y > client.bottom) break;
        for (int c = 0; c < colCount_; ++c) {
            int x = ColLeft(c);
            if (x < 0 || colWidths_[c] < 0) continue;
            if (x > client.right) break;
            RECT cell{x, y, x + colWidths_[c], y + rowHeights_[r]};
            bool fixed = r < fixedRows_ || c < fixedCols_;
            bool selected = !fixed && r == row_ && (rowSelect_ || c == col_);
            UINT state = (fixed ? gdFixed : 0) | (selected ? gdSelected : 0) |
                         (!fixed && r == row_ && c == col_ && GetFocus() == hwnd_ ? gdFocused : 0);
            if (defaultDrawing_) {
                FillRect(dc, &cell,
                         GetSysColorBrush(fixed      ? COLOR_BTNFACE
                                          : selected ? COLOR_HIGHLIGHT
                                                     : COLOR_WINDOW));
                SetTextColor(dc,
                             selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorToRGB(EffectiveFont().color));
                RECT t = cell;
                t.left += 2;
                DrawTextW(dc, cells_[r][c].c_str(), -1, &t,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
                if (fixed) DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
            }
            MoveToEx(dc, cell.right, cell.top, nullptr);
            LineTo(dc, cell.right, cell.bottom + 1);
            MoveToEx(dc, cell.left, cell.bottom, nullptr);
            LineTo(dc, cell.right + 1, cell.bottom);
            if (OnDrawCell) OnDrawCell(*this, c, r, dc, cell, state);
            if ((state & gdFocused) && !rowSelect_) DrawFocusRect(dc, &cell);
        }
    }
}

bool StringGrid::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    // Drawn into a bitmap first, so the grid does not flicker.
    const bool painted = PaintWholeClient(msg, result, [this](HDC dc, const RECT& rc) {
        MemoryDc mem(CreateCompatibleDC(dc));
        BitmapHandle bmp(
            CreateCompatibleBitmap(dc, std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1)));
        SelectGuard sel(mem.Get(), bmp.Get());
        Paint(mem.Get(), rc);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, mem.Get(), 0, 0, SRCCOPY);
    });
    if (painted) return true;
    switch (msg) {
        case WM_SIZE:
            clientHeight_ = HIWORD(lp);
            UpdateScrollBars();
            return false;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            break;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_VSCROLL:
        case WM_HSCROLL: {
            bool vert = msg == WM_VSCROLL;
            int pos = vert ? topRow_ : leftCol_;
            int page = vert ? VisibleRowCount() : 1;
            switch (LOWORD(wp)) {
                case SB_LINEUP:
                    --pos;
                    break;
                case SB_LINEDOWN:
                    ++pos;
                    break;
                case SB_PAGEUP:
                    pos -= page;
                    break;
                case SB_PAGEDOWN:
                    pos += page;
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    pos = ScrollTrackPos(hwnd_, vert ? SB_VERT : SB_HORZ) + (vert ? fixedRows_ : fixedCols_);
                    break;
                default:
                    return true;
            }
            if (vert)
                SetTopRow(pos);
            else
                SetLeftCol(pos);
            return true;
        }
        case WM_MOUSEWHEEL:
            SetTopRow(topRow_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3);
            return true;
        case WM_LBUTTONDOWN: {
            SetFocus();
            int c, r;
            if (MouseToCell(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), c, r)) FocusCell(c, r);
            break;
        }
        case WM_KEYDOWN: {
            if (Control::HandleMessage(msg, wp, lp, result)) return true;  // OnKeyDown may swallow the key
            int c = col_, r = row_;
            switch (wp) {
                case VK_UP:
                    --r;
                    break;
                case VK_DOWN:
                    ++r;
                    break;
                case VK_LEFT:
                    if (!rowSelect_) --c;
                    break;
                case VK_RIGHT:
                    if (!rowSelect_) ++c;
                    break;
                case VK_PRIOR:
                    r -= VisibleRowCount();
                    break;
                case VK_NEXT:
                    r += VisibleRowCount();
                    break;
                case VK_HOME:
                    r = fixedRows_;
                    break;
                case VK_END:
                    r = RowCount() - 1;
                    break;
                default:
                    return false;
            }
            r = std::clamp(r, fixedRows_, RowCount() - 1);
            c = std::clamp(c, fixedCols_, colCount_ - 1);
            while (c < colCount_ - 1 && colWidths_[c] < 0) ++c;
            if (c != col_ || r != row_) FocusCell(c, r);
            return true;
        }
    }
    return Control::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
