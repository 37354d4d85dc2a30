// The taskbar clock inside a stand-in taskbar (tests/fixtures/taskbar, another
// process): text and skin clocks, the widened notification area, the system
// clock's own visibility, a taskbar made anew, WM_USER+6, the double click,
// and the hook library Quellix.dll, alone and in a running program.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <commctrl.h>

#include "components/balloon_hint.h"
#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/gdiplus_util.h"
#include "face/taskbar_clock.h"
#include "face/taskbar_layout.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "win/support/fake_taskbar.h"
#include "win/support/program_runner.h"

using namespace face;
using testing_support::ThisExeDir;
namespace fs = std::filesystem;

namespace {

void Pump(DWORD ms = 100) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

RECT RectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}
int WidthOf(HWND hwnd) {
    const RECT r = RectOf(hwnd);
    return r.right - r.left;
}

// Quellix.dll as the build puts it beside the program.
fs::path HookLibrary() {
    return testing_support::HoraltoExe().parent_path() / L"Quellix.dll";
}

int trayUpdates = 0;
LRESULT CALLBACK CountTrayUpdates(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER + 6) ++trayUpdates;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// The system clock is repainted in its own process. Once its update region is
// empty, whatever the hook posted on that paint is in this thread's queue.
void RepaintSystemClock(HWND clock) {
    InvalidateRect(clock, nullptr, TRUE);
    testing_support::WaitFor([&] { return !GetUpdateRect(clock, nullptr, FALSE); });
    Pump(0);
}

void ResizeSystemClock(HWND clock, int grow) {
    RECT r = RectOf(clock);
    MapWindowPoints(nullptr, GetParent(clock), reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(clock, r.left, r.top, r.right - r.left + grow, r.bottom - r.top, FALSE);
}

// Lets the messages flow until `done` holds, or for 15 s; whether it came.
bool WaitFor(const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); Pump(10))
        if (GetTickCount() - start > 15000) return false;
    return true;
}

using testing_support::FakeTaskbarProcess;
using Taskbar = testing_support::TaskbarWindows;

// With HORALTO_SCREENSHOTS set to a folder, the taskbar's strip of the screen
// is saved there as <name>.png (for looking at, not for checking). Under Wine
// a child window of another process's window is never put on the screen, so
// the clock's panel is painted into the picture at its place.
void Screenshot(const wchar_t* name, TfrmHoralto& f) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"HORALTO_SCREENSHOTS", folder, MAX_PATH)) return;
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int left = sw - 400, top = sh - 40;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 40);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 400, 40, screen, left, top, SRCCOPY);
    if (f.pnlTrayTime.Visible() && f.pnlTrayTime.HandleAllocated()) {
        RECT r;
        GetWindowRect(f.pnlTrayTime.Handle(), &r);
        OffsetRect(&r, -left, -top);
        PaintTaskbarClock(f, memory, r);
    }
    SelectObject(memory, old);
    {
        Gdiplus::Bitmap shot(bitmap, nullptr);
        CLSID png{};
        if (GetEncoderClsidByMime(L"image/png", png) >= 0)
            shot.Save((std::wstring(folder) + L"\\" + name + L".png").c_str(), &png, nullptr);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

class FaceTaskbar : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::Application().Initialize();
        fake_ = new FakeTaskbarProcess();
        form_ = ui::NewForm<TfrmHoralto>().release();
        form_->SetTag(0);
    }
    static void TearDownTestSuite() {
        form_->RemoveTaskbarClock();
        {
            ui::FormPtr<TfrmHoralto> owner(form_);
            form_ = nullptr;
        }
        delete fake_;
        fake_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(T().clock) << "the stand-in taskbar did not start";
        F().RemoveTaskbarClock();
        F().tmrTimer.SetEnabled(false);
        F().Settings.SystemClock = core::SystemClockSettings{};
        auto& c = F().Settings.SystemClock;
        c.ReplaceText = true;
        c.FormatTextTray = L"12:34";
        c.UseBackgrFile = false;
        SendMessageW(T().taskbar, WM_SIZE, 0, 0);  // the fixture's own layout
        ShowWindow(T().clock, SW_SHOWNA);
        Pump(50);
    }
    static TfrmHoralto& F() { return *form_; }
    static Taskbar& T() { return fake_->windows; }
    static DisplayState& State() { return form_->Face(); }

    static FakeTaskbarProcess* fake_;
    static TfrmHoralto* form_;
};
FakeTaskbarProcess* FaceTaskbar::fake_ = nullptr;
TfrmHoralto* FaceTaskbar::form_ = nullptr;

}  // namespace

