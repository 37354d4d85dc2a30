// Where the keys go in the running program: typing into the planner's
// schedule keeps every key in the control it was typed into, while a schedule
// chosen with the mouse hands the focus on to the action panel; each dialog of
// the settings window, however it is closed, leaves the settings window active
// with the focus on one of its controls, and so does a reminder that popped up
// over it; every opening of the settings window has a focused control; the
// pages change from the keyboard; a button that disables itself while it has
// the focus hands it on.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/codec.h"
#include "base/date_format.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/string_list.h"
#include "core/horalto_globals.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/other_windows.h"
#include "win/support/program_runner.h"

using namespace testing_support;
using namespace planner;

namespace {

const wchar_t kMessage[] = L"Пора сделать перерыв";

// One task on a date at 10:00 with a message.
void WriteOneTask(const std::filesystem::path& dir) {
    TaskTable grid;
    grid.SetRowCount(3);
    grid.SetCell(kColDay, 1, base::DateToStr(base::EncodeDate(2031, 5, 15), base::SystemFormatSettings()));
    grid.SetCell(kColTime, 1, L"10:00:00");
    grid.SetCell(kColDescription, 1, BuildDescriptionCell(0, L"Отдых"));
    base::StringList lines;
    lines.Add(kMessage);
    grid.SetCell(kColMessage, 1, BuildMessageCell(kMessageWindow, L"", lines));
    base::WriteFileBytes(dir / L"TasksList.tsk", TaskFileBytes(grid));
}

// The planner page's controls in the running program, as the user sees them.
struct PlannerControls {
    HWND date = nullptr, time = nullptr, timeKind = nullptr, memo = nullptr;
};

PlannerControls FindPlannerControls(HWND options) {
    PlannerControls c;
    c.memo = FindVisibleChild(options, L"Edit", kMessage);
    c.date = FindVisibleChild(options, L"SysDateTimePick32");
    c.time = FindVisibleChild(options, L"SysDateTimePick32", nullptr, [&](HWND h) { return h != c.date; });
    RECT date{}, time{};
    GetWindowRect(c.date, &date);
    GetWindowRect(c.time, &time);
    if (date.top > time.top) std::swap(c.date, c.time);  // the day's row comes first
    // The time kind's chooser stands on the row of the day.
    c.timeKind = FindVisibleChild(options, L"ComboBox", nullptr, [&](HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return r.top < (date.top + date.bottom) / 2 && r.bottom > (date.top + date.bottom) / 2;
    });
    return c;
}

// The dropped-down list of a combo box of the process of `anyWindow`.
HWND DroppedList(HWND anyWindow) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{0, nullptr};
    GetWindowThreadProcessId(anyWindow, &search.pid);
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid != s.pid || !IsWindowVisible(h) || ClassOf(h) != L"ComboLBox") return TRUE;
            s.found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The program has started and its clock has been made active, as it is when
// it starts: a window shown in the meantime would lose the activation to it.
bool StartedActive(const RunningProgram& program) {
    const HWND clock = program.WaitShown();
    return clock && WaitUntil([&] { return GetForegroundWindow() == clock; });
}

int ChosenItem(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

// Clicks item `index` of the combo box's list, dropping it down first.
void ChooseWithTheMouse(HWND combo, int index) {
    ClickWindow(combo);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = DroppedList(combo)) != nullptr; }));
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT at{4, height * index + height / 2};
    ClientToScreen(list, &at);
    // The open list follows the pointer: the click comes once it has marked the item.
    MouseAt(at);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == index; }))
        << "the item is marked";
    LeftClickAt(at);
    ASSERT_TRUE(WaitUntil([&] { return DroppedList(combo) == nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return ChosenItem(combo) == index; })) << "the choice is handled";
}

// The keys pressed one after another, at a typist's pace; the caller waits
// for what they do.
void Type(std::initializer_list<WORD> keys) {
    bool first = true;
    for (WORD key : keys) {
        if (!first) Sleep(150);
        first = false;
        PressKey(key);
    }
}

