#include "timetext/system_clock.h"

#include <utility>

#include "base/file_system.h"
#include "ui/exception.h"

namespace timetext {
namespace {

ClockSetter& CurrentSetter() {
    static ClockSetter setter;
    return setter;
}

constexpr long long kTicksPerSecond = 10000000;  // FILETIME counts 100 ns

}  // namespace

DWORD SystemClockSetter(const SYSTEMTIME& utc) {
    return SetSystemTime(&utc) ? 0 : GetLastError();
}

ClockSetter ReplaceClockSetter(ClockSetter setter) {
    return std::exchange(CurrentSetter(), std::move(setter));
}

std::wstring SystemErrorText(DWORD code) {
    std::wstring text = base::file_system::SystemText(code);
    while (!text.empty() && text.back() == L'.') text.pop_back();
    return text;
}

void SetClockFromLocalTime(const DaytimeAnswer& a, long long correctionSeconds) {
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(a.year);
    local.wMonth = static_cast<WORD>(a.month);
    local.wDay = static_cast<WORD>(a.day);
    local.wHour = static_cast<WORD>(a.hour);
    local.wMinute = static_cast<WORD>(a.minute);
    local.wSecond = static_cast<WORD>(a.second);
    SYSTEMTIME utc{};
    FILETIME ft{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &ft))
        throw ui::Exception(L"Не удалось перевести полученное время во всемирное: " +
                            SystemErrorText(GetLastError()));
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    t.QuadPart += static_cast<ULONGLONG>(correctionSeconds * kTicksPerSecond);
    ft.dwLowDateTime = t.LowPart;
    ft.dwHighDateTime = t.HighPart;
    if (!FileTimeToSystemTime(&ft, &utc))
        throw ui::Exception(L"Не удалось перевести полученное время во всемирное: " +
                            SystemErrorText(GetLastError()));
    const ClockSetter& setter = CurrentSetter();
    const DWORD error = setter ? setter(utc) : SystemClockSetter(utc);
    if (error != 0) throw ui::Exception(L"Не удалось установить системное время: " + SystemErrorText(error));
}

}  // namespace timetext
