// The whole program under Wine: it starts in an empty folder, shows its main
// window and ends cleanly when closed from outside.
#include <gtest/gtest.h>

#include "win/support/program_runner.h"

using namespace testing_support;

TEST(StartAndClose, ShowsMainWindowAndEndsCleanlyOnWmClose) {
    ScratchDir dir(L"startclose");
    RunningProgram program(dir.Path());
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr) << "no TfrmHoralto window appeared";
    EXPECT_EQ(program.CloseAndWait(), 0);
}
