#include "timetext/daytime_answer.h"

#include <array>
#include <cwctype>

#include "base/conversions.h"
#include "base/date_time.h"
#include "base/text_compare.h"

namespace timetext {
namespace {

constexpr std::array<std::wstring_view, 12> kMonths = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                       L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};

// The day number of 1899-12-30 (day 0 of a date-time) in modified Julian days.
constexpr long long kMjdOfDateTimeZero = 15018;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Characters first..last (1-based) as a decimal number; leading blanks are
// allowed (asctime pads a one-digit day with one), anything else fails.
bool Field(std::wstring_view line, std::size_t first, std::size_t last, int& value) {
    std::size_t i = first - 1;
    while (i < last && line[i] == L' ') ++i;
    if (i == last) return false;
    value = 0;
    for (; i < last; ++i) {
        if (!IsDigit(line[i])) return false;
        value = value * 10 + (line[i] - L'0');
    }
    return true;
}

// A reader of NIST's line: digits, fixed separators and blank-separated words.
class Cursor {
  public:
    explicit Cursor(std::wstring_view text) : text_(text) {}
    // Exactly `count` digits (any number, at most 9, when count is 0).
    bool Digits(int count, long long& value) {
        std::size_t n = 0;
        value = 0;
        while (pos_ + n < text_.size() && IsDigit(text_[pos_ + n]) && n < 9) {
            value = value * 10 + (text_[pos_ + n] - L'0');
            ++n;
        }
        if (n == 0 || (count > 0 && n != static_cast<std::size_t>(count))) return false;
        if (pos_ + n < text_.size() && IsDigit(text_[pos_ + n])) return false;
        pos_ += n;
        return true;
    }
    bool Digits(int count, int& value) {
        long long v = 0;
        if (!Digits(count, v)) return false;
        value = static_cast<int>(v);
        return true;
    }
    bool Char(wchar_t c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool Blanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] == L' ') ++pos_;
        return pos_ > start;
    }
    // The next blank-separated word (empty at the end).
    std::wstring_view Word() {
        Blanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != L' ') ++pos_;
        return text_.substr(start, pos_ - start);
    }

  private:
    std::wstring_view text_;
    std::size_t pos_ = 0;
};

// A leap second is set as the last second of its minute.
int WithoutLeapSecond(int second) {
    return second == 60 ? 59 : second;
}

bool InRange(const DaytimeAnswer& a) {
    return a.day >= 1 && a.day <= base::DaysInMonth(a.year, a.month) && a.hour <= 23 && a.minute <= 59 &&
           a.second <= 60;
}

// The line starts "JJJJJ YY-MM-DD HH:MM:SS" (a NIST answer, or something
// broken that looks like one).
bool LooksLikeNist(std::wstring_view line) {
    std::size_t i = 0;
    while (i < line.size() && IsDigit(line[i])) ++i;
    return i > 0 && i + 9 < line.size() && line[i] == L' ' && IsDigit(line[i + 1]) && IsDigit(line[i + 2]) &&
           line[i + 3] == L'-';
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
    DaytimeAnswer a;

    if (LooksLikeNist(line)) {
        Cursor c(line);
        long long mjd = 0;
        int yy = 0, health = 0, flag = 0;
        if (!c.Digits(0, mjd) || !c.Blanks() || !c.Digits(2, yy) || !c.Char(L'-') || !c.Digits(2, a.month) ||
            !c.Char(L'-') || !c.Digits(2, a.day) || !c.Blanks() || !c.Digits(2, a.hour) || !c.Char(L':') ||
            !c.Digits(2, a.minute) || !c.Char(L':') || !c.Digits(2, a.second) || !c.Blanks() ||
            !c.Digits(2, flag) || !c.Blanks() || !c.Digits(1, flag) || !c.Blanks() || !c.Digits(1, health))
            return refuse(L"дата или время не числом");
        c.Word();  // the advance in milliseconds
        if (c.Word() != L"UTC(NIST)") return refuse(L"нет отметки UTC(NIST)");
        // The century comes from the day number, which must agree with the date.
        const long long days = mjd - kMjdOfDateTimeZero;
        const base::DateParts date = days >= 1 && days <= 2958465
                                         ? base::DecodeDate(static_cast<base::TDateTime>(days))
                                         : base::DateParts{};
        a.year = date.year;
        if (a.year < 1970 || !InRange(a)) return refuse(L"дата или время вне допустимых значений");
        if (date.year % 100 != yy || date.month != a.month || date.day != a.day)
            return refuse(L"номер дня не совпадает с датой");
        // Health 0: the server's time is good; 1: it may be off by up to 5 s;
        // more: the server says not to use it.
        if (health > 1) return refuse(L"сервер сообщает о неисправности");
        a.utc = true;
    } else {
        if (line.size() < 24) return refuse(L"слишком короткая строка");
        const std::wstring_view month = std::wstring_view(line).substr(4, 3);
        for (std::size_t m = 0; m < kMonths.size(); ++m)
            if (base::SameTextLatin(month, kMonths[m])) a.month = static_cast<int>(m) + 1;
        if (a.month == 0) return refuse(L"нет названия месяца");
        if (!Field(line, 9, 10, a.day) || !Field(line, 12, 13, a.hour) || !Field(line, 15, 16, a.minute) ||
            !Field(line, 18, 19, a.second) || !Field(line, 21, 24, a.year))
            return refuse(L"дата или время не числом");
        if (a.year < 1970 || !InRange(a)) return refuse(L"дата или время вне допустимых значений");
    }
    a.second = WithoutLeapSecond(a.second);
    answer = a;
    error.clear();
    return true;
}

}  // namespace timetext
