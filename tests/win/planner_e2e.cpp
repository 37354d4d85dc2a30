// The planner in the whole program under Wine: a task of a prepared
// TasksList.tsk falls due and shows its reminder; interval tasks run once for
// each interval; the tasks set to run at exit run once each when the program
// closes (also those that process messages for seconds), before the task file
// is written; a planner switched off in Horalto.ini runs neither; the planner
// page's questions act only on "Да"; an entry of the clock's menu of coming
// tasks runs the task it shows, or nothing, even when the list changed while it
// was open.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/date_format.h"
#include "base/date_time.h"
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
#include "win/support/mouse.h"
#include "win/support/other_windows.h"
#include "win/support/program_runner.h"
#include "win/support/voice_log.h"

using namespace testing_support;
using namespace planner;

namespace {

TaskTable ReadTasks(const std::filesystem::path& dir) {
    TaskTable grid;
    LoadTaskFile(dir / L"TasksList.tsk", grid, ScheduleCellReader(base::SystemFormatSettings(), Now()));
    return grid;
}

// The row whose description text (after its flag) is `text`, or -1.
int FindRow(const TaskTable& grid, const std::wstring& text) {
    for (int r = 1; r < grid.RowCount(); ++r)
        if (DescriptionText(grid.Cell(kColDescription, r)) == text) return r;
    return -1;
}

// Every top-level window of `className` that the process `pid` has now.
std::vector<HWND> WindowsOf(DWORD pid, const wchar_t* className) {
    struct Search {
        DWORD pid;
        const wchar_t* cls;
        std::vector<HWND> found;
    } search{pid, className, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[64] = {};
            if (owner == s.pid && GetClassNameW(hwnd, cls, 64) && wcscmp(cls, s.cls) == 0)
                s.found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether a command script started by the process `pid` still runs (a child
// that has no name yet may be one).
bool ScriptRunning(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running;
         more = Process32NextW(snapshot, &entry))
        running = entry.th32ParentProcessID == pid &&
                  (_wcsicmp(entry.szExeFile, L"cmd.exe") == 0 || entry.szExeFile[0] == L'\0');
    CloseHandle(snapshot);
    return running;
}

// A script that appends a line to run-<mark>.txt beside it each time it runs,
// and the number of those lines.
class RunCounter {
  public:
    explicit RunCounter(const std::filesystem::path& dir) : dir_(dir), script_(dir / L"append run.cmd") {
        // Each task writes a file of its own: two scripts running at once must not share one.
        base::WriteFileBytes(script_, "@echo %1>>\"%~dp0run-%1.txt\"\r\n");
    }
    // The file item that runs the script with `mark`, and the files cell of a
    // task that runs it alone.
    std::wstring Item(const std::wstring& mark) const { return script_.wstring() + L"|" + mark; }
    std::wstring Cell(const std::wstring& mark) const { return BuildListCell(0, {Item(mark)}); }
    int Runs(const std::wstring& mark) const {
        const std::filesystem::path file = dir_ / (L"run-" + mark + L".txt");
        base::StringList lines;
        if (std::filesystem::exists(file)) lines.LoadFromFile(file);
        return lines.Count();
    }
    // The scripts run on their own, after the program may have gone: waits
    // for the marks that must show, then until every script the program
    // `programPid` started has ended, so an extra run has counted too.
    void Settle(const std::vector<std::wstring>& expected, DWORD programPid = 0) const {
        EXPECT_TRUE(WaitFor([&] {
            return std::all_of(expected.begin(), expected.end(),
                               [&](const std::wstring& mark) { return Runs(mark) > 0; });
        })) << "a task that had to run did not";
        if (programPid) {
            EXPECT_TRUE(WaitFor([&] { return !ScriptRunning(programPid); })) << "a script did not end";
        }
    }

  private:
    std::filesystem::path dir_, script_;
};

// A task row that runs the counter's script with `mark`; its description has `flag`.
int AddCountedRow(TaskTable& grid, const RunCounter& counter, const std::wstring& day,
                  const std::wstring& time, wchar_t flag, const std::wstring& description,
                  const std::wstring& mark) {
    const int row = AddTaskRow(grid, day, time, std::wstring(1, flag) + description);
    grid.SetCell(kColFiles, row, counter.Cell(mark));
    return row;
}

// The open menu windows of the process: the popup menu, then its open submenus.
std::vector<HWND> MenuWindows(DWORD pid) {
    std::vector<HWND> shown;
    for (HWND menu : WindowsOf(pid, L"#32768"))
        if (IsWindowVisible(menu)) shown.push_back(menu);
    return shown;
}

// The clock's popup menu and its planner submenu, from outside: every entry is
// as high as the next, separators are 4 pixels high, and a menu window keeps a
// margin of 3 pixels above and below its entries.
class ClockMenu {
  public:
    ClockMenu(const RunningProgram& program, HWND clock) : program_(program), clock_(clock) {}
    // Opens the popup menu with a right click on the clock, then the planner
    // submenu with the pointer resting on its entry; the submenu's window.
    HWND OpenPlanner() {
        RECT r{};
        GetWindowRect(clock_, &r);
        // The clock takes its clicks once it is drawn: until then it is clicked again.
        const bool open = WaitFor(
            [&] {
                if (!Menus().empty()) return true;
                RightClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                return WaitFor([&] { return !Menus().empty(); }, 2000);
            },
            30000);
        if (!open) return nullptr;
        HWND menu = Menus().front();
        GetWindowRect(menu, &r);
        // Nine entries, two of them separators; the planner is the third.
        entryHeight_ = (r.bottom - r.top - 2 * 3 - 2 * 4) / 7;
        // A move that comes before the menu tracks the pointer is lost: the
        // pointer moves within the entry until the submenu opens.
        const POINT planner{(r.left + r.right) / 2, r.top + 3 + entryHeight_ + 4 + entryHeight_ / 2};
        int step = 0;
        const bool opened = WaitFor(
            [&] {
                MouseAt(POINT{planner.x + (step++ % 2) * 8, planner.y});
                return WaitFor([&] { return Menus().size() == 2; }, 1000);
            },
            20000);
        if (!opened) return nullptr;
        for (HWND shown : Menus())
            if (shown != menu) return shown;
        return nullptr;
    }
    // The planner submenu holds its switch, a separator, then the coming tasks.
    int ComingTasksShown(HWND submenu) const {
        RECT r{};
        GetWindowRect(submenu, &r);
        return (r.bottom - r.top - 2 * 3 - 4) / entryHeight_ - 1;
    }
    // A click on the coming task's entry (0 the first) of the submenu.
    void ChooseTask(HWND submenu, int task) const {
        RECT r{};
        GetWindowRect(submenu, &r);
        const int top = r.top + 3 + entryHeight_ + 4 + task * entryHeight_;
        LeftClickAt(POINT{(r.left + r.right) / 2, top + entryHeight_ / 2});
    }
    std::vector<HWND> Menus() const { return MenuWindows(program_.ProcessId()); }

  private:
    const RunningProgram& program_;
    HWND clock_;
    int entryHeight_ = 0;
};

std::wstring MonthNotNow(int offset) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return std::wstring(MonthAbbreviations()[(st.wMonth - 1 + offset) % 12]);
}

}  // namespace

TEST(PlannerInTheProgram, TaskDueAfterStartShowsItsReminderAndIsMarkedDone) {
    ScratchDir dir(L"planner-due");
    TaskTable grid;
    const int row = AddTaskRow(grid, L"*Ежедневно", L"1Через 0:00:04", std::wstring(1, L'\x01') + L"Звонок");
    grid.SetCell(kColMessage, row, std::wstring(1, L'\x01') + L"Напоминание|\"Позвонить маме\"");
    WriteTaskFile(dir.Path(), grid);
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        HWND reminder = program.WaitForWindow(L"TfrmMessage", 20000);
        ASSERT_NE(reminder, nullptr) << "no reminder window appeared";
        // The window is made first and given the task's title after.
        EXPECT_TRUE(WaitFor([&] { return WindowText(reminder) == L"Напоминание"; }))
            << testing::PrintToString(WindowText(reminder));
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const TaskTable saved = ReadTasks(dir.Path());
    const int r = FindRow(saved, L"Звонок");
    ASSERT_GE(r, 1);
    SYSTEMTIME st;
    GetLocalTime(&st);
    const std::wstring done = saved.Cell(kColDone, r);
    EXPECT_NE(done.find(std::to_wstring(st.wYear)), std::wstring::npos)
        << "run time in the Выполнено cell: " << done;
    EXPECT_EQ(saved.Cell(kColNextRun, r), L"") << "a one-time task has no next run after its run";
}

TEST(PlannerInTheProgram, IntervalTasksRunOnceForEachInterval) {
    // Tasks every 3 and every 4 seconds beside a task long past (after each
    // run the whole list is planned again), each starting a script that adds
    // a line to a file of its own: each runs once for each interval, also at
    // the tick where both are due, and misses none.
    ScratchDir dir(L"planner-interval");
    const RunCounter counter(dir.Path());
    TaskTable grid;
    AddCountedRow(grid, counter, L"*Ежедневно", L"Через 0:00:03", L'\0', L"Три", L"A");
    AddCountedRow(grid, counter, L"*Ежедневно", L"Через 0:00:04", L'\0', L"Четыре", L"B");
    const std::wstring past = base::DateToStr(base::EncodeDate(2020, 1, 1), base::SystemFormatSettings());
    AddTaskRow(grid, past, L"10:00:00", std::wstring(1, L'\0') + L"Давно");
    WriteTaskFile(dir.Path(), grid);
    struct Task {
        const wchar_t* mark;
        DWORD interval;             // ms
        std::size_t runs;           // the runs to wait for
        std::vector<DWORD> seen{};  // when each run's line showed (tick count)
    };
    // Both are due together at the twelfth second; the runs after it show a
    // second run or a missed one.
    Task tasks[] = {{L"A", 3000, 5}, {L"B", 4000, 4}};
    DWORD pid = 0;
    {
        RunningProgram program(dir.Path());
        pid = program.ProcessId();
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        EXPECT_TRUE(WaitFor(
            [&] {
                bool done = true;
                for (Task& t : tasks) {
                    const auto lines = static_cast<std::size_t>(counter.Runs(t.mark));
                    while (t.seen.size() < lines) t.seen.push_back(GetTickCount());
                    done = done && t.seen.size() >= t.runs;
                }
                return done;
            },
            90000))
            << "the tasks ran " << tasks[0].seen.size() << " and " << tasks[1].seen.size() << " times";
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    counter.Settle({L"A", L"B"}, pid);
    for (const Task& t : tasks) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(t.mark)));
        // A second run for one time comes a tick (a second) after the first;
        // a missed run leaves two intervals between runs.
        for (std::size_t i = 1; i < t.seen.size(); ++i) {
            const DWORD gap = t.seen[i] - t.seen[i - 1];
            EXPECT_GE(gap, t.interval - 1000) << "run " << i << " came too soon after the one before";
            EXPECT_LT(gap, 2 * t.interval - 300) << "a run was missed before run " << i;
        }
    }
}

