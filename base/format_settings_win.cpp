// The user's regional settings, read from the locale of the current user.
#include <windows.h>

#include <iterator>
#include <string>

#include "base/format_settings.h"

namespace base {
namespace {

std::wstring LocaleString(LCID lcid, LCTYPE type, const wchar_t* def) {
    wchar_t buffer[256];
    const int n = GetLocaleInfoW(lcid, type, buffer, static_cast<int>(std::size(buffer)));
    if (n <= 0) return def;  // an empty setting stays empty
    return std::wstring(buffer, static_cast<std::size_t>(n - 1));
}

wchar_t LocaleChar(LCID lcid, LCTYPE type, wchar_t def) {
    wchar_t buffer[2] = {};
    if (GetLocaleInfoW(lcid, type, buffer, 2) <= 0) return def;
    return buffer[0];
}

int LocaleInt(LCID lcid, LCTYPE type, int def) {
    const std::wstring text = LocaleString(lcid, type, L"");
    if (text.empty()) return def;
    try {
        return std::stoi(text);
    } catch (...) {
        return def;
    }
}

}  // namespace

FormatSettings SystemFormatSettings() {
    const LCID lcid = GetThreadLocale();
    FormatSettings fs;
    for (int i = 0; i < 12; ++i) {
        fs.ShortMonthNames[i] =
            LocaleString(lcid, LOCALE_SABBREVMONTHNAME1 + i, fs.ShortMonthNames[i].c_str());
        fs.LongMonthNames[i] = LocaleString(lcid, LOCALE_SMONTHNAME1 + i, fs.LongMonthNames[i].c_str());
    }
    // Windows numbers the days from Monday; the record from Sunday.
    for (int i = 0; i < 7; ++i) {
        const LCTYPE day = static_cast<LCTYPE>((i + 6) % 7);
        fs.ShortDayNames[i] = LocaleString(lcid, LOCALE_SABBREVDAYNAME1 + day, fs.ShortDayNames[i].c_str());
        fs.LongDayNames[i] = LocaleString(lcid, LOCALE_SDAYNAME1 + day, fs.LongDayNames[i].c_str());
    }
    fs.DecimalSeparator = LocaleChar(lcid, LOCALE_SDECIMAL, L'.');
    fs.DateSeparator = LocaleChar(lcid, LOCALE_SDATE, L'/');
    fs.ShortDateFormat = LocaleString(lcid, LOCALE_SSHORTDATE, L"m/d/yy");
    fs.LongDateFormat = LocaleString(lcid, LOCALE_SLONGDATE, L"mmmm d, yyyy");
    fs.TimeSeparator = LocaleChar(lcid, LOCALE_STIME, L':');
    fs.TimeAMString = LocaleString(lcid, LOCALE_S1159, L"am");
    fs.TimePMString = LocaleString(lcid, LOCALE_S2359, L"pm");
    // The time formats are built from the leading-zero and 12-hour flags, not
    // taken from the system's time format string.
    const std::wstring hour = LocaleInt(lcid, LOCALE_ITLZERO, 0) == 0 ? L"h" : L"hh";
    std::wstring prefix, postfix;
    if (LocaleInt(lcid, LOCALE_ITIME, 0) == 0) {
        if (LocaleInt(lcid, LOCALE_ITIMEMARKPOSN, 0) == 0)
            postfix = L" AMPM";
        else
            prefix = L"AMPM ";
    }
    fs.ShortTimeFormat = prefix + hour + L":mm" + postfix;
    fs.LongTimeFormat = prefix + hour + L":mm:ss" + postfix;
    return fs;
}

}  // namespace base
