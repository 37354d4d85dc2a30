// The clock drawn into the desktop wallpaper: the user's own wallpaper is
// remembered from the registry, the program composes the user's picture, the
// clock's background and the clock into a screen-sized bitmap in the Windows
// folder and registers it; restoring registers the user's picture again.
#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/wallpaper_rules.h"
#include "face/window_background.h"
#include "ui/registry.h"

using namespace face;
using namespace Gdiplus;

namespace {

const wchar_t kDesktopKey[] = L"\\Control Panel\\Desktop";
const wchar_t kColorsKey[] = L"\\Control Panel\\Colors";

std::wstring WindowsFolder() {
    wchar_t dir[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir, n < MAX_PATH ? n : 0);
}

std::wstring OwnWallpaperFile() {
    return ProgramWallpaperFile(WindowsFolder());
}

// The user's picture over the whole screen bitmap by its placement.
void DrawUserPicture(Graphics& g, Bitmap* picture, int placement, Argb color, int width, int height) {
    if (placement == kWallpaperCentred) {
        g.Clear(Color(ARGB(color)));
        if (!picture) return;
        const int pw = INT(picture->GetWidth()), ph = INT(picture->GetHeight());
        const WallpaperPoint at = CentredPicturePosition(width, height, pw, ph);
        g.DrawImage(picture, Rect(at.x, at.y, pw, ph), 0, 0, pw, ph, UnitPixel);
    } else if (placement == kWallpaperTiled) {
        if (!picture) return;
        TextureBrush brush(picture);
        g.FillRectangle(&brush, 0, 0, width, height);
    } else if (picture) {
        g.DrawImage(picture, RectF(0, 0, REAL(width), REAL(height)), 0, 0, REAL(picture->GetWidth()),
                    REAL(picture->GetHeight()), UnitPixel);
    }
}

}  // namespace

bool TfrmHoralto::ReadWallpaperSettings() {
    auto& window = Settings.Window;
    try {
        ui::Registry reg(HKEY_CURRENT_USER, KEY_READ);
        // Nothing can be read: the remembered wallpaper stays as it is.
        if (!reg.OpenKeyReadOnly(kDesktopKey)) return false;
        const std::wstring current = reg.ReadString(L"Wallpaper");
        if (SameWallpaperFile(current, OwnWallpaperFile())) return false;
        window.WallpaperPath = current;
        window.WallpaperStyle = static_cast<std::uint8_t>(WallpaperPlacementFromRegistry(
            reg.ReadString(L"WallpaperStyle"), reg.ReadString(L"TileWallpaper")));
        if (reg.OpenKeyReadOnly(kColorsKey))
            window.WallpaperColor =
                static_cast<int>(ParseColorText(reg.ReadString(L"Background"), Argb(window.WallpaperColor)));
        return true;
    } catch (...) {
        return false;
    }
}

void TfrmHoralto::DrawWallpaper(bool restore) {
    auto& window = Settings.Window;
    const std::wstring own = OwnWallpaperFile();
    try {
        ui::Registry reg(HKEY_CURRENT_USER);
        if (!reg.OpenKey(kDesktopKey, false)) return;
        const std::wstring current = reg.ReadString(L"Wallpaper");
        if (!SameWallpaperFile(current, own) && !SameWallpaperFile(current, window.WallpaperPath)) {
            // The user has chosen another wallpaper meanwhile: that one is theirs now.
            ReadWallpaperSettings();
            if (!reg.OpenKey(kDesktopKey, false)) return;
        }

        std::wstring path = window.WallpaperPath;
        int placement = window.WallpaperStyle;
        if (!restore) {
            SkinSet& main = Face().MainSkin;
            Bitmap* background = main.Image(kImgBackGr);
            if (Shaking || (!background && window.DrawOnDesktop)) return;

            const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
            auto canvas = NewArgbBitmap(width, height);
            if (!canvas) return;
            {
                Graphics g(canvas.get());
                g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
                g.SetPixelOffsetMode(PixelOffsetModeHalf);
                ImagePtr picture =
                    window.WallpaperPath.empty() ? nullptr : LoadImageFile(window.WallpaperPath);
                DrawUserPicture(g, picture.get(), window.WallpaperStyle, Argb(window.WallpaperColor), width,
                                height);

                ImageAttributes attributes;
                if (window.Transparency && window.LevelTransparency < 255)
                    SetAlphaFactor(attributes, window.LevelTransparency);
                const RectF place{REAL(DesktopLeft), REAL(DesktopTop), REAL(Width()), REAL(Height())};
                if (background) {
                    const REAL bw = REAL(background->GetWidth()), bh = REAL(background->GetHeight());
                    if (window.MainSkinIndex == 0)
                        g.DrawImage(background, place, 0, 0, bw, bh, UnitPixel, &attributes);
                    else
                        g.DrawImage(background,
                                    RectF(REAL(DesktopLeft), REAL(DesktopTop), bw * window.MainScale,
                                          bh * window.MainScale),
                                    0, 0, bw - 1, bh - 1, UnitPixel, &attributes);
                }
                if (!window.DrawOnDesktop && main.clock)
                    g.DrawImage(main.clock.get(), place, 0, 0, REAL(main.clock->GetWidth()),
                                REAL(main.clock->GetHeight()), UnitPixel, &attributes);
            }
            CLSID bmp{};
            // A bitmap that could not be written is never registered.
            if (GetEncoderClsidByMime(L"image/bmp", bmp) < 0) return;
            if (canvas->Save(own.c_str(), &bmp, nullptr) != Ok) return;
            path = own;
            placement = kWallpaperStretched;
        }

        const WallpaperRegistryValues values = RegistryValuesOfPlacement(placement);
        reg.WriteString(L"Wallpaper", path);
        reg.WriteString(L"WallpaperStyle", values.wallpaperStyle);
        reg.WriteString(L"TileWallpaper", values.tileWallpaper);
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, nullptr, SPIF_SENDWININICHANGE);
    } catch (...) {
        // The registry could not be changed: the desktop keeps what it shows.
    }
}
