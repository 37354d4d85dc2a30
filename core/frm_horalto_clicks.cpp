// Mouse clicks on the clock: the single and the double click with their
// texts, speech and actions; the tray icon's click and menu.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "ui/application.h"

void TfrmHoralto::FormMouseDown(ui::Component&, ui::MouseButton button, ui::ShiftState, int, int) {
    if (button != ui::mbLeft) return;
    if (SkipNextMouseDown) {
        // The second press of a double click starts no drag: its handler may
        // have opened a window meanwhile (the about box), and a move loop
        // started then would wait for a button that is already up, holding
        // the window to the mouse and swallowing the program's quit.
        SkipNextMouseDown = false;
        return;
    }
    // The user drags the window; this returns when the button is released.
    Dragging = true;
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    // Told to end while the window was dragged (its close hot key, a quit
    // from outside): the click does nothing more.
    if (ui::Application().Terminated()) return;
    ClickIsDouble = false;
    const core::MouseSettings& mouse = Settings.Mouse;
    if (mouse.ActionsOnClick) {
        if (mouse.TextOnClick) {
            // A double click that comes meanwhile is handled inside the wait.
            WaitWithMessages(400);
            if (!ClickIsDouble) ShowTextForDelay(BuildShownText(mouse.FormatTextOnClick));
        }
        if (!aSoundOnOff.Checked() && mouse.SpeakOnClick)
            SpeakText(BuildSpokenText(mouse.FormatSpeakOnClick));
        if (mouse.MakeActionOnClick && frmOptions)
            frmOptions->DoKeyAction(mouse.ActionOnClick, mouse.ForseActionOnClick);
    }
    if (!(mouse.ActionsOnClick && mouse.TextOnClick) && tmrDelay.Tag() != 0) ClickIsDouble = true;
}

void TfrmHoralto::FormDblClick(ui::Component&) {
    if (frmOptions) frmOptions->btnStop.Click();
    ClickIsDouble = true;
    const core::MouseSettings& mouse = Settings.Mouse;
    if (mouse.ActionsOnDblClick) {
        if (mouse.TextOnDblClick) ShowTextForDelay(BuildShownText(mouse.FormatTextOnDblClick));
        if (!aSoundOnOff.Checked() && mouse.SpeakOnDblClick)
            SpeakText(BuildSpokenText(mouse.FormatSpeakOnDblClick));
        if (mouse.MakeActionOnDblClick && frmOptions)
            frmOptions->DoKeyAction(mouse.ActionOnDblClick, mouse.ForseActionOnDblClick);
    }
    SkipNextMouseDown = true;
}

void TfrmHoralto::ShowTextForDelay(const std::wstring& text) {
    ClickTextTime = 0;
    // Each click switches the click text on or off.
    tmrDelay.SetTag(tmrDelay.Tag() == 0 ? 1 : 0);
    const bool stays = ClickIsDouble ? Settings.Mouse.ShowConstOnDblClick : Settings.Mouse.ShowConstOnClick;
    if (!stays && tmrDelay.Tag() == 1) tmrDelay.SetEnabled(true);
    RefreshDisplay(text, false, false);
}

void TfrmHoralto::tmrDelayTimer(ui::Component&) {
    if (tmrDelay.Tag() == 0) tmrDelay.SetEnabled(false);
    ClickTextTime += static_cast<int>(tmrDelay.Interval());
    const int delay = ClickIsDouble ? Settings.Mouse.DelayOnDblClick : Settings.Mouse.DelayOnClick;
    if (ClickTextTime <= delay) return;
    tmrDelay.SetTag(0);
    tmrDelay.SetEnabled(false);
    RefreshDisplay(BuildShownText(Settings.Main.FormatTextMain), false, false);
}

void TfrmHoralto::GTrayIconClick(ui::Component& sender) {
    TrayClockClick(sender);
    TrayIconShowBalloonHint(L"", Hint(), 0, 1);
    // A tray icon that is neither the minimised window's place nor the
    // permanent one (a planner balloon's) goes with the click.
    const bool minimisedPlace =
        GetWindowState() == ui::wsMinimized && (!Settings.Main.MinimizeInSysClock || !pnlTrayTime.Visible());
    const bool permanent = aShowInTray.Checked() && !Settings.Main.InSystemClock;
    if (TrayIconVisible() && !minimisedPlace && !permanent && Tag() == 0) SetTrayIconVisible(false);
}

void TfrmHoralto::GTrayIconMouseUp(ui::Component&, ui::MouseButton button, ui::ShiftState, int, int) {
    MenuFromTrayClock = false;
    if (button == ui::mbRight) TrayIconShowMenu();
}

void TfrmHoralto::FormContextPopup(ui::Component&, POINT, bool&) {
    MenuFromTrayClock = false;
}

void TfrmHoralto::pnlTrayTimeContextPopup(ui::Component&, POINT, bool&) {
    MenuFromTrayClock = true;
}
