// The rewrite of texts for speaking: any text and any choice of stages; with
// every stage off the text is only put in lower case with its line breaks as
// blanks; each stage keeps the text free of line breaks.
#include "base/text_compare.h"
#include "timetext/speech_rewrite.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    timetext::SpeechCorrections on;
    on.dates = in.Bool();
    on.times = in.Bool();
    on.abbreviations = in.Bool();
    on.months = in.Bool();
    on.numbers = in.Bool();
    const int year = in.IntIn(1, 9999);
    const std::wstring text = in.RestText();

    const std::wstring spoken = timetext::RewriteForSpeech(text, on, year);
    FUZZ_CHECK(spoken.find_first_of(L"\r\n") == std::wstring::npos);

    const std::wstring plain = timetext::RewriteForSpeech(
        text, timetext::SpeechCorrections{false, false, false, false, false}, year);
    FUZZ_CHECK(plain.size() == text.size());
    FUZZ_CHECK(plain.find_first_of(L"\r\n") == std::wstring::npos);
    FUZZ_CHECK(base::LowerCase1251(plain) == plain);

    (void)timetext::RewriteDates(text, year);
    (void)timetext::RewriteTimes(text);
    (void)timetext::RewriteAbbreviations(text);
    (void)timetext::RewriteNumbers(text);
    return 0;
}
