// The next run of one task row, from its day and time cells.
#pragma once

#include <string_view>
#include <utility>

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

// The date in a day cell that does not begin with "*", as CalcNextRun at `now`
// reads it: the short date of `fs`, a year of two digits or none taken near
// `now`'s year, blanks around it skipped. False when the cell holds no date.
bool ReadDayDate(std::wstring_view day, base::TDateTime now, const base::FormatSettings& fs,
                 base::TDateTime& date);
// Whether CalcNextRun reads a time cell as a time: a time of day (blanks
// around it skipped), "Через " or "1Через " and an interval it can read,
// "Запуск" or "Выход". An empty cell, which it plans as "Запуск", is none.
bool ReadsAsTaskTime(std::wstring_view time, const base::FormatSettings& fs);

// ReadDayDate and ReadsAsTaskTime as tests of a text alone: what tells a task
// file's first row from its header (LoadTaskFileBytes).
class ScheduleCellReader {
  public:
    ScheduleCellReader(base::FormatSettings fs, base::TDateTime now) : fs_(std::move(fs)), now_(now) {}
    bool ReadsAsDate(std::wstring_view day) const;
    bool ReadsAsTime(std::wstring_view time) const { return ReadsAsTaskTime(time, fs_); }

  private:
    base::FormatSettings fs_;
    base::TDateTime now_;
};

}  // namespace planner
