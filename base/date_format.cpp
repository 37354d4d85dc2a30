#include "base/date_format.h"

#include <string>

#include "base/text_compare.h"

namespace base {
namespace {

wchar_t UpperAscii(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - 32) : ch;
}

bool IsAsciiLetter(wchar_t ch) {
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z');
}

// Does text at pos start with word, ignoring the case of Latin letters?
bool StartsWithLatin(std::wstring_view text, std::size_t pos, std::wstring_view word) {
    if (text.size() - pos < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (UpperAscii(text[pos + i]) != UpperAscii(word[i])) return false;
    return true;
}

void AppendNumber(std::wstring& out, int number, int digits) {
    std::wstring text = std::to_wstring(number);
    if (static_cast<int>(text.size()) < digits)
        out.append(static_cast<std::size_t>(digits) - text.size(), L'0');
    out += text;
}

class Formatter {
  public:
    Formatter(TDateTime value, const FormatSettings& fs) : value_(value), fs_(fs) {}

    std::wstring Run(std::wstring_view format) {
        AppendFormat(format.empty() ? std::wstring_view(L"C") : format);
        return out_;
    }

  private:
    // One level of format; the locale formats it refers to (c, ddddd, t...) are
    // expanded one level deep, never further, so a locale format that names
    // itself cannot recurse.
    void AppendFormat(std::wstring_view format) {
        if (level_ >= 2) return;
        ++level_;
        wchar_t lastToken = L' ';
        bool use12Hour = false;
        std::size_t pos = 0;
        const std::size_t n = format.size();
        while (pos < n) {
            const wchar_t starter = format[pos++];
            wchar_t token = UpperAscii(starter);
            if (IsAsciiLetter(token)) {
                if (token == L'M' && lastToken == L'H') token = L'N';
                lastToken = token;
            }
            // Count of the same character (exact case) starting at the token.
            auto getCount = [&] {
                int count = 1;
                while (pos < n && format[pos] == starter) {
                    ++pos;
                    ++count;
                }
                return count;
            };
            switch (token) {
                case L'Y': {
                    const int count = getCount();
                    const DateParts& d = Date();
                    if (count <= 2)
                        AppendNumber(out_, d.year % 100, 2);
                    else
                        AppendNumber(out_, d.year, 4);
                    break;
                }
                case L'M': {
                    const int count = getCount();
                    const DateParts& d = Date();
                    if (count <= 2)
                        AppendNumber(out_, d.month, count);
                    else if (d.month >= 1)
                        out_ +=
                            count == 3 ? fs_.ShortMonthNames[d.month - 1] : fs_.LongMonthNames[d.month - 1];
                    break;
                }
                case L'D': {
                    const int count = getCount();
                    if (count <= 2)
                        AppendNumber(out_, Date().day, count);
                    else if (count == 3)
                        out_ += fs_.ShortDayNames[DayOfWeek(value_) - 1];
                    else if (count == 4)
                        out_ += fs_.LongDayNames[DayOfWeek(value_) - 1];
                    else if (count == 5)
                        AppendFormat(fs_.ShortDateFormat);
                    else
                        AppendFormat(fs_.LongDateFormat);
                    break;
                }
                case L'H': {
                    int count = getCount();
                    // A 12-hour marker later in the format (before the next hour
                    // or any other 'a', outside quotes) makes this a 12-hour clock.
                    bool betweenQuotes = false;
                    for (std::size_t p = pos; p < n; ++p) {
                        const wchar_t c = format[p];
                        if ((c == L'A' || c == L'a') && !betweenQuotes) {
                            if (StartsWithLatin(format, p, L"AM/PM") || StartsWithLatin(format, p, L"A/P") ||
                                StartsWithLatin(format, p, L"AMPM"))
                                use12Hour = true;
                            break;
                        }
                        if (c == L'H' || c == L'h') break;
                        if (c == L'\'' || c == L'"') betweenQuotes = !betweenQuotes;
                    }
                    int hour = Time().hour;
                    if (use12Hour) {
                        if (hour == 0)
                            hour = 12;
                        else if (hour > 12)
                            hour -= 12;
                    }
                    AppendNumber(out_, hour, count > 2 ? 2 : count);
                    break;
                }
                case L'N': {
                    const int count = getCount();
                    AppendNumber(out_, Time().minute, count > 2 ? 2 : count);
                    break;
                }
                case L'S': {
                    const int count = getCount();
                    AppendNumber(out_, Time().second, count > 2 ? 2 : count);
                    break;
                }
                case L'T': {
                    const int count = getCount();
                    AppendFormat(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat);
                    break;
                }
                case L'Z': {
                    const int count = getCount();
                    AppendNumber(out_, Time().msec, count > 3 ? 3 : count);
                    break;
                }
                case L'A': {
                    const std::size_t p = pos - 1;
                    const int hour = Time().hour;
                    if (StartsWithLatin(format, p, L"AM/PM")) {
                        out_ += format.substr(hour >= 12 ? p + 3 : p, 2);
                        pos += 4;
                        use12Hour = true;
                    } else if (StartsWithLatin(format, p, L"A/P")) {
                        out_ += format.substr(hour >= 12 ? p + 2 : p, 1);
                        pos += 2;
                        use12Hour = true;
                    } else if (StartsWithLatin(format, p, L"AMPM")) {
                        out_ += hour < 12 ? fs_.TimeAMString : fs_.TimePMString;
                        pos += 3;
                        use12Hour = true;
                    } else if (StartsWithLatin(format, p, L"AAAA")) {
                        out_ += fs_.LongDayNames[DayOfWeek(value_) - 1];
                        pos += 3;
                    } else if (StartsWithLatin(format, p, L"AAA")) {
                        out_ += fs_.ShortDayNames[DayOfWeek(value_) - 1];
                        pos += 2;
                    } else {
                        out_ += starter;
                    }
                    break;
                }
                case L'C': {
                    getCount();
                    AppendFormat(fs_.ShortDateFormat);
                    const TimeParts& t = Time();
                    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
                        out_ += L' ';
                        AppendFormat(fs_.LongTimeFormat);
                    }
                    break;
                }
                case L'/':
                    if (fs_.DateSeparator != L'\0') out_ += fs_.DateSeparator;
                    break;
                case L':':
                    if (fs_.TimeSeparator != L'\0') out_ += fs_.TimeSeparator;
                    break;
                case L'\'':
                case L'"': {
                    const std::size_t close = format.find(starter, pos);
                    const std::size_t end = close == std::wstring_view::npos ? n : close;
                    out_ += format.substr(pos, end - pos);
                    pos = close == std::wstring_view::npos ? n : close + 1;
                    break;
                }
                default:
                    out_ += starter;
                    break;
            }
        }
        --level_;
    }

    const DateParts& Date() {
        if (!dateDecoded_) {
            date_ = DecodeDate(value_);
            dateDecoded_ = true;
        }
        return date_;
    }

    const TimeParts& Time() {
        if (!timeDecoded_) {
            time_ = DecodeTime(value_);
            timeDecoded_ = true;
        }
        return time_;
    }

    TDateTime value_;
    const FormatSettings& fs_;
    std::wstring out_;
    int level_ = 0;
    bool dateDecoded_ = false, timeDecoded_ = false;
    DateParts date_;
    TimeParts time_;
};

// ---- Parsing ----

enum class DateOrder { MDY, DMY, YMD };

DateOrder GetDateOrder(std::wstring_view format) {
    for (wchar_t ch : format) {
        switch (UpperAscii(ch)) {
            case L'E':
            case L'Y':
                return DateOrder::YMD;
            case L'M':
                return DateOrder::MDY;
            case L'D':
                return DateOrder::DMY;
            default:
                break;
        }
    }
    return DateOrder::MDY;
}

class Scanner {
  public:
    explicit Scanner(std::wstring_view text) : s_(text) {}

