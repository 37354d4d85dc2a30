// Sunrise and sunset of one day by a low-precision solar model: the sun's place
// at the start and end of the day, interpolated hour by hour, the crossing of
// the horizon (zenith distance 90.833 degrees) found by a quadratic fit.
#pragma once

#include "base/date_time.h"

namespace timetext {

// The special results (the sun event codes), for the event asked for.
// The sun stays all day on the side of the horizon that event leads to: up all
// day for sunrise (polar day), down all day for sunset (polar night).
constexpr double kSunAllDay = -1;
// The event does not happen that day: the sun stays all day on the other side
// (sunrise in polar night, sunset in polar day), or crosses the horizon only
// once that day.
constexpr double kSunNotToday = -2;

enum SunEventMode { kSunrise = 0, kSunset = 1 };

// Local time of day (0..1) of the event on the calendar date of `date`, in the
// zone `zoneHours` (positive west of Greenwich: Moscow is -3), for latitude
// (north positive) and longitude (east positive) in degrees; or a special result.
// Pure and allocation-free.
double ComputeSunRiseSet(int mode, base::TDateTime date, double zoneHours, double latitude, double longitude);

}  // namespace timetext
