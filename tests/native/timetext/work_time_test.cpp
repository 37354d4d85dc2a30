#include "timetext/work_time.h"

#include <gtest/gtest.h>

#include "base/date_format.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "timetext/work_log.h"

using namespace timetext;

namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;
const double kBoot = base::EncodeDate(2008, 4, 5) + 8 * kHour;  // Windows started at 8:00
constexpr double kZone = 3 * kHour;                             // Moscow: local time is UTC + 3

double Utc(double local) {
    return local - kZone;
}

}  // namespace

TEST(WorkTimeModel, ProgramRestartWithinTheSameWindowsRun) {
    WorkTime wt;
    EXPECT_EQ(wt.Start({0, 5, 0, 0}, kBoot + 1 * kHour, Utc(kBoot + 1 * kHour), 1 * kHour),
              0);  // first start, new Windows run
    const StoredWorkTime exit1 = wt.AtExit(2 * kHour, Utc(kBoot + 2 * kHour));
    EXPECT_DOUBLE_EQ(exit1.totalWindowsWorkTime, 5 + 2 * kHour);
    // Restarted at 11:00 in the same run: the stored start is whole seconds.
    WorkTime again;
    StoredWorkTime stored = exit1;
    stored.startWork += 1.4 * kSecond;
    stored.startWorkUtc += 1.4 * kSecond;
    const double previous = again.Start(stored, kBoot + 3 * kHour, Utc(kBoot + 3 * kHour), 3 * kHour);
    EXPECT_DOUBLE_EQ(previous, 2 * kHour);
    EXPECT_NEAR(again.TW(3 * kHour), 5 + 3 * kHour, 1e-12);  // the period is not counted twice
    EXPECT_NEAR(again.W(3 * kHour), 3 * kHour, 1e-12);
}

TEST(WorkTimeModel, WindowsRestartStartsANewPeriod) {
    WorkTime wt;
    StoredWorkTime stored{kBoot, 5, 2 * kHour, 0.5 * kHour};  // settings of a version without the UTC start
    const double newBoot = kBoot + 1;
    EXPECT_EQ(wt.Start(stored, newBoot + 1 * kHour, Utc(newBoot + 1 * kHour), 1 * kHour), 0);
    EXPECT_DOUBLE_EQ(wt.WorkPeriodStart, 0);
    EXPECT_NEAR(wt.W(1 * kHour), 1 * kHour, 1e-12);
    EXPECT_NEAR(wt.TW(1 * kHour), 5 + 1 * kHour, 1e-12);
    EXPECT_NEAR(wt.WindowsStartTime, newBoot, 1e-9);
    // Three seconds off is another Windows run.
    stored.startWork = kBoot + 3 * kSecond;
    EXPECT_EQ(wt.Start(stored, kBoot + 3 * kHour, Utc(kBoot + 3 * kHour), 3 * kHour), 0);
    // With the UTC start kept: a Windows run that began a minute after the
    // last exit, its program started at a longer uptime than that exit's.
    stored = {kBoot, 5, 2 * kHour, 0, Utc(kBoot)};
    const double nextBoot = kBoot + 2 * kHour + 1.0 / 1440;
    EXPECT_EQ(wt.Start(stored, nextBoot + 3 * kHour, Utc(nextBoot + 3 * kHour), 3 * kHour), 0);
    // The clock set back an hour since: the tick count tells the new run.
    EXPECT_EQ(
        wt.Start(stored, nextBoot + 1 * kHour - 1 * kHour, Utc(nextBoot + 1 * kHour) - 1 * kHour, 1 * kHour),
        0);
}

TEST(WorkTimeModel, SuspendKeepsTheWorkBeforeIt) {
    WorkTime wt;
    wt.Start({}, kBoot + 1 * kHour, Utc(kBoot + 1 * kHour), 1 * kHour);
    wt.Suspend(2 * kHour);  // 10:00 after two hours of work
    EXPECT_NEAR(wt.TW(2 * kHour), 2 * kHour, 1e-12);
    wt.Resume(4 * kHour);  // 12:00 (the tick count ran on while asleep)
    EXPECT_NEAR(wt.W(5 * kHour), 1 * kHour, 1e-12);
    EXPECT_NEAR(wt.TW(5 * kHour), 3 * kHour, 1e-12);
    // Saved and restarted in the same run: the total still holds both periods.
    WorkTime again;
    const double previous = again.Start(wt.AtExit(5 * kHour, Utc(kBoot + 5 * kHour)), kBoot + 6 * kHour,
                                        Utc(kBoot + 6 * kHour), 6 * kHour);
    EXPECT_NEAR(previous, 1 * kHour, 1e-12);
    EXPECT_NEAR(again.TW(6 * kHour), 4 * kHour, 1e-12);
}

