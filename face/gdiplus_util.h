// GDI+ pictures and fonts for the clock face: pictures from files and from the
// program's resources (each an independent 32-bit ARGB copy, shared by
// reference count between the main window's and the taskbar clock's skins),
// and fonts that always exist.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>

#include "face/skin_description.h"
#include "face/skin_geometry.h"

namespace face {

using ImagePtr = std::shared_ptr<Gdiplus::Bitmap>;

// The resource's bytes through a stream on movable global memory; none when
// the resource is missing, memory cannot be had, or the bytes are not a
// picture whose header tells a size the program takes (base/picture_header.h).
std::unique_ptr<Gdiplus::Bitmap> LoadBitmapFromResource(HINSTANCE instance, const wchar_t* name,
                                                        const wchar_t* type);
// A picture file read whole (the file is not kept open); none when it is
// missing, not a picture whose size its header tells, or too large to take.
ImagePtr LoadImageFile(const std::wstring& path);
ImagePtr LoadSkinImage(const ImageRef& ref, HINSTANCE instance);

ImageSize SizeOf(Gdiplus::Image* image);

// Colour of the bottom-left pixel (the transparent colour of skins).
Gdiplus::Color BottomLeftColor(Gdiplus::Bitmap& bitmap);

// A new 32-bit ARGB bitmap, cleared to transparent.
std::unique_ptr<Gdiplus::Bitmap> NewArgbBitmap(int width, int height);

// GDI+ font of the family at size points with the style bits (1 bold, 2 italic,
// 4 underline, 8 strikeout). A family that does not exist falls back to
// "Arial", then to the generic sans-serif family, then to any installed
// family; a size of 0 or less gives a 1-point font (the callers do not draw
// with it).
std::unique_ptr<Gdiplus::Font> MakeFont(const std::wstring& family, double sizePoints, int style);

// Whether a font family of that name exists for GDI+.
bool FontFamilyExists(const std::wstring& family);

}  // namespace face

namespace face {

// Index and class id of the GDI+ image encoder of that MIME type ("image/bmp",
// "image/png"); -1 when GDI+ lists no encoders, memory is short, or none matches.
int GetEncoderClsidByMime(const wchar_t* mime, CLSID& clsid);

}  // namespace face
