// The next run of a task row: any day and time cells at any moment and phase,
// up to the last day of the calendar, give a run or none without fault, and a
// run within the calendar; the cells it rewrites (an unreadable
// time, an unreadable day) stay as they were left by a second computation,
// which, when nothing was rewritten, gives the same run.
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_grid.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const base::FormatSettings fs;
    const int phases[] = {planner::kPhaseRunning, planner::kPhaseStart, planner::kPhaseExit};
    const int phase = phases[in.IntIn(0, 2)];
    const double now = in.IntIn(2, 2958465) + in.IntIn(0, 86399000) / 86400000.0;
    planner::TaskTable grid;
    grid.SetRowCount(3);
    planner::TaskCells cells;
    for (int c = planner::kColDay; c < planner::kTaskColCount; ++c)
        cells[static_cast<std::size_t>(c)] = in.Text();
    if (cells[planner::kColDescription].empty()) cells[planner::kColDescription] = L"\x02задача";
    planner::SetRowCells(grid, 1, cells);

    const double first = planner::CalcNextRun(grid, 1, now, phase, fs);
    FUZZ_CHECK(std::isfinite(first));  // a date of an early year may lie before 1899
    FUZZ_CHECK(first == 0 || base::DecodeDate(first).year != 0);
    const planner::TaskCells after = planner::GetRowCells(grid, 1);
    const double second = planner::CalcNextRun(grid, 1, now, phase, fs);
    FUZZ_CHECK(std::isfinite(second));
    FUZZ_CHECK(planner::GetRowCells(grid, 1) == after);
    if (after == cells) FUZZ_CHECK(second == first);
    return 0;
}
