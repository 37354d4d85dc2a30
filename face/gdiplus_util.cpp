#include "face/gdiplus_util.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string_view>
#include <vector>

#include "base/picture_header.h"
#include "ui/handles.h"

namespace face {

namespace {

using namespace Gdiplus;

// An independent 32-bit ARGB copy, so that no stream or file stays tied to it.
std::unique_ptr<Bitmap> CopyToArgb(Bitmap& source) {
    const UINT w = source.GetWidth(), h = source.GetHeight();
    if (source.GetLastStatus() != Ok || w == 0 || h == 0) return nullptr;
    auto copy = std::make_unique<Bitmap>(INT(w), INT(h), PixelFormat32bppARGB);
    if (copy->GetLastStatus() != Ok) return nullptr;
    Rect rect(0, 0, INT(w), INT(h));
    BitmapData in{}, out{};
    if (source.LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &in) != Ok) return nullptr;
    if (copy->LockBits(&rect, ImageLockModeWrite, PixelFormat32bppARGB, &out) != Ok) {
        source.UnlockBits(&in);
        return nullptr;
    }
    for (UINT y = 0; y < h; ++y)
        std::memcpy(static_cast<BYTE*>(out.Scan0) + INT_PTR(y) * out.Stride,
                    static_cast<const BYTE*>(in.Scan0) + INT_PTR(y) * in.Stride, size_t(w) * 4);
    copy->UnlockBits(&out);
    source.UnlockBits(&in);
    return copy;
}

// Movable global memory -> stream (frees the memory) -> bitmap -> copy. The
// bitmap is measured once decoded too, before the copy.
std::unique_ptr<Bitmap> BitmapFromGlobal(HGLOBAL memory) {
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    std::unique_ptr<Bitmap> copy;
    {
        std::unique_ptr<Bitmap> read(Bitmap::FromStream(stream));
        if (read && read->GetLastStatus() == Ok &&
            base::PictureSizeUsable({read->GetWidth(), read->GetHeight()}))
            copy = CopyToArgb(*read);
    }
    stream->Release();
    return copy;
}

// Only bytes whose header tells a size the program takes are decoded.
bool Usable(HGLOBAL memory, size_t size) {
    const void* bytes = GlobalLock(memory);
    if (!bytes) return false;
    const bool usable = base::PictureBytesUsable(std::string_view(static_cast<const char*>(bytes), size));
    GlobalUnlock(memory);
    return usable;
}

std::unique_ptr<Bitmap> BitmapFromBytes(const void* bytes, size_t size) {
    if (!bytes || size == 0) return nullptr;
    if (!base::PictureBytesUsable(std::string_view(static_cast<const char*>(bytes), size))) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    return BitmapFromGlobal(memory);
}

// The file read straight into the memory the stream is made on: a picture is
// held once as bytes while it is decoded. A file too large to be a picture
// the program takes is not read.
std::unique_ptr<Bitmap> BitmapFromFile(const std::wstring& path) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return nullptr;
    const ui::KernelHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 ||
        !base::PictureFileSizeUsable(std::uint64_t(size.QuadPart)))
        return nullptr;
    const auto bytes = static_cast<DWORD>(size.QuadPart);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    DWORD read = 0;
    const bool whole = target && ReadFile(file.Get(), target, bytes, &read, nullptr) && read == bytes;
    if (target) GlobalUnlock(memory);
    if (!whole || !Usable(memory, bytes)) {
        GlobalFree(memory);
        return nullptr;
    }
    return BitmapFromGlobal(memory);
}

}  // namespace

std::unique_ptr<Bitmap> LoadBitmapFromResource(HINSTANCE instance, const wchar_t* name, const wchar_t* type) {
    HRSRC info = FindResourceW(instance, name, type);
    if (!info) return nullptr;
    HGLOBAL loaded = LoadResource(instance, info);
    if (!loaded) return nullptr;
    const void* bytes = LockResource(loaded);
    return BitmapFromBytes(bytes, SizeofResource(instance, info));
}

