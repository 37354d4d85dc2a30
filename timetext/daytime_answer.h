// The one line a Daytime server (TCP port 13) answers. Two layouts are read:
// - the asctime layout "Wed Jun  5 14:03:27 2024", local time of the server:
//   after trimming, characters 5-7 are the English month, 9-10 the day,
//   12-13, 15-16 and 18-19 the time and 21-24 the year (1-based); the weekday
//   is not read;
// - NIST's layout "60466 24-06-05 14:03:27 50 0 0 445.8 UTC(NIST) *": the
//   modified Julian day, the date as YY-MM-DD and the time, in UTC; then the
//   daylight-saving code, the leap-second warning, the server's health, the
//   advance in milliseconds and "UTC(NIST)" with an on-time marker.
#pragma once

#include <string>
#include <string_view>

namespace timetext {

struct DaytimeAnswer {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;    // a leap second (60) is read as 59
    bool utc = false;  // true for NIST's layout, whose time is UTC
};

// Reads the answer. A line that is too short, names no month, or holds a field
// that is not a number or out of range (30 February, 24 o'clock...) is refused:
// false, with the reason in error (Russian, quoting the line). A NIST line whose
// day number does not agree with its date, or whose server reports itself
// unhealthy, is refused too.
bool ParseDaytimeAnswer(std::wstring_view line, DaytimeAnswer& answer, std::wstring& error);

}  // namespace timetext
