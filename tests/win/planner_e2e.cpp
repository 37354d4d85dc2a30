// The planner in the whole program under Wine: a task of a prepared
// TasksList.tsk falls due and shows its reminder, and the tasks set to run at
// exit run once each when the program closes, before the task file is written.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/string_list.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/program_runner.h"

using namespace testing_support;
using namespace planner;

namespace {

int AddRow(TaskTable& grid, const std::wstring& day, const std::wstring& time,
           const std::wstring& description) {
    const int row = grid.RowCount() - 1;
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCell(kColDay, row, day);
    grid.SetCell(kColTime, row, time);
    grid.SetCell(kColDescription, row, description);
    return row;
}

void WriteTasks(const std::filesystem::path& dir, const TaskTable& grid) {
    base::WriteFileBytes(dir / L"TasksList.tsk", TaskFileBytes(grid));
}

TaskTable ReadTasks(const std::filesystem::path& dir) {
    TaskTable grid;
    LoadTaskFile(dir / L"TasksList.tsk", grid);
    return grid;
}

// The row whose description text (after its flag) is `text`, or -1.
int FindRow(const TaskTable& grid, const std::wstring& text) {
    for (int r = 1; r < grid.RowCount(); ++r)
        if (DescriptionText(grid.Cell(kColDescription, r)) == text) return r;
    return -1;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring MonthNotNow(int offset) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return std::wstring(MonthAbbreviations()[(st.wMonth - 1 + offset) % 12]);
}

}  // namespace

TEST(PlannerInTheProgram, TaskDueAfterStartShowsItsReminderAndIsMarkedDone) {
    ScratchDir dir(L"planner-due");
    TaskTable grid;
    const int row = AddRow(grid, L"*Ежедневно", L"1Через 0:00:04", std::wstring(1, L'\x01') + L"Звонок");
    grid.SetCell(kColMessage, row, std::wstring(1, L'\x01') + L"Напоминание|\"Позвонить маме\"");
    WriteTasks(dir.Path(), grid);
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        HWND reminder = program.WaitForWindow(L"TfrmMessage", 20000);
        ASSERT_NE(reminder, nullptr) << "no reminder window appeared";
        // The window is made first and given the task's title after.
        for (int i = 0; i < 100 && WindowText(reminder) != L"Напоминание"; ++i) Sleep(50);
        EXPECT_EQ(WindowText(reminder), L"Напоминание");
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const TaskTable saved = ReadTasks(dir.Path());
    const int r = FindRow(saved, L"Звонок");
    ASSERT_GE(r, 1);
    SYSTEMTIME st;
    GetLocalTime(&st);
    const std::wstring done = saved.Cell(kColDone, r);
    EXPECT_NE(done.find(std::to_wstring(st.wYear)), std::wstring::npos)
        << "run time in the Выполнено cell: " << done;
    EXPECT_EQ(saved.Cell(kColNextRun, r), L"") << "a one-time task has no next run after its run";
}

TEST(PlannerInTheProgram, ExitTasksRunOnceEachAndTheFileIsWritten) {
    ScratchDir dir(L"planner-exit");
    const std::filesystem::path script = dir.Path() / L"append run.cmd";
    // Each task writes a file of its own: two scripts running at once must not share one.
    base::WriteFileBytes(script, "@echo %1>>\"%~dp0run-%1.txt\"\r\n");
    auto runItem = [&](const std::wstring& mark) {
        return BuildListCell(0, {script.wstring() + L"|" + mark});
    };
    TaskTable grid;
    int r = AddRow(grid, L"*Ежедневно", L"Выход", std::wstring(1, L'\0') + L"Первая");
    grid.SetCell(kColFiles, r, runItem(L"A"));
    r = AddRow(grid, L"*Ежедневно", L"Выход", std::wstring(1, L'\0') + L"Вторая");
    grid.SetCell(kColFiles, r, runItem(L"B"));
    grid.SetCell(kColDone, r, L"Удаление");
    r = AddRow(grid, L"*Месяцы:" + MonthNotNow(6), L"Выход", std::wstring(1, L'\0') + L"Не сегодня");
    grid.SetCell(kColFiles, r, runItem(L"C"));
    r = AddRow(grid, L"*Ежедневно", L"23:59:59", std::wstring(1, L'\0') + L"Вечер");
    grid.SetCell(kColMessage, r, std::wstring(1, L'\x01') + L"Спать");
    WriteTasks(dir.Path(), grid);
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    // The scripts run on their own after the program has gone.
    auto runs = [&](const wchar_t* mark) {
        const std::filesystem::path file = dir.Path() / (std::wstring(L"run-") + mark + L".txt");
        base::StringList lines;
        if (std::filesystem::exists(file)) lines.LoadFromFile(file);
        return lines.Count();
    };
    for (int i = 0; i < 100 && (runs(L"A") == 0 || runs(L"B") == 0); ++i) Sleep(100);
    Sleep(1000);
    EXPECT_EQ(runs(L"A"), 1);
    EXPECT_EQ(runs(L"B"), 1);
    EXPECT_EQ(runs(L"C"), 0) << "not its month";

    const TaskTable saved = ReadTasks(dir.Path());
    EXPECT_EQ(saved.RowCount(), 5) << "header, three tasks, spare row";
    const int first = FindRow(saved, L"Первая");
    ASSERT_GE(first, 1);
    EXPECT_FALSE(saved.Cell(kColDone, first).empty());
    EXPECT_EQ(FindRow(saved, L"Вторая"), -1) << "run once and dropped";
    const int later = FindRow(saved, L"Не сегодня");
    ASSERT_GE(later, 1);
    EXPECT_EQ(saved.Cell(kColDone, later), L"");
    EXPECT_GE(FindRow(saved, L"Вечер"), 1);
    EXPECT_EQ(GetRowCells(saved, saved.RowCount() - 1), TaskCells{});
}
