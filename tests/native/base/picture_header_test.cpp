#include "base/picture_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace base;

namespace {

std::string Be16(unsigned v) {
    return {char(v >> 8), char(v & 0xFF)};
}
std::string Be32(unsigned v) {
    return Be16(v >> 16) + Be16(v & 0xFFFF);
}
std::string Le16(unsigned v) {
    return {char(v & 0xFF), char(v >> 8)};
}
std::string Le32(unsigned v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// A marker segment: FF, the marker, the length (itself included), the data.
std::string Segment(unsigned char marker, const std::string& data) {
    return std::string("\xFF") + char(marker) + Be16(unsigned(data.size() + 2)) + data;
}

std::string FrameHeader(unsigned char marker, unsigned width, unsigned height) {
    return Segment(marker, "\x08" + Be16(height) + Be16(width) + std::string("\x01\x01\x11\x00", 4));
}

std::string Jpeg(unsigned width, unsigned height) {
    return "\xFF\xD8" + Segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14)) +
           Segment(0xDB, std::string(65, '\x01')) + FrameHeader(0xC0, width, height) +
           Segment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6)) + "\x12\x34\xFF\xD9";
}

std::string Png(unsigned width, unsigned height) {
    return "\x89PNG\r\n\x1A\n" + Be32(13) + "IHDR" + Be32(width) + Be32(height) +
           std::string("\x08\x06\x00\x00\x00", 5) + Be32(0);
}

std::string Bmp(unsigned width, unsigned height) {
    return "BM" + Le32(0) + Le32(0) + Le32(54) + Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(24) +
           std::string(24, '\0');
}

// A TIFF whose first image's directory holds the entries (tag, type, value),
// in that byte order; a second image of 1 x 1 follows it.
struct TiffEntry {
    unsigned tag, type, value, count = 1;
};
std::string Tiff(bool bigEndian, const std::vector<TiffEntry>& entries) {
    auto u16 = [&](unsigned v) { return bigEndian ? Be16(v) : Le16(v); };
    auto u32 = [&](unsigned v) { return bigEndian ? Be32(v) : Le32(v); };
    auto directory = [&](const std::vector<TiffEntry>& list, unsigned next) {
        std::string d = u16(unsigned(list.size()));
        for (const TiffEntry& e : list) {
            // A SHORT or BYTE stands at the start of the value field.
            const std::string value = e.type == 3 || e.type == 8 ? u16(e.value) + u16(0)
                                      : e.type == 1 ? std::string(1, char(e.value)) + std::string(3, '\0')
                                                    : u32(e.value);
            d += u16(e.tag) + u16(e.type) + u32(e.count) + value;
        }
        return d + u32(next);
    };
    const std::string first = directory(entries, 0);
    const unsigned second = unsigned(8 + first.size());
    std::string bytes = (bigEndian ? std::string("MM\0*", 4) : std::string("II*\0", 4)) + u32(8) + first;
    bytes.replace(8 + first.size() - 4, 4, u32(second));
    return bytes + directory({{256, 4, 1}, {257, 4, 1}}, 0);
}

// An icon file of the images, each a PNG or a bitmap's info header.
std::string Icon(const std::vector<std::string>& images) {
    std::string directory = Le16(0) + Le16(1) + Le16(unsigned(images.size()));
    std::string data;
    unsigned at = unsigned(6 + 16 * images.size());
    for (const std::string& image : images) {
        directory += std::string(8, '\0') + Le32(unsigned(image.size())) + Le32(at);
        at += unsigned(image.size());
        data += image;
    }
    return directory + data;
}

std::string BitmapInfo(unsigned width, unsigned height) {
    return Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(32) + std::string(24, '\0');
}

std::string Gif(unsigned width, unsigned height, const std::string& blocks) {
    return "GIF89a" + Le16(width) + Le16(height) + std::string("\x80\x00\x00", 3) + std::string(6, '\0') +
           blocks + ";";
}

// An image block at (left, top), with its code size and one data sub-block.
std::string GifImage(unsigned left, unsigned top, unsigned width, unsigned height) {
    return "," + Le16(left) + Le16(top) + Le16(width) + Le16(height) +
           std::string("\x00\x02\x02\x4C\x01\x00", 6);
}

}  // namespace

