#include "timetext/duration_words.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/date_format.h"
#include "base/text_compare.h"
#include "timetext/number_words.h"

namespace timetext {
namespace {

std::wstring CountWords(long long n, const wchar_t* one, const wchar_t* few, const wchar_t* many) {
    if (n == 0) return {};
    int cls = AgreementClass(n);
    return std::to_wstring(n) + (cls == 1 ? one : cls == 2 ? few : many);
}

void ReplaceAll(std::wstring& text, std::wstring_view marker, const std::wstring& by) {
    for (size_t p = text.find(marker); p != std::wstring::npos; p = text.find(marker, p + by.size()))
        text.replace(p, marker.size(), by);
}

constexpr std::array<const wchar_t*, 12> kNominative{L"январь",   L"февраль", L"март",   L"апрель",
                                                     L"май",      L"июнь",    L"июль",   L"август",
                                                     L"сентябрь", L"октябрь", L"ноябрь", L"декабрь"};
constexpr std::array<const wchar_t*, 12> kGenitive{L"января",   L"февраля", L"марта",  L"апреля",
                                                   L"мая",      L"июня",    L"июля",   L"августа",
                                                   L"сентября", L"октября", L"ноября", L"декабря"};

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

}  // namespace

const wchar_t* GenitiveMonthName(int month) {
    return month >= 1 && month <= 12 ? kGenitive[month - 1] : L"";
}

// 9999-12-31 23:59:59.999 counted from 1899-12-30.
constexpr double kLongestSpan = 2958465.0 + 86399999.0 / base::kMSecsPerDay;

std::wstring FormatDuration(std::wstring_view format, base::TDateTime span, const base::FormatSettings& fs) {
    if (format.empty()) return {};
    if (!(span > 0)) span = 0;  // negative, or no number at all
    // Nothing lasts beyond the largest date-time: its last millisecond.
    span = std::min(span, kLongestSpan);
    // Whole days of the span as the formatter will see it (rounded to the millisecond).
    const double rounded = std::round(span * base::kMSecsPerDay) / base::kMSecsPerDay;
    const long long days = static_cast<long long>(std::floor(rounded));
    std::wstring f(format);
    ReplaceAll(f, L"%y", CountWords(days / 365, L" год ", L" года ", L" лет "));
    ReplaceAll(f, L"%d", CountWords(days % 365, L" день ", L" дня ", L" дней "));
    if (f.empty()) return {};
    return base::FormatDateTime(f, span, fs);
}

std::wstring MonthNameGenitive(std::wstring_view text) {
    std::wstring out(text);
    std::wstring low = base::LowerCase1251(out);
    for (const wchar_t* name : kNominative) {
        const std::wstring_view n(name);
        const bool appendA = n == L"март" || n == L"август";
        for (size_t p = low.find(n); p != std::wstring::npos; p = low.find(n, p)) {
            const size_t end = p + n.size();
            const bool endsWord =
                end == out.size() || out[end] == L' ' || out[end] == L'.' || out[end] == L',';
            const bool afterDay = p >= 2 && IsDigit(out[p - 2]);
            if (endsWord && afterDay) {
                if (appendA) {
                    out.insert(end, L"а");
                    low.insert(end, L"а");
                    p = end + 1;
                } else {
                    out[end - 1] = L'я';
                    low[end - 1] = L'я';
                    p = end;
                }
            } else {
                p = end;
            }
        }
    }
    return out;
}

}  // namespace timetext