TEST(PlannerInTheProgram, ExitTasksRunOnceEachAndTheFileIsWritten) {
    ScratchDir dir(L"planner-exit");
    const RunCounter counter(dir.Path());
    TaskTable grid;
    AddCountedRow(grid, counter, L"*Ежедневно", L"Выход", L'\0', L"Первая", L"A");
    int r = AddCountedRow(grid, counter, L"*Ежедневно", L"Выход", L'\0', L"Вторая", L"B");
    grid.SetCell(kColDone, r, L"Удаление");
    AddCountedRow(grid, counter, L"*Месяцы:" + MonthNotNow(6), L"Выход", L'\0', L"Не сегодня", L"C");
    r = AddTaskRow(grid, L"*Ежедневно", L"23:59:59", std::wstring(1, L'\0') + L"Вечер");
    grid.SetCell(kColMessage, r, std::wstring(1, L'\x01') + L"Спать");
    WriteTaskFile(dir.Path(), grid);
    DWORD pid = 0;
    {
        RunningProgram program(dir.Path());
        pid = program.ProcessId();
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    counter.Settle({L"A", L"B"}, pid);
    EXPECT_EQ(counter.Runs(L"A"), 1);
    EXPECT_EQ(counter.Runs(L"B"), 1);
    EXPECT_EQ(counter.Runs(L"C"), 0) << "not its month";

    const TaskTable saved = ReadTasks(dir.Path());
    EXPECT_EQ(saved.RowCount(), 5) << "header, three tasks, spare row";
    const int first = FindRow(saved, L"Первая");
    ASSERT_GE(first, 1);
    EXPECT_FALSE(saved.Cell(kColDone, first).empty());
    EXPECT_EQ(FindRow(saved, L"Вторая"), -1) << "run once and dropped";
    const int later = FindRow(saved, L"Не сегодня");
    ASSERT_GE(later, 1);
    EXPECT_EQ(saved.Cell(kColDone, later), L"");
    EXPECT_GE(FindRow(saved, L"Вечер"), 1);
    EXPECT_EQ(GetRowCells(saved, saved.RowCount() - 1), TaskCells{});
}

TEST(PlannerInTheProgram, PlannerSwitchedOffStaysOffFromTheStart) {
    // The same two tasks, a task due two seconds after the program has read
    // them and a task at exit, in a program that runs until its clock has
    // ticked eight times, each tick a second after the last, and then closes:
    // with the planner on both run, with the planner off neither.
    const auto run = [](const std::filesystem::path& dir, bool plannerOff, const RunCounter& counter) {
        {
            base::IniFile ini(dir / L"Horalto.ini");
            WriteTickingClock(ini);
            ini.WriteBool(L"Planner", L"PlannerOff", plannerOff);
            ini.UpdateFile();
        }
        TaskTable grid;
        AddCountedRow(grid, counter, L"*Ежедневно", L"1Через 0:00:02", L'\0', L"Скоро", L"A");
        AddCountedRow(grid, counter, L"*Ежедневно", L"Выход", L'\0', L"На выходе", L"B");
        WriteTaskFile(dir, grid);
        const std::filesystem::path log = dir / L"voice.log";
        RunningProgram program(dir, VoiceLogEnvironment(log));
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        // The clock says its ticks, a second apart at least, once the
        // settings window is made; the task falls due two seconds after that
        // window has read it. The eighth tick comes after the seventh, six
        // seconds or more after the first, has been handled whole.
        EXPECT_TRUE(WaitFor([&] { return TicksSaid(log) >= 8; }, 60000));
        const DWORD pid = program.ProcessId();
        EXPECT_EQ(program.CloseAndWait(), 0);
        counter.Settle(plannerOff ? std::vector<std::wstring>{} : std::vector<std::wstring>{L"A", L"B"}, pid);
    };

    ScratchDir on(L"planner-on");
    const RunCounter counted(on.Path());
    run(on.Path(), false, counted);
    EXPECT_EQ(counted.Runs(L"A"), 1) << "the task did not run while the planner was on";
    EXPECT_EQ(counted.Runs(L"B"), 1) << "the exit task did not run while the planner was on";

    ScratchDir dir(L"planner-off");
    const RunCounter counter(dir.Path());
    run(dir.Path(), true, counter);
    EXPECT_EQ(counter.Runs(L"A"), 0) << "a task ran while the planner was off";
    EXPECT_EQ(counter.Runs(L"B"), 0) << "an exit task ran while the planner was off";
    const TaskTable saved = ReadTasks(dir.Path());
    for (const wchar_t* text : {L"Скоро", L"На выходе"}) {
        const int row = FindRow(saved, text);
        ASSERT_GE(row, 1) << text;
        EXPECT_EQ(saved.Cell(kColDone, row), L"") << text;
    }
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_TRUE(ini.ReadBool(L"Planner", L"PlannerOff", false));
}

TEST(PlannerInTheProgram, ExitTasksThatProcessMessagesStillRunOnce) {
    ScratchDir dir(L"planner-exit-shake");
    const RunCounter counter(dir.Path());
    TaskTable grid;
    // Flag 2: the clock shakes for seconds while messages are processed.
    int r = AddCountedRow(grid, counter, L"*Ежедневно", L"Выход", L'\x02', L"Встряска", L"S");
    grid.SetCell(kColDone, r, L"Удаление");
    r = AddCountedRow(grid, counter, L"*Ежедневно", L"Выход", L'\0', L"Напомнить", L"R");
    grid.SetCell(kColMessage, r, std::wstring(1, L'\x01') + L"Пока|\"До завтра\"");
    WriteTaskFile(dir.Path(), grid);
    int reminders = 0;
    DWORD pid = 0;
    {
        RunningProgram program(dir.Path());
        pid = program.ProcessId();
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        PostMessageW(main, WM_CLOSE, 0, 0);
        // Every reminder window seen while the program closes.
        std::vector<HWND> seen;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 20000 && !program.WaitExit(0);) {
            for (HWND reminder : WindowsOf(program.ProcessId(), L"TfrmMessage"))
                if (std::find(seen.begin(), seen.end(), reminder) == seen.end()) seen.push_back(reminder);
            Sleep(20);
        }
        reminders = static_cast<int>(seen.size());
        EXPECT_TRUE(program.WaitExit(0));
    }
    counter.Settle({L"S", L"R"}, pid);
    EXPECT_EQ(counter.Runs(L"S"), 1);
    EXPECT_EQ(counter.Runs(L"R"), 1);
    EXPECT_LE(reminders, 1) << "the reminder was shown more than once";
    const TaskTable saved = ReadTasks(dir.Path());
    EXPECT_EQ(FindRow(saved, L"Встряска"), -1) << "run once and dropped";
    EXPECT_GE(FindRow(saved, L"Напомнить"), 1);
    EXPECT_EQ(saved.RowCount(), 3) << "header, one task, spare row";
}