TEST_F(FaceTaskbar, TextClockWidensTheNotificationAreaByTheDifference) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    c.ResizeWindow = true;
    c.NoBorders = true;
    c.FormatTextTray = L"Широкие часы на панели задач";
    const RECT notifyBefore = RectOf(T().notify), bandBefore = RectOf(T().band);
    const int clockBefore = WidthOf(T().clock);

    F().BuildTaskbarClock(true);
    Pump();
    ASSERT_TRUE(F().pnlTrayTime.Visible());
    EXPECT_EQ(GetParent(F().pnlTrayTime.Handle()), T().clock);
    ASSERT_TRUE(State().taskbarClock.label);
    EXPECT_EQ(State().taskbarClock.label->Caption(), c.FormatTextTray);
    EXPECT_TRUE(F().tmrTrayTimer.Enabled());
    // The reset text look.
    EXPECT_EQ(c.TextFont, L"MS Sans Serif");
    EXPECT_FLOAT_EQ(c.TextSize, 10.0f);
    EXPECT_EQ(c.TextAlign, 0);

    const int grown = WidthOf(T().clock) - clockBefore;
    EXPECT_GT(grown, 0);
    EXPECT_EQ(WidthOf(T().clock), State().trayClockWidth);
    const RECT notifyAfter = RectOf(T().notify), bandAfter = RectOf(T().band);
    EXPECT_EQ(notifyBefore.left - notifyAfter.left, grown);
    EXPECT_EQ(notifyAfter.right, notifyBefore.right);
    EXPECT_EQ((bandBefore.right - bandBefore.left) - (bandAfter.right - bandAfter.left), grown);
    // The panel fills the clock window (no borders).
    EXPECT_EQ(F().pnlTrayTime.Width(), WidthOf(T().clock));
    EXPECT_EQ(F().pnlTrayTime.Height(), RectOf(T().clock).bottom - RectOf(T().clock).top);
    Screenshot(L"text_clock", F());

    // A shorter text shrinks it again on the next tick.
    c.FormatTextTray = L"9:05";
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    Pump();
    EXPECT_LT(WidthOf(T().clock), clockBefore + grown);
    Screenshot(L"text_clock_short", F());
}

TEST_F(FaceTaskbar, ZeroWidthClockMakesTheTaskbarLayOutAgain) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    c.ResizeWindow = false;
    F().BuildTaskbarClock(false);
    Pump();
    EXPECT_EQ(State().trayClockWidth, WidthOf(T().clock));
    // Someone squeezes the clock to nothing: the tick asks the taskbar to lay out.
    const RECT r = RectOf(T().clock);
    POINT at{r.left, r.top};
    ScreenToClient(T().notify, &at);
    MoveWindow(T().clock, at.x, at.y, 0, r.bottom - r.top, TRUE);
    Pump(50);
    ASSERT_EQ(WidthOf(T().clock), 0);
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    Pump();
    EXPECT_GT(WidthOf(T().clock), 0);
}

