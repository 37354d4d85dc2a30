// Data files far larger than a user keeps, for the program's tests and its
// benchmark: format texts of any size in every format key, and task rows by
// the hundred thousand.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

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
