// Sunrise and sunset of one day by a low-precision solar model: the sun's place
// at the start and end of the day, interpolated hour by hour, the crossing of
// the horizon (zenith distance 90.833 degrees) found by a quadratic fit.
#pragma once

#include "base/date_time.h"

namespace timetext {

// The special results (the sun event codes).
constexpr double kSunNoEvent = -1;   // neither sunrise nor sunset that day (polar day or night)
constexpr double kSunOneEvent = -2;  // only one of the two happens that day

enum SunEventMode { kSunrise = 0, kSunset = 1 };

// Local time of day (0..1) of the event on the calendar date of `date`, in the
// zone `zoneHours` (positive west of Greenwich: Moscow is -3), for latitude
// (north positive) and longitude (east positive) in degrees; or a special result.
// Pure and allocation-free.
double ComputeSunRiseSet(int mode, base::TDateTime date, double zoneHours, double latitude, double longitude);

}  // namespace timetext
