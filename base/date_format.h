// Date-time texts: formatting by specifier letters and the locale's formats,
// and parsing of dates and times typed in the locale's order.
#pragma once

#include <string>
#include <string_view>

#include "base/date_time.h"
#include "base/format_settings.h"

namespace base {

// Formats value by format. Specifier letters ignore case:
//   c            short date, then " " and the long time unless the time is 00:00:00
//   d dd         day; ddd dddd short/long weekday name; ddddd short date; dddddd long date
//   m mm         month (minutes right after an h/hh token); mmm mmmm short/long month name
//   y yy         two-digit year; yyy yyyy four-digit year
//   h hh         hour (12-hour when am/pm, a/p or ampm follows); n nn minutes; s ss seconds
//   z zzz        milliseconds; t short time; tt long time
//   am/pm a/p    the marker as written in the format; ampm TimeAMString/TimePMString
//   aaa aaaa     short/long weekday name
//   / :          the date and time separators; '...' "..." literal text
// Any other character is copied. An empty format means "c". The value is rounded
// to the millisecond before it is decoded.
std::wstring FormatDateTime(std::wstring_view format, TDateTime value, const FormatSettings& fs);

// FormatDateTime with "c", "ddddd" and "tt".
std::wstring DateTimeToStr(TDateTime value, const FormatSettings& fs);
std::wstring DateToStr(TDateTime value, const FormatSettings& fs);
std::wstring TimeToStr(TDateTime value, const FormatSettings& fs);

// Parsing: numbers separated by the record's
// DateSeparator in the order of ShortDateFormat (day-month-year for dd.MM.yyyy);
// times as h[:m[:s[<DecimalSeparator>ms]]] with optional AM/PM markers; blanks
// between the parts allowed. A date without a year, or with a year of one or two
// digits, needs currentYear (pass 0 when unknown: such texts then fail).
constexpr int kNoCurrentYear = 0;
bool TryStrToDate(std::wstring_view text, TDateTime& value, const FormatSettings& fs,
                  int currentYear = kNoCurrentYear);
bool TryStrToTime(std::wstring_view text, TDateTime& value, const FormatSettings& fs);
// A date optionally followed by a time, or a time alone.
bool TryStrToDateTime(std::wstring_view text, TDateTime& value, const FormatSettings& fs,
                      int currentYear = kNoCurrentYear);
// Throwing forms (ConvertError).
TDateTime StrToDate(std::wstring_view text, const FormatSettings& fs, int currentYear = kNoCurrentYear);
TDateTime StrToTime(std::wstring_view text, const FormatSettings& fs);
TDateTime StrToDateTime(std::wstring_view text, const FormatSettings& fs, int currentYear = kNoCurrentYear);

}  // namespace base
