#include "planner/task_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "planner/next_run.h"
#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

const base::TDateTime kWed10 = planner_test::At(2024, 3, 13, 10, 0, 0);
constexpr double kSecond = 1.0 / base::kSecsPerDay;

struct Planner {
    TaskTable grid;
    std::vector<base::TDateTime> nextRunTimes;
    base::TDateTime earliestTaskTime = 0;
    TaskList list{grid, nextRunTimes, earliestTaskTime, Fs()};
    int editorLoads = 0;
    std::vector<ComingTask> menu;
    Planner() {
        list.OnLoadEditor = [this] { ++editorLoads; };
        list.OnComingTasks = [this](const std::vector<ComingTask>& items) { menu = items; };
    }
    std::wstring Desc(int row) const { return grid.Cell(kColDescription, row); }
    std::vector<std::wstring> Order() const {
        std::vector<std::wstring> order;
        for (int r = 1; r <= LastTaskRow(grid); ++r) order.push_back(Desc(r));
        return order;
    }
};

using Order = std::vector<std::wstring>;

}  // namespace

TEST(RefreshTaskList, SortsByNextRunWithTasksWithoutRunFirst) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    AddTask(p.grid, L"*Ежедневно", L"Запуск", L"start");
    AddTask(p.grid, L"*Ежедневно", L"10:30:00", L"half past");
    AddTask(p.grid, L"*Ежедневно", L"9:00:00", L"tomorrow");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"start", L"half past", L"noon", L"tomorrow"}));
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"");
    EXPECT_EQ(p.grid.Cell(kColNextRun, 2), L"13.03.24 10:30:00");
    EXPECT_EQ(p.grid.Cell(kColDue, 2), L"->");
    EXPECT_EQ(p.grid.Cell(kColDue, 3), L"");
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, At(2024, 3, 13, 10, 30, 0));
    EXPECT_EQ(p.list.NextRunTimes.size(), 5u);
    EXPECT_EQ(p.editorLoads, 1);
    EXPECT_TRUE(p.grid.Cell(kColDescription, 5).empty()) << "the spare row stays last and empty";
}

TEST(RefreshTaskList, StartTasksArePlannedWhileLoading) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    AddTask(p.grid, L"*Ежедневно", L"Запуск", L"start");
    p.list.RefreshTaskList(kWed10, kPhaseStart);
    EXPECT_EQ(p.Order(), (Order{L"start", L"noon"}));
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, kWed10 + 2 * kSecond);
    EXPECT_EQ(p.grid.Cell(kColDue, 1), L"->");
}

TEST(RefreshTaskList, DropsEveryRowMarkedForDeletion) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"a");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"b", L"Удалить");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"c", L"Удалить");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"d", L"Удаление");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"a", L"d"}));
    EXPECT_EQ(p.grid.RowCount(), 4);
    EXPECT_EQ(p.list.NextRunTimes.size(), 3u);
}

TEST(RefreshTaskList, FutureRunsAreKeptAndEqualTimesKeepTheirOrder) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"first");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"second");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"first", L"second"}));
    // A future entry is not computed again, even when the cells changed.
    p.grid.SetCell(kColTime, 1, L"11:00:00");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"13.03.24 12:00:00");
}

TEST(UpdateTaskNextRun, RowsWithinHalfASecondAreDueTogether) {
    Planner p;
    for (const wchar_t* d : {L"a", L"b", L"c"}) AddTask(p.grid, L"*Ежедневно", L"12:00:00", d);
    p.list.NextRunTimes = {kWed10 + 60 * kSecond, kWed10 + 60.4 * kSecond, kWed10 + 60.6 * kSecond, 0};
    p.list.UpdateTaskNextRun(kWed10);
    EXPECT_EQ(p.grid.Cell(kColDue, 1), L"->");
    EXPECT_EQ(p.grid.Cell(kColDue, 2), L"->");
    EXPECT_EQ(p.grid.Cell(kColDue, 3), L"");
    ASSERT_EQ(p.menu.size(), 3u);
    EXPECT_TRUE(p.menu[0].due);
    EXPECT_FALSE(p.menu[2].due);
}

TEST(UpdateTaskNextRun, PastRowsAreNotEarliest) {
    Planner p;
    AddTask(p.grid, L"01.03.2024", L"9:00:00", L"past");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"past", L"noon"}));
    EXPECT_EQ(p.grid.Cell(kColDue, 1), L"");
    EXPECT_EQ(p.grid.Cell(kColDue, 2), L"->");
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, At(2024, 3, 13, 12, 0, 0));
}