TEST(PictureHeader, JpegSizeComesFromTheFirstFrameHeader) {
    EXPECT_EQ(PictureHeaderSize(Jpeg(640, 480)), (PictureSize{640, 480}));
    EXPECT_EQ(PictureHeaderSize(Jpeg(65500, 65500)), (PictureSize{65500, 65500}));
    // Progressive and other frame kinds; the Huffman table and arithmetic
    // conditioning markers among them are no frame headers.
    for (unsigned char marker : {0xC1, 0xC2, 0xC3, 0xC5, 0xC7, 0xC9, 0xCB, 0xCD, 0xCF}) {
        const std::string bytes = "\xFF\xD8" + Segment(0xC4, std::string(20, '\x01')) +
                                  Segment(0xCC, "\x01\x02") + Segment(0xC8, "") +
                                  FrameHeader(marker, 3000, 2000) + FrameHeader(0xC0, 1, 1);
        EXPECT_EQ(PictureHeaderSize(bytes), (PictureSize{3000, 2000})) << int(marker);
    }
    // Fill bytes, stray bytes before a marker and markers without a length are stepped over.
    const std::string loose =
        "\xFF\xD8junk" + std::string("\xFF\x00", 2) + "\xFF\xFF\xFF\xD0\xFF\x01" + FrameHeader(0xC2, 7, 9);
    EXPECT_EQ(PictureHeaderSize(loose), (PictureSize{7, 9}));
    // No frame header before the scan, the end or a second start; cut short.
    const std::string start = "\xFF\xD8";
    EXPECT_EQ(PictureHeaderSize(start + Segment(0xDA, "x") + FrameHeader(0xC0, 9, 9)), std::nullopt);
    EXPECT_EQ(PictureHeaderSize(start + "\xFF\xD9" + FrameHeader(0xC0, 9, 9)), std::nullopt);
    EXPECT_EQ(PictureHeaderSize(start + "\xFF\xD8" + FrameHeader(0xC0, 9, 9)), std::nullopt);
    EXPECT_EQ(PictureHeaderSize(start + std::string("\xFF\xE0\x00\x01", 4) + FrameHeader(0xC0, 9, 9)),
              std::nullopt);
    const std::string full = Jpeg(640, 480);
    for (std::size_t cut = 0; cut < full.find("\xFF\xC0") + 9; ++cut)
        EXPECT_EQ(PictureHeaderSize(full.substr(0, cut)), std::nullopt) << cut;
}

TEST(PictureHeader, PngBmpAndGifSizes) {
    EXPECT_EQ(PictureHeaderSize(Png(1920, 1080)), (PictureSize{1920, 1080}));
    EXPECT_EQ(PictureHeaderSize(Png(0x7FFFFFFF, 2)), (PictureSize{0x7FFFFFFF, 2}));
    std::string notHeader = Png(5, 5);
    notHeader.replace(12, 4, "IDAT");
    EXPECT_EQ(PictureHeaderSize(notHeader), std::nullopt);
    EXPECT_EQ(PictureHeaderSize(Png(5, 5).substr(0, 23)), std::nullopt);

    EXPECT_EQ(PictureHeaderSize(Bmp(800, 600)), (PictureSize{800, 600}));
    // A negative height is a top-down picture of that many rows.
    EXPECT_EQ(PictureHeaderSize(Bmp(800, unsigned(-600))), (PictureSize{800, 600}));
    EXPECT_EQ(PictureHeaderSize(Bmp(0x80000000u, 0x80000000u)), (PictureSize{0x80000000u, 0x80000000u}));
    const std::string core = "BM" + Le32(0) + Le32(0) + Le32(26) + Le32(12) + Le16(300) + Le16(200);
    EXPECT_EQ(PictureHeaderSize(core), (PictureSize{300, 200}));
    EXPECT_EQ(PictureHeaderSize(Bmp(800, 600).substr(0, 25)), std::nullopt);

    EXPECT_EQ(PictureHeaderSize(Gif(32, 16, GifImage(0, 0, 32, 16))), (PictureSize{32, 16}));
    // A frame reaching beyond a small screen counts with its whole extent,
    // behind extensions and other frames.
    const std::string extension = std::string("!\xF9\x04\x00\x00\x00\x00\x00", 8);
    EXPECT_EQ(
        PictureHeaderSize(Gif(10, 10, extension + GifImage(0, 0, 10, 10) + GifImage(5, 100, 65535, 65535))),
        (PictureSize{65540, 65635}));
    // Cut short inside the frames: the screen and the frames seen so far.
    const std::string cut = Gif(10, 10, GifImage(0, 0, 20, 30) + GifImage(0, 0, 60000, 60000));
    EXPECT_EQ(PictureHeaderSize(cut.substr(0, cut.size() - 12)), (PictureSize{20, 30}));
    EXPECT_EQ(PictureHeaderSize(Gif(1, 1, "").substr(0, 12)), std::nullopt);

    EXPECT_EQ(PictureHeaderSize(""), std::nullopt);
    EXPECT_EQ(PictureHeaderSize("not a picture at all"), std::nullopt);
}

