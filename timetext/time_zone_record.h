// A time zone as the registry keeps it: the 44-byte TZI value of a zone key
// (REG_TZI_FORMAT: Bias, StandardBias, DaylightBias, StandardDate,
// DaylightDate, little-endian), and the choices made over the zone list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace timetext {

// The fields of a SYSTEMTIME, in its order.
struct ZoneDate {
    std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0, hour = 0, minute = 0, second = 0,
                  milliseconds = 0;
};

struct ZoneTzi {
    std::int32_t bias = 0;
    std::int32_t standardBias = 0;
    std::int32_t daylightBias = 0;
    ZoneDate standardDate;
    ZoneDate daylightDate;
};

constexpr std::size_t kTziSize = 44;

// False (tzi untouched) when the value is shorter than 44 bytes.
bool ParseTzi(const std::vector<std::uint8_t>& bytes, ZoneTzi& tzi);

// One zone key as listed: its Display and Std texts and the key's name.
struct ZoneListEntry {
    std::wstring display;
    std::wstring standardName;
    std::wstring keyName;
};

// The Display to select for the current zone: that of the last entry (in
// registry order) whose Std equals the current standard name ignoring case.
// When none does (the system may give the name in another language than the
// registry keeps), that of the entry whose key is the current zone's key;
// empty when neither matches.
std::wstring CurrentZoneDisplay(const std::vector<ZoneListEntry>& zones,
                                std::wstring_view currentStandardName, std::wstring_view currentKeyName = {});

// The first entry (in registry order) whose Display equals the chosen text
// ignoring case, or -1.
int FirstZoneWithDisplay(const std::vector<std::wstring>& displays, std::wstring_view chosen);

// The zone texts in the order of a sorted list box (case ignored, stable).
void SortZoneDisplays(std::vector<std::wstring>& displays);

}  // namespace timetext
