// What the main window keeps for its clock display besides its settings: the
// two skin sets, a copy of the window shape, the captured screen under the
// window and the state of the attention effect.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "face/layered_frame.h"
#include "face/skin_set.h"
#include "ui/gdiplus_session.h"
#include "ui/graphics.h"
#include "ui/handles.h"
#include "ui/image.h"
#include "ui/panels.h"

namespace face {

// The taskbar's windows (another program's), looked up by class name.
struct TaskbarWindowHandles {
    HWND taskbar = nullptr;      // "Shell_TrayWnd"
    HWND notifyArea = nullptr;   // "TrayNotifyWnd"
    HWND iconToolbar = nullptr;  // "ToolbarWindow32"
    HWND clock = nullptr;        // "TrayClockWClass"
    HWND taskBand = nullptr;     // "ReBarWindow32"
    HWND desktopIcons = nullptr;
};

// Looks the taskbar's windows up again, and only that.
void LookUpTaskbarWindows(TaskbarWindowHandles& windows);

// The taskbar clock besides its panel: the windows it lives in, its picture
// and text controls and what they show.
struct TaskbarClockState {
    TaskbarWindowHandles windows;
    bool clockWasVisible = true;  // the system clock's own visibility before the panel went in
    // The clock is to be shown: while the taskbar is missing, each tick looks for it again.
    bool wanted = false;
    // Made once, children of the panel: the picture filling it, and the label
    // that carries the text, its font and its alignment in text mode (the
    // picture paints the text, so that the background shows around it).
    std::unique_ptr<ui::Image> image;
    std::unique_ptr<ui::Label> label;
    // The panel's colour with the background picture; the clock face goes over
    // it on every tick.
    std::unique_ptr<Gdiplus::Bitmap> base;
    std::unique_ptr<Gdiplus::Bitmap> frame;
    // The hook library, loaded on first use.
    ui::ModuleHandle hookLibrary;
};

// What the text-only clock keeps between ticks: the GDI+ font it draws with,
// whether the window font is a vector font, and the size of the last text.
struct TextLayoutCache {
    // What the font and the measure depend on.
    struct Key {
        ui::Font windowFont;
        std::wstring font;
        double size = 0;  // points, as set (the font takes the whole points)
        int style = 0;
        bool operator==(const Key&) const = default;
    };
    std::optional<Key> key;
    std::unique_ptr<Gdiplus::Font> font;
    bool vector = true;
    // The last text measured, and its size.
    std::optional<std::wstring> text;
    int width = 0, lineHeight = 0;
};

struct DisplayState {
    // GDI+ stays up for as long as the objects below (declared first, so
    // destroyed last).
    ui::GdiplusSession gdiplus;
    SkinSet MainSkin;
    SkinSet TraySkin;
    TextLayoutCache textLayout;
    // The layered window's picture and the parts of it kept between ticks.
    LayeredFrame layered;
    // A copy of the window shape for the mouse test (none: the whole window).
    ui::RegionHandle windowShape;
    // The screen under the window (background mode 2) and where it was taken.
    std::unique_ptr<Gdiplus::Bitmap> captured;
    RECT capturedRect{};
    bool capturing = false;     // a capture runs: its own show and paint take no new one
    bool captureWanted = true;  // the next paint takes a new copy
    // The taskbar clock's size, set by loading its skin.
    int trayClockWidth = 0;
    int trayClockHeight = 0;
    TaskbarClockState taskbarClock;
};

}  // namespace face
