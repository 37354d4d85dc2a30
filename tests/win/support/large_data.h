// Data files far larger than a user keeps, for the program's tests and its
// benchmark: format texts of any size in every format key, and task rows by
// the hundred thousand; and the task files the tests of the running program
// prepare, whatever their size.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"

namespace testing_support {

// A format key of Horalto.ini.
struct FormatKey {
    const wchar_t* section;
    const wchar_t* key;
    bool oneLine;  // kept as a plain one-line string
};

// Every format key, and one named format of the format store.
inline constexpr FormatKey kFormatKeys[] = {
    {L"Main", L"FormatTextMain", false},        {L"Main", L"FormatTextHint", false},
    {L"SystemClock", L"FormatTextTray", false}, {L"Sound", L"FormatSpeakHour", false},
    {L"Sound", L"FormatSpeakInterval", false},  {L"Speech", L"FormatSpeakTime", false},
    {L"Mouse", L"FormatTextOnClick", false},    {L"Mouse", L"FormatTextOnDblClick", false},
    {L"Mouse", L"FormatSpeakOnClick", true},    {L"Mouse", L"FormatSpeakOnDblClick", true},
    {L"TimeFormats", L"Большой формат", false},
};

// Lines of a template, about `size` characters in all, each line led by `tag`.
inline std::wstring LargeFormatText(int size, const std::wstring& tag) {
    std::wstring text;
    text.reserve(static_cast<size_t>(size) + 64);
    for (int i = 0; static_cast<int>(text.size()) < size; ++i) {
        if (i) text += L"\r\n";
        text += tag + L" строка " + std::to_wstring(i) + L": <tt>, W<%dtt>, \"в кавычках\"";
    }
    return text;
}

// One line of template, about `size` characters, led by `tag`.
inline std::wstring LargeOneLineText(int size, const std::wstring& tag) {
    std::wstring text = tag;
    while (static_cast<int>(text.size()) < size) text += L" говорю <t> и <d mmmm>,";
    return text;
}

// The description cell of the i-th made-up task (flag 1, a text of its own).
inline std::wstring TaskDescription(int i) {
    return std::wstring(1, L'\1') + L"Задача номер " + std::to_wstring(i);
}

// Makes the spare row a task with these cells (a new spare row below it);
// returns its row.
inline int AddTaskRow(planner::TaskGrid& grid, const std::wstring& day, const std::wstring& time,
                      const std::wstring& description) {
    const int row = grid.RowCount() - 1;
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCell(planner::kColDay, row, day);
    grid.SetCell(planner::kColTime, row, time);
    grid.SetCell(planner::kColDescription, row, description);
    return row;
}

// `count` daily tasks, the i-th at i * 7 seconds into the day, each with its
// own description (TaskDescription).
inline planner::TaskTable DailyTasks(int count) {
    planner::TaskTable grid;
    for (int i = 0; i < count; ++i) {
        const int seconds = i * 7;
        wchar_t time[16];
        std::swprintf(time, 16, L"%d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
        AddTaskRow(grid, L"*Ежедневно", time, TaskDescription(i));
    }
    return grid;
}

// The grid as TasksList.tsk in the folder.
inline void WriteTaskFile(const std::filesystem::path& dir, const planner::TaskGrid& grid) {
    base::WriteFileBytes(dir / L"TasksList.tsk", planner::TaskFileBytes(grid));
}

// The non-empty description cells of a task grid, sorted: what a save must keep
// whatever order the planner puts the rows in.
inline std::vector<std::wstring> SortedDescriptions(const planner::TaskGrid& grid) {
    std::vector<std::wstring> d;
    for (int r = 1; r < grid.RowCount(); ++r)
        if (!grid.Cell(planner::kColDescription, r).empty())
            d.push_back(grid.Cell(planner::kColDescription, r));
    std::sort(d.begin(), d.end());
    return d;
}

}  // namespace testing_support
