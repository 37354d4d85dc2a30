// The colour list of the colour pages: 51 colour numbers (the custom entry,
// the 16 standard colours, 4 extended ones and 30 system colours).
#pragma once

#include <array>

namespace options {

constexpr int kColorItemCount = 51;
const std::array<int, kColorItemCount>& ColorItemTable();
// The index of the first entry equal to the colour, or 0 when none is.
int ColorItemIndex(int color);

}  // namespace options
