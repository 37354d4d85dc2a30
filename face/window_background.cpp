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
    for (auto& p : pixels) p = Premultiplied(p);
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
