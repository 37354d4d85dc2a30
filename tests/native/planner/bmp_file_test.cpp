#include "planner/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

using planner::MakeBmp24;

namespace {

uint32_t U32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
    return v;
}

}  // namespace

TEST(Bmp24, HeadersAndBottomUpPaddedBgrRows) {
    // Two by two: top row red, green; bottom row blue, white.
    const std::string rgb("\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff", 12);
    const std::string bmp = MakeBmp24(2, 2, rgb);
    ASSERT_EQ(bmp.size(), 54u + 16u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), 70u);
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 18), 2u);
    EXPECT_EQ(U32(bmp, 22), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);
    // First stored row is the bottom one: blue, white (as BGR), two padding bytes.
    EXPECT_EQ(bmp.substr(54, 8), std::string("\xff\x00\x00\xff\xff\xff\x00\x00", 8));
    EXPECT_EQ(bmp.substr(62, 8), std::string("\x00\x00\xff\x00\xff\x00\x00\x00", 8));
    EXPECT_THROW(MakeBmp24(3, 1, rgb), std::invalid_argument);
}
