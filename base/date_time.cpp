#include "base/date_time.h"

#include <cmath>
#include <limits>

#include "base/date_time_internal.h"

namespace base {
namespace {

constexpr int kDateDelta = 693594;  // days from 0001-01-01 (day 1) to 1899-12-30, less one
constexpr int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                   {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

}  // namespace

namespace detail {

TimeStamp ToTimeStamp(TDateTime value) {
    TimeStamp stamp;
    const double ms = std::nearbyint(value * kMSecsPerDay);  // to the millisecond, ties to even
    // Far beyond year 9999 either way: the day count must still fit an int.
    if (!std::isfinite(ms) || std::fabs(ms) > 1e8 * kMSecsPerDay) return stamp;
    long long total = static_cast<long long>(ms);
    const long long perDay = 86400000;
    if (total < 0) {
        total = -total;
        stamp.date = static_cast<int>(-(total / perDay)) + kDateDelta;
    } else {
        stamp.date = static_cast<int>(total / perDay) + kDateDelta;
    }
    stamp.time = static_cast<int>(total % perDay);
    stamp.valid = true;
    return stamp;
}

}  // namespace detail

double Trunc(double value) {
    return std::trunc(value);
}

long long TruncInt(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t >= 9.2e18) return std::numeric_limits<long long>::max();
    if (t <= -9.2e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(t);
}

double Frac(double value) {
    return value - std::trunc(value);
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    for (int m = 1; m < month; ++m) day += DaysInMonth(year, m);
    const int y = year - 1;
    date = static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + day - kDateDelta);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& time) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
        msec > 999)
        return false;
    time = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / kMSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) throw ConvertError("Invalid argument to date encode");
    return date;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, second, msec, time))
        throw ConvertError("Invalid argument to time encode");
    return time;
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& value) {
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, msec, time))
        return false;
    value = date >= 0 ? date + time : date - time;
    return true;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    TDateTime value = 0;
    if (!TryEncodeDateTime(year, month, day, hour, minute, second, msec, value))
        throw ConvertError("Invalid argument to date encode");
    return value;
}

DateParts DecodeDate(TDateTime value) {
    DateParts parts;
    const detail::TimeStamp stamp = detail::ToTimeStamp(value);
    if (!stamp.valid || stamp.date <= 0) return parts;
    constexpr int d1 = 365, d4 = 1461, d100 = 36524, d400 = 146097;
    int t = stamp.date - 1;
    int y = 1;
    y += 400 * (t / d400);
    t %= d400;
    int i = t / d100, d = t % d100;
    if (i == 4) {
        --i;
        d += d100;
    }
    y += i * 100;
    i = d / d4;
    d %= d4;
    y += i * 4;
    i = d / d1;
    d %= d1;
    if (i == 4) {
        --i;
        d += d1;
    }
    y += i;
    if (y > 9999) return parts;
    int m = 1;
    while (d >= DaysInMonth(y, m)) {
        d -= DaysInMonth(y, m);
        ++m;
    }
    parts.year = y;
    parts.month = m;
    parts.day = d + 1;
    return parts;
}

TimeParts DecodeTime(TDateTime value) {
    TimeParts parts;
    const detail::TimeStamp stamp = detail::ToTimeStamp(value);
    const int minutes = stamp.time / 60000, ms = stamp.time % 60000;
    parts.hour = minutes / 60;
    parts.minute = minutes % 60;
    parts.second = ms / 1000;
    parts.msec = ms % 1000;
    return parts;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    return {DecodeDate(value), DecodeTime(value)};
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    const DateParts parts = DecodeDate(value);
    year = parts.year;
    month = parts.month;
    day = parts.day;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
    const TimeParts parts = DecodeTime(value);
    hour = parts.hour;
    minute = parts.minute;
    second = parts.second;
    msec = parts.msec;
}

int DayOfWeek(TDateTime value) {
    const detail::TimeStamp stamp = detail::ToTimeStamp(value);
    const int r = stamp.date % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

TDateTime IncMonth(TDateTime value, int months) {
    DateParts d = DecodeDate(value);
    const int sign = months >= 0 ? 1 : -1;
    d.year += months / 12;
    d.month += months % 12;
    if (d.month < 1 || d.month > 12) {
        d.year += sign;
        d.month -= sign * 12;
    }
    if (d.year >= 1 && d.year <= 9999 && d.day > DaysInMonth(d.year, d.month))
        d.day = DaysInMonth(d.year, d.month);
    TDateTime result = EncodeDate(d.year, d.month, d.day);
    const double time = std::fabs(Frac(value));
    return result >= 0 ? result + time : result - time;
}

TDateTime DateOf(TDateTime value) {
    return Trunc(value);
}

TDateTime TimeOf(TDateTime value) {
    return Frac(value);
}

}  // namespace base
