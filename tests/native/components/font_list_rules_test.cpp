#include "components/font_list_rules.h"

#include <gtest/gtest.h>

#include <cwctype>

using namespace fontlist;

namespace {

int CompareNoCase(const std::wstring& a, const std::wstring& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wint_t x = std::towlower(a[i]), y = std::towlower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

const FontFamily kTahoma{L"Tahoma", kTrueTypeFontType, kAnsiCharset, 2};
const FontFamily kSymbol{L"Symbol", kTrueTypeFontType, kSymbolCharset, 2};
const FontFamily kCourier{L"Courier", kRasterFontType, kAnsiCharset, kFixedPitch};
const FontFamily kTerminal{L"Terminal", kRasterFontType, kOemCharset, kFixedPitch};
const FontFamily kPrinterFont{L"Draft", kDeviceFontType, kAnsiCharset, 0};

std::vector<std::wstring> Names(const std::vector<FontItem>& items) {
    std::vector<std::wstring> names;
    for (const FontItem& i : items) names.push_back(i.name);
    return names;
}

}  // namespace

TEST(FontList, EachFamilyOnceSortedByName) {
    const FontFamily tahomaCyrillic{L"TAHOMA", kTrueTypeFontType, 204, 2};
    const auto items = BuildFontList({kTahoma, kSymbol, kCourier, tahomaCyrillic, kTerminal, kPrinterFont}, 0,
                                     CompareNoCase);
    EXPECT_EQ(Names(items),
              (std::vector<std::wstring>{L"Courier", L"Draft", L"Symbol", L"Tahoma", L"Terminal"}));
    EXPECT_EQ(items[3].fontType, kTrueTypeFontType | kNotSymbolFont);
    EXPECT_EQ(items[2].fontType, kTrueTypeFontType);  // a symbol font is never drawn in itself
    EXPECT_EQ(items[0].fontType, kRasterFontType | kNotSymbolFont);
}

TEST(FontList, OptionsFilterTheFamilies) {
    const std::vector<FontFamily> all{kTahoma, kSymbol, kCourier, kTerminal, kPrinterFont};
    auto names = [&](TFontListOptions o) { return Names(BuildFontList(all, o, CompareNoCase)); };
    using V = std::vector<std::wstring>;
    EXPECT_EQ(names(foTrueTypeOnly), (V{L"Symbol", L"Tahoma"}));
    EXPECT_EQ(names(foAnsiOnly), (V{L"Courier", L"Draft", L"Tahoma"}));
    EXPECT_EQ(names(foFixedPitchOnly), (V{L"Courier", L"Terminal"}));
    EXPECT_EQ(names(foNoOEMFonts), (V{L"Courier", L"Draft", L"Symbol", L"Tahoma"}));
    EXPECT_EQ(names(foOEMFontsOnly), (V{L"Terminal"}));
    EXPECT_EQ(names(foScalableOnly), (V{L"Draft", L"Symbol", L"Tahoma"}));
    EXPECT_EQ(names(foNoSymbolFonts), (V{L"Courier", L"Draft", L"Tahoma", L"Terminal"}));
    EXPECT_EQ(names(foTrueTypeOnly | foNoSymbolFonts), (V{L"Tahoma"}));
}

TEST(FontList, GlyphsTellTrueTypeFromDeviceFonts) {
    EXPECT_EQ(GlyphFor(kTrueTypeFontType | kNotSymbolFont), Glyph::TrueType);
    EXPECT_EQ(GlyphFor(kDeviceFontType), Glyph::Device);
    EXPECT_EQ(GlyphFor(kRasterFontType | kNotSymbolFont), Glyph::None);
}

TEST(FontList, ItemHeightFollowsTheFontButNotBelowNine) {
    EXPECT_EQ(MinItemHeight(13), 14);
    EXPECT_EQ(MinItemHeight(3), 9);
}
