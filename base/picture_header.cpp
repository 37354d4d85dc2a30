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
    // The bytes from a position on (none past the end).
    std::string_view From(std::size_t pos) const { return pos < bytes_.size() ? bytes_.substr(pos) : ""; }

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

// A bitmap's info header at `pos`: the old core header has 16-bit sizes.
std::optional<PictureSize> BitmapInfoSize(const Bytes& b, std::size_t pos) {
    if (!b.Has(pos, 4)) return std::nullopt;
    const std::uint32_t infoSize = b.Le32(pos);
    if (infoSize == 12) {
        if (!b.Has(pos + 4, 4)) return std::nullopt;
        return PictureSize{b.Le16(pos + 4), b.Le16(pos + 6)};
    }
    if (infoSize < 16 || !b.Has(pos + 4, 8)) return std::nullopt;
    // A negative height is a picture stored top-down.
    return PictureSize{Magnitude(b.Le32(pos + 4)), Magnitude(b.Le32(pos + 8))};
}

std::optional<PictureSize> BmpSize(const Bytes& b) {
    return BitmapInfoSize(b, 14);  // after the file header
}

// What a GIF costs its decoder: the extent of its screen and frames, the
// pixels of all frames, and its frames and extension blocks.
struct GifCost {
    PictureSize size;
    std::uint64_t framePixels = 0;
    std::uint64_t blocks = 0;
};

// Skips a chain of data sub-blocks, counting them; false when the bytes end first.
bool SkipSubBlocks(const Bytes& b, std::size_t& pos, std::uint64_t& count) {
    for (;;) {
        if (!b.Has(pos, 1)) return false;
        const std::uint32_t size = b.U8(pos++);
        if (size == 0) return true;
        ++count;
        pos += size;
    }
}

std::size_t ColourTableBytes(std::uint32_t flags) {
    return (flags & 0x80) ? 3u * (2u << (flags & 7)) : 0u;
}

std::optional<GifCost> GifScan(const Bytes& b) {
    if (!b.Has(0, 13)) return std::nullopt;
    GifCost cost{{b.Le16(6), b.Le16(8)}};
    std::size_t pos = 13 + ColourTableBytes(b.U8(10));
    // Each frame may reach beyond the logical screen: the largest extent counts.
    while (b.Has(pos, 1)) {
        const std::uint32_t block = b.U8(pos++);
        if (block == 0x2C) {  // image: left, top, width, height, flags
            if (!b.Has(pos, 9)) break;
            const std::uint32_t width = b.Le16(pos + 4), height = b.Le16(pos + 6);
            cost.size.width = std::max(cost.size.width, b.Le16(pos) + width);
            cost.size.height = std::max(cost.size.height, b.Le16(pos + 2) + height);
            cost.framePixels += std::uint64_t(width) * height;
            ++cost.blocks;
            pos += 9 + ColourTableBytes(b.U8(pos + 8)) + 1;  // + the code size
            std::uint64_t data = 0;  // the decoder keeps the frame's pixels, not its data blocks
            if (!SkipSubBlocks(b, pos, data)) break;
        } else if (block == 0x21) {  // extension: its label, then data kept block by block
            ++pos;
            ++cost.blocks;
            if (!SkipSubBlocks(b, pos, cost.blocks)) break;
        } else {
            break;  // the trailer, or bytes no decoder reads on
        }
    }
    return cost;
}

// TIFF: "II" numbers are little-endian, "MM" big-endian.
class TiffBytes {
  public:
    TiffBytes(const Bytes& b, bool bigEndian) : b_(b), big_(bigEndian) {}
    std::uint32_t U16(std::size_t pos) const { return big_ ? b_.Be16(pos) : b_.Le16(pos); }
    std::uint32_t U32(std::size_t pos) const { return big_ ? b_.Be32(pos) : b_.Le32(pos); }

  private:
    const Bytes& b_;
    bool big_;
};

