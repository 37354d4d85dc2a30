// Stand-in until duration words (timetext) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"
#include "base/date_format.h"
#include "base/format_settings.h"

// Until the duration words are in: days as a number, then the time of day.
std::wstring TfrmHoralto::FormatDuration(const std::wstring&, double days) {
    const long long whole = base::TruncInt(days);
    return std::to_wstring(whole) + L" " +
           base::FormatDateTime(L"h:nn:ss", base::Frac(days), base::FormatSettings{});
}
