#include "planner/jpeg_picture.h"

#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

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

// Decodes into RGB rows; Failed with the library's message, or TooLarge when
// the frame header the library reads claims too many pixels. Kept free of C++
// objects with destructors between setjmp and the jumps.
Decoded Decode(const std::string& data, int& width, int& height, std::string& rgb, std::string& error) {
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
    if (!base::PictureSizeUsable({cinfo.image_width, cinfo.image_height})) {
        jpeg_destroy_decompress(&cinfo);
        return Decoded::TooLarge;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    rgb.resize(static_cast<size_t>(width) * height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(&rgb[static_cast<size_t>(cinfo.output_scanline) * width * 3]);
        jpeg_read_scanlines(&cinfo, &row, 1);
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
    int width = 0, height = 0;
    std::string rgb, error;
    const Decoded decoded = Decode(data, width, height, rgb, error);
    if (decoded == Decoded::TooLarge) throw PictureTooLargeError(L"Picture too large: " + jpeg.wstring());
    if (decoded != Decoded::Ok || width <= 0 || height <= 0)
        throw ui::Exception(L"JPEG error: " + ui::WideFromNarrow(error) + L" (" + jpeg.wstring() + L")");
    return MakeBmp24(width, height, rgb);
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