    bool AtEnd() const { return pos_ >= s_.size(); }

    void Blanks() {
        while (pos_ < s_.size() && s_[pos_] == L' ') ++pos_;
    }

    // Up to four digits (reading stops once the number reaches 1000).
    bool Number(int& number, int& length) {
        const std::size_t start = pos_;
        int n = 0;
        while (pos_ < s_.size() && s_[pos_] >= L'0' && s_[pos_] <= L'9' && n < 1000)
            n = n * 10 + (s_[pos_++] - L'0');
        if (pos_ == start) return false;
        number = n;
        length = static_cast<int>(pos_ - start);
        return true;
    }

    bool Char(wchar_t ch) {
        Blanks();
        if (pos_ < s_.size() && s_[pos_] == ch) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool String(std::wstring_view symbol) {
        if (symbol.empty()) return false;
        Blanks();
        if (SameTextAnsi(symbol, s_.substr(pos_, symbol.size()))) {
            pos_ += symbol.size();
            return true;
        }
        return false;
    }

  private:
    std::wstring_view s_;
    std::size_t pos_ = 0;
};

bool ScanDate(Scanner& sc, TDateTime& date, const FormatSettings& fs, int currentYear) {
    const DateOrder order = GetDateOrder(fs.ShortDateFormat);
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    int y = 0, m = 0, d = 0;
    if (!(sc.Number(n1, l1) && sc.Char(fs.DateSeparator) && sc.Number(n2, l2))) return false;
    if (sc.Char(fs.DateSeparator)) {
        if (!sc.Number(n3, l3)) return false;
        int yearLength = 0;
        switch (order) {
            case DateOrder::MDY:
                y = n3, yearLength = l3, m = n1, d = n2;
                break;
            case DateOrder::DMY:
                y = n3, yearLength = l3, m = n2, d = n1;
                break;
            case DateOrder::YMD:
                y = n1, yearLength = l1, m = n2, d = n3;
                break;
        }
        if (yearLength <= 2) {
            if (currentYear == kNoCurrentYear) return false;
            const int centuryBase = currentYear - fs.TwoDigitYearCenturyWindow;
            y += centuryBase / 100 * 100;
            if (fs.TwoDigitYearCenturyWindow > 0 && y < centuryBase) y += 100;
        }
    } else {
        if (currentYear == kNoCurrentYear) return false;
        y = currentYear;
        if (order == DateOrder::DMY)
            d = n1, m = n2;
        else
            m = n1, d = n2;
    }
    sc.Char(fs.DateSeparator);
    sc.Blanks();
    return TryEncodeDate(y, m, d, date);
}

bool ScanTime(Scanner& sc, TDateTime& time, const FormatSettings& fs) {
    int baseHour = -1;
    if (sc.String(fs.TimeAMString) || sc.String(L"AM"))
        baseHour = 0;
    else if (sc.String(fs.TimePMString) || sc.String(L"PM"))
        baseHour = 12;
    if (baseHour >= 0) sc.Blanks();
    int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
    if (!sc.Number(hour, length)) return false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(minute, length)) return false;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(second, length)) return false;
            if (sc.Char(fs.DecimalSeparator) && !sc.Number(msec, length)) return false;
        }
    }
    if (baseHour < 0) {
        if (sc.String(fs.TimeAMString) || sc.String(L"AM"))
            baseHour = 0;
        else if (sc.String(fs.TimePMString) || sc.String(L"PM"))
            baseHour = 12;
    }
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return false;
        if (hour == 12) hour = 0;
        hour += baseHour;
    }
    sc.Blanks();
    return TryEncodeTime(hour, minute, second, msec, time);
}

