// A time zone as Windows describes it (bias in minutes, positive west of
// Greenwich, with optional yearly daylight-saving transitions), and the zone
// offsets written in zone display texts.
#pragma once

#include <string_view>

#include "base/date_time.h"

namespace timetext {

// One yearly transition in local time. month 0 means "none". With year 0 the
// date is the week-th dayOfWeek (0 = Sunday) of the month, week 5 being the
// last; with a year it is that absolute date, day given by `day`.
struct ZoneTransition {
    int year = 0;
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;  // week 1..5 for yearly rules, day of month for absolute dates
    int hour = 0;
    int minute = 0;
};

struct TimeZoneRule {
    int bias = 0;                 // minutes, UTC = local + bias
    int daylightBias = 0;         // added to bias in the daylight period (usually -60)
    ZoneTransition standardDate;  // daylight period ends (in daylight local time)
    ZoneTransition daylightDate;  // daylight period begins (in standard local time)
};

// True when local date-time t lies in the zone's daylight period.
bool InDaylightTime(const TimeZoneRule& zone, base::TDateTime t);

// The real moment (UTC) at which the zone's wall clock reads the local
// date-time t. A time the clock skips when it moves forward is read as the
// moment of the jump; a time it shows twice when it moves back, as its second
// reading.
base::TDateTime LocalToUtc(const TimeZoneRule& zone, base::TDateTime t);

// The zone in hours (positive west) for sun times of the given date: the bias,
// plus the daylight bias when the day (at noon) lies in the daylight period.
double SunZoneHours(const TimeZoneRule& zone, base::TDateTime date);

// The UTC offset in hours (east positive) written at the start of a zone's
// display text: "(GMT+03:00) ...", "(UTC-03:30) ...", or "(GMT)"/"(UTC)" for 0.
// False when the text has no such prefix.
bool ZoneOffsetFromDisplay(std::wstring_view display, double& hoursEast);

}  // namespace timetext
