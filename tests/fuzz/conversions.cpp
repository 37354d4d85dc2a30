// Number texts of the settings: integers and floats written read back the
// same; any text converts or is refused without fault.
#include "base/conversions.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const base::FormatSettings fs;
    const int number = in.Int();
    const double real = in.Double();
    const std::wstring text = in.RestText();

    int back = 0;
    FUZZ_CHECK(base::TryStrToInt(base::IntToStr(number), back) && back == number);
    FUZZ_CHECK(base::StrToBoolDef(base::BoolToStr(number != 0), number == 0) == (number != 0));
    if (std::isfinite(real) && std::fabs(real) < 1e308) {
        double r = 0;
        FUZZ_CHECK(base::TryStrToFloat(base::FloatToStr(real, fs), r, fs));
        FUZZ_CHECK(std::fabs(r - real) <= std::fabs(real) * 1e-14 + 1e-300);
    }
    int parsed = 0;
    if (base::TryStrToInt(text, parsed)) {
        int again = 0;
        FUZZ_CHECK(base::TryStrToInt(base::IntToStr(parsed), again) && again == parsed);
    }
    double value = 0;
    (void)base::TryStrToFloat(text, value, fs);
    (void)base::Trim(text);
    return 0;
}
