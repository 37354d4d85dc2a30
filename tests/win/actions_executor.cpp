// The numbered actions, the computer actions behind their seam, and the
// global hot keys with their page.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/action_numbers.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/hot_key_text.h"
#include "core/power_control.h"
#include "options/frm_options.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/keyboard.h"
#include "win/support/program_runner.h"

using testing_support::PressCtrlAlt;

namespace {

template <class F>
bool PumpUntil(F done, DWORD ms = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        ui::Application().ProcessMessages();
        ui::Application().WaitForMessage(20);
    }
    return true;
}

// Records the power calls instead of making them.
struct PowerRecorder : core::PowerControl {
    std::vector<std::wstring> calls;
    void EnableShutdownPrivilege() override { calls.push_back(L"privilege"); }
    void ExitSession(UINT flags) override { calls.push_back(L"exit " + std::to_wstring(flags)); }
    void SetPowerState(bool suspend, bool force) override {
        calls.push_back(std::wstring(L"power ") + (suspend ? L"suspend" : L"hibernate") +
                        (force ? L" force" : L""));
    }
};

// The WM_SYSCOMMAND messages the application window gets (kept from the system).
std::vector<std::pair<WPARAM, LPARAM>> sysCommands;
WNDPROC appProc = nullptr;
LRESULT CALLBACK RecordingAppProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND && ((wp & 0xFFF0) == SC_SCREENSAVE || (wp & 0xFFF0) == SC_MONITORPOWER)) {
        sysCommands.emplace_back(wp, lp);
        return 0;
    }
    return CallWindowProcW(appProc, hwnd, msg, wp, lp);
}

class Actions : public testing::Test {
  protected:
    void SetUp() override {
        InitUnitGlobals();
        IniFileName = dir_.Path() / L"Horalto.ini";
        WorkLogFileName = dir_.Path() / L"WindowsWorkLog.txt";
        FileListsFileName = dir_.Path() / L"FileLists.txt";
        TasksListFileName = dir_.Path() / L"TasksList.tsk";
        boxes_.clear();
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring& caption, UINT) {
                boxes_.push_back(caption + L": " + text);
                return answer_;
            });
        core::SetPowerControl(&power_);
    }
    // Both windows as the program makes them; the hot keys of FileLists.txt
    // (when given) or the default list.
    void Create(const std::wstring& fileLists = {}) {
        if (!fileLists.empty()) {
            base::StringList lines;
            lines.SetText(fileLists);
            lines.SaveToFile(FileListsFileName);
        }
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
    }
    void TearDown() override {
        ui::Application().DestroyForms();
        frmHoralto = nullptr;
        core::SetPowerControl(nullptr);
        ui::SetMessageBoxHandler(previousBoxes_);
    }
    int BodyRows() const { return frmOptions->stgHotKeysList.RowCount() - 1; }

    testing_support::ScratchDir dir_{L"actions-executor"};
    PowerRecorder power_;
    std::vector<std::wstring> boxes_;
    int answer_ = IDYES;
    ui::MessageBoxHandler previousBoxes_;
};

}  // namespace

TEST_F(Actions, HarmlessActionsTakeTheirRoads) {
    Create();
    int dateTime = 0, synchronize = 0, speakTime = 0, sunRD = 0;
    frmOptions->btnDateTime.OnClick = [&](ui::Component&) { ++dateTime; };
    frmOptions->btnSynchronize.OnClick = [&](ui::Component&) { ++synchronize; };
    frmOptions->spbSpeakTime.OnClick = [&](ui::Component&) { ++speakTime; };
    frmHoralto->pmiSunRD.OnClick = [&](ui::Component&) { ++sunRD; };
    for (int action : {15, 16, 17, 18, 16}) frmOptions->DoKeyAction(action, false);
    EXPECT_EQ(dateTime, 1);
    EXPECT_EQ(synchronize, 2);
    EXPECT_EQ(speakTime, 1);
    EXPECT_EQ(sunRD, 1);
    // The main window's menu commands take the same roads.
    frmHoralto->aTimeDateOptions.Execute();
    frmHoralto->aUpdateTime.Execute();
    frmHoralto->aSpeakTime.Execute();
    EXPECT_EQ(dateTime, 2);
    EXPECT_EQ(synchronize, 3);
    EXPECT_EQ(speakTime, 2);

    // 13: all sounds off, and on again.
    frmOptions->DoKeyAction(13, false);
    EXPECT_TRUE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_EQ(frmHoralto->aSoundOnOff.Caption(), L"Включить звук");
    EXPECT_EQ(frmHoralto->aSoundOnOff.ImageIndex(), core::kImageSound);
    frmOptions->DoKeyAction(13, false);
    EXPECT_FALSE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_EQ(frmHoralto->aSoundOnOff.Caption(), L"Выключить звук");

    // 14: the calendar, made once and shown.
    frmOptions->DoKeyAction(14, false);
    ASSERT_NE(frmCalendar, nullptr);

    // 0: the about box (its own window's business); nothing breaks.
    frmOptions->DoKeyAction(0, false);
}

