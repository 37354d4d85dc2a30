#include "timetext/time_zone_record.h"

#include <algorithm>

#include "base/text_compare.h"

namespace timetext {
namespace {

std::uint32_t Dword(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Word(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

ZoneDate DateAt(const std::vector<std::uint8_t>& b, std::size_t at) {
    ZoneDate d;
    std::uint16_t* const fields[] = {&d.year, &d.month,  &d.dayOfWeek, &d.day,
                                     &d.hour, &d.minute, &d.second,    &d.milliseconds};
    for (std::uint16_t* f : fields) {
        *f = Word(b, at);
        at += 2;
    }
    return d;
}

}  // namespace

bool ParseTzi(const std::vector<std::uint8_t>& bytes, ZoneTzi& tzi) {
    if (bytes.size() < kTziSize) return false;
    ZoneTzi t;
    t.bias = static_cast<std::int32_t>(Dword(bytes, 0));
    t.standardBias = static_cast<std::int32_t>(Dword(bytes, 4));
    t.daylightBias = static_cast<std::int32_t>(Dword(bytes, 8));
    t.standardDate = DateAt(bytes, 12);
    t.daylightDate = DateAt(bytes, 28);
    tzi = t;
    return true;
}

std::wstring CurrentZoneDisplay(const std::vector<ZoneListEntry>& zones,
                                std::wstring_view currentStandardName, std::wstring_view currentKeyName) {
    std::wstring chosen;
    for (const ZoneListEntry& z : zones)
        if (base::SameTextAnsi(z.standardName, currentStandardName)) chosen = z.display;
    if (chosen.empty() && !currentKeyName.empty())
        for (const ZoneListEntry& z : zones)
            if (base::SameTextAnsi(z.keyName, currentKeyName)) chosen = z.display;
    return chosen;
}

int FirstZoneWithDisplay(const std::vector<std::wstring>& displays, std::wstring_view chosen) {
    for (std::size_t i = 0; i < displays.size(); ++i)
        if (base::SameTextAnsi(displays[i], chosen)) return static_cast<int>(i);
    return -1;
}

void SortZoneDisplays(std::vector<std::wstring>& displays) {
    std::stable_sort(displays.begin(), displays.end(), [](const std::wstring& a, const std::wstring& b) {
        return base::CompareTextAnsi(a, b) < 0;
    });
}

}  // namespace timetext
