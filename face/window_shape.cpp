#include "face/window_shape.h"

#include <cstdlib>

namespace face {

namespace {

bool Differs(std::uint32_t pixel, std::uint32_t key, int tolerance) {
    for (int shift : {16, 8, 0}) {
        int a = int((pixel >> shift) & 0xFF);
        int b = int((key >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance) return true;
    }
    return false;
}

}  // namespace

std::vector<ShapeRect> ShapeFromPixels(const std::uint32_t* pixels, int width, int height, int tolerance,
                                       int outline) {
    std::vector<ShapeRect> rects;
    if (!pixels || width <= 0 || height <= 0) return rects;
    const std::uint32_t key = pixels[size_t(height - 1) * size_t(width)];
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + size_t(y) * size_t(width);
        int x = 0;
        while (x < width - 1) {
            while (x < width - 1 && !Differs(row[x], key, tolerance)) ++x;
            if (x >= width - 1) break;
            const int x0 = x;
            while (x < width - 1 && Differs(row[x], key, tolerance)) ++x;
            rects.push_back({x0 - outline, y - outline, x + outline, y + outline + 1});
        }
    }
    return rects;
}

}  // namespace face
