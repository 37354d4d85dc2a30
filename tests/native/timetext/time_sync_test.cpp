#include <gtest/gtest.h>

#include "base/date_time.h"
#include "timetext/daytime_answer.h"
#include "timetext/time_sync.h"
#include "timetext/time_zone_record.h"

using namespace timetext;

namespace {

DaytimeAnswer Parsed(std::wstring_view line) {
    DaytimeAnswer a;
    std::wstring error;
    EXPECT_TRUE(ParseDaytimeAnswer(line, a, error)) << std::wstring(line);
    EXPECT_TRUE(error.empty());
    return a;
}

std::wstring Refusal(std::wstring_view line) {
    DaytimeAnswer a;
    a.year = 1234;
    std::wstring error;
    EXPECT_FALSE(ParseDaytimeAnswer(line, a, error)) << std::wstring(line);
    EXPECT_EQ(a.year, 1234) << "a refused answer leaves the fields alone";
    return error;
}

}  // namespace

TEST(DaytimeAnswer, ReadsTheFixedPositions) {
    const DaytimeAnswer a = Parsed(L"Wed Jun 05 14:03:27 2024");
    EXPECT_EQ(a.year, 2024);
    EXPECT_EQ(a.month, 6);
    EXPECT_EQ(a.day, 5);
    EXPECT_EQ(a.hour, 14);
    EXPECT_EQ(a.minute, 3);
    EXPECT_EQ(a.second, 27);
}

TEST(DaytimeAnswer, AsctimePaddingCaseAndLineEnds) {
    // asctime pads a one-digit day with a blank; the line ends with CR LF.
    DaytimeAnswer a = Parsed(L"Thu Feb  1 00:00:00 2024\r\n");
    EXPECT_EQ(a.month, 2);
    EXPECT_EQ(a.day, 1);
    // Blanks and control characters go at both ends; the month ignores case;
    // the weekday is not read; text after the year is not read.
    a = Parsed(L"\t  xxx DEC 31 23:59:59 1999 UTC");
    EXPECT_EQ(a.month, 12);
    EXPECT_EQ(a.year, 1999);
    EXPECT_EQ(Parsed(L"Mon jan 29 12:00:00 2024").month, 1);
    EXPECT_EQ(Parsed(L"Thu Feb 29 12:00:00 2024").day, 29);  // leap year
}

TEST(DaytimeAnswer, RefusesMalformedLines) {
    EXPECT_NE(Refusal(L"").find(L"слишком короткая"), std::wstring::npos);
    EXPECT_NE(Refusal(L"Wed Jun 05 14:03:27 24").find(L"«Wed Jun 05 14:03:27 24»"), std::wstring::npos);
    EXPECT_NE(Refusal(L"Wed Jux 05 14:03:27 2024").find(L"месяца"), std::wstring::npos);
    EXPECT_NE(Refusal(L"Wed Jun 0x 14:03:27 2024").find(L"не числом"), std::wstring::npos);
    Refusal(L"Wed Jun 05 14:-3:27 2024");
    Refusal(L"Wed Jun 05 14:03:27 20 4");
    Refusal(L"Wed Jun    14:03:27 2024");  // day all blanks
    Refusal(L"hello, this is not a time at all");
}

TEST(DaytimeAnswer, RefusesValuesOutOfRange) {
    EXPECT_NE(Refusal(L"Fri Feb 30 12:00:00 2024").find(L"вне допустимых"), std::wstring::npos);
    Refusal(L"Thu Feb 29 12:00:00 2023");
    Refusal(L"Wed Jun 00 12:00:00 2024");
    Refusal(L"Wed Jun 05 24:00:00 2024");
    Refusal(L"Wed Jun 05 23:60:00 2024");
    Refusal(L"Wed Jun 05 23:59:61 2024");
    Refusal(L"Wed Jun 05 23:59:59 1969");
}

TEST(DaytimeAnswer, LeapSecondIsTheLastSecondOfItsMinute) {
    DaytimeAnswer a = Parsed(L"Wed Dec 31 23:59:60 2025");
    EXPECT_EQ(a.second, 59);
    EXPECT_EQ(a.minute, 59);
    EXPECT_EQ(a.day, 31);
    a = Parsed(L"61040 25-12-31 23:59:60 00 1 0 0.0 UTC(NIST) *");
    EXPECT_EQ(a.second, 59);
    EXPECT_EQ(a.year, 2025);
}

