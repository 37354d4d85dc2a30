// Window-level pieces of the clock display: the window shape cut from a
// bitmap, the per-pixel-alpha layered window, the desktop's icon window and the
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
// Premultiplied 32-bit pixels, as a layered window receives them.
std::vector<std::uint32_t> PremultipliedPixels(Gdiplus::Bitmap& bitmap);

// A width x height bitmap cleared transparent with the background picture and
// the clock bitmap drawn over it, each stretched to the whole size; none when
// there is neither.
std::unique_ptr<Gdiplus::Bitmap> ComposeLayered(int width, int height, Gdiplus::Bitmap* background,
                                                Gdiplus::Bitmap* clock);

// Gives a layered window (WS_EX_LAYERED is set here) the bitmap's pixels with
// their own alpha, times constantAlpha / 255, at position.
bool PushLayeredWindow(HWND hwnd, Gdiplus::Bitmap& bitmap, POINT position, BYTE constantAlpha);

// The desktop's icon window: the first child of the first child of the window
// of class "Progman"; null when there is none (then nothing is drawn there).
HWND FindDesktopIconWindow();

// A copy of the screen's rectangle.
std::unique_ptr<Gdiplus::Bitmap> CaptureScreenRect(const RECT& rect);

// Image attributes that multiply alpha by alpha255 / 255.
void SetAlphaFactor(Gdiplus::ImageAttributes& attributes, int alpha255);

}  // namespace face
