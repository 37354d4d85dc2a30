// Shared helpers of the planner tests: a fixed Russian format profile, dates,
// and task rows put into a table.
#pragma once

#include <string>

#include "base/date_format.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "planner/task_cells.h"
#include "planner/task_grid.h"

namespace planner_test {

inline const base::FormatSettings& Fs() {
    static const base::FormatSettings fs = base::RussianWindowsProfile();
    return fs;
}

inline base::TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return base::EncodeDateTime(y, mo, d, h, mi, s, 0);
}

inline std::wstring Text(base::TDateTime value) {
    return base::FormatDateTime(L"dd.mm.yyyy hh:nn:ss", value, Fs());
}

// Adds a task row (day, time, description) before the spare row; returns its index.
inline int AddTask(planner::TaskGrid& grid, const std::wstring& day, const std::wstring& time,
                   const std::wstring& description = L"x", const std::wstring& done = L"") {
    const int row = grid.RowCount() - 1;
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCell(planner::kColDay, row, day);
    grid.SetCell(planner::kColTime, row, time);
    grid.SetCell(planner::kColDescription, row, description);
    grid.SetCell(planner::kColDone, row, done);
    return row;
}

}  // namespace planner_test
