#include "planner/next_run.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/string_list.h"
#include "planner/task_cells.h"

namespace planner {

namespace {

using base::TDateTime;

enum class DayKind { None, Weekdays, Numbers };

struct ScheduleRules {
    std::array<bool, 12> months{};
    std::array<bool, 7> weekdays{};  // Monday first
    std::array<bool, 31> numbers{};
    DayKind kind = DayKind::None;
};

// The schedule after its "*".
ScheduleRules ReadSchedule(std::wstring s) {
    ScheduleRules rules;
    TakeMonthsPart(s, rules.months);
    if (SameKeyword(s, kDaily)) {
        rules.kind = DayKind::Weekdays;
        rules.weekdays.fill(true);
    } else if (StartsWithKeyword(s, kWeekdaysPrefix)) {
        rules.kind = DayKind::Weekdays;
        const std::wstring rest = s.substr(kWeekdaysPrefix.size());
        for (int d = 0; d < 7; ++d)
            if (rest.find(WeekdayAbbreviations()[d]) != std::wstring::npos) rules.weekdays[d] = true;
    } else if (StartsWithKeyword(s, kNumbersPrefix)) {
        rules.kind = DayKind::Numbers;
        base::StringList items;
        items.SetCommaText(std::wstring_view(s).substr(kNumbersPrefix.size()));
        for (const std::wstring& item : items) {
            const int n = base::StrToIntDef(item, 0);
            if (n >= 1 && n <= 31) rules.numbers[static_cast<size_t>(n - 1)] = true;
        }
    }
    return rules;
}

// Monday 0 .. Sunday 6.
int WeekdayIndex(TDateTime value) {
    return (base::DayOfWeek(value) + 5) % 7;
}

// True when some chosen month holds some chosen day number in some year
// (February counted with its 29th).
bool AnyChosenDayExists(const ScheduleRules& rules) {
    constexpr int kLeapYear = 2000;
    for (int m = 1; m <= 12; ++m) {
        if (!rules.months[m - 1]) continue;
        for (int n = 1; n <= base::DaysInMonth(kLeapYear, m); ++n)
            if (rules.numbers[n - 1]) return true;
    }
    return false;
}

// The year, month and day of a date; false past the last day of the calendar.
bool DecodeInCalendar(TDateTime value, int& year, int& month, int& day) {
    base::DecodeDate(value, year, month, day);
    return year != 0;
}

// The first allowed month after `month` in the same year, else the first allowed
// month of the next year. The rules must allow at least one month.
void NextAllowedMonth(const ScheduleRules& rules, int& year, int& month) {
    for (int m = month + 1; m <= 12; ++m)
        if (rules.months[m - 1]) {
            month = m;
            return;
        }
    ++year;
    for (int m = 1; m <= 12; ++m)
        if (rules.months[m - 1]) {
            month = m;
            return;
        }
}

// The day part of a "*" schedule; result holds the time part (it may pass midnight).
TDateTime ScheduledRun(TaskGrid& grid, int row, const std::wstring& day, TDateTime result, TDateTime now,
                       bool reset, bool interval, bool startTask, const base::FormatSettings& fs) {
    result += base::Trunc(now);
    if (result <= now) {
        result += 1;
        if (reset) result = base::Trunc(result);
    }
    const std::wstring s = day.substr(1);
    int y, m, d;
    if (!DecodeInCalendar(result, y, m, d)) return 0;  // past the last day the calendar holds
    if (SameKeyword(s, kDaily)) return result;

    ScheduleRules rules = ReadSchedule(s);
    // Nothing can ever match: no next run rather than an endless search.
    if (std::none_of(rules.months.begin(), rules.months.end(), [](bool b) { return b; })) return 0;
    if (rules.kind == DayKind::Weekdays &&
        std::none_of(rules.weekdays.begin(), rules.weekdays.end(), [](bool b) { return b; }))
        return 0;
    if (rules.kind == DayKind::Numbers && !AnyChosenDayExists(rules)) return 0;

    // A start task keeps its time today (it runs a moment after the start);
    // only a later day starts at midnight. An exit task is planned for the
    // start of its day: the exit walk runs what falls on today's date.
    if (reset && !startTask) result = base::Trunc(result);

    int wd = WeekdayIndex(result);
    auto setDate = [&](int year, int month, int dayNo) {
        y = year;
        m = month;
        d = dayNo;
        result = base::EncodeDate(y, m, d) + base::Frac(result);
        wd = WeekdayIndex(result);
    };

    if (rules.kind == DayKind::None) {
        // Once a month: a task that ran this month (by month number) waits for the next allowed one.
        int lastRunMonth = 13;
        TDateTime lastRun;
        const std::wstring done = grid.Cell(kColDone, row);
        if (!done.empty() && base::TryStrToDateTime(done, lastRun, fs, base::DecodeDate(now).year))
            lastRunMonth = base::DecodeDate(lastRun).month;
        if (m == lastRunMonth) {
            int ny = y, nm = m;
            NextAllowedMonth(rules, ny, nm);
            setDate(ny, nm, 1);
            if (startTask) result = base::Trunc(result);
            return result;
        }
    }

    for (int pass = 0; pass < 13; ++pass) {
        if (!rules.months[m - 1]) {
            reset = true;
            int ny = y, nm = m;
            NextAllowedMonth(rules, ny, nm);
            setDate(ny, nm, 1);
        }
        if (rules.kind == DayKind::Weekdays && !rules.weekdays[wd]) {
            reset = true;
            int add = 1;
            while (!rules.weekdays[(wd + add) % 7]) ++add;
            result += add;
            if (!DecodeInCalendar(result, y, m, d)) return 0;
            wd = WeekdayIndex(result);
        } else if (rules.kind == DayKind::Numbers && !rules.numbers[d - 1]) {
            reset = true;
            int found = 0, fy = y, fm = m;
            for (int k = d + 1; k <= base::DaysInMonth(y, m) && !found; ++k)
                if (rules.numbers[k - 1]) found = k;
            // The chosen months of the coming year, then of the years after it:
            // a 29 February waits for the next leap year. Some chosen month
            // holds a chosen day, so the search ends within nine years, or at
            // the end of the calendar.
            while (!found) {
                if (++fm > 12) {
                    fm = 1;
                    if (++fy > 9999) return 0;
                }
                if (!rules.months[fm - 1]) continue;
                for (int k = 1; k <= base::DaysInMonth(fy, fm) && !found; ++k)
                    if (rules.numbers[k - 1]) found = k;
            }
            setDate(fy, fm, found);
        }
        if (rules.months[m - 1]) break;
    }

    // An interval task (or a start task) on a later day starts at midnight.
    if ((interval || startTask) && reset) result = base::Trunc(result);
    return result;
}

}  // namespace

TDateTime CalcNextRun(TaskGrid& grid, int row, TDateTime now, int phase, const base::FormatSettings& fs) {
    const TDateTime timeOfDay = base::Frac(now);
    TDateTime result = 0;
    bool reset = true;
    bool interval = false;
    bool startTask = false;

    const std::wstring t = grid.Cell(kColTime, row);
    TDateTime value;
    if (IsOnceIntervalText(t) || IsIntervalText(t)) {
        interval = true;
        if (base::TryStrToTime(IntervalPart(t), value, fs)) {
            if (IsOnceIntervalText(t)) {
                const std::wstring done = grid.Cell(kColDone, row);
                if (!done.empty() && !SameKeyword(done, kDeleteAfterRun)) return 0;  // the one run is over
            }
            result = timeOfDay + value;
            reset = false;
        } else {
            grid.SetCell(kColTime, row, L"");
        }
    } else if (t.empty() || SameKeyword(t, kOnStart)) {
        if (phase != kPhaseStart) return 0;
        result = timeOfDay + kStartExitDelay;
        startTask = true;
        reset = false;
    } else if (SameKeyword(t, kOnExit)) {
        if (phase != kPhaseExit) return 0;
        result = timeOfDay + kStartExitDelay;  // reset stays on: a day schedule gives midnight
    } else if (base::TryStrToTime(t, value, fs)) {
        result = value;
        reset = false;
    } else {
        grid.SetCell(kColTime, row, L"");
    }

    // Blanks around a schedule are no part of it: the cell keeps the schedule
    // in the program's own form, which the day picker reads.
    std::wstring day(WithoutBlanksAround(grid.Cell(kColDay, row)));
    if (!day.empty() && day[0] == L'*' && day != grid.Cell(kColDay, row)) grid.SetCell(kColDay, row, day);
    if (day.empty() || day[0] != L'*') {
        if (ReadDayDate(day, now, fs, value)) {
            int y, m, d;
            return DecodeInCalendar(result + value, y, m, d) ? result + value : 0;
        }
        day = std::wstring(kDefaultSchedule);
        grid.SetCell(kColDay, row, day);
    }
    try {
        return ScheduledRun(grid, row, day, result, now, reset, interval, startTask, fs);
    } catch (const base::ConvertError&) {
        return 0;  // past the last representable date
    }
}

bool ReadDayDate(std::wstring_view day, base::TDateTime now, const base::FormatSettings& fs,
                 base::TDateTime& date) {
    day = WithoutBlanksAround(day);
    return !day.empty() && base::TryStrToDate(day, date, fs, base::DecodeDate(now).year);
}

bool ReadsAsTaskTime(std::wstring_view time, const base::FormatSettings& fs) {
    if (SameKeyword(time, kOnStart) || SameKeyword(time, kOnExit)) return true;
    const bool interval = IsOnceIntervalText(time) || IsIntervalText(time);
    const std::wstring text = interval ? IntervalPart(time) : std::wstring(WithoutBlanksAround(time));
    TDateTime value = 0;
    return !text.empty() && base::TryStrToTime(text, value, fs);
}

bool ScheduleCellReader::ReadsAsDate(std::wstring_view day) const {
    base::TDateTime date = 0;
    return ReadDayDate(day, now_, fs_, date);
}

}  // namespace planner
