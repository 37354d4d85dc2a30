// Small picture files whose headers claim a size far beyond their data, as a
// damaged or hostile file may.
#pragma once

#include <string>

namespace testing_support {

// A real 16 x 16 JPEG whose frame header claims width x height.
std::string JpegClaiming(unsigned width, unsigned height);
// A PNG with a correct IHDR of width x height and one short stored data chunk.
std::string PngClaiming(unsigned width, unsigned height);
// A 24-bit BMP of width x height (a negative height: top-down) with a few pixels of data.
std::string BmpClaiming(int width, int height);
// A GIF of a 10 x 10 screen whose one frame is width x height.
std::string GifClaiming(unsigned width, unsigned height);

}  // namespace testing_support