TEST_F(FaceTaskbar, SkinClockScalesToTheTaskbar) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = true;
    c.NewTraySkin = true;
    c.TraySkinIndex = 3;
    c.AutoTrayScale = true;
    c.ResizeWindow = true;
    c.NoBorders = true;
    F().BuildTaskbarClock(false);
    Pump();
    ASSERT_TRUE(F().pnlTrayTime.Visible());
    EXPECT_FALSE(State().taskbarClock.label);
    ASSERT_TRUE(State().TraySkin.Loaded());
    // Scaled to the panel's height; the clock window takes the skin's width.
    EXPECT_EQ(State().TraySkin.geometry.bitmapHeight, F().pnlTrayTime.Height());
    EXPECT_EQ(WidthOf(T().clock), State().trayClockWidth);
    EXPECT_EQ(State().trayClockWidth, State().TraySkin.geometry.bitmapWidth);
    ASSERT_TRUE(State().taskbarClock.frame);
    Screenshot(L"skin_clock", F());

    // Choosing "Нет" (text) through a rebuild gives the label back.
    F().RemoveTaskbarClock();
    EXPECT_FALSE(State().TraySkin.Loaded());
    c.TraySkinIndex = 0;
    F().BuildTaskbarClock(false);
    EXPECT_FALSE(c.UseTraySkis);
    EXPECT_TRUE(State().taskbarClock.label);
}

TEST_F(FaceTaskbar, SkinOfTheMainWindowIsShared) {
    auto& c = F().Settings.SystemClock;
    F().Settings.Window.MainSkinIndex = 2;
    F().Settings.Window.DrawOnForm = true;
    F().Settings.Window.DrawOnDesktop = false;
    F().RefreshDisplay(L"", true, false);
    ASSERT_TRUE(State().MainSkin.Loaded());
    c.UseTraySkis = true;
    c.NewTraySkin = false;
    c.TraySkinIndex = 3;
    F().BuildTaskbarClock(false);
    EXPECT_EQ(c.TraySkinIndex, 2);
    EXPECT_EQ(State().TraySkin.Image(kImgBack), State().MainSkin.Image(kImgBack));
    // Removing the taskbar clock leaves the main window's pictures alone.
    F().RemoveTaskbarClock();
    EXPECT_TRUE(State().MainSkin.Image(kImgBack));
    F().Settings.Window.MainSkinIndex = 1;
}

TEST_F(FaceTaskbar, SystemClockKeepsItsOwnVisibility) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    // Hidden by the user before: shown while the panel is in it, hidden after.
    ShowWindow(T().clock, SW_HIDE);
    F().BuildTaskbarClock(false);
    Pump();
    EXPECT_TRUE(IsWindowVisible(T().clock));
    F().RemoveTaskbarClock();
    Pump();
    EXPECT_FALSE(IsWindowVisible(T().clock));
    EXPECT_FALSE(F().pnlTrayTime.Visible());
    EXPECT_FALSE(F().tmrTrayTimer.Enabled());
    // Visible before: visible after.
    ShowWindow(T().clock, SW_SHOWNA);
    F().BuildTaskbarClock(false);
    F().RemoveTaskbarClock();
    Pump();
    EXPECT_TRUE(IsWindowVisible(T().clock));
    // Removing twice does nothing more.
    F().RemoveTaskbarClock();
}

TEST_F(FaceTaskbar, TaskbarMadeAnewGetsTheClockBack) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    F().BuildTaskbarClock(false);
    Pump();
    const HWND oldClock = T().clock;
    PostMessageW(T().taskbar, WM_APP + 1, 0, 0);
    for (int i = 0; i < 100 && IsWindow(oldClock); ++i) Pump(20);
    ASSERT_FALSE(IsWindow(oldClock));
    // The stand-in taskbar builds its new tree in its own process: wait for it.
    bool found = false;
    for (int i = 0; i < 100 && !(found = T().Find()); ++i) Pump(20);
    ASSERT_TRUE(found);
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    Pump();
    EXPECT_TRUE(F().pnlTrayTime.Visible());
    EXPECT_EQ(State().taskbarClock.windows.clock, T().clock);
    ASSERT_TRUE(F().pnlTrayTime.HandleAllocated());
    EXPECT_EQ(GetParent(F().pnlTrayTime.Handle()), T().clock);
    EXPECT_EQ(State().taskbarClock.label->Caption(), L"12:34");
}

