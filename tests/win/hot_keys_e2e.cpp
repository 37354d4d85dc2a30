// The global hot keys on the running program: the key field of the hot-key
// page takes the program's own combinations, a key that another program
// holds at start stays in the list for the next start, and a page's key
// pressed while the settings window fades out keeps the window open.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/string_list.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/other_windows.h"
#include "win/support/program_runner.h"

using namespace testing_support;

namespace {

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

struct ChildSearch {
    const wchar_t* cls;
    const wchar_t* text;  // null: any
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lp) {
    auto* d = reinterpret_cast<ChildSearch*>(lp);
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(hwnd, cls, 64);
    GetWindowTextW(hwnd, text, 256);
    if (_wcsicmp(cls, d->cls) == 0 && (!d->text || wcsstr(text, d->text))) {
        d->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text = nullptr) {
    ChildSearch d{cls, text};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

std::wstring Text(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
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

const std::wstring kAboutOnB = L"0\tCtrl+Alt+B\tО программе\t";
const std::wstring kPageOnK = L"12\tCtrl+Alt+K\tНастройки->Горячие клавиши\t";
const std::wstring kCalendarOnF8 = L"14\tCtrl+Alt+F8\tРазное->Календарь\t";
const std::wstring kAboutOnF9 = L"0\tCtrl+Alt+F9\tО программе\t";

}  // namespace

TEST(HotKeysEndToEnd, TheKeyFieldTakesTheProgramsOwnCombination) {
    ScratchDir dir(L"hot-keys-field");
    WriteHotKeys(dir.Path(), {kAboutOnB, kPageOnK});
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    HWND options = program.WaitForWindow(L"TfrmOptions");
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(PressCtrlAltUntil('K', [&] { return IsWindowVisible(options) != FALSE; }));
    ASSERT_TRUE(WaitFor([&] { return ShownWhole(options); })) << "the show effect ends";
    HWND field = Child(options, HOTKEY_CLASSW);
    HWND add = Child(options, L"Button", L"Добавить");
    ASSERT_NE(field, nullptr);
    ASSERT_NE(add, nullptr);
    LeftClickAt(Centre(field));
    ASSERT_TRUE(WaitFor([&] { return FocusOf(options) == field; }));

    // Pressed in the field, the program's own Ctrl+Alt+B goes into the field
    // and runs nothing. A hot key the program still held would have taken the
    // press before its keys reached the field, and its action would have made
    // the about box before the field read them.
    PressCtrlAlt('B');
    const WORD ctrlAltB = MAKEWORD('B', HOTKEYF_CONTROL | HOTKEYF_ALT);
    ASSERT_TRUE(WaitFor([&] { return LOWORD(SendMessageW(field, HKM_GETHOTKEY, 0, 0)) == ctrlAltB; }));
    EXPECT_EQ(program.WindowOfClass(L"TfrmAbout"), nullptr) << "the hot key ran its action";

    // "Добавить" names the combination it could not register.
    LeftClickAt(Centre(add));
    HWND box = program.WaitForDialog(15000);
    ASSERT_NE(box, nullptr);
    const std::wstring message = Text(Child(box, L"Static", L"Не удается"));
    EXPECT_NE(message.find(L"\"Ctrl+Alt+B\""), std::wstring::npos) << testing::PrintToString(message);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));

    // Out of the field the hot keys work again.
    PressCtrlAlt('B');
    EXPECT_NE(program.WaitForWindow(L"TfrmAbout"), nullptr);
    EXPECT_EQ(program.CloseAndWait(), 0);
    EXPECT_EQ(SavedHotKeys(dir.Path()), (std::vector<std::wstring>{kAboutOnB, kPageOnK}));
}

TEST(HotKeysEndToEnd, AKeyTakenAtStartStaysInTheListAndWorksNextTime) {
    ScratchDir dir(L"hot-keys-taken");
    WriteHotKeys(dir.Path(), {kCalendarOnF8, kAboutOnF9});
    const int ours = 0x5A;
    ASSERT_TRUE(RegisterHotKey(nullptr, ours, MOD_CONTROL | MOD_ALT, VK_F8));
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        // The key it could register works; the taken one stays with its holder.
        EXPECT_TRUE(PressCtrlAltUntil(VK_F9, [&] { return program.WindowOfClass(L"TfrmAbout") != nullptr; }));
        PressCtrlAlt(VK_F8);
        EXPECT_TRUE(HotKeyCame(ours, 15000));
        EXPECT_EQ(program.WindowOfClass(L"TfrmCalendar"), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    UnregisterHotKey(nullptr, ours);
    EXPECT_EQ(SavedHotKeys(dir.Path()), (std::vector<std::wstring>{kCalendarOnF8, kAboutOnF9}));

    // Free at the next start, the key is the program's again.
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    EXPECT_TRUE(PressCtrlAltUntil(VK_F8, [&] { return program.WindowOfClass(L"TfrmCalendar") != nullptr; }));
    EXPECT_EQ(program.CloseAndWait(), 0);
}

namespace {

bool Layered(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

}  // namespace

TEST(HotKeysEndToEnd, APagesKeyPressedWhileTheSettingsWindowFadesOutShowsThatPage) {
    ScratchDir dir(L"hot-keys-fade");
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    HWND options = program.WindowOfClass(L"TfrmOptions");
    ASSERT_NE(options, nullptr);
    auto planner = [&] { return FindVisibleChild(options, L"TTabSheet", L"Планировщик"); };

    // The key pressed once the fade has begun.
    ASSERT_TRUE(PressCtrlAltUntil('O', [&] { return IsWindowVisible(options) != FALSE; }));
    ASSERT_TRUE(WaitUntil([&] { return ShownWhole(options); }));
    ASSERT_EQ(planner(), nullptr);
    const HWND close = FindVisibleChild(options, L"Button", L"Закрыть");
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(ClickUntil(close, [&] { return Layered(options); })) << "no fade";
    PressCtrlAlt('L');
    ASSERT_TRUE(WaitUntil([&] { return !Layered(options); }, 10000));
    EXPECT_TRUE(IsWindowVisible(options)) << "the key went unheeded: the window faded out";
    EXPECT_NE(planner(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }, 10000));

    // The window closes as ever after, and the key opens it again.
    ASSERT_TRUE(ClickUntil(close, [&] { return Layered(options); }));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(options); }, 10000)) << "the window did not close";
    PressCtrlAlt('L');
    EXPECT_TRUE(WaitUntil([&] { return ShownWhole(options) && planner() != nullptr; }, 10000));
    EXPECT_EQ(program.CloseAndWait(), 0);
}
