#include "planner/bmp_file.h"

#include <cstdint>
#include <stdexcept>

namespace planner {

namespace {

void Put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MakeBmp24(int width, int height, std::string_view rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3)
        throw std::invalid_argument("bitmap size does not match its pixels");
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    constexpr uint32_t kHeaders = 14 + 40;

    std::string out;
    out.reserve(kHeaders + imageSize);
    out += "BM";
    Put32(out, kHeaders + imageSize);
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 pixels per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        const std::string_view row =
            rgb.substr(static_cast<size_t>(y) * width * 3, static_cast<size_t>(width) * 3);
        for (int x = 0; x < width; ++x) {
            out += row[x * 3 + 2];
            out += row[x * 3 + 1];
            out += row[x * 3];
        }
        out.append(stride - static_cast<uint32_t>(width) * 3, '\0');
    }
    return out;
}

}  // namespace planner
