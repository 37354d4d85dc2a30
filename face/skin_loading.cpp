// Loading and freeing the main window's and the taskbar clock's skins.
#include <cmath>

#include "core/frm_horalto.h"
#include "face/clock_face.h"
#include "face/display_state.h"
#include "face/window_background.h"
#include "ui/application.h"

using namespace face;

namespace {

Argb ToArgb(int value) {
    return static_cast<Argb>(value);
}
int FromArgb(Argb value) {
    return static_cast<int>(value);
}

template <class Section>
TextLook LookOf(const Section& s) {
    return {s.TextFont, s.TextSize, s.TextStyle, s.TextAlign, ToArgb(s.TextColor)};
}

template <class Section>
void StoreLook(Section& s, const TextLook& look) {
    s.TextFont = look.font;
    s.TextSize = static_cast<float>(look.size);
    s.TextStyle = static_cast<std::uint8_t>(look.style);
    s.TextAlign = static_cast<std::uint8_t>(look.align);
    s.TextColor = FromArgb(look.color);
}

}  // namespace

DisplayState& TfrmHoralto::Face() {
    if (!FaceState) FaceState = std::make_shared<DisplayState>();
    return *FaceState;
}

void TfrmHoralto::DrawClockFace(SkinSet& set, const std::wstring& text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    face::DrawClockFace(set, text, now);
}

void TfrmHoralto::LoadSkin(const std::wstring& path, const std::wstring& section, bool tray,
                           bool useSkinScale) {
    DisplayState& state = Face();
    SkinSet& set = tray ? state.TraySkin : state.MainSkin;
    auto& window = Settings.Window;
    auto& clock = Settings.SystemClock;

    SkinLoadRequest request;
    request.path = path;
    request.section = section;
    request.tray = tray;
    request.programFolder = FolderOf(ui::Application().ExeName());
    request.instance = GetModuleHandleW(nullptr);
    request.scale.tray = tray;
    request.scale.autoTrayScale = tray && clock.AutoTrayScale;
    request.scale.trayPanelHeight = pnlTrayTime.Height();
    request.scale.useSkinScale = useSkinScale;
    request.scale.settingScale = tray ? clock.Scale : window.MainScale;
    request.scale.maxWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    request.scale.maxHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    request.shareFrom = tray && !clock.NewTraySkin ? &state.MainSkin : nullptr;
    request.timerInterval = int(tray ? tmrTrayTimer.Interval() : tmrTimer.Interval());

    SkinLoadResult result = LoadSkinSet(set, request);
    if (result.fellBack && !result.choiceKept) {
        // A skin whose file or section is gone: the catalogue choice follows
        // the skin actually shown. One that only cannot be shown now stays chosen.
        if (tray)
            clock.TraySkinIndex = result.fallbackIndex;
        else
            window.MainSkinIndex = result.fallbackIndex;
    }
    const int bitmapWidth = set.geometry.bitmapWidth, bitmapHeight = set.geometry.bitmapHeight;

    if (tray) {
        if (!request.scale.autoTrayScale) clock.Scale = static_cast<float>(result.scale);
        state.trayClockWidth = bitmapWidth + (clock.NoBorders ? 0 : GetSystemMetrics(SM_CXFIXEDFRAME));
        state.trayClockHeight = bitmapHeight;
        TextLook look = LookOf(clock);
        set.SetTextLook(MergeTextLook(look, set.skinText, clock.UseSkinTextFont, clock.UseSkinTextColor));
        StoreLook(clock, look);
        return;
    }

    window.MainScale = static_cast<float>(result.scale);
    TextLook look = LookOf(window);
    set.SetTextLook(MergeTextLook(look, set.skinText, window.UseSkinTextFont, window.UseSkinTextColor));
    StoreLook(window, look);
    SetBounds(Left(), Top(), bitmapWidth, bitmapHeight);

    const bool creating = Tag() == 1;
    if (window.DrawOnForm) {
        if (!creating && !Visible() && GetWindowState() != ui::wsMinimized) Show();
        if (window.CutBackgr) {
            // The shape: the skin's background colour, the window picture and
            // the face drawn over it.
            auto shape = NewArgbBitmap(bitmapWidth, bitmapHeight);
            if (shape) {
                Gdiplus::Graphics g(shape.get());
                g.Clear(Gdiplus::Color(Gdiplus::ARGB(set.BkGroundColor)));
                g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
                auto stretched = [&](Gdiplus::Bitmap* b) {
                    g.DrawImage(
                        b, Gdiplus::RectF(0, 0, Gdiplus::REAL(bitmapWidth), Gdiplus::REAL(bitmapHeight)), 0,
                        0, Gdiplus::REAL(b->GetWidth()), Gdiplus::REAL(b->GetHeight()), Gdiplus::UnitPixel);
                };
                if (Gdiplus::Bitmap* back = set.Image(kImgBackGr); back && !window.DrawOnDesktop)
                    stretched(back);
                DrawClockFace(set, lblDateTime.Caption());
                if (set.clock) stretched(set.clock.get());
            }
            SetRegionFromBitmap(shape.get(), window.TranspAdmis, window.TranspOutline);
        } else {
            SetRegionFromBitmap(nullptr, 0, 0);
        }
    } else if (!creating) {
        Hide();
    }
    if (!window.DrawOnForm || window.DrawOnDesktop) {
        ReadWallpaperSettings();
        DrawWallpaper(false);
    }
}

void TfrmHoralto::FreeSkinImages() {
    if (!tmrTimer.Enabled()) return;
    tmrTimer.SetEnabled(false);
    if (!Settings.Window.DrawOnForm || Settings.Window.DrawOnDesktop) DrawWallpaper(true);
    // Pictures shared with the taskbar clock stay alive there.
    Face().MainSkin.Clear();
    Face().layered.Clear();
}

bool TfrmHoralto::PointInWindowShape(int x, int y) {
    if (!FaceState || !FaceState->windowShape) return x >= 0 && y >= 0 && x < Width() && y < Height();
    return PtInRegion(FaceState->windowShape.Get(), x, y) != FALSE;
}