TEST(DaytimeAnswer, NistLayoutIsUtcWithTheCenturyFromItsDayNumber) {
    // As NIST's servers send it: a line feed first, then the line.
    DaytimeAnswer a = Parsed(L"\n60466 24-06-05 14:03:27 50 0 0 445.8 UTC(NIST) *\n");
    EXPECT_TRUE(a.utc);
    EXPECT_EQ(a.year, 2024);
    EXPECT_EQ(a.month, 6);
    EXPECT_EQ(a.day, 5);
    EXPECT_EQ(a.hour, 14);
    EXPECT_EQ(a.minute, 3);
    EXPECT_EQ(a.second, 27);
    // Health 1 (may be a few seconds off) is still taken; "#" marks a late answer.
    a = Parsed(L"61381 26-12-07 00:00:00 00 0 1 50.0 UTC(NIST) #");
    EXPECT_EQ(a.year, 2026);
    EXPECT_EQ(a.day, 7);
    EXPECT_FALSE(Parsed(L"Wed Jun 05 14:03:27 2024").utc);
}

TEST(DaytimeAnswer, RefusesBrokenNistLines) {
    EXPECT_NE(Refusal(L"60466 24-06-06 14:03:27 50 0 0 445.8 UTC(NIST) *").find(L"номер дня"),
              std::wstring::npos);                                    // day number of another date
    Refusal(L"60466 24-06-05 14:03:27 50 0 0 445.8 UTC(USNO) *");     // not NIST's statement
    Refusal(L"60466 24-06-05 14:03:27 50 0 0 445.8");                 // cut short
    Refusal(L"60466 24-06-05 14:3:27 50 0 0 445.8 UTC(NIST) *");      // one-digit minute
    Refusal(L"60466 24-06-05 24:03:27 50 0 0 445.8 UTC(NIST) *");     // hour 24
    Refusal(L"60466 24-13-05 14:03:27 50 0 0 445.8 UTC(NIST) *");     // month 13
    Refusal(L"60466 24-06-05 14:03:61 50 0 0 445.8 UTC(NIST) *");     // second 61
    Refusal(L"99999999 24-06-05 14:03:27 50 0 0 445.8 UTC(NIST) *");  // beyond the calendar
    EXPECT_NE(Refusal(L"60466 24-06-05 14:03:27 50 0 2 445.8 UTC(NIST) *").find(L"неисправ"),
              std::wstring::npos);  // the server says its time is not to be used
}

TEST(SyncCorrections, AmendmentIsTheTimeOfDayInWholeSeconds) {
    EXPECT_EQ(AmendmentSeconds(base::EncodeTime(0, 1, 30, 0)), 90);
    EXPECT_EQ(AmendmentSeconds(base::EncodeTime(1, 0, 0, 999)), 3600);
    EXPECT_EQ(AmendmentSeconds(30 + base::EncodeTime(0, 0, 5, 0)), 5);  // the date is not counted
    EXPECT_EQ(AmendmentSeconds(0), 0);
}

TEST(SyncCorrections, EachCorrectionInTurn) {
    SyncCorrections c;
    EXPECT_EQ(CorrectionSeconds(c), 0);
    c.amendmentSeconds = 90;
    EXPECT_EQ(CorrectionSeconds(c), 90);
    c.amendmentMinus = true;
    EXPECT_EQ(CorrectionSeconds(c), -90);

    // Daylight only when both switched on and in force.
    c = {};
    c.daylightAmendment = true;
    EXPECT_EQ(CorrectionSeconds(c), 0);
    c.daylightInForce = true;
    EXPECT_EQ(CorrectionSeconds(c), 3600);
    c.daylightAmendment = false;
    EXPECT_EQ(CorrectionSeconds(c), 0);

    // The zone: minus the bias (Moscow: bias -180 gives +3 hours).
    c = {};
    c.biasMinutes = -180;
    EXPECT_EQ(CorrectionSeconds(c), 0);
    c.zoneAmendment = true;
    EXPECT_EQ(CorrectionSeconds(c), 10800);
    c.biasMinutes = 300;
    EXPECT_EQ(CorrectionSeconds(c), -18000);
}

