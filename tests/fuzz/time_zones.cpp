// Time zones from the registry: any TZI value and any zone display text read
// without fault; a zone with any transitions answers for any day, and reads
// any local time as a real moment between its two readings.
#include "timetext/time_zone_record.h"
#include "timetext/zone_rule.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    timetext::TimeZoneRule zone;
    zone.bias = in.IntIn(-1440, 1440);
    zone.daylightBias = in.IntIn(-1440, 1440);
    zone.standardDate = fuzz::ZoneTransitionFrom(in);
    zone.daylightDate = fuzz::ZoneTransitionFrom(in);
    const double day = in.Byte() < 32 ? in.Double() : in.IntIn(-693593, 2958465) + in.Byte() / 256.0;
    (void)timetext::InDaylightTime(zone, day);
    (void)timetext::SunZoneHours(zone, day);
    // A local time is read as a real moment between its standard and its daylight reading.
    const double utc = timetext::LocalToUtc(zone, day);
    if (std::isfinite(day)) {
        const double standard = day + zone.bias / 1440.0, daylight = standard + zone.daylightBias / 1440.0;
        FUZZ_CHECK(utc >= std::min(standard, daylight) && utc <= std::max(standard, daylight));
    }

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
