// The clock window's behaviour: snapping, stay on top, minimising, fading
// under the mouse, clicks and double clicks, the skin menu and the mouse hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "win/support/program_runner.h"

namespace {

template <class F>
bool PumpUntil(F done, DWORD ms = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        ui::Application().ProcessMessages();
        ui::Application().WaitForMessage(10);
    }
    return true;
}

void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// Mouse input at a screen point, as the user gives it.
void MouseAt(int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    in.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &in, sizeof in);
}
// Puts the cursor at a screen point and waits until the system reports it there.
bool CursorAt(int x, int y) {
    SetCursorPos(x, y);
    return PumpUntil([&] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == x && p.y == y;
    });
}
void ClickAt(int x, int y) {
    MouseAt(x, y, 0);
    MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
    MouseAt(x, y, MOUSEEVENTF_LEFTUP);
}

class Clock : public testing::Test {
  protected:
    void SetUp() override {
        InitUnitGlobals();
        IniFileName = dir_.Path() / L"Horalto.ini";
        WorkLogFileName = dir_.Path() / L"WindowsWorkLog.txt";
        FileListsFileName = dir_.Path() / L"FileLists.txt";
        TasksListFileName = dir_.Path() / L"TasksList.tsk";
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
        // No hot keys in the way of other processes.
        frmOptions->UnregisterHotKeys();
    }
    // The clock shown as text on a plain background, its first paint done.
    void ShowTextClock(int left = 300, int top = 300) {
        auto& w = frmHoralto->Settings.Window;
        w.MainSkinIndex = 0;
        w.FormFillType = 0;
        w.MaskOnMouseMove = false;
        frmHoralto->Settings.Main.FormatTextMain = L"ГЛАВНЫЙ";
        frmHoralto->SetBounds(left, top, frmHoralto->Width(), frmHoralto->Height());
        frmHoralto->Show();
        ASSERT_TRUE(PumpUntil([] { return frmHoralto->Tag() == 0 && frmHoralto->tmrTimer.Enabled(); }));
    }
    void TearDown() override {
        ui::Application().DestroyForms();
        frmHoralto = nullptr;
    }
    RECT WindowRect() const {
        RECT r;
        GetWindowRect(frmHoralto->Handle(), &r);
        return r;
    }
    testing_support::ScratchDir dir_{L"actions-window"};
};

}  // namespace

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
    // A shape around the whole window: while the cursor is inside it stays faded.
    const RECT r = WindowRect();
    f.Face().windowShape = ui::RegionHandle(CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top));
    ASSERT_TRUE(CursorAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    f.tmrMouseMoveTimer(f.tmrMouseMove);
    EXPECT_TRUE(f.tmrMouseMove.Enabled());
    EXPECT_EQ(f.AlphaBlendValue(), 60);
    // Outside it comes back (no transparency wanted: alpha blending off).
    ASSERT_TRUE(CursorAt(r.right + 50, r.bottom + 50));
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
    ASSERT_TRUE(CursorAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
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

TEST_F(Clock, SkinMenuFollowsTheCatalogueAndThePlaceItOpenedFrom) {
    TfrmHoralto& f = *frmHoralto;
    f.SkinNames.Add(L"Моя");
    f.SkinFiles.Add(L"skins\\my.qsk");
    f.BuildSkinMenu();
    ASSERT_EQ(f.pmiSkins.Count(), 2 + 5);
    EXPECT_EQ(f.pmiSkins[2].Name(), L"pmiSkin0");
    EXPECT_EQ(f.pmiSkins[6].Name(), L"pmiSkin4");
    EXPECT_EQ(f.pmiSkins[6].Caption(), L"Моя");
    EXPECT_EQ(f.pmiSkins[6].Tag(), 4);

    f.Settings.Window.MainSkinIndex = 1;
    f.Settings.SystemClock.TraySkinIndex = 3;
    bool handled = false;
    f.FormContextPopup(f, POINT{1, 1}, handled);
    f.pmnMenuPopup(f.pmnMenu);
    EXPECT_EQ(f.pmiSkins.Caption(), L"Шкура главного окна");
    EXPECT_EQ(f.pmiSkinOptions.ImageIndex(), 21);
    for (int i = 2; i < f.pmiSkins.Count(); ++i) EXPECT_EQ(f.pmiSkins[i].Default(), i == 3) << i;
    f.pnlTrayTimeContextPopup(f.pnlTrayTime, POINT{1, 1}, handled);
    f.pmnMenuPopup(f.pmnMenu);
    EXPECT_EQ(f.pmiSkins.Caption(), L"Шкура окна в трее");
    EXPECT_EQ(f.pmiSkinOptions.ImageIndex(), 23);
    for (int i = 2; i < f.pmiSkins.Count(); ++i) EXPECT_EQ(f.pmiSkins[i].Default(), i == 5) << i;

    // From the taskbar clock: its skin.
    f.pmiSkins[4].Click();
    EXPECT_EQ(f.Settings.SystemClock.TraySkinIndex, 2);
    EXPECT_TRUE(f.Settings.SystemClock.UseTraySkis);
    EXPECT_TRUE(f.Settings.SystemClock.NewTraySkin);
    EXPECT_EQ(f.pnlTrayTime.Tag(), 0);
    f.pmiSkins[2].Click();
    EXPECT_FALSE(f.Settings.SystemClock.UseTraySkis);
    f.pmiSkinOptions.Click();
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 2);
    // A stale item (the catalogue shrank) does nothing.
    f.SkinNames.Delete(4);
    f.pmiSkins[6].Click();
    EXPECT_EQ(f.Settings.SystemClock.TraySkinIndex, 0);
    // From the window: the main skin.
    f.FormContextPopup(f, POINT{1, 1}, handled);
    f.pmiSkins[2].Click();
    EXPECT_EQ(f.Settings.Window.MainSkinIndex, 0);
    f.pmiSkinOptions.Click();
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 1);
}

