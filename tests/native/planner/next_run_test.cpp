#include "planner/next_run.h"

#include <gtest/gtest.h>

#include <vector>

#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

// The next run of a single task row as text ("0" when there is none).
struct NextRunOf {
    TaskTable grid;
    int row;
    NextRunOf(const std::wstring& day, const std::wstring& time, const std::wstring& done = L"") {
        row = AddTask(grid, day, time, L"x", done);
    }
    std::wstring At(base::TDateTime now, int phase = kPhaseRunning) {
        const base::TDateTime next = CalcNextRun(grid, row, now, phase, Fs());
        return next == 0 ? L"0" : Text(next);
    }
};

std::wstring Next(const std::wstring& day, const std::wstring& time, base::TDateTime now,
                  int phase = kPhaseRunning, const std::wstring& done = L"") {
    return NextRunOf(day, time, done).At(now, phase);
}

// 13 March 2024 is a Wednesday.
const base::TDateTime kWed10 = planner_test::At(2024, 3, 13, 10, 0, 0);

}  // namespace

TEST(NextRunTime, DailyAtATimeIsTodayOrTomorrow) {
    EXPECT_EQ(Next(L"*Ежедневно", L"11:00:00", kWed10), L"13.03.2024 11:00:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"9:00:00", kWed10), L"14.03.2024 09:00:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"10:00:00", kWed10), L"14.03.2024 10:00:00") << "not later than now";
}

TEST(NextRunTime, RepeatedIntervalRunsThatLongFromNow) {
    EXPECT_EQ(Next(L"*Ежедневно", L"Через 0:30:00", kWed10), L"13.03.2024 10:30:00");
    // Across midnight the run falls on the next day.
    EXPECT_EQ(Next(L"*Ежедневно", L"Через 0:30:00", At(2024, 3, 13, 23, 50, 0)), L"14.03.2024 00:20:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"Через 0:30:00", At(2024, 12, 31, 23, 50, 0)), L"01.01.2025 00:20:00");
}

TEST(NextRunTime, OneTimeIntervalRunsOnceUntilItHasRun) {
    EXPECT_EQ(Next(L"*Ежедневно", L"1Через 0:30:00", kWed10), L"13.03.2024 10:30:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"1Через 0:30:00", kWed10, kPhaseRunning, L"Удаление"),
              L"13.03.2024 10:30:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"1Через 0:30:00", kWed10, kPhaseRunning, L"13.03.2024 9:00:00"), L"0");
    EXPECT_EQ(Next(L"*Ежедневно", L"1Через 0:30:00", kWed10, kPhaseRunning, L"Удалить"), L"0");
}

TEST(NextRunTime, IntervalOnALaterDayStartsAtMidnight) {
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пт", L"Через 1:00:00", kWed10), L"15.03.2024 00:00:00");
    // Wednesday 23:50 plus half an hour is Thursday: the next Wednesday, at midnight.
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Ср", L"Через 0:30:00", At(2024, 3, 13, 23, 50, 0)),
              L"20.03.2024 00:00:00");
}

TEST(NextRunTime, StartAndExitTasksOnlyInTheirPhase) {
    EXPECT_EQ(Next(L"*Ежедневно", L"Запуск", kWed10, kPhaseStart), L"13.03.2024 10:00:02");
    EXPECT_EQ(Next(L"*Ежедневно", L"", kWed10, kPhaseStart), L"13.03.2024 10:00:02") << "empty = start";
    EXPECT_EQ(Next(L"*Ежедневно", L"Запуск", kWed10, kPhaseRunning), L"0");
    EXPECT_EQ(Next(L"*Ежедневно", L"Запуск", kWed10, kPhaseExit), L"0");
    EXPECT_EQ(Next(L"*Ежедневно", L"Выход", kWed10, kPhaseExit), L"13.03.2024 10:00:02");
    EXPECT_EQ(Next(L"*Ежедневно", L"Выход", kWed10, kPhaseStart), L"0");
    EXPECT_EQ(Next(L"*Ежедневно", L"Выход", kWed10, kPhaseRunning), L"0");
}

TEST(NextRunTime, StartTaskOnAnAllowedDayRunsAtStartNotAtMidnight) {
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Ср", L"Запуск", kWed10, kPhaseStart), L"13.03.2024 10:00:02");
    EXPECT_EQ(Next(L"*Месяцы:Мар", L"Запуск", kWed10, kPhaseStart), L"13.03.2024 10:00:02");
    // Not today: the first allowed day, at midnight.
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пт", L"Запуск", kWed10, kPhaseStart), L"15.03.2024 00:00:00");
}

TEST(NextRunTime, ExitTaskOnADayScheduleIsPlannedForTheStartOfItsDay) {
    // The exit walk runs what falls on today's date: the time of day is not needed.
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:13", L"Выход", kWed10, kPhaseExit), L"13.03.2024 00:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Ср", L"Выход", kWed10, kPhaseExit), L"13.03.2024 00:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Мар", L"Выход", kWed10, kPhaseExit), L"13.03.2024 00:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пт", L"Выход", kWed10, kPhaseExit), L"15.03.2024 00:00:00");
    // Every day: a moment after now.
    EXPECT_EQ(Next(L"*Ежедневно", L"Выход", kWed10, kPhaseExit), L"13.03.2024 10:00:02");
}

TEST(NextRunTime, WeekdaysFindTheComingAllowedDay) {
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Сб,Вс", L"12:00:00", kWed10), L"16.03.2024 12:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Сб,Вс", L"12:00:00", At(2024, 3, 16, 13, 0, 0)),
              L"17.03.2024 12:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Сб,Вс", L"12:00:00", At(2024, 3, 17, 13, 0, 0)),
              L"23.03.2024 12:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Ср", L"11:00:00", kWed10), L"13.03.2024 11:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Ср", L"9:00:00", kWed10), L"20.03.2024 09:00:00");
    // Year rollover: Tuesday 31 December to the first Monday of January.
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пн", L"9:00:00", At(2024, 12, 31, 10, 0, 0)), L"06.01.2025 09:00:00");
}

