// The task list as a whole: the next runs parallel to the rows, the sorted
// order, the due marks, the coming-task menu entries, and the runs of due
// tasks and exit tasks. The clock and the phase come in as arguments.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/format_settings.h"
#include "planner/task_grid.h"

namespace planner {

// Half a second: rows due this close to the earliest one run with it.
constexpr double kDueWindow = 0.5 / base::kSecsPerDay;
// A due task whose time lies this far back in real time is only marked, not run.
constexpr double kLateLimit = 5.0 / 1440.0;

// How long ago, in real time (days), the wall clock read a local date-time:
// the lateness of a task due then. Empty: the wall clock is taken for real time.
using RealAge = std::function<double(base::TDateTime local)>;

struct ComingTask {
    int row = 0;
    std::wstring caption;
    bool due = false;  // shown as the menu's default item
};

class TaskList {
  public:
    // The next runs and the earliest one live where the program keeps them
    // (the main unit's globals); the list works on them.
    TaskList(TaskGrid& grid, std::vector<base::TDateTime>& nextRunTimes, base::TDateTime& earliestTaskTime,
             base::FormatSettings fs);

    TaskGrid& Grid() { return grid_; }
    const TaskGrid& Grid() const { return grid_; }
    const base::FormatSettings& Settings() const { return fs_; }
    void SetSettings(base::FormatSettings fs) { fs_ = std::move(fs); }

    // Entry r-1 is the next run of row r; 0 = none. Kept at RowCount()-1 entries.
    std::vector<base::TDateTime>& NextRunTimes;
    // The earliest next run that was not in the past at the last UpdateTaskNextRun; 0 = none.
    base::TDateTime& EarliestTaskTime;

    // Fill the editor from the selected row (after a refresh, or when the
    // selected row was dropped).
    std::function<void()> OnLoadEditor;
    // The coming tasks changed (UpdateTaskNextRun ran): rebuild the menu.
    std::function<void(const std::vector<ComingTask>&)> OnComingTasks;
    // A task's run failed; the run of the other tasks goes on.
    std::function<void(int row, std::exception_ptr error)> OnTaskError;

    base::TDateTime CalcNextRun(int row, base::TDateTime now, int phase);
    base::TDateTime NextRun(int row) const;

    // Removes a task row and its next run (never the spare row).
    void DeleteTaskRow(int row);
    // Every task row goes: header and spare row stay.
    void ClearTasks();
    // Drop the rows marked "Удалить", recompute the past next runs, sort,
    // mark, list the coming tasks, reload the editor.
    void RefreshTaskList(base::TDateTime now, int phase);
    // After a run or an edit of one row: drop it when marked "Удалить", else
    // move it to its sorted place (after rows of the same time).
    void RescheduleTask(int row, base::TDateTime now, int phase);
    // Due marks, EarliestTaskTime, next-run texts, coming tasks.
    void UpdateTaskNextRun(base::TDateTime now);
    const std::vector<ComingTask>& ComingTasks() const { return coming_; }

    using RunTask = std::function<void(int row)>;
    // The per-second worker's planner step: when EarliestTaskTime has come,
    // marks the "Выполнено" cell of every due row, runs those less than five
    // minutes late in real time (each in its own guard), then reschedules.
    // True when anything was due.
    bool RunDueTasks(base::TDateTime now, int phase, const RunTask& run, const RealAge& age = {});
    // The same step after its gate (the caller has found EarliestTaskTime come
    // at `since` and set it to 0): the rows marked due and every row due from
    // `since` to `now` run once each, in the order of their times; then each
    // is planned past the time it ran for, and the list is planned again.
    void RunMarkedTasks(base::TDateTime since, base::TDateTime now, int phase, const RunTask& run,
                        const RealAge& age = {});
    // The exit sequence: plans the exit tasks, runs each one whose next run is
    // today exactly once, then drops the rows marked "Удалить". Returns the
    // number of tasks run.
    int RunExitTasks(base::TDateTime now, const RunTask& run);

    // The "Выполнено" cell after a run: "Удалить" for "Удаление", else now as text.
    void MarkDone(int row, base::TDateTime now);

    // The planner switched off: EarliestTaskTime stays 0 whatever plans the
    // list, and neither due tasks nor exit tasks run (a run by hand still does).
    void SetPlannerOff(bool off);
    bool PlannerOff() const { return plannerOff_; }
    // True from the start of the exit walk on: the worker runs no task any more.
    bool ExitWalkStarted() const { return exitWalk_; }

  private:
    void FitNextRunTimes();
    // Drops the rows marked "Удалить" as DeleteTaskRow does, all in one pass.
    void DropMarkedRows();
    // Task rows 1..last in the order of their next runs (the past ones planned again).
    void SortByNextRun(int last, base::TDateTime now, int phase);
    void Guarded(int row, const RunTask& run);

    TaskGrid& grid_;
    base::FormatSettings fs_;
    std::vector<ComingTask> coming_;
    bool plannerOff_ = false;
    bool exitWalk_ = false;
    // The tick of the last run of due tasks: a run at that moment has run
    // every task due up to it, so a planning then looks for a later one.
    base::TDateTime lastRunAt_ = 0;
};

}  // namespace planner
