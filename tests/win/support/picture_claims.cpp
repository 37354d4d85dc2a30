#include "win/support/picture_claims.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

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

// Writes bits the way deflate packs them: from the lowest bit of each byte.
class BitWriter {
  public:
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1u);
    }
    // A Huffman code goes out from its highest bit.
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1u);
    }
    std::string Take() { return std::move(bytes_); }

  private:
    void Bit(std::uint32_t bit) {
        if (used_ == 0) bytes_.push_back(0);
        bytes_.back() = char(static_cast<unsigned char>(bytes_.back()) | (bit << used_));
        used_ = (used_ + 1) & 7;
    }
    std::string bytes_;
    int used_ = 0;
};

// A zlib stream of `count` zero bytes: one block of the fixed codes, a literal
// zero, then copies of 258 bytes from one byte back.
std::string ZlibZeros(std::uint64_t count) {
    BitWriter w;
    w.Bits(1, 1);  // the last block
    w.Bits(1, 2);  // fixed codes
    std::uint64_t left = count;
    if (left > 0) {
        w.Code(0x30, 8);  // literal 0
        --left;
    }
    for (; left >= 258; left -= 258) {
        w.Code(0xC5, 8);  // length 258
        w.Code(0, 5);     // distance 1
    }
    for (; left > 0; --left) w.Code(0x30, 8);
    w.Code(0, 7);  // end of block
    const std::uint32_t adler = std::uint32_t(count % 65521) << 16 | 1u;
    return std::string("\x78\x01", 2) + w.Take() + Be32(adler);
}

// GIF's LZW of 8-bit pixels, code for code as the common encoders write it:
// a clear code first and whenever the table is full, the code width growing
// once the next free code passes it.
class GifLzw {
  public:
    std::string Encode(const std::string& pixels) {
        out_.clear();
        out_.reserve(pixels.size() / 2);
        Reset();
        Output(kClear);
        std::uint32_t current = static_cast<unsigned char>(pixels[0]);
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const std::uint32_t pixel = static_cast<unsigned char>(pixels[i]);
            const std::uint16_t known = next_[current * 256 + pixel];
            if (known) {
                current = known;
                continue;
            }
            Output(current);
            if (free_ >= 4095) {
                Output(kClear);
                Reset();
            } else {
                next_[current * 256 + pixel] = std::uint16_t(free_++);
                filled_.push_back(current * 256 + pixel);
            }
            current = pixel;
        }
        Output(current);
        Output(kEnd);
        if (used_ > 0) out_ += char(bits_ & 0xFF);
        bits_ = 0;
        used_ = 0;
        return std::move(out_);
    }

  private:
    static constexpr std::uint32_t kClear = 256, kEnd = 257;
    void Reset() {
        next_.resize(4096 * 256);
        for (std::uint32_t at : filled_) next_[at] = 0;
        filled_.clear();
        free_ = kEnd + 1;
        width_ = 9;
    }
    // From the lowest bit of each byte on, as deflate packs them too.
    void Output(std::uint32_t code) {
        bits_ |= std::uint64_t(code) << used_;
        for (used_ += width_; used_ >= 8; used_ -= 8, bits_ >>= 8) out_ += char(bits_ & 0xFF);
        if (free_ >= (1u << width_) && width_ < 12) ++width_;
    }
    std::vector<std::uint16_t> next_;  // the code of a known code and one more pixel; 0: none yet
    std::vector<std::uint32_t> filled_;
    std::uint32_t free_ = 0;
    int width_ = 9;
    std::string out_;
    std::uint64_t bits_ = 0;
    int used_ = 0;
};

// Data cut into sub-blocks of at most 255 bytes, then the empty one.
std::string SubBlocks(const std::string& data) {
    std::string blocks;
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t size = std::min<std::size_t>(255, data.size() - at);
        blocks += char(size);
        blocks.append(data, at, size);
    }
    return blocks + std::string(1, '\0');
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