// The date and time a date-time picker of the program holds, asked of the
// control in its own process.
SYSTEMTIME PickedTime(HWND picker) {
    SYSTEMTIME time{};
    DWORD pid = 0;
    GetWindowThreadProcessId(picker, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return time;
    void* remote = VirtualAllocEx(process, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR valid = GDT_NONE;
    if (remote &&
        SendMessageTimeoutW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                            5000, &valid) &&
        valid == GDT_VALID)
        ReadProcessMemory(process, remote, &time, sizeof time, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return time;
}

}  // namespace

TEST(FocusInTheProgram, KeysTypedIntoThePlannersScheduleStayThere) {
    ScratchDir dir(L"focus-planner");
    WriteOneTask(dir.Path());
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    HWND options = program.WindowOfClass(L"TfrmOptions");
    // The planner page, its first task selected.
    ASSERT_TRUE(
        PressCtrlAltUntil('L', [&] { return FindVisibleChild(options, L"Edit", kMessage) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return ShownWhole(options); })) << "the settings window's show effect ends";
    const PlannerControls c = FindPlannerControls(options);
    ASSERT_TRUE(c.date && c.time && c.timeKind && c.memo);

    // A time kind chosen with the mouse: the message is next.
    ChooseWithTheMouse(c.timeKind, 1);  // "Через заданное время"
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == c.memo; }))
        << "a schedule chosen with the mouse hands the focus to the message";

    // The same chooser worked from the keyboard keeps the focus: each key has
    // done its part (the list closed, the choice made) and the focus is still there.
    ClickWindow(c.timeKind);
    ASSERT_TRUE(WaitUntil([&] { return DroppedList(options) != nullptr; }));
    Type({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return DroppedList(options) == nullptr; }));
    ASSERT_EQ(FocusOfThread(options), c.timeKind);
    Type({VK_UP});  // "В заданное время"
    ASSERT_TRUE(WaitUntil([&] { return ChosenItem(c.timeKind) == 0; }));
    EXPECT_EQ(FocusOfThread(options), c.timeKind);

    // The hours, then the minutes of "Время".
    ClickWindow(c.time, 8);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(options) == c.time; }));
    Type({'1', '5'});
    EXPECT_TRUE(WaitUntil([&] { return PickedTime(c.time).wHour == 15; })) << "the hours were not typed";
    EXPECT_EQ(FocusOfThread(options), c.time);
    Type({VK_RIGHT, '3', '0'});
    EXPECT_TRUE(WaitUntil([&] { return PickedTime(c.time).wMinute == 30; })) << "the minutes were not typed";
    EXPECT_EQ(FocusOfThread(options), c.time);

    // The day and the month of the date.
    ClickWindow(c.date, 24);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(options) == c.date; }));
    Type({'2', '0', VK_RIGHT, '0', '6'});
    EXPECT_TRUE(WaitUntil([&] {
        const SYSTEMTIME date = PickedTime(c.date);
        return date.wDay == 20 && date.wMonth == 6;
    })) << "the date was not typed";
    EXPECT_EQ(FocusOfThread(options), c.date);
    EXPECT_EQ(WindowText(c.memo), kMessage) << "keys typed into the schedule went into the message";

    EXPECT_EQ(program.CloseAndWait(), 0);
    TaskTable saved;
    LoadTaskFile(dir.Path() / L"TasksList.tsk", saved,
                 ScheduleCellReader(base::SystemFormatSettings(), Now()));
    ASSERT_EQ(saved.RowCount(), 3);
    EXPECT_EQ(saved.Cell(kColDay, 1),
              base::DateToStr(base::EncodeDate(2031, 6, 20), base::SystemFormatSettings()));
    EXPECT_EQ(saved.Cell(kColTime, 1).substr(0, 6), L"15:30:");
    const base::StringList lines = MessageLines(SplitMessageCell(saved.Cell(kColMessage, 1)).body);
    ASSERT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines[0], kMessage);
}

namespace {

// The program's dialog of `className` once it is on the screen.
HWND WaitForDialogOf(const RunningProgram& program, const wchar_t* className) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = program.WindowOfClass(className);
        return dialog && IsWindowVisible(dialog);
    });
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

// Whether the dialog takes the keys: it is the foreground window and has the
// focus, itself or one of its controls.
bool TakesKeys(HWND dialog) {
    const HWND focus = FocusOfThread(dialog);
    return GetForegroundWindow() == dialog && (focus == dialog || IsChild(dialog, focus));
}

