// The planner page's editor: every kind of cell is shown by the editor and
// written back unchanged by its handlers; a task typed into the empty row;
// schedule, description and message edits; the date shown for a dated task
// without a next run; the window's phase kept across a load of the editor.
#include "win/planner2_fixture.h"

#include <commctrl.h>

#include "base/string_list.h"
#include "planner/task_actions.h"
#include "planner/task_editor.h"
#include "win/support/message_loop.h"

using namespace planner;
using namespace planner_page_test;

namespace {

base::TDateTime Date(int y, int m, int d) {
    return base::EncodeDate(y, m, d);
}

std::vector<bool> Marks(const ui::CheckListBox& list) {
    std::vector<bool> marks;
    for (int i = 0; i < list.Count(); ++i) marks.push_back(list.Checked(i));
    return marks;
}

}  // namespace

TEST_F(PlannerPage, EveryCellKindRoundTripsThroughTheEditor) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    TaskTable tasks;
    int r = AddTask(tasks, base::DateToStr(Date(2030, 5, 20), fs),
                    base::TimeToStr(base::EncodeTime(10, 30, 0, 0), fs), L"Дата");
    tasks.SetCell(kColDescription, r, L"\x01Дата");
    tasks.SetCell(kColMessage, r,
                  BuildMessageCell(3, L"Заголовок", base::StringList{L"Строка 1", L"Строка, 2"}));
    r = AddTask(tasks, L"*Ежемесячно; Дни:Пн,Ср",
                L"1Через " + base::TimeToStr(base::EncodeTime(0, 30, 0, 0), fs), L"Интервал", L"Удаление");
    tasks.SetCell(kColSounds, r, L">b.wav");
    tasks.SetCell(kColFiles, r, L"a.exe,\"c d.txt|-x\"");
    r = AddTask(tasks, L"*Месяцы:Янв,Июл; Числа:1,15", L"Запуск", L"Запуск");
    tasks.SetCell(kColPicture, r, L"*C:\\pic.jpg");
    tasks.SetCell(kColComputer, r, L"Выключить монитор");
    r = AddTask(tasks, L"*Ежедневно", L"Выход", L"Выход");
    tasks.SetCell(kColDescription, r, L"\x02Выход");
    tasks.SetCell(kColMessage, r, L"\x04|a|b");
    Create(&tasks);
    TfrmOptions& o = O();
    ASSERT_EQ(o.stgTasks.RowCount(), 6);

    // Each handler that stores a cell writes back what the editor was given.
    auto storeEverything = [&] {
        const TaskCells before = GetRowCells(o.TaskCells, o.stgTasks.Row());
        o.edtEventDescriptionChange(o.edtEventDescription);
        o.memMessageChange(o.memMessage);
        o.CheckListClickCheck(o.clbSoundsList);
        o.CheckListClickCheck(o.clbFilesList);
        o.chbShowPictureClick(o.chbShowPicture);
        o.lsbComputerActionsClick(o.lsbComputerActions);
        o.dtpTimeChange(o.dtpTime);  // the schedule cells
        const TaskCells after = GetRowCells(o.TaskCells, o.stgTasks.Row());
        for (int c = kColDay; c <= kColDone; ++c) EXPECT_EQ(after[c], before[c]) << "column " << c;
    };

    SelectTask(L"Дата");
    EXPECT_TRUE(o.dtpDate.Checked() && o.dtpDate.WindowChecked());
    EXPECT_EQ(o.dtpDate.DateTime(), Date(2030, 5, 20));
    EXPECT_FALSE(o.spbDays.Down());
    EXPECT_EQ(o.cmbEventTime.ItemIndex(), 0);
    EXPECT_TRUE(o.dtpTime.Visible());
    EXPECT_FALSE(o.chbExecOneTime.Visible());
    EXPECT_EQ(base::FormatDateTime(L"hh:nn:ss", o.dtpTime.DateTime(), fs), L"10:30:00");
    EXPECT_TRUE(o.chbShowExecEvent.Checked() && o.chbShowExecEvent.Enabled());
    EXPECT_FALSE(o.chbShakeWindow.Checked());
    EXPECT_EQ(o.edtEventDescription.Text(), L"Дата");
    EXPECT_TRUE(o.chbShowMessageBox.Checked() && o.chbShowBalloonHint.Checked());
    EXPECT_FALSE(o.chbSpeakMessage.Checked());
    EXPECT_TRUE(o.edtTitleMessage.Enabled() && o.spbMakeMessage.Enabled());
    EXPECT_EQ(o.edtTitleMessage.Text(), L"Заголовок");
    EXPECT_EQ(o.memMessage.Lines(), (std::vector<std::wstring>{L"Строка 1", L"Строка, 2"}));
    EXPECT_TRUE(o.pnlMessage.Visible()) << "a task with a description brings up the message panel";
    storeEverything();

    SelectTask(L"Интервал");
    EXPECT_FALSE(o.dtpDate.Checked() || o.dtpDate.WindowChecked()) << "a schedule: no date";
    EXPECT_TRUE(o.spbDays.Down());
    const DayPicks picks = frmDays->Picks();
    EXPECT_TRUE(picks.AllMonths());
    EXPECT_EQ(picks.mode, DayMode::Weekdays);
    EXPECT_EQ(picks.days, (std::vector<bool>{true, false, true, false, false, false, false}));
    EXPECT_EQ(o.cmbEventTime.ItemIndex(), 1);
    EXPECT_TRUE(o.chbExecOneTime.Visible() && o.chbExecOneTime.Checked());
    EXPECT_FALSE(o.chbExecOneTime.Enabled()) << "deleted after the run: once anyway";
    EXPECT_EQ(base::FormatDateTime(L"hh:nn:ss", o.dtpTime.DateTime(), fs), L"00:30:00");
    EXPECT_TRUE(o.chbDeleteAfterExec.Checked());
    EXPECT_TRUE(o.spbConsistentlyPlay.Down());
    EXPECT_FALSE(o.spbRandomPlay.Down());
    ASSERT_EQ(o.clbSoundsList.Items(), std::vector<std::wstring>{L"b.wav"});
    EXPECT_TRUE(o.clbSoundsList.Checked(0));
    EXPECT_EQ(o.clbFilesList.Items(), (std::vector<std::wstring>{L"a.exe", L"c d.txt|-x"}));
    EXPECT_EQ(Marks(o.clbFilesList), (std::vector<bool>{true, true}));
    EXPECT_TRUE(o.chbShowMessageBox.Checked() && o.chbShowBalloonHint.Checked() &&
                o.chbSpeakMessage.Checked());
    EXPECT_FALSE(o.chbShowMessageBox.Enabled()) << "no message: the ways are off";
    EXPECT_EQ(o.edtTitleMessage.Text(), L"<tt>");
    EXPECT_TRUE(o.memMessage.Text().empty());
    storeEverything();

    SelectTask(L"Запуск");
    EXPECT_EQ(o.cmbEventTime.ItemIndex(), 2);
    EXPECT_FALSE(o.dtpTime.Visible());
    const DayPicks numbers = frmDays->Picks();
    EXPECT_EQ(numbers.mode, DayMode::Numbers);
    EXPECT_TRUE(frmDays->rdbNombers.Checked());
    EXPECT_TRUE(numbers.months[0] && numbers.months[6]);
    EXPECT_EQ(std::count(numbers.months.begin(), numbers.months.end(), true), 2);
    EXPECT_TRUE(numbers.days[0] && numbers.days[14]);
    EXPECT_EQ(std::count(numbers.days.begin(), numbers.days.end(), true), 2);
    EXPECT_TRUE(o.chbShowPicture.Checked());
    EXPECT_TRUE(o.spbRandomPicture.Down());
    EXPECT_TRUE(o.lsbPicturesList.Enabled() && o.spbSetPicture.Enabled());
    ASSERT_GE(o.lsbPicturesList.ItemIndex(), 0);
    EXPECT_EQ(o.lsbPicturesList.Item(o.lsbPicturesList.ItemIndex()), L"C:\\pic.jpg");
    EXPECT_EQ(o.lsbComputerActions.ItemIndex(), kActionMonitorOff);
    EXPECT_FALSE(o.chbForseCompAction.Visible());
    EXPECT_TRUE(o.spbRunCompAction.Enabled());
    EXPECT_TRUE(o.clbSoundsList.Checked(0) == false) << "marks of another task are gone";
    storeEverything();

    SelectTask(L"Выход");
    EXPECT_EQ(o.cmbEventTime.ItemIndex(), 3);
    EXPECT_TRUE(o.chbShakeWindow.Checked());
    EXPECT_FALSE(o.chbShowExecEvent.Checked());
    EXPECT_EQ(o.edtTitleMessage.Text(), L"") << "a message without a title";
    EXPECT_EQ(o.memMessage.Lines(), std::vector<std::wstring>{L"a|b"});
    EXPECT_TRUE(o.chbSpeakMessage.Checked());
    EXPECT_FALSE(o.chbShowMessageBox.Checked() || o.chbShowBalloonHint.Checked());
    EXPECT_FALSE(o.chbShowPicture.Checked());
    EXPECT_FALSE(o.lsbPicturesList.Enabled());
    EXPECT_EQ(o.lsbComputerActions.ItemIndex(), 0);
    EXPECT_FALSE(o.spbRunCompAction.Enabled());
    storeEverything();
    EXPECT_EQ(Cell(kColMessage), L"\x04|a|b");
}

