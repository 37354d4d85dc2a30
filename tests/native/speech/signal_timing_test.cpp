#include "timetext/speech/signal_timing.h"

#include <gtest/gtest.h>

using signals::HourGate;
using signals::HourlyStrokeCount;
using signals::NextSignalTime;
using signals::StrokeMode;

namespace {

constexpr double kDay = 45000;  // 2023-03-15
double At(int h, int m, int s, int ms = 0) {
    return kDay + (h * 3600 + m * 60 + s + ms / 1000.0) / 86400.0;
}
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kTolerance = 1e-6 * kSecond;

TEST(NextSignalTime, CountsFromNowWithoutAlignment) {
    EXPECT_NEAR(NextSignalTime(At(10, 7, 30, 250), 60, false), At(10, 8, 30, 250), kTolerance);
    EXPECT_NEAR(NextSignalTime(At(23, 59, 30), 60, false), At(24, 0, 30), kTolerance);
}

TEST(NextSignalTime, FromStartOfDayFallsOnMultiplesOfTheInterval) {
    EXPECT_NEAR(NextSignalTime(At(10, 7, 30), 900, true), At(10, 15, 0), kTolerance);
    // At exactly a multiple, the next one.
    EXPECT_NEAR(NextSignalTime(At(10, 15, 0), 900, true), At(10, 30, 0), kTolerance);
    // Milliseconds are dropped: still within the signal's second.
    EXPECT_NEAR(NextSignalTime(At(10, 15, 0, 999), 900, true), At(10, 30, 0), kTolerance);
    // 9 x 420 s = 01:03:00 counted from midnight, not from the hour.
    EXPECT_NEAR(NextSignalTime(At(1, 0, 10), 420, true), At(1, 3, 0), kTolerance);
}

TEST(NextSignalTime, FromStartOfDayCrossesMidnight) {
    EXPECT_NEAR(NextSignalTime(At(23, 59, 30), 60, true), kDay + 1, kTolerance);
    // Multiples of 25200 s (7 h) run on past midnight: after 21:00 comes 28:00,
    // the next day's 04:00.
    EXPECT_NEAR(NextSignalTime(At(22, 0, 0), 25200, true), At(28, 0, 0), kTolerance);
    // A time that rounds up to midnight belongs to the next day.
    EXPECT_NEAR(NextSignalTime(kDay + 1 - 0.0001 / 86400.0, 60, true), kDay + 1 + 60 * kSecond, kTolerance);
}

TEST(NextSignalTime, IntervalBelowOneSecondCountsAsOneSecond) {
    for (int bad : {0, -5}) {
        EXPECT_NEAR(NextSignalTime(At(10, 0, 0), bad, false), At(10, 0, 1), kTolerance);
        EXPECT_NEAR(NextSignalTime(At(10, 0, 0), bad, true), At(10, 0, 1), kTolerance);
    }
}

TEST(HourlyStrokeCount, OneByHoursOrOwn) {
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::One, 17, true, 9), 1);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 0, true, 9), 12);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 0, false, 9), 24);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 13, true, 9), 1);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 13, false, 9), 13);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 12, true, 9), 12);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::ByHours, 9, true, 9), 9);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::Own, 9, true, 0), 0);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::Own, 9, true, 3), 3);
    EXPECT_EQ(HourlyStrokeCount(StrokeMode::Own, 9, true, 1000), 100);
}

TEST(HourGate, FirstCheckOnlyRecordsTheHour) {
    HourGate gate;
    EXPECT_FALSE(gate.Check(At(10, 0, 30)));  // started at 10:00:30: no signal for 10 o'clock
    EXPECT_TRUE(gate.IsSet());
    EXPECT_EQ(gate.LastHour(), 10);
    EXPECT_FALSE(gate.Check(At(10, 0, 31)));
    EXPECT_FALSE(gate.Check(At(10, 59, 59)));
    EXPECT_TRUE(gate.Check(At(11, 0, 0)));
    EXPECT_FALSE(gate.Check(At(11, 0, 1)));  // a second tick within 11:00
    EXPECT_TRUE(gate.Check(At(12, 1, 0)));   // minute 0 had no tick: the first tick of the hour
    EXPECT_FALSE(gate.Check(At(12, 2, 0)));
    EXPECT_TRUE(gate.Check(At(13, 0, 0)));
    EXPECT_TRUE(gate.Check(At(24, 0, 0)));  // midnight of the next day
    // The clock moved back an hour: its hour is recorded, nothing struck.
    EXPECT_FALSE(gate.Check(At(23, 30, 0)));
    EXPECT_EQ(gate.LastHour(), 23);
    EXPECT_TRUE(gate.Check(At(24, 0, 0)));
}

TEST(HourMinuteOf, RoundsToTheMillisecond) {
    EXPECT_EQ(signals::HourMinuteOf(At(10, 59, 59, 999)).minute, 59);
    const auto hm = signals::HourMinuteOf(At(10, 59, 59) + 0.9996 / 86400.0);
    EXPECT_EQ(hm.hour, 11);
    EXPECT_EQ(hm.minute, 0);
}

}  // namespace
