#include "base/picture_header.h"

#include <algorithm>

namespace base {

namespace {

// Reads numbers at a position of the bytes; every read past the end fails.
class Bytes {
  public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    std::size_t size() const { return bytes_.size(); }
    bool Has(std::size_t pos, std::size_t count) const {
        return pos <= bytes_.size() && count <= bytes_.size() - pos;
    }
    std::uint32_t U8(std::size_t pos) const { return static_cast<unsigned char>(bytes_[pos]); }
    std::uint32_t Be16(std::size_t pos) const { return (U8(pos) << 8) | U8(pos + 1); }
    std::uint32_t Le16(std::size_t pos) const { return U8(pos) | (U8(pos + 1) << 8); }
    std::uint32_t Be32(std::size_t pos) const { return (Be16(pos) << 16) | Be16(pos + 2); }
    std::uint32_t Le32(std::size_t pos) const { return Le16(pos) | (Le16(pos + 2) << 16); }
    bool Holds(std::size_t pos, std::string_view text) const {
        return Has(pos, text.size()) && bytes_.substr(pos, text.size()) == text;
    }
    bool StartsWith(std::string_view prefix) const { return Holds(0, prefix); }

  private:
    std::string_view bytes_;
};

bool IsFrameHeader(std::uint32_t marker) {
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The first frame header decides, as for the decoder, which refuses a second one.
std::optional<PictureSize> JpegSize(const Bytes& b) {
    std::size_t pos = 2;
    for (;;) {
        while (pos < b.size() && b.U8(pos) != 0xFF) ++pos;  // bytes before a marker are skipped
        while (pos < b.size() && b.U8(pos) == 0xFF) ++pos;  // fill bytes
        if (pos >= b.size()) return std::nullopt;
        const std::uint32_t marker = b.U8(pos++);
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        // A second start, the end or the scan before any frame header: no size.
        if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA) return std::nullopt;
        if (!b.Has(pos, 2)) return std::nullopt;
        const std::uint32_t length = b.Be16(pos);
        if (length < 2) return std::nullopt;
        if (IsFrameHeader(marker)) {
            // Length, precision, number of lines, samples per line.
            if (!b.Has(pos, 7)) return std::nullopt;
            return PictureSize{b.Be16(pos + 5), b.Be16(pos + 3)};
        }
        pos += length;
    }
}

std::optional<PictureSize> PngSize(const Bytes& b) {
    // Signature, then the IHDR chunk: length, type, width, height.
    if (!b.Has(0, 24) || b.Be32(8) != 13 || !b.Holds(12, "IHDR")) return std::nullopt;
    return PictureSize{b.Be32(16), b.Be32(20)};
}

std::uint32_t Magnitude(std::uint32_t twosComplement) {
    const auto value = static_cast<std::int64_t>(static_cast<std::int32_t>(twosComplement));
    return static_cast<std::uint32_t>(value < 0 ? -value : value);
}

std::optional<PictureSize> BmpSize(const Bytes& b) {
    if (!b.Has(14, 4)) return std::nullopt;
    const std::uint32_t infoSize = b.Le32(14);
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        if (!b.Has(18, 4)) return std::nullopt;
        return PictureSize{b.Le16(18), b.Le16(20)};
    }
    if (infoSize < 16 || !b.Has(18, 8)) return std::nullopt;
    // A negative height is a picture stored top-down.
    return PictureSize{Magnitude(b.Le32(18)), Magnitude(b.Le32(22))};
}

// Skips a chain of data sub-blocks; false when the bytes end first.
bool SkipSubBlocks(const Bytes& b, std::size_t& pos) {
    for (;;) {
        if (!b.Has(pos, 1)) return false;
        const std::uint32_t size = b.U8(pos++);
        if (size == 0) return true;
        pos += size;
    }
}

std::size_t ColourTableBytes(std::uint32_t flags) {
    return (flags & 0x80) ? 3u * (2u << (flags & 7)) : 0u;
}

std::optional<PictureSize> GifSize(const Bytes& b) {
    if (!b.Has(0, 13)) return std::nullopt;
    PictureSize size{b.Le16(6), b.Le16(8)};
    std::size_t pos = 13 + ColourTableBytes(b.U8(10));
    // Each frame may reach beyond the logical screen: the largest extent counts.
    while (b.Has(pos, 1)) {
        const std::uint32_t block = b.U8(pos++);
        if (block == 0x2C) {  // image: left, top, width, height, flags
            if (!b.Has(pos, 9)) break;
            size.width = std::max(size.width, b.Le16(pos) + b.Le16(pos + 4));
            size.height = std::max(size.height, b.Le16(pos + 2) + b.Le16(pos + 6));
            pos += 9 + ColourTableBytes(b.U8(pos + 8)) + 1;  // + the code size
            if (!SkipSubBlocks(b, pos)) break;
        } else if (block == 0x21) {  // extension: its label, then data
            ++pos;
            if (!SkipSubBlocks(b, pos)) break;
        } else {
            break;  // the trailer, or bytes no decoder reads on
        }
    }
    return size;
}

}  // namespace

std::optional<PictureSize> PictureHeaderSize(std::string_view bytes) {
    const Bytes b(bytes);
    if (b.StartsWith("\xFF\xD8")) return JpegSize(b);
    if (b.StartsWith("\x89PNG\r\n\x1A\n")) return PngSize(b);
    if (b.StartsWith("BM")) return BmpSize(b);
    if (b.StartsWith("GIF87a") || b.StartsWith("GIF89a")) return GifSize(b);
    return std::nullopt;
}

bool PictureSizeUsable(PictureSize size) {
    return std::uint64_t(size.width) * size.height <= kMaxPicturePixels;
}

bool PictureBytesUsable(std::string_view bytes) {
    const std::optional<PictureSize> size = PictureHeaderSize(bytes);
    return !size || PictureSizeUsable(*size);
}

}  // namespace base
