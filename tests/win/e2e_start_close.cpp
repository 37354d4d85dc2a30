// The whole program under Wine: it starts in an empty folder, shows its main
// window and ends cleanly when closed from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "win/support/program_runner.h"

using namespace testing_support;

TEST(StartAndClose, ShowsMainWindowAndEndsCleanlyOnWmClose) {
    ScratchDir dir(L"startclose");
    RunningProgram program(dir.Path());
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr) << "no TfrmHoralto window appeared";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

// The settings window takes long to make (hundreds of controls); the clock
// does not wait for it.
TEST(StartAndClose, TheClockIsOnScreenBeforeTheSettingsWindowIsMade) {
    ScratchDir dir(L"startorder");
    RunningProgram program(dir.Path());
    bool clockAlone = false, settingsMade = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!settingsMade && std::chrono::steady_clock::now() < deadline) {
        HWND clock = program.WindowOfClass(L"TfrmHoralto");
        // The settings window's own window comes first, its controls after.
        HWND settings = program.WindowOfClass(L"TfrmOptions");
        settingsMade = settings && GetWindow(settings, GW_CHILD);
        if (clock && IsWindowVisible(clock) && !settingsMade) clockAlone = true;
        if (program.WaitExit(2)) break;
    }
    EXPECT_TRUE(settingsMade);
    EXPECT_TRUE(clockAlone) << "the settings window was made before the clock was shown";
    ASSERT_NE(program.WaitShown(), nullptr);
    EXPECT_EQ(program.CloseAndWait(), 0);
}

// What a clock with the default settings never needs is not loaded at start:
// the open dialog, the printers behind it, the shell, sounds, sockets.
TEST(StartAndClose, StartsWithoutTheLibrariesItUsesOnlyOnDemand) {
    ScratchDir dir(L"startmodules");
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    const std::vector<std::wstring> modules = program.LoadedModules();
    ASSERT_NE(std::find(modules.begin(), modules.end(), L"gdiplus.dll"), modules.end())
        << "the module list of the process could not be read";
    for (const wchar_t* name :
         {L"comdlg32.dll", L"winspool.drv", L"shell32.dll", L"winmm.dll", L"ws2_32.dll"})
        EXPECT_EQ(std::find(modules.begin(), modules.end(), name), modules.end())
            << name << " is loaded at start";
    EXPECT_EQ(program.CloseAndWait(), 0);
}
