#include "planner/task_cells.h"

#include <algorithm>
#include <cmath>

#include "base/date_format.h"
#include "base/text_compare.h"

namespace planner {

const std::array<std::wstring_view, 11>& TaskHeaderCells() {
    static const std::array<std::wstring_view, 11> header{L"",
                                                          L"День",
                                                          L"Время",
                                                          L"Описание",
                                                          L"Сообщение",
                                                          L"Воспроизвести звук",
                                                          L"Запустить приложение",
                                                          L"Картинка на раб. стол",
                                                          L"Действие с компьютером",
                                                          L"Выполнено",
                                                          L"Следующее выполнение"};
    return header;
}

const std::array<std::wstring_view, 12>& MonthAbbreviations() {
    static const std::array<std::wstring_view, 12> names{L"Янв", L"Фев", L"Мар", L"Апр", L"Май", L"Июн",
                                                         L"Июл", L"Авг", L"Сен", L"Окт", L"Ноя", L"Дек"};
    return names;
}

const std::array<std::wstring_view, 7>& WeekdayAbbreviations() {
    static const std::array<std::wstring_view, 7> names{L"Пн", L"Вт", L"Ср", L"Чт", L"Пт", L"Сб", L"Вс"};
    return names;
}

bool SameKeyword(std::wstring_view a, std::wstring_view b) {
    return base::SameTextLatin(a, b);
}

bool StartsWithKeyword(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && base::SameTextLatin(text.substr(0, prefix.size()), prefix);
}

bool TakeMonthsPart(std::wstring& s, std::array<bool, 12>& months) {
    if (StartsWithKeyword(s, kMonthly)) {
        months.fill(true);
        s.erase(0, std::min(s.size(), kMonthly.size() + kPartSeparator.size()));
        return true;
    }
    if (StartsWithKeyword(s, kMonthsPrefix)) {
        const size_t sep = s.find(kPartSeparator);
        const size_t end = sep == std::wstring::npos ? s.size() : sep;
        const std::wstring list = s.substr(kMonthsPrefix.size(), end - kMonthsPrefix.size());
        for (int m = 0; m < 12; ++m)
            if (list.find(MonthAbbreviations()[m]) != std::wstring::npos) months[m] = true;
        s.erase(0, std::min(s.size(), end + kPartSeparator.size()));
        return true;
    }
    return false;
}

std::wstring_view WithoutBlanksAround(std::wstring_view cell) {
    const std::size_t first = cell.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return cell.substr(first, cell.find_last_not_of(L' ') - first + 1);
}

// ---- time cell ----

bool IsOnceIntervalText(std::wstring_view t) {
    return StartsWithKeyword(t, kOnceAfter);
}
bool IsIntervalText(std::wstring_view t) {
    return StartsWithKeyword(t, kEvery);
}

std::wstring IntervalPart(std::wstring_view t) {
    const size_t skip = IsOnceIntervalText(t) ? kOnceAfter.size() + 1 : kEvery.size() + 1;
    return t.size() > skip ? std::wstring(t.substr(skip)) : std::wstring();
}

TimeKind TimeKindOf(std::wstring_view t) {
    if (SameKeyword(t, kOnExit)) return TimeKind::OnExit;
    if (SameKeyword(t, kOnStart)) return TimeKind::OnStart;
    if (IsIntervalText(t) || IsOnceIntervalText(t)) return TimeKind::Interval;
    return TimeKind::AtTime;
}

std::wstring BuildTimeText(TimeKind kind, base::TDateTime time, bool once, const base::FormatSettings& fs) {
    switch (kind) {
        case TimeKind::AtTime:
            return base::TimeToStr(base::TimeOf(time), fs);
        case TimeKind::Interval: {
            base::TDateTime interval = base::TimeOf(time);
            // An interval is never zero: 00:00:00 becomes one second.
            if (std::llround(interval * base::kSecsPerDay) == 0) interval = 1.0 / base::kSecsPerDay;
            std::wstring text = std::wstring(kEvery) + L" " + base::TimeToStr(interval, fs);
            return once ? L"1" + text : text;
        }
        case TimeKind::OnStart:
            return std::wstring(kOnStart);
        case TimeKind::OnExit:
            return std::wstring(kOnExit);
    }
    return {};
}

// ---- day cell ----

base::TDateTime EditorDate(std::wstring_view dayCell, base::TDateTime nextRun, base::TDateTime now,
                           const base::FormatSettings& fs) {
    base::TDateTime date;
    dayCell = WithoutBlanksAround(dayCell);
    if (!dayCell.empty() && dayCell[0] != L'*' &&
        base::TryStrToDate(dayCell, date, fs, base::DecodeDate(now).year))
        return base::DateOf(date);
    return base::DateOf(nextRun > 0 ? nextRun : now);
}

bool BeginsWithFlag(std::wstring_view cell) {
    return !cell.empty() && static_cast<unsigned>(cell[0]) <= 7;
}

// ---- description ----

int DescriptionFlags(std::wstring_view cell) {
    return BeginsWithFlag(cell) ? static_cast<int>(static_cast<unsigned>(cell[0])) : kShakeWindow;
}

std::wstring DescriptionText(std::wstring_view cell) {
    return std::wstring(BeginsWithFlag(cell) ? cell.substr(1) : cell);
}

std::wstring BuildDescriptionCell(int flags, std::wstring_view text) {
    const wchar_t flag = static_cast<wchar_t>(flags & 3);
    if (!text.empty()) return flag + std::wstring(text);
    if (flags & kShakeWindow) return {};
    return std::wstring(1, flag);
}

// ---- message ----

MessageParts SplitMessageCell(std::wstring_view cell) {
    MessageParts parts;
    if (cell.empty()) return parts;
    const bool flagged = BeginsWithFlag(cell);
    parts.flags = flagged ? static_cast<int>(static_cast<unsigned>(cell[0])) : kMessageWindow;
    const std::wstring_view rest = flagged ? cell.substr(1) : cell;
    const size_t bar = rest.find(L'|');
    if (bar == std::wstring_view::npos) {
        parts.body = std::wstring(rest);
    } else {
        parts.title = std::wstring(rest.substr(0, bar));
        parts.body = std::wstring(rest.substr(bar + 1));
    }
    // Typed by hand, the text is one line, not comma text.
    if (!flagged) parts.body = base::StringList{parts.body}.CommaText();
    return parts;
}

base::StringList MessageLines(std::wstring_view body) {
    base::StringList lines;
    lines.SetCommaText(body);
    return lines;
}

std::wstring BuildMessageCell(int flags, std::wstring_view title, const base::StringList& lines) {
    const bool empty =
        std::all_of(lines.begin(), lines.end(), [](const std::wstring& l) { return l.empty(); });
    if (empty) return {};
    const std::wstring body = lines.CommaText();
    std::wstring cell(1, static_cast<wchar_t>(flags));
    if (!title.empty() || body.find(L'|') != std::wstring::npos) {
        cell += title;
        cell += L'|';
    }
    return cell + body;
}

// ---- lists ----

ListCell ParseListCell(std::wstring_view cell) {
    ListCell list;
    if (cell.empty()) return list;
    if (cell[0] == kRandomMode || cell[0] == kInOrderMode) {
        list.mode = cell[0];
        list.items.emplace_back(cell.substr(1));
        return list;
    }
    base::StringList items;
    items.SetCommaText(cell);
    list.items = items.Items();
    return list;
}

ListCell ParsePictureCell(std::wstring_view cell) {
    ListCell list;
    if (cell.empty()) return list;
    if (cell[0] == kRandomMode || cell[0] == kInOrderMode) {
        list.mode = cell[0];
        cell.remove_prefix(1);
    }
    list.items.emplace_back(cell);
    return list;
}

std::wstring BuildListCell(wchar_t mode, const std::vector<std::wstring>& items) {
    if (items.empty()) return {};
    if (mode == kRandomMode || mode == kInOrderMode) return mode + items.front();
    return base::StringList(items).CommaText();
}

std::wstring BuildPictureCell(wchar_t mode, std::wstring_view picture) {
    if (picture.empty()) return {};
    if (mode == kRandomMode || mode == kInOrderMode) return mode + std::wstring(picture);
    return std::wstring(picture);
}

// ---- row ----

void PutTypedCellsInOwnForm(std::array<std::wstring, 11>& cells) {
    std::wstring& description = cells[kColDescription];
    if (!description.empty() && !BeginsWithFlag(description))
        description = BuildDescriptionCell(DescriptionFlags(description), DescriptionText(description));
    std::wstring& message = cells[kColMessage];
    if (!message.empty() && !BeginsWithFlag(message)) {
        const MessageParts parts = SplitMessageCell(message);
        message = BuildMessageCell(parts.flags, parts.title, MessageLines(parts.body));
        // A title typed without a text stays, shown with an empty text.
        if (message.empty()) message = static_cast<wchar_t>(parts.flags) + parts.title + L'|';
    }
}

bool HasActions(const std::array<std::wstring, 11>& cells) {
    for (int c = kFirstActionCol; c <= kLastActionCol; ++c)
        if (!cells[c].empty()) return true;
    return false;
}

namespace {

std::wstring CaptionText(std::wstring message, const std::array<std::wstring, 11>& cells) {
    std::wstring text;
    if (!cells[kColMessage].empty()) text = std::move(message) + L"|";
    for (int c = kColSounds; c <= kColComputer; ++c)
        if (!cells[c].empty()) text += cells[c] + L"|";
    if (!text.empty()) text.pop_back();
    if (text.size() > 29) text = text.substr(0, 26) + L"...";
    return text;
}

}  // namespace

std::wstring ComingTaskCaption(const std::array<std::wstring, 11>& cells) {
    const std::wstring& msg = cells[kColMessage];
    std::wstring message;
    if (!msg.empty()) {
        const size_t bar = msg.find(L'|');
        message = bar == std::wstring::npos ? msg.substr(1) : msg.substr(bar + 1);
    }
    return cells[kColTime] + L" " + CaptionText(message, cells);
}

std::wstring StoredTaskCaption(const std::array<std::wstring, 11>& cells) {
    const std::wstring& msg = cells[kColMessage];
    return cells[kColNextRun] + L" " + CaptionText(msg.empty() ? msg : msg.substr(1), cells);
}

}  // namespace planner