TEST_F(PlannerPage, DatedTaskWithoutNextRunShowsItsOwnDate) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    TaskTable tasks;
    // Planned only while the program closes: no next run now.
    AddTask(tasks, base::DateToStr(Date(2031, 1, 2), fs), L"Выход", L"При выходе");
    Create(&tasks);
    TfrmOptions& o = O();
    SelectTask(L"При выходе");
    EXPECT_EQ(o.Tasks.NextRun(o.stgTasks.Row()), 0.0);
    EXPECT_TRUE(o.dtpDate.Checked());
    EXPECT_EQ(o.dtpDate.DateTime(), Date(2031, 1, 2)) << "never 30.12.1899";
    // Written back from the editor, the day cell keeps its date.
    o.dtpTimeChange(o.dtpTime);
    EXPECT_EQ(Cell(kColDay), base::DateToStr(Date(2031, 1, 2), fs));
}

TEST_F(PlannerPage, LoadingTheEditorKeepsTheWindowsPhase) {
    TaskTable tasks;
    AddTask(tasks, L"*Ежедневно", L"Выход", L"Выход");
    Create(&tasks);
    TfrmOptions& o = O();
    EXPECT_EQ(o.Tag(), 0) << "the window's loading ended";
    for (int phase : {10, 1, 0}) {
        o.SetTag(phase);
        o.LoadTaskToEditor();
        EXPECT_EQ(o.Tag(), phase);
        o.RefreshTaskList();  // reloads the editor too
        EXPECT_EQ(o.Tag(), phase);
    }
    // At the exit phase the exit task is planned by the refresh.
    o.SetTag(10);
    o.RefreshTaskList();
    EXPECT_GT(o.Tasks.NextRun(FindRow(L"Выход")), 0.0);
    o.SetTag(0);
}