TEST(PlannerInTheProgram, OverLongProgramPathOrParametersFailThatStartOnly) {
    // A path or parameter text longer than the shell takes fails like a
    // program that cannot be started: the next file of the list, the other
    // tasks and the program go on, and everything is saved at the close.
    ScratchDir dir(L"planner-long");
    const RunCounter counter(dir.Path());
    TaskTable grid;
    const std::pair<const wchar_t*, std::wstring> cases[] = {
        {L"P1", L"C:\\" + std::wstring(32000, L'a') + L".exe"},
        {L"P2", L"C:\\missing.exe|" + std::wstring(32000, L'b')},  // taken, and fails as missing
        {L"P3", counter.Item(std::wstring(40000, L'c'))},
        {L"P4", std::wstring(1000, L'd') + L".exe|" + std::wstring(40000, L'e')},
        {L"P5", L"http://example.com/" + std::wstring(1000, L'f')},
    };
    for (const auto& [mark, item] : cases) {
        const int row = AddTaskRow(grid, L"*Ежедневно", L"Запуск", std::wstring(1, L'\0') + mark);
        grid.SetCell(kColFiles, row, BuildListCell(0, {item, counter.Item(mark)}));
    }
    WriteTaskFile(dir.Path(), grid);
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        counter.Settle({L"P1", L"P2", L"P3", L"P4", L"P5"}, program.ProcessId());
        EXPECT_FALSE(program.WaitExit(0)) << "the program ended";
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const TaskTable saved = ReadTasks(dir.Path());
    for (const auto& [mark, item] : cases) {
        EXPECT_EQ(counter.Runs(mark), 1) << testing::PrintToString(std::wstring(mark));
        const int row = FindRow(saved, mark);
        ASSERT_GE(row, 1) << testing::PrintToString(std::wstring(mark));
        EXPECT_NE(saved.Cell(kColDone, row), L"") << "ran";
        EXPECT_EQ(ParseListCell(saved.Cell(kColFiles, row)).items.front(), item) << "kept whole";
    }
}

