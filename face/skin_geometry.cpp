#include "face/skin_geometry.h"

#include <algorithm>
#include <cmath>

namespace face {

std::optional<SkinBaseSize> ComputeSkinBaseSize(const SkinDescription& skin, ImageSize backGr,
                                                ImageSize back) {
    SkinBaseSize size;
    if (backGr.width > 0) {
        size.width = backGr.width;
        size.height = backGr.height;
    } else if (back.width > 0) {
        size.width = back.width;
        size.height = back.height;
        size.dropBackGr = true;
    } else {
        size.width = 2 * skin.CenterX;
        size.height = 2 * skin.CenterY;
        size.dropBackGr = true;
    }
    if (!(size.width > 0) || !(size.height > 0)) return std::nullopt;
    return size;
}

double ChooseSkinScale(const ScaleChoice& choice, double skinScale, double skinHeight) {
    if (choice.tray && choice.autoTrayScale) {
        if (choice.trayPanelHeight >= 1 && skinHeight > 0) return (choice.trayPanelHeight - 0.5) / skinHeight;
        return choice.settingScale;
    }
    return choice.useSkinScale ? skinScale : choice.settingScale;
}

double FitSkinScale(double scale, const SkinBaseSize& size, const ScaleChoice& choice) {
    if (!(scale > 0) || std::isnan(scale)) scale = 1.0;
    // A pixel count of a bitmap stays far inside an int.
    constexpr double kMostPixels = 1 << 20;
    const double maxWidth = choice.maxWidth > 1 ? choice.maxWidth - 1 : kMostPixels;  // one column is added
    const double maxHeight = choice.maxHeight > 0 ? choice.maxHeight : kMostPixels;
    // A product just above a whole number would round up one pixel too many.
    auto fits = [&](double s) {
        return std::ceil(size.width * s) <= maxWidth && std::ceil(size.height * s) <= maxHeight;
    };
    if (size.width > 0) scale = std::min(scale, maxWidth / size.width);
    if (size.height > 0) scale = std::min(scale, maxHeight / size.height);
    for (int i = 0; i < 8 && scale > 0 && !fits(scale); ++i) scale = std::nextafter(scale, 0.0);
    return scale;
}

double HandRadius(ImageSize image, double strelScale) {
    if (image.height <= 0 || image.width <= 0) return 0;
    return std::sqrt(2.0) * (image.height - 1) * 0.5 * strelScale;
}

SkinGeometry ScaleSkin(const SkinDescription& skin, const SkinBaseSize& size, double scale, ImageSize sec,
                       ImageSize min, ImageSize hour) {
    SkinGeometry g;
    g.Scale = scale;
    // Scales come through FitSkinScale; the sizes are kept in range all the same.
    auto pixels = [](double v) {
        return std::isnan(v) ? 0 : static_cast<int>(std::clamp(std::ceil(v), 0.0, double(1 << 20)));
    };
    g.bitmapWidth = pixels(size.width * scale) + 1;
    g.bitmapHeight = pixels(size.height * scale);
    g.CenterX = skin.CenterX < 0 ? g.bitmapWidth / 2.0 : skin.CenterX * scale;
    g.CenterY = skin.CenterY < 0 ? g.bitmapHeight / 2.0 : skin.CenterY * scale;
    g.TextX = skin.TextX < 0 ? g.CenterX : skin.TextX * scale;
    g.TextY = skin.TextY < 0 ? g.CenterY : skin.TextY * scale;
    g.TextSize = skin.TextSize * scale;
    g.NumSize = skin.NumSize * scale;
    g.LabelSize = skin.LabelSize * scale;
    g.RLabels = skin.RLabels * scale;
    g.StrelScale = skin.StrelScale * scale;
    g.RNums = skin.RNums < 0 ? 0.7 * g.CenterX : skin.RNums * scale;
    g.RSec = HandRadius(sec, g.StrelScale);
    g.RMin = HandRadius(min, g.StrelScale);
    g.RHour = HandRadius(hour, g.StrelScale);
    return g;
}

TextLook MergeTextLook(TextLook& settings, const TextLook& skin, bool useSkinFont, bool useSkinColor) {
    if (useSkinFont) {
        settings.font = skin.font;
        settings.size = skin.size;
        settings.style = skin.style;
        settings.align = skin.align;
    }
    if (useSkinColor) settings.color = skin.color;
    return settings;
}

}  // namespace face
