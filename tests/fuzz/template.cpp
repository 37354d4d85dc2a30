// The text-format language: any format text against any moment, event time,
// work times, place and zone expands without fault; a text without "<" is
// returned as it is but for month names put into the genitive.
#include "timetext/duration_words.h"
#include "timetext/template.h"
#include "fuzz_support.h"

namespace {

// A date-time: mostly a sensible one, sometimes any double at all.
double Moment(fuzz::Input& in) {
    if (in.Byte() < 32) return in.Double();
    return in.IntIn(-700000, 2958465) + in.IntIn(0, 86399999) / 86400000.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    timetext::TemplateContext ctx;
    ctx.now = Moment(in);
    ctx.earliestTaskTime = Moment(in);
    ctx.workTime = Moment(in);
    ctx.totalWorkTime = Moment(in);
    ctx.latitude = in.Bool() ? in.Double() : in.IntIn(-90, 90);
    ctx.longitude = in.Bool() ? in.Double() : in.IntIn(-180, 180);
    ctx.zone.bias = in.IntIn(-1440, 1440);
    ctx.zone.daylightBias = in.IntIn(-120, 120);
    ctx.zone.standardDate = fuzz::ZoneTransitionFrom(in);
    ctx.zone.daylightDate = fuzz::ZoneTransitionFrom(in);
    const std::wstring text = in.RestText();

    const std::wstring built = timetext::BuildFormatText(text, ctx);
    (void)built;
    if (text.find(L'<') == std::wstring::npos)
        FUZZ_CHECK(timetext::ExpandTemplate(text, ctx.earliestTaskTime, ctx) ==
                   timetext::MonthNameGenitive(text));
    (void)timetext::FormatDuration(text, ctx.workTime, ctx.fs);
    return 0;
}
