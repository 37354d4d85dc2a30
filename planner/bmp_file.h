// A 24-bit Windows bitmap file from RGB pixel rows.
#pragma once

#include <cstddef>
#include <utility>
#include <string>
#include <string_view>

namespace planner {

// The bytes of a 24-bit bitmap file of width x height pixels, filled one RGB
// row at a time, so that a picture is held once, as the file it becomes
// (rows stored bottom-up as blue, green, red, each padded to four bytes).
class Bmp24File {
  public:
    // Throws std::invalid_argument for a size of no pixels or too large for
    // the file's 32-bit fields.
    Bmp24File(int width, int height);
    // Row y (0 = top) from width pixels of three bytes (red, green, blue).
    void SetRow(int y, std::string_view rgb);
    // The whole file; the object is empty afterwards.
    std::string Take() { return std::move(bytes_); }

  private:
    int width_;
    int height_;
    std::size_t stride_;
    std::string bytes_;
};

// `rgb` holds height rows of width pixels, top row first, three bytes (red,
// green, blue) per pixel. Returns the whole .bmp file.
std::string MakeBmp24(int width, int height, std::string_view rgb);

}  // namespace planner