TEST_F(Actions, PlannerOffGreysTheComingTasksAndStopsRuns) {
    Create();
    frmHoralto->pmiTasks.AddNew(L"задача", L"pmiTaskX");
    EarliestTaskTime = 45000.5;
    frmOptions->DoKeyAction(19, false);
    EXPECT_TRUE(frmHoralto->aPlannerOnOff.Checked());
    EXPECT_EQ(frmHoralto->aPlannerOnOff.Caption(), L"Включить планировщик");
    EXPECT_EQ(frmHoralto->aPlannerOnOff.ImageIndex(), 20);
    EXPECT_EQ(EarliestTaskTime, 0.0);
    for (int i = 2; i < frmHoralto->pmiTasks.Count(); ++i) EXPECT_FALSE(frmHoralto->pmiTasks[i].Enabled());
    EXPECT_FALSE(frmOptions->pnlEvent.Visible());
    EXPECT_TRUE(frmOptions->btnPlannerOn.Visible());
    frmOptions->DoKeyAction(19, false);
    EXPECT_TRUE(frmOptions->pnlEvent.Visible());
    EXPECT_FALSE(frmOptions->btnPlannerOn.Visible());
    EXPECT_FALSE(frmHoralto->aPlannerOnOff.Checked());
    EXPECT_EQ(frmHoralto->aPlannerOnOff.Caption(), L"Выключить планировщик");
    EXPECT_EQ(frmHoralto->aPlannerOnOff.ImageIndex(), 13);
    for (int i = 2; i < frmHoralto->pmiTasks.Count(); ++i) EXPECT_TRUE(frmHoralto->pmiTasks[i].Enabled());
}

TEST_F(Actions, SettingsPagesAndTheWindowAction) {
    Create();
    frmOptions->DoKeyAction(10, false);
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    // Open on another page: it stays where it is and switches to page 0.
    const int left = frmOptions->Left(), top = frmOptions->Top();
    frmOptions->DoKeyAction(3, false);
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 0);
    EXPECT_EQ(frmOptions->Left(), left);
    EXPECT_EQ(frmOptions->Top(), top);
    frmOptions->DoKeyAction(12, false);
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 9);
    frmOptions->btnCloseOptions.Click();

    // 1: minimise and back.
    frmHoralto->Show();
    ASSERT_TRUE(PumpUntil([] { return frmHoralto->Tag() == 0; }));
    frmOptions->DoKeyAction(1, false);
    EXPECT_EQ(frmHoralto->GetWindowState(), ui::wsMinimized);
    EXPECT_EQ(frmHoralto->aMinimized.Caption(), L"Показать окно");
    EXPECT_FALSE(frmHoralto->tmrTimer.Enabled());
    frmOptions->DoKeyAction(1, false);
    EXPECT_EQ(frmHoralto->GetWindowState(), ui::wsNormal);
    EXPECT_EQ(frmHoralto->aMinimized.Caption(), L"Свернуть окно");
    EXPECT_TRUE(frmHoralto->Visible());
    EXPECT_TRUE(IsWindowVisible(frmHoralto->Handle()));
    EXPECT_FALSE(IsIconic(frmHoralto->Handle()));
    EXPECT_TRUE(frmHoralto->tmrTimer.Enabled());
}