std::string TiffClaiming(unsigned width, unsigned height) {
    const std::string data(64, '\0');
    const std::uint32_t dataAt = 8, offsetsAt = dataAt + std::uint32_t(data.size());
    const std::uint32_t countsAt = offsetsAt + 4 * height, directoryAt = countsAt + 4 * height;
    std::string offsets, counts;
    for (unsigned row = 0; row < height; ++row) {
        offsets += Le32(dataAt);
        counts += Le32(std::uint32_t(data.size()));
    }
    struct Entry {
        std::uint16_t tag, type;
        std::uint32_t count, value;
    };
    const Entry entries[] = {
        {256, 4, 1, width},           // width
        {257, 4, 1, height},          // height
        {258, 3, 1, 8},               // bits per sample
        {259, 3, 1, 1},               // no compression
        {262, 3, 1, 1},               // black is zero
        {273, 4, height, offsetsAt},  // strip offsets
        {277, 3, 1, 1},               // samples per pixel
        {278, 4, 1, 1},               // rows per strip
        {279, 4, height, countsAt},   // strip byte counts
    };
    std::string directory = Le16(sizeof entries / sizeof entries[0]);
    for (const Entry& e : entries) directory += Le16(e.tag) + Le16(e.type) + Le32(e.count) + Le32(e.value);
    directory += Le32(0);  // no next image
    return "II*" + std::string(1, '\0') + Le32(directoryAt) + data + offsets + counts + directory;
}

std::string PngOfSize(unsigned width, unsigned height) {
    // Each row: the filter byte 0, then four zero bytes a pixel.
    const std::uint64_t raw = std::uint64_t(height) * (1 + 4 * std::uint64_t(width));
    const std::string header = Be32(width) + Be32(height) + std::string("\x08\x06\x00\x00\x00", 5);
    return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", header) + PngChunk("IDAT", ZlibZeros(raw)) +
           PngChunk("IEND", "");
}

std::string BmpOfSize(int width, int height) {
    const std::uint32_t size = std::uint32_t(width) * std::uint32_t(height < 0 ? -height : height) * 4;
    std::string bmp = "BM" + Le32(54 + size) + Le32(0) + Le32(54) + Le32(40) + Le32(std::uint32_t(width)) +
                      Le32(std::uint32_t(height)) + Le16(1) + Le16(32) + Le32(0) + Le32(size) + Le32(2835) +
                      Le32(2835) + Le32(0) + Le32(0);
    bmp.append(size, '\x80');
    return bmp;
}

std::string AnimatedGif(unsigned screenWidth, unsigned screenHeight, unsigned frameWidth,
                        unsigned frameHeight, unsigned frames, bool noisy) {
    std::string palette;
    for (unsigned i = 0; i < 256; ++i) palette += {char(i), char(255 - i), char((i * 7) & 0xFF)};
    std::string gif = "GIF89a" + Le16(screenWidth) + Le16(screenHeight) + std::string("\xF7\x00\x00", 3) +
                      palette + std::string("!\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    const std::size_t pixels = std::size_t(frameWidth) * frameHeight;
    GifLzw lzw;
    std::map<unsigned, std::string> plain;  // the data of a one-colour frame, by its colour
    std::uint32_t noise = 2463534242u;
    for (unsigned frame = 0; frame < frames; ++frame) {
        std::string data;
        if (noisy) {
            std::string framePixels(pixels, '\0');
            for (char& p : framePixels) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                p = char(noise >> 24);
            }
            data = SubBlocks(lzw.Encode(framePixels));
        } else {
            std::string& one = plain[frame % 8];
            if (one.empty()) one = SubBlocks(lzw.Encode(std::string(pixels, char(32 * (frame % 8)))));
            data = one;
        }
        gif += std::string("!\xF9\x04\x04\x0A\x00\x00\x00", 8) + "," + Le16(0) + Le16(0) + Le16(frameWidth) +
               Le16(frameHeight) + std::string("\x00\x08", 2) + data;
    }
    return gif + ";";
}

}  // namespace testing_support
