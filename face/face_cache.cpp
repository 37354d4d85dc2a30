#include "face/face_cache.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace face {

using namespace Gdiplus;

std::optional<FontPrint> PrintOf(Font* font) {
    if (!font) return std::nullopt;
    FontPrint print;
    FontFamily family;
    if (font->GetFamily(&family) == Ok) {
        WCHAR name[LF_FACESIZE] = {};
        family.GetFamilyName(name);
        print.family = name;
    }
    print.size = font->GetSize();
    print.style = font->GetStyle();
    print.unit = font->GetUnit();
    return print;
}

Rect ShowingPartOf(Bitmap& image, bool keyed) {
    const INT w = INT(image.GetWidth()), h = INT(image.GetHeight());
    const Rect whole(0, 0, w, h);
    if (w <= 0 || h <= 0) return whole;
    Rect rect = whole;
    BitmapData data{};
    if (image.LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return whole;
    auto pixel = [&](INT x, INT y) {
        return reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                      INT_PTR(y) * data.Stride)[x];
    };
    const std::uint32_t key = pixel(0, h - 1) & 0xFFFFFF;
    INT left = w, top = h, right = -1, bottom = -1;
    for (INT y = 0; y < h; ++y)
        for (INT x = 0; x < w; ++x) {
            const std::uint32_t p = pixel(x, y);
            if ((p >> 24) == 0 || (keyed && (p & 0xFFFFFF) == key)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    image.UnlockBits(&data);
    if (right < 0) return Rect(0, 0, 0, 0);
    constexpr INT kMargin = 2;
    left = std::max(0, left - kMargin);
    top = std::max(0, top - kMargin);
    right = std::min(w - 1, right + kMargin);
    bottom = std::min(h - 1, bottom + kMargin);
    return Rect(left, top, right - left + 1, bottom - top + 1);
}

Rect FaceCache::HandPart(int index, const ImagePtr& image, bool keyed) {
    HandBox& hand = hands[index];
    if (hand.image != image || hand.keyed != keyed) {
        hand.image = image;
        hand.keyed = keyed;
        hand.box = image ? ShowingPartOf(*image, keyed) : Rect();
    }
    return hand.box;
}

void LayOver(Bitmap& bitmap, const std::vector<std::uint32_t>& layer) {
    const UINT w = bitmap.GetWidth(), h = bitmap.GetHeight();
    if (layer.size() != size_t(w) * h || layer.empty()) return;
    Rect rect(0, 0, INT(w), INT(h));
    BitmapData data{};
    if (bitmap.LockBits(&rect, ImageLockModeRead | ImageLockModeWrite, PixelFormat32bppARGB, &data) != Ok)
        return;
    const std::uint32_t* from = layer.data();
    for (UINT y = 0; y < h; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(data.Scan0) + INT_PTR(y) * data.Stride);
        for (UINT x = 0; x < w; ++x, ++from) {
            const std::uint32_t s = *from, sa = s >> 24;
            if (sa == 0) continue;
            if (sa == 255) {
                row[x] = s;
                continue;
            }
            const std::uint32_t d = row[x], da = d >> 24;
            const std::uint32_t under = da * (255 - sa);   // the share of the pixel below, times 255
            const std::uint32_t total = sa * 255 + under;  // alpha of the result, times 255
            auto channel = [&](int shift) {
                const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                return ((sc * sa * 255 + dc * under + total / 2) / total) << shift;
            };
            row[x] = (((total + 127) / 255) << 24) | channel(16) | channel(8) | channel(0);
        }
    }
    bitmap.UnlockBits(&data);
}

bool CopyArgbPixels(Bitmap& from, Bitmap& to) {
    const UINT w = from.GetWidth(), h = from.GetHeight();
    if (w != to.GetWidth() || h != to.GetHeight() || w == 0 || h == 0) return false;
    Rect rect(0, 0, INT(w), INT(h));
    BitmapData source{}, target{};
    if (from.LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &source) != Ok) return false;
    if (to.LockBits(&rect, ImageLockModeWrite, PixelFormat32bppARGB, &target) != Ok) {
        from.UnlockBits(&source);
        return false;
    }
    for (UINT y = 0; y < h; ++y)
        std::memcpy(static_cast<BYTE*>(target.Scan0) + INT_PTR(y) * target.Stride,
                    static_cast<const BYTE*>(source.Scan0) + INT_PTR(y) * source.Stride, size_t(w) * 4);
    to.UnlockBits(&target);
    from.UnlockBits(&source);
    return true;
}

}  // namespace face
