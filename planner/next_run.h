// The next run of one task row, from its day and time cells.
#pragma once

#include "base/date_time.h"
#include "base/format_settings.h"
#include "planner/task_grid.h"

namespace planner {

// The settings window's phase: start tasks are planned only while it loads,
// exit tasks only while the program closes.
constexpr int kPhaseRunning = 0;
constexpr int kPhaseStart = 1;
constexpr int kPhaseExit = 10;

// Start and exit tasks run this long after they are planned.
constexpr double kStartExitDelay = 2.0 / base::kSecsPerDay;

// The next run of `row` as seen at `now` in `phase`; 0 when there is none.
// An unreadable time cell is cleared, an unreadable day cell becomes
// "*Ежедневно" (both are written back into the grid).
base::TDateTime CalcNextRun(TaskGrid& grid, int row, base::TDateTime now, int phase,
                            const base::FormatSettings& fs);

}  // namespace planner