TEST(NextRunTime, MonthsWithEveryDayOrWeekdays) {
    EXPECT_EQ(Next(L"*Месяцы:Янв; Ежедневно", L"9:00:00", At(2024, 12, 31, 10, 0, 0)),
              L"01.01.2025 09:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Янв,Фев; Ежедневно", L"9:00:00", At(2024, 2, 29, 10, 0, 0)),
              L"01.01.2025 09:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Май; Дни:Пн", L"9:00:00", kWed10), L"06.05.2024 09:00:00");
    // The weekday search leaves the allowed month: on to the next allowed one.
    EXPECT_EQ(Next(L"*Месяцы:Мар; Дни:Пн", L"9:00:00", At(2024, 3, 26, 10, 0, 0)), L"03.03.2025 09:00:00");
}

TEST(NextRunTime, DayNumbersAcrossMonthEndsAndLeapYears) {
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:1,15", L"9:00:00", kWed10), L"15.03.2024 09:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:31", L"9:00:00", At(2024, 4, 5, 10, 0, 0)), L"31.05.2024 09:00:00");
    // Past 31 January: February has no 31st, March has.
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:31", L"9:00:00", At(2024, 1, 31, 10, 0, 0)), L"31.03.2024 09:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:29", L"9:00:00", At(2024, 2, 10, 10, 0, 0)), L"29.02.2024 09:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:29", L"9:00:00", At(2023, 2, 10, 10, 0, 0)), L"29.03.2023 09:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Фев; Числа:29", L"9:00:00", At(2023, 3, 1, 10, 0, 0)), L"29.02.2024 09:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Янв,Июл; Числа:1", L"9:00:00", At(2024, 3, 15, 10, 0, 0)),
              L"01.07.2024 09:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Дек; Числа:1,15,31", L"9:00:00", At(2024, 12, 31, 10, 0, 0)),
              L"01.12.2025 09:00:00");
}

