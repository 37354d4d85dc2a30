#include "timetext/sun_place.h"

#include <cmath>

#include "base/conversions.h"

namespace timetext {

bool ReadPlaceDegrees(std::wstring_view text, const PlaceAxis& axis, const base::FormatSettings& fs,
                      double& value) {
    double read = 0;
    if (!base::TryStrToFloat(text, read, fs) || !(std::fabs(read) <= axis.limit)) return false;
    value = read;
    return true;
}

std::wstring PlaceRefusal(std::wstring_view text, const PlaceAxis& axis) {
    const std::wstring limit = std::to_wstring(static_cast<int>(axis.limit));
    return std::wstring(axis.name) + L" '" + std::wstring(text) + L"' не является числом от -" + limit +
           L" до " + limit + L".";
}

}  // namespace timetext