std::string Quoted(std::wstring_view text) {
    std::string message = "'";
    for (wchar_t ch : text) message += (ch >= 0x20 && ch < 0x7F) ? static_cast<char>(ch) : '?';
    return message + "'";
}

}  // namespace

std::wstring FormatDateTime(std::wstring_view format, TDateTime value, const FormatSettings& fs) {
    return Formatter(value, fs).Run(format);
}

std::wstring DateTimeToStr(TDateTime value, const FormatSettings& fs) {
    return FormatDateTime(L"c", value, fs);
}

std::wstring DateToStr(TDateTime value, const FormatSettings& fs) {
    return FormatDateTime(L"ddddd", value, fs);
}

std::wstring TimeToStr(TDateTime value, const FormatSettings& fs) {
    return FormatDateTime(L"tt", value, fs);
}

bool TryStrToDate(std::wstring_view text, TDateTime& value, const FormatSettings& fs, int currentYear) {
    Scanner sc(text);
    TDateTime date = 0;
    if (!ScanDate(sc, date, fs, currentYear) || !sc.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(std::wstring_view text, TDateTime& value, const FormatSettings& fs) {
    Scanner sc(text);
    TDateTime time = 0;
    if (!ScanTime(sc, time, fs) || !sc.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(std::wstring_view text, TDateTime& value, const FormatSettings& fs, int currentYear) {
    Scanner sc(text);
    TDateTime date = 0, time = 0;
    if (!ScanDate(sc, date, fs, currentYear) || !(sc.AtEnd() || ScanTime(sc, time, fs)))
        return TryStrToTime(text, value, fs);
    value = date >= 0 ? date + time : date - time;
    return true;
}

TDateTime StrToDate(std::wstring_view text, const FormatSettings& fs, int currentYear) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value, fs, currentYear))
        throw ConvertError(Quoted(text) + " is not a valid date");
    return value;
}

TDateTime StrToTime(std::wstring_view text, const FormatSettings& fs) {
    TDateTime value = 0;
    if (!TryStrToTime(text, value, fs)) throw ConvertError(Quoted(text) + " is not a valid time");
    return value;
}

TDateTime StrToDateTime(std::wstring_view text, const FormatSettings& fs, int currentYear) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value, fs, currentYear))
        throw ConvertError(Quoted(text) + " is not a valid date and time");
    return value;
}

}  // namespace base
