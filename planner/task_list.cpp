#include "planner/task_list.h"

#include <algorithm>

#include "base/date_format.h"
#include "planner/next_run.h"
#include "planner/selection_order.h"
#include "planner/task_cells.h"

namespace planner {

using base::TDateTime;

TaskList::TaskList(TaskGrid& grid, std::vector<TDateTime>& nextRunTimes, TDateTime& earliestTaskTime,
                   base::FormatSettings fs)
    : NextRunTimes(nextRunTimes), EarliestTaskTime(earliestTaskTime), grid_(grid), fs_(std::move(fs)) {
    FitNextRunTimes();
}

void TaskList::FitNextRunTimes() {
    NextRunTimes.resize(static_cast<size_t>(std::max(grid_.RowCount() - 1, 0)), 0.0);
}

TDateTime TaskList::CalcNextRun(int row, TDateTime now, int phase) {
    return planner::CalcNextRun(grid_, row, now, phase, fs_);
}

TDateTime TaskList::NextRun(int row) const {
    return row >= 1 && row <= static_cast<int>(NextRunTimes.size())
               ? NextRunTimes[static_cast<size_t>(row - 1)]
               : 0.0;
}

void TaskList::DeleteTaskRow(int row) {
    const int count = grid_.RowCount();
    if (row < 1 || row >= count - 1) return;
    FitNextRunTimes();
    for (int r = row; r < count - 1; ++r) SetRowCells(grid_, r, GetRowCells(grid_, r + 1));
    ClearRowCells(grid_, count - 2);
    NextRunTimes.erase(NextRunTimes.begin() + (row - 1));
    grid_.SetRowCount(count - 1);
}

void TaskList::ClearTasks() {
    grid_.SetRowCount(2);
    ClearRowCells(grid_, 1);
    NextRunTimes.assign(1, 0.0);
    grid_.SetRow(1);
}

void TaskList::DropMarkedRows() {
    // In one pass: the kept rows move up over the dropped ones, in order.
    const int count = grid_.RowCount();
    const int last = count - 2;
    int kept = 1;
    for (int r = 1; r <= last; ++r) {
        if (SameKeyword(grid_.Cell(kColDone, r), kDropRow)) continue;
        if (kept != r) {
            SetRowCells(grid_, kept, GetRowCells(grid_, r));
            NextRunTimes[static_cast<size_t>(kept - 1)] = NextRunTimes[static_cast<size_t>(r - 1)];
        }
        ++kept;
    }
    if (kept > last) return;
    // `kept` is the new spare row; it comes empty, as a deleted row leaves it.
    ClearRowCells(grid_, kept);
    NextRunTimes[static_cast<size_t>(kept - 1)] = NextRunTimes[static_cast<size_t>(count - 2)];
    NextRunTimes.resize(static_cast<size_t>(kept));
    grid_.SetRowCount(kept + 1);
}

void TaskList::RefreshTaskList(TDateTime now, int phase) {
    EarliestTaskTime = 0;
    FitNextRunTimes();
    for (int r = 1; r < grid_.RowCount(); ++r) grid_.SetCell(kColDue, r, L"");
    DropMarkedRows();

    // The rows come in the order of their next runs, as a selection sort with
    // exchanges leaves them (a row whose run lies in the past is planned again
    // before it is compared). Planning a row puts its cells right the first
    // time, so only the first round sees a different result: the rows are
    // planned at most twice and sorted in n log n steps, then moved once.
    const int last = LastTaskRow(grid_);
    if (last >= 1) SortByNextRun(last, now, phase);
    UpdateTaskNextRun(now);
    if (OnLoadEditor) OnLoadEditor();
}

void TaskList::SortByNextRun(int last, TDateTime now, int phase) {
    std::vector<TDateTime> next(NextRunTimes.begin(), NextRunTimes.begin() + last);
    for (int r = 1; r <= last; ++r)
        if (next[static_cast<size_t>(r - 1)] < now)
            next[static_cast<size_t>(r - 1)] = CalcNextRun(r, now, phase);
    SelectionOrder order(std::move(next));
    order.Place(0);
    for (int p = 1; p < last; ++p) {
        const TDateTime e = order.Keys()[static_cast<size_t>(p)];
        if (e < now) order.SetKey(p, CalcNextRun(order.Origins()[static_cast<size_t>(p)] + 1, now, phase));
    }
    for (int p = 1; p < last; ++p) order.Place(p);

    std::vector<TaskCells> rows(static_cast<size_t>(last));
    for (int p = 0; p < last; ++p)
        rows[static_cast<size_t>(p)] = GetRowCells(grid_, order.Origins()[static_cast<size_t>(p)] + 1);
    for (int p = 0; p < last; ++p) {
        if (order.Origins()[static_cast<size_t>(p)] != p)
            SetRowCells(grid_, p + 1, rows[static_cast<size_t>(p)]);
        NextRunTimes[static_cast<size_t>(p)] = order.Keys()[static_cast<size_t>(p)];
    }
}

void TaskList::RescheduleTask(int row, TDateTime now, int phase) {
    FitNextRunTimes();
    if (row < 1 || row >= grid_.RowCount()) return;
    const bool spare = IsSpareRow(grid_, row);
    const int selected = grid_.Row();

    if (SameKeyword(grid_.Cell(kColDone, row), kDropRow) && !spare) {
        DeleteTaskRow(row);
        if (selected == row) {
            if (OnLoadEditor) OnLoadEditor();
        } else if (selected > row) {
            grid_.SetRow(selected - 1);
        }
        UpdateTaskNextRun(now);
        return;
    }

    const TDateTime next = CalcNextRun(row, now, phase);
    const TaskCells cells = GetRowCells(grid_, row);
    const bool selectionOnSpare = !spare && IsSpareRow(grid_, selected);
    if (spare) {
        // The new task leaves the spare row; a fresh empty one takes its place.
        ClearRowCells(grid_, row);
        NextRunTimes[static_cast<size_t>(row - 1)] = 0;
    } else {
        DeleteTaskRow(row);
    }

    const int count = grid_.RowCount();
    int place = count - 1;
    for (int r = 1; r <= count - 2; ++r)
        if (NextRunTimes[static_cast<size_t>(r - 1)] > next) {
            place = r;
            break;
        }
    grid_.SetRowCount(count + 1);
    for (int r = count; r > place; --r) SetRowCells(grid_, r, GetRowCells(grid_, r - 1));
    SetRowCells(grid_, place, cells);
    NextRunTimes.insert(NextRunTimes.begin() + (place - 1), next);

    int newSelected;
    if (selectionOnSpare) {
        newSelected = grid_.RowCount() - 1;
    } else if (selected == row) {
        newSelected = place;
    } else {
        newSelected = selected;
        if (!spare && row < newSelected) --newSelected;
        if (place <= newSelected) ++newSelected;
    }
    grid_.SetRow(newSelected);
    UpdateTaskNextRun(now);
}

void TaskList::UpdateTaskNextRun(TDateTime now) {
    FitNextRunTimes();
    EarliestTaskTime = 0;
    for (int r = 1; r < grid_.RowCount(); ++r) grid_.SetCell(kColDue, r, L"");
    coming_.clear();

    // Right after a run of the due tasks at `now`, a row due at `now` itself
    // has had its run (a task whose one date is now keeps it as its next run).
    const bool ranNow = now == lastRunAt_;
    TDateTime earliest = 0;
    for (int r = 1; r <= LastTaskRow(grid_); ++r) {
        const TDateTime e = NextRunTimes[static_cast<size_t>(r - 1)];
        if ((ranNow ? e > now : e >= now) && earliest == 0) earliest = e;
        const bool due = (earliest > 0 && earliest <= e && e <= earliest + kDueWindow) ||
                         (IsIntervalText(grid_.Cell(kColTime, r)) && e > 0 && e < earliest);
        if (due) grid_.SetCell(kColDue, r, std::wstring(kDueMark));
        grid_.SetCell(kColNextRun, r, e > 0 ? base::FormatDateTime(L"d/mm/y tt", e, fs_) : std::wstring());
        coming_.push_back({r, ComingTaskCaption(GetRowCells(grid_, r)), due});
    }
    // Switched off, or on the way out: the per-second worker finds nothing to run.
    EarliestTaskTime = plannerOff_ || exitWalk_ ? 0 : earliest;
    if (OnComingTasks) OnComingTasks(coming_);
}

void TaskList::MarkDone(int row, TDateTime now) {
    if (SameKeyword(grid_.Cell(kColDone, row), kDeleteAfterRun))
        grid_.SetCell(kColDone, row, std::wstring(kDropRow));
    else
        grid_.SetCell(kColDone, row, base::DateTimeToStr(now, fs_));
}

void TaskList::Guarded(int row, const RunTask& run) {
    try {
        run(row);
    } catch (...) {
        if (OnTaskError) OnTaskError(row, std::current_exception());
    }
}

bool TaskList::RunDueTasks(TDateTime now, int phase, const RunTask& run, const RealAge& age) {
    if (!(EarliestTaskTime > 0 && now >= EarliestTaskTime)) return false;
    // Moved on before any task runs: a task that processes messages can start
    // a nested tick, which must find nothing due.
    const TDateTime since = EarliestTaskTime;
    EarliestTaskTime = 0;
    RunMarkedTasks(since, now, phase, run, age);
    return true;
}

void TaskList::RunMarkedTasks(TDateTime since, TDateTime now, int phase, const RunTask& run,
                              const RealAge& age) {
    EarliestTaskTime = 0;
    if (plannerOff_ || exitWalk_) return;
    lastRunAt_ = now;
    // The rows marked due at the last planning, and every row whose next run
    // lies from that planning's earliest one to now: a late tick runs all the
    // tasks it covers.
    struct Due {
        int row;
        TDateTime at;
    };
    std::vector<Due> due;
    for (int r = 1; r <= LastTaskRow(grid_); ++r) {
        const TDateTime at = NextRun(r);
        if (!grid_.Cell(kColDue, r).empty() || (since > 0 && at >= since && at <= now))
            due.push_back({r, at});
    }
    std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.at < b.at; });
    for (const Due& d : due) {
        MarkDone(d.row, now);
        // Late in real time: a wall clock moved on by daylight saving makes no task late.
        if ((age ? age(d.at) : now - d.at) < kLateLimit) Guarded(d.row, run);
    }
    const int last = due.empty() ? -1 : due.back().row;
    // A row whose next run went by unseen (the computer slept, the clock was
    // stopped) is planned again with the rest rather than left in the past.
    bool stale = false;
    for (int r = 1; r <= LastTaskRow(grid_) && !stale; ++r)
        stale = r != last && NextRun(r) > 0 && NextRun(r) < now;
    if (due.size() == 1 && !stale) {
        RescheduleTask(last, now, phase);
        return;
    }
    // Each row that ran is planned past the time it ran for, also when that
    // time is now itself or within the due window after it: it never comes due
    // twice for one time.
    for (const Due& d : due)
        if (d.row <= LastTaskRow(grid_))
            NextRunTimes[static_cast<size_t>(d.row - 1)] = CalcNextRun(d.row, std::max(now, d.at), phase);
    RefreshTaskList(now, phase);
}

int TaskList::RunExitTasks(TDateTime now, const RunTask& run) {
    if (plannerOff_) return 0;
    // From here on the worker runs nothing: a task of the walk that processes
    // messages (the shaking clock) lets timer ticks in, and they must not run
    // the exit tasks, which the refresh below marks as due, a second time.
    exitWalk_ = true;
    RefreshTaskList(now, kPhaseExit);
    std::vector<int> rows;
    for (int r = 1; r <= LastTaskRow(grid_); ++r)
        if (SameKeyword(grid_.Cell(kColTime, r), kOnExit) && NextRun(r) > 0 &&
            base::Trunc(NextRun(r)) == base::Trunc(now))
            rows.push_back(r);
    // Running a task changes only its own cells, so the rows stay where they
    // are until every exit task has run once.
    for (int r : rows) {
        MarkDone(r, now);
        Guarded(r, run);
    }
    RefreshTaskList(now, kPhaseExit);
    return static_cast<int>(rows.size());
}

void TaskList::SetPlannerOff(bool off) {
    plannerOff_ = off;
    if (off) EarliestTaskTime = 0;
}

}  // namespace planner
