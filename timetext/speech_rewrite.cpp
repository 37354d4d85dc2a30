#include "timetext/speech_rewrite.h"

#include <array>
#include <climits>

#include "base/text_compare.h"
#include "timetext/duration_words.h"
#include "timetext/number_words.h"

namespace timetext {
namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsSeparator(wchar_t c) {
    return std::wstring_view(L" :.,/\\|-_").find(c) != std::wstring_view::npos;
}

// End of the run of digits starting at i.
size_t DigitsEnd(const std::wstring& text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// The run's value, or -1 when it does not fit a 32-bit integer.
long long RunValue(const std::wstring& text, size_t from, size_t to) {
    long long v = 0;
    for (size_t i = from; i < to; ++i) {
        v = v * 10 + (text[i] - L'0');
        if (v > INT_MAX) return -1;
    }
    return v;
}

constexpr std::array<const wchar_t*, 7> kWeekdayShort{L"пн", L"вт", L"ср", L"чт", L"пт", L"сб", L"вс"};
constexpr std::array<const wchar_t*, 7> kWeekdayFull{L"понедельник", L"вторник", L"среда",      L"четверг",
                                                     L"пятница",     L"суббота", L"воскресение"};

}  // namespace

std::wstring RewriteDates(std::wstring text, int currentYear) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i])) continue;
        // day "." month "." year: one or two digits, one or two digits, two to four digits
        const size_t dayEnd = DigitsEnd(text, i);
        if (dayEnd - i > 2 || dayEnd >= text.size() || text[dayEnd] != L'.') continue;
        const size_t monthStart = dayEnd + 1;
        const size_t monthEnd = DigitsEnd(text, monthStart);
        if (monthEnd == monthStart || monthEnd - monthStart > 2 || monthEnd >= text.size() ||
            text[monthEnd] != L'.') {
            if (monthEnd > monthStart) i = monthStart;
            continue;
        }
        const size_t yearStart = monthEnd + 1;
        const size_t yearEnd = DigitsEnd(text, yearStart);
        if (yearEnd - yearStart < 2 || yearEnd - yearStart > 4) {
            i = yearEnd > yearStart ? yearStart : monthStart;
            continue;
        }
        const long long day = RunValue(text, i, dayEnd);
        const long long month = RunValue(text, monthStart, monthEnd);
        long long year = RunValue(text, yearStart, yearEnd);
        if (year == 0) year = currentYear / 100 * 100;
        if (day == 0 || month < 1 || month > 12 || year == 0) {
            i = yearStart;
            continue;
        }
        const std::wstring words = NumberToWords(day, kOrdinalNeuter) + L" " +
                                   GenitiveMonthName(static_cast<int>(month)) + L" " +
                                   NumberToWords(year, kOrdinalGenitive) + L" ";
        text.replace(i, yearEnd - i, words);
        i += words.size();  // the loop then steps over the character after the words
    }
    return text;
}

std::wstring RewriteTimes(std::wstring text) {
    const size_t first = text.find(L':');
    if (first == std::wstring::npos || first == 0) return text;
    // A ':' with a digit before it and one or two digits after it.
    auto qualifies = [&](size_t p, size_t& runEnd) {
        runEnd = DigitsEnd(text, p + 1);
        return runEnd - (p + 1) >= 1 && runEnd - (p + 1) <= 2;
    };
    for (size_t p = first; p != std::wstring::npos; p = text.find(L':', p)) {
        size_t minutesEnd;
        if (p == 0 || !IsDigit(text[p - 1]) || !qualifies(p, minutesEnd)) {
            ++p;
            continue;
        }
        text.insert(minutesEnd, L" мин. ");
        text.replace(p, 1, L" час. ");
        size_t after = minutesEnd + 5 + 6;  // the ':' became six characters, " мин. " added six
        size_t secondsEnd;
        if (after < text.size() && text[after] == L':' && qualifies(after, secondsEnd)) {
            text.insert(secondsEnd, L" сек. ");
            text.erase(after, 1);
            after = secondsEnd - 1 + 6;
        }
        p = after;
    }
    return text;
}