// After the dialog went: the settings window is active again and the next key
// goes to one of its controls.
void ExpectBackInTheSettingsWindow(HWND options, HWND dialog, const char* what) {
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << what;
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }))
        << what << ": the foreground window is of class "
        << testing::PrintToString(ClassOf(GetForegroundWindow()));
    EXPECT_TRUE(WaitUntil([&] {
        const HWND focus = FocusOfThread(options);
        return focus && IsChild(options, focus);
    })) << what
        << ": no control of the settings window has the focus";
}

}  // namespace

TEST(FocusInTheProgram, EachDialogGivesTheSettingsWindowBackItsFocus) {
    ScratchDir dir(L"focus-dialogs");
    WriteOneTask(dir.Path());
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    HWND options = program.WindowOfClass(L"TfrmOptions");
    ASSERT_TRUE(
        PressCtrlAltUntil('L', [&] { return FindVisibleChild(options, L"Edit", kMessage) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return ShownWhole(options); })) << "the settings window's show effect ends";
    const HWND days = FindVisibleChild(options, L"Button", L"Другой...");
    const HWND balloon = FindVisibleChild(options, L"Button", L"...");
    const HWND help = FindVisibleChild(options, L"Button", L"?");
    ASSERT_TRUE(days && balloon && help);

    // The day picker: Esc, Enter ("Изменить"), a click on "Отмена".
    for (int way = 0; way < 3; ++way) {
        ClickWindow(days);
        HWND picker = WaitForDialogOf(program, L"TfrmDays");
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TakesKeys(picker); }));
        if (way == 0) Type({VK_ESCAPE});
        if (way == 1) Type({VK_RETURN});
        if (way == 2) ClickWindow(FindVisibleChild(picker, L"Button", L"Отмена"));
        ExpectBackInTheSettingsWindow(options, picker, "the day picker");
        if (way == 1) {
            EXPECT_TRUE(WaitUntil([&] {
                return FocusOfThread(options) == FindVisibleChild(options, L"Edit", kMessage);
            })) << "days chosen: the message is next";
        }
    }

    // The balloon options: Esc and a click on OK.
    for (int way = 0; way < 2; ++way) {
        ClickWindow(balloon);
        HWND dialog = WaitForDialogOf(program, L"TfrmBalloonOptions");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TakesKeys(dialog); }));
        if (way == 0) Type({VK_ESCAPE});
        if (way == 1) ClickWindow(FindVisibleChild(dialog, L"Button", L"OK"));
        ExpectBackInTheSettingsWindow(options, dialog, "the balloon options");
        EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == balloon; }))
            << "the button that opened the balloon options";
    }

    // The format help: Enter and a click on OK.
    for (int way = 0; way < 2; ++way) {
        ClickWindow(help);
        HWND dialog = WaitForDialogOf(program, L"TfrmHelpText");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TakesKeys(dialog); }));
        if (way == 0) Type({VK_RETURN});
        if (way == 1) ClickWindow(FindVisibleChild(dialog, L"Button", L"OK"));
        ExpectBackInTheSettingsWindow(options, dialog, "the format help");
    }

    // A message box: the question before the task list is cleared.
    ClickWindow(FindVisibleChild(options, L"Button", L"X"));
    HWND question = program.WaitForDialog(15000);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TakesKeys(question); }));
    Type({VK_RETURN});
    ExpectBackInTheSettingsWindow(options, question, "the question");

    // The format-name box of a format edited on the main page: Esc, then Enter.
    PressCtrlAlt('O');
    HWND add = nullptr, format = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        // The format's text lies in the frame that holds the button's panel.
        add = FindVisibleChild(options, L"Button", L"+");
        format = nullptr;
        for (HWND frame = add ? GetParent(add) : nullptr; frame && frame != options && !format;
             frame = GetParent(frame))
            format = FindVisibleChild(frame, L"Edit");
        return format != nullptr;
    }));
    for (int way = 0; way < 2; ++way) {
        ClickWindow(format);
        Type({VK_END, 'X'});  // the text no longer matches its name: it can be added
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(add) != FALSE; }));
        ClickWindow(add);
        HWND box = WaitForDialogOf(program, L"TfrmInputBox");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TakesKeys(box); }));
        Type({way == 0 ? WORD(VK_ESCAPE) : WORD(VK_RETURN)});
        ExpectBackInTheSettingsWindow(options, box, "the format-name box");
    }
    EXPECT_EQ(program.CloseAndWait(), 0);
}