TEST(NextRunTime, DayNumbersTheChosenMonthsNeverHoldHaveNoNextRun) {
    EXPECT_EQ(Next(L"*Месяцы:Фев; Числа:30", L"9:00:00", At(2024, 3, 15, 10, 0, 0)), L"0");
    EXPECT_EQ(Next(L"*Месяцы:Апр,Ноя; Числа:31", L"9:00:00", At(2024, 3, 15, 10, 0, 0)), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:32", L"9:00:00", At(2024, 3, 15, 10, 0, 0)), L"0");
    // One chosen month holds one chosen day: that day.
    EXPECT_EQ(Next(L"*Месяцы:Апр,Май; Числа:31", L"9:00:00", At(2024, 6, 15, 10, 0, 0)),
              L"31.05.2025 09:00:00");
}

TEST(NextRunTime, FourYearsOfDailyTicksRunEachScheduleOnItsDaysOnly) {
    // A tick every day at 9:00 from 2025 to 2028 runs each row that is due
    // and plans it again, as the per-second worker does.
    struct Case {
        std::wstring day;
        int runs;
        std::wstring last;
    };
    const std::vector<Case> cases = {
        {L"*Месяцы:Фев; Числа:29", 1, L"29.02.2028 09:00:00"},  // the next leap year, and only then
        {L"*Месяцы:Фев; Числа:28,29", 5, L"29.02.2028 09:00:00"},
        {L"*Месяцы:Ноя; Числа:31", 0, L""},  // never
        {L"*Месяцы:Фев; Числа:30,31", 0, L""},
        {L"*Ежемесячно; Числа:31", 28, L"31.12.2028 09:00:00"},
        {L"*Ежемесячно; Числа:29", 45, L"29.12.2028 09:00:00"},
        {L"*Месяцы:Ноя; Числа:30", 4, L"30.11.2028 09:00:00"},
    };
    TaskTable grid;
    for (const Case& c : cases) AddTask(grid, c.day, L"9:00:00");
    std::vector<base::TDateTime> next;
    std::vector<int> runs(cases.size());
    std::vector<std::wstring> last(cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        next.push_back(CalcNextRun(grid, static_cast<int>(i) + 1, At(2025, 1, 1), kPhaseRunning, Fs()));
    for (base::TDateTime day = At(2025, 1, 1); day <= At(2028, 12, 31); day += 1) {
        const base::TDateTime now = day + 9.0 / 24;
        for (size_t i = 0; i < cases.size(); ++i) {
            if (next[i] == 0 || next[i] > now) continue;
            const int row = static_cast<int>(i) + 1;
            ++runs[i];
            last[i] = Text(next[i]);
            grid.SetCell(kColDone, row, base::DateTimeToStr(now, Fs()));
            next[i] = CalcNextRun(grid, row, now, kPhaseRunning, Fs());
        }
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(runs[i], cases[i].runs) << testing::PrintToString(cases[i].day);
        EXPECT_EQ(last[i], cases[i].last) << testing::PrintToString(cases[i].day);
        // The schedule stays as the user made it.
        EXPECT_EQ(grid.Cell(kColDay, static_cast<int>(i) + 1), cases[i].day);
    }
}

TEST(NextRunTime, NothingPastTheLastDayOfTheCalendar) {
    const base::TDateTime lastDay = At(9999, 12, 31, 10, 0, 0);
    EXPECT_EQ(Next(L"*Ежедневно", L"11:00:00", lastDay), L"31.12.9999 11:00:00");
    EXPECT_EQ(Next(L"*Ежедневно", L"9:00:00", lastDay), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пт", L"11:00:00", lastDay), L"31.12.9999 11:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пн", L"9:00:00", lastDay), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Пт", L"9:00:00", lastDay), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Числа:31", L"9:00:00", lastDay), L"0");
    EXPECT_EQ(Next(L"*Месяцы:Фев; Числа:29", L"9:00:00", At(9997, 3, 1)), L"0");
    EXPECT_EQ(Next(L"*Ежедневно", L"Через 1:00:00", At(9999, 12, 31, 23, 30, 0)), L"0");
    EXPECT_EQ(Next(L"31.12.9999", L"Через 1:00:00", At(9999, 12, 31, 23, 30, 0)), L"0");
}

TEST(NextRunTime, MonthsOnlyRunsOnceAMonth) {
    const base::TDateTime now = At(2024, 3, 15, 10, 0, 0);
    EXPECT_EQ(Next(L"*Месяцы:Мар,Апр", L"12:00:00", now), L"15.03.2024 12:00:00") << "never ran";
    EXPECT_EQ(Next(L"*Месяцы:Мар,Апр", L"12:00:00", now, kPhaseRunning, L"01.03.2024 12:00:00"),
              L"01.04.2024 12:00:00");
    // By month number, whatever the year.
    EXPECT_EQ(Next(L"*Месяцы:Мар,Апр", L"12:00:00", now, kPhaseRunning, L"01.03.2023 12:00:00"),
              L"01.04.2024 12:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Мар,Апр", L"12:00:00", now, kPhaseRunning, L"01.02.2024 12:00:00"),
              L"15.03.2024 12:00:00");
    EXPECT_EQ(Next(L"*Ежемесячно", L"12:00:00", now, kPhaseRunning, L"02.03.2024 12:00:00"),
              L"01.04.2024 12:00:00");
    EXPECT_EQ(
        Next(L"*Месяцы:Дек", L"12:00:00", At(2024, 12, 20, 10, 0, 0), kPhaseRunning, L"01.12.2024 12:00:00"),
        L"01.12.2025 12:00:00");
    EXPECT_EQ(Next(L"*Месяцы:Май", L"12:00:00", now), L"01.05.2024 12:00:00");
}

TEST(NextRunTime, DatesAreUsedAsWritten) {
    EXPECT_EQ(Next(L"20.03.2024", L"9:00:00", kWed10), L"20.03.2024 09:00:00");
    EXPECT_EQ(Next(L"01.03.2024", L"9:00:00", kWed10), L"01.03.2024 09:00:00") << "in the past";
    EXPECT_EQ(Next(L" 20.03.2024 ", L" 9:00:00 ", kWed10), L"20.03.2024 09:00:00") << "blanks around";
    EXPECT_EQ(Next(L"20.03.2024", L"Запуск", kWed10, kPhaseStart), L"20.03.2024 10:00:02");
    EXPECT_EQ(Next(L"20.03.2024", L"Запуск", kWed10), L"0");
}

TEST(NextRunTime, UnreadableCellsAreRepaired) {
    NextRunOf badDay(L"когда-нибудь", L"11:00:00");
    EXPECT_EQ(badDay.At(kWed10), L"13.03.2024 11:00:00");
    EXPECT_EQ(badDay.grid.Cell(kColDay, badDay.row), L"*Ежедневно");

    NextRunOf emptyDay(L"", L"9:00:00");
    EXPECT_EQ(emptyDay.At(kWed10), L"14.03.2024 09:00:00");
    EXPECT_EQ(emptyDay.grid.Cell(kColDay, emptyDay.row), L"*Ежедневно");

    NextRunOf blankBeforeSchedule(L" *Ежемесячно; Числа:20 ", L"9:00:00");
    EXPECT_EQ(blankBeforeSchedule.At(kWed10), L"20.03.2024 09:00:00");
    EXPECT_EQ(blankBeforeSchedule.grid.Cell(kColDay, blankBeforeSchedule.row), L"*Ежемесячно; Числа:20");

    NextRunOf badTime(L"*Ежедневно", L"в обед");
    EXPECT_EQ(badTime.At(kWed10), L"14.03.2024 00:00:00");
    EXPECT_EQ(badTime.grid.Cell(kColTime, badTime.row), L"");

    NextRunOf badInterval(L"*Ежедневно", L"Через много");
    EXPECT_EQ(badInterval.At(kWed10), L"14.03.2024 00:00:00");
    EXPECT_EQ(badInterval.grid.Cell(kColTime, badInterval.row), L"");
}

TEST(NextRunTime, ScheduleThatCanNeverMatchHasNoNextRun) {
    EXPECT_EQ(Next(L"*Месяцы:", L"9:00:00", kWed10), L"0");
    EXPECT_EQ(Next(L"*Что-то", L"9:00:00", kWed10), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:", L"9:00:00", kWed10), L"0");
    EXPECT_EQ(Next(L"*Ежемесячно; Дни:Xx", L"Через 0:10:00", kWed10), L"0");
}