TEST_F(Clock, PressOnThePlannerEntryOpensThePlannerPage) {
    TfrmHoralto& f = *frmHoralto;
    EXPECT_NE(MouseHook, nullptr);
    f.MouseHookPress(WM_MOUSEMOVE, &f.pmiTasks);
    f.MouseHookPress(WM_LBUTTONDOWN, &f.pmiOptions);
    f.MouseHookPress(WM_LBUTTONDOWN, nullptr);
    EXPECT_FALSE(frmOptions->Visible());
    f.MouseHookPress(WM_RBUTTONDOWN, &f.pmiTasks);
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    frmOptions->pgcOptions.SetActivePageIndex(0);
    f.MouseHookPress(WM_LBUTTONDOWN, &f.pmiTasks);
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
}

namespace {

// The settings window made on a settings file with these mouse keys.
class MousePage : public testing::Test {
  protected:
    void SetUp() override {
        InitUnitGlobals();
        IniFileName = dir_.Path() / L"Horalto.ini";
        WorkLogFileName = dir_.Path() / L"WindowsWorkLog.txt";
        FileListsFileName = dir_.Path() / L"FileLists.txt";
        TasksListFileName = dir_.Path() / L"TasksList.tsk";
        base::IniFile ini(IniFileName);
        ini.WriteString(L"Mouse", L"ActionOnClick", L"24");
        ini.WriteString(L"Mouse", L"MakeActionOnClick", L"1");
        ini.WriteString(L"Mouse", L"ActionOnDblClick", L"278");  // no action number: the default 0
        ini.WriteString(L"Mouse", L"ShowConstOnDblClick", L"1");
        ini.UpdateFile();
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
        frmOptions->UnregisterHotKeys();
    }
    void TearDown() override {
        ui::Application().DestroyForms();
        frmHoralto = nullptr;
    }
    testing_support::ScratchDir dir_{L"actions-mouse"};
};

}  // namespace