TEST_F(FaceTaskbar, ClockWaitsForATaskbarThatWentAway) {
    F().Settings.SystemClock.UseTraySkis = false;
    F().BuildTaskbarClock(false);
    Pump();
    // The shell ends: the panel goes with its windows; ticks keep looking.
    delete fake_;
    fake_ = nullptr;
    Pump();
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    EXPECT_TRUE(F().tmrTrayTimer.Enabled());
    EXPECT_FALSE(F().pnlTrayTime.HandleAllocated());
    // A new shell: the next tick puts the clock into it.
    fake_ = new FakeTaskbarProcess();
    ASSERT_TRUE(T().clock);
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    Pump();
    ASSERT_TRUE(F().pnlTrayTime.HandleAllocated());
    EXPECT_EQ(GetParent(F().pnlTrayTime.Handle()), T().clock);
    EXPECT_EQ(State().taskbarClock.label->Caption(), L"12:34");

    // Switched off while waiting, the clock does not come back.
    delete fake_;
    fake_ = nullptr;
    Pump();
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    F().RemoveTaskbarClock();
    EXPECT_FALSE(F().tmrTrayTimer.Enabled());
    fake_ = new FakeTaskbarProcess();
    F().tmrTrayTimerTimer(F().tmrTrayTimer);
    Pump();
    EXPECT_EQ(GetWindow(T().clock, GW_CHILD), nullptr);
}

TEST_F(FaceTaskbar, HookMessageTicksOnlyWhileTheClockIsBuilt) {
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    F().BuildTaskbarClock(false);
    c.FormatTextTray = L"после";
    F().pnlTrayTime.SetTag(1);  // being built
    SendMessageW(F().Handle(), WM_USER + 6, 0, 0);
    EXPECT_EQ(State().taskbarClock.label->Caption(), L"12:34");
    F().pnlTrayTime.SetTag(0);
    SendMessageW(F().Handle(), WM_USER + 6, 0, 0);
    EXPECT_EQ(State().taskbarClock.label->Caption(), L"после");
    // Without ReplaceText the system clock's own text is shown.
    c.ReplaceText = false;
    SetWindowTextW(T().clock, L"7:41");
    SendMessageW(F().Handle(), WM_USER + 6, 0, 0);
    EXPECT_EQ(State().taskbarClock.label->Caption(), L"7:41");
    // Removed: the message does nothing (and nothing breaks).
    F().RemoveTaskbarClock();
    SendMessageW(F().Handle(), WM_USER + 6, 0, 0);
}

TEST_F(FaceTaskbar, DoubleClickOnTheClockShowsTheMinimisedWindow) {
    F().Settings.SystemClock.UseTraySkis = false;
    F().Settings.Main.MinimizeInSysClock = true;
    F().aShowInTray.SetChecked(false);
    F().Show();
    F().aMinimized.Execute();
    Pump();
    ASSERT_EQ(F().GetWindowState(), ui::wsMinimized);
    ASSERT_TRUE(F().pnlTrayTime.Visible());
    F().TrayClockDblClick(F().pnlTrayTime);
    Pump();
    EXPECT_NE(F().GetWindowState(), ui::wsMinimized);
    EXPECT_FALSE(F().pnlTrayTime.Visible());
    EXPECT_EQ(F().tmrTrayTimer.Tag(), 0);
    // The toggle keeps the panel's controls for the clock's next build.
    EXPECT_TRUE(State().taskbarClock.image);
    F().Hide();
}