TEST_F(Actions, ScreenSaverAndMonitorGoToTheApplicationWindow) {
    Create();
    HWND app = ui::Application().Handle();
    appProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(app, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingAppProc)));
    sysCommands.clear();
    frmOptions->DoKeyAction(20, true);
    frmOptions->DoKeyAction(21, true);
    SetWindowLongPtrW(app, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(appProc));
    ASSERT_EQ(sysCommands.size(), 2u);
    EXPECT_EQ(sysCommands[0], (std::pair<WPARAM, LPARAM>{SC_SCREENSAVE, 0}));
    EXPECT_EQ(sysCommands[1], (std::pair<WPARAM, LPARAM>{SC_MONITORPOWER, 1}));  // low power, not off
    EXPECT_TRUE(power_.calls.empty());
}

TEST_F(Actions, ComputerActionsReachTheSeamWithTheForcedFlag) {
    Create();
    for (int action = 22; action <= 27; ++action) {
        frmOptions->DoKeyAction(action, false);
        frmOptions->DoKeyAction(action, true);
    }
    const std::vector<std::wstring> expected{
        L"privilege", L"exit 0",          L"privilege", L"exit 4",                 // log off
        L"privilege", L"exit 2",          L"privilege", L"exit 6",                 // reboot
        L"privilege", L"exit 1",          L"privilege", L"exit 5",                 // shut down
        L"privilege", L"exit 8",          L"privilege", L"exit 12",                // power off
        L"privilege", L"power hibernate", L"privilege", L"power hibernate force",  // hibernate
        L"privilege", L"power suspend",   L"privilege", L"power suspend force",    // stand by
    };
    EXPECT_EQ(power_.calls, expected);
    power_.calls.clear();
    frmOptions->ShutdownWindows(0, true);
    EXPECT_EQ(power_.calls, (std::vector<std::wstring>{L"privilege"}));
}

namespace {

// At the moment the session would end: what the data files hold.
struct FilesAtTheSeam : PowerRecorder {
    struct Seen {
        std::wstring windowLeft, colorItem, hotKeys, exitTaskDone;
        bool workLog = false;
    };
    std::vector<Seen> seen;
    void ExitSession(UINT flags) override {
        PowerRecorder::ExitSession(flags);
        Seen now;
        if (std::filesystem::exists(IniFileName)) {
            const base::IniFile ini(IniFileName);
            now.windowLeft = ini.ReadString(L"Window", L"Left", L"");
            now.colorItem = ini.ReadString(L"Window", L"BackColorItem", L"");
        }
        if (std::filesystem::exists(FileListsFileName)) {
            base::StringList lists;
            lists.LoadFromFile(FileListsFileName);
            const int block = lists.IndexOf(L"[HotKeys]");
            if (block >= 0 && block + 1 < lists.Count()) now.hotKeys = lists[block + 1];
        }
        if (std::filesystem::exists(TasksListFileName)) {
            planner::TaskTable tasks;
            planner::LoadTaskFile(TasksListFileName, tasks,
                                  planner::ScheduleCellReader(base::SystemFormatSettings(), Now()));
            now.exitTaskDone = tasks.RowCount() == 3 ? tasks.Cell(planner::kColDone, 1) : L"no task";
        }
        now.workLog = std::filesystem::exists(WorkLogFileName);
        seen.push_back(now);
    }
};

void RemoveDataFiles() {
    for (const auto* file : {&IniFileName, &FileListsFileName, &TasksListFileName, &WorkLogFileName})
        std::filesystem::remove(*file);
}

}  // namespace

TEST_F(Actions, ForcedEndOfTheSessionSavesTheFilesFirst) {
    planner::TaskTable tasks;
    tasks.SetRowCount(3);
    tasks.SetCell(planner::kColDay, 1, L"*Ежедневно");
    tasks.SetCell(planner::kColTime, 1, L"Выход");
    tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\0') + L"На выходе");
    base::WriteFileBytes(TasksListFileName, planner::TaskFileBytes(tasks));
    Create();
    FilesAtTheSeam files;
    core::SetPowerControl(&files);
    frmHoralto->SetLeft(123);
    frmOptions->chbWorkLog.SetChecked(true);
    // Log off, reboot, shut down, power off: each finds the files written.
    for (int action = 22; action <= 25; ++action) {
        RemoveDataFiles();
        frmOptions->DoKeyAction(action, true);
        ASSERT_EQ(files.seen.size(), static_cast<size_t>(action - 21)) << action;
        const FilesAtTheSeam::Seen& at = files.seen.back();
        EXPECT_EQ(at.windowLeft, L"123") << action << ": the main window's keys";
        EXPECT_NE(at.colorItem, L"") << action << ": the settings window's keys";
        EXPECT_FALSE(at.hotKeys.empty()) << action << ": FileLists.txt";
        EXPECT_EQ(at.exitTaskDone, L"") << action << ": the task file, without running the exit task";
        EXPECT_TRUE(at.workLog) << action;
    }
    // Not forced, Windows asks the close query first; hibernate and stand by
    // keep the session: nothing is written here.
    RemoveDataFiles();
    frmOptions->DoKeyAction(24, false);
    frmOptions->DoKeyAction(26, true);
    frmOptions->DoKeyAction(27, true);
    EXPECT_FALSE(files.seen.back().workLog);
    EXPECT_FALSE(std::filesystem::exists(IniFileName));
    EXPECT_EQ(frmOptions->Tag(), 0) << "not the exit phase";
    core::SetPowerControl(&power_);
}

