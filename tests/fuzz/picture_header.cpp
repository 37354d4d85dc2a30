// Picture headers: any bytes are read without reading past them; only bytes
// whose size was read at a size the program takes may be decoded; a size once
// found does not change with what follows it (a GIF's only grows with more
// frames); headers made for a size give that size back, and a GIF's frames
// are taken up to their budget.
#include <algorithm>

#include "base/picture_header.h"
#include "fuzz_support.h"

namespace {

std::string Be16(unsigned v) {
    return {char(v >> 8), char(v & 0xFF)};
}
std::string Be32(unsigned v) {
    return Be16(v >> 16) + Be16(v & 0xFFFF);
}
std::string Le32(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}
std::string Le16(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<base::PictureSize> found = base::PictureHeaderSize(bytes);
    const bool gif = bytes.compare(0, 3, "GIF") == 0;
    if (base::PictureBytesUsable(bytes)) FUZZ_CHECK(found && base::PictureSizeUsable(*found));
    if (!gif) FUZZ_CHECK(base::PictureBytesUsable(bytes) == (found && base::PictureSizeUsable(*found)));
    if (found) {
        for (const std::string& more :
             {std::string("\xFF\xD9"), std::string(",\0\0\0\0\xFF\xFF\xFF\xFF\0\0\0", 12), bytes}) {
            const std::optional<base::PictureSize> longer = base::PictureHeaderSize(bytes + more);
            FUZZ_CHECK(longer.has_value());
            if (gif) {
                FUZZ_CHECK(longer->width >= found->width && longer->height >= found->height);
            } else {
                FUZZ_CHECK(*longer == *found);
            }
        }
    }

    fuzz::Input in(data, size);
    const unsigned w = static_cast<unsigned>(in.Int()), h = static_cast<unsigned>(in.Int());
    const base::PictureSize png{w & 0x7FFFFFFF, h & 0x7FFFFFFF};
    FUZZ_CHECK(base::PictureHeaderSize("\x89PNG\r\n\x1A\n" + Be32(13) + "IHDR" + Be32(png.width) +
                                       Be32(png.height)) == png);
    const base::PictureSize jpeg{w & 0xFFFF, h & 0xFFFF};
    const std::string frame = "\xFF\xC2" + Be16(17) + "\x08" + Be16(jpeg.height) + Be16(jpeg.width);
    FUZZ_CHECK(base::PictureHeaderSize("\xFF\xD8" + frame) == jpeg);
    const base::PictureSize bmp{std::min(w, 0x7FFFFFFFu), std::min(h, 0x7FFFFFFFu)};
    FUZZ_CHECK(base::PictureHeaderSize("BM" + std::string(12, '\0') + Le32(40) + Le32(bmp.width) +
                                       Le32(0u - bmp.height)) == bmp);
    // A TIFF's first directory: width as LONG, height as SHORT, in either byte order.
    const base::PictureSize tiff{w, h & 0xFFFF};
    FUZZ_CHECK(base::PictureHeaderSize(std::string("II*\0", 4) + Le32(8) + Le16(2) + Le16(256) + Le16(4) +
                                       Le32(1) + Le32(tiff.width) + Le16(257) + Le16(3) + Le32(1) +
                                       Le16(tiff.height) + Le16(0) + Le32(0)) == tiff);
    FUZZ_CHECK(base::PictureHeaderSize(std::string("MM\0*", 4) + Be32(8) + Be16(2) + Be16(257) + Be16(3) +
                                       Be32(1) + Be16(tiff.height) + Be16(0) + Be16(256) + Be16(4) + Be32(1) +
                                       Be32(tiff.width) + Be32(0)) == tiff);
    // An icon of one bitmap.
    FUZZ_CHECK(base::PictureHeaderSize(std::string("\0\0\1\0\1\0", 6) + std::string(8, '\0') + Le32(40) +
                                       Le32(22) + Le32(40) + Le32(bmp.width) + Le32(bmp.height)) == bmp);
    // A GIF of frames of one size at the top left of its screen is taken when
    // its screen and frames fit one picture and all its frames the GIF budget.
    const unsigned frames = in.Byte(), frameWidth = in.Int() & 0xFFFF, frameHeight = in.Int() & 0xFFFF;
    std::string animation = "GIF89a" + Le16(w & 0xFFFF) + Le16(h & 0xFFFF) + std::string(3, '\0');
    for (unsigned i = 0; i < frames; ++i)
        animation += "," + Le32(0) + Le16(frameWidth) + Le16(frameHeight) + std::string("\0\2\2\x4C\1\0", 6);
    const base::PictureSize extent{std::max(w & 0xFFFF, frames ? frameWidth : 0),
                                   std::max(h & 0xFFFF, frames ? frameHeight : 0)};
    FUZZ_CHECK(base::PictureBytesUsable(animation + ";") ==
               (base::PictureSizeUsable(extent) &&
                std::uint64_t(frames) * frameWidth * frameHeight <= base::kMaxGifFramePixels));
    return 0;
}
