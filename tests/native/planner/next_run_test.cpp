#include "planner/next_run.h"

#include <gtest/gtest.h>

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

TEST(NextRunTime, ImpossibleDayNumberKeepsTheFirstOfTheMonth) {
    EXPECT_EQ(Next(L"*Месяцы:Фев; Числа:30", L"9:00:00", At(2024, 3, 15, 10, 0, 0)), L"01.02.2025 09:00:00");
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
