#include "options/color_font_rules.h"

#include <algorithm>
#include <cmath>

namespace options {

PalettePoint PalettePixelAt(int x, int y, int bitmapWidth, int bitmapHeight, int controlWidth,
                            int controlHeight) {
    if (controlWidth <= 0 || controlHeight <= 0) return {0, 0};
    const auto scale = [](int v, int to, int from) {
        return static_cast<int>(static_cast<long long>(v) * to / from);
    };
    return {std::clamp(scale(x, bitmapWidth, controlWidth), 0, std::max(0, bitmapWidth - 1)),
            std::clamp(scale(y, bitmapHeight, controlHeight), 0, std::max(0, bitmapHeight - 1))};
}

std::uint32_t PaletteColor(int x, int y, int width, int height) {
    const double hue = width > 1 ? 6.0 * x / width : 0;  // 0..6
    const int sector = static_cast<int>(hue) % 6;
    const double f = hue - std::floor(hue);
    double r = 0, g = 0, b = 0;
    switch (sector) {
        case 0:
            r = 1, g = f, b = 0;
            break;
        case 1:
            r = 1 - f, g = 1, b = 0;
            break;
        case 2:
            r = 0, g = 1, b = f;
            break;
        case 3:
            r = 0, g = 1 - f, b = 1;
            break;
        case 4:
            r = f, g = 0, b = 1;
            break;
        default:
            r = 1, g = 0, b = 1 - f;
            break;
    }
    // Top half: from white to the colour; bottom half: from the colour to black.
    const double t = height > 1 ? static_cast<double>(y) / (height - 1) : 0.5;
    auto mix = [t](double c) {
        const double v = t < 0.5 ? 1 - (1 - c) * (t * 2) : c * (1 - (t - 0.5) * 2);
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return (mix(r) << 16) | (mix(g) << 8) | mix(b);
}

std::uint32_t TextColorOfChoice(int listIndex, std::uint32_t rgb, int opacity) {
    const std::uint32_t alpha =
        listIndex > 0 ? 255u : static_cast<std::uint32_t>(std::clamp(opacity, 0, 255));
    return (alpha << 24) | (rgb & 0xFFFFFFu);
}

int TextStyleOf(bool bold, bool italic, bool underline, bool strikeOut) {
    return (bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0) | (strikeOut ? 8 : 0);
}

bool FillTypeChangeReloads(int oldType, int newType, bool skinTextColorInUse) {
    const bool layered = (oldType == 1) != (newType == 1);
    const bool captured = (oldType == 2) != (newType == 2);
    return layered || captured || skinTextColorInUse;
}

int RememberedColorEntry(int item, int entryCount) {
    return item > 0 && item < entryCount ? item : -1;
}

}  // namespace options
