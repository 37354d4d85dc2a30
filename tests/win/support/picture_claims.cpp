#include "win/support/picture_claims.h"

#include <cstdint>

#include "win/support/jpeg_maker.h"

namespace testing_support {

namespace {

std::string Be32(std::uint32_t v) {
    return {char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)};
}
std::string Le16(std::uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}
std::string Le32(std::uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data) {
    return Be32(std::uint32_t(data.size())) + type + data + Be32(Crc32(type + data));
}

}  // namespace

std::string JpegClaiming(unsigned width, unsigned height) {
    std::string jpeg = MakeJpeg(16, 16);
    const std::size_t frame = jpeg.find("\xFF\xC0");
    if (frame == std::string::npos) return jpeg;
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

std::string PngClaiming(unsigned width, unsigned height) {
    const std::string header = Be32(width) + Be32(height) + std::string("\x08\x02\x00\x00\x00", 5);
    // zlib: one stored block of a filter byte and one pixel, then its Adler-32.
    const std::string raw("\x00\x10\x20\x30", 4);
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    const std::string zlib =
        std::string("\x78\x01\x01", 3) + Le16(4) + Le16(0xFFFF ^ 4) + raw + Be32((b << 16) | a);
    return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", header) + PngChunk("IDAT", zlib) + PngChunk("IEND", "");
}

std::string BmpClaiming(int width, int height) {
    const std::string pixels(48, '\x7F');
    return "BM" + Le32(54 + std::uint32_t(pixels.size())) + Le32(0) + Le32(54) + Le32(40) +
           Le32(std::uint32_t(width)) + Le32(std::uint32_t(height)) + Le16(1) + Le16(24) + Le32(0) +
           Le32(std::uint32_t(pixels.size())) + Le32(2835) + Le32(2835) + Le32(0) + Le32(0) + pixels;
}

std::string GifClaiming(unsigned width, unsigned height) {
    return "GIF89a" + Le16(10) + Le16(10) + std::string("\x80\x00\x00", 3) +
           std::string("\x00\x00\x00\xFF\xFF\xFF", 6) + "," + Le16(0) + Le16(0) + Le16(width) + Le16(height) +
           std::string("\x00\x02\x02\x4C\x01\x00", 6) + ";";
}

}  // namespace testing_support
