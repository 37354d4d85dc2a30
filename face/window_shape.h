// The window shape cut from a bitmap, as a list of rectangles.
#pragma once

#include <cstdint>
#include <vector>

namespace face {

struct ShapeRect {
    int left, top, right, bottom;  // right and bottom exclusive
    bool operator==(const ShapeRect&) const = default;
};

// pixels: width * height colours 0xAARRGGBB, rows from the top. The key is the
// bottom-left pixel's red, green and blue; a pixel belongs to the shape when one
// of its red, green, blue differs from the key's by more than tolerance. Each run
// of shape pixels in a row, from x0 up to the first pixel outside the shape or
// up to the last column (which never belongs to the shape), gives the rectangle
// (x0 - outline, y - outline) to (x + outline, y + outline + 1).
std::vector<ShapeRect> ShapeFromPixels(const std::uint32_t* pixels, int width, int height, int tolerance,
                                       int outline);

}  // namespace face