TEST_F(Actions, NumbersOutsideTheListDoNothing) {
    Create();
    for (int action : {-1, 28, 278, -234, 1000}) frmOptions->DoKeyAction(action, true);
    EXPECT_TRUE(power_.calls.empty());
    EXPECT_FALSE(frmOptions->Visible());
    EXPECT_FALSE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_NE(frmHoralto->GetWindowState(), ui::wsMinimized);
}

TEST_F(Actions, DefaultHotKeysAreRegisteredAndRunTheirActions) {
    Create();
    ASSERT_EQ(BodyRows(), 9);
    EXPECT_EQ(frmOptions->stgHotKeysList.RowCells(4),
              (std::vector<std::wstring>{L"10", L"Ctrl+Alt+L", L"Настройки->Планировщик"}));
    ASSERT_EQ(frmOptions->HotKeyAtoms.size(), 10u);
    for (int r = 1; r <= 9; ++r) EXPECT_NE(frmOptions->HotKeyAtoms[r], 0) << r;
    // The system refuses a second registration of a taken combination.
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7000, MOD_CONTROL | MOD_ALT, 'L'));
    // The hot key of row 4 opens the planner page.
    SendMessageW(frmOptions->Handle(), WM_HOTKEY, frmOptions->HotKeyAtoms[4],
                 MAKELPARAM(MOD_CONTROL | MOD_ALT, 'L'));
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    // An id that belongs to no row does nothing.
    SendMessageW(frmOptions->Handle(), WM_HOTKEY, 0xBEEF, 0);
    ui::Application().DestroyForms();
    frmHoralto = nullptr;
    // Unregistered with the settings window: the combination is free again.
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, 'L'));
    UnregisterHotKey(nullptr, 0x7001);
}

TEST_F(Actions, PressedHotKeyRunsItsAction) {
    Create(L"[HotKeys]\n13\tCtrl+Alt+F7\tРазное->Вкл/Выкл. звук\t\n");
    ASSERT_EQ(BodyRows(), 1);
    ASSERT_NE(frmOptions->HotKeyAtoms.at(1), 0);
    ASSERT_EQ(PressCtrlAlt(VK_F7), 6u);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));
}

namespace {

// Whether Ctrl+Alt+key is registered already (a trial registration is undone).
bool Taken(UINT key) {
    if (!RegisterHotKey(nullptr, 0x7005, MOD_CONTROL | MOD_ALT, key)) return true;
    UnregisterHotKey(nullptr, 0x7005);
    return false;
}

}  // namespace

