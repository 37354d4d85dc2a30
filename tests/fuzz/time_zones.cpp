// Time zones from the registry: any TZI value and any zone display text read
// without fault; a zone with any transitions answers for any day.
#include "timetext/time_zone_record.h"
#include "timetext/zone_rule.h"
#include "fuzz_support.h"

namespace {

timetext::ZoneTransition Transition(fuzz::Input& in) {
    timetext::ZoneTransition t;
    t.year = in.IntIn(-2, 10000);
    t.month = in.IntIn(-2, 14);
    t.dayOfWeek = in.IntIn(-2, 8);
    t.day = in.IntIn(-2, 40);
    t.hour = in.IntIn(-2, 25);
    t.minute = in.IntIn(-2, 61);
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    timetext::TimeZoneRule zone;
    zone.bias = in.IntIn(-1440, 1440);
    zone.daylightBias = in.IntIn(-1440, 1440);
    zone.standardDate = Transition(in);
    zone.daylightDate = Transition(in);
    const double day = in.Byte() < 32 ? in.Double() : in.IntIn(-693593, 2958465) + in.Byte() / 256.0;
    (void)timetext::InDaylightTime(zone, day);
    (void)timetext::SunZoneHours(zone, day);

    std::vector<std::uint8_t> tzi;
    for (int i = 0; i < 44 && !in.Empty(); ++i) tzi.push_back(in.Byte());
    timetext::ZoneTzi parsed;
    FUZZ_CHECK(timetext::ParseTzi(tzi, parsed) == (tzi.size() >= timetext::kTziSize));

    const std::wstring display = in.RestText();
    double hours = 0;
    if (timetext::ZoneOffsetFromDisplay(display, hours))
        FUZZ_CHECK(std::isfinite(hours) && std::fabs(hours) < 100);
    return 0;
}
