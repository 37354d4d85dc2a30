// The size a picture file says it has, read from its first bytes before
// anything is decoded, and whether the program can take a picture that large.
// A picture of tens of thousands of pixels each way would need gigabytes once
// decoded, however small its file: such a picture counts as one that cannot
// be loaded.
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
// (its info header; a bottom-up or top-down height alike) or GIF file (the
// larger of its screen and of any frame's extent). Nothing when the bytes are
// none of these formats or end before the size.
std::optional<PictureSize> PictureHeaderSize(std::string_view bytes);

// The most pixels a picture may have: 64 Mi pixels, 256 MB in 32-bit colour
// (8192 x 8192, or a panorama of 20000 x 3000).
constexpr std::uint64_t kMaxPicturePixels = std::uint64_t(64) << 20;

// Whether a picture of that size can be decoded.
bool PictureSizeUsable(PictureSize size);

// False only for bytes whose header claims more pixels than the program
// takes; bytes whose size cannot be read are left to the decoder.
bool PictureBytesUsable(std::string_view bytes);

}  // namespace base