TEST_F(PlannerPage, TaskTypedIntoTheEmptyRowJoinsTheList) {
    Create();
    TfrmOptions& o = O();
    ASSERT_EQ(o.stgTasks.RowCount(), 2);
    Select(1);
    const base::TDateTime at = base::TimeOf(Now() + 1.0 / 24);
    o.dtpTime.SetDateTime(at);
    o.edtEventDescription.SetText(L"Обед");
    ASSERT_EQ(o.stgTasks.RowCount(), 3) << "a fresh empty row below the new task";
    EXPECT_EQ(o.stgTasks.Row(), 1);
    EXPECT_EQ(Cell(kColDay), L"*Ежедневно");
    EXPECT_EQ(Cell(kColTime), base::TimeToStr(at, Fs()));
    EXPECT_EQ(Cell(kColDescription), L"\x02Обед");
    EXPECT_EQ(NextRunTimes.size(), 2u);
    EXPECT_GT(o.Tasks.NextRun(1), Now());
    EXPECT_FALSE(Cell(kColNextRun).empty());
    EXPECT_EQ(EarliestTaskTime, o.Tasks.NextRun(1));
    EXPECT_TRUE(o.spbRunTask.Enabled() && o.spbDeleteTask.Enabled()) << "the new task can be run and deleted";

    o.edtEventDescription.SetText(L"Обед!");
    EXPECT_EQ(o.stgTasks.RowCount(), 3);
    EXPECT_EQ(Cell(kColDescription), L"\x02Обед!");
    // Clearing the only action removes the task.
    o.edtEventDescription.SetText(L"");
    EXPECT_EQ(o.stgTasks.RowCount(), 2);
    EXPECT_EQ(NextRunTimes.size(), 1u);
    EXPECT_TRUE(o.stgTasks.Cell(kColDay, 1).empty());

    // The delete-after-run box cannot be checked on the empty row.
    o.chbDeleteAfterExec.SetChecked(true);
    EXPECT_FALSE(o.chbDeleteAfterExec.Checked());
    EXPECT_TRUE(o.stgTasks.Cell(kColDone, 1).empty());
}

