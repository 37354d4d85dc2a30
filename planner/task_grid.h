// The cells the planner keeps its tasks in: one row per task, eleven text
// cells per row (the settings window's task grid). Row 0 is the header, the
// last row is always the spare row for a new task.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace planner {

constexpr int kTaskColCount = 11;
using TaskCells = std::array<std::wstring, kTaskColCount>;

// What the planner needs of a grid. The settings window adapts its string grid
// to this; tests use TaskTable.
class TaskGrid {
  public:
    virtual ~TaskGrid() = default;
    virtual int RowCount() const = 0;
    // New rows come empty; the selection stays inside the grid.
    virtual void SetRowCount(int count) = 0;
    virtual std::wstring Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::wstring& text) = 0;
    // The selected row (the task shown in the editor).
    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
};

TaskCells GetRowCells(const TaskGrid& grid, int row);
void SetRowCells(TaskGrid& grid, int row, const TaskCells& cells);
void ClearRowCells(TaskGrid& grid, int row);
// The last task row is RowCount()-2; RowCount()-1 is the spare row.
inline int LastTaskRow(const TaskGrid& grid) {
    return grid.RowCount() - 2;
}
inline bool IsSpareRow(const TaskGrid& grid, int row) {
    return row == grid.RowCount() - 1;
}

// An in-memory grid: header row and the spare row when fresh.
class TaskTable final : public TaskGrid {
  public:
    TaskTable();
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    void SetRowCount(int count) override;
    std::wstring Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::wstring& text) override;
    int Row() const override { return row_; }
    void SetRow(int row) override;

  private:
    std::vector<TaskCells> rows_;
    int row_ = 1;
};

}  // namespace planner
