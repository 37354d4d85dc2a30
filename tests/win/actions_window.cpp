// The clock window's behaviour: snapping, stay on top, minimising into the
// tray icon, fading under the mouse, clicks and double clicks.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "win/actions_fixture.h"
#include "win/support/program_runner.h"

TEST_F(Clock, MovesSnapToTheScreenEdgesAndTheTaskbar) {
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    const int w = f.Width(), h = f.Height();
    f.SetBounds(4, 300, w, h);
    EXPECT_EQ(f.Left(), 0);
    f.SetBounds(6, 300, w, h);
    EXPECT_EQ(f.Left(), 6);
    f.SetBounds(300, -3, w, h);
    EXPECT_EQ(f.Top(), 0);
    f.SetBounds(GetSystemMetrics(SM_CXSCREEN) - w + 5, 300, w, h);
    EXPECT_EQ(f.Left(), GetSystemMetrics(SM_CXSCREEN) - w);

    // The taskbar's inner edge holds the window (the desktop's taskbar sits at the bottom).
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        RECT t;
        GetWindowRect(taskbar, &t);
        if (t.bottom >= GetSystemMetrics(SM_CYSCREEN) && t.top > 0) {
            f.SetBounds(300, t.top - h - 3, w, h);
            EXPECT_EQ(f.Top(), t.top - h);
            f.SetBounds(300, t.top - h + 3, w, h);
            EXPECT_EQ(f.Top(), t.top - h);
        }
    }

    // Snapping off: the window stays, and the wallpaper clock follows it.
    f.Settings.Main.StickToScreenBord = false;
    f.Settings.Window.DrawOnDesktop = true;
    f.SetBounds(3, 200, w, h);
    EXPECT_EQ(f.Left(), 3);
    EXPECT_EQ(f.DesktopLeft, 3);
    EXPECT_EQ(f.DesktopTop, 200);
    // While it shakes, neither reacts.
    f.Settings.Main.StickToScreenBord = true;
    f.Shaking = true;
    f.SetBounds(2, 210, w, h);
    EXPECT_EQ(f.Left(), 2);
    EXPECT_EQ(f.DesktopTop, 200);
    f.Shaking = false;
    f.Settings.Window.DrawOnDesktop = false;
}