TEST(PictureHeader, TiffSizeComesFromTheFirstImageInEitherByteOrder) {
    for (bool big : {false, true}) {
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 4, 46000}, {257, 4, 46000}})),
                  (PictureSize{46000, 46000}))
            << big;
        // Among other tags, as SHORT, BYTE or a non-negative signed number.
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{254, 4, 0}, {256, 3, 640}, {257, 1, 200}, {258, 3, 8}})),
                  (PictureSize{640, 200}));
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 8, 30}, {257, 9, 70000}})), (PictureSize{30, 70000}));
        // A tag given twice counts with its larger value.
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 3, 10}, {256, 4, 50000}, {257, 3, 20}, {256, 3, 5}})),
                  (PictureSize{50000, 20}));
        // No size: a side missing, a negative number, more than one value,
        // another type; a directory cut short anywhere.
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 4, 10}})), std::nullopt);
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 8, 0xFFFF}, {257, 3, 10}})), std::nullopt);
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 4, 10, 2}, {257, 3, 10}})), std::nullopt);
        EXPECT_EQ(PictureHeaderSize(Tiff(big, {{256, 5, 10}, {257, 3, 10}})), std::nullopt);
        const std::string full = Tiff(big, {{256, 4, 10}, {257, 4, 10}});
        for (std::size_t cut = 0; cut < 8 + 2 + 2 * 12; ++cut)
            EXPECT_EQ(PictureHeaderSize(full.substr(0, cut)), std::nullopt) << cut;
    }
    EXPECT_EQ(PictureHeaderSize(std::string("II*\0\0\0\0\0", 8)), std::nullopt);  // no image at all
}

TEST(PictureHeader, IconSizeIsTheLargestOfItsImages) {
    EXPECT_EQ(PictureHeaderSize(Icon({BitmapInfo(32, 64)})), (PictureSize{32, 64}));
    EXPECT_EQ(PictureHeaderSize(Icon({BitmapInfo(16, 32), Png(30000, 2), BitmapInfo(48, 96)})),
              (PictureSize{30000, 96}));
    const std::string core = Le32(12) + Le16(300) + Le16(200) + Le16(1) + Le16(24);
    EXPECT_EQ(PictureHeaderSize(Icon({core})), (PictureSize{300, 200}));
    // One image that cannot be read leaves the whole size unknown.
    EXPECT_EQ(PictureHeaderSize(Icon({BitmapInfo(16, 32), Le32(7) + std::string(12, '\0')})), std::nullopt);
    EXPECT_EQ(PictureHeaderSize(Icon({})), std::nullopt);
    const std::string full = Icon({BitmapInfo(16, 32), BitmapInfo(48, 96)});
    for (std::size_t cut = 0; cut < full.size() - 40 + 12; ++cut)
        EXPECT_EQ(PictureHeaderSize(full.substr(0, cut)), std::nullopt) << cut;
}

