// The clock's popup menu on the running program, driven by the real pointer: a
// press on its "Планировщик" entry opens the planner page, and nothing of the
// menu outlives it (the next clicks on the clock and on the settings window's
// tabs do what they do without a menu), and the program told to end while
// its menu is open ends (by its close hot key, or by a WM_QUIT posted to its
// thread from outside), as it does when told to close while the clock is dragged. The clock speaks the time
// on a click and says a tick every second: a test knows from them that a click was handled and that what it
// might have set off has had its turn.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/other_windows.h"
#include "win/support/program_runner.h"
#include "win/support/screen_pixels.h"
#include "win/support/voice_log.h"

using namespace testing_support;

namespace {

struct WindowSearch {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* d = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64];
    if (pid == d->pid && IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 64) && wcscmp(cls, d->cls) == 0)
        d->found.push_back(hwnd);
    return TRUE;
}

// The open menu windows of the program: the popup menu, then its open submenus.
std::vector<HWND> MenuWindows(const RunningProgram& program) {
    WindowSearch d{program.ProcessId(), L"#32768", {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

// A window of the class right inside the parent (not inside one of its children).
HWND ChildOfClass(HWND parent, const wchar_t* cls) {
    WindowSearch d{0, cls, {}};
    GetWindowThreadProcessId(parent, &d.pid);
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&d));
    for (HWND child : d.found)
        if (GetParent(child) == parent) return child;
    return nullptr;
}

POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The entries of the clock's popup menu from the top; separators are 4 pixels
// high, every other entry is as high as the next, and the menu window keeps a
// margin of 3 pixels above and below them.
enum Entry { About, Sep1, Planner, Options, Skins, Different, Sep2, Minimise, Exit, EntryCount };
const char* const kEntryNames[] = {
    "О программе", "", "Планировщик", "Настройки", "Шкура", "Разное", "", "Свернуть окно", "Выход",
};

bool IsSeparator(int entry) {
    return entry == Sep1 || entry == Sep2;
}

POINT EntryCentre(HWND menu, int entry) {
    RECT r{};
    GetWindowRect(menu, &r);
    const int itemHeight = (r.bottom - r.top - 2 * 3 - 2 * 4) / 7;
    int top = r.top + 3;
    for (int e = 0; e < entry; ++e) top += IsSeparator(e) ? 4 : itemHeight;
    return POINT{(r.left + r.right) / 2, top + itemHeight / 2};
}

// Whether the entry is drawn highlighted: across its middle, nearly every
// pixel differs from the menu's plain margin above the first entry.
bool Highlighted(HWND menu, int entry) {
    RECT r{};
    GetWindowRect(menu, &r);
    const int middleY = EntryCentre(menu, entry).y;
    const std::vector<COLORREF> margin = ScreenPixels(RECT{r.left + 3, r.top + 2, r.right - 3, r.top + 3});
    const std::vector<COLORREF> middle = ScreenPixels(RECT{r.left + 3, middleY, r.right - 3, middleY + 1});
    if (margin.empty() || margin.size() != middle.size()) return false;
    size_t differ = 0;
    for (size_t i = 0; i < margin.size(); ++i) differ += margin[i] != middle[i];
    return differ * 4 > margin.size() * 3;
}

// The settings window's tabs, read and clicked from outside.
class Tabs {
  public:
    Tabs(const RunningProgram& program, HWND options, const std::filesystem::path& voiceLog)
        : tabs_(ChildOfClass(options, WC_TABCONTROLW)),
          process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               program.ProcessId())),
          voiceLog_(voiceLog) {}
    ~Tabs() {
        if (process_) CloseHandle(process_);
    }
    int Current() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)); }
    // The tab's rectangle on the screen, asked of the control in its own process.
    RECT TabRect(int index) const {
        RECT r{};
        void* remote = VirtualAllocEx(process_, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
        if (!remote) return r;
        if (SendMessageW(tabs_, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)))
            ReadProcessMemory(process_, remote, &r, sizeof r, nullptr);
        VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
        MapWindowPoints(tabs_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A click on the tab; whether it became the current one and stayed so
    // until whatever else the press set off has run.
    bool Click(int index) const {
        LeftClickAt(Centre(TabRect(index)));
        if (!WaitFor([&] { return Current() == index; })) return false;
        if (!WaitForTwoTicksAfter(voiceLog_, TicksSaid(voiceLog_))) return false;
        return Current() == index;
    }

  private:
    HWND tabs_;
    HANDLE process_;
    std::filesystem::path voiceLog_;
};

class PopupMenu : public testing::Test {
  protected:
    void SetUp() override {
        {
            base::IniFile ini(dir_.Path() / L"Horalto.ini");
            WriteTickingClock(ini);
            ini.UpdateFile();
        }
        program_ = std::make_unique<RunningProgram>(dir_.Path(), VoiceLogEnvironment(log_));
        clock_ = program_->WaitShown();
        ASSERT_NE(clock_, nullptr);
        options_ = program_->WaitForWindow(L"TfrmOptions");
        ASSERT_NE(options_, nullptr);
        // The clock ticks: it is drawn and its settings window is made.
        ASSERT_TRUE(WaitFor([&] { return TicksSaid(log_) > 0; }));
        RECT r{};
        GetWindowRect(clock_, &r);
        clockCentre_ = Centre(r);
    }
    void TearDown() override {
        if (!program_) return;
        CloseWithEsc();
        EXPECT_EQ(program_->CloseAndWait(), 0);
    }
    // The popup menu opened by a right click on the clock.
    HWND OpenMenu() {
        RightClickAt(clockCentre_);
        if (!WaitFor([&] { return MenuWindows(*program_).size() == 1; })) return nullptr;
        return MenuWindows(*program_).front();
    }
    // The pointer rests on the entry until the menu shows it highlighted, and
    // an entry with a submenu until that is open. Under Wine a move now and
    // then does not reach the menu (the pointer stays where it was): the
    // pointer moves again, a pixel aside, as a resting hand would.
    bool RestOn(HWND menu, int entry) {
        const bool submenu = entry >= Planner && entry <= Different;
        const POINT at = EntryCentre(menu, entry);
        int looks = 0;
        return WaitFor([&] {
            if (submenu ? MenuWindows(*program_).size() == 2 : Highlighted(menu, entry)) return true;
            if (looks++ % 25 == 0) MouseAt(POINT{at.x + looks / 25 % 2, at.y});
            return false;
        });
    }
    bool CloseWithEsc() {
        for (size_t open = MenuWindows(*program_).size(); open > 0; open = MenuWindows(*program_).size()) {
            PressKey(VK_ESCAPE);
            if (!WaitFor([&] { return MenuWindows(*program_).size() < open; })) return false;
        }
        return true;
    }
    // The words the program said other than the clock's ticks.
    size_t SaidBesidesTicks() const {
        const std::vector<std::wstring> lines = SpokenLines(log_);
        return lines.size() - CountOf(lines, TickWord());
    }
    // A left click on the clock, handled to its end: it speaks the time last.
    bool ClickTheClock() {
        const size_t said = SaidBesidesTicks();
        LeftClickAt(clockCentre_);
        return WaitFor([&] { return SaidBesidesTicks() > said; });
    }
    // A point of the desktop away from the clock and from the menu.
    static POINT Elsewhere() { return POINT{GetSystemMetrics(SM_CXSCREEN) - 60, 60}; }
    bool SettingsShown() const { return IsWindowVisible(options_) != FALSE; }

    ScratchDir dir_{L"menus-e2e"};
    const std::filesystem::path log_ = dir_.Path() / L"voice.log";
    std::unique_ptr<RunningProgram> program_;
    HWND clock_ = nullptr, options_ = nullptr;
    POINT clockCentre_{};
};

}  // namespace

