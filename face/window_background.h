// Window-level pieces of the clock display: the window shape cut from a
// bitmap, the per-pixel-alpha layered window's pixels, the desktop's icon window and the
// screen under a window.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/handles.h"

namespace face {

// The shape of the bitmap's pixels that differ from its bottom-left pixel by
// more than tolerance, widened by outline (the last column never belongs to
// it); the whole width x height rectangle without a bitmap.
ui::RegionHandle RegionFromBitmap(Gdiplus::Bitmap* bitmap, int width, int height, int tolerance, int outline);

// 32-bit ARGB pixels (0xAARRGGBB, rows from the top).
std::vector<std::uint32_t> ArgbPixels(Gdiplus::Bitmap& bitmap);
// One pixel premultiplied, as a layered window receives it.
inline std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 255) return argb;
    auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (mul((argb >> 16) & 0xFF) << 16) | (mul((argb >> 8) & 0xFF) << 8) | mul(argb & 0xFF);
}
// Premultiplied 32-bit pixels.
std::vector<std::uint32_t> PremultipliedPixels(Gdiplus::Bitmap& bitmap);

// The desktop's icon window: the first child of the first child of the window
// of class "Progman"; null when there is none (then nothing is drawn there).
HWND FindDesktopIconWindow();

// A copy of the screen's rectangle.
std::unique_ptr<Gdiplus::Bitmap> CaptureScreenRect(const RECT& rect);

// Image attributes that multiply alpha by alpha255 / 255.
void SetAlphaFactor(Gdiplus::ImageAttributes& attributes, int alpha255);

}  // namespace face