TEST_F(PlannerPage, DescriptionTypedIntoTheEmptyRowStaysWhole) {
    Create();
    TfrmOptions& o = O();
    o.pgcOptions.SetActivePageIndex(7);
    o.Show();
    ASSERT_TRUE(testing_support::PumpUntil([&] { return IsWindowVisible(o.Handle()) != FALSE; }, 3000, 10));
    Select(SpareRow());
    o.edtEventDescription.SetFocus();
    // The keys go wherever the focus is, as the keyboard's do.
    for (wchar_t c : std::wstring(L"Проверка задачи")) {
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
        ui::Application().ProcessMessages();
    }
    EXPECT_EQ(GetFocus(), o.edtEventDescription.Handle());
    EXPECT_EQ(o.edtEventDescription.Text(), L"Проверка задачи");
    EXPECT_EQ(o.stgTasks.RowCount(), 3);
    EXPECT_EQ(o.stgTasks.Cell(kColDescription, 1), L"\x02Проверка задачи");
    EXPECT_EQ(o.stgTasks.Cell(kColMessage, 1), L"");
    EXPECT_TRUE(o.memMessage.Lines().empty());

    // A schedule edited from the keyboard keeps the focus; one chosen with
    // the mouse hands it on to the action panel.
    o.spbMessage.Click();
    o.cmbEventTime.SetFocus();
    o.cmbEventTime.SetItemIndex(1);
    o.cmbEventTimeChange(o.cmbEventTime);
    EXPECT_TRUE(IsIntervalText(o.stgTasks.Cell(kColTime, 1)));
    EXPECT_EQ(GetFocus(), o.cmbEventTime.Handle());
    PostMessageW(o.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    PostMessageW(o.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    ui::Application().ProcessMessages();
    o.cmbEventTime.SetFocus();
    o.cmbEventTime.SetItemIndex(0);
    o.cmbEventTimeChange(o.cmbEventTime);
    EXPECT_FALSE(IsIntervalText(o.stgTasks.Cell(kColTime, 1)));
    EXPECT_EQ(GetFocus(), o.memMessage.Handle());
}

TEST_F(PlannerPage, ScheduleEdits) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    TaskTable tasks;
    AddTask(tasks, L"*Ежедневно", base::TimeToStr(base::EncodeTime(23, 0, 0, 0), fs), L"Задание",
            base::DateTimeToStr(Now() - 1, fs));
    Create(&tasks);
    TfrmOptions& o = O();
    o.pgcOptions.SetActivePageIndex(7);
    o.Show();
    ASSERT_TRUE(testing_support::PumpUntil([&] { return IsWindowVisible(o.Handle()) != FALSE; }, 3000, 10));
    SelectTask(L"Задание");
    const std::wstring time = Cell(kColTime), done = Cell(kColDone);
    const auto press = [&](WORD key) {
        o.cmbEventTime.SetFocus();
        PostMessageW(o.cmbEventTime.Handle(), WM_KEYDOWN, key, 1);
        PostMessageW(o.cmbEventTime.Handle(), WM_KEYUP, key, 0xC0000001);
        ui::Application().ProcessMessages();
    };

    // Home on the kind already chosen changes nothing (the combo box may
    // still send its change notice).
    press(VK_HOME);
    EXPECT_EQ(o.cmbEventTime.ItemIndex(), 0);
    EXPECT_EQ(Cell(kColTime), time);
    EXPECT_EQ(Cell(kColDone), done);
    EXPECT_EQ(base::FormatDateTime(L"hh:nn:ss", o.dtpTime.DateTime(), Fs()), L"23:00:00");

    // "Через заданное время" proposes one minute.
    press(VK_DOWN);
    ASSERT_EQ(o.cmbEventTime.ItemIndex(), 1);
    EXPECT_TRUE(o.chbExecOneTime.Visible() && o.dtpTime.Visible());
    EXPECT_EQ(Cell(kColTime), L"Через " + base::TimeToStr(base::EncodeTime(0, 1, 0, 0), Fs()));
    EXPECT_TRUE(Cell(kColDone).empty()) << "editing the schedule clears the last run";
    o.chbExecOneTime.SetChecked(true);
    EXPECT_EQ(Cell(kColTime), L"1Через " + base::TimeToStr(base::EncodeTime(0, 1, 0, 0), Fs()));
    // An interval is never zero.
    o.dtpTime.SetDateTime(0);
    o.dtpTimeChange(o.dtpTime);
    EXPECT_EQ(Cell(kColTime), L"1Через " + base::TimeToStr(base::EncodeTime(0, 0, 1, 0), Fs()));
    EXPECT_EQ(base::FormatDateTime(L"hh:nn:ss", o.dtpTime.DateTime(), Fs()), L"00:00:01");

    o.cmbEventTime.SetItemIndex(2);
    o.cmbEventTimeChange(o.cmbEventTime);
    EXPECT_EQ(Cell(kColTime), L"Запуск");
    EXPECT_FALSE(o.dtpTime.Visible() || o.chbExecOneTime.Visible());
    EXPECT_EQ(o.Tasks.NextRun(o.stgTasks.Row()), 0.0) << "a start task outside the start";

    // On a date, and back to the day picker.
    o.cmbEventTime.SetItemIndex(0);
    o.cmbEventTimeChange(o.cmbEventTime);
    o.dtpDate.SetDateTime(Date(2030, 7, 1));
    o.dtpDate.SetChecked(true);
    o.dtpDateChange(o.dtpDate);
    EXPECT_FALSE(o.spbDays.Down());
    EXPECT_EQ(Cell(kColDay), base::DateToStr(Date(2030, 7, 1), Fs()));
    frmDays->btnDeSelectAllDays.Click();
    // The user clears the date's box.
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = o.dtpDate.Handle();
    change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(o.dtpDate.Handle()));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_NONE;
    SendMessageW(GetParent(o.dtpDate.Handle()), WM_NOTIFY, change.nmhdr.idFrom,
                 reinterpret_cast<LPARAM>(&change));
    EXPECT_FALSE(o.dtpDate.Checked());
    EXPECT_TRUE(o.spbDays.Down());
    EXPECT_EQ(Cell(kColDay), L"*Ежедневно") << "the day picker starts with everything checked";

    // Delete after the run.
    o.chbDeleteAfterExec.SetChecked(true);
    EXPECT_EQ(Cell(kColDone), L"Удаление");
    EXPECT_FALSE(o.chbExecOneTime.Enabled());
    o.chbDeleteAfterExec.SetChecked(false);
    EXPECT_EQ(Cell(kColDone), L"");
    EXPECT_TRUE(o.chbExecOneTime.Enabled());

    // Once a task of another kind is loaded, the kind just chosen before it
    // is a change again: each kind chosen is written.
    for (const TimeKind kind : {TimeKind::AtTime, TimeKind::Interval, TimeKind::OnStart, TimeKind::OnExit}) {
        const int index = static_cast<int>(kind);
        o.cmbEventTime.SetItemIndex(index);
        o.cmbEventTimeChange(o.cmbEventTime);
        ASSERT_EQ(static_cast<int>(TimeKindOf(Cell(kColTime))), index);
        const TimeKind other = kind == TimeKind::OnExit ? TimeKind::OnStart : TimeKind::OnExit;
        o.stgTasks.SetCell(kColTime, o.stgTasks.Row(), BuildTimeText(other, 0, false, Fs()));
        o.LoadTaskToEditor();
        ASSERT_EQ(o.cmbEventTime.ItemIndex(), static_cast<int>(other));
        o.cmbEventTime.SetItemIndex(index);
        o.cmbEventTimeChange(o.cmbEventTime);
        EXPECT_EQ(static_cast<int>(TimeKindOf(Cell(kColTime))), index) << "after a task of another kind";
    }
}

