#include "face/clock_face.h"

#include <cmath>
#include <numbers>

#include "face/display_rules.h"
#include "face/hand_angles.h"
#include "face/window_background.h"

namespace face {

namespace {

using namespace Gdiplus;

constexpr double kDegToRad = std::numbers::pi / 180.0;

Color ToColor(Argb argb) {
    return Color(ARGB(argb));
}

// The bottom-left pixel's colour becomes transparent.
void KeyBottomLeft(ImageAttributes& attributes, Bitmap& image) {
    Color key = BottomLeftColor(image);
    attributes.SetColorKey(key, key, ColorAdjustTypeBitmap);
}

// Dial and glass: centred on the clock centre at the skin's scale.
RectF ScaledAroundCentre(const SkinGeometry& g, Image& image) {
    const double w = image.GetWidth(), h = image.GetHeight();
    return RectF(REAL(int(g.CenterX - (w - 1) * g.Scale * 0.5)),
                 REAL(int(g.CenterY - (h - 1) * g.Scale * 0.5)), REAL(int(w * g.Scale)),
                 REAL(int(h * g.Scale)));
}

void DrawWhole(Graphics& g, Image& image, const RectF& dest, ImageAttributes* attributes) {
    g.DrawImage(&image, dest, 0, 0, REAL(image.GetWidth()), REAL(image.GetHeight()), UnitPixel, attributes);
}

// A hand through its showing part (face_cache.h): the picture drawn whole
// would put the same pixels on the face.
void DrawHand(Graphics& g, const SkinSet& set, Bitmap* image, const Rect& part, double radius, double angle,
              ImageAttributes& attributes) {
    if (!image || radius <= 0 || part.Width <= 0 || part.Height <= 0) return;
    const SkinGeometry& geo = set.geometry;
    if (set.StrelColorTransp) KeyBottomLeft(attributes, *image);
    const double a = (angle - 45.0) * kDegToRad;
    g.ResetTransform();
    g.TranslateTransform(REAL(geo.CenterX - radius * std::cos(a)), REAL(geo.CenterY - radius * std::sin(a)));
    g.RotateTransform(REAL(angle - 90.0));
    const double w = image->GetWidth(), h = image->GetHeight();
    const double sx = int(w * geo.StrelScale) / w, sy = int(h * geo.StrelScale) / h;
    const RectF dest(REAL(part.X * sx), REAL(part.Y * sy), REAL(part.Width * sx), REAL(part.Height * sy));
    g.DrawImage(image, dest, REAL(part.X), REAL(part.Y), REAL(part.Width), REAL(part.Height), UnitPixel,
                &attributes);
}

StringAlignment AlignmentOf(int align) {
    switch (align) {
        case 0:
            return StringAlignmentNear;
        case 2:
            return StringAlignmentFar;
        default:
            return StringAlignmentCenter;
    }
}

void Prepare(Graphics& g) {
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
}

// Dial, minute dots and hour labels on a cleared bitmap.
void DrawBase(Graphics& g, const SkinSet& set) {
    const SkinGeometry& geo = set.geometry;
    g.Clear(Color(0, 0, 0, 0));

    // Dial.
    if (Bitmap* dial = set.Image(kImgBack)) {
        ImageAttributes attributes;
        if (set.BkColorTransp) KeyBottomLeft(attributes, *dial);
        DrawWhole(g, *dial, ScaledAroundCentre(geo, *dial), &attributes);
    }

    // Minute dots.
    if (geo.RLabels > 0) {
        SolidBrush brush(ToColor(set.LabelsColor));
        for (int i = 0; i < 60; ++i) {
            const double a = i * 6 * kDegToRad;
            const double x = geo.CenterX + std::sin(a) * geo.RLabels;
            const double y = geo.CenterY - std::cos(a) * geo.RLabels;
            const double d = i % 5 == 0 ? geo.LabelSize : geo.LabelSize * 2.0 / 3.0;
            g.FillEllipse(&brush, RectF(REAL(x - d / 2), REAL(y - d / 2), REAL(d), REAL(d)));
        }
    }

    // Hour labels.
    if (geo.RNums > 0 && set.numFont) {
        SolidBrush brush(ToColor(set.NumColor));
        StringFormat format;
        format.SetAlignment(StringAlignmentCenter);
        format.SetLineAlignment(StringAlignmentCenter);
        for (int i = 0; i < 12 && i < int(set.hours.size()); ++i) {
            if (set.hours[size_t(i)].empty()) continue;
            double a = i * 30 * kDegToRad;
            if (set.InvertRotation) a = -a;
            const double x = std::sin(a) * geo.RNums + geo.CenterX;
            const double y = geo.CenterY - std::cos(a) * geo.RNums + geo.NumSize / 7.0;
            g.DrawString(set.hours[size_t(i)].c_str(), -1, set.numFont.get(), PointF(REAL(x), REAL(y)),
                         &format, &brush);
        }
    }
}

// How far apart the drawing lays out the lines of a text (the font's height,
// rounded or not as the drawing does it).
double LaidOutLineHeight(Graphics& g, const Font& font, const StringFormat& format) {
    RectF one, two;
    g.MeasureString(L"0", -1, &font, PointF(0, 0), &format, &one);
    g.MeasureString(L"0\n0", -1, &font, PointF(0, 0), &format, &two);
    return two.Height - one.Height;
}

// Text line.
void DrawTextLine(Graphics& g, const SkinSet& set, const std::wstring& text) {
    if (set.textSize > 0 && set.textFont && !text.empty()) {
        const SkinGeometry& geo = set.geometry;
        SolidBrush brush(ToColor(set.TextColor));
        StringFormat format;
        format.SetAlignment(AlignmentOf(set.TextAlign));
        format.SetLineAlignment(StringAlignmentCenter);
        // The block of lines is centred on the text's place: of a long text
        // only the lines that can meet the picture are drawn, the others are
        // blanked so that every line keeps its place.
        const int lineCount = LineCount(text);
        const double height = set.clock ? double(set.clock->GetHeight()) : 0.0;
        std::wstring drawn = text;
        if (lineCount > 2 && lineCount * set.textFont->GetHeight(&g) > height) {
            const LineSpan span =
                LinesInSight(lineCount, LaidOutLineHeight(g, *set.textFont, format), geo.TextY, height);
            if (span.first > 0 || span.last < lineCount) drawn = BlankLines(text, span.first, span.last);
        }
        g.DrawString(drawn.c_str(), -1, set.textFont.get(), PointF(REAL(geo.TextX), REAL(geo.TextY)), &format,
                     &brush);
    }
}

// Hands and centre cap: what changes from tick to tick.
// The showing part of a hand picture: kept in the cache, or found now.
Rect HandPart(FaceCache* cache, const SkinSet& set, int index, SkinImage which) {
    const ImagePtr& image = set.images[which];
    if (cache) return cache->HandPart(index, image, set.StrelColorTransp);
    return image ? ShowingPartOf(*image, set.StrelColorTransp) : Rect();
}

void DrawMoving(Graphics& g, const SkinSet& set, FaceCache* cache, const SYSTEMTIME& time) {
    const SkinGeometry& geo = set.geometry;
    // Hands, seen through the hands' transparency.
    const HandAngles angles = ComputeHandAngles(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds,
                                                set.wholeSeconds, set.InvertRotation);
    {
        ImageAttributes attributes;
        ColorMatrix matrix = {{{1, 0, 0, 0, 0},
                               {0, 1, 0, 0, 0},
                               {0, 0, 1, 0, 0},
                               {0, 0, 0, REAL(set.StrelTransparent), 0},
                               {0, 0, 0, 0, 1}}};
        if (set.StrelTransparent != 1.0)
            attributes.SetColorMatrix(&matrix, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
        DrawHand(g, set, set.Image(kImgHour), HandPart(cache, set, 0, kImgHour), geo.RHour, angles.hour,
                 attributes);
        DrawHand(g, set, set.Image(kImgMin), HandPart(cache, set, 1, kImgMin), geo.RMin, angles.minute,
                 attributes);
        if (set.secondHand)
            DrawHand(g, set, set.Image(kImgSec), HandPart(cache, set, 2, kImgSec), geo.RSec, angles.second,
                     attributes);
    }

    // Centre cap.
    if (Bitmap* cap = set.Image(kImgCentr)) {
        ImageAttributes attributes;
        if (set.StrelColorTransp) KeyBottomLeft(attributes, *cap);
        g.ResetTransform();
        g.TranslateTransform(REAL(geo.CenterX - ((cap->GetWidth() - 1) / 2) * geo.StrelScale),
                             REAL(geo.CenterY - ((cap->GetHeight() - 1) / 2) * geo.StrelScale));
        const RectF dest(0, 0, REAL(int(cap->GetWidth() * geo.StrelScale)),
                         REAL(int(cap->GetHeight() * geo.StrelScale)));
        DrawWhole(g, *cap, dest, &attributes);
    }
}

// Glass: stretched once onto a layer of its own, which is laid over.
GlassKey GlassKeyOf(const SkinSet& set) {
    GlassKey key;
    key.glass = set.images[kImgGlass];
    key.width = int(set.clock->GetWidth());
    key.height = int(set.clock->GetHeight());
    key.CenterX = set.geometry.CenterX;
    key.CenterY = set.geometry.CenterY;
    key.Scale = set.geometry.Scale;
    return key;
}

std::vector<std::uint32_t> GlassLayer(const SkinSet& set) {
    Bitmap* glass = set.Image(kImgGlass);
    if (!glass) return {};
    auto layer = NewArgbBitmap(INT(set.clock->GetWidth()), INT(set.clock->GetHeight()));
    if (!layer) return {};
    {
        Graphics g(layer.get());
        Prepare(g);
        DrawWhole(g, *glass, ScaledAroundCentre(set.geometry, *glass), nullptr);
    }
    return ArgbPixels(*layer);
}

void LayGlass(SkinSet& set, FaceCache* cache) {
    if (!set.Image(kImgGlass)) return;
    if (!cache) {
        LayOver(*set.clock, GlassLayer(set));
        return;
    }
    GlassKey key = GlassKeyOf(set);
    if (!cache->glassKey || *cache->glassKey != key) {
        cache->glass = GlassLayer(set);
        cache->glassKey = std::move(key);
    }
    LayOver(*set.clock, cache->glass);
}

FaceBaseKey BaseKeyOf(const SkinSet& set) {
    const SkinGeometry& geo = set.geometry;
    FaceBaseKey key;
    key.width = int(set.clock->GetWidth());
    key.height = int(set.clock->GetHeight());
    key.dial = set.images[kImgBack];
    key.BkColorTransp = set.BkColorTransp;
    key.CenterX = geo.CenterX;
    key.CenterY = geo.CenterY;
    key.Scale = geo.Scale;
    key.RLabels = geo.RLabels;
    key.LabelSize = geo.LabelSize;
    key.RNums = geo.RNums;
    key.NumSize = geo.NumSize;
    key.LabelsColor = set.LabelsColor;
    key.NumColor = set.NumColor;
    key.numFont = PrintOf(set.numFont.get());
    key.InvertRotation = set.InvertRotation;
    key.hours = set.hours;
    return key;
}

FacePlateKey PlateKeyOf(const SkinSet& set, const std::wstring& text, unsigned base) {
    FacePlateKey key;
    key.base = base;
    key.text = text;
    key.textSize = set.textSize;
    key.TextX = set.geometry.TextX;
    key.TextY = set.geometry.TextY;
    key.textFont = PrintOf(set.textFont.get());
    key.TextColor = set.TextColor;
    key.TextAlign = set.TextAlign;
    return key;
}

// Brings the base and the plate up to date; false when memory is short.
bool UpdateCache(SkinSet& set, const std::wstring& text) {
    FaceCache& cache = set.cache;
    const int w = int(set.clock->GetWidth()), h = int(set.clock->GetHeight());
    FaceBaseKey baseKey = BaseKeyOf(set);
    if (!cache.base || !cache.baseKey || *cache.baseKey != baseKey) {
        cache.Clear();
        cache.base = NewArgbBitmap(w, h);
        if (!cache.base) return false;
        Graphics g(cache.base.get());
        Prepare(g);
        DrawBase(g, set);
        cache.baseKey = std::move(baseKey);
        ++cache.baseDrawings;
    }
    FacePlateKey plateKey = PlateKeyOf(set, text, cache.baseDrawings);
    if (!cache.plate || !cache.plateKey || *cache.plateKey != plateKey) {
        cache.plateKey.reset();
        if (!cache.plate) cache.plate = NewArgbBitmap(w, h);
        if (!cache.plate || !CopyArgbPixels(*cache.base, *cache.plate)) return false;
        Graphics g(cache.plate.get());
        Prepare(g);
        DrawTextLine(g, set, text);
        cache.plateKey = std::move(plateKey);
        ++cache.plateDrawings;
    }
    return true;
}

}  // namespace

void DrawClockFace(SkinSet& set, const std::wstring& text, const SYSTEMTIME& time) {
    if (!set.clock) return;
    if (!UpdateCache(set, text) || !CopyArgbPixels(*set.cache.plate, *set.clock)) {
        set.cache.Clear();
        DrawWholeClockFace(set, text, time);
        return;
    }
    {
        Graphics g(set.clock.get());
        Prepare(g);
        DrawMoving(g, set, &set.cache, time);
    }
    LayGlass(set, &set.cache);
}

void DrawWholeClockFace(SkinSet& set, const std::wstring& text, const SYSTEMTIME& time) {
    if (!set.clock) return;
    {
        Graphics g(set.clock.get());
        Prepare(g);
        DrawBase(g, set);
        DrawTextLine(g, set, text);
        DrawMoving(g, set, nullptr, time);
    }
    LayGlass(set, nullptr);
}

}  // namespace face
