#include "planner/task_editor.h"

#include <algorithm>
#include <cmath>

#include "base/date_format.h"
#include "base/string_list.h"
#include "base/text_compare.h"

namespace planner {

using base::TDateTime;

namespace {

// A time of day read from text, or nothing.
std::optional<TDateTime> ReadTime(std::wstring_view text, const base::FormatSettings& fs) {
    TDateTime value = 0;
    if (text.empty() || !base::TryStrToTime(text, value, fs)) return std::nullopt;
    return base::TimeOf(value);
}

bool IsSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

std::wstring WithTrailingSeparator(std::wstring_view folder) {
    std::wstring result(folder);
    if (!result.empty() && !IsSeparator(result.back())) result += L'\\';
    return result;
}

bool IsRelativePath(std::wstring_view path) {
    if (path.empty()) return false;
    if (IsSeparator(path[0])) return false;
    return !(path.size() >= 2 && path[1] == L':');
}

}  // namespace

// ---- reading a row ----

TaskEditorState ReadTaskEditor(const TaskCells& cells, TDateTime nextRun, TDateTime now,
                               const base::FormatSettings& fs) {
    TaskEditorState s;

    const std::wstring& day = cells[kColDay];
    s.dayCell = day;
    s.scheduled = day.empty() || day[0] == L'*';
    s.date = s.scheduled ? base::DateOf(now) : EditorDate(day, nextRun, now, fs);

    const std::wstring& time = cells[kColTime];
    s.time = base::TimeOf(now);
    s.timeKind = TimeKindOf(time);
    if (s.timeKind == TimeKind::Interval) {
        s.once = IsOnceIntervalText(time);
        if (auto interval = ReadTime(IntervalPart(time), fs)) s.time = *interval;
    } else if (s.timeKind == TimeKind::AtTime && !time.empty()) {
        if (auto at = ReadTime(time, fs))
            s.time = *at;
        else if (nextRun > 0)
            s.time = base::TimeOf(nextRun);
    }

    const std::wstring& description = cells[kColDescription];
    s.hasDescription = !description.empty();
    if (s.hasDescription) {
        const int flags = DescriptionFlags(description);
        s.showAfterRun = (flags & kShowAfterRun) != 0;
        s.shakeWindow = (flags & kShakeWindow) != 0;
        s.description = DescriptionText(description);
    }

    const std::wstring& message = cells[kColMessage];
    s.hasMessage = !message.empty();
    if (s.hasMessage) {
        const MessageParts parts = SplitMessageCell(message);
        // At least one way of showing stays on, whatever the cell says.
        const int flags = (parts.flags & 7) ? parts.flags : kMessageWindow;
        s.inWindow = (flags & kMessageWindow) != 0;
        s.inTray = (flags & kMessageBalloon) != 0;
        s.speak = (flags & kMessageSpeak) != 0;
        s.title = parts.title;
        s.messageLines = MessageLines(parts.body).Items();
    }

    s.sounds = ParseListCell(cells[kColSounds]);
    s.files = ParseListCell(cells[kColFiles]);
    s.picture = ParsePictureCell(cells[kColPicture]);
    s.computerAction = cells[kColComputer];
    s.deleteAfterRun = SameKeyword(cells[kColDone], kDeleteAfterRun);
    return s;
}

// ---- storing an action cell ----

CellStore StoreCell(TaskGrid& grid, int row, int col, const std::wstring& text) {
    grid.SetCell(col, row, text);
    const TaskCells cells = GetRowCells(grid, row);
    if (!HasActions(cells)) return CellStore::RowEmptied;
    if (cells[kColDay].empty() && cells[kColTime].empty()) return CellStore::NewTask;
    return CellStore::Stored;
}

// ---- writing the schedule ----

ScheduleCells BuildScheduleCells(const ScheduleInput& input, const base::FormatSettings& fs) {
    ScheduleCells out;
    out.day =
        input.onDate ? base::DateToStr(base::DateOf(input.date), fs) : BuildDayScheduleText(input.picks);
    out.shownTime = base::TimeOf(input.time);
    if (input.timeKind == TimeKind::Interval && std::llround(out.shownTime * base::kSecsPerDay) == 0)
        out.shownTime = 1.0 / base::kSecsPerDay;
    out.time = BuildTimeText(input.timeKind, out.shownTime, input.once, fs);
    out.done = input.deleteAfterRun ? std::wstring(kDeleteAfterRun) : std::wstring();
    return out;
}

bool HasScheduleContent(const TaskCells& cells) {
    for (int c = kFirstActionCol; c <= kColDone; ++c)
        if (!cells[c].empty()) return true;
    return false;
}

// ---- check lists ----

std::optional<std::wstring> CheckListCell(const std::vector<std::wstring>& items, std::vector<bool>& checked,
                                          int& selected, wchar_t mode) {
    if (items.empty()) return std::nullopt;
    checked.resize(items.size(), false);
    if (selected < 0 || selected >= static_cast<int>(items.size())) selected = 0;
    const auto sel = static_cast<size_t>(selected);
    if (mode == kRandomMode || mode == kInOrderMode) {
        for (size_t i = 0; i < checked.size(); ++i)
            if (i != sel) checked[i] = false;
        return checked[sel] ? mode + items[sel] : std::wstring();
    }
    std::vector<std::wstring> marked;
    for (size_t i = 0; i < items.size(); ++i)
        if (checked[i]) marked.push_back(items[i]);
    return BuildListCell(0, marked);
}

std::wstring PictureListCell(const std::vector<std::wstring>& items, int& selected, wchar_t mode) {
    if (items.empty()) return {};
    if (selected < 0 || selected >= static_cast<int>(items.size())) selected = 0;
    return BuildPictureCell(mode, items[static_cast<size_t>(selected)]);
}

std::wstring FileParameters(std::wstring_view item) {
    const size_t bar = item.find(L'|');
    return bar == std::wstring_view::npos ? std::wstring() : std::wstring(item.substr(bar + 1));
}

std::wstring WithFileParameters(std::wstring_view item, std::wstring_view parameters) {
    std::wstring result(item.substr(0, item.find(L'|')));
    if (!parameters.empty()) {
        result += L'|';
        result += parameters;
    }
    return result;
}

std::vector<std::wstring> NewPastedItems(const std::vector<std::wstring>& items, std::wstring_view text) {
    base::StringList lines;
    lines.SetText(text);
    std::vector<std::wstring> added;
    auto known = [](const std::vector<std::wstring>& list, const std::wstring& line) {
        return std::any_of(list.begin(), list.end(),
                           [&](const std::wstring& item) { return base::SameTextAnsi(item, line); });
    };
    for (const std::wstring& line : lines)
        if (!line.empty() && !known(items, line) && !known(added, line)) added.push_back(line);
    return added;
}

std::wstring VisibleCellText(std::wstring_view cell) {
    std::wstring text;
    text.reserve(cell.size());
    for (wchar_t ch : cell)
        if (ch >= L' ') text += ch;
    return text;
}

// ---- file choosers ----

std::wstring ItemFullPath(std::wstring_view item, std::wstring_view programFolder) {
    const std::wstring path(item.substr(0, item.find(L'|')));
    return IsRelativePath(path) ? WithTrailingSeparator(programFolder) + path : path;
}

std::wstring ChooserFolder(const std::vector<std::wstring>& items, std::wstring_view programFolder,
                           std::wstring_view fallback) {
    if (items.empty()) return std::wstring(fallback);
    const std::wstring path = ItemFullPath(items.back(), programFolder);
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash == 0) return std::wstring(fallback);
    return path.substr(0, slash);
}

std::wstring StoredFilePath(std::wstring_view path, std::wstring_view programFolder) {
    const std::wstring folder = WithTrailingSeparator(programFolder);
    if (!folder.empty() && path.size() > folder.size() &&
        base::SameTextAnsi(path.substr(0, folder.size()), folder))
        return std::wstring(path.substr(folder.size()));
    return std::wstring(path);
}

std::vector<std::wstring> SplitChosenFiles(std::wstring_view buffer) {
    std::vector<std::wstring> parts;
    while (!buffer.empty() && buffer[0] != L'\0') {
        const size_t end = buffer.find(L'\0');
        parts.emplace_back(buffer.substr(0, end));
        if (end == std::wstring_view::npos) break;
        buffer.remove_prefix(end + 1);
    }
    if (parts.size() <= 1) return parts;
    const std::wstring folder = WithTrailingSeparator(parts.front());
    std::vector<std::wstring> files;
    for (size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
    return files;
}

}  // namespace planner
