// Russian number words: inside a mode's range a number becomes words alone
// (no digit, each word followed by a blank); outside it stays in digits. Unit
// agreement leaves the text as it was but for the unit words it replaces.
#include "timetext/number_words.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const int mode = in.IntIn(-1, 5);
    long long n =
        static_cast<long long>(static_cast<unsigned long long>(static_cast<unsigned>(in.Int())) << 32 |
                               static_cast<unsigned>(in.Int()));
    if (in.Bool()) n %= 20000;  // most often a number that has words
    const std::wstring words = timetext::NumberToWords(n, mode);
    const long long most =
        mode == timetext::kCardinalFeminine || mode == timetext::kOrdinalNeuter ? 99 : 9999;
    if (mode < 0 || mode > 4) {
        FUZZ_CHECK(words.empty());
    } else if (n >= 0 && n <= most) {
        // Zero has no words in most modes ("" or a blank), but never digits.
        if (n > 0) FUZZ_CHECK(!words.empty() && words.back() == L' ');
        FUZZ_CHECK(words.find_first_of(L"0123456789") == std::wstring::npos);
    } else {
        FUZZ_CHECK(words == std::to_wstring(n));
    }
    const int agreement = timetext::AgreementClass(n);
    FUZZ_CHECK(agreement == 1 || agreement == 2 || agreement == 5);

    const std::wstring text = in.Text();
    const std::wstring agreed = timetext::AgreeUnitWords(text, L"мин.", L"минута,", L"минуты,", L"минут,");
    // Without a digit there is no number to agree with.
    if (text.find_first_of(L"0123456789") == std::wstring::npos) FUZZ_CHECK(agreed == text);
    FUZZ_CHECK(agreed.size() >= text.size());
    return 0;
}
