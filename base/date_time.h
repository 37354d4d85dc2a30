// Date-time: days since 1899-12-30 in a double,
// the fraction being the time of day. Decoding first rounds to the millisecond;
// for negative values the time of day is the absolute fraction (-1.25 is
// 1899-12-29 06:00).
#pragma once

#include <stdexcept>

namespace base {

using TDateTime = double;

// Raised by the throwing conversions (EncodeDate, StrToDate, ...).
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

constexpr double kMSecsPerDay = 86400000.0;
constexpr double kSecsPerDay = 86400.0;

// The first and the last moment a date-time holds: 0001-01-01 and
// 9999-12-31, each at 23:59:59.999 (the fraction of a negative value counts
// from the start of its day too).
constexpr TDateTime kMinDateTime = -(693593.0 + 86399999.0 / kMSecsPerDay);
constexpr TDateTime kMaxDateTime = 2958465.0 + 86399999.0 / kMSecsPerDay;

// Truncation toward zero, as every conversion of a float to a whole number here.
double Trunc(double value);        // whole part as a double
long long TruncInt(double value);  // whole part as an integer (clamped to the range)
double Frac(double value);         // value - Trunc(value)

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12

// Date from year 1..9999, month 1..12, day 1..DaysInMonth; time from hour 0..23,
// minute 0..59, second 0..59, millisecond 0..999.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& time);
TDateTime EncodeDate(int year, int month, int day);                // throws ConvertError
TDateTime EncodeTime(int hour, int minute, int second, int msec);  // throws ConvertError
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& value);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);

struct DateParts {
    int year = 0, month = 0, day = 0;  // all 0 outside year 1..9999
};
struct TimeParts {
    int hour = 0, minute = 0, second = 0, msec = 0;
};
struct DateTimeParts {
    DateParts date;
    TimeParts time;
};

DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);
DateTimeParts DecodeDateTime(TDateTime value);
// Old-library style out parameters.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime value);

// Same day and time n months on; the day is cut to the length of the new month.
TDateTime IncMonth(TDateTime value, int months);

TDateTime DateOf(TDateTime value);  // Trunc
TDateTime TimeOf(TDateTime value);  // Frac

}  // namespace base
