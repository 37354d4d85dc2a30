#include "timetext/sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "timetext/zone_rule.h"

using namespace timetext;

namespace {

// The event as "h:mm", seconds dropped; special results as their codes.
std::string HourMinute(double r) {
    if (r < 0) return std::to_string(static_cast<int>(r));
    const int minutes = static_cast<int>(std::floor(r * 1440 + 1e-9));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", minutes / 60, minutes % 60);
    return buf;
}

std::string Event(int mode, int y, int m, int d, double zone, double lat, double lon) {
    return HourMinute(ComputeSunRiseSet(mode, base::EncodeDate(y, m, d), zone, lat, lon));
}

}  // namespace

TEST(SunRiseSet, MoscowThroughTheYear) {
    EXPECT_EQ(Event(kSunrise, 2008, 3, 20, -3, 55.75, 37.62), "6:31");
    EXPECT_EQ(Event(kSunset, 2008, 3, 20, -3, 55.75, 37.62), "18:44");
    EXPECT_EQ(Event(kSunrise, 2008, 6, 21, -3, 55.75, 37.62), "3:45");
    EXPECT_EQ(Event(kSunset, 2008, 6, 21, -3, 55.75, 37.62), "21:18");
    EXPECT_EQ(Event(kSunrise, 2008, 12, 21, -3, 55.75, 37.62), "8:58");
    EXPECT_EQ(Event(kSunset, 2008, 12, 21, -3, 55.75, 37.62), "15:58");
}

TEST(SunRiseSet, PolarDayAndNightTellWhichSideTheSunStaysOn) {
    // Polar day: sunrise "all day", sunset "not today"; polar night the reverse.
    struct Case {
        int month;
        double latitude, longitude;
        double rise, set;
    } cases[] = {
        {6, 80, 37.62, kSunAllDay, kSunNotToday},    // north in June: polar day
        {12, 80, 37.62, kSunNotToday, kSunAllDay},   // north in December: polar night
        {6, -80, 37.62, kSunNotToday, kSunAllDay},   // south in June: polar night
        {12, -80, 37.62, kSunAllDay, kSunNotToday},  // south in December: polar day
        {6, -75, -60, kSunNotToday, kSunAllDay},
    };
    for (const Case& c : cases) {
        const base::TDateTime day = base::EncodeDate(2008, c.month, 21);
        EXPECT_EQ(ComputeSunRiseSet(kSunrise, day, -3, c.latitude, c.longitude), c.rise)
            << c.latitude << " in month " << c.month;
        EXPECT_EQ(ComputeSunRiseSet(kSunset, day, -3, c.latitude, c.longitude), c.set)
            << c.latitude << " in month " << c.month;
    }
}

TEST(SunRiseSet, DayWithOnlyOneCrossing) {
    EXPECT_EQ(ComputeSunRiseSet(kSunrise, base::EncodeDate(2008, 5, 31), -3, 67, 37.62), kSunNotToday);
    EXPECT_EQ(ComputeSunRiseSet(kSunset, base::EncodeDate(2008, 5, 31), -3, 67, 37.62), kSunNotToday);
}

TEST(SunRiseSet, OtherPlacesAndSeasons) {
    // Within a minute or two of the almanac.
    // New Delhi, a half-hour zone (UTC+5:30).
    EXPECT_EQ(Event(kSunrise, 2008, 3, 20, -5.5, 28.61, 77.21), "6:25");
    EXPECT_EQ(Event(kSunset, 2008, 3, 20, -5.5, 28.61, 77.21), "18:33");
    // Sydney in its summer (UTC+11 in daylight time).
    EXPECT_EQ(Event(kSunrise, 2008, 12, 21, -11, -33.87, 151.21), "5:41");
    EXPECT_EQ(Event(kSunset, 2008, 12, 21, -11, -33.87, 151.21), "20:06");
    // New York, west of Greenwich (UTC-5).
    EXPECT_EQ(Event(kSunrise, 2008, 12, 21, 5, 40.71, -74.01), "7:17");
    EXPECT_EQ(Event(kSunset, 2008, 12, 21, 5, 40.71, -74.01), "16:32");
}

