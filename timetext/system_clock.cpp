#include "timetext/system_clock.h"

#include <utility>

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
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty()) text = L"код ошибки " + std::to_wstring(code);
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