TEST(SyncCorrections, RoundTripIsHalfTheElapsedWholeSeconds) {
    SyncCorrections c;
    c.elapsedMs = 1999;
    EXPECT_EQ(CorrectionSeconds(c), 0);  // under two seconds: no correction
    c.elapsedMs = 2000;
    EXPECT_EQ(CorrectionSeconds(c), -1);
    c.elapsedMs = 5999;
    EXPECT_EQ(CorrectionSeconds(c), -2);
    c.elapsedMs = -5000;  // a clock that went back never adds time
    EXPECT_EQ(CorrectionSeconds(c), 0);
}

TEST(SyncCorrections, AllTogether) {
    // Minus 00:01:30, daylight on but standard time in force, zone off: only
    // the amendment and the round trip.
    SyncCorrections c;
    c.amendmentSeconds = 90;
    c.amendmentMinus = true;
    c.daylightAmendment = true;
    c.biasMinutes = -180;
    c.elapsedMs = 4100;
    EXPECT_EQ(CorrectionSeconds(c), -92);
    c.daylightInForce = true;
    c.zoneAmendment = true;
    EXPECT_EQ(CorrectionSeconds(c), -92 + 3600 + 10800);
}

TEST(NextSynchronization, PlannedWhenAnAttemptStarts) {
    const double now = base::EncodeDateTime(2024, 6, 5, 14, 0, 0, 0);
    const double hour = 1.0 / 24, interval = 30 + 12 * hour;
    // The retry comes first; its date part is not counted.
    EXPECT_DOUBLE_EQ(NextSynchronizationAtStart(now, true, hour, true, interval), now + hour);
    EXPECT_DOUBLE_EQ(NextSynchronizationAtStart(now, true, 2 + hour, false, interval), now + hour);
    EXPECT_DOUBLE_EQ(NextSynchronizationAtStart(now, false, hour, true, interval), now + interval);
    EXPECT_EQ(NextSynchronizationAtStart(now, false, hour, false, interval), 0);
    // A zero retry time or interval plans nothing rather than a start on every tick.
    EXPECT_EQ(NextSynchronizationAtStart(now, true, 0, true, interval), 0);
    EXPECT_EQ(NextSynchronizationAtStart(now, false, hour, true, 0), 0);
}

TEST(NextSynchronization, PlannedAfterASuccess) {
    const double now = base::EncodeDateTime(2024, 6, 5, 14, 0, 0, 0);
    EXPECT_DOUBLE_EQ(NextSynchronizationAfterSuccess(now, true, 30.5), now + 30.5);
    EXPECT_EQ(NextSynchronizationAfterSuccess(now, false, 30.5), 0);
    EXPECT_EQ(NextSynchronizationAfterSuccess(now, true, 0), 0);
}

TEST(NextSynchronization, IntervalDaysReplaceTheDatePart) {
    const double time = base::EncodeTime(6, 30, 0, 0);
    EXPECT_DOUBLE_EQ(IntervalWithDays(30 + time, 7), 7 + time);
    EXPECT_DOUBLE_EQ(IntervalWithDays(time, 0), time);
    EXPECT_DOUBLE_EQ(IntervalWithDays(12, 3650), 3650);
}

TEST(ServerList, NextHostAfterAFailure) {
    const std::vector<std::wstring> hosts = {L"a.example", L"b.example", L"c.example"};
    EXPECT_EQ(NextHostIndex(hosts, L"a.example"), 1);
    EXPECT_EQ(NextHostIndex(hosts, L"B.EXAMPLE"), 2);  // the list's comparison ignores case
    EXPECT_EQ(NextHostIndex(hosts, L"c.example"), 0);  // the last leads to the first
    EXPECT_EQ(NextHostIndex(hosts, L"typed.example"), 0);
    EXPECT_EQ(NextHostIndex({L"only"}, L"only"), 0);
    EXPECT_EQ(NextHostIndex({}, L"x"), -1);
}

