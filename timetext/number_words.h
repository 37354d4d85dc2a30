// Russian number words for speaking: cardinals and ordinals in the forms the
// spoken texts need, and agreement of an abbreviated unit with its number.
#pragma once

#include <string>
#include <string_view>

namespace timetext {

enum NumberWordsMode {
    kCardinalMasculine = 0,  // 0..9999: "двадцать один "
    kCardinalFeminine = 1,   // 0..99:   "двадцать одна ", 0 is "ноль "
    kOrdinalMasculine = 2,   // 0..9999: "две тысячи восьмой "
    kOrdinalGenitive = 3,    // 0..9999: "две тысячи восьмого "
    kOrdinalNeuter = 4,      // 0..99:   "пятое "
};

// Words of n, each followed by one space; n in decimal digits (no space) when it
// lies outside the mode's range (negative numbers included). An unknown mode
// gives the empty text.
std::wstring NumberToWords(long long n, int mode);

// Every occurrence of unit (case ignored) whose nearest non-blank character
// before it is a digit is replaced by the form that agrees with the number
// ending there (its last one or two digits): one for 1, 21..; few for 2-4,
// 22-24..; many otherwise (0 and 11-19 included).
std::wstring AgreeUnitWords(std::wstring_view text, std::wstring_view unit, std::wstring_view one,
                            std::wstring_view few, std::wstring_view many);

// Which of the three agreeing forms a number takes: 1 (one), 2 (few) or 5 (many).
int AgreementClass(long long n);

}  // namespace timetext
