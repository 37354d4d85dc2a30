#include "base/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace base;

TEST(DateTime, EncodesDaysSince18991230) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
}

TEST(DateTime, RejectsInvalidParts) {
    TDateTime v = 123;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, v));
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, v));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, v));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, v));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, v));
    EXPECT_FALSE(TryEncodeDate(2024, 13, 1, v));
    EXPECT_FALSE(TryEncodeDate(2024, 4, 31, v));
    EXPECT_FALSE(TryEncodeDate(2024, 4, 0, v));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, v));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, v));
    EXPECT_THROW(EncodeDate(2024, 2, 30), ConvertError);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), ConvertError);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(DateTime, DecodeInvertsEncodeOverTheWholeRange) {
    for (int day = -693593; day <= 2958465; day += 97) {
        const DateParts d = DecodeDate(day);
        TDateTime back = 0;
        ASSERT_TRUE(TryEncodeDate(d.year, d.month, d.day, back)) << day;
        ASSERT_EQ(back, day);
    }
    const DateTimeParts p = DecodeDateTime(EncodeDateTime(2024, 2, 29, 23, 59, 58, 999));
    EXPECT_EQ(p.date.year, 2024);
    EXPECT_EQ(p.date.month, 2);
    EXPECT_EQ(p.date.day, 29);
    EXPECT_EQ(p.time.hour, 23);
    EXPECT_EQ(p.time.minute, 59);
    EXPECT_EQ(p.time.second, 58);
    EXPECT_EQ(p.time.msec, 999);
    EXPECT_EQ(DecodeDate(-693594).year, 0);  // before year 1: all zero
}

TEST(DateTime, NegativeValuesUseTheAbsoluteFraction) {
    int y, m, d, h, n, s, ms;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(n + s + ms, 0);
    DecodeDate(-0.5, y, m, d);
    EXPECT_EQ(d, 30);
    EXPECT_EQ(DecodeTime(-0.5).hour, 12);
}

TEST(DateTime, RoundsToTheMillisecondBeforeDecoding) {
    const TDateTime day = EncodeDate(2024, 12, 31);
    // 23:59:59.9996 becomes the next midnight.
    const DateTimeParts next = DecodeDateTime(day + 86399999.6 / kMSecsPerDay);
    EXPECT_EQ(next.date.year, 2025);
    EXPECT_EQ(next.date.day, 1);
    EXPECT_EQ(next.time.hour + next.time.minute + next.time.second + next.time.msec, 0);
    EXPECT_EQ(DayOfWeek(day + 86399999.6 / kMSecsPerDay), 4);  // Wednesday 2025-01-01
    // 23:59:59.9994 stays in the day.
    const TimeParts last = DecodeTime(day + 86399999.4 / kMSecsPerDay);
    EXPECT_EQ(last.hour, 23);
    EXPECT_EQ(last.msec, 999);
    // A value a hair below a whole second is that second.
    EXPECT_EQ(DecodeTime(EncodeTime(10, 0, 0, 0) - 1e-12).hour, 10);
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);                             // 1899-12-30, Saturday
    EXPECT_EQ(DayOfWeek(-1), 6);                            // Friday
    EXPECT_EQ(DayOfWeek(EncodeDate(2023, 12, 31)), 1);      // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 1) + 0.9), 2);  // Monday evening
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 4, 5)), 6);        // Friday
}

TEST(DateTime, IncMonthCutsTheDayAndKeepsTheTime) {
    const TDateTime time = EncodeTime(10, 30, 0, 0);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31), 1), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 5, 15) + time, 12), EncodeDate(2025, 5, 15) + time);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -13), EncodeDate(2022, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 12, 15), 1), EncodeDate(2025, 1, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), ConvertError);
}

TEST(DateTime, TruncationTowardZero) {
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(TruncInt(-2.9), -2);
    EXPECT_EQ(TruncInt(1e30), std::numeric_limits<long long>::max());
    EXPECT_DOUBLE_EQ(Frac(-1.5), -0.5);
    EXPECT_DOUBLE_EQ(DateOf(45387.75), 45387);
    EXPECT_DOUBLE_EQ(TimeOf(45387.75), 0.75);
}

TEST(DateTime, ValuesFarOutOfRangeDecodeAsNoDate) {
    // Days beyond what a 32-bit day count holds, and values that are no number.
    for (double value : std::initializer_list<double>{2.2e9, -2.2e9, 2147483000.0, 4294967296.0 + 5000.0,
                                                      1.0e12, 3.0e16, 1e300, HUGE_VAL, -HUGE_VAL, NAN}) {
        const DateParts d = DecodeDate(value);
        EXPECT_EQ(d.year, 0) << value;
        EXPECT_EQ(d.month, 0) << value;
        const TimeParts t = DecodeTime(value);
        EXPECT_TRUE(t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60) << value;
        const int day = DayOfWeek(value);
        EXPECT_TRUE(day >= 1 && day <= 7) << value;
    }
    // The last millisecond of 9999 still decodes.
    const DateTimeParts last = DecodeDateTime(EncodeDate(9999, 12, 31) + 86399999.0 / 86400000.0);
    EXPECT_EQ(last.date.year, 9999);
    EXPECT_EQ(last.time.msec, 999);
}

TEST(DateTime, FirstAndLastMomentBoundTheRange) {
    const DateTimeParts first = DecodeDateTime(kMinDateTime);
    EXPECT_EQ(first.date.year, 1);
    EXPECT_EQ(first.date.day, 1);
    EXPECT_EQ(first.time.msec, 999);  // the absolute fraction: 23:59:59.999
    const DateTimeParts last = DecodeDateTime(kMaxDateTime);
    EXPECT_EQ(last.date.year, 9999);
    EXPECT_EQ(last.time.msec, 999);
    const double ms = 1 / kMSecsPerDay;
    EXPECT_EQ(DecodeDate(kMinDateTime - ms).year, 0);
    EXPECT_EQ(DecodeDate(kMaxDateTime + ms).year, 0);
}
