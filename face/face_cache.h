// The parts of a clock face that stay put between ticks, drawn once and copied
// under the hands on every tick: the base (dial, minute dots, hour labels) and
// the plate (the base with the text line). Each remembers what it was drawn
// with and is drawn again as soon as any of it differs: another skin, scale,
// colour, font, alignment or text (the date text on a new day).
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "face/gdiplus_util.h"

namespace face {

// What a GDI+ font draws like, read from the font itself (fonts are replaced
// in place by the settings pages, so their addresses tell nothing).
struct FontPrint {
    std::wstring family;
    float size = 0;
    INT style = 0;
    Gdiplus::Unit unit = Gdiplus::UnitPoint;
    bool operator==(const FontPrint&) const = default;
};
std::optional<FontPrint> PrintOf(Gdiplus::Font* font);

struct FaceBaseKey {
    int width = 0, height = 0;
    ImagePtr dial;  // held, so that a new picture never meets an old address
    bool BkColorTransp = false;
    double CenterX = 0, CenterY = 0, Scale = 0, RLabels = 0, LabelSize = 0, RNums = 0, NumSize = 0;
    Argb LabelsColor = 0, NumColor = 0;
    std::optional<FontPrint> numFont;
    bool InvertRotation = false;
    std::vector<std::wstring> hours;
    bool operator==(const FaceBaseKey&) const = default;
};

struct FacePlateKey {
    unsigned base = 0;  // the base drawing it lies on
    std::wstring text;
    double textSize = 0, TextX = 0, TextY = 0;
    std::optional<FontPrint> textFont;
    Argb TextColor = 0;
    int TextAlign = 0;
    bool operator==(const FacePlateKey&) const = default;
};

// The part of a hand picture that shows: the box around its pixels that are
// neither transparent nor of the colour key, widened by two pixels (the
// interpolation at the edge then meets the same transparent pixels as in the
// whole picture). Drawing only that part draws the same hand.
struct HandBox {
    ImagePtr image;  // held, as above
    bool keyed = false;
    Gdiplus::Rect box;
};
Gdiplus::Rect ShowingPartOf(Gdiplus::Bitmap& image, bool keyed);

// The glass stretched around the centre on a transparent layer of the clock's
// size, laid over the hands on every tick.
struct GlassKey {
    ImagePtr glass;  // held, as above
    int width = 0, height = 0;
    double CenterX = 0, CenterY = 0, Scale = 0;
    bool operator==(const GlassKey&) const = default;
};
// Lays a layer of 32-bit ARGB pixels over the bitmap of the same size (source
// over, straight alpha); its fully transparent pixels cost nothing.
void LayOver(Gdiplus::Bitmap& bitmap, const std::vector<std::uint32_t>& layer);

struct FaceCache {
    std::unique_ptr<Gdiplus::Bitmap> base, plate;
    HandBox hands[3];  // hour, minute, second
    std::optional<GlassKey> glassKey;
    std::vector<std::uint32_t> glass;
    std::optional<FaceBaseKey> baseKey;
    std::optional<FacePlateKey> plateKey;
    unsigned baseDrawings = 0, plateDrawings = 0;  // how often each was drawn

    void Clear() {
        base.reset();
        plate.reset();
        baseKey.reset();
        plateKey.reset();
        for (auto& hand : hands) hand = HandBox{};
        glassKey.reset();
        glass.clear();
    }
    // The showing part of a hand picture, found once per picture.
    Gdiplus::Rect HandPart(int index, const ImagePtr& image, bool keyed);
};

// Copies the pixels of one 32-bit ARGB bitmap into another of the same size.
bool CopyArgbPixels(Gdiplus::Bitmap& from, Gdiplus::Bitmap& to);

}  // namespace face
