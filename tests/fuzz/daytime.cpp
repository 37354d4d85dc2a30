// Daytime answers, through the parser's one public function: any line is read
// or refused with a reason; what is read is a real date and time, and the same
// moment written in the classic layout reads back the same.
#include <cstdio>

#include "base/date_time.h"
#include "timetext/daytime_answer.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::wstring line = in.RestText();
    timetext::DaytimeAnswer answer;
    std::wstring error;
    if (!timetext::ParseDaytimeAnswer(line, answer, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(answer.month >= 1 && answer.month <= 12);
    FUZZ_CHECK(answer.day >= 1 && answer.day <= base::DaysInMonth(answer.year, answer.month));
    FUZZ_CHECK(answer.hour >= 0 && answer.hour <= 23);
    FUZZ_CHECK(answer.minute >= 0 && answer.minute <= 59);
    FUZZ_CHECK(answer.second >= 0 && answer.second <= 59);  // a leap second reads as 59
    if (answer.year < 1 || answer.year > 9999) return 0;

    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char classic[64];
    std::snprintf(classic, sizeof classic, "Mon %s %2d %02d:%02d:%02d %04d", kMonths[answer.month - 1],
                  answer.day, answer.hour, answer.minute, answer.second, answer.year);
    timetext::DaytimeAnswer back;
    FUZZ_CHECK(timetext::ParseDaytimeAnswer(base::FromCp1251(classic), back, error));
    FUZZ_CHECK(back.year == answer.year && back.month == answer.month && back.day == answer.day);
    FUZZ_CHECK(back.hour == answer.hour && back.minute == answer.minute && back.second == answer.second);
    return 0;
}
