#include "planner/jpeg_picture.h"

#include <windows.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include <jpeglib.h>

#include "base/codec.h"
#include "base/picture_header.h"
#include "planner/bmp_file.h"
#include "ui/exception.h"

namespace planner {

namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps
// back to the decoder with the library's message.
struct ErrorManager {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void NoOutput(j_common_ptr) {}

enum class Decoded { Ok, Failed, TooLarge };

// A desktop picture is decoded row by row into the one bitmap it becomes, so
// it may be larger than a picture the face decodes whole: up to 48 Mi pixels
// (a photograph of 50 megapixels), a bitmap of 144 MB, beside which the
// decoder of a progressive file keeps its coefficients (up to twice that).
constexpr std::uint64_t kMaxDesktopPicturePixels = std::uint64_t(48) << 20;

// Decodes into `bmp`, one row at a time through `row`; Failed with the
// library's message, or TooLarge when the frame header the library reads
// claims too many pixels. Kept free of C++ objects with destructors between
// setjmp and the jumps: what it fills lives in the caller.
Decoded Decode(const std::string& data, std::optional<Bmp24File>& bmp, std::string& row, std::string& error) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = ErrorExit;
    err.mgr.output_message = NoOutput;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = err.message;
        return Decoded::Failed;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (std::uint64_t(cinfo.image_width) * cinfo.image_height > kMaxDesktopPicturePixels) {
        jpeg_destroy_decompress(&cinfo);
        return Decoded::TooLarge;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width == 0 || cinfo.output_height == 0) {
        jpeg_destroy_decompress(&cinfo);
        error = "no pixels";
        return Decoded::Failed;
    }
    bmp.emplace(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    row.resize(static_cast<std::size_t>(cinfo.output_width) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rowPointer = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_read_scanlines(&cinfo, &rowPointer, 1);
        bmp->SetRow(y, row);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Decoded::Ok;
}

}  // namespace

std::string JpegToBmpBytes(const std::filesystem::path& jpeg) {
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(jpeg, sizeError);
    if (!sizeError && !base::PictureFileSizeUsable(size))
        throw PictureTooLargeError(L"Picture too large: " + jpeg.wstring());
    std::string data;
    try {
        data = base::ReadFileBytes(jpeg);
    } catch (const base::FileError&) {
        throw ui::Exception(L"Cannot open file \"" + jpeg.wstring() + L"\"");
    }
    std::optional<Bmp24File> bmp;
    std::string row, error;
    const Decoded decoded = Decode(data, bmp, row, error);
    if (decoded == Decoded::TooLarge) throw PictureTooLargeError(L"Picture too large: " + jpeg.wstring());
    if (decoded != Decoded::Ok || !bmp)
        throw ui::Exception(L"JPEG error: " + ui::WideFromNarrow(error) + L" (" + jpeg.wstring() + L")");
    return bmp->Take();
}

void ConvertJpegToBmp(const std::filesystem::path& jpeg, const std::filesystem::path& bmp) {
    const std::string bytes = JpegToBmpBytes(jpeg);
    try {
        base::WriteFileBytes(bmp, bytes);
    } catch (const std::exception&) {
        throw ui::Exception(L"Cannot create file \"" + bmp.wstring() + L"\"");
    }
}

std::filesystem::path WallpaperBitmapPath() {
    wchar_t folder[256] = {};
    GetWindowsDirectoryW(folder, 255);
    return std::filesystem::path(std::wstring(folder) + L"\\WqWallpaper.bmp");
}

}  // namespace planner