TEST_F(Clock, StayOnTopFollowsTheAction) {
    ShowTextClock();
    frmHoralto->aStayOnTop.Execute();
    EXPECT_TRUE(frmHoralto->aStayOnTop.Checked());
    EXPECT_TRUE(GetWindowLongPtrW(frmHoralto->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    frmHoralto->aStayOnTop.Execute();
    EXPECT_FALSE(GetWindowLongPtrW(frmHoralto->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Clock, MinimiseAndRestoreRebuildTheDisplay) {
    ShowTextClock();
    frmHoralto->aMinimized.Execute();
    EXPECT_EQ(frmHoralto->GetWindowState(), ui::wsMinimized);
    EXPECT_FALSE(IsWindowVisible(frmHoralto->Handle()));
    EXPECT_FALSE(frmHoralto->tmrTimer.Enabled());
    EXPECT_EQ(frmHoralto->aMinimized.ImageIndex(), 3);
    // The tray icon's double click brings it back, without a taskbar button.
    frmHoralto->GTrayIconRestore(*frmHoralto);
    EXPECT_EQ(frmHoralto->GetWindowState(), ui::wsNormal);
    EXPECT_TRUE(IsWindowVisible(frmHoralto->Handle()));
    EXPECT_FALSE(IsIconic(frmHoralto->Handle()));
    EXPECT_TRUE(frmHoralto->tmrTimer.Enabled());
    EXPECT_EQ(frmHoralto->lblDateTime.Caption(), L"ГЛАВНЫЙ");
    EXPECT_EQ(frmHoralto->aMinimized.ImageIndex(), 2);
    EXPECT_FALSE(IsWindowVisible(ui::Application().Handle()));
}

TEST_F(Clock, TrayIconAsTheMinimisedPlaceAndAsThePermanentOne) {
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    f.Settings.Main.MinimizeInSysClock = false;
    ASSERT_FALSE(f.aShowInTray.Checked());
    EXPECT_FALSE(f.TrayIconVisible());
    f.aMinimized.Execute();
    EXPECT_TRUE(f.TrayIconVisible());
    // A click on it keeps it: it is the minimised window's place.
    f.GTrayIconClick(f);
    EXPECT_TRUE(f.TrayIconVisible());
    f.GTrayIconRestore(f);
    EXPECT_FALSE(f.TrayIconVisible());
    EXPECT_TRUE(IsWindowVisible(f.Handle()));

    // The permanent tray presence as an icon; the settings window's box follows.
    f.Settings.Main.InSystemClock = false;
    f.aShowInTray.Execute();
    EXPECT_TRUE(f.aShowInTray.Checked());
    EXPECT_TRUE(f.TrayIconVisible());
    EXPECT_TRUE(frmOptions->chbShowInTray.Checked());
    EXPECT_EQ(frmOptions->Tag(), 0);
    f.aShowInTray.Execute();
    EXPECT_FALSE(f.TrayIconVisible());
    EXPECT_FALSE(frmOptions->chbShowInTray.Checked());

    // An icon shown for something else (a planner balloon) goes with a click,
    // after the click's action.
    f.Settings.Mouse.MakeActionOnClick = true;
    f.Settings.Mouse.ActionOnClick = 13;
    f.Settings.Mouse.SpeakOnClick = false;
    f.SetTrayIconVisible(true);
    f.GTrayIconClick(f);
    EXPECT_FALSE(f.TrayIconVisible());
    EXPECT_TRUE(f.aSoundOnOff.Checked());
    // The settings window's stay-on-top box follows the action too.
    f.aStayOnTop.Execute();
    EXPECT_TRUE(frmOptions->chbStayOnTop.Checked());
    f.aStayOnTop.Execute();
}

namespace {

// The clock with a stand-in taskbar (tests/fixtures/taskbar, another process)
// that holds the taskbar clock; started before the windows look for it.
class ClockInTaskbar : public Clock {
  protected:
    void SetUp() override {
        const std::filesystem::path exe = testing_support::ThisExeDir() / L"fake_taskbar.exe";
        std::wstring cmd = L"\"" + exe.wstring() + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(
            CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_));
        WaitForInputIdle(pi_.hProcess, 5000);
        testing_support::WaitFor([&] { return TaskbarClockWindow(); });
        Clock::SetUp();
    }
    void TearDown() override {
        Clock::TearDown();
        if (!pi_.hProcess) return;
        if (taskbar_) PostMessageW(taskbar_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    bool TaskbarClockWindow() {
        for (HWND w = FindWindowW(L"Shell_TrayWnd", nullptr); w;
             w = FindWindowExW(nullptr, w, L"Shell_TrayWnd", nullptr))
            if (HWND n = FindWindowExW(w, nullptr, L"TrayNotifyWnd", nullptr))
                if (FindWindowExW(n, nullptr, L"TrayClockWClass", nullptr)) {
                    taskbar_ = w;
                    return true;
                }
        return false;
    }
    PROCESS_INFORMATION pi_{};
    HWND taskbar_ = nullptr;
};

}  // namespace

TEST_F(ClockInTaskbar, MinimisedIntoTheTaskbarClockAndBack) {
    ASSERT_NE(taskbar_, nullptr);
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    ASSERT_TRUE(f.Settings.Main.MinimizeInSysClock);
    ASSERT_FALSE(f.aShowInTray.Checked());
    f.aMinimized.Execute();
    EXPECT_TRUE(f.pnlTrayTime.Visible());
    EXPECT_FALSE(f.TrayIconVisible());
    f.aMinimized.Execute();
    EXPECT_FALSE(f.pnlTrayTime.Visible());
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
    EXPECT_TRUE(f.tmrTimer.Enabled());
    // The taskbar clock as the permanent presence: it stays when the window comes back.
    f.aShowInTray.Execute();
    EXPECT_TRUE(f.pnlTrayTime.Visible());
    f.aMinimized.Execute();
    f.aMinimized.Execute();
    EXPECT_TRUE(f.pnlTrayTime.Visible());
    f.aShowInTray.Execute();
    EXPECT_FALSE(f.pnlTrayTime.Visible());
}

TEST_F(Clock, FadesUnderTheMouseAndComesBackWhenItLeaves) {
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    auto& w = f.Settings.Window;
    // The handlers are driven from here: the real mouse and timer stay out.
    f.OnMouseMove = nullptr;
    f.lblDateTime.OnMouseMove = nullptr;
    f.tmrMouseMove.OnTimer = nullptr;
    w.MaskOnMouseMove = true;
    w.TransparentOnMouseMove = true;
    w.TranspValueOnMouseMove = 60;
    w.Transparency = false;
    // Shift held: nothing.
    f.FormMouseMove(f, ui::ssShift, 5, 5);
    EXPECT_FALSE(f.tmrMouseMove.Enabled());
    EXPECT_FALSE(f.AlphaBlend());
    f.FormMouseMove(f, 0, 5, 5);
    EXPECT_TRUE(f.tmrMouseMove.Enabled());
    EXPECT_TRUE(f.AlphaBlend());
    EXPECT_EQ(f.AlphaBlendValue(), 60);
    // A shape around the whole window: while the cursor is inside it stays
    // faded. The window moves to and from the cursor (moving the cursor itself
    // reaches the system's report late under Wine).
    f.Settings.Main.StickToScreenBord = false;
    const POINT cursor = StillCursor();
    const int w0 = f.Width(), h0 = f.Height();
    f.Face().windowShape = ui::RegionHandle(CreateRectRgn(0, 0, w0, h0));
    f.SetBounds(cursor.x - w0 / 2, cursor.y - h0 / 2, w0, h0);
    f.tmrMouseMoveTimer(f.tmrMouseMove);
    EXPECT_TRUE(f.tmrMouseMove.Enabled());
    EXPECT_EQ(f.AlphaBlendValue(), 60);
    // Outside it comes back (no transparency wanted: alpha blending off).
    f.SetBounds(cursor.x + 50, cursor.y + 50, w0, h0);
    f.tmrMouseMoveTimer(f.tmrMouseMove);
    EXPECT_FALSE(f.tmrMouseMove.Enabled());
    EXPECT_FALSE(f.AlphaBlend());

    // With its own transparency, step by step back to that level.
    w.Transparency = true;
    w.LevelTransparency = 200;
    w.SmoothlyTransp = true;
    f.SetAlphaBlendValue(200);
    f.SetAlphaBlend(true);
    f.FormMouseMove(f, 0, 5, 5);
    EXPECT_EQ(f.AlphaBlendValue(), 60);
    // Without a shape the mouse counts as outside: back on the next tick.
    f.Face().windowShape = ui::RegionHandle();
    f.SetBounds(cursor.x - w0 / 2, cursor.y - h0 / 2, w0, h0);
    f.tmrMouseMoveTimer(f.tmrMouseMove);
    EXPECT_TRUE(f.AlphaBlend());
    EXPECT_EQ(f.AlphaBlendValue(), 200);

    // Hiding instead of fading.
    w.TransparentOnMouseMove = false;
    f.FormMouseMove(f, 0, 5, 5);
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    f.tmrMouseMoveTimer(f.tmrMouseMove);
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
    EXPECT_FALSE(f.tmrMouseMove.Enabled());
}

TEST_F(Clock, ClickTextsShowForTheirDelayOrStay) {
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    auto& m = f.Settings.Mouse;
    m.FormatTextOnClick = L"ОДИН";
    m.FormatTextOnDblClick = L"ДВА";
    m.SpeakOnDblClick = false;
    m.MakeActionOnDblClick = true;
    m.ActionOnDblClick = 13;
    // A double click: its text, its action, and the next press is skipped.
    f.FormDblClick(f);
    EXPECT_TRUE(f.ClickIsDouble);
    EXPECT_TRUE(f.SkipNextMouseDown);
    EXPECT_EQ(f.lblDateTime.Caption(), L"ДВА");
    EXPECT_EQ(f.tmrDelay.Tag(), 1);
    EXPECT_TRUE(f.tmrDelay.Enabled());
    EXPECT_TRUE(f.aSoundOnOff.Checked());
    // The delay counts in 500 ms steps and ends at the first count above 2000.
    for (int i = 0; i < 4; ++i) f.tmrDelayTimer(f.tmrDelay);
    EXPECT_EQ(f.tmrDelay.Tag(), 1);
    f.tmrDelayTimer(f.tmrDelay);
    EXPECT_EQ(f.tmrDelay.Tag(), 0);
    EXPECT_FALSE(f.tmrDelay.Enabled());
    EXPECT_EQ(f.lblDateTime.Caption(), L"ГЛАВНЫЙ");

    // "Постоянно": the text stays until the next click switches it off.
    f.ClickIsDouble = false;
    m.ShowConstOnClick = true;
    f.ShowTextForDelay(L"ОДИН");
    EXPECT_EQ(f.tmrDelay.Tag(), 1);
    EXPECT_FALSE(f.tmrDelay.Enabled());
    f.ShowTextForDelay(L"ОДИН");
    EXPECT_EQ(f.tmrDelay.Tag(), 0);
}

TEST_F(Clock, SingleAndDoubleClicksWithTheMouse) {
    ShowTextClock(200, 200);
    TfrmHoralto& f = *frmHoralto;
    auto& m = f.Settings.Mouse;
    m.FormatTextOnClick = L"ОДИН";
    m.FormatTextOnDblClick = L"ДВА";
    m.DelayOnClick = 600;
    m.SpeakOnClick = false;
    m.SpeakOnDblClick = false;
    m.MakeActionOnClick = false;
    m.MakeActionOnDblClick = true;
    m.ActionOnDblClick = 13;
    const RECT r = WindowRect();
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;

    // A single click: after the wait its text, then the main text again.
    ClickAt(x, y);
    ASSERT_TRUE(PumpUntil([&] { return f.lblDateTime.Caption() == L"ОДИН"; }, 2000));
    EXPECT_FALSE(f.ClickIsDouble);
    EXPECT_TRUE(PumpUntil([&] { return f.lblDateTime.Caption() == L"ГЛАВНЫЙ"; }, 2500));
    EXPECT_FALSE(f.aSoundOnOff.Checked());
    EXPECT_EQ(f.Left(), r.left);  // a click without a move leaves the window where it was

    // A double click: its text and action; the single-click text never comes.
    Pump(600);  // not a double click with the click above
    ClickAt(x, y);
    ClickAt(x, y);
    ASSERT_TRUE(PumpUntil([&] { return f.aSoundOnOff.Checked(); }, 2000));
    EXPECT_TRUE(f.ClickIsDouble);
    Pump(600);
    EXPECT_EQ(f.lblDateTime.Caption(), L"ДВА");
    EXPECT_FALSE(f.SkipNextMouseDown);
}
