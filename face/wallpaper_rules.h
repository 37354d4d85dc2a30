// Rules of the clock drawn into the desktop wallpaper that need no window: how
// the registry's placement values map to the three placements and back, where a
// centred picture goes, and whether the registered wallpaper is the program's
// own bitmap.
#pragma once

#include <string>
#include <string_view>

namespace face {

enum WallpaperPlacement { kWallpaperCentred = 0, kWallpaperTiled = 1, kWallpaperStretched = 2 };

// The placement of the registry values `WallpaperStyle` and `TileWallpaper`:
// stretched when the style is not "0", else tiled when the tile value is not
// "0", else centred.
int WallpaperPlacementFromRegistry(std::wstring_view wallpaperStyle, std::wstring_view tileWallpaper);

// The two registry values written for a placement (any other number is taken
// as stretched, the program's default).
struct WallpaperRegistryValues {
    const wchar_t* wallpaperStyle;
    const wchar_t* tileWallpaper;
};
WallpaperRegistryValues RegistryValuesOfPlacement(int placement);

// Top-left corner of a centred picture drawn at its own size: a picture larger
// than the screen is cut evenly on both sides.
struct WallpaperPoint {
    int x = 0;
    int y = 0;
};
WallpaperPoint CentredPicturePosition(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);

// Windows paths name the same file whatever the case of their Latin letters.
bool SameWallpaperFile(std::wstring_view a, std::wstring_view b);

// The program's own wallpaper file in the Windows folder.
std::wstring ProgramWallpaperFile(std::wstring_view windowsFolder);

}  // namespace face
