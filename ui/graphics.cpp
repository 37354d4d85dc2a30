#include "ui/graphics.h"

#include <map>
#include <tuple>

#include "ui/handles.h"

namespace ui {

COLORREF ColorToRGB(TColor color) {
    unsigned c = static_cast<unsigned>(color);
    if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFF));
    return c & 0xFFFFFF;
}

HBRUSH CachedBrush(TColor color) {
    static std::map<COLORREF, BrushHandle> brushes;
    COLORREF rgb = ColorToRGB(color);
    auto& b = brushes[rgb];
    if (!b) b.Reset(CreateSolidBrush(rgb));
    return b.Get();
}

static int ScreenDpi() {
    WindowDc dc(nullptr);
    return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

int Font::Size() const {
    return -MulDiv(height, 72, ScreenDpi());
}
void Font::SetSize(int points) {
    height = -MulDiv(points, ScreenDpi(), 72);
}

HFONT CachedFont(const Font& font) {
    using Key = std::tuple<std::wstring, int, unsigned, BYTE>;
    static std::map<Key, FontHandle> fonts;
    auto& f = fonts[Key{font.name, font.height, font.style, font.charset}];
    if (!f) {
        LOGFONTW lf{};
        lf.lfHeight = font.height;
        lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (font.style & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (font.style & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (font.style & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = font.charset;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
        f.Reset(CreateFontIndirectW(&lf));
    }
    return f.Get();
}

int TextLineWidth(const Font& font, const std::wstring& text) {
    WindowDc dc(nullptr);
    SelectGuard select(dc.Get(), CachedFont(font));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

HBITMAP NewTopDownDib(int width, int height, void** bits) {
    *bits = nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    HBITMAP dib = CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, bits, nullptr, 0);
    if (!dib) *bits = nullptr;
    return dib;
}

}  // namespace ui
