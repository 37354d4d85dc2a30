// What the main window keeps for its clock display besides its settings: the
// two skin sets, a copy of the window shape, the captured screen under the
// window and the state of the attention effect.
#pragma once

#include <windows.h>

#include <memory>

#include "face/skin_set.h"
#include "ui/gdiplus_session.h"
#include "ui/handles.h"

namespace face {

struct DisplayState {
    // GDI+ stays up for as long as the objects below (declared first, so
    // destroyed last).
    ui::GdiplusSession gdiplus;
    SkinSet MainSkin;
    SkinSet TraySkin;
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
};

}  // namespace face
