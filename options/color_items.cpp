#include "options/color_items.h"

namespace options {

namespace {

constexpr int Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

constexpr int System(int n) {
    return static_cast<int>(0x80000000u + static_cast<unsigned>(n));
}

constexpr std::array<int, kColorItemCount> kTable{
    0,  // the custom entry
    // black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime,
    // yellow, blue, fuchsia, aqua, white
    Rgb(0, 0, 0), Rgb(128, 0, 0), Rgb(0, 128, 0), Rgb(128, 128, 0), Rgb(0, 0, 128), Rgb(128, 0, 128),
    Rgb(0, 128, 128), Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(255, 0, 0), Rgb(0, 255, 0),
    Rgb(255, 255, 0), Rgb(0, 0, 255), Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255),
    // money green, sky blue, cream, medium grey
    Rgb(192, 220, 192), Rgb(166, 202, 240), Rgb(255, 251, 240), Rgb(160, 160, 164),
    // system colours
    System(10), System(2), System(12), System(1), System(15), System(20), System(16), System(18), System(9),
    System(27), System(28), System(17), System(13), System(14), System(26), System(11), System(3), System(19),
    System(24), System(23), System(4), System(30), System(29), System(7), System(0), System(21), System(22),
    System(5), System(6), System(8)};

}  // namespace

const std::array<int, kColorItemCount>& ColorItemTable() {
    return kTable;
}

int ColorItemIndex(int color) {
    for (int i = 0; i < kColorItemCount; ++i)
        if (kTable[i] == color) return i;
    return 0;
}

}  // namespace options