TEST(FocusInTheProgram, AClosedReminderGivesTheKeysBackToTheWindowActiveBeforeIt) {
    ScratchDir dir(L"focus-reminder");
    // The clock stays on top: it lies next to the reminder.
    base::WriteFileBytes(dir.Path() / L"Horalto.ini", "[Main]\r\nFormStyle=1\r\n");
    TaskTable grid;
    grid.SetRowCount(3);
    grid.SetCell(kColDay, 1, L"*Ежедневно");
    grid.SetCell(kColTime, 1, L"1Через 0:00:10");
    grid.SetCell(kColDescription, 1, BuildDescriptionCell(0, L"Перерыв"));
    base::StringList lines;
    lines.Add(kMessage);
    grid.SetCell(kColMessage, 1, BuildMessageCell(kMessageWindow, L"Напоминание", lines));
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", TaskFileBytes(grid));
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    HWND options = program.WindowOfClass(L"TfrmOptions");
    // Pressed again until the program, just started, has taken its hot keys.
    ASSERT_TRUE(PressCtrlAltUntil(
        'O', [&] { return GetForegroundWindow() == options && IsWindowEnabled(options) != FALSE; }));
    const HWND format = FindVisibleChild(options, L"Edit");
    ASSERT_NE(format, nullptr);
    ASSERT_TRUE(ClickUntil(format, [&] { return FocusOfThread(options) == format; }));
    ASSERT_EQ(program.WindowOfClass(L"TfrmMessage"), nullptr)
        << "the reminder came before the settings window";

    // The reminder takes the keys while it is up: Enter closes it.
    HWND reminder = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            reminder = program.WindowOfClass(L"TfrmMessage");
            return reminder && IsWindowVisible(reminder) && GetForegroundWindow() == reminder;
        },
        20000));
    PressKey(VK_RETURN);
    ExpectBackInTheSettingsWindow(options, reminder, "the reminder");
    EXPECT_EQ(FocusOfThread(options), format) << "the keys go where they went before the reminder";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

