#include "base/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/date_time.h"

namespace base {
namespace {

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

int HexValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    return -1;
}

std::string ConvertMessage(const char* what, std::wstring_view text) {
    std::string message = "'";
    for (wchar_t ch : text) message += (ch >= 0x20 && ch < 0x7F) ? static_cast<char>(ch) : '?';
    return message + "' is not a valid " + what;
}

}  // namespace

bool TryStrToInt(std::wstring_view text, int& value) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n && text[pos] == L' ') ++pos;
    bool negative = false;
    if (pos < n && (text[pos] == L'-' || text[pos] == L'+')) negative = text[pos++] == L'-';
    bool hex = false;
    if (pos < n && text[pos] == L'$') {
        hex = true;
        ++pos;
    } else if (pos + 1 < n && text[pos] == L'0' && (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
        hex = true;
        pos += 2;
    }
    if (pos >= n) return false;
    std::uint64_t magnitude = 0;
    for (; pos < n; ++pos) {
        if (hex) {
            const int digit = HexValue(text[pos]);
            if (digit < 0) return false;
            magnitude = magnitude * 16 + static_cast<unsigned>(digit);
            if (magnitude > 0xFFFFFFFFull) return false;
        } else {
            if (!IsDigit(text[pos])) return false;
            magnitude = magnitude * 10 + static_cast<unsigned>(text[pos] - L'0');
            if (magnitude > 0x80000000ull) return false;
        }
    }
    std::int64_t signedValue;
    if (hex) {
        // The 32-bit pattern: "$FFFFFFFF" is -1.
        signedValue = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        if (negative) signedValue = -signedValue;
        value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(signedValue)));
        return true;
    }
    signedValue = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (signedValue > INT32_MAX || signedValue < INT32_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

int StrToIntDef(std::wstring_view text, int def) {
    int value = 0;
    return TryStrToInt(text, value) ? value : def;
}

int StrToInt(std::wstring_view text) {
    int value = 0;
    if (!TryStrToInt(text, value)) throw ConvertError(ConvertMessage("integer value", text));
    return value;
}

std::wstring IntToStr(long long value) {
    return std::to_wstring(value);
}

bool StrToBoolDef(std::wstring_view text, bool def) {
    int value = 0;
    return TryStrToInt(text, value) ? value != 0 : def;
}

std::wstring BoolToStr(bool value) {
    return value ? L"1" : L"0";
}

bool TryStrToFloat(std::wstring_view text, double& value, const FormatSettings& fs) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n && text[pos] == L' ') ++pos;
    std::string ascii;
    if (pos < n && (text[pos] == L'-' || text[pos] == L'+')) {
        if (text[pos] == L'-') ascii += '-';
        ++pos;
    }
    int digits = 0;
    while (pos < n && IsDigit(text[pos])) {
        ascii += static_cast<char>(text[pos++]);
        ++digits;
    }
    if (pos < n && (text[pos] == fs.DecimalSeparator || text[pos] == L'.')) {
        ascii += '.';
        ++pos;
        while (pos < n && IsDigit(text[pos])) {
            ascii += static_cast<char>(text[pos++]);
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (pos < n && (text[pos] == L'E' || text[pos] == L'e')) {
        ascii += 'e';
        ++pos;
        if (pos < n && (text[pos] == L'-' || text[pos] == L'+')) ascii += static_cast<char>(text[pos++]);
        int expDigits = 0;
        while (pos < n && IsDigit(text[pos])) {
            ascii += static_cast<char>(text[pos++]);
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    while (pos < n && text[pos] == L' ') ++pos;
    if (pos != n) return false;
    double result = 0;
    const char* first = ascii.data();
    if (*first == '-') ++first;  // from_chars takes no '+', and we add the sign ourselves
    auto [end, ec] = std::from_chars(first, ascii.data() + ascii.size(), result);
    if (end != ascii.data() + ascii.size()) return false;
    if (ec == std::errc::result_out_of_range) {
        // Overflow is an error; underflow gives zero.
        if (ascii.find("e-") == std::string::npos) return false;
        result = 0;
    } else if (ec != std::errc()) {
        return false;
    }
    value = ascii[0] == '-' ? -result : result;
    return true;
}

double StrToFloatDef(std::wstring_view text, double def, const FormatSettings& fs) {
    double value = 0;
    return TryStrToFloat(text, value, fs) ? value : def;
}

double StrToFloat(std::wstring_view text, const FormatSettings& fs) {
    double value = 0;
    if (!TryStrToFloat(text, value, fs)) throw ConvertError(ConvertMessage("floating point value", text));
    return value;
}

std::wstring FloatToStr(double value, const FormatSettings& fs) {
    if (std::isnan(value)) return L"NAN";
    if (std::isinf(value)) return value < 0 ? L"-INF" : L"INF";
    if (value == 0) return L"0";
    // 15 significant digits: d.ddddddddddddddde[+-]x
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (ec != std::errc()) return L"0";
    std::string text(buffer, end);
    std::wstring result;
    if (text[0] == '-') {
        result += L'-';
        text.erase(0, 1);
    }
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exponent = std::stoi(text.substr(e + 1)) + 1;  // value = 0.digits * 10^exponent
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (exponent > 15 || exponent < -3) {
        result += static_cast<wchar_t>(digits[0]);
        if (digits.size() > 1) {
            result += fs.DecimalSeparator;
            for (std::size_t i = 1; i < digits.size(); ++i) result += static_cast<wchar_t>(digits[i]);
        }
        result += L'E';
        result += std::to_wstring(exponent - 1);
        return result;
    }
    if (exponent <= 0) {
        result += L'0';
        result += fs.DecimalSeparator;
        result.append(static_cast<std::size_t>(-exponent), L'0');
        for (char c : digits) result += static_cast<wchar_t>(c);
        return result;
    }
    for (int i = 0; i < exponent; ++i)
        result += i < static_cast<int>(digits.size())
                      ? static_cast<wchar_t>(digits[static_cast<std::size_t>(i)])
                      : L'0';
    if (static_cast<int>(digits.size()) > exponent) {
        result += fs.DecimalSeparator;
        for (std::size_t i = static_cast<std::size_t>(exponent); i < digits.size(); ++i)
            result += static_cast<wchar_t>(digits[i]);
    }
    return result;
}

std::wstring Trim(std::wstring_view text) {
    return TrimRight(TrimLeft(text));
}

std::wstring TrimLeft(std::wstring_view text) {
    std::size_t start = 0;
    while (start < text.size() && static_cast<unsigned long>(text[start]) <= L' ') ++start;
    return std::wstring(text.substr(start));
}

std::wstring TrimRight(std::wstring_view text) {
    std::size_t end = text.size();
    while (end > 0 && static_cast<unsigned long>(text[end - 1]) <= L' ') --end;
    return std::wstring(text.substr(0, end));
}

}  // namespace base
