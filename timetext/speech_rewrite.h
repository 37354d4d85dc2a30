// Rewrites a text into words a speech engine reads well: dates "день.месяц.год",
// times "час:мин:сек", the abbreviations "час.", "мин.", "сек.", "г." and the
// two-letter weekday names, month names after a day number, and every number,
// whose words agree with the word that follows it.
#pragma once

#include <string>
#include <string_view>

namespace timetext {

// The five switches of the speech page, in the order the stages run.
struct SpeechCorrections {
    bool dates = true;
    bool times = true;
    bool abbreviations = true;
    bool months = true;
    bool numbers = true;
};

// The whole rewrite: lower case, line breaks to blanks, then the switched-on
// stages. currentYear gives the century of a year written "00".
std::wstring RewriteForSpeech(std::wstring_view text, const SpeechCorrections& corrections, int currentYear);

// The stages one by one (each takes the text as the previous stage left it).
std::wstring RewriteDates(std::wstring text, int currentYear);
std::wstring RewriteTimes(std::wstring text);
std::wstring RewriteAbbreviations(std::wstring text);
std::wstring RewriteNumbers(std::wstring text);

}  // namespace timetext
