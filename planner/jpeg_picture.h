// Desktop pictures: a JPEG file becomes a bitmap the system can show as its
// wallpaper.
#pragma once

#include <filesystem>
#include <string>

#include "ui/exception.h"

namespace planner {

// Raised instead of decoding a picture that claims more pixels than a desktop
// picture may have (48 Mi), or whose file is larger than any picture file the
// program reads (base/picture_header.h).
class PictureTooLargeError : public ui::Exception {
  public:
    using ui::Exception::Exception;
};

// Decodes the JPEG file into the bytes of a 24-bit bitmap file. Throws
// ui::Exception when the file cannot be read or decoded, PictureTooLargeError
// before decoding a picture that is too large.
std::string JpegToBmpBytes(const std::filesystem::path& jpeg);

// Decodes the JPEG file and saves it as a 24-bit bitmap. Throws ui::Exception
// when the file cannot be read or decoded, or the bitmap cannot be written.
void ConvertJpegToBmp(const std::filesystem::path& jpeg, const std::filesystem::path& bmp);

// "WqWallpaper.bmp" in the Windows folder.
std::filesystem::path WallpaperBitmapPath();

}  // namespace planner
