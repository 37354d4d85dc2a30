// Spans of time and month names in agreeing Russian words.
#pragma once

#include <string>
#include <string_view>

#include "base/date_time.h"
#include "base/format_settings.h"

namespace timetext {

// A span of days formatted by `format`: every "%y" becomes the whole years
// ("1 год ", "2 года ", "5 лет "; nothing for 0), then every "%d" the days left
// over after whole 365-day years ("1 день ", "22 дня ", "11 дней "), and the
// result goes through the date-time formatter, whose time specifiers show the
// time within the span's last day. A negative span counts as 0; an empty format
// (or one that is empty once the markers are gone) gives the empty text.
std::wstring FormatDuration(std::wstring_view format, base::TDateTime span, const base::FormatSettings& fs);

// Nominative month names that follow a day number and one separator ("5 май",
// "5-май") and end a word are put into the genitive ("5 мая"; "март" and
// "август" gain "а"). Case is ignored in the search; the letters kept keep theirs.
std::wstring MonthNameGenitive(std::wstring_view text);

// "мая", "января", ...: index 1..12.
const wchar_t* GenitiveMonthName(int month);

}  // namespace timetext
