// The place of the sunrise and sunset computations as the user types it:
// latitude and longitude in degrees, each a number within its range.
#pragma once

#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace timetext {

struct PlaceAxis {
    const wchar_t* name;  // as the refusal names it
    double limit;         // the value lies in -limit..limit
};
inline constexpr PlaceAxis kLatitude{L"Широта", 90};
inline constexpr PlaceAxis kLongitude{L"Долгота", 180};

// The text as degrees of that axis: a number (the format settings' decimal
// separator, or '.') within its range. False for any other text, the value
// then left as it was.
bool ReadPlaceDegrees(std::wstring_view text, const PlaceAxis& axis, const base::FormatSettings& fs,
                      double& value);

// Why a text was refused, the text shown as typed.
std::wstring PlaceRefusal(std::wstring_view text, const PlaceAxis& axis);

}  // namespace timetext
