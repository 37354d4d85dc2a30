// A 24-bit Windows bitmap file from RGB pixel rows.
#pragma once

#include <string>
#include <string_view>

namespace planner {

// `rgb` holds height rows of width pixels, top row first, three bytes (red,
// green, blue) per pixel. Returns the whole .bmp file (rows bottom-up, each
// padded to four bytes).
std::string MakeBmp24(int width, int height, std::string_view rgb);

}  // namespace planner
