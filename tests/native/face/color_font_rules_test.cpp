#include "options/color_font_rules.h"

#include <gtest/gtest.h>

using namespace options;

TEST(ColorPages, PickerPixelOfAStretchedPicture) {
    // The control's last pixel maps inside the bitmap.
    const PalettePoint last = PalettePixelAt(199, 99, 128, 64, 200, 100);
    EXPECT_EQ(last.x, 199 * 128 / 200);
    EXPECT_EQ(last.y, 99 * 64 / 100);
    EXPECT_LT(last.x, 128);
    EXPECT_LT(last.y, 64);
    const PalettePoint first = PalettePixelAt(0, 0, 128, 64, 200, 100);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 0);
    // A picture larger than the control.
    EXPECT_EQ(PalettePixelAt(3, 1, 300, 300, 100, 100).x, 9);
    // Outside the control (a press dragged off) stays within the bitmap.
    EXPECT_EQ(PalettePixelAt(500, -5, 128, 64, 200, 100).x, 127);
    EXPECT_EQ(PalettePixelAt(500, -5, 128, 64, 200, 100).y, 0);
}

TEST(ColorPages, PaletteRunsFromWhiteThroughTheHuesToBlack) {
    EXPECT_EQ(PaletteColor(0, 0, 120, 65), 0xFFFFFFu);
    EXPECT_EQ(PaletteColor(0, 32, 120, 65), 0xFF0000u);
    EXPECT_EQ(PaletteColor(40, 32, 120, 65), 0x00FF00u);
    EXPECT_EQ(PaletteColor(80, 32, 120, 65), 0x0000FFu);
    EXPECT_EQ(PaletteColor(60, 64, 120, 65), 0x000000u);
}

TEST(ColorPages, ListedTextColourIsOpaqueCustomTakesTheBar) {
    EXPECT_EQ(TextColorOfChoice(3, 0x123456, 100), 0xFF123456u);
    EXPECT_EQ(TextColorOfChoice(0, 0x123456, 100), 0x64123456u);
    EXPECT_EQ(TextColorOfChoice(0, 0xFF123456u, 255), 0xFF123456u);
}

TEST(ColorPages, StyleBitsAndFillTypeReloads) {
    EXPECT_EQ(TextStyleOf(true, false, true, false), 5);
    EXPECT_EQ(TextStyleOf(false, true, false, true), 10);
    EXPECT_FALSE(FillTypeChangeReloads(0, 3, false));
    EXPECT_TRUE(FillTypeChangeReloads(0, 1, false));
    EXPECT_TRUE(FillTypeChangeReloads(1, 3, false));
    EXPECT_TRUE(FillTypeChangeReloads(3, 2, false));
    EXPECT_TRUE(FillTypeChangeReloads(0, 3, true));
    EXPECT_EQ(RememberedColorEntry(5, 51), 5);
    EXPECT_EQ(RememberedColorEntry(0, 51), -1);
    EXPECT_EQ(RememberedColorEntry(51, 51), -1);
}