TEST_F(Actions, EachHotKeyRowHasItsOwnRegistration) {
    // Two keys for one action (sound on/off): both work.
    Create(L"[HotKeys]\n13\tCtrl+Alt+F7\tРазное->Вкл/Выкл. звук\t\n");
    TfrmOptions& o = *frmOptions;
    o.cbeKeyActions.SetItemIndex(13);
    o.htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | VK_F11);
    o.spbAddHotKey.Click();
    ASSERT_EQ(BodyRows(), 2);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_NE(o.HotKeyAtoms.at(1), o.HotKeyAtoms.at(2));
    PressCtrlAlt(VK_F7);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));
    PressCtrlAlt(VK_F11);
    EXPECT_TRUE(PumpUntil([] { return !frmHoralto->aSoundOnOff.Checked(); }));
    // Both combinations are held by the program.
    EXPECT_TRUE(Taken(VK_F7));
    EXPECT_TRUE(Taken(VK_F11));

    // Removing the second leaves the first working, and frees only its own keys.
    o.stgHotKeysList.SetRow(2);
    o.spbDeleteHotKey.Click();
    ASSERT_EQ(BodyRows(), 1);
    EXPECT_FALSE(Taken(VK_F11));
    PressCtrlAlt(VK_F7);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));

    // Added again, and now the first row removed: the second keeps working.
    o.cbeKeyActions.SetItemIndex(13);
    o.htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | VK_F11);
    o.spbAddHotKey.Click();
    o.stgHotKeysList.SetRow(1);
    o.spbDeleteHotKey.Click();
    ASSERT_EQ(BodyRows(), 1);
    EXPECT_EQ(o.stgHotKeysList.Cell(1, 1), L"Ctrl+Alt+F11");
    PressCtrlAlt(VK_F11);
    EXPECT_TRUE(PumpUntil([] { return !frmHoralto->aSoundOnOff.Checked(); }));
}

TEST_F(Actions, TwoListedKeysForOneActionBothWork) {
    // A third row with a caption longer than a global atom's name is kept too.
    Create(
        L"[HotKeys]\n13\tCtrl+Alt+F7\tРазное->Вкл/Выкл. звук\t\n"
        L"13\tCtrl+Alt+F11\tРазное->Вкл/Выкл. звук\t\n"
        L"0\tCtrl+Alt+F12\t" +
        std::wstring(300, L'я') + L"\t\n");
    ASSERT_EQ(BodyRows(), 3);
    PressCtrlAlt(VK_F7);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));
    PressCtrlAlt(VK_F11);
    EXPECT_TRUE(PumpUntil([] { return !frmHoralto->aSoundOnOff.Checked(); }));
    frmOptions->stgHotKeysList.SetRow(1);
    frmOptions->spbDeleteHotKey.Click();
    PressCtrlAlt(VK_F11);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));
}

TEST_F(Actions, RowsTheSystemRefusesStayUnregisteredAndBrokenNumbersDoNothing) {
    // Ctrl+Alt+Q is taken by another window before the list is registered.
    HWND other = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, 'Q'));
    Create(
        L"[HotKeys]\n"
        L"278\tCtrl+Alt+F8\tсломанная\t\n"
        L"2\tCtrl+Alt+Q\tЗакрыть программу\t\n"
        L"5\tCtrl+Alt+Неизвестная\tНастройки->Системные часы\t\n"
        L"13\tCtrl+Alt+F9\tРазное->Вкл/Выкл. звук\t\n");
    // The refused row stays, without a registration; a row naming no key goes.
    ASSERT_EQ(BodyRows(), 3);
    EXPECT_EQ(frmOptions->stgHotKeysList.Cell(1, 1), L"Ctrl+Alt+F8");
    EXPECT_EQ(frmOptions->stgHotKeysList.Cell(1, 2), L"Ctrl+Alt+Q");
    EXPECT_EQ(frmOptions->stgHotKeysList.Cell(1, 3), L"Ctrl+Alt+F9");
    ASSERT_EQ(frmOptions->HotKeyAtoms.size(), 4u);
    EXPECT_EQ(frmOptions->HotKeyAtoms[2], 0);
    // 278 is no action (not 22, its low byte): nothing, not even the power seam.
    SendMessageW(frmOptions->Handle(), WM_HOTKEY, frmOptions->HotKeyAtoms[1], 0);
    EXPECT_TRUE(power_.calls.empty());
    SendMessageW(frmOptions->Handle(), WM_HOTKEY, frmOptions->HotKeyAtoms[3], 0);
    EXPECT_TRUE(frmHoralto->aSoundOnOff.Checked());
    // Deleting the unregistered row leaves the other window's key alone.
    frmOptions->stgHotKeysList.SetRow(2);
    frmOptions->spbDeleteHotKey.Click();
    EXPECT_EQ(BodyRows(), 2);
    EXPECT_TRUE(Taken('Q'));

    // "По умолчанию" drops the default rows the system refuses.
    answer_ = IDYES;
    frmOptions->btnHotKeysByDefault.Click();
    EXPECT_EQ(BodyRows(), 8);
    for (int r = 1; r <= BodyRows(); ++r) {
        EXPECT_NE(frmOptions->stgHotKeysList.Cell(1, r), L"Ctrl+Alt+Q");
        EXPECT_NE(frmOptions->HotKeyAtoms.at(r), 0);
    }
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
}

