#include "timetext/zone_rule.h"

#include <algorithm>

namespace timetext {
namespace {

// The transition's moment in the given year, or false when it has none.
bool TransitionIn(const ZoneTransition& tr, int year, base::TDateTime& when) {
    if (tr.month < 1 || tr.month > 12) return false;
    base::TDateTime date;
    if (tr.year != 0) {
        if (tr.year != year || !base::TryEncodeDate(year, tr.month, tr.day, date)) return false;
    } else {
        base::TDateTime first;
        if (!base::TryEncodeDate(year, tr.month, 1, first)) return false;
        const int firstDow = base::DayOfWeek(first) - 1;  // 0 = Sunday
        int day = 1 + (tr.dayOfWeek - firstDow + 7) % 7 + 7 * ((tr.day < 1 ? 1 : tr.day) - 1);
        const int len = base::DaysInMonth(year, tr.month);
        while (day > len) day -= 7;
        date = first + (day - 1);
    }
    when = date + (tr.hour * 60 + tr.minute) / 1440.0;
    return true;
}

// The daylight period of a year as real moments (UTC): it begins at the
// daylight date read in standard time and ends at the standard date read in
// daylight time. False when the zone has none that year.
bool DaylightPeriodUtc(const TimeZoneRule& zone, int year, base::TDateTime& begins, base::TDateTime& ends) {
    if (!TransitionIn(zone.daylightDate, year, begins) || !TransitionIn(zone.standardDate, year, ends))
        return false;
    begins += zone.bias / 1440.0;
    ends += (zone.bias + zone.daylightBias) / 1440.0;
    return true;
}

}  // namespace

bool InDaylightTime(const TimeZoneRule& zone, base::TDateTime t) {
    const int year = base::DecodeDate(t).year;
    base::TDateTime begins, ends;
    if (!TransitionIn(zone.daylightDate, year, begins) || !TransitionIn(zone.standardDate, year, ends))
        return false;
    if (begins < ends) return t >= begins && t < ends;  // northern hemisphere
    return t >= begins || t < ends;                     // southern: the period spans the new year
}

base::TDateTime LocalToUtc(const TimeZoneRule& zone, base::TDateTime t) {
    const base::TDateTime standard = t + zone.bias / 1440.0;
    base::TDateTime begins, ends;
    if (zone.daylightBias == 0 || !DaylightPeriodUtc(zone, base::DecodeDate(t).year, begins, ends))
        return standard;
    const auto inDaylight = [&](base::TDateTime utc) {
        return begins < ends ? utc >= begins && utc < ends : utc >= begins || utc < ends;
    };
    const base::TDateTime daylight = standard + zone.daylightBias / 1440.0;
    const bool asStandard = !inDaylight(standard);
    const bool asDaylight = inDaylight(daylight);
    if (asStandard && asDaylight) return std::max(standard, daylight);  // shown twice: the later reading
    if (asStandard) return standard;
    if (asDaylight) return daylight;
    // Skipped: the clock jumped over it, at the transition between the two readings.
    const base::TDateTime low = std::min(standard, daylight), high = std::max(standard, daylight);
    return std::clamp(begins >= low && begins <= high ? begins : ends, low, high);
}

double SunZoneHours(const TimeZoneRule& zone, base::TDateTime date) {
    int bias = zone.bias;
    if (InDaylightTime(zone, base::DateOf(date) + 0.5)) bias += zone.daylightBias;
    return bias / 60.0;
}

bool ZoneOffsetFromDisplay(std::wstring_view text, double& hoursEast) {
    if (text.size() < 5 || text[0] != L'(') return false;
    const std::wstring_view tag = text.substr(1, 3);
    if (tag != L"GMT" && tag != L"UTC") return false;
    size_t i = 4;
    if (text[i] == L')') {
        hoursEast = 0;
        return true;
    }
    if (text[i] != L'+' && text[i] != L'-') return false;
    const int sign = text[i] == L'-' ? -1 : 1;
    ++i;
    auto number = [&](int& value) {
        size_t start = i;
        value = 0;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9' && i - start < 2)
            value = value * 10 + (text[i++] - L'0');
        return i > start;
    };
    int h = 0, m = 0;
    if (!number(h)) return false;
    if (i < text.size() && text[i] == L':') {
        ++i;
        if (!number(m) || m >= 60) return false;
    }
    if (i >= text.size() || text[i] != L')') return false;
    hoursEast = sign * (h + m / 60.0);
    return true;
}

}  // namespace timetext