ImagePtr LoadImageFile(const std::wstring& path) {
    try {
        return ImagePtr(BitmapFromFile(path));
    } catch (const std::exception&) {
        return nullptr;
    }
}

ImagePtr LoadSkinImage(const ImageRef& ref, HINSTANCE instance) {
    switch (ref.kind) {
        case ImageRef::Kind::File:
            return LoadImageFile(ref.name);
        case ImageRef::Kind::Resource:
            return ImagePtr(LoadBitmapFromResource(instance, ref.name.c_str(), ref.type.c_str()));
        default:
            return nullptr;
    }
}

ImageSize SizeOf(Image* image) {
    if (!image) return {};
    return {INT(image->GetWidth()), INT(image->GetHeight())};
}

Color BottomLeftColor(Bitmap& bitmap) {
    Color c;
    const UINT h = bitmap.GetHeight();
    if (h > 0) bitmap.GetPixel(0, INT(h) - 1, &c);
    return c;
}

std::unique_ptr<Bitmap> NewArgbBitmap(int width, int height) {
    auto bitmap =
        std::make_unique<Bitmap>(width > 0 ? width : 1, height > 0 ? height : 1, PixelFormat32bppARGB);
    if (bitmap->GetLastStatus() != Ok) return nullptr;
    Graphics g(bitmap.get());
    g.Clear(Color(0, 0, 0, 0));
    return bitmap;
}

namespace {

std::unique_ptr<Font> TryFont(const FontFamily* family, REAL size, INT style) {
    if (!family || family->GetLastStatus() != Ok || !family->IsAvailable()) return nullptr;
    for (INT s : {style, INT(FontStyleRegular), INT(FontStyleBold), INT(FontStyleItalic)}) {
        if (!family->IsStyleAvailable(s) && s != style) continue;
        auto font = std::make_unique<Font>(family, size, s, UnitPoint);
        if (font->GetLastStatus() == Ok && font->IsAvailable()) return font;
    }
    return nullptr;
}

}  // namespace

bool FontFamilyExists(const std::wstring& family) {
    FontFamily f(family.c_str());
    return f.GetLastStatus() == Ok && f.IsAvailable();
}

std::unique_ptr<Font> MakeFont(const std::wstring& familyName, double sizePoints, int style) {
    const REAL size = sizePoints > 0 ? REAL(sizePoints) : REAL(1);
    const INT gdiStyle = style & (FontStyleBold | FontStyleItalic | FontStyleUnderline | FontStyleStrikeout);
    for (const wchar_t* name :
         {familyName.c_str(), L"Arial", L"Liberation Sans", L"Tahoma", L"DejaVu Sans"}) {
        FontFamily family(name);
        if (auto font = TryFont(&family, size, gdiStyle)) return font;
    }
    if (auto font = TryFont(FontFamily::GenericSansSerif(), size, gdiStyle)) return font;
    InstalledFontCollection installed;
    const INT count = installed.GetFamilyCount();
    if (count > 0) {
        std::vector<FontFamily> families(static_cast<size_t>(count));
        INT found = 0;
        installed.GetFamilies(count, families.data(), &found);
        for (INT i = 0; i < found; ++i)
            if (auto font = TryFont(&families[size_t(i)], size, gdiStyle)) return font;
    }
    // No usable family at all: GDI's default GUI font through a device context.
    HDC dc = GetDC(nullptr);
    auto font = std::make_unique<Font>(dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    ReleaseDC(nullptr, dc);
    return font;
}

}  // namespace face

namespace face {

int GetEncoderClsidByMime(const wchar_t* mime, CLSID& clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || count == 0 || bytes == 0) return -1;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, mime) == 0) {
            clsid = codecs[i].Clsid;
            return int(i);
        }
    }
    return -1;
}

}  // namespace face
