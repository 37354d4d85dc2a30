// Setting the computer clock from a received local date-time, and the seam
// through which the clock is set (tests put a guard there).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "timetext/daytime_answer.h"

namespace timetext {

// Sets the clock to the given local date-time (as the current time zone reads
// it, daylight time included) plus correctionSeconds. Throws ui::Exception
// with the reason when the time cannot be converted or the system refuses it.
void SetClockFromLocalTime(const DaytimeAnswer& local, long long correctionSeconds);

// Sets the system clock to a UTC time: 0 or the system's error code.
using ClockSetter = std::function<DWORD(const SYSTEMTIME& utc)>;
// Replaces the setter (an empty one restores the system's); returns the previous one.
ClockSetter ReplaceClockSetter(ClockSetter setter);
// The system's own setter (SetSystemTime).
DWORD SystemClockSetter(const SYSTEMTIME& utc);

// The system's text for an error code, without its line end and its full stop.
std::wstring SystemErrorText(DWORD code);

}  // namespace timetext
