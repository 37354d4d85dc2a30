// The running program answers its global hot keys (the default Ctrl+Alt+M
// minimises the clock and brings it back, and the state is saved at exit) and
// the mouse (a double click opens the about box and leaves the clock in place).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include <shellapi.h>

#include "base/ini_file.h"
#include "base/string_list.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/program_runner.h"
#include "win/support/voice_log.h"

using namespace testing_support;

namespace {

// Whether the program's icon is in the notification area: the shell accepts a
// change of an icon it holds (the program's hidden icon window, icon 1).
bool TrayIconShown(const RunningProgram& program) {
    HWND iconWindow = program.WaitForWindow(L"TGTrayIconWindow", 1000);
    if (!iconWindow) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = iconWindow;
    data.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace

TEST(ActionsEndToEnd, HotKeyMinimisesAndRestoresTheClock) {
    ScratchDir dir(L"actions-e2e");
    RunningProgram program(dir.Path());
    // The hot keys are registered once the settings window is made, after the
    // clock's first paint (before it a minimise only makes the clock iconic).
    HWND main = program.WaitShown();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    PressCtrlAlt('M');
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    PressCtrlAlt('M');
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    PressCtrlAlt('M');
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    EXPECT_EQ(program.CloseAndWait(), 0);
    // Closed while minimised: it starts minimised next time.
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(ini.ReadString(L"Window", L"WindowState", L""), L"0");
    base::StringList lists;
    lists.LoadFromFile(dir.Path() / L"FileLists.txt");
    EXPECT_GE(lists.IndexOf(L"1\tCtrl+Alt+M\tПоказать/Свернуть окно\t"), 0);
}

TEST(ActionsEndToEnd, DoubleClickLeavesNoMoveLoopAndTheFirstCloseEndsTheProgram) {
    ScratchDir dir(L"actions-dblclick");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        WriteTickingClock(ini);
        ini.UpdateFile();
    }
    const std::filesystem::path log = dir.Path() / L"voice.log";
    RunningProgram program(dir.Path(), VoiceLogEnvironment(log));
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    // The clock ticks: it is drawn and its settings window is made.
    ASSERT_TRUE(WaitFor([&] { return TicksSaid(log) > 0; }));
    RECT before{};
    GetWindowRect(main, &before);
    const POINT centre{(before.left + before.right) / 2, (before.top + before.bottom) / 2};
    MouseAt(centre, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    // The default double click opens the about box.
    ASSERT_NE(program.WaitForWindow(L"TfrmAbout", 15000), nullptr);
    // The single click's wait goes by and it speaks the time.
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<std::wstring> lines = SpokenLines(log);
        return lines.size() > CountOf(lines, TickWord());
    })) << "the single click was not handled to its end";
    // A click elsewhere: a window stuck to the mouse would follow it there, and
    // would have done so before the clock's next two ticks.
    const size_t ticks = TicksSaid(log);
    MouseAt(POINT{before.left > 600 ? 100 : 700, 600}, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    ASSERT_TRUE(WaitForTwoTicksAfter(log, ticks));
    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(10000, &code)) << "the first close did not end the program";
    EXPECT_EQ(code, 0u);
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(ini.ReadString(L"Window", L"Left", L""), std::to_wstring(before.left));
    EXPECT_EQ(ini.ReadString(L"Window", L"Top", L""), std::to_wstring(before.top));
}

// Wine's own desktop has no system clock to minimise into: "Свернуть окно"
// with MinimizeInSysClock puts the clock into the tray icon instead, and the
// icon goes again when the window comes back.
TEST(ActionsEndToEnd, MinimisedWithoutATaskbarClockGoesIntoTheTrayIcon) {
    ScratchDir dir(L"actions-e2e");
    std::ofstream(dir.Path() / L"Horalto.ini", std::ios::binary)
        << "[Main]\r\nMinimizeInSysClock=1\r\nShowInTray=0\r\nInSystemClock=1\r\n";
    RunningProgram program(dir.Path());
    HWND main = program.WaitShown();  // hot keys registered, as above
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_FALSE(TrayIconShown(program));
    PressCtrlAlt('M');
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(program); }));
    PressCtrlAlt('M');
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return !TrayIconShown(program); }));
    EXPECT_EQ(program.CloseAndWait(), 0);
}