std::wstring RewriteAbbreviations(std::wstring text) {
    text = AgreeUnitWords(text, L"час.", L"час,", L"часа,", L"часов,");
    text = AgreeUnitWords(text, L"мин.", L"минута,", L"минуты,", L"минут,");
    text = AgreeUnitWords(text, L"сек.", L"секунда,", L"секунды,", L"секунд,");
    {
        std::wstring low = base::LowerCase1251(text);
        for (size_t p = low.find(L" г."); p != std::wstring::npos; p = low.find(L" г.", p + 5)) {
            text.replace(p, 3, L" год,");
            low.replace(p, 3, L" год,");
        }
    }
    for (size_t w = 0; w < kWeekdayShort.size(); ++w) {
        const std::wstring_view shortName(kWeekdayShort[w]);
        const std::wstring_view fullName(kWeekdayFull[w]);
        for (size_t p = text.find(shortName); p != std::wstring::npos; p = text.find(shortName, p)) {
            const size_t end = p + shortName.size();
            const bool endOk =
                end == text.size() || text[end] == L' ' || text[end] == L'.' || text[end] == L',';
            const bool startOk = p == 0 || text[p - 1] == L' ' || text[p - 1] == L'.' ||
                                 text[p - 1] == L',' || IsDigit(text[p - 1]);
            if (endOk && startOk) {
                text.replace(p, shortName.size(), fullName);
                p += fullName.size();
            } else {
                p = end;
            }
        }
    }
    return text;
}

std::wstring RewriteNumbers(std::wstring text) {
    size_t i = 0;
    while (i < text.size()) {
        const wchar_t c = text[i];
        if (c == L'0') {
            text.replace(i, 1, L"ноль ");
            i += 5;
            continue;
        }
        if (!IsDigit(c)) {
            ++i;
            continue;
        }
        const size_t runEnd = DigitsEnd(text, i);
        // The following word: from the first separator (or digit) after the run,
        // that character and the letters up to the next separator or digit.
        size_t w = runEnd;
        while (w < text.size() && !IsSeparator(text[w]) && !IsDigit(text[w])) ++w;
        size_t wEnd = w < text.size() ? w + 1 : w;
        while (wEnd < text.size() && !IsSeparator(text[wEnd]) && !IsDigit(text[wEnd])) ++wEnd;
        const std::wstring_view word = std::wstring_view(text).substr(w, wEnd - w);
        int mode = kCardinalMasculine;
        if (word.find(L"мин") != std::wstring_view::npos || word.find(L"сек") != std::wstring_view::npos) {
            mode = kCardinalFeminine;
        } else if (word.find(L"год") != std::wstring_view::npos) {
            mode = kOrdinalMasculine;
        } else {
            for (int m = 1; m <= 12; ++m)
                if (word.find(GenitiveMonthName(m)) != std::wstring_view::npos) {
                    mode = kOrdinalNeuter;
                    break;
                }
        }
        const long long n = RunValue(text, i, runEnd);
        if (n < 0) {  // too long for a number: left in digits for the engine
            i = runEnd + 1;
            continue;
        }
        const std::wstring words = NumberToWords(n, mode);
        text.replace(i, runEnd - i, words);
        i += words.size() + 1;
    }
    return text;
}

std::wstring RewriteForSpeech(std::wstring_view input, const SpeechCorrections& corrections,
                              int currentYear) {
    std::wstring text = base::LowerCase1251(input);
    for (wchar_t& c : text)
        if (c == L'\n' || c == L'\r') c = L' ';
    if (corrections.dates) text = RewriteDates(std::move(text), currentYear);
    if (corrections.times) text = RewriteTimes(std::move(text));
    if (corrections.abbreviations) text = RewriteAbbreviations(std::move(text));
    if (corrections.months) text = MonthNameGenitive(text);
    if (corrections.numbers) text = RewriteNumbers(std::move(text));
    return text;
}

}  // namespace timetext
