// The day picker's check marks and the schedule text of the day cell they
// stand for ("*Ежедневно", "*Ежемесячно; Дни:Пн,Ср", "*Месяцы:Дек; Числа:1,15"...).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace planner {

enum class DayMode { Weekdays, Numbers };

struct DayPicks {
    std::array<bool, 12> months{};  // January first
    DayMode mode = DayMode::Weekdays;
    std::vector<bool> days = std::vector<bool>(7);  // weekdays from Monday, or the numbers 1 to 31

    // Switching the mode replaces the day items, so every day mark goes.
    void SetMode(DayMode newMode);
    void CheckAllMonths(bool checked);
    void CheckAllDays(bool checked);
    bool AllMonths() const;
    bool AnyMonth() const;
    bool AllDays() const;
    bool AnyDay() const;
};

// The day picker's items: weekdays or "1" to "31".
const std::array<std::wstring_view, 12>& MonthItemNames();
const std::array<std::wstring_view, 7>& WeekdayItemNames();

// The schedule text for the day cell, "*" first.
std::wstring BuildDayScheduleText(const DayPicks& picks);

// Sets the marks from a day cell ("*" first; an empty cell or "*" alone means
// every day). "Ежедневно" as the day part checks every day of the present mode.
void ParseDaySchedule(std::wstring_view cell, DayPicks& picks);

}  // namespace planner