TEST_F(PlannerPage, DescriptionAndMessageFlags) {
    TaskTable tasks;
    AddTask(tasks, L"*Ежедневно", L"Выход", L"Задание");
    tasks.SetCell(kColComputer, 1, L"Выключить монитор");  // keeps the row a task
    Create(&tasks);
    TfrmOptions& o = O();
    SelectTask(L"Задание");
    ASSERT_FALSE(o.chbShakeWindow.Checked());

    o.chbShakeWindow.SetChecked(true);
    EXPECT_EQ(Cell(kColDescription), L"\x02Задание");
    o.chbShowExecEvent.SetChecked(true);
    EXPECT_EQ(Cell(kColDescription), L"\x03Задание");
    o.edtEventDescription.SetText(L"");
    EXPECT_EQ(Cell(kColDescription), L"") << "shake without a text: an empty cell";
    EXPECT_FALSE(o.chbShowExecEvent.Enabled());
    o.chbShakeWindow.SetChecked(false);
    EXPECT_EQ(Cell(kColDescription), std::wstring(1, L'\x01'));

    // A message: all three ways at first, the title from the editor.
    o.memMessage.SetText(L"Позвонить\r\nмаме");
    EXPECT_EQ(Cell(kColMessage), L"\x07<tt>|Позвонить,маме");
    EXPECT_TRUE(o.chbShowMessageBox.Enabled() && o.spbMakeMessage.Enabled());
    o.chbShowMessageBox.SetChecked(false);
    o.chbSpeakMessage.SetChecked(false);
    EXPECT_EQ(Cell(kColMessage), L"\x02<tt>|Позвонить,маме");
    o.chbShowBalloonHint.SetChecked(false);
    EXPECT_TRUE(o.chbShowBalloonHint.Checked()) << "the last way is checked again";
    EXPECT_EQ(Cell(kColMessage), L"\x02<tt>|Позвонить,маме");
    o.edtTitleMessage.SetText(L"");
    EXPECT_EQ(Cell(kColMessage), L"\x02Позвонить,маме") << "no title, no bar";
    o.memMessage.SetText(L"");
    EXPECT_EQ(Cell(kColMessage), L"");
    EXPECT_FALSE(o.chbShowMessageBox.Enabled() || o.edtTitleMessage.Enabled() || o.spbMakeMessage.Enabled());
    EXPECT_EQ(o.stgTasks.RowCount(), 3) << "the computer action keeps the task";
}
