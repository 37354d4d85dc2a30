#include "components/font_list_rules.h"

#include <algorithm>

namespace fontlist {

bool PassesOptions(const FontFamily& f, TFontListOptions options) {
    if ((options & foAnsiOnly) && f.charset != kAnsiCharset) return false;
    if ((options & foTrueTypeOnly) && !(f.fontType & kTrueTypeFontType)) return false;
    if ((options & foFixedPitchOnly) && (f.pitch & 3) != kFixedPitch) return false;
    if ((options & foNoOEMFonts) && f.charset == kOemCharset) return false;
    if ((options & foOEMFontsOnly) && f.charset != kOemCharset) return false;
    if ((options & foNoSymbolFonts) && f.charset == kSymbolCharset) return false;
    if ((options & foScalableOnly) && (f.fontType & kRasterFontType)) return false;
    return true;
}

int FontTypeWord(const FontFamily& f) {
    return (f.fontType & 7) | (f.charset != kSymbolCharset ? kNotSymbolFont : 0);
}

std::vector<FontItem> BuildFontList(
    const std::vector<FontFamily>& families, TFontListOptions options,
    const std::function<int(const std::wstring&, const std::wstring&)>& compare) {
    std::vector<FontItem> items;
    for (const FontFamily& f : families) {
        if (f.name.empty()) continue;
        auto less = [&](const FontItem& item, const std::wstring& name) {
            return compare(item.name, name) < 0;
        };
        auto at = std::lower_bound(items.begin(), items.end(), f.name, less);
        if (at != items.end() && compare(at->name, f.name) == 0) continue;
        if (!PassesOptions(f, options)) continue;
        items.insert(at, FontItem{f.name, FontTypeWord(f)});
    }
    return items;
}

Glyph GlyphFor(int word) {
    if (word & kTrueTypeFontType) return Glyph::TrueType;
    if (word & kDeviceFontType) return Glyph::Device;
    return Glyph::None;
}

int MinItemHeight(int charHeight) {
    return std::max(charHeight + 1, 9);
}

}  // namespace fontlist
