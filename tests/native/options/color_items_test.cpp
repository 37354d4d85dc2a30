// The colour list that the colour items index.
#include <gtest/gtest.h>

#include "options/color_items.h"

using options::ColorItemIndex;

TEST(ColorItems, FirstEqualEntryOrZero) {
    EXPECT_EQ(ColorItemIndex(0), 0);             // black: the custom entry comes first
    EXPECT_EQ(ColorItemIndex(0x000080), 2);      // maroon
    EXPECT_EQ(ColorItemIndex(0xFFFFFF), 16);     // white
    EXPECT_EQ(ColorItemIndex(0xF0CAA6), 18);     // sky blue
    EXPECT_EQ(ColorItemIndex(-2147483633), 25);  // clBtnFace, system colour 15
    EXPECT_EQ(ColorItemIndex(static_cast<int>(0x80000008u)), 50);
    EXPECT_EQ(ColorItemIndex(0x140A00), 0);  // not listed
    EXPECT_EQ(options::ColorItemTable().size(), 51u);
}
