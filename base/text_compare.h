// Case-insensitive comparisons and case mapping with a fixed Windows-1251
// table (never the C locale or the system code page).
#pragma once

#include <string>
#include <string_view>

namespace base {

// Upper / lower case of one character: Latin a-z and every Cyrillic letter of
// Windows-1251 (а-я, ё, ђ, ѓ, є, ѕ, і, ї, ј, љ, њ, ћ, ќ, ў, џ, ґ). Others unchanged.
wchar_t UpperChar1251(wchar_t ch);
wchar_t LowerChar1251(wchar_t ch);
std::wstring UpperCase1251(std::wstring_view text);
std::wstring LowerCase1251(std::wstring_view text);

// The string list's comparison: folds Latin and Cyrillic letters.
// Result < 0, 0 or > 0. Order: folded characters, "Ё" sorted between "Е" and "Ж".
int CompareTextAnsi(std::wstring_view a, std::wstring_view b);
bool SameTextAnsi(std::wstring_view a, std::wstring_view b);

// The plain text comparison: folds Latin a-z only ("Выход" != "ВЫХОД").
// Order: by Windows-1251 byte value (characters outside the code page after them).
int CompareTextLatin(std::wstring_view a, std::wstring_view b);
bool SameTextLatin(std::wstring_view a, std::wstring_view b);

}  // namespace base
