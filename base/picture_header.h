// The size a picture file says it has, read from its header before anything
// is decoded, and whether the program can take a picture that large. A
// picture of tens of thousands of pixels each way would need gigabytes once
// decoded, however small its file: such a picture counts as one that cannot
// be loaded, and so does one whose size cannot be read, since every format
// the decoder knows can claim any size.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace base {

struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size claimed by a JPEG (its frame header), PNG (its IHDR chunk), BMP
// (its info header; a bottom-up or top-down height alike), GIF (the larger of
// its screen and of any frame's extent), TIFF (the width and height of its
// first image, in either byte order) or icon file (the largest width and the
// largest height of its images, each a PNG or a bitmap). Nothing when the
// bytes are none of these formats, or end or break off before the size.
std::optional<PictureSize> PictureHeaderSize(std::string_view bytes);

// The most pixels a picture may have: 16 Mi pixels, 64 MB in 32-bit colour
// (4096 x 4096, 5120 x 2880, or a panorama of 8000 x 2000). The decoder and
// the program's own copy hold a picture several times over while it loads.
constexpr std::uint64_t kMaxPicturePixels = std::uint64_t(16) << 20;
// The largest picture file that is read: 100 MB (a 4096 x 4096 bitmap
// uncompressed in 32-bit colour takes 64 MB).
constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t(100) << 20;
// The most pixels all frames of a GIF may have together: 64 Mi. Its decoder
// keeps every frame at a byte a pixel, so they take 64 MB at most, what one
// picture at the limit takes in 32-bit colour (an animation of 120 frames of
// 480 x 360 has 20.7 M); its screen and each frame stay within the limit of
// one picture.
constexpr std::uint64_t kMaxGifFramePixels = std::uint64_t(64) << 20;
// The most frames and extension blocks a GIF may have: its decoder keeps each
// of them, however small.
constexpr std::uint64_t kMaxGifBlocks = 65536;

// Whether a picture of that size can be decoded.
bool PictureSizeUsable(PictureSize size);
// Whether a picture file of that many bytes is read at all.
bool PictureFileSizeUsable(std::uint64_t bytes);

// True only for bytes the decoder may be given: a file of a size that is
// read, whose header tells a size the program takes (for a GIF, the extent of
// its screen and frames; and all its frames together within their own budget,
// in not too many blocks).
bool PictureBytesUsable(std::string_view bytes);

}  // namespace base
