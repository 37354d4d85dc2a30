#include "face/window_background.h"

#include <algorithm>
#include <cstring>

#include "face/window_shape.h"

namespace face {

using namespace Gdiplus;

std::vector<std::uint32_t> ArgbPixels(Bitmap& bitmap) {
    const UINT w = bitmap.GetWidth(), h = bitmap.GetHeight();
    std::vector<std::uint32_t> pixels(size_t(w) * h);
    if (pixels.empty()) return pixels;
    Rect rect(0, 0, INT(w), INT(h));
    BitmapData data{};
    if (bitmap.LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return {};
    for (UINT y = 0; y < h; ++y)
        std::memcpy(&pixels[size_t(y) * w], static_cast<const BYTE*>(data.Scan0) + INT_PTR(y) * data.Stride,
                    size_t(w) * 4);
    bitmap.UnlockBits(&data);
    return pixels;
}

std::vector<std::uint32_t> PremultipliedPixels(Bitmap& bitmap) {
    std::vector<std::uint32_t> pixels = ArgbPixels(bitmap);
    for (auto& p : pixels) {
        const std::uint32_t a = p >> 24;
        if (a == 255) continue;
        auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        p = (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
    }
    return pixels;
}

ui::RegionHandle RegionFromBitmap(Bitmap* bitmap, int width, int height, int tolerance, int outline) {
    if (!bitmap) return ui::RegionHandle(CreateRectRgn(0, 0, width, height));
    const int w = int(bitmap->GetWidth()), h = int(bitmap->GetHeight());
    std::vector<std::uint32_t> pixels = ArgbPixels(*bitmap);
    ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (pixels.empty()) return region;
    std::vector<ShapeRect> rects = ShapeFromPixels(pixels.data(), w, h, tolerance, outline);
    // One region per row (its runs are sorted and apart), joined to the whole.
    size_t i = 0;
    std::vector<BYTE> buffer;
    while (i < rects.size()) {
        size_t j = i;
        while (j < rects.size() && rects[j].top == rects[i].top) ++j;
        const size_t n = j - i;
        buffer.assign(sizeof(RGNDATAHEADER) + n * sizeof(RECT), 0);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = DWORD(n);
        data->rdh.nRgnSize = DWORD(n * sizeof(RECT));
        RECT bounds{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        auto* out = reinterpret_cast<RECT*>(data->Buffer);
        for (size_t k = 0; k < n; ++k) {
            const ShapeRect& r = rects[i + k];
            out[k] = RECT{r.left, r.top, r.right, r.bottom};
            bounds.left = std::min(bounds.left, LONG(r.left));
            bounds.right = std::max(bounds.right, LONG(r.right));
        }
        data->rdh.rcBound = bounds;
        ui::RegionHandle row(ExtCreateRegion(nullptr, DWORD(buffer.size()), data));
        if (row) CombineRgn(region.Get(), region.Get(), row.Get(), RGN_OR);
        i = j;
    }
    return region;
}

std::unique_ptr<Bitmap> ComposeLayered(int width, int height, Bitmap* background, Bitmap* clock) {
    if ((!background && !clock) || width <= 0 || height <= 0) return nullptr;
    auto composed = std::make_unique<Bitmap>(width, height, PixelFormat32bppARGB);
    if (composed->GetLastStatus() != Ok) return nullptr;
    Graphics g(composed.get());
    g.Clear(Color(0, 0, 0, 0));
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    for (Bitmap* b : {background, clock})
        if (b)
            g.DrawImage(b, RectF(0, 0, REAL(width), REAL(height)), 0, 0, REAL(b->GetWidth()),
                        REAL(b->GetHeight()), UnitPixel);
    return composed;
}

bool PushLayeredWindow(HWND hwnd, Bitmap& bitmap, POINT position, BYTE constantAlpha) {
    const int w = int(bitmap.GetWidth()), h = int(bitmap.GetHeight());
    if (!hwnd || w <= 0 || h <= 0) return false;
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ui::WindowDc screen(nullptr);
    ui::BitmapHandle dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return false;
    std::vector<std::uint32_t> pixels = PremultipliedPixels(bitmap);
    if (pixels.size() != size_t(w) * size_t(h)) return false;
    std::memcpy(bits, pixels.data(), pixels.size() * 4);
    ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    ui::SelectGuard select(memory.Get(), dib.Get());
    SIZE size{w, h};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
    return UpdateLayeredWindow(hwnd, screen.Get(), &position, &size, memory.Get(), &source, 0, &blend,
                               ULW_ALPHA);
}

HWND FindDesktopIconWindow() {
    HWND progman = FindWindowW(L"Progman", nullptr);
    if (!progman) return nullptr;
    HWND first = GetWindow(progman, GW_CHILD);
    if (!first) return nullptr;
    return GetWindow(first, GW_CHILD);
}

std::unique_ptr<Bitmap> CaptureScreenRect(const RECT& rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return nullptr;
    ui::WindowDc screen(nullptr);
    ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    ui::BitmapHandle copy(CreateCompatibleBitmap(screen.Get(), w, h));
    if (!memory || !copy) return nullptr;
    {
        ui::SelectGuard select(memory.Get(), copy.Get());
        BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), rect.left, rect.top, SRCCOPY);
    }
    Bitmap from(copy.Get(), nullptr);
    if (from.GetLastStatus() != Ok) return nullptr;
    auto result = std::make_unique<Bitmap>(w, h, PixelFormat24bppRGB);
    Graphics g(result.get());
    g.DrawImage(&from, 0, 0, w, h);
    return result;
}

void SetAlphaFactor(ImageAttributes& attributes, int alpha255) {
    ColorMatrix matrix = {{{1, 0, 0, 0, 0},
                           {0, 1, 0, 0, 0},
                           {0, 0, 1, 0, 0},
                           {0, 0, 0, REAL(alpha255) / 255, 0},
                           {0, 0, 0, 0, 1}}};
    attributes.SetColorMatrix(&matrix, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
}

}  // namespace face