TEST(TimeZoneRecord, ParsesTheFortyFourBytes) {
    // Bias -180, StandardBias 0, DaylightBias -60; standard date October,
    // last (5) Sunday, 03:00; daylight date March, last Sunday, 02:00.
    std::vector<std::uint8_t> b = {0x4C, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xC4, 0xFF, 0xFF, 0xFF, 0, 0, 10,
                                   0,    0,    0,    5,    0, 3, 0, 0, 0,    0,    0,    0,    0, 0, 0,
                                   3,    0,    0,    0,    5, 0, 2, 0, 0,    0,    0,    0,    0, 0};
    ASSERT_EQ(b.size(), kTziSize);
    ZoneTzi t;
    ASSERT_TRUE(ParseTzi(b, t));
    EXPECT_EQ(t.bias, -180);
    EXPECT_EQ(t.standardBias, 0);
    EXPECT_EQ(t.daylightBias, -60);
    EXPECT_EQ(t.standardDate.month, 10);
    EXPECT_EQ(t.standardDate.day, 5);
    EXPECT_EQ(t.standardDate.hour, 3);
    EXPECT_EQ(t.daylightDate.month, 3);
    EXPECT_EQ(t.daylightDate.hour, 2);
    EXPECT_EQ(t.daylightDate.milliseconds, 0);

    // A shorter value is never applied half-filled.
    b.pop_back();
    ZoneTzi untouched;
    untouched.bias = 77;
    EXPECT_FALSE(ParseTzi(b, untouched));
    EXPECT_EQ(untouched.bias, 77);
    EXPECT_FALSE(ParseTzi({}, untouched));
}

TEST(TimeZoneList, CurrentZoneAndChosenZone) {
    const std::vector<ZoneListEntry> zones = {
        {L"(UTC+03:00) Moscow", L"Russian Standard Time", L"Russian Standard Time"},
        {L"(UTC+02:00) Kaliningrad", L"Kaliningrad Standard Time", L"Kaliningrad Standard Time"},
        {L"(UTC+03:00) Moscow (old)", L"RUSSIAN STANDARD TIME", L"Russian Standard Time (old)"},
    };
    // The last key whose Std matches wins; none matching selects nothing.
    EXPECT_EQ(CurrentZoneDisplay(zones, L"russian standard time"), L"(UTC+03:00) Moscow (old)");
    EXPECT_EQ(CurrentZoneDisplay(zones, L"Kaliningrad Standard Time", L"Russian Standard Time"),
              L"(UTC+02:00) Kaliningrad");
    EXPECT_EQ(CurrentZoneDisplay(zones, L"Coordinated Universal Time"), L"");
    // A standard name in another language than the registry's: the zone's key decides.
    EXPECT_EQ(CurrentZoneDisplay(zones, L"Калининградское время", L"kaliningrad standard time"),
              L"(UTC+02:00) Kaliningrad");
    EXPECT_EQ(CurrentZoneDisplay(zones, L"Калининградское время", L"Nowhere"), L"");

    // Two zones with the same Display: the first in registry order applies.
    const std::vector<std::wstring> displays = {L"(UTC) Zone", L"(UTC+01:00) Другая", L"(utc) zone"};
    EXPECT_EQ(FirstZoneWithDisplay(displays, L"(UTC) zone"), 0);
    EXPECT_EQ(FirstZoneWithDisplay(displays, L"(UTC+01:00) ДРУГАЯ"), 1);
    EXPECT_EQ(FirstZoneWithDisplay(displays, L"(UTC+05:00) Nowhere"), -1);
}

TEST(TimeZoneList, SortedAsTheListBoxSortsThem) {
    std::vector<std::wstring> d = {L"(UTC+03:00) b", L"(UTC+03:00) A", L"(UTC+01:00) x", L"(UTC+03:00) a"};
    SortZoneDisplays(d);
    EXPECT_EQ(d, (std::vector<std::wstring>{L"(UTC+01:00) x", L"(UTC+03:00) A", L"(UTC+03:00) a",
                                            L"(UTC+03:00) b"}));
}
