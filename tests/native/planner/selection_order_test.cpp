// The planner's order of tasks: the n log n sort leaves the rows exactly as the
// selection sort with exchanges did, ties and rows planned again included.
#include "planner/selection_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "planner/next_run.h"
#include "planner/task_list.h"
#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

// The selection sort with exchanges, step by step.
std::pair<std::vector<double>, std::vector<int>> SelectionSorted(std::vector<double> keys) {
    std::vector<int> origins(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) origins[i] = static_cast<int>(i);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            if (keys[j] < keys[best]) best = j;
        std::swap(keys[i], keys[best]);
        std::swap(origins[i], origins[best]);
    }
    return {keys, origins};
}

// The planner's refresh as it was done before: the marked rows deleted one by
// one, then a selection sort that plans each past row again as it meets it.
void ReferenceRefresh(TaskTable& grid, std::vector<double>& next, double now, int phase) {
    for (int r = 1; r <= LastTaskRow(grid);) {
        if (SameKeyword(grid.Cell(kColDone, r), kDropRow)) {
            const int count = grid.RowCount();
            for (int k = r; k < count - 1; ++k) SetRowCells(grid, k, GetRowCells(grid, k + 1));
            ClearRowCells(grid, count - 2);
            next.erase(next.begin() + (r - 1));
            grid.SetRowCount(count - 1);
        } else {
            ++r;
        }
    }
    auto entry = [&](int r) -> double& { return next[static_cast<std::size_t>(r - 1)]; };
    const int last = LastTaskRow(grid);
    for (int i = 1; i <= last; ++i) {
        if (entry(i) < now) entry(i) = CalcNextRun(grid, i, now, phase, Fs());
        int best = i;
        for (int j = i + 1; j <= last; ++j) {
            if (entry(j) < now) entry(j) = CalcNextRun(grid, j, now, phase, Fs());
            if (entry(j) < entry(best)) best = j;
        }
        if (best != i) {
            const TaskCells a = GetRowCells(grid, i);
            SetRowCells(grid, i, GetRowCells(grid, best));
            SetRowCells(grid, best, a);
            std::swap(entry(i), entry(best));
        }
    }
}

}  // namespace

TEST(SelectionOrder, SameOrderAsTheSelectionSortWithTies) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        std::vector<double> keys(random() % 40);
        for (double& k : keys) k = static_cast<double>(random() % 6);  // many equal keys
        SelectionOrder order(keys);
        for (int p = 0; p < order.Size(); ++p) order.Place(p);
        const auto [sorted, origins] = SelectionSorted(keys);
        EXPECT_EQ(order.Keys(), sorted);
        EXPECT_EQ(order.Origins(), origins);
    }
    SelectionOrder none(std::vector<double>{});
    none.Place(0);
    EXPECT_EQ(none.Size(), 0);
}

TEST(SelectionOrder, KeysChangedAfterTheFirstPlaceCount) {
    // {2, 1, 1, 0}: place 0 takes the 0 (from place 3), the 2 goes to place 3;
    // then place 3 becomes -1 and comes next.
    SelectionOrder order({2, 1, 1, 0});
    order.Place(0);
    order.SetKey(3, -1);
    order.SetKey(0, 99);  // a fixed place keeps its key
    for (int p = 1; p < 4; ++p) order.Place(p);
    EXPECT_EQ(order.Keys(), (std::vector<double>{0, -1, 1, 1}));
    EXPECT_EQ(order.Origins(), (std::vector<int>{3, 0, 2, 1}));
}

TEST(RefreshTaskList, SameRowsAsTheSelectionSortOnMixedTasks) {
    const double now = At(2024, 3, 13, 10, 0, 0);
    const std::vector<std::wstring> days{L"*Ежедневно", L"",           L"13.03.2024", L"01.01.2020",
                                         L"не дата",    L"*Дни:пн,ср", L"14.03.2024"};
    const std::vector<std::wstring> times{
        L"10:00:00", L"12:00:00",       L"9:00:00",  L"Запуск",          L"Выход",         L"",
        L"не время", L"Через 01:00:00", L"10:00:00", L"1Через 00:30:00", L"Через не время"};
    const std::vector<std::wstring> dones{L"", L"", L"", L"Удалить", L"13.03.24 9:00:00"};
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        for (int phase : {kPhaseStart, kPhaseRunning, kPhaseExit}) {
            TaskTable grid;
            const int tasks = static_cast<int>(random() % 30);
            std::vector<double> next;
            for (int t = 0; t < tasks; ++t) {
                AddTask(grid, days[random() % days.size()], times[random() % times.size()],
                        std::wstring(1, L'\0') + L"задача " + std::to_wstring(t),
                        dones[random() % dones.size()]);
                // Runs kept from before: none, past ones and coming ones, some equal.
                const double kept[] = {0, now - 1, now + 0.5, now + 0.25, now + 0.5};
                next.push_back(kept[random() % 5]);
            }
            next.push_back(0);  // the spare row's
            TaskTable expected = grid;
            std::vector<double> expectedNext = next;
            ReferenceRefresh(expected, expectedNext, now, phase);

            std::vector<double> nextRunTimes = next;
            double earliest = 0;
            TaskList list(grid, nextRunTimes, earliest, Fs());
            list.RefreshTaskList(now, phase);
            ASSERT_EQ(grid.RowCount(), expected.RowCount());
            EXPECT_EQ(nextRunTimes, expectedNext);
            for (int r = 1; r < grid.RowCount(); ++r)
                for (int c = kColDay; c <= kColDone; ++c)
                    ASSERT_EQ(grid.Cell(c, r), expected.Cell(c, r)) << "round " << round << " row " << r;
            // The menu lists the task rows in that order.
            ASSERT_EQ(list.ComingTasks().size(), static_cast<std::size_t>(LastTaskRow(grid)));
            for (std::size_t i = 0; i < list.ComingTasks().size(); ++i)
                EXPECT_EQ(list.ComingTasks()[i].caption,
                          ComingTaskCaption(GetRowCells(grid, static_cast<int>(i) + 1)));
        }
    }
}