TEST(UpdateTaskNextRun, ComingTaskCaptions) {
    Planner p;
    const int r = AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"");
    p.grid.SetCell(kColMessage, r, L"\x07<tt>|Позвонить маме");
    p.grid.SetCell(kColSounds, r, L"*ding.wav");
    const int s = AddTask(p.grid, L"*Ежедневно", L"13:00:00", L"");
    p.grid.SetCell(kColMessage, s, L"\x01\"Очень длинное напоминание о важном деле\"");
    const int t = AddTask(p.grid, L"*Ежедневно", L"14:00:00", L"\x02");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    ASSERT_EQ(p.menu.size(), 3u);
    EXPECT_EQ(p.menu[0].caption, L"12:00:00 Позвонить маме|*ding.wav");
    EXPECT_EQ(p.menu[1].caption, L"13:00:00 \"Очень длинное напоминание...");
    EXPECT_EQ(p.menu[2].caption, L"14:00:00 ");
    EXPECT_EQ(p.menu[0].row, r);
    (void)t;
}

TEST(RescheduleTask, MovesTheRowAfterRowsOfTheSameTime) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"11:00:00", L"a");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"b");
    AddTask(p.grid, L"*Ежедневно", L"13:00:00", L"c");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    p.grid.SetRow(2);
    p.grid.SetCell(kColTime, 1, L"12:00:00");
    p.list.RescheduleTask(1, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"b", L"a", L"c"}));
    EXPECT_EQ(p.grid.Row(), 1) << "the selection stays on b";
    p.grid.SetRow(2);
    p.grid.SetCell(kColTime, 2, L"15:00:00");
    p.list.RescheduleTask(2, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"b", L"c", L"a"}));
    EXPECT_EQ(p.grid.Row(), 3) << "the selection follows the moved row";
    EXPECT_EQ(p.grid.Cell(kColNextRun, 3), L"13.03.24 15:00:00");
}

TEST(RescheduleTask, SelectionShiftsWhenTheRowPassesIt) {
    Planner p;
    for (int h = 11; h <= 14; ++h)
        AddTask(p.grid, L"*Ежедневно", std::to_wstring(h) + L":00:00", std::to_wstring(h));
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    p.grid.SetRow(3);  // "13"
    p.grid.SetCell(kColTime, 1, L"15:00:00");
    p.list.RescheduleTask(1, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Desc(p.grid.Row()), L"13");
    p.grid.SetCell(kColTime, 4, L"10:30:00");
    p.list.RescheduleTask(4, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"11", L"12", L"13", L"14"}));
    EXPECT_EQ(p.Desc(p.grid.Row()), L"13");
    p.grid.SetRow(5);  // the spare row
    p.grid.SetCell(kColTime, 1, L"10:45:00");
    p.list.RescheduleTask(1, kWed10, kPhaseRunning);
    EXPECT_EQ(p.grid.Row(), 5) << "the selection stays on the spare row";
}

TEST(RescheduleTask, NewTaskFromTheSpareRowJoinsTheList) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"11:00:00", L"a");
    AddTask(p.grid, L"*Ежедневно", L"13:00:00", L"c");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    const int spare = p.grid.RowCount() - 1;
    p.grid.SetRow(spare);
    p.grid.SetCell(kColDay, spare, L"*Ежедневно");
    p.grid.SetCell(kColTime, spare, L"12:00:00");
    p.grid.SetCell(kColDescription, spare, L"b");
    p.list.RescheduleTask(spare, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"a", L"b", L"c"}));
    EXPECT_EQ(p.grid.RowCount(), 5);
    EXPECT_EQ(GetRowCells(p.grid, 4), TaskCells{}) << "a fresh spare row";
    EXPECT_EQ(p.grid.Row(), 2);
    EXPECT_EQ(p.list.NextRunTimes.size(), 4u);
    EXPECT_DOUBLE_EQ(p.list.NextRunTimes[3], 0.0);
}

TEST(RescheduleTask, RowMarkedForDroppingGoes) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"11:00:00", L"a", L"Удалить");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"b");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);  // drops a already
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"c");
    p.list.NextRunTimes.resize(3, 0);
    p.grid.SetCell(kColDone, 1, L"Удалить");
    p.grid.SetRow(2);
    const int loads = p.editorLoads;
    p.list.RescheduleTask(1, kWed10, kPhaseRunning);
    EXPECT_EQ(p.Order(), (Order{L"c"}));
    EXPECT_EQ(p.grid.Row(), 1) << "the selection moves up with its row";
    EXPECT_EQ(p.editorLoads, loads);
    p.grid.SetCell(kColDone, 1, L"Удалить");
    p.list.RescheduleTask(1, kWed10, kPhaseRunning);
    EXPECT_EQ(p.grid.RowCount(), 2);
    EXPECT_EQ(p.editorLoads, loads + 1) << "the selected row went: the editor reloads";
}

