// The global hot keys on the running program: a key that another program
// holds at start stays in the list for the next start.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

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

// The program's list file holding these hot-key rows.
void WriteHotKeys(const std::filesystem::path& dir, const std::vector<std::wstring>& rows) {
    base::StringList lines;
    lines.Add(L"[HotKeys]");
    for (const std::wstring& row : rows) lines.Add(row);
    lines.SaveToFile(dir / L"FileLists.txt");
}

// The hot-key rows of the program's list file.
std::vector<std::wstring> SavedHotKeys(const std::filesystem::path& dir) {
    base::StringList lines;
    lines.LoadFromFile(dir / L"FileLists.txt");
    std::vector<std::wstring> rows;
    for (int i = lines.IndexOf(L"[HotKeys]") + 1; i > 0 && i < lines.Count() && lines[i][0] != L'['; ++i)
        rows.push_back(lines[i]);
    return rows;
}

// Whether a hot key this thread registered was pressed.
bool HotKeyCame(int id, DWORD ms) {
    MSG msg;
    const DWORD start = GetTickCount();
    do {
        while (PeekMessageW(&msg, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
            if (static_cast<int>(msg.wParam) == id) return true;
        Sleep(20);
    } while (GetTickCount() - start < ms);
    return false;
}

const std::wstring kCalendarOnF8 = L"14\tCtrl+Alt+F8\tРазное->Календарь\t";
const std::wstring kAboutOnF9 = L"0\tCtrl+Alt+F9\tО программе\t";

}  // namespace

TEST(HotKeysEndToEnd, AKeyTakenAtStartStaysInTheListAndWorksNextTime) {
    ScratchDir dir(L"hot-keys-taken");
    WriteHotKeys(dir.Path(), {kCalendarOnF8, kAboutOnF9});
    const int ours = 0x5A;
    ASSERT_TRUE(RegisterHotKey(nullptr, ours, MOD_CONTROL | MOD_ALT, VK_F8));
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        Sleep(1000);
        // The key it could register works; the taken one stays with its holder.
        PressCtrlAlt(VK_F9);
        EXPECT_NE(program.WaitForWindow(L"TfrmAbout", 5000), nullptr);
        PressCtrlAlt(VK_F8);
        EXPECT_TRUE(HotKeyCame(ours, 3000));
        EXPECT_EQ(program.WindowOfClass(L"TfrmCalendar"), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    UnregisterHotKey(nullptr, ours);
    EXPECT_EQ(SavedHotKeys(dir.Path()), (std::vector<std::wstring>{kCalendarOnF8, kAboutOnF9}));

    // Free at the next start, the key is the program's again.
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    Sleep(1000);
    PressCtrlAlt(VK_F8);
    EXPECT_NE(program.WaitForWindow(L"TfrmCalendar", 5000), nullptr);
    EXPECT_EQ(program.CloseAndWait(), 0);
}
