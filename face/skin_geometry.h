// Sizes and positions of a loaded skin: the skin's own size, the scale in use,
// the clock bitmap's size and every position and radius in pixels of that bitmap.
#pragma once

#include <optional>

#include "face/skin_description.h"

namespace face {

struct ImageSize {
    int width = 0;
    int height = 0;
    bool Present() const { return width > 0 && height > 0; }
};

// The skin's unscaled size: the background picture's when it has a width, else
// the dial's (the background picture is then dropped), else twice the centre.
// Nothing when that size is not positive: such a skin is unusable.
struct SkinBaseSize {
    double width = 0;
    double height = 0;
    bool dropBackGr = false;  // the background picture does not decide the size
};
std::optional<SkinBaseSize> ComputeSkinBaseSize(const SkinDescription& skin, ImageSize backGr,
                                                ImageSize back);

// The scale factor in use.
struct ScaleChoice {
    bool tray = false;
    bool autoTrayScale = false;
    int trayPanelHeight = 0;
    bool useSkinScale = false;
    double settingScale = 1.0;  // MainScale, or Scale of SystemClock
    // The virtual screen: no clock bitmap is larger (0: not known).
    int maxWidth = 0;
    int maxHeight = 0;
};
// Taskbar clock with automatic scale: (panel height - 0.5) / skin height, but a
// panel under 1 pixel high keeps the setting; else the setting, or with
// useSkinScale the skin's own Scale.
double ChooseSkinScale(const ScaleChoice& choice, double skinScale, double skinHeight);

// The factor kept within what can be drawn: one that is no number or not
// positive counts as 1; then it is cut so that the clock bitmap fits the
// choice's screen (and, always, the range of a pixel count).
double FitSkinScale(double scale, const SkinBaseSize& size, const ScaleChoice& choice);

// Everything the face drawing needs in pixels of the clock bitmap.
struct SkinGeometry {
    int bitmapWidth = 0;  // ceil(width * scale) + 1: the last column never belongs to the shape
    int bitmapHeight = 0;
    double Scale = 1;
    double StrelScale = 1;
    double CenterX = 0, CenterY = 0;
    double TextX = 0, TextY = 0;
    double TextSize = 0;
    double NumSize = 0;
    double LabelSize = 0;
    double RLabels = 0;
    double RNums = 0;
    double RSec = 0, RMin = 0, RHour = 0;  // 0 when the hand has no image
};
SkinGeometry ScaleSkin(const SkinDescription& skin, const SkinBaseSize& size, double scale, ImageSize sec,
                       ImageSize min, ImageSize hour);

// Half the diagonal of a square hand image of height h drawn at strelScale
// (already multiplied by the scale); 0 without an image.
double HandRadius(ImageSize image, double strelScale);

// Flags of a skin set from its window's timer interval.
inline bool WholeSecondsFor(int intervalMs) {
    return intervalMs >= 700;
}
inline bool SecondHandFor(int intervalMs) {
    return intervalMs <= 5000;
}

// How a window's text settings and a skin's text look meet when the skin is
// loaded: with useSkinFont the settings take the skin's font, size, style and
// alignment, else the skin takes the settings' alignment; with useSkinColor
// the settings take the skin's colour. The set then draws with the settings'
// look, which is returned.
TextLook MergeTextLook(TextLook& settings, const TextLook& skin, bool useSkinFont, bool useSkinColor);

}  // namespace face