namespace {

// The tab strip of the settings window's pages (not the one of a page's own sub-pages).
HWND PagesStrip(HWND options) {
    return FindWindowExW(options, nullptr, L"SysTabControl32", nullptr);
}

int ShownPage(HWND strip) {
    return static_cast<int>(SendMessageW(strip, TCM_GETCURSEL, 0, 0));
}

// The settings window is on the screen, its show effect over.
bool Opened(HWND options) {
    return IsWindowVisible(options) && IsWindowEnabled(options) &&
           (GetWindowLongPtrW(options, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

// A control of the settings window on the screen has the focus.
HWND FocusedControl(HWND options) {
    const HWND focus = FocusOfThread(options);
    return focus && focus != options && IsChild(options, focus) && IsWindowVisible(focus) ? focus : nullptr;
}

// `window` lies on the page shown by the tab strip (not on the strip itself).
bool OnShownPage(HWND strip, HWND window) {
    for (HWND h = window; h; h = GetParent(h))
        if (GetParent(h) == strip) return ClassOf(h) == L"TTabSheet" && IsWindowVisible(h);
    return false;
}

std::string ClassOfFocus(HWND options) {
    return testing::PrintToString(ClassOf(FocusOfThread(options)));
}

}  // namespace

TEST(FocusInTheProgram, EveryOpeningOfTheSettingsWindowHasAFocusedControl) {
    ScratchDir dir(L"focus-openings");
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    const HWND options = program.WindowOfClass(L"TfrmOptions");
    const HWND strip = PagesStrip(options);
    ASSERT_NE(strip, nullptr);
    auto closed = [&] { return WaitUntil([&] { return !IsWindowVisible(options); }, 10000); };

    // The first opening, pressed again until the program has taken its hot
    // keys; Tab moves the focus on to another control of the page.
    ASSERT_TRUE(PressCtrlAltUntil('O', [&] { return Opened(options); }));
    ASSERT_TRUE(WaitUntil([&] { return FocusedControl(options) != nullptr; }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);
    const HWND first = FocusedControl(options);
    PressKey(VK_TAB);
    ASSERT_TRUE(
        WaitUntil([&] { return FocusedControl(options) && FocusedControl(options) != first; }, 10000));
    const HWND chosen = FocusedControl(options);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(closed()) << "Esc closes the window";

    // The second opening: that control again, and Tab and Alt+F4 work at once.
    // Pressed again until the program, just started, has taken its hot keys.
    ASSERT_TRUE(PressCtrlAltUntil('O', [&] { return Opened(options); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == chosen; }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);
    PressKey(VK_TAB);
    EXPECT_TRUE(
        WaitUntil([&] { return FocusedControl(options) && FocusedControl(options) != chosen; }, 10000))
        << "Tab moves the focus";
    const HWND later = FocusedControl(options);
    PressWith({VK_MENU}, VK_F4);
    ASSERT_TRUE(closed()) << "Alt+F4 closes the window";

    // Opened on the planner's page: a control of that page.
    PressCtrlAlt('L');
    ASSERT_TRUE(WaitUntil([&] { return Opened(options) && ShownPage(strip) == 7; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return OnShownPage(strip, FocusedControl(options)); }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);
    // Another page while the window is shown: the control that had the focus there last.
    PressCtrlAlt('O');
    ASSERT_TRUE(WaitUntil([&] { return ShownPage(strip) == 0; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == later; }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(closed()) << "Esc closes the window";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

namespace {

// The tab strip of the sub-pages of the settings window's page "Окно".
HWND SubPagesStrip(HWND options, HWND pagesStrip) {
    return FindVisibleChild(options, L"SysTabControl32", nullptr, [&](HWND h) { return h != pagesStrip; });
}

// `focus` is the first control of the page the strip shows, as a reader meets
// them: no other control there that the Tab key stops at (a push button
// aside) lies wholly above it.
bool FirstOnShownPage(HWND strip, HWND focus) {
    HWND page = nullptr;
    for (HWND h = GetWindow(strip, GW_CHILD); h && !page; h = GetWindow(h, GW_HWNDNEXT))
        if (IsWindowVisible(h)) page = h;
    if (!page || !IsChild(page, focus)) return false;
    std::vector<HWND> all;
    EnumChildWindows(
        page,
        [](HWND h, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    RECT f{};
    GetWindowRect(focus, &f);
    for (HWND h : all) {
        const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        const LONG_PTR kind = style & BS_TYPEMASK;
        const bool pushButton =
            ClassOf(h) == L"Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
        if (!(style & WS_TABSTOP) || pushButton || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        RECT r{};
        GetWindowRect(h, &r);
        if (r.bottom <= f.top) return false;
    }
    return true;
}

// The text of the format whose buttons include `button`: it lies in the frame
// that holds the buttons' panel.
HWND FormatTextOf(HWND button, HWND options) {
    HWND text = nullptr;
    for (HWND frame = GetParent(button); frame && frame != options && !text; frame = GetParent(frame))
        text = FindVisibleChild(frame, L"Edit");
    return text;
}

// Tab pressed until the focus is on the tab strip or on one of its pages; false when 40 presses do not get
// there.
bool TabInto(HWND options, HWND strip) {
    for (int press = 0; press < 40; ++press) {
        const HWND focus = FocusOfThread(options);
        if (focus == strip || IsChild(strip, focus)) return true;
        PressKey(VK_TAB);
        if (!WaitUntil([&] { return FocusOfThread(options) != focus; }, 10000)) return false;
    }
    return false;
}

}  // namespace

TEST(FocusInTheProgram, PagesChangeFromTheKeyboard) {
    ScratchDir dir(L"focus-pages");
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    const HWND options = program.WindowOfClass(L"TfrmOptions");
    const HWND strip = PagesStrip(options);
    ASSERT_NE(strip, nullptr);
    // Pressed again until the program, just started, has taken its hot keys.
    ASSERT_TRUE(PressCtrlAltUntil('O', [&] { return Opened(options); }));
    const HWND edit = FormatTextOf(FindVisibleChild(options, L"Button", L"+"), options);
    ASSERT_NE(edit, nullptr);
    ClickWindow(edit);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(options) == edit; }, 10000));

    // Next and previous page, going round; the focus goes to the new page's
    // first control (on "Окно" and "Системные" made after the controls below it).
    const struct {
        std::vector<WORD> modifiers;
        WORD key;
        int page;
    } steps[] = {{{VK_CONTROL}, VK_TAB, 1},           {{VK_CONTROL}, VK_NEXT, 2},
                 {{VK_CONTROL, VK_SHIFT}, VK_TAB, 1}, {{VK_CONTROL}, VK_PRIOR, 0},
                 {{VK_CONTROL}, VK_PRIOR, 9},         {{VK_CONTROL}, VK_TAB, 0}};
    for (const auto& step : steps) {
        PressWith(step.modifiers, step.key);
        EXPECT_TRUE(WaitUntil(
            [&] { return ShownPage(strip) == step.page && OnShownPage(strip, FocusOfThread(options)); },
            10000))
            << "page " << ShownPage(strip) << " instead of " << step.page
            << ", the focus on a window of class " << ClassOfFocus(options);
        EXPECT_TRUE(FirstOnShownPage(strip, FocusOfThread(options)))
            << "page " << step.page << ": the focus on "
            << testing::PrintToString(WindowText(FocusOfThread(options))) << ", below another control";
    }

    // The tab strip is a stop of the Tab key: right before the page's first control.
    const HWND first = FocusOfThread(options);
    PressWith({VK_SHIFT}, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == strip; }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == first; }, 10000))
        << "the focus is on a window of class " << ClassOfFocus(options);

    // Inside the sub-pages of "Окно" the keys change those; the page stays.
    PressWith({VK_CONTROL}, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return ShownPage(strip) == 1; }, 10000));
    const HWND inner = SubPagesStrip(options, strip);
    ASSERT_NE(inner, nullptr);
    ASSERT_TRUE(TabInto(options, inner));
    ASSERT_EQ(ShownPage(inner), 0);
    for (const auto& [modifiers, key, subPage] :
         {std::tuple{std::vector<WORD>{VK_CONTROL}, WORD(VK_TAB), 1},
          std::tuple{std::vector<WORD>{VK_CONTROL}, WORD(VK_PRIOR), 0},
          std::tuple{std::vector<WORD>{VK_CONTROL, VK_SHIFT}, WORD(VK_TAB), 2}}) {
        PressWith(modifiers, key);
        EXPECT_TRUE(WaitUntil(
            [&] { return ShownPage(inner) == subPage && OnShownPage(inner, FocusOfThread(options)); }, 10000))
            << "sub-page " << ShownPage(inner) << " instead of " << subPage;
        EXPECT_EQ(ShownPage(strip), 1) << "the page stays while its sub-pages change";
    }
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(options); }, 10000)) << "Esc closes the window";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

TEST(FocusInTheProgram, AddingAndDeletingAFormatLeaveTheFocusInTheWindow) {
    ScratchDir dir(L"focus-formats");
    RunningProgram program(dir.Path());
    ASSERT_TRUE(StartedActive(program));
    const HWND options = program.WindowOfClass(L"TfrmOptions");
    // Pressed again until the program, just started, has taken its hot keys.
    ASSERT_TRUE(PressCtrlAltUntil('O', [&] { return Opened(options); }));
    // The buttons and the text of the main text's format.
    const HWND add = FindVisibleChild(options, L"Button", L"+");
    ASSERT_NE(add, nullptr);
    const HWND buttons = GetParent(add);
    const HWND remove = FindVisibleChild(buttons, L"Button", L"\u2013");
    const HWND format = FormatTextOf(add, options);
    ASSERT_TRUE(remove && format);

    // "+" with a new name and Enter: the new format chosen, "+" disabled.
    ClickWindow(format);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(options) == format; }, 10000));
    PressKey(VK_END);
    PressKey('X');  // the text no longer matches its name: it can be added
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(add) != FALSE; }, 10000));
    ClickWindow(add);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (box = program.WindowOfClass(L"TfrmInputBox")) && IsWindowVisible(box); }, 10000));
    const HWND name = FindVisibleChild(box, L"Edit");
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(box) == name; }, 10000));
    PressKey('Q');  // replaces the chosen text
    PressKey('W');
    ASSERT_TRUE(WaitUntil([&] { return WindowText(name) == L"qw"; }, 10000));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(add) && IsWindowEnabled(remove); }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == format; }, 10000))
        << "after \"+\" the focus is on a window of class " << ClassOfFocus(options);

    // "–": the format deleted, "–" disabled.
    ClickWindow(remove);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(remove) && IsWindowEnabled(add); }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(options) == format; }, 10000))
        << "after \"\u2013\" the focus is on a window of class " << ClassOfFocus(options);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(options); }, 10000)) << "Esc closes the window";
    EXPECT_EQ(program.CloseAndWait(), 0);
}
