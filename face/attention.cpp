// The attention effect that planner tasks ask for: the clock window shakes for
// four seconds; a clock that lives only in the wallpaper pulses instead.
#include <cstdlib>
#include <ctime>

#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/window_background.h"
#include "ui/application.h"

void TfrmHoralto::ShakeWindow() {
    if (GetWindowState() == ui::wsMinimized) return;
    auto& window = Settings.Window;
    Shaking = true;
    std::srand(unsigned(std::time(nullptr)));
    const int left = Left(), top = Top();
    const float scale = window.MainScale;
    const bool shown = window.DrawOnForm || window.DrawOnDesktop;
    const DWORD step = shown ? 60 : 600;
    const DWORD start = GetTickCount();
    DWORD last = start;
    bool grown = false;

    auto offset = [] { return std::rand() % 7 - 3; };
    auto grow = [&] {
        const int width = Width(), height = Height();
        if (width > 0) window.MainScale = scale * float(width + 12) / float(width);
        SetBounds(left - 6, top - 6, width + 12, height + 12);
        grown = true;
    };
    auto shrink = [&] {
        SetBounds(left, top, Width() - 12, Height() - 12);
        window.MainScale = scale;
        grown = false;
    };

    while (GetTickCount() - start <= 4000) {
        if (!ui::Application().ProcessMessages()) break;  // the program is ending
        const DWORD now = GetTickCount();
        if (now - last >= step) {
            last = now;
            if (shown) {
                SetBounds(left + offset(), top + offset(), Width(), Height());
                if (!window.DrawOnForm) tmrTimerTimer(tmrTimer);
            } else {
                grown ? shrink() : grow();
                Shaking = false;
                tmrTimerTimer(tmrTimer);
                Shaking = true;
            }
        }
        ui::Application().WaitForMessage(10);
    }

    SetBounds(left, top, Width(), Height());
    Shaking = false;
    if (!shown) {
        if (grown) {
            shrink();
            tmrTimerTimer(tmrTimer);
        }
    } else if (!window.DrawOnForm) {
        // Wipe what the shaking left on the desktop.
        if (HWND desktop = face::FindDesktopIconWindow()) {
            RECT r{left - 3, top - 3, left + Width() + 6, top + Height() + 6};
            MapWindowPoints(nullptr, desktop, reinterpret_cast<POINT*>(&r), 2);
            RedrawWindow(desktop, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        tmrTimerTimer(tmrTimer);
    }
}