TEST_F(FaceTaskbar, PanelCarriesABalloonTool) {
    F().Settings.SystemClock.UseTraySkis = false;
    F().SetHint(L"Подсказка часов");
    F().BuildTaskbarClock(false);
    HWND tips = BaloonToolTipWindow();
    ASSERT_TRUE(tips);
    auto hasTool = [&] {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = F().pnlTrayTime.Handle();
        tool.uId = 0;
        return SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    };
    EXPECT_TRUE(hasTool());
    // Placed again: still one tool for the panel.
    const LRESULT count = SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    F().PlaceTaskbarClock(true);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), count);
    F().RemoveTaskbarClock();
    EXPECT_FALSE(hasTool());
}

TEST_F(FaceTaskbar, MissingHookLibraryIsSkipped) {
    ASSERT_FALSE(fs::exists(ThisExeDir() / L"Quellix.dll"));
    F().SetTaskbarHook(true);
    F().SetTaskbarHook(false);
    EXPECT_FALSE(State().taskbarClock.hookLibrary);
}

// A program whose first build looks the taskbar up finds the system clock as
// its user left it: hidden, it is hidden again when the clock goes.
// The library beside the program: the clock follows the taskbar's repaints
// at once (its own timer waits an hour here) until the hook is removed.
TEST_F(FaceTaskbar, HookLibraryBesideTheProgramDrawsTheClockUntilRemoved) {
    struct LibraryBeside {
        fs::path file = ThisExeDir() / L"Quellix.dll";
        LibraryBeside() { fs::copy_file(HookLibrary(), file, fs::copy_options::overwrite_existing); }
        ~LibraryBeside() {
            F().SetTaskbarHook(false);
            F().tmrTrayTimer.SetInterval(1000);
            // The taskbar's process keeps the hooked library loaded: a new one
            // lets the file go.
            delete fake_;
            fake_ = new FakeTaskbarProcess();
            std::error_code ec;
            fs::remove(file, ec);
            EXPECT_FALSE(fs::exists(file));
        }
    } beside;
    auto& c = F().Settings.SystemClock;
    c.UseTraySkis = false;
    F().BuildTaskbarClock(false);
    F().tmrTrayTimer.SetInterval(3600000);
    ui::Label* label = State().taskbarClock.label.get();
    ASSERT_TRUE(label);
    F().SetTaskbarHook(true);
    ASSERT_TRUE(State().taskbarClock.hookLibrary);
    c.FormatTextTray = L"после";
    RepaintSystemClock(T().clock);
    EXPECT_TRUE(WaitFor([&] { return label->Caption() == L"после"; }));

    F().SetTaskbarHook(false);
    EXPECT_FALSE(State().taskbarClock.hookLibrary);
    c.FormatTextTray = L"снова";
    RepaintSystemClock(T().clock);
    Pump(100);
    EXPECT_EQ(label->Caption(), L"после");
}

TEST(FaceTaskbarFirstBuild, HiddenSystemClockIsHiddenAgainAfterRemoval) {
    FakeTaskbarProcess fake(L"--hidden-clock");
    ASSERT_TRUE(fake.windows.clock);
    ASSERT_FALSE(IsWindowVisible(fake.windows.clock));
    ui::FormPtr<TfrmHoralto> form = ui::NewForm<TfrmHoralto>();
    form->SetTag(0);
    auto& c = form->Settings.SystemClock;
    c.UseTraySkis = false;
    c.UseBackgrFile = false;
    form->BuildTaskbarClock(false);
    Pump();
    ASSERT_TRUE(form->pnlTrayTime.Visible());
    EXPECT_TRUE(IsWindowVisible(fake.windows.clock));
    // Built again in place (a skin or text change): still the user's state.
    form->BuildTaskbarClock(true);
    form->RemoveTaskbarClock();
    Pump();
    EXPECT_FALSE(IsWindowVisible(fake.windows.clock));
}

