// The one line a Daytime server (TCP port 13) answers, in the asctime layout
// "Wed Jun  5 14:03:27 2024": after trimming, characters 5-7 are the English
// month, 9-10 the day, 12-13, 15-16 and 18-19 the time and 21-24 the year
// (1-based). The weekday is not read.
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
    int second = 0;
};

// Reads the answer. A line that is too short, names no month, or holds a field
// that is not a number or out of range (30 February, 24 o'clock...) is refused:
// false, with the reason in error (Russian, quoting the line).
bool ParseDaytimeAnswer(std::wstring_view line, DaytimeAnswer& answer, std::wstring& error);

}  // namespace timetext
