// Colours as TColor numbers (0x00BBGGRR, or a system colour with the high bit
// set) and fonts described by value.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// A colour number: 0x00BBGGRR, or 0x80000000 + a system colour index.
using TColor = int;
constexpr TColor SystemColor(int index) {
    return static_cast<int>(0x80000000u | static_cast<unsigned>(index));
}
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clLime = 0x00FF00,
                 clBlue = 0xFF0000, clNavy = 0x800000, clSilver = 0xC0C0C0, clGray = 0x808080;
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE), clWindow = SystemColor(COLOR_WINDOW),
                 clWindowText = SystemColor(COLOR_WINDOWTEXT), clBtnText = SystemColor(COLOR_BTNTEXT),
                 clHighlight = SystemColor(COLOR_HIGHLIGHT),
                 clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT),
                 clBtnShadow = SystemColor(COLOR_BTNSHADOW), clInfoBk = SystemColor(COLOR_INFOBK);

COLORREF ColorToRGB(TColor color);
// A solid brush of the colour, kept for the life of the program (a few colours only).
HBRUSH CachedBrush(TColor color);

// Font style bits.
constexpr unsigned fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

struct Font {
    std::wstring name = L"MS Sans Serif";
    int height = -11;  // pixels; negative means the character height, as LOGFONT
    unsigned style = 0;
    TColor color = clWindowText;
    BYTE charset = DEFAULT_CHARSET;

    bool operator==(const Font&) const = default;
    // Points at the screen's resolution (positive height is cell height).
    int Size() const;
    void SetSize(int points);
};

// The GDI font for a description, shared and kept for the life of the program.
HFONT CachedFont(const Font& font);
// The width of one line of text in the font, in pixels.
int TextLineWidth(const Font& font, const std::wstring& text);

// A 32-bit DIB section of width x height with its rows from the top, and its
// pixels in bits; null (and bits null) when it cannot be had. The caller owns it.
HBITMAP NewTopDownDib(int width, int height, void** bits);

}  // namespace ui