TEST(WorkTimeModel, RestartAfterTheClockMovedContinuesTheSameWindowsRunAndItsRow) {
    // Windows started at 8:00 (Moscow); the program ran from 9:00 to 10:00
    // and starts again at 11:00, in the same Windows run, after the clock moved.
    struct Case {
        const char* what;
        double zoneAtRestart;  // local time minus UTC at the restart
        double fixAtExit;      // clock corrections (UTC and local alike) made before the exit
        double fixAtRestart;   // ... and before the restart
        bool suspend;          // suspended 9:30, resumed 9:45
    };
    const Case cases[] = {
        {"plain restart", kZone, 0, 0, false},
        {"zone changed to Berlin", 1 * kHour, 0, 0, false},
        {"daylight saving time began", kZone + 1 * kHour, 0, 0, false},
        {"clock corrected by 5 s while the program ran", kZone, 5 * kSecond, 5 * kSecond, false},
        {"clock corrected by 5 s after the program closed", kZone, 0, -5 * kSecond, false},
        {"suspended and resumed", kZone, 0, 0, true},
    };
    const base::FormatSettings fs = base::RussianWindowsProfile();
    const double bootUtc = Utc(kBoot);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The first start of this Windows run; the last exit was in another one.
        WorkTime first;
        const StoredWorkTime earlier{kBoot - 1, 5, 2 * kHour, 0, bootUtc - 1};
        ASSERT_EQ(first.Start(earlier, bootUtc + 1 * kHour + kZone, bootUtc + 1 * kHour, 1 * kHour), 0);
        WorkLogRows log = NewWorkLog();
        OpenCurrentRun(log, false, base::DateTimeToStr(first.WindowsStartTime + first.WorkPeriodStart, fs));
        if (c.suspend) {
            SuspendWorkLog(log, L"1:30:00", base::DateTimeToStr(kBoot + 1.5 * kHour, fs));
            first.Suspend(1.5 * kHour);
            first.Resume(1.75 * kHour);
        }
        const WorkLogRow lastRow = log.back();
        const double tw = first.TW(2 * kHour);
        const StoredWorkTime stored = first.AtExit(2 * kHour, bootUtc + 2 * kHour + c.fixAtExit);
        SetCurrentRunWork(log, L"w");

        WorkTime again;
        const double utc = bootUtc + 3 * kHour + c.fixAtRestart;
        EXPECT_GT(again.Start(stored, utc + c.zoneAtRestart, utc, 3 * kHour), 0);
        EXPECT_NEAR(again.TW(3 * kHour), tw + 1 * kHour, 1e-9);  // only the new hour is added
        EXPECT_NEAR(again.W(3 * kHour), first.W(3 * kHour), 1e-9);
        WorkLogRows reloaded = NewWorkLog();
        const bool continued = LoadWorkLogLines(reloaded, WorkLogLines(log), true);
        OpenCurrentRun(reloaded, continued,
                       base::DateTimeToStr(again.WindowsStartTime + again.WorkPeriodStart, fs));
        ASSERT_EQ(reloaded.size(), log.size());  // the row goes on, no new one
        EXPECT_EQ(reloaded.back()[1], lastRow[1]);
    }
}

TEST(WorkTimeModel, UserTotalBelowTheCurrentPeriodIsIgnored) {
    WorkTime wt;
    wt.Start({}, kBoot + 3 * kHour, Utc(kBoot + 3 * kHour), 3 * kHour);
    EXPECT_FALSE(wt.SetTotal(2 * kHour, 3 * kHour));
    EXPECT_NEAR(wt.TW(3 * kHour), 3 * kHour, 1e-12);
    EXPECT_TRUE(wt.SetTotal(10, 3 * kHour));
    EXPECT_NEAR(wt.TW(3 * kHour), 10, 1e-12);
    wt.Suspend(4 * kHour);
    wt.Resume(5 * kHour);
    EXPECT_TRUE(wt.SetTotal(20, 6 * kHour));
    EXPECT_NEAR(wt.TW(6 * kHour), 20, 1e-12);
}

