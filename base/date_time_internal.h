// Shared by the date-time sources only.
#pragma once

#include "base/date_time.h"

namespace base::detail {

// A date-time rounded to the millisecond: date counts days from 0001-01-01 (= 1),
// time the milliseconds of the day (for negative values, of the absolute fraction).
struct TimeStamp {
    int date = 0;
    int time = 0;
    bool valid = false;  // false for NaN, infinities and values far out of range
};

TimeStamp ToTimeStamp(TDateTime value);

}  // namespace base::detail
