#include "planner/task_grid.h"

#include <algorithm>
#include <stdexcept>

#include "planner/task_cells.h"

namespace planner {

TaskCells GetRowCells(const TaskGrid& grid, int row) {
    TaskCells cells;
    for (int c = 0; c < kTaskColCount; ++c) cells[c] = grid.Cell(c, row);
    return cells;
}

void SetRowCells(TaskGrid& grid, int row, const TaskCells& cells) {
    for (int c = 0; c < kTaskColCount; ++c) grid.SetCell(c, row, cells[c]);
}

void ClearRowCells(TaskGrid& grid, int row) {
    SetRowCells(grid, row, TaskCells{});
}

TaskTable::TaskTable() : rows_(2) {
    for (int c = 0; c < kTaskColCount; ++c) rows_[0][c] = std::wstring(TaskHeaderCells()[c]);
}

void TaskTable::SetRowCount(int count) {
    rows_.resize(static_cast<size_t>(std::max(count, 1)));
    row_ = std::clamp(row_, std::min(1, RowCount() - 1), RowCount() - 1);
}

std::wstring TaskTable::Cell(int col, int row) const {
    if (col < 0 || col >= kTaskColCount || row < 0 || row >= RowCount()) return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TaskTable::SetCell(int col, int row, const std::wstring& text) {
    if (col < 0 || col >= kTaskColCount || row < 0 || row >= RowCount())
        throw std::out_of_range("task cell out of range");
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
}

void TaskTable::SetRow(int row) {
    row_ = std::clamp(row, std::min(1, RowCount() - 1), RowCount() - 1);
}

}  // namespace planner
