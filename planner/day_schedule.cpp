#include "planner/day_schedule.h"

#include <algorithm>

#include "base/conversions.h"
#include "base/string_list.h"
#include "planner/task_cells.h"

namespace planner {

void DayPicks::SetMode(DayMode newMode) {
    mode = newMode;
    days.assign(mode == DayMode::Weekdays ? 7 : 31, false);
}

void DayPicks::CheckAllMonths(bool checked) {
    months.fill(checked);
}
void DayPicks::CheckAllDays(bool checked) {
    std::fill(days.begin(), days.end(), checked);
}
bool DayPicks::AllMonths() const {
    return std::all_of(months.begin(), months.end(), [](bool b) { return b; });
}
bool DayPicks::AnyMonth() const {
    return std::any_of(months.begin(), months.end(), [](bool b) { return b; });
}
bool DayPicks::AllDays() const {
    return std::all_of(days.begin(), days.end(), [](bool b) { return b; });
}
bool DayPicks::AnyDay() const {
    return std::any_of(days.begin(), days.end(), [](bool b) { return b; });
}

const std::array<std::wstring_view, 12>& MonthItemNames() {
    static const std::array<std::wstring_view, 12> names{L"Январь",   L"Февраль", L"Март",   L"Апрель",
                                                         L"Май",      L"Июнь",    L"Июль",   L"Август",
                                                         L"Сентябрь", L"Октябрь", L"Ноябрь", L"Декабрь"};
    return names;
}

const std::array<std::wstring_view, 7>& WeekdayItemNames() {
    static const std::array<std::wstring_view, 7> names{L"Понедельник", L"Вторник", L"Среда",      L"Четверг",
                                                        L"Пятница",     L"Суббота", L"Воскресение"};
    return names;
}

std::wstring BuildDayScheduleText(const DayPicks& picks) {
    std::wstring text = L"*";
    if (picks.AllMonths()) {
        if (!picks.AllDays()) text += kMonthly;
    } else {
        text += kMonthsPrefix;
        for (int m = 0; m < 12; ++m)
            if (picks.months[m]) text += std::wstring(MonthAbbreviations()[m]) + L",";
        text.pop_back();
    }
    auto separator = [&] {
        if (text != L"*") text += kPartSeparator;
    };
    if (picks.AllDays()) {
        separator();
        text += kDaily;
    } else if (picks.AnyDay()) {
        separator();
        std::wstring list;
        if (picks.mode == DayMode::Weekdays) {
            text += kWeekdaysPrefix;
            for (int d = 0; d < 7 && d < static_cast<int>(picks.days.size()); ++d)
                if (picks.days[d]) list += std::wstring(WeekdayAbbreviations()[d]) + L",";
        } else {
            text += kNumbersPrefix;
            for (int d = 0; d < static_cast<int>(picks.days.size()); ++d)
                if (picks.days[d]) list += base::IntToStr(d + 1) + L",";
        }
        list.pop_back();
        text += list;
    }
    return text;
}

void ParseDaySchedule(std::wstring_view cell, DayPicks& picks) {
    std::wstring s(cell.empty() ? cell : cell.substr(1));
    if (s.empty() || SameKeyword(s, kDaily)) {
        picks.CheckAllMonths(true);
        picks.CheckAllDays(true);
        return;
    }
    picks.CheckAllDays(false);
    picks.CheckAllMonths(false);

    TakeMonthsPart(s, picks.months);

    if (SameKeyword(s, kDaily)) {
        picks.CheckAllDays(true);
    } else if (StartsWithKeyword(s, kWeekdaysPrefix)) {
        if (picks.mode != DayMode::Weekdays) picks.SetMode(DayMode::Weekdays);
        const std::wstring rest = s.substr(kWeekdaysPrefix.size());
        for (int d = 0; d < 7; ++d)
            if (rest.find(WeekdayAbbreviations()[d]) != std::wstring::npos) picks.days[d] = true;
    } else if (StartsWithKeyword(s, kNumbersPrefix)) {
        if (picks.mode != DayMode::Numbers) picks.SetMode(DayMode::Numbers);
        base::StringList items;
        items.SetCommaText(std::wstring_view(s).substr(kNumbersPrefix.size()));
        for (const std::wstring& item : items) {
            const int n = base::StrToIntDef(item, 0);
            if (n >= 1 && n <= 31) picks.days[static_cast<size_t>(n - 1)] = true;
        }
    }
}

}  // namespace planner
