// Day schedules of the day cell: any cell reads into the day picker's marks;
// the text built from those marks reads back as the same marks.
#include "planner/day_schedule.h"
#include "fuzz_support.h"

namespace {

bool SamePicks(const planner::DayPicks& a, const planner::DayPicks& b) {
    return a.months == b.months && a.mode == b.mode && a.days == b.days;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    // Marks chosen as a user would click them.
    planner::DayPicks picks;
    picks.SetMode(in.Bool() ? planner::DayMode::Numbers : planner::DayMode::Weekdays);
    for (auto&& month : picks.months) month = in.Bool();
    for (std::size_t i = 0; i < picks.days.size(); ++i) picks.days[i] = in.Bool();
    if (picks.AnyMonth() && picks.AnyDay()) {
        const std::wstring text = planner::BuildDayScheduleText(picks);
        FUZZ_CHECK(!text.empty() && text[0] == L'*');
        planner::DayPicks back;
        planner::ParseDaySchedule(text, back);
        if (!SamePicks(back, picks)) {
            // "Ежедневно" stands for every day of whichever mode is shown.
            FUZZ_CHECK(picks.AllDays() && back.AllDays() && back.months == picks.months);
        }
    }

    // Any cell.
    const std::wstring cell = in.RestText();
    planner::DayPicks read;
    planner::ParseDaySchedule(cell, read);
    FUZZ_CHECK(read.days.size() == (read.mode == planner::DayMode::Numbers ? 31u : 7u));
    if (read.AnyMonth() && read.AnyDay()) {
        planner::DayPicks again;
        planner::ParseDaySchedule(planner::BuildDayScheduleText(read), again);
        FUZZ_CHECK(SamePicks(again, read) ||
                   (read.AllDays() && again.AllDays() && again.months == read.months));
    }
    return 0;
}