TEST(FaceTaskbarHookLibrary, RepaintOrResizeOfTheSystemClockIsPostedUntilRemoved) {
    FakeTaskbarProcess fake(L"--fixed-text");
    const HWND clock = fake.windows.clock;
    ASSERT_TRUE(clock);
    ui::ModuleHandle library(LoadLibraryW(HookLibrary().c_str()));
    ASSERT_TRUE(library) << "the build puts Quellix.dll beside Horalto.exe";
    using StartHook = void(WINAPI*)(HWND);
    using RemoveHook = void(WINAPI*)();
    const auto start =
        reinterpret_cast<StartHook>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "_StartHook")));
    const auto remove =
        reinterpret_cast<RemoveHook>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "_RemoveHook")));
    ASSERT_TRUE(start && remove);
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountTrayUpdates;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookLibraryTarget";
    RegisterClassW(&wc);
    ui::WindowHandle target(
        CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(target);

    start(target.Get());
    RepaintSystemClock(clock);
    EXPECT_TRUE(WaitFor([] { return trayUpdates > 0; })) << "repainted";
    trayUpdates = 0;
    ResizeSystemClock(clock, 8);
    EXPECT_TRUE(WaitFor([] { return trayUpdates > 0; })) << "resized";
    // Other windows of the taskbar are no news.
    RepaintSystemClock(clock);
    trayUpdates = 0;
    InvalidateRect(fake.windows.band, nullptr, TRUE);
    testing_support::WaitFor([&] { return !GetUpdateRect(fake.windows.band, nullptr, FALSE); });
    Pump(0);
    EXPECT_EQ(trayUpdates, 0);

    remove();
    Pump(50);
    trayUpdates = 0;
    RepaintSystemClock(clock);
    ResizeSystemClock(clock, -8);
    RepaintSystemClock(clock);
    EXPECT_EQ(trayUpdates, 0);
    // Started again, it tells again.
    start(target.Get());
    RepaintSystemClock(clock);
    EXPECT_TRUE(WaitFor([] { return trayUpdates > 0; }));
    remove();
}

// The running program with the library beside it: its taskbar clock follows
// the system clock's text when the taskbar repaints it, long before its own
// timer (an hour) would; the system clock hidden by its user before the start
// is hidden again at the end.
TEST(FaceTaskbarProgram, RunningProgramRedrawsItsClockOnTheTaskbarsRepaint) {
    FakeTaskbarProcess fake(L"--hidden-clock --fixed-text");
    const HWND clock = fake.windows.clock;
    ASSERT_TRUE(clock);
    testing_support::ScratchDir dir(L"face2-taskbar");
    fs::copy_file(HookLibrary(), dir.Path() / L"Quellix.dll");
    {
        std::ofstream ini(dir.Path() / L"Horalto.ini", std::ios::binary);
        ini << "[Main]\r\nShowInTray=1\r\nInSystemClock=1\r\n"
               "[SystemClock]\r\nHookUpdateTray=1\r\nUseTraySkis=0\r\nReplaceText=0\r\nResizeWindow=1\r\n"
               "NoBorders=1\r\nTimerInterval=3600000\r\n";
    }
    {
        testing_support::RunningProgram program(dir.Path());
        ASSERT_TRUE(program.WaitForWindow(L"TfrmHoralto"));
        HWND panel = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (panel = GetWindow(clock, GW_CHILD)) != nullptr; }));
        DWORD pid = 0;
        GetWindowThreadProcessId(panel, &pid);
        EXPECT_EQ(pid, program.ProcessId());
        EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(clock) != FALSE; }));
        // The program has measured the start's text; a much longer one comes.
        ASSERT_TRUE(program.WaitStarted());
        const int before = WidthOf(clock);
        SetWindowTextW(clock, L"Часы с очень длинным текстом");
        InvalidateRect(clock, nullptr, TRUE);
        EXPECT_TRUE(WaitFor([&] { return WidthOf(clock) > before + 60; }))
            << "width " << WidthOf(clock) << ", before " << before;
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    EXPECT_FALSE(IsWindowVisible(clock));
}