namespace {

// The planner page of the running program, opened by its hot key.
HWND OpenPlannerPage(const RunningProgram& program) {
    HWND options = program.WindowOfClass(L"TfrmOptions");
    // Pressed again until the program, just started, has taken its hot keys.
    PressCtrlAltUntil('L', [&] { return FindVisibleChild(options, L"Button", L"X") != nullptr; });
    WaitSettingsWindowShown(options);
    return options;
}

// A screen point of the window's close box (where the window answers
// HTCLOSE); false when it has none.
bool CloseBoxOf(HWND window, POINT& at) {
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = r.top + 1; y < std::min<LONG>(r.bottom, r.top + 48); y += 2)
        for (int x = r.right - 2; x > std::max<LONG>(r.left, r.right - 80); x -= 2) {
            DWORD_PTR hit = 0;
            if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000,
                                    &hit) &&
                hit == HTCLOSE) {
                at = {x, y};
                return true;
            }
        }
    return false;
}

enum class Answer { Escape, CloseBox, Yes };

// Clicks `button`, answers the question that comes with `answer` and waits for
// it to go; the question's text is checked.
void AnswerQuestion(const RunningProgram& program, HWND button, const wchar_t* question, Answer answer) {
    ASSERT_NE(button, nullptr);
    ClickWindow(button);
    const HWND box = program.WaitForDialog(15000);
    ASSERT_NE(box, nullptr) << "no question came";
    EXPECT_NE(FindVisibleChild(box, L"Static", question), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }, 10000));
    if (answer == Answer::CloseBox) {
        POINT at{};
        ASSERT_TRUE(CloseBoxOf(box, at)) << "the question has no close box";
        LeftClickAt(at);
    } else {
        PressKey(answer == Answer::Escape ? VK_ESCAPE : VK_RETURN);  // "Да" is the default button
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 10000));
}

}  // namespace