TEST(SunRiseSet, JulianCalendarBefore1583) {
    // 1 March 1500 (Julian) is 10 March in the Gregorian count: the sun
    // is where it is around 10 March of any year.
    const double julian = ComputeSunRiseSet(kSunrise, base::EncodeDate(1500, 3, 1), -3, 55.75, 37.62);
    const double gregorian = ComputeSunRiseSet(kSunrise, base::EncodeDate(2008, 3, 10), -3, 55.75, 37.62);
    EXPECT_NEAR(julian * 1440, gregorian * 1440, 4);
}

TEST(ZoneRule, DaylightPeriodNorthAndSouth) {
    TimeZoneRule berlin{-60, -60, {0, 10, 0, 5, 3, 0}, {0, 3, 0, 5, 2, 0}};
    EXPECT_FALSE(
        InDaylightTime(berlin, base::EncodeDate(2008, 3, 30) + 1.5 / 24));  // last Sunday of March, 1:30
    EXPECT_TRUE(InDaylightTime(berlin, base::EncodeDate(2008, 3, 30) + 2.5 / 24));
    EXPECT_TRUE(InDaylightTime(berlin, base::EncodeDate(2008, 6, 21)));
    EXPECT_TRUE(InDaylightTime(berlin, base::EncodeDate(2008, 10, 26) + 2.5 / 24));
    EXPECT_FALSE(InDaylightTime(berlin, base::EncodeDate(2008, 10, 26) + 3.5 / 24));
    EXPECT_DOUBLE_EQ(SunZoneHours(berlin, base::EncodeDate(2008, 6, 21)), -2);
    EXPECT_DOUBLE_EQ(SunZoneHours(berlin, base::EncodeDate(2008, 12, 21)), -1);

    TimeZoneRule sydney{-600, -60, {0, 4, 0, 1, 3, 0}, {0, 10, 0, 1, 2, 0}};
    EXPECT_TRUE(InDaylightTime(sydney, base::EncodeDate(2008, 12, 21)));
    EXPECT_FALSE(InDaylightTime(sydney, base::EncodeDate(2008, 6, 21)));

    TimeZoneRule moscow{-180, 0, {}, {}};
    EXPECT_DOUBLE_EQ(SunZoneHours(moscow, base::EncodeDate(2008, 6, 21)), -3);
    TimeZoneRule delhi{-330, 0, {}, {}};
    EXPECT_DOUBLE_EQ(SunZoneHours(delhi, base::EncodeDate(2008, 6, 21)), -5.5);
}

TEST(ZoneRule, OffsetFromDisplayText) {
    double h = 99;
    EXPECT_TRUE(ZoneOffsetFromDisplay(L"(GMT+03:00) Москва, Санкт-Петербург", h));
    EXPECT_DOUBLE_EQ(h, 3);
    EXPECT_TRUE(ZoneOffsetFromDisplay(L"(UTC-03:30) Ньюфаундленд", h));
    EXPECT_DOUBLE_EQ(h, -3.5);
    EXPECT_TRUE(ZoneOffsetFromDisplay(L"(UTC+05:45) Катманду", h));
    EXPECT_DOUBLE_EQ(h, 5.75);
    EXPECT_TRUE(ZoneOffsetFromDisplay(L"(GMT) Гринвич", h));
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_TRUE(ZoneOffsetFromDisplay(L"(UTC) Coordinated Universal Time", h));
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_FALSE(ZoneOffsetFromDisplay(L"Москва", h));
    EXPECT_FALSE(ZoneOffsetFromDisplay(L"(GMT+03:00 Москва", h));
    EXPECT_FALSE(ZoneOffsetFromDisplay(L"", h));
}