TEST(PictureHeader, PicturesBeyondTheLimitAreNotUsable) {
    EXPECT_TRUE(PictureSizeUsable({4096, 4096}));
    EXPECT_TRUE(PictureSizeUsable({8000, 2000}));
    EXPECT_TRUE(PictureSizeUsable({16384, 1024}));
    EXPECT_TRUE(PictureSizeUsable({0, 0}));
    EXPECT_FALSE(PictureSizeUsable({4096, 4097}));
    EXPECT_FALSE(PictureSizeUsable({8192, 8192}));
    EXPECT_FALSE(PictureSizeUsable({0xFFFFFFFFu, 0xFFFFFFFFu}));
    EXPECT_TRUE(PictureFileSizeUsable(100u << 20));
    EXPECT_FALSE(PictureFileSizeUsable((100u << 20) + 1));

    EXPECT_TRUE(PictureBytesUsable(Jpeg(4000, 3000)));
    EXPECT_FALSE(PictureBytesUsable(Jpeg(65500, 65500)));
    EXPECT_TRUE(PictureBytesUsable(Png(4096, 4096)));
    EXPECT_FALSE(PictureBytesUsable(Png(4096, 4097)));
    EXPECT_FALSE(PictureBytesUsable(Bmp(20000, unsigned(-20000))));
    EXPECT_FALSE(PictureBytesUsable(Gif(10, 10, GifImage(0, 0, 65535, 65535))));
    EXPECT_TRUE(PictureBytesUsable(Tiff(false, {{256, 4, 4096}, {257, 4, 4096}})));
    EXPECT_FALSE(PictureBytesUsable(Tiff(true, {{256, 4, 46000}, {257, 4, 46000}})));
    EXPECT_TRUE(PictureBytesUsable(Icon({BitmapInfo(256, 512)})));
    EXPECT_FALSE(PictureBytesUsable(Icon({BitmapInfo(16, 32), Png(8192, 8192)})));
    // A picture whose size cannot be read is not decoded either.
    EXPECT_FALSE(PictureBytesUsable(std::string("II*\0 a TIFF", 11)));
    EXPECT_FALSE(PictureBytesUsable(Png(5, 5).substr(0, 23)));
    EXPECT_FALSE(PictureBytesUsable("not a picture at all"));
    EXPECT_FALSE(PictureBytesUsable(""));
}

TEST(PictureHeader, GifFramesCountTogether) {
    // The decoder keeps every frame at a byte a pixel: all of them together
    // may take what one picture at the limit takes in 32-bit colour.
    std::string animation;  // an ordinary animation: 120 frames of 480 x 360
    for (int i = 0; i < 120; ++i) animation += GifImage(0, 0, 480, 360);
    EXPECT_TRUE(PictureBytesUsable(Gif(480, 360, animation)));
    std::string frames;
    for (int i = 0; i < 16; ++i) frames += GifImage(0, 0, 2048, 2048);
    EXPECT_TRUE(PictureBytesUsable(Gif(2048, 2048, frames)));
    EXPECT_FALSE(PictureBytesUsable(Gif(2048, 2048, frames + GifImage(0, 0, 1, 1))));
    const std::string largest = GifImage(0, 0, 4096, 4096);
    EXPECT_TRUE(PictureBytesUsable(Gif(4096, 4096, largest + largest + largest + largest)));
    EXPECT_FALSE(
        PictureBytesUsable(Gif(4096, 4096, largest + largest + largest + largest + GifImage(0, 0, 1, 1))));
    // The screen and each frame stay within the size of one picture.
    EXPECT_FALSE(PictureBytesUsable(Gif(4096, 4097, GifImage(0, 0, 1, 1))));
    EXPECT_TRUE(PictureBytesUsable(Gif(10, 10, largest)));
    EXPECT_FALSE(PictureBytesUsable(Gif(10, 10, GifImage(0, 0, 4097, 4096))));
    EXPECT_FALSE(PictureBytesUsable(Gif(4096, 4096, GifImage(0, 1, 4096, 4096))));
    // Nor does it take tens of thousands of tiny blocks.
    const std::string comment = std::string("!\xFE", 2);
    std::string blocks;
    for (std::uint64_t i = 0; i + 1 < kMaxGifBlocks; ++i) blocks += "\x01x";
    EXPECT_TRUE(PictureBytesUsable(Gif(1, 1, comment + blocks + std::string(1, '\0'))));
    EXPECT_FALSE(PictureBytesUsable(Gif(1, 1, comment + blocks + "\x01x" + std::string(1, '\0'))));
}
