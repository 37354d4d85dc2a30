#include "planner/bmp_file.h"

#include <cstdint>
#include <stdexcept>

namespace planner {

namespace {

constexpr std::size_t kHeaders = 14 + 40;

void Put16(std::string& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

Bmp24File::Bmp24File(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("bitmap without pixels");
    stride_ = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    const std::uint64_t imageSize = std::uint64_t(stride_) * static_cast<std::uint64_t>(height);
    if (kHeaders + imageSize > UINT32_MAX) throw std::invalid_argument("bitmap too large for its file");
    bytes_.assign(kHeaders + static_cast<std::size_t>(imageSize), '\0');
    bytes_[0] = 'B';
    bytes_[1] = 'M';
    Put32(bytes_, 2, static_cast<std::uint32_t>(kHeaders + imageSize));
    Put32(bytes_, 10, kHeaders);
    Put32(bytes_, 14, 40);  // BITMAPINFOHEADER
    Put32(bytes_, 18, static_cast<std::uint32_t>(width));
    Put32(bytes_, 22, static_cast<std::uint32_t>(height));
    Put16(bytes_, 26, 1);
    Put16(bytes_, 28, 24);
    Put32(bytes_, 30, 0);  // BI_RGB
    Put32(bytes_, 34, static_cast<std::uint32_t>(imageSize));
    Put32(bytes_, 38, 2835);  // 72 pixels per inch
    Put32(bytes_, 42, 2835);
}

void Bmp24File::SetRow(int y, std::string_view rgb) {
    if (y < 0 || y >= height_ || rgb.size() != static_cast<std::size_t>(width_) * 3)
        throw std::invalid_argument("bitmap row does not match its size");
    char* out = bytes_.data() + kHeaders + static_cast<std::size_t>(height_ - 1 - y) * stride_;
    for (std::size_t x = 0; x < rgb.size(); x += 3) {
        out[x] = rgb[x + 2];
        out[x + 1] = rgb[x + 1];
        out[x + 2] = rgb[x];
    }
}

std::string MakeBmp24(int width, int height, std::string_view rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3)
        throw std::invalid_argument("bitmap size does not match its pixels");
    Bmp24File file(width, height);
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) file.SetRow(y, rgb.substr(static_cast<std::size_t>(y) * row, row));
    return file.Take();
}

}  // namespace planner
