// The font combo box's rules that need no window: which enumerated families
// the list takes, the word kept with each name, its glyph, the item height.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fontlist {

// The filters of the list (a set of bits).
enum TFontListOption : unsigned {
    foAnsiOnly = 1,
    foTrueTypeOnly = 2,
    foFixedPitchOnly = 4,
    foNoOEMFonts = 8,
    foOEMFontsOnly = 16,
    foScalableOnly = 32,
    foNoSymbolFonts = 64,
};
using TFontListOptions = unsigned;

// Font-type bits as the system reports them, and the mark of a family whose
// name may be drawn in its own font (any character set but the symbol set).
constexpr int kRasterFontType = 1, kDeviceFontType = 2, kTrueTypeFontType = 4, kNotSymbolFont = 256;
constexpr int kAnsiCharset = 0, kSymbolCharset = 2, kOemCharset = 255;
constexpr int kFixedPitch = 1;

// One enumerated family.
struct FontFamily {
    std::wstring name;
    int fontType = 0;  // kRasterFontType | kDeviceFontType | kTrueTypeFontType
    int charset = 0;
    int pitch = 0;  // the low two bits of the pitch-and-family byte
};

// One item of the list: the name and its font-type word.
struct FontItem {
    std::wstring name;
    int fontType = 0;
    bool operator==(const FontItem&) const = default;
};

bool PassesOptions(const FontFamily& family, TFontListOptions options);
int FontTypeWord(const FontFamily& family);

// The list from the enumerated families: each name once (the first of names
// that compare equal), filtered, sorted; compare orders two names (< 0, 0, > 0).
std::vector<FontItem> BuildFontList(
    const std::vector<FontFamily>& families, TFontListOptions options,
    const std::function<int(const std::wstring&, const std::wstring&)>& compare);

enum class Glyph { None, TrueType, Device };
Glyph GlyphFor(int fontTypeWord);

// The owner-drawn box's least item height for a font of that character height.
int MinItemHeight(int charHeight);

}  // namespace fontlist
