// Window placement and behaviour: snapping to the screen's edges while the
// window moves, stay on top, minimising into the tray icon or the taskbar
// clock and back, and hiding or fading under the mouse.
#include <algorithm>

#include "core/edge_snap.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "timetext/speech/multi_speech.h"
#include "ui/application.h"
#include "ui/dialogs.h"

namespace {

std::optional<core::EdgeRect> TaskbarRect() {
    RECT r;
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar || !GetWindowRect(taskbar, &r)) return std::nullopt;
    return core::EdgeRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void TfrmHoralto::SnapToScreenEdges(TMessage&) {
    // Moves of the attention effect are no moves of the user's.
    if (Shaking || !HandleAllocated() || IsIconic(Handle())) return;
    const core::MainSettings& main = Settings.Main;
    if (main.StickToScreenBord) {
        const core::SnapArea area{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TaskbarRect(),
                                  main.StickToScreenBValue};
        const core::WindowPoint now{Left(), Top()};
        const core::WindowPoint snapped = core::SnapToEdges(now, Width(), Height(), area);
        // The move this makes comes back here and finds the place stable.
        if (snapped != now) SetBounds(snapped.left, snapped.top, Width(), Height());
    }
    const core::WindowSettings& window = Settings.Window;
    if ((!window.DrawOnForm || window.DrawOnDesktop) && Tag() == 0 && GetWindowState() != ui::wsMinimized) {
        DesktopLeft = Left();
        DesktopTop = Top();
        if (window.MainSkinIndex > 0) DrawWallpaper(false);
    }
}

void TfrmHoralto::EndWindowDrag(TMessage&) {
    Dragging = false;
    // The captured screen and the desktop background depend on what lies under the window.
    if (Tag() == 0 && (Settings.Window.FormFillType == 2 || Settings.Window.FormFillType == 3)) Repaint();
}

void TfrmHoralto::aStayOnTopExecute(ui::Component&) {
    SetFormStyle(aStayOnTop.Checked() ? ui::fsStayOnTop : ui::fsNormal);
    if (frmOptions) frmOptions->chbStayOnTop.SetChecked(aStayOnTop.Checked());
    if (Tag() == 0) RefreshDisplay(lblDateTime.Caption(), true, false);
}

void TfrmHoralto::aMinimizedExecute(ui::Component&) {
    const bool minimise = GetWindowState() != ui::wsMinimized;
    const bool hideWindow = Tag() == 0 && Settings.Window.DrawOnForm;
    if (minimise) {
        FreeSkinImages();
        // Hidden first, the window is minimised without showing itself again
        // and comes back un-minimised when it is shown.
        if (hideWindow) SetVisible(false);
        SetWindowState(ui::wsMinimized);
        aMinimized.SetImageIndex(3);
        aMinimized.SetCaption(L"Показать окно");
    } else {
        SetWindowState(ui::wsNormal);
        aMinimized.SetImageIndex(2);
        aMinimized.SetCaption(L"Свернуть окно");
        RefreshDisplay(BuildShownText(Settings.Main.FormatTextMain), true, false);
        if (hideWindow) SetVisible(true);
    }
    const core::MainSettings& main = Settings.Main;
    if (!aShowInTray.Checked() && main.MinimizeInSysClock) {
        // The minimised window's own place.
        if (minimise) {
            BuildTaskbarClock(false);
            tmrTrayTimerTimer(tmrTrayTimer);
        } else {
            RemoveTaskbarClock();
        }
    }
    if (!minimise) {
        const bool permanentIcon = aShowInTray.Checked() && !main.InSystemClock;
        if (TrayIconVisible() && !permanentIcon) SetTrayIconVisible(false);
    } else if (!pnlTrayTime.Visible() && !TrayIconVisible()) {
        // The tray icon is the way back, also where no taskbar clock could be
        // built (no system clock window, as on Wine's own desktop).
        if (!AddTrayIcon()) {
            // Refused: the window stays (a program starting minimised starts shown).
            ui::Application().SetShowMainForm(true);
            aMinimized.Execute();
            if (Tag() == 0)
                ui::ShowWarning(
                    L"Не удалось поместить значок программы в область уведомлений, поэтому окно не "
                    L"свёрнуто.");
        }
    }
}

void TfrmHoralto::GTrayIconRestore(ui::Component&) {
    if (MultiSpeech) MultiSpeech->Stop();
    aMinimized.Execute();
    ShowWindow(ui::Application().Handle(), SW_HIDE);
}

void TfrmHoralto::aShowInTrayExecute(ui::Component&) {
    const bool shown = aShowInTray.Checked();
    const bool minimised = GetWindowState() == ui::wsMinimized;
    const core::MainSettings& main = Settings.Main;
    if ((minimised && main.MinimizeInSysClock) || (shown && main.InSystemClock)) {
        if (!pnlTrayTime.Visible()) BuildTaskbarClock(false);
        // A minimised window without a taskbar clock keeps the tray icon.
        const bool iconNeeded = minimised && !pnlTrayTime.Visible();
        if (TrayIconVisible() != iconNeeded) SetTrayIconVisible(iconNeeded);
    } else {
        if (pnlTrayTime.Visible()) RemoveTaskbarClock();
        const bool wanted = minimised || shown;
        if (TrayIconVisible() != wanted) SetTrayIconVisible(wanted);
    }
    if (frmOptions) {
        // The check box follows without running its own handler.
        const int tag = frmOptions->Tag();
        frmOptions->SetTag(1);
        frmOptions->chbShowInTray.SetChecked(shown);
        frmOptions->SetTag(tag);
    }
}

void TfrmHoralto::FormMouseMove(ui::Component&, ui::ShiftState shift, int, int) {
    const core::WindowSettings& window = Settings.Window;
    if ((shift & ui::ssShift) || !window.MaskOnMouseMove || tmrMouseMove.Enabled()) return;
    tmrMouseMove.SetEnabled(true);
    if (!window.TransparentOnMouseMove) {
        Hide();
        if (window.DrawOnDesktop) DrawWallpaper(true);
        return;
    }
    if (window.FormFillType == 1) {
        UpdateLayered();  // composed with the faded alpha while the timer runs
        return;
    }
    const BYTE faded = static_cast<BYTE>(std::clamp(window.TranspValueOnMouseMove, 0, 255));
    if (AlphaBlend()) {
        if (AlphaBlendValue() < faded) SetAlphaBlendValue(faded);
    } else {
        SetAlphaBlendValue(255);
        SetAlphaBlend(true);
        if (HandleAllocated()) {
            RECT r;
            GetClientRect(Handle(), &r);
            ui::WindowDc dc(Handle());
            FillRect(dc.Get(), &r, ui::CachedBrush(Color()));
        }
        Repaint();
    }
    if (window.SmoothlyTransp) {
        while (AlphaBlendValue() > faded) SetAlphaBlendValue(static_cast<BYTE>(AlphaBlendValue() - 1));
    } else {
        SetAlphaBlendValue(faded);
    }
}

void TfrmHoralto::tmrMouseMoveTimer(ui::Component&) {
    if (GetWindowState() == ui::wsMinimized) {
        tmrMouseMove.SetEnabled(false);
        return;
    }
    // Inside the window's shape the window stays as it is; without a shape the
    // mouse counts as outside.
    POINT cursor{};
    GetCursorPos(&cursor);
    if (FaceState && FaceState->windowShape &&
        PtInRegion(FaceState->windowShape.Get(), cursor.x - Left(), cursor.y - Top()))
        return;
    tmrMouseMove.SetEnabled(false);
    const core::WindowSettings& window = Settings.Window;
    if (!window.TransparentOnMouseMove) {
        Show();
        BringToFront();
        if (window.DrawOnDesktop) DrawWallpaper(false);
        return;
    }
    if (window.FormFillType == 1) {
        UpdateLayered();  // the normal alpha again
    } else if (window.Transparency) {
        const BYTE level = static_cast<BYTE>(std::clamp(window.LevelTransparency, 0, 255));
        if (AlphaBlendValue() > level) SetAlphaBlendValue(level);
        if (window.SmoothlyTransp) {
            while (AlphaBlendValue() < level) SetAlphaBlendValue(static_cast<BYTE>(AlphaBlendValue() + 1));
        } else {
            SetAlphaBlendValue(level);
        }
    } else {
        if (window.SmoothlyTransp)
            while (AlphaBlendValue() < 255) SetAlphaBlendValue(static_cast<BYTE>(AlphaBlendValue() + 1));
        SetAlphaBlend(false);
        Repaint();
    }
}