TEST(WorkTimeModel, UptimeFromTheTickCount) {
    EXPECT_DOUBLE_EQ(UptimeDays(86400000), 1);
    EXPECT_DOUBLE_EQ(UptimeDays(60ull * 86400000), 60);  // past the 32-bit wrap at 49.7 days
}

TEST(WorkLogRows, LoadWithLimitAndContinuedPeriod) {
    base::StringList lines;
    lines.Add(L"Время запуска\tВремя работы");
    for (int i = 1; i <= 10; ++i) lines.Add(L"start" + std::to_wstring(i) + L"\twork" + std::to_wstring(i));
    base::StringList unlimited = lines;
    LimitWorkLogLines(unlimited, 11);  // within the limit: all stay
    EXPECT_EQ(unlimited, lines);
    base::StringList headerOnly = lines;
    LimitWorkLogLines(headerOnly, 1);
    EXPECT_EQ(headerOnly, base::StringList{L"Время запуска\tВремя работы"});
    LimitWorkLogLines(headerOnly, 0);  // the header line is never dropped
    EXPECT_EQ(headerOnly.Count(), 1);
    LimitWorkLogLines(lines, 3);
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[0], L"Время запуска\tВремя работы");
    EXPECT_EQ(lines[1], L"start9\twork9");

    WorkLogRows fresh = NewWorkLog();
    LoadWorkLogLines(fresh, lines, false);
    ASSERT_EQ(fresh.size(), 4u);  // header, two records, the current run
    EXPECT_EQ(fresh[2], (WorkLogRow{L"2", L"start10", L"work10"}));
    EXPECT_EQ(fresh[3][0], L"3");

    WorkLogRows continued = NewWorkLog();
    LoadWorkLogLines(continued, lines, true);
    ASSERT_EQ(continued.size(), 3u);  // the last record is the current run again
    SetCurrentRunStart(continued, L"05.04.2008 8:00:00");
    EXPECT_EQ(continued.back(), (WorkLogRow{L"2", L"05.04.2008 8:00:00", L"work10"}));
}

TEST(WorkLogRows, LineWithoutTabAndFileLines) {
    base::StringList lines{L"header", L"only work"};
    WorkLogRows rows = NewWorkLog();
    LoadWorkLogLines(rows, lines, false);
    EXPECT_EQ(rows[1], (WorkLogRow{L"1", L"", L"only work"}));
    SetCurrentRunStart(rows, L"S");
    SetCurrentRunWork(rows, L"W");
    const base::StringList out = WorkLogLines(rows);
    EXPECT_EQ(out, (base::StringList{L"Время запуска\tВремя работы", L"\tonly work", L"S\tW"}));
}

TEST(WorkLogRows, SuspendClosesTheRowAndOpensAMarkedOne) {
    WorkLogRows rows = NewWorkLog();
    SetCurrentRunStart(rows, L"05.04.2008 9:00:00");
    SuspendWorkLog(rows, L"1:00:00", L"05.04.2008 10:00:00");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (WorkLogRow{L"1", L"05.04.2008 9:00:00*", L"1:00:00"}));
    EXPECT_EQ(rows[2], (WorkLogRow{L"2", L"*05.04.2008 10:00:00", L""}));
}

TEST(WorkLogRows, DeleteAndClear) {
    WorkLogRows rows = NewWorkLog();
    LoadWorkLogLines(rows, base::StringList{L"h", L"a\t1", L"b\t2", L"c\t3"}, false);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_FALSE(DeleteWorkLogRow(rows, 4));  // the current run stays
    EXPECT_FALSE(DeleteWorkLogRow(rows, 0));
    EXPECT_TRUE(DeleteWorkLogRow(rows, 2));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], (WorkLogRow{L"2", L"c", L"3"}));
    EXPECT_EQ(rows[3][0], L"3");
    ClearWorkLog(rows);
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], L"Время запуска");
    WorkLogRows two = NewWorkLog();
    EXPECT_FALSE(DeleteWorkLogRow(two, 1));
}
