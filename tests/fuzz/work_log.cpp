// WindowsWorkLog.txt: any lines load; the rows written and loaded again are
// the same rows; the line limit keeps the header and the newest lines.
#include "timetext/work_log.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const bool continues = in.Bool();
    const int limit = in.IntIn(-2, 50);
    base::StringList lines;
    lines.SetText(in.RestText());

    base::StringList limited = lines;
    timetext::LimitWorkLogLines(limited, limit);
    FUZZ_CHECK(limited.Count() <= std::max(lines.Count(), 0));
    if (limit >= 2 && lines.Count() > limit) {
        FUZZ_CHECK(limited.Count() == limit);
        FUZZ_CHECK(limited[0] == lines[0]);
        FUZZ_CHECK(limited[limited.Count() - 1] == lines[lines.Count() - 1]);
    }

    timetext::WorkLogRows rows = timetext::NewWorkLog();
    timetext::LoadWorkLogLines(rows, lines, continues);
    FUZZ_CHECK(rows.size() >= 2);
    const base::StringList written = timetext::WorkLogLines(rows);
    // Read again as the same Windows run: the last row is the current one again.
    timetext::WorkLogRows back = timetext::NewWorkLog();
    timetext::LoadWorkLogLines(back, written, true);
    FUZZ_CHECK(timetext::WorkLogLines(back) == written);

    timetext::SuspendWorkLog(rows, L"0:01:00", L"07.12.2026 10:00:00");
    while (rows.size() > 2) FUZZ_CHECK(timetext::DeleteWorkLogRow(rows, 1));
    FUZZ_CHECK(!timetext::DeleteWorkLogRow(rows, 1));
    return 0;
}
