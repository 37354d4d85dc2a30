#include "face/wallpaper_rules.h"

#include "base/text_compare.h"

namespace face {

int WallpaperPlacementFromRegistry(std::wstring_view wallpaperStyle, std::wstring_view tileWallpaper) {
    if (wallpaperStyle != L"0") return kWallpaperStretched;
    if (tileWallpaper != L"0") return kWallpaperTiled;
    return kWallpaperCentred;
}

WallpaperRegistryValues RegistryValuesOfPlacement(int placement) {
    switch (placement) {
        case kWallpaperCentred:
            return {L"0", L"0"};
        case kWallpaperTiled:
            return {L"0", L"1"};
        default:
            return {L"2", L"0"};
    }
}

WallpaperPoint CentredPicturePosition(int screenWidth, int screenHeight, int pictureWidth,
                                      int pictureHeight) {
    return {(screenWidth - pictureWidth) / 2, (screenHeight - pictureHeight) / 2};
}

bool SameWallpaperFile(std::wstring_view a, std::wstring_view b) {
    return base::SameTextLatin(a, b);
}

std::wstring ProgramWallpaperFile(std::wstring_view windowsFolder) {
    std::wstring file(windowsFolder);
    if (!file.empty() && (file.back() == L'\\' || file.back() == L'/')) file.pop_back();
    return file + L"\\HoraltoWallpaper.bmp";
}

}  // namespace face
