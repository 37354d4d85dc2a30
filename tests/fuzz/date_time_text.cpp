// Date-time texts: any format against any value (NaN, infinities and values
// far out of range included) formats without fault; a date-time written with
// DateTimeToStr reads back as the same moment to the second; any text parses
// or is refused without fault, and what parses lies in years 1 to 9999.
#include "base/date_format.h"
#include "base/date_time.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const base::FormatSettings fs;
    const double any = in.Double();
    const double sensible = in.IntIn(-693593, 2958465) + in.IntIn(0, 86399000) / 86400000.0;
    const int months = in.Int();
    const std::wstring format = in.Text();
    const std::wstring text = in.RestText();

    (void)base::FormatDateTime(format, any, fs);
    (void)base::FormatDateTime(format, sensible, fs);
    (void)base::DecodeDateTime(any);
    const int weekday = base::DayOfWeek(any);
    FUZZ_CHECK(weekday >= 1 && weekday <= 7);
    try {
        (void)base::IncMonth(sensible, months);
    } catch (const base::ConvertError&) {
    }

    // What is written reads back the same (seconds; the milliseconds are not written).
    const double second = std::round(sensible * 86400.0) / 86400.0;
    if (base::DecodeDate(second).year >= 1) {
        base::TDateTime back = 0;
        FUZZ_CHECK(base::TryStrToDateTime(base::DateTimeToStr(second, fs), back, fs, 2026));
        FUZZ_CHECK(std::fabs(back - second) < 0.5 / 86400.0);
    }

    base::TDateTime value = 0;
    if (base::TryStrToDateTime(text, value, fs, 2026)) {
        FUZZ_CHECK(std::isfinite(value));
        const base::DateParts d = base::DecodeDate(value);
        FUZZ_CHECK(d.year >= 1 && d.year <= 9999);
    }
    if (base::TryStrToTime(text, value, fs)) FUZZ_CHECK(value >= 0 && value < 1);
    (void)base::TryStrToDate(text, value, fs, 2026);
    return 0;
}
