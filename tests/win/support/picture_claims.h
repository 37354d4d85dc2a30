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
// A TIFF of 8-bit grey, one row per strip, every strip pointing at the same
// few bytes (46,000 x 46,000 makes a file of about 400 KB).
std::string TiffClaiming(unsigned width, unsigned height);

// Whole pictures of that size, every pixel the same: a PNG (transparent
// black, deflated to a small file) and a 32-bit BMP (mid grey, uncompressed).
std::string PngOfSize(unsigned width, unsigned height);
std::string BmpOfSize(int width, int height);

// An animated GIF of a screen of screenWidth x screenHeight, looping, whose
// `frames` frames of frameWidth x frameHeight stand at its top left, a tenth
// of a second each, in a 256-colour table. Each frame is one colour (its LZW
// data a few hundred bytes), or with `noisy` of pixels that do not repeat, so
// that its LZW data is about as large as its pixels.
std::string AnimatedGif(unsigned screenWidth, unsigned screenHeight, unsigned frameWidth,
                        unsigned frameHeight, unsigned frames, bool noisy = false);

}  // namespace testing_support