TEST(DeleteTaskRow, NeverTheSpareRow) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"11:00:00", L"a");
    p.list.DeleteTaskRow(2);
    EXPECT_EQ(p.grid.RowCount(), 3);
    p.list.DeleteTaskRow(1);
    EXPECT_EQ(p.grid.RowCount(), 2);
    EXPECT_EQ(p.list.NextRunTimes.size(), 1u);
    p.list.ClearTasks();
    EXPECT_EQ(p.grid.RowCount(), 2);
}

TEST(RunDueTasks, RunsTheMarkedRowAndReschedulesIt) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"due");
    AddTask(p.grid, L"*Ежедневно", L"11:00:00", L"later");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    std::vector<std::wstring> ran;
    auto run = [&](int r) { ran.push_back(p.Desc(r)); };
    EXPECT_FALSE(p.list.RunDueTasks(kWed10 + 29 * kSecond, kPhaseRunning, run));
    const base::TDateTime now = kWed10 + 30.2 * kSecond;
    EXPECT_TRUE(p.list.RunDueTasks(now, kPhaseRunning, run));
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"due"}));
    EXPECT_EQ(p.Order(), (Order{L"later", L"due"}));
    EXPECT_EQ(p.grid.Cell(kColDone, 2), L"13.03.2024 10:00:30");
    EXPECT_EQ(p.grid.Cell(kColNextRun, 2), L"14.03.24 10:00:30");
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, At(2024, 3, 13, 11, 0, 0));
    EXPECT_FALSE(p.list.RunDueTasks(now, kPhaseRunning, run)) << "nothing due twice";
}

TEST(RunDueTasks, TwoDueRowsBothRunThenTheListIsRefreshed) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"a", L"Удаление");
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"b");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    std::vector<std::wstring> ran;
    const int loads = p.editorLoads;
    p.list.RunDueTasks(kWed10 + 31 * kSecond, kPhaseRunning, [&](int r) { ran.push_back(p.Desc(r)); });
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(p.Order(), (Order{L"b"})) << "a ran and was dropped";
    EXPECT_EQ(p.editorLoads, loads + 1) << "refreshed as a whole";
}

TEST(RunDueTasks, LateTaskIsMarkedButNotRun) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"late");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    int runs = 0;
    const base::TDateTime now = At(2024, 3, 13, 10, 5, 31);
    p.list.RunDueTasks(now, kPhaseRunning, [&](int) { ++runs; });
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(p.grid.Cell(kColDone, 1), L"13.03.2024 10:05:31");
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"14.03.24 10:00:30");
    p.list.RunDueTasks(At(2024, 3, 14, 10, 5, 29), kPhaseRunning, [&](int) { ++runs; });
    EXPECT_EQ(runs, 1) << "just under five minutes late still runs";
}

TEST(RunDueTasks, FailingTaskIsReportedAndTheOthersGoOn) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"bad");
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"good");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    std::vector<int> failed;
    p.list.OnTaskError = [&](int row, std::exception_ptr) { failed.push_back(row); };
    std::vector<std::wstring> ran;
    p.list.RunDueTasks(kWed10 + 30.2 * kSecond, kPhaseRunning, [&](int r) {
        if (p.Desc(r) == L"bad") throw std::runtime_error("undecodable picture");
        ran.push_back(p.Desc(r));
    });
    EXPECT_EQ(failed, (std::vector<int>{1}));
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"good"}));
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"14.03.24 10:00:30") << "rescheduled all the same";
    EXPECT_EQ(p.grid.Cell(kColNextRun, 2), L"14.03.24 10:00:30");
}

TEST(RunDueTasks, RowsMissedWhileAsleepArePlannedAgain) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:30", L"morning");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    // The computer wakes at 13:00: the morning task is due (late), noon went by unseen.
    p.list.RunDueTasks(At(2024, 3, 13, 13, 0, 0), kPhaseRunning, [](int) {});
    EXPECT_EQ(p.Order(), (Order{L"morning", L"noon"}));
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"14.03.24 10:00:30");
    EXPECT_EQ(p.grid.Cell(kColNextRun, 2), L"14.03.24 12:00:00");
}