TEST_F(PopupMenu, AClosedMenuLeavesNoEntryBehind) {
    for (int entry = 0; entry < EntryCount; ++entry) {
        if (IsSeparator(entry)) continue;
        SCOPED_TRACE(testing::Message() << "rested on " << kEntryNames[entry]);
        HWND menu = OpenMenu();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(RestOn(menu, entry));
        ASSERT_TRUE(CloseWithEsc());
        // The click is handled to its end (it speaks the time) and opens nothing.
        const bool handled = ClickTheClock();
        EXPECT_FALSE(SettingsShown()) << "a click on the clock opened the settings window";
        ASSERT_TRUE(handled) << "the click on the clock was not handled";
    }
    // Closed by a click elsewhere while the planner's submenu is open: that
    // click and the next one on the clock open nothing.
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(RestOn(menu, Planner));
    LeftClickAt(Elsewhere());
    ASSERT_TRUE(WaitFor([&] { return MenuWindows(*program_).empty(); }));
    EXPECT_FALSE(SettingsShown()) << "the click that closed the menu opened the settings window";
    const bool handled = ClickTheClock();
    EXPECT_FALSE(SettingsShown()) << "the click that closed the menu, or the next one on the clock, opened "
                                     "the settings window";
    ASSERT_TRUE(handled) << "the click on the clock was not handled";

    // The settings window opened by its hot key: its tabs change as clicked.
    PressCtrlAlt('K');
    ASSERT_TRUE(WaitFor([&] { return ShownWhole(options_); }));
    Tabs tabs(*program_, options_, log_);
    EXPECT_EQ(tabs.Current(), 9);
    EXPECT_TRUE(tabs.Click(0));
    EXPECT_TRUE(tabs.Click(3));
    EXPECT_TRUE(tabs.Click(9));
}