TEST(PlannerInTheProgram, ItsQuestionsActOnlyOnYes) {
    // "Очистить список заданий" and the sounds' play button with the sounds
    // off: Esc and the close box leave the tasks and the sounds as they were;
    // "Да" (Enter) clears the list and switches the sounds on.
    const wchar_t kClear[] = L"Вы действительно хотите очистить список заданий?";
    const wchar_t kSoundsOn[] = L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?";
    for (const Answer answer : {Answer::Escape, Answer::CloseBox, Answer::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        ScratchDir dir(L"planner-questions");
        base::WriteFileBytes(dir.Path() / L"Horalto.ini", "[Sound]\r\nSoundOff=1\r\n");
        TaskTable grid;
        const std::wstring day = base::DateToStr(base::EncodeDate(2031, 5, 15), base::SystemFormatSettings());
        AddTaskRow(grid, day, L"10:00:00", std::wstring(1, L'\0') + L"Первая");
        AddTaskRow(grid, day, L"11:00:00", std::wstring(1, L'\0') + L"Вторая");
        WriteTaskFile(dir.Path(), grid);
        {
            RunningProgram program(dir.Path());
            ASSERT_NE(program.WaitShown(), nullptr);
            const HWND options = OpenPlannerPage(program);
            AnswerQuestion(program, FindVisibleChild(options, L"Button", L"X"), kClear, answer);
            // The sounds' panel, and its play button at the top of its column.
            ClickWindow(FindVisibleChild(options, L"Button", L"Звуки"));
            HWND play = nullptr;
            ASSERT_TRUE(WaitUntil([&] {
                const HWND sounds = FindVisibleChild(options, L"Button", L"Звуки");
                RECT below{};
                GetWindowRect(sounds, &below);
                play = FindVisibleChild(options, L"Button", L"4", [&](HWND h) {  // the play triangle
                    RECT r{};
                    GetWindowRect(h, &r);
                    return r.top > below.bottom;
                });
                return play != nullptr;
            }));
            AnswerQuestion(program, play, kSoundsOn, answer);
            EXPECT_EQ(program.CloseAndWait(), 0);
        }
        const TaskTable saved = ReadTasks(dir.Path());
        const base::IniFile ini(dir.Path() / L"Horalto.ini");
        if (answer == Answer::Yes) {
            EXPECT_EQ(saved.RowCount(), 2) << "the list was not cleared";
            EXPECT_FALSE(ini.ReadBool(L"Sound", L"SoundOff", true)) << "the sounds stayed off";
        } else {
            EXPECT_GE(FindRow(saved, L"Первая"), 1) << "a task was lost";
            EXPECT_GE(FindRow(saved, L"Вторая"), 1) << "a task was lost";
            EXPECT_TRUE(ini.ReadBool(L"Sound", L"SoundOff", false)) << "the sounds were switched on";
        }
    }
}

TEST(PlannerInTheProgram, AComingTaskEntryRunsTheTaskItShowsOrNothing) {
    ScratchDir dir(L"planner-menu");
    const RunCounter counter(dir.Path());
    TaskTable grid;
    // Falls due while the menu is open, runs once and is dropped: the next
    // task takes its place at the top of the list.
    int r = AddCountedRow(grid, counter, L"*Ежедневно", L"1Через 0:00:25", L'\0', L"Скоро", L"A");
    grid.SetCell(kColDone, r, L"Удаление");
    // An hour later; its reminder shows when it runs.
    r = AddTaskRow(grid, L"*Ежедневно", L"1Через 1:00:00", std::wstring(1, L'\0') + L"Позже");
    grid.SetCell(kColMessage, r, std::wstring(1, L'\x01') + L"Чай|\"Пора пить чай\"");
    WriteTaskFile(dir.Path(), grid);
    {
        RunningProgram program(dir.Path());
        HWND clock = program.WaitShown();
        ASSERT_NE(clock, nullptr);
        ClockMenu menu(program, clock);
        HWND submenu = menu.OpenPlanner();
        ASSERT_NE(submenu, nullptr);
        ASSERT_EQ(counter.Runs(L"A"), 0) << "the first task ran before the menu was open";
        ASSERT_EQ(menu.ComingTasksShown(submenu), 2);

        // The first task falls due and runs while its entry is on the screen.
        ASSERT_TRUE(WaitFor([&] { return counter.Runs(L"A") == 1; }, 60000));
        ASSERT_EQ(menu.Menus().size(), 2u) << "the menu closed when the task ran";
        menu.ChooseTask(submenu, 0);
        ASSERT_TRUE(WaitFor([&] { return menu.Menus().empty(); }, 10000));

        // The menu opened again once the choice was handled: the entry shown
        // for the task that ran ran no other task.
        submenu = menu.OpenPlanner();
        EXPECT_TRUE(WindowsOf(program.ProcessId(), L"TfrmMessage").empty())
            << "the entry shown for the first task ran the second";
        ASSERT_NE(submenu, nullptr);
        EXPECT_EQ(menu.ComingTasksShown(submenu), 1);
        // The same entry, now showing the second task, runs it.
        menu.ChooseTask(submenu, 0);
        EXPECT_NE(program.WaitForWindow(L"TfrmMessage", 10000), nullptr);
        EXPECT_EQ(WindowsOf(program.ProcessId(), L"TfrmMessage").size(), 1u);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    EXPECT_EQ(counter.Runs(L"A"), 1);
    const TaskTable saved = ReadTasks(dir.Path());
    EXPECT_EQ(FindRow(saved, L"Скоро"), -1) << "run once and dropped";
    EXPECT_GE(FindRow(saved, L"Позже"), 1);
}