// One number of a directory entry whose value field holds it; nothing for
// other types, for more than one value and for a negative number, which no
// decoder takes as a size.
std::optional<std::uint32_t> TiffEntryNumber(const Bytes& b, const TiffBytes& t, std::size_t entry) {
    if (t.U32(entry + 4) != 1) return std::nullopt;
    const std::size_t value = entry + 8;
    switch (t.U16(entry + 2)) {
        case 1:  // BYTE
            return b.U8(value);
        case 3:  // SHORT
            return t.U16(value);
        case 4:  // LONG
            return t.U32(value);
        case 8:  // SSHORT
            if (t.U16(value) & 0x8000) return std::nullopt;
            return t.U16(value);
        case 9:  // SLONG
            if (t.U32(value) & 0x80000000u) return std::nullopt;
            return t.U32(value);
        default:
            return std::nullopt;
    }
}

std::optional<PictureSize> TiffSize(const Bytes& b) {
    if (!b.Has(4, 4)) return std::nullopt;
    const TiffBytes t(b, b.U8(0) == 'M');
    const std::size_t directory = t.U32(4);
    if (directory == 0 || !b.Has(directory, 2)) return std::nullopt;
    const std::size_t count = t.U16(directory);
    // The whole directory of the first image, so that no later byte changes it.
    if (!b.Has(directory + 2, count * 12)) return std::nullopt;
    std::optional<std::uint32_t> width, height;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        const std::uint32_t tag = t.U16(entry);
        if (tag != 256 && tag != 257) continue;
        const std::optional<std::uint32_t> number = TiffEntryNumber(b, t, entry);
        if (!number) return std::nullopt;
        // A tag given twice: the larger value counts.
        std::optional<std::uint32_t>& side = tag == 256 ? width : height;
        side = std::max(side.value_or(0), *number);
    }
    if (!width || !height) return std::nullopt;
    return PictureSize{*width, *height};
}

// An icon file holds several images, each a PNG or a bitmap without its file
// header; a decoder may pick any of them.
std::optional<PictureSize> IconSize(const Bytes& b) {
    if (!b.Has(0, 6)) return std::nullopt;
    const std::size_t count = b.Le16(4);
    if (count == 0 || !b.Has(6, count * 16)) return std::nullopt;
    PictureSize size;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t image = b.Le32(6 + i * 16 + 12);
        const std::optional<PictureSize> one =
            b.Holds(image, "\x89PNG\r\n\x1A\n") ? PngSize(Bytes(b.From(image))) : BitmapInfoSize(b, image);
        if (!one) return std::nullopt;
        size.width = std::max(size.width, one->width);
        size.height = std::max(size.height, one->height);
    }
    return size;
}

}  // namespace

std::optional<PictureSize> PictureHeaderSize(std::string_view bytes) {
    const Bytes b(bytes);
    if (b.StartsWith("\xFF\xD8")) return JpegSize(b);
    if (b.StartsWith("\x89PNG\r\n\x1A\n")) return PngSize(b);
    if (b.StartsWith("BM")) return BmpSize(b);
    if (b.StartsWith("GIF87a") || b.StartsWith("GIF89a")) {
        const std::optional<GifCost> gif = GifScan(b);
        if (!gif) return std::nullopt;
        return gif->size;
    }
    if (b.StartsWith(std::string_view("II*\0", 4)) || b.StartsWith(std::string_view("MM\0*", 4)))
        return TiffSize(b);
    if (b.StartsWith(std::string_view("\0\0\1\0", 4))) return IconSize(b);
    return std::nullopt;
}

bool PictureSizeUsable(PictureSize size) {
    return std::uint64_t(size.width) * size.height <= kMaxPicturePixels;
}

bool PictureFileSizeUsable(std::uint64_t bytes) {
    return bytes <= kMaxPictureFileBytes;
}

bool PictureBytesUsable(std::string_view bytes) {
    if (!PictureFileSizeUsable(bytes.size())) return false;
    const std::optional<PictureSize> size = PictureHeaderSize(bytes);
    if (!size || !PictureSizeUsable(*size)) return false;
    const Bytes b(bytes);
    if (b.StartsWith("GIF")) {
        const std::optional<GifCost> gif = GifScan(b);
        return gif->framePixels <= kMaxGifFramePixels && gif->blocks <= kMaxGifBlocks;
    }
    return true;
}

}  // namespace base
