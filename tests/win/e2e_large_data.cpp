// The whole program under Wine with large data files: a format text of a
// megabyte in every format key of Horalto.ini, and a task file of two hundred
// thousand tasks. The program starts to a settings window that answers,
// keeps answering while its clock ticks, opens its menu of coming tasks,
// closes on one WM_CLOSE, and writes back everything it read. The bounds only catch a program that hangs; the
// times themselves are figures of `make bench`.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/horalto_globals.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/keyboard.h"
#include "win/support/large_data.h"
#include "win/support/program_runner.h"
#include "win/support/screen_pixels.h"

using namespace testing_support;

namespace {

constexpr int kMegabyte = 1000000;

constexpr DWORD kHang = 60000;

// Waits until the settings window is made and the clock answers a message
// from its message loop.
bool WaitAnswering(RunningProgram& program, DWORD ms) {
    const ULONGLONG start = GetTickCount64();
    if (!program.WaitForWindow(L"TfrmOptions", ms)) return false;
    HWND main = program.WindowOfClass(L"TfrmHoralto");
    const auto left = [&] {
        return static_cast<UINT>(ms - std::min<ULONGLONG>(ms, GetTickCount64() - start));
    };
    DWORD_PTR answer = 0;
    return main && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, left(), &answer) != 0;
}

// The clock answers, again and again, while it ticks: between two questions
// its face has moved on on the screen.
void ExpectAnsweringWhileTicking(RunningProgram& program) {
    HWND main = program.WindowOfClass(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    RECT face{};
    GetWindowRect(main, &face);
    for (int i = 0; i < 6; ++i) {
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer), 0)
            << "the clock did not answer during tick " << i;
        const std::vector<COLORREF> shown = ScreenPixels(face);
        EXPECT_TRUE(WaitFor([&] { return ScreenPixels(face) != shown; }, kHang))
            << "the clock stopped at tick " << i;
    }
}

// A visible popup menu of the process, waiting up to ms (0: the one there now).
HWND WaitForPopupMenu(DWORD pid, DWORD ms) {
    struct Search {
        DWORD pid;
        HWND found;
    };
    for (const ULONGLONG start = GetTickCount64();;) {
        Search s{pid, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM lp) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(lp);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                wchar_t cls[16] = {};
                if (owner != s.pid || !IsWindowVisible(hwnd) || !GetClassNameW(hwnd, cls, 16) ||
                    wcscmp(cls, L"#32768") != 0)
                    return TRUE;
                s.found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        if (GetTickCount64() - start >= ms) return nullptr;
        Sleep(50);
    }
}

// Whether the process has the foreground, so that the keys go to it.
bool InTheForeground(DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    return owner == pid;
}

// The right button pressed and released in the middle of the window.
void RightClick(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, in, sizeof(INPUT));
}

}  // namespace

TEST(LargeData, TwoHundredThousandTasksStartOpenTheMenuCloseAndAreKept) {
    constexpr int kTasks = 200000;
    ScratchDir dir(L"large-tasks");
    const planner::TaskTable given = DailyTasks(kTasks);
    WriteTaskFile(dir.Path(), given);
    {
        RunningProgram program(dir.Path());
        ASSERT_TRUE(WaitAnswering(program, kHang)) << "no answering settings window";
        ExpectAnsweringWhileTicking(program);
        // The popup menu lists the coming tasks: it opens, and Escape closes it.
        HWND main = program.WindowOfClass(L"TfrmHoralto");
        RightClick(main);
        EXPECT_NE(WaitForPopupMenu(program.ProcessId(), kHang), nullptr) << "the popup menu did not open";
        // Escape goes to the menu once its program has the foreground.
        EXPECT_TRUE(WaitFor([&] { return InTheForeground(program.ProcessId()); }, kHang));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitFor([&] { return !WaitForPopupMenu(program.ProcessId(), 0); }, kHang))
            << "Escape did not close the popup menu";
        EXPECT_EQ(program.CloseAndWait(L"TfrmHoralto", kHang), 0);
    }
    planner::TaskTable saved;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", saved,
                                      planner::ScheduleCellReader(base::SystemFormatSettings(), Now())));
    EXPECT_EQ(saved.RowCount(), kTasks + 2);
    EXPECT_TRUE(SortedDescriptions(saved) == SortedDescriptions(given));
}

TEST(LargeData, FormatTextsOfAMegabyteStartCloseAndAreKeptWhole) {
    ScratchDir dir(L"large-formats");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        for (const FormatKey& k : kFormatKeys)
            ini.WriteString(k.section, k.key,
                            k.oneLine ? LargeOneLineText(kMegabyte, k.key)
                                      : base::StoredTextValue(LargeFormatText(kMegabyte, k.key)));
        ini.UpdateFile();
    }
    {
        RunningProgram program(dir.Path());
        ASSERT_TRUE(WaitAnswering(program, kHang)) << "no answering settings window";
        ExpectAnsweringWhileTicking(program);
        EXPECT_EQ(program.CloseAndWait(L"TfrmHoralto", kHang), 0);
    }
    base::IniFile ini(dir.Path() / L"Horalto.ini");
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring stored = ini.ReadString(k.section, k.key, L"");
        if (k.oneLine)
            EXPECT_TRUE(stored == LargeOneLineText(kMegabyte, k.key))
                << "changed: " << testing::PrintToString(k.key);
        else
            EXPECT_TRUE(base::ReadStoredTextValue(stored) == LargeFormatText(kMegabyte, k.key))
                << "changed: " << testing::PrintToString(k.key);
    }
}
