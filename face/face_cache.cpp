#include "face/face_cache.h"

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
