// The running program answers its global hot keys: the default Ctrl+Alt+M
// minimises the clock and brings it back, and the state is saved at exit.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/ini_file.h"
#include "base/string_list.h"
#include "win/support/keyboard.h"
#include "win/support/program_runner.h"

using namespace testing_support;

namespace {

template <class F>
bool WaitFor(F done, DWORD ms = 5000) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > ms) return false;
    return true;
}

}  // namespace

TEST(ActionsEndToEnd, HotKeyMinimisesAndRestoresTheClock) {
    ScratchDir dir(L"actions-e2e");
    RunningProgram program(dir.Path());
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    // Until its first paint the clock is still starting (a minimise then only
    // makes it iconic): give it a moment.
    Sleep(1500);
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