TEST_F(MousePage, LoadsTheClickSettingsAndEnablesItsParts) {
    TfrmOptions& o = *frmOptions;
    EXPECT_EQ(o.tbsMouse.Caption(), L"Мышь");
    EXPECT_TRUE(o.chbActionsOnClick.Checked());
    EXPECT_EQ(o.cbeActionOnClick.ItemIndex(), 24);
    EXPECT_TRUE(o.cbeActionOnClick.Enabled());
    // A computer action shows the force box, and the combo ends before it.
    EXPECT_TRUE(o.chbForseActionOnClick.Visible());
    EXPECT_TRUE(o.chbForseActionOnClick.Enabled());
    EXPECT_EQ(o.cbeActionOnClick.Left() + o.cbeActionOnClick.Width(),
              o.pnlMouseClick.Width() - o.chbForseActionOnClick.Width() - 15);
    EXPECT_EQ(o.cbeActionOnDblClick.ItemIndex(), 0);
    EXPECT_FALSE(o.chbForseActionOnDblClick.Visible());
    EXPECT_EQ(o.cbeActionOnDblClick.Left() + o.cbeActionOnDblClick.Width(), o.pnlMouseDblClick.Width() - 10);
    EXPECT_EQ(o.speDelayOnClick.Value(), 2000);
    EXPECT_TRUE(o.speDelayOnClick.Enabled());
    // "Постоянно" on the double click: its delay is of no use.
    EXPECT_TRUE(o.chbShowConstOnDblClick.Checked());
    EXPECT_FALSE(o.speDelayOnDblClick.Enabled());
    EXPECT_FALSE(o.lblMs2.Enabled());
    // The format editors sit in their panels with the click's texts.
    EXPECT_EQ(o.freFormatTextOnClick.Parent(), &o.pnlMouseClick);
    EXPECT_EQ(o.freFormatSpeakOnDblClick.Parent(), &o.pnlMouseDblClick);
    EXPECT_EQ(o.freFormatTextOnClick.memFormatText.Text(), L"Работал W<%dtt>");
    EXPECT_TRUE(o.freFormatTextOnClick.chbShowFormatText.Checked());
    EXPECT_FALSE(o.freFormatSpeakOnDblClick.chbShowFormatText.Checked());
}

TEST_F(MousePage, ChangesReachTheClockAtOnce) {
    TfrmOptions& o = *frmOptions;
    auto& m = frmHoralto->Settings.Mouse;
    o.cbeActionOnClick.SetItemIndex(21);
    o.cbeActionOnClickChange(o.cbeActionOnClick);
    EXPECT_EQ(m.ActionOnClick, 21);
    EXPECT_FALSE(o.chbForseActionOnClick.Visible());
    EXPECT_EQ(o.cbeActionOnClick.Left() + o.cbeActionOnClick.Width(), o.pnlMouseClick.Width() - 10);
    o.chbForseActionOnDblClick.SetChecked(false);
    EXPECT_FALSE(m.ForseActionOnDblClick);
    o.speDelayOnClick.SetValue(3500);
    EXPECT_EQ(m.DelayOnClick, 3500);
    o.chbShowConstOnClick.SetChecked(true);
    EXPECT_TRUE(m.ShowConstOnClick);
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    o.chbMakeActionOnDblClick.SetChecked(false);
    EXPECT_FALSE(m.MakeActionOnDblClick);
    EXPECT_FALSE(o.cbeActionOnDblClick.Enabled());

    // The click text's show box: "Постоянно" and the delay follow it, and a
    // text on show ends when it is switched off.
    o.chbShowConstOnClick.SetChecked(false);
    frmHoralto->tmrDelay.SetTag(1);
    o.freFormatTextOnClick.chbShowFormatText.SetChecked(false);
    EXPECT_FALSE(m.TextOnClick);
    EXPECT_EQ(frmHoralto->tmrDelay.Tag(), 0);
    EXPECT_FALSE(o.chbShowConstOnClick.Enabled());
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    o.freFormatTextOnClick.chbShowFormatText.SetChecked(true);
    EXPECT_TRUE(m.TextOnClick);
    EXPECT_TRUE(o.chbShowConstOnClick.Enabled());
    EXPECT_TRUE(o.speDelayOnClick.Enabled());

    // Switching the single click off ends a click text on show.
    frmHoralto->tmrDelay.SetTag(1);
    o.chbActionsOnClick.SetChecked(false);
    EXPECT_FALSE(m.ActionsOnClick);
    EXPECT_EQ(frmHoralto->tmrDelay.Tag(), 0);
    EXPECT_FALSE(o.chbShowConstOnClick.Enabled());
    EXPECT_FALSE(o.chbMakeActionOnClick.Enabled());
    EXPECT_FALSE(o.cbeActionOnClick.Enabled());
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    EXPECT_FALSE(o.freFormatTextOnClick.chbShowFormatText.Enabled());
    EXPECT_FALSE(o.freFormatSpeakOnClick.memFormatText.Enabled());
    EXPECT_TRUE(o.freFormatTextOnDblClick.chbShowFormatText.Enabled());

    // While the window loads its values, the handlers only enable and disable.
    o.SetTag(1);
    o.chbActionsOnClick.SetChecked(true);
    o.speDelayOnClick.SetValue(100);
    EXPECT_FALSE(m.ActionsOnClick);
    EXPECT_EQ(m.DelayOnClick, 3500);
    EXPECT_TRUE(o.chbShowConstOnClick.Enabled());
    o.SetTag(0);
}