TEST(RunDueTasks, StartTaskRunsOnceAfterLoading) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"Запуск", L"start");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    p.list.RefreshTaskList(kWed10, kPhaseStart);
    int runs = 0;
    p.list.RunDueTasks(kWed10 + 2.2 * kSecond, kPhaseRunning, [&](int) { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(p.Order(), (Order{L"start", L"noon"}));
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"");
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, At(2024, 3, 13, 12, 0, 0));
}

TEST(RunExitTasks, EachExitTaskOfTodayRunsExactlyOnce) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"exit1");
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"exit2", L"Удаление");
    AddTask(p.grid, L"*Ежемесячно; Дни:Пт", L"Выход", L"friday");
    AddTask(p.grid, L"*Ежедневно", L"12:00:00", L"noon");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    std::vector<std::wstring> ran;
    const int count = p.list.RunExitTasks(kWed10, [&](int r) { ran.push_back(p.Desc(r)); });
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"exit1", L"exit2"}));
    EXPECT_EQ(p.Order(), (Order{L"exit1", L"noon", L"friday"})) << "exit2 was dropped";
    EXPECT_EQ(p.grid.Cell(kColDone, 1), L"13.03.2024 10:00:00");
}

TEST(RunExitTasks, ExitTaskOnAMatchingDayOfASchedulePlansForMidnightAndRuns) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"daily");
    AddTask(p.grid, L"*Ежемесячно; Дни:Ср", L"Выход", L"wednesday");
    std::vector<std::wstring> ran;
    p.list.RunExitTasks(kWed10, [&](int r) { ran.push_back(p.Desc(r)); });
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"wednesday", L"daily"})) << "the start of the day comes first";
    EXPECT_EQ(p.grid.Cell(kColNextRun, 1), L"13.03.24 0:00:00");
    EXPECT_EQ(p.grid.Cell(kColNextRun, 2), L"13.03.24 10:00:02");
}

TEST(RunExitTasks, WorkerTicksDuringTheWalkRunNothing) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"shaking", L"Удаление");
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"reminder");
    AddTask(p.grid, L"*Ежедневно", L"10:00:03", L"soon");
    p.list.RefreshTaskList(kWed10, kPhaseRunning);
    std::vector<std::wstring> ran;
    auto run = [&](int r) { ran.push_back(p.Desc(r)); };
    p.list.RunExitTasks(kWed10, [&](int r) {
        run(r);
        // The shaking clock processes messages for seconds: the per-second
        // worker ticks inside the run, after the exit tasks' planned moment.
        for (int s = 1; s <= 6; ++s) p.list.RunDueTasks(kWed10 + s * kSecond, kPhaseExit, run);
    });
    EXPECT_EQ(ran, (std::vector<std::wstring>{L"shaking", L"reminder"}));
    EXPECT_EQ(p.Order(), (Order{L"reminder", L"soon"})) << "the row to delete after its run is gone";
    EXPECT_EQ(p.grid.Cell(kColDone, 2), L"") << "the later task was not run either";
    EXPECT_EQ(p.list.EarliestTaskTime, 0.0) << "nothing more runs on the way out";
}

TEST(PlannerOff, NoRunsWhateverPlansTheListButRunsByHandStillWork) {
    Planner p;
    AddTask(p.grid, L"*Ежедневно", L"10:00:04", L"daily");
    AddTask(p.grid, L"*Ежедневно", L"Выход", L"exit");
    p.list.SetPlannerOff(true);
    p.list.RefreshTaskList(kWed10, kPhaseStart);
    EXPECT_EQ(p.list.EarliestTaskTime, 0.0);
    int runs = 0;
    EXPECT_FALSE(p.list.RunDueTasks(kWed10 + 5 * kSecond, kPhaseRunning, [&](int) { ++runs; }));
    p.list.RunMarkedTasks(kWed10 + 4 * kSecond, kWed10 + 5 * kSecond, kPhaseRunning, [&](int) { ++runs; });
    p.list.RescheduleTask(1, kWed10 + 5 * kSecond, kPhaseRunning);
    EXPECT_EQ(p.list.EarliestTaskTime, 0.0);
    EXPECT_EQ(p.list.RunExitTasks(kWed10 + 6 * kSecond, [&](int) { ++runs; }), 0);
    EXPECT_EQ(runs, 0);
    for (int r = 1; r <= LastTaskRow(p.grid); ++r) EXPECT_EQ(p.grid.Cell(kColDone, r), L"") << r;

    // Switched on again: planned from now.
    p.list.SetPlannerOff(false);
    p.list.RefreshTaskList(kWed10 + 7 * kSecond, kPhaseRunning);
    EXPECT_DOUBLE_EQ(p.list.EarliestTaskTime, At(2024, 3, 14, 10, 0, 4));
}