TEST_F(PopupMenu, APressOnThePlannerEntryOpensThePlannerPage) {
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(RestOn(menu, Planner));
    LeftClickAt(EntryCentre(menu, Planner));
    ASSERT_TRUE(WaitFor([&] { return SettingsShown(); }));
    // The press chose the entry: the menu goes by itself.
    EXPECT_TRUE(WaitFor([&] { return MenuWindows(*program_).empty(); }));
    ASSERT_TRUE(WaitFor([&] { return ShownWhole(options_); }));
    Tabs tabs(*program_, options_, log_);
    EXPECT_EQ(tabs.Current(), 7);
    // Once the menu is closed the planner page no longer comes back by itself.
    EXPECT_TRUE(tabs.Click(0));
    EXPECT_TRUE(tabs.Click(6));
}

namespace {

// The clock's popup menu opened by a right click. The clock takes its clicks
// once it is drawn: until then it is clicked again.
bool OpenTheMenu(const RunningProgram& program, HWND clock) {
    RECT r{};
    GetWindowRect(clock, &r);
    return WaitFor(
        [&] {
            if (!MenuWindows(program).empty()) return true;
            RightClickAt(Centre(r));
            return WaitFor([&] { return !MenuWindows(program).empty(); }, 2000);
        },
        30000);
}

}  // namespace

TEST(PopupMenuOpen, TheProgramToldToCloseWhileItsMenuIsOpenEnds) {
    // The close hot key while the clock's menu is open: the program saves and
    // ends, its menu with it.
    ScratchDir dir(L"menus-e2e-close");
    RunningProgram program(dir.Path());
    HWND clock = program.WaitShown();
    ASSERT_NE(clock, nullptr);
    ASSERT_TRUE(OpenTheMenu(program, clock));
    PressCtrlAlt('Q');
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(20000, &code)) << "the program did not end";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / L"Horalto.ini"));
}

TEST(PopupMenuOpen, AQuitPostedToTheProgramWhileItsMenuIsOpenEndsIt) {
    // A WM_QUIT posted to the clock's thread, as another program may post it:
    // the menu closes and the program ends as it does with nothing open,
    // after the saves a close makes.
    ScratchDir dir(L"menus-e2e-quit");
    RunningProgram program(dir.Path());
    HWND clock = program.WaitShown();
    ASSERT_NE(clock, nullptr);
    ASSERT_TRUE(OpenTheMenu(program, clock));
    ASSERT_TRUE(PostThreadMessageW(GetWindowThreadProcessId(clock, nullptr), WM_QUIT, 0, 0));
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(20000, &code)) << "the program did not end";
    EXPECT_EQ(code, 0u);
    // Ended without its close, it saved what a close saves: its place among the settings.
    EXPECT_TRUE(base::IniFile(dir.Path() / L"Horalto.ini").ValueExists(L"Window", L"Left"));
}

TEST(ClockDragged, TheCloseHotKeyEndsTheProgram) {
    // The close hot key while the user drags the clock: the close runs inside
    // the window's move loop, which ends at the program's quit; the program
    // ends, as it does with nothing open.
    ScratchDir dir(L"menus-e2e-drag");
    RunningProgram program(dir.Path());
    HWND clock = program.WaitShown();
    ASSERT_NE(clock, nullptr);
    RECT r{};
    GetWindowRect(clock, &r);
    const POINT from = Centre(r);
    const DWORD thread = GetWindowThreadProcessId(clock, nullptr);
    const auto dragged = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
    };
    MouseAt(from, {MOUSEEVENTF_LEFTDOWN});
    MouseAt(POINT{from.x + 10, from.y + 10});
    ASSERT_TRUE(WaitFor(dragged)) << "the drag did not start";
    // Pressed again until the program, just started, has taken its hot keys.
    EXPECT_TRUE(PressCtrlAltUntil('Q', [&] { return !dragged(); })) << "the close did not come";
    MouseAt(POINT{from.x + 10, from.y + 10}, {MOUSEEVENTF_LEFTUP});
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(20000, &code)) << "the program did not end";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / L"Horalto.ini"));
}