TEST_F(Actions, KeyFieldLetsGoOfTheListsKeysWhileItHasTheFocus) {
    Create(L"[HotKeys]\n13\tCtrl+Alt+F7\tРазное->Вкл/Выкл. звук\t\n0\tCtrl+Alt+F11\tО программе\t\n");
    TfrmOptions& o = *frmOptions;
    o.Show();
    o.pgcOptions.SetActivePageIndex(9);
    o.htkHotKey.SetFocus();
    ASSERT_TRUE(o.htkHotKey.Focused());
    EXPECT_FALSE(Taken(VK_F7));
    EXPECT_FALSE(Taken(VK_F11));
    // A combination of the list is refused, by its name; the field keeps the keys free.
    o.cbeKeyActions.SetItemIndex(14);
    o.htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | VK_F7);
    o.spbAddHotKey.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(
        boxes_[0],
        L"Ошибка: Не удается зарегистрировать комбинацию клавиш \"Ctrl+Alt+F7\". \r\nДанная комбинация уже "
        L"используется.");
    EXPECT_EQ(BodyRows(), 2);
    EXPECT_FALSE(Taken(VK_F7));

    // Another window takes Ctrl+Alt+F11 meanwhile: out of the field, its row
    // stays without a registration and the other key works again.
    HWND other = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, VK_F11));
    o.stgHotKeysList.SetFocus();
    EXPECT_TRUE(Taken(VK_F7));
    ASSERT_EQ(BodyRows(), 2);
    EXPECT_NE(o.HotKeyAtoms.at(1), 0);
    EXPECT_EQ(o.HotKeyAtoms.at(2), 0);
    PressCtrlAlt(VK_F7);
    EXPECT_TRUE(PumpUntil([] { return frmHoralto->aSoundOnOff.Checked(); }));
    // The settings window closed while the field has the focus: the keys are the program's again.
    o.htkHotKey.SetFocus();
    EXPECT_FALSE(Taken(VK_F7));
    o.Close();
    EXPECT_FALSE(o.Visible());
    EXPECT_TRUE(Taken(VK_F7));
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
}

TEST_F(Actions, ListWhoseFirstRowIsEmptyRegistersNothing) {
    Create();
    frmOptions->spbClearHotKeysList.Click();
    frmOptions->stgHotKeysList.SetRowCount(3);
    frmOptions->stgHotKeysList.SetRowCells(2, {L"13", L"Ctrl+Alt+F7", L"Разное->Вкл/Выкл. звук"});
    frmOptions->RegisterHotKeys();
    EXPECT_EQ(frmOptions->HotKeyAtoms, (std::vector<ATOM>{0, 0}));
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_ALT, VK_F7));
    UnregisterHotKey(nullptr, 0x7002);
}

