// The regional settings that date, time and number texts are made with.
// Default member values are the fixed Windows-Russian profile; the Windows build
// fills the record from the system (SystemFormatSettings) at run time.
#pragma once

#include <array>
#include <string>

namespace base {

struct FormatSettings {
    wchar_t DateSeparator = L'.';
    wchar_t TimeSeparator = L':';
    wchar_t DecimalSeparator = L',';
    std::wstring ShortDateFormat = L"dd.MM.yyyy";
    std::wstring LongDateFormat = L"d MMMM yyyy 'г.'";
    std::wstring ShortTimeFormat = L"H:mm";
    std::wstring LongTimeFormat = L"H:mm:ss";
    std::wstring TimeAMString;
    std::wstring TimePMString;
    // Months from January (index 0); days from Sunday (index 0).
    std::array<std::wstring, 12> ShortMonthNames{L"янв", L"фев", L"мар", L"апр", L"май", L"июн",
                                                 L"июл", L"авг", L"сен", L"окт", L"ноя", L"дек"};
    std::array<std::wstring, 12> LongMonthNames{L"Январь",   L"Февраль", L"Март",   L"Апрель",
                                                L"Май",      L"Июнь",    L"Июль",   L"Август",
                                                L"Сентябрь", L"Октябрь", L"Ноябрь", L"Декабрь"};
    std::array<std::wstring, 7> ShortDayNames{L"Вс", L"Пн", L"Вт", L"Ср", L"Чт", L"Пт", L"Сб"};
    std::array<std::wstring, 7> LongDayNames{L"воскресенье", L"понедельник", L"вторник", L"среда",
                                             L"четверг",     L"пятница",     L"суббота"};
    // Two-digit years are put into the century window that ends this many years
    // after the current year (50 by default).
    int TwoDigitYearCenturyWindow = 50;
};

// The fixed Windows-Russian profile (what FormatSettings{} holds).
FormatSettings RussianWindowsProfile();

// Windows build only (format_settings_win.cpp): the user's regional settings,
// with the time formats built as h[h]:mm[:ss] from the locale's leading-zero
// and 12-hour flags.
FormatSettings SystemFormatSettings();

}  // namespace base
