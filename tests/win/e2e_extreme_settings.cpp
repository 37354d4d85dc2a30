// The whole program under Wine with absurd numbers in Horalto.ini: it starts,
// shows a clock no larger than the screen, keeps running, closes cleanly and
// writes no garbage into its files.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/codec.h"
#include "base/string_list.h"
#include "win/support/program_runner.h"

using namespace testing_support;

namespace {

void ExpectShownWithinTheScreen(HWND window) {
    ASSERT_NE(window, nullptr) << "no TfrmHoralto window appeared";
    // The window appears once its first skin is loaded and drawn.
    for (int i = 0; i < 100 && !IsWindowVisible(window); ++i) Sleep(100);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT r{};
    ASSERT_TRUE(GetWindowRect(window, &r));
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GT(r.bottom - r.top, 0);
    EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// Starts the program over the settings, checks its window while it runs and
// closes it; the lines of the work log it leaves.
base::StringList RunWith(const std::wstring& tag, const std::wstring& iniText) {
    ScratchDir dir(tag);
    base::WriteTextFile1251(dir.Path() / L"Horalto.ini", iniText);
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitForWindow(L"TfrmHoralto");
        ExpectShownWithinTheScreen(main);
        Sleep(1500);  // a few ticks of the clock: it is drawn and still alive
        EXPECT_FALSE(program.WaitExit(0)) << "the program ended by itself";
        ExpectShownWithinTheScreen(main);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    base::StringList log;
    if (std::filesystem::exists(dir.Path() / L"WindowsWorkLog.txt"))
        log.LoadFromFile(dir.Path() / L"WindowsWorkLog.txt");
    return log;
}

}  // namespace

TEST(ExtremeSettings, HugeScaleWithAlphaAbove255StartsAndShowsTheClock) {
    RunWith(L"extreme-scale",
            L"[Window]\r\nMainScale=1E300\r\nLevelTransparency=1000\r\nTransparency=1\r\n"
            L"[SystemClock]\r\nScale=1E300\r\n");
}

TEST(ExtremeSettings, ScaleThatOverflowsTheBitmapStillShowsTheClock) {
    RunWith(L"extreme-bitmap", L"[Window]\r\nMainScale=50000\r\nLevelTransparency=-5\r\nTransparency=1\r\n");
}

TEST(ExtremeSettings, AbsurdWorkTimeCorrectionWritesNoGarbageRow) {
    const base::StringList log = RunWith(L"extreme-worktime",
                                         L"[WindowsWorkTime]\r\nShowWorkLog=1\r\nCorrectWorkT=-1E300\r\n"
                                         L"TotalWindowsWorkTime=1E300\r\n");
    ASSERT_GE(log.Count(), 2);
    for (const auto& line : log) {
        EXPECT_EQ(line.find(L"-"), std::wstring::npos) << testing::PrintToString(line);
        EXPECT_LT(line.size(), 80u);
    }
}
