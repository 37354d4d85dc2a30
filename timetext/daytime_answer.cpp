#include "timetext/daytime_answer.h"

#include <array>

#include "base/conversions.h"
#include "base/date_time.h"
#include "base/text_compare.h"

namespace timetext {
namespace {

constexpr std::array<std::wstring_view, 12> kMonths = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                       L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};

// Characters first..last (1-based) as a decimal number; leading blanks are
// allowed (asctime pads a one-digit day with one), anything else fails.
bool Field(std::wstring_view line, std::size_t first, std::size_t last, int& value) {
    std::size_t i = first - 1;
    while (i < last && line[i] == L' ') ++i;
    if (i == last) return false;
    value = 0;
    for (; i < last; ++i) {
        if (line[i] < L'0' || line[i] > L'9') return false;
        value = value * 10 + (line[i] - L'0');
    }
    return true;
}

}  // namespace

bool ParseDaytimeAnswer(std::wstring_view raw, DaytimeAnswer& answer, std::wstring& error) {
    const std::wstring line = base::Trim(raw);
    // Quoted in the message, cut so that a long answer keeps the message short.
    const std::wstring quoted = L"«" + line.substr(0, 60) + (line.size() > 60 ? L"…" : L"") + L"»";
    auto refuse = [&](const std::wstring& why) {
        error = L"Ответ сервера времени не принят (" + why + L"): " + quoted;
        return false;
    };
    if (line.size() < 24) return refuse(L"слишком короткая строка");

    DaytimeAnswer a;
    const std::wstring_view month = std::wstring_view(line).substr(4, 3);
    for (std::size_t m = 0; m < kMonths.size(); ++m)
        if (base::SameTextLatin(month, kMonths[m])) a.month = static_cast<int>(m) + 1;
    if (a.month == 0) return refuse(L"нет названия месяца");

    if (!Field(line, 9, 10, a.day) || !Field(line, 12, 13, a.hour) || !Field(line, 15, 16, a.minute) ||
        !Field(line, 18, 19, a.second) || !Field(line, 21, 24, a.year))
        return refuse(L"дата или время не числом");
    if (a.year < 1970 || a.day < 1 || a.day > base::DaysInMonth(a.year, a.month) || a.hour > 23 ||
        a.minute > 59 || a.second > 59)
        return refuse(L"дата или время вне допустимых значений");
    answer = a;
    error.clear();
    return true;
}

}  // namespace timetext