TEST_F(Actions, HotKeyPageAddsDeletesClearsAndRestores) {
    Create();
    TfrmOptions& o = *frmOptions;
    // Clearing a list asks first; No keeps it.
    answer_ = IDNO;
    o.spbClearHotKeysList.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], L"Подтверждение: Вы действительно хотите очистить список горячих клавиш?");
    EXPECT_EQ(BodyRows(), 9);
    answer_ = IDYES;
    o.spbClearHotKeysList.Click();
    EXPECT_EQ(o.stgHotKeysList.RowCount(), 2);
    EXPECT_EQ(o.stgHotKeysList.Cell(0, 1), L"");
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x7003, MOD_CONTROL | MOD_ALT, 'M'));  // unregistered by the clear
    UnregisterHotKey(nullptr, 0x7003);

    // Adding to an empty list fills row 1, adding again appends row 2.
    o.cbeKeyActions.SetItemIndex(13);
    o.htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | VK_F10);
    o.spbAddHotKey.Click();
    EXPECT_EQ(o.stgHotKeysList.RowCount(), 2);
    EXPECT_EQ(o.stgHotKeysList.RowCells(1),
              (std::vector<std::wstring>{L"13", L"Ctrl+Alt+F10", L"Разное->Вкл/Выкл. звук"}));
    o.cbeKeyActions.SetItemIndex(25);
    o.htkHotKey.SetHotKey('J');  // without a modifier: taken with Ctrl+Alt
    o.spbAddHotKey.Click();
    ASSERT_EQ(o.stgHotKeysList.RowCount(), 3);
    EXPECT_EQ(o.stgHotKeysList.RowCells(2),
              (std::vector<std::wstring>{L"25", L"Ctrl+Alt+J", L"Компьютер->Выключить питание компьютера"}));
    EXPECT_EQ(o.stgHotKeysList.Row(), 2);
    SendMessageW(o.Handle(), WM_HOTKEY, o.HotKeyAtoms.at(1), 0);
    EXPECT_TRUE(frmHoralto->aSoundOnOff.Checked());

    // A taken combination: the error, and the list stays.
    boxes_.clear();
    o.htkHotKey.SetHotKey(core::kShortCutCtrl | core::kShortCutAlt | VK_F10);
    o.spbAddHotKey.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(
        boxes_[0],
        L"Ошибка: Не удается зарегистрировать комбинацию клавиш \"Ctrl+Alt+F10\". \r\nДанная комбинация уже "
        L"используется.");
    EXPECT_EQ(o.stgHotKeysList.RowCount(), 3);

    // Choosing a row shows its keys and action; a computer action shows the force box.
    o.stgHotKeysList.SetRow(2);
    EXPECT_EQ(o.cbeKeyActions.ItemIndex(), 25);
    EXPECT_EQ(o.htkHotKey.HotKey(), core::kShortCutCtrl | core::kShortCutAlt | 'J');
    EXPECT_TRUE(o.chbForseKeyAction.Visible());
    o.stgHotKeysList.SetRow(1);
    EXPECT_EQ(o.cbeKeyActions.ItemIndex(), 13);
    EXPECT_FALSE(o.chbForseKeyAction.Visible());

    // The Delete key removes the chosen row like the button; the combination is free again.
    WORD del = VK_DELETE;
    o.stgHotKeysListKeyDown(o.stgHotKeysList, del, 0);
    ASSERT_EQ(o.stgHotKeysList.RowCount(), 2);
    EXPECT_EQ(o.stgHotKeysList.Cell(0, 1), L"25");
    EXPECT_EQ(o.HotKeyAtoms.size(), 2u);
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x7004, MOD_CONTROL | MOD_ALT, VK_F10));
    UnregisterHotKey(nullptr, 0x7004);
    // Deleting the only hot key leaves one empty row; deleting that does nothing.
    o.stgHotKeysList.SetRow(1);
    o.spbDeleteHotKey.Click();
    EXPECT_EQ(o.stgHotKeysList.RowCount(), 2);
    EXPECT_EQ(o.stgHotKeysList.RowCells(1), (std::vector<std::wstring>{L"", L"", L""}));
    o.spbDeleteHotKey.Click();
    EXPECT_EQ(o.stgHotKeysList.RowCount(), 2);

    // "По умолчанию" on an empty list asks nothing; on a full one it asks.
    boxes_.clear();
    o.btnHotKeysByDefault.Click();
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(BodyRows(), 9);
    answer_ = IDNO;
    o.btnHotKeysByDefault.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0],
              L"Подтверждение: Все горячие клавиши будут заменены на стандартные! \r\nПродолжить?");
    EXPECT_EQ(BodyRows(), 9);
}

TEST_F(Actions, HotKeysAreSavedWithTheLists) {
    Create();
    bool canClose = true;
    frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    base::StringList lines;
    lines.LoadFromFile(FileListsFileName);
    ASSERT_GE(lines.Count(), 10);
    const int at = lines.IndexOf(L"[HotKeys]");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1], L"1\tCtrl+Alt+M\tПоказать/Свернуть окно\t");
    EXPECT_EQ(lines[at + 9], L"18\tCtrl+Alt+N\tРазное->Восход/заход солнца\t");
}

// Last: closing the main window ends the application's loop.
TEST_F(Actions, ActionTwoClosesTheProgramThroughTheCloseQuery) {
    Create();
    frmHoralto->Show();
    frmOptions->DoKeyAction(2, false);
    EXPECT_TRUE(std::filesystem::exists(IniFileName));
    EXPECT_TRUE(ui::Application().Terminated());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}
