// Number and boolean texts of the settings file and the controls: integers
// (decimal or hexadecimal), floating-point numbers with the format settings'
// decimal separator, booleans as integers, and trimming.
#pragma once

#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace base {

// Signed 32-bit integer: optional leading blanks, optional sign, then decimal
// digits, or hexadecimal after "$" or "0x"/"0X" (up to 8 hex digits, taken as
// the 32-bit pattern: "$FFFFFFFF" is -1). Anything else (trailing text,
// overflow, empty) fails.
bool TryStrToInt(std::wstring_view text, int& value);
int StrToIntDef(std::wstring_view text, int def);
int StrToInt(std::wstring_view text);  // throws ConvertError (base/date_time.h)
std::wstring IntToStr(long long value);

// Settings booleans: any integer other than 0 is true; a text that is not an
// integer gives the default. Written as "1" / "0".
bool StrToBoolDef(std::wstring_view text, bool def);
std::wstring BoolToStr(bool value);

// Floats: blanks around, optional sign, digits with the record's decimal
// separator (a '.' is also accepted), optional exponent "E[+-]digits".
bool TryStrToFloat(std::wstring_view text, double& value, const FormatSettings& fs);
double StrToFloatDef(std::wstring_view text, double def, const FormatSettings& fs);
double StrToFloat(std::wstring_view text, const FormatSettings& fs);  // throws ConvertError
// Up to 15 significant digits, no trailing zeros, the record's decimal
// separator; exponent form ("1,5E-5", "1E20") for very small or large values.
std::wstring FloatToStr(double value, const FormatSettings& fs);

// Remove characters up to and including ' ' (blanks and control characters).
std::wstring Trim(std::wstring_view text);
std::wstring TrimLeft(std::wstring_view text);
std::wstring TrimRight(std::wstring_view text);

}  // namespace base
