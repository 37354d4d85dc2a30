// The planner page's task buttons, keys and day picker, and its lists of
// sounds, files, pictures and computer actions.
#include "win/planner2_fixture.h"

#include "core/power_control.h"
#include "planner/clipboard_text.h"
#include "planner/jpeg_picture.h"
#include "planner/task_actions.h"
#include "win/support/jpeg_maker.h"

using namespace planner;
using namespace planner_page_test;

namespace {

void WriteFileLists(const std::filesystem::path& file, const std::string& text) {
    base::WriteFileBytes(file, text);
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<bool> Marks(const ui::CheckListBox& list) {
    std::vector<bool> marks;
    for (int i = 0; i < list.Count(); ++i) marks.push_back(list.Checked(i));
    return marks;
}

// A click of the mouse on the check box of a list item.
void ClickItemBox(ui::CheckListBox& list, int index) {
    RECT r{};
    SendMessageW(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(5, (r.top + r.bottom) / 2);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
}

TfrmDays* pickerToApply = nullptr;

// Runs inside the day picker's modal loop: December, Saturday and Sunday.
void CALLBACK ApplyDecemberWeekends(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    TfrmDays& days = *pickerToApply;
    days.btnDeSelectAllMonths.Click();
    days.clbMonths.SetChecked(11, true);
    days.rdbDaysOfWeek.SetChecked(true);
    days.btnDeSelectAllDays.Click();
    days.clbDays.SetChecked(5, true);
    days.clbDays.SetChecked(6, true);
    days.btnApply.Click();
}

}  // namespace

TEST_F(PlannerPage, RunDeleteAndClearFromThePage) {
    WriteFileLists(FileListsFileName, "[Sounds]\r\na.wav\r\nb.wav\r\n");
    TaskTable tasks;
    int r = AddTask(tasks, L"*Ежедневно", L"Через 3:00:00", L"Первое");
    tasks.SetCell(kColSounds, r, L">a.wav");
    AddTask(tasks, L"*Ежедневно", TimeFromNow(60, base::SystemFormatSettings()), L"Второе");
    Create(&tasks);
    TfrmOptions& o = O();
    ASSERT_EQ(FindRow(L"Второе"), 1);
    // The first task comes due in ten minutes.
    NextRunTimes[static_cast<size_t>(FindRow(L"Первое") - 1)] = Now() + 10.0 / 1440;
    o.RefreshTaskList();
    ASSERT_EQ(FindRow(L"Первое"), 1);
    Select(1);

    // A double click and Enter run the task where it stands.
    o.stgTasksDblClick(o.stgTasks);
    ASSERT_EQ(player_.plays.size(), 1u);
    EXPECT_TRUE(EndsWith(player_.plays[0], L"\\a.wav")) << "a relative item plays from the program's folder";
    EXPECT_EQ(o.stgTasks.Cell(kColSounds, 1), L">b.wav");
    // Enter reaches the grid through the form's key handling.
    PostMessageW(o.stgTasks.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    ui::Application().ProcessMessages();
    ASSERT_EQ(player_.plays.size(), 2u);
    EXPECT_TRUE(EndsWith(player_.plays[1], L"\\b.wav"));
    EXPECT_EQ(FindRow(L"Первое"), 1);
    EXPECT_EQ(o.stgTasks.Row(), 1);

    // The run button runs it and moves it to its new place.
    o.spbRunTask.Click();
    EXPECT_EQ(player_.plays.size(), 3u);
    EXPECT_EQ(FindRow(L"Первое"), 2);
    EXPECT_EQ(o.stgTasks.Row(), 2) << "the selection follows the task";
    EXPECT_GT(o.Tasks.NextRun(2), Now() + 2.9 / 24);

    // The coming-task menu runs a task through the run button.
    ASSERT_GE(frmHoralto->pmiTasks.Count(), 4);
    EXPECT_EQ(frmHoralto->pmiTasks[3].Tag(), 2);
    frmHoralto->pmiTasks[3].Click();
    EXPECT_EQ(player_.plays.size(), 4u);

    // Del removes the selected task; on the empty row it does nothing.
    WORD del = VK_DELETE;
    o.stgTasksKeyDown(o.stgTasks, del, 0);
    EXPECT_EQ(FindRow(L"Первое"), -1);
    EXPECT_EQ(o.stgTasks.RowCount(), 3);
    EXPECT_EQ(NextRunTimes.size(), 2u);
    Select(SpareRow());
    EXPECT_FALSE(o.spbDeleteTask.Enabled() || o.spbRunTask.Enabled());
    o.spbDeleteTaskClick(o.spbDeleteTask);
    EXPECT_EQ(o.stgTasks.RowCount(), 3);

    // Clearing asks first.
    answer_ = IDNO;
    o.spbClearTasks.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"Вы действительно хотите очистить список заданий?");
    EXPECT_EQ(boxes_[0].caption, L"Подтверждение");
    EXPECT_EQ(boxes_[0].flags & MB_ICONQUESTION, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(o.stgTasks.RowCount(), 3);
    answer_ = IDYES;
    o.spbClearTasks.Click();
    EXPECT_EQ(o.stgTasks.RowCount(), 2);
    EXPECT_EQ(NextRunTimes.size(), 1u);
    EXPECT_EQ(EarliestTaskTime, 0.0);
    EXPECT_EQ(o.stgTasks.Cell(0, 0), L"") << "the header stays";
    EXPECT_EQ(o.stgTasks.Cell(kColDay, 0), L"День");
}

TEST_F(PlannerPage, PlannerOffHidesTheEditor) {
    TaskTable tasks;
    AddTask(tasks, L"*Ежедневно", L"Выход", L"Первое");
    AddTask(tasks, L"*Ежедневно", L"Выход", L"Второе");
    const int r = AddTask(tasks, L"*Ежедневно", TimeFromNow(60, base::SystemFormatSettings()), L"Третье");
    tasks.SetCell(kColSounds, r, L"a.wav");
    Create(&tasks);
    TfrmOptions& o = O();
    EXPECT_GT(EarliestTaskTime, 0.0);
    SelectTask(L"Первое");
    EXPECT_EQ(o.tbsPlanner.ImageIndex(), 13);
    frmHoralto->aPlannerOnOff.Execute();
    EXPECT_FALSE(o.pnlEvent.Visible());
    EXPECT_TRUE(o.btnPlannerOn.Visible());
    EXPECT_EQ(o.tbsPlanner.ImageIndex(), 20);
    EXPECT_EQ(EarliestTaskTime, 0.0);
    SelectTask(L"Второе");
    EXPECT_EQ(o.edtEventDescription.Text(), L"Первое") << "no editor while the planner is off";
    o.stgTasksDblClick(o.stgTasks);  // nothing runs

    // The run button still runs a task by hand; planning it again makes nothing due.
    SelectTask(L"Третье");
    o.spbRunTask.Click();
    EXPECT_EQ(player_.plays.size(), 1u);
    o.RefreshTaskList();
    EXPECT_EQ(EarliestTaskTime, 0.0);

    // Switched off, it starts switched off: the page and its tab say so.
    testing_support::RestartProgramWindows();
    {
        TfrmOptions& again = O();
        EXPECT_TRUE(frmHoralto->aPlannerOnOff.Checked());
        EXPECT_FALSE(again.pnlEvent.Visible());
        EXPECT_TRUE(again.btnPlannerOn.Visible());
        EXPECT_EQ(again.tbsPlanner.ImageIndex(), 20);
        EXPECT_EQ(EarliestTaskTime, 0.0);
    }

    O().btnPlannerOn.Click();
    EXPECT_TRUE(O().pnlEvent.Visible());
    EXPECT_EQ(O().tbsPlanner.ImageIndex(), 13);
    EXPECT_GT(EarliestTaskTime, 0.0) << "planned again from now";
    SelectTask(L"Второе");
    EXPECT_EQ(O().edtEventDescription.Text(), L"Второе");
}

TEST_F(PlannerPage, DayPickerApplyWritesTheSchedule) {
    const base::FormatSettings fs = base::SystemFormatSettings();
    TaskTable tasks;
    AddTask(tasks, base::DateToStr(base::EncodeDate(2030, 3, 5), fs), L"12:00:00", L"Задание");
    Create(&tasks);
    TfrmOptions& o = O();
    SelectTask(L"Задание");
    ASSERT_TRUE(o.dtpDate.Checked());

    // The button opens the picker modally; its "Изменить" writes the schedule.
    pickerToApply = frmDays;
    SetTimer(nullptr, 0, 50, &ApplyDecemberWeekends);
    o.spbDays.Click();
    EXPECT_FALSE(frmDays->Visible());
    EXPECT_FALSE(o.dtpDate.Checked());
    EXPECT_TRUE(o.spbDays.Down());
    EXPECT_EQ(Cell(kColDay), L"*Месяцы:Дек; Дни:Сб,Вс");
    EXPECT_TRUE(boxes_.empty());

    frmDays->btnDeSelectAllMonths.Click();
    frmDays->clbMonths.SetChecked(0, true);
    frmDays->clbMonths.SetChecked(6, true);
    frmDays->rdbNombers.SetChecked(true);
    frmDays->clbDays.SetChecked(0, true);
    frmDays->clbDays.SetChecked(14, true);
    frmDays->btnApply.Click();
    EXPECT_EQ(Cell(kColDay), L"*Месяцы:Янв,Июл; Числа:1,15");

    // No day: once a month; no month: refused with a message, nothing written.
    frmDays->btnDeSelectAllDays.Click();
    frmDays->btnApply.Click();
    EXPECT_EQ(Cell(kColDay), L"*Месяцы:Янв,Июл");
    frmDays->btnDeSelectAllMonths.Click();
    frmDays->btnApply.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"Выберите месяц!  ");
    EXPECT_EQ(boxes_[0].caption, L"Ошибка");
    EXPECT_EQ(Cell(kColDay), L"*Месяцы:Янв,Июл");

    // Loading the task again sets the picker from the cell.
    Select(o.stgTasks.Row());
    const DayPicks picks = frmDays->Picks();
    EXPECT_TRUE(picks.months[0] && picks.months[6]);
    EXPECT_FALSE(picks.AnyDay());
}

TEST_F(PlannerPage, SoundsListModesKeysAndPlaying) {
    WriteFileLists(FileListsFileName, "[Sounds]\r\na.wav\r\nb.wav\r\nc.wav\r\n");
    TaskTable tasks;
    const int r = AddTask(tasks, L"*Ежедневно", L"Выход", L"Звуки");
    tasks.SetCell(kColSounds, r, L"a.wav");
    Create(&tasks);
    TfrmOptions& o = O();
    SelectTask(L"Звуки");
    o.spbSounds.Click();
    EXPECT_TRUE(o.pnlSounds.Visible() && !o.pnlMessage.Visible());
    EXPECT_EQ(Marks(o.clbSoundsList), (std::vector<bool>{true, false, false}));

    o.clbSoundsList.SetItemIndex(0);
    o.spbRandomPlay.SetDown(true);
    o.ListModeClick(o.spbRandomPlay);
    EXPECT_EQ(Cell(kColSounds), L"*a.wav");
    // With a mode down, checking another sound takes the first one's mark away.
    ClickItemBox(o.clbSoundsList, 2);
    EXPECT_EQ(o.clbSoundsList.ItemIndex(), 2);
    EXPECT_EQ(Marks(o.clbSoundsList), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Cell(kColSounds), L"*c.wav");
    o.spbConsistentlyPlay.SetDown(true);
    EXPECT_FALSE(o.spbRandomPlay.Down());
    o.ListModeClick(o.spbConsistentlyPlay);
    EXPECT_EQ(Cell(kColSounds), L">c.wav");
    // Without a mode every checked sound plays.
    o.spbConsistentlyPlay.SetDown(false);
    o.ListModeClick(o.spbConsistentlyPlay);
    EXPECT_EQ(Cell(kColSounds), L"c.wav");
    o.clbSoundsList.SetChecked(0, true);
    o.CheckListClickCheck(o.clbSoundsList);
    EXPECT_EQ(Cell(kColSounds), L"a.wav,c.wav");

    // Shift+Insert adds the clipboard's new lines checked; Ctrl+Up moves an item; Del removes it.
    ASSERT_TRUE(SetClipboardText(o.Handle(), L"d.wav\r\nA.WAV\r\ne f.wav\r\n"));
    WORD key = VK_INSERT;
    o.CheckListKeyDown(o.clbSoundsList, key, ui::ssShift);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(o.clbSoundsList.Items(),
              (std::vector<std::wstring>{L"a.wav", L"b.wav", L"c.wav", L"d.wav", L"e f.wav"}));
    EXPECT_EQ(o.clbSoundsList.ItemIndex(), 4);
    EXPECT_EQ(Cell(kColSounds), L"a.wav,c.wav,d.wav,\"e f.wav\"");
    key = VK_UP;
    o.CheckListKeyDown(o.clbSoundsList, key, ui::ssCtrl);
    EXPECT_EQ(o.clbSoundsList.Item(3), L"e f.wav");
    EXPECT_TRUE(o.clbSoundsList.Checked(3));
    EXPECT_EQ(o.clbSoundsList.ItemIndex(), 3);
    key = VK_INSERT;
    o.CheckListKeyDown(o.clbSoundsList, key, ui::ssCtrl);
    EXPECT_EQ(ClipboardText(o.Handle()).value_or(L""), L"e f.wav");
    key = VK_DELETE;
    o.CheckListKeyDown(o.clbSoundsList, key, 0);
    EXPECT_EQ(o.clbSoundsList.Count(), 4);
    EXPECT_EQ(Cell(kColSounds), L"a.wav,c.wav,d.wav");

    // The test button: with all sounds off it asks first.
    frmHoralto->aSoundOnOff.Execute();
    ASSERT_TRUE(frmHoralto->aSoundOnOff.Checked());
    answer_ = IDNO;
    o.spbPlaySoundA.Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?");
    EXPECT_EQ(boxes_[0].caption, L"Вопрос");
    EXPECT_TRUE(player_.plays.empty());
    answer_ = IDYES;
    o.spbPlaySoundA.Click();
    EXPECT_FALSE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_EQ(player_.plays.size(), 3u);
    o.clbSoundsList.SetItemIndex(1);
    o.clbSoundsListDblClick(o.clbSoundsList);
    ASSERT_EQ(player_.plays.size(), 4u);
    EXPECT_TRUE(EndsWith(player_.plays.back(), L"\\b.wav"));

    // Clearing the list clears the cell; the description keeps the task.
    o.spbClearSoundsList.Click();
    EXPECT_EQ(o.clbSoundsList.Count(), 0);
    EXPECT_EQ(Cell(kColSounds), L"");
    EXPECT_EQ(FindRow(L"Звуки"), o.stgTasks.Row());
}

TEST_F(PlannerPage, FilesChosenIntoTheEmptyRowMakeATask) {
    Create();
    TfrmOptions& o = O();
    Select(1);
    o.spbFiles.Click();
    const std::wstring outside = (dir_.Path() / L"run me.exe").wstring();
    const std::wstring inside = (ProgramFolder() / L"tool.exe").wstring();
    chosen_ = {outside, inside};
    o.spbOpenFileA.Click();
    ASSERT_EQ(chooserFilters_.size(), 1u);
    EXPECT_TRUE(chooserFilters_[0].starts_with(L"Все файлы (*.*)|*.*|Аудио файлы"));
    EXPECT_EQ(o.clbFilesList.Items(), (std::vector<std::wstring>{outside, L"tool.exe"}))
        << "a file in the program's folder is kept relative";
    EXPECT_EQ(Marks(o.clbFilesList), (std::vector<bool>{true, true}));
    EXPECT_EQ(o.clbFilesList.ItemIndex(), 1);
    ASSERT_EQ(o.stgTasks.RowCount(), 3) << "the new task joined the list";
    EXPECT_EQ(Cell(kColFiles), L"\"" + outside + L"\",tool.exe");
    EXPECT_EQ(Cell(kColDay), L"*Ежедневно");

    // The next choice starts in the folder of the list's last item; a file
    // already in the list is not added twice.
    o.spbOpenFileA.Click();
    ASSERT_EQ(chooserFolders_.size(), 2u);
    EXPECT_EQ(std::filesystem::path(chooserFolders_[1]), ProgramFolder().parent_path());
    EXPECT_EQ(o.clbFilesList.Count(), 2);

    // Parameters of the selected file.
    o.clbFilesList.SetItemIndex(0);
    o.clbFilesListClick(o.clbFilesList);
    EXPECT_EQ(o.edtProgCommand.Text(), L"");
    o.edtProgCommand.SetText(L"-x 1");
    EXPECT_EQ(o.clbFilesList.Item(0), outside + L"|-x 1");
    EXPECT_EQ(Cell(kColFiles), L"\"" + outside + L"|-x 1\",tool.exe");
    o.clbFilesList.SetItemIndex(1);
    o.clbFilesListClick(o.clbFilesList);
    EXPECT_EQ(o.edtProgCommand.Text(), L"");
    EXPECT_EQ(o.clbFilesList.Item(1), L"tool.exe") << "showing the parameters changes nothing";
    o.clbFilesList.SetItemIndex(0);
    o.clbFilesListClick(o.clbFilesList);
    EXPECT_EQ(o.edtProgCommand.Text(), L"-x 1");

    // A file that cannot be started is reported.
    o.clbFilesListDblClick(o.clbFilesList);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"Не удается запустить файл, выберите существующий файл.");
    EXPECT_EQ(boxes_[0].caption, L"Ошибка");
    EXPECT_EQ(boxes_[0].flags & MB_ICONERROR, static_cast<UINT>(MB_ICONERROR));

    // Deleting the last file removes the task that had nothing else.
    o.spbDeleteFileA.Click();
    o.clbFilesList.SetItemIndex(0);
    o.spbDeleteFileA.Click();
    EXPECT_EQ(o.clbFilesList.Count(), 0);
    EXPECT_EQ(o.stgTasks.RowCount(), 2);

    // The sounds' chooser starts in the Windows media folder.
    chosen_.clear();
    o.spbOpenSoundA.Click();
    ASSERT_EQ(chooserFolders_.size(), 3u);
    EXPECT_TRUE(EndsWith(chooserFolders_[2], L"\\Media"));
    EXPECT_EQ(chooserFilters_[2], L"WAV файлы|*.wav");
}

TEST_F(PlannerPage, PicturesAndComputerActions) {
    TaskTable tasks;
    AddTask(tasks, L"*Ежедневно", L"Выход", L"Картинки");
    Create(&tasks);
    TfrmOptions& o = O();
    SelectTask(L"Картинки");
    o.spbPictures.Click();
    EXPECT_FALSE(o.lsbPicturesList.Enabled() || o.spbSetPicture.Enabled() || o.spbRandomPicture.Enabled());
    EXPECT_TRUE(o.spbOpenPictures.Enabled() && o.spbDeletePicture.Enabled());

    const std::wstring a = (dir_.Path() / L"a.bmp").wstring(), b = (dir_.Path() / L"b.jpg").wstring();
    chosen_ = {a, b};
    o.spbOpenPictures.Click();
    EXPECT_EQ(o.lsbPicturesList.Items(), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(Cell(kColPicture), L"") << "not shown yet";
    o.chbShowPicture.SetChecked(true);
    EXPECT_TRUE(o.lsbPicturesList.Enabled() && o.spbSetPicture.Enabled());
    EXPECT_EQ(Cell(kColPicture), b);
    o.spbConsistentlyPicture.SetDown(true);
    o.PictureModeClick(o.spbConsistentlyPicture);
    EXPECT_EQ(Cell(kColPicture), L">" + b);
    o.spbRandomPicture.SetDown(true);
    o.PictureModeClick(o.spbRandomPicture);
    EXPECT_FALSE(o.spbConsistentlyPicture.Down());
    EXPECT_EQ(Cell(kColPicture), L"*" + b);

    WORD key = VK_UP;
    o.lsbPicturesListKeyDown(o.lsbPicturesList, key, ui::ssCtrl);
    EXPECT_EQ(o.lsbPicturesList.Items(), (std::vector<std::wstring>{b, a}));
    EXPECT_EQ(Cell(kColPicture), L"*" + b);
    key = VK_DELETE;
    o.lsbPicturesListKeyDown(o.lsbPicturesList, key, 0);
    EXPECT_EQ(Cell(kColPicture), L"*" + a) << "the first picture when none is selected";
    o.lsbPicturesList.SetItemIndex(0);
    o.lsbPicturesListDblClick(o.lsbPicturesList);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"Не удается показать файл, выберите существующий файл.");
    o.spbDeletePicture.Click();
    EXPECT_EQ(o.lsbPicturesList.Count(), 0);
    EXPECT_EQ(Cell(kColPicture), L"") << "with its last picture gone the task shows none";
    chosen_ = {a};
    o.spbOpenPictures.Click();
    EXPECT_EQ(Cell(kColPicture), L"*" + a);
    o.chbShowPicture.SetChecked(false);
    EXPECT_EQ(Cell(kColPicture), L"");
    EXPECT_FALSE(o.lsbPicturesList.Enabled());

    // Computer actions: "Форсировано" only for the log-off and power actions.
    o.spbComputer.Click();
    o.lsbComputerActions.SetItemIndex(kActionReboot);
    o.lsbComputerActionsClick(o.lsbComputerActions);
    EXPECT_EQ(Cell(kColComputer), L"Перезагрузить компьютер");
    EXPECT_TRUE(o.chbForseCompAction.Visible());
    EXPECT_TRUE(o.spbRunCompAction.Enabled());
    o.lsbComputerActions.SetItemIndex(kActionSpeakTime);
    o.lsbComputerActionsClick(o.lsbComputerActions);
    EXPECT_EQ(Cell(kColComputer), L"Сказать время");
    EXPECT_FALSE(o.chbForseCompAction.Visible());
    o.lsbComputerActions.SetItemIndex(0);
    o.lsbComputerActionsClick(o.lsbComputerActions);
    EXPECT_EQ(Cell(kColComputer), L"");
    EXPECT_FALSE(o.spbRunCompAction.Enabled());
    EXPECT_EQ(FindRow(L"Картинки"), o.stgTasks.Row());
}

TEST_F(PlannerPage, LongCellsAndItemsShowTheirTextAsHint) {
    TaskTable tasks;
    const std::wstring longText = L"Очень длинное описание задания, не влезающее в ячейку";
    AddTask(tasks, L"*Ежедневно", L"Выход", longText);
    AddTask(tasks, L"*Ежедневно", L"Выход", L"к");
    Create(&tasks);
    TfrmOptions& o = O();
    auto moveTo = [&](int col, int row) {
        const RECT r = o.stgTasks.CellRect(col, row);
        o.stgTasksMouseMove(o.stgTasks, 0, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    moveTo(kColDescription, FindRow(longText));
    EXPECT_EQ(o.stgTasks.Hint(), longText) << "without the flag character";
    moveTo(kColDescription, FindRow(L"к"));
    EXPECT_EQ(o.stgTasks.Hint(), L"");
    moveTo(kColDescription, FindRow(longText));
    moveTo(kColDescription, 0);
    EXPECT_EQ(o.stgTasks.Hint(), L"") << "no hint on the header";

    o.spbComputer.Click();
    RECT item{};
    SendMessageW(o.lsbComputerActions.Handle(), LB_GETITEMRECT, kActionScreenSaver,
                 reinterpret_cast<LPARAM>(&item));
    o.CheckListMouseMove(o.lsbComputerActions, 0, 10, (item.top + item.bottom) / 2);
    const bool wide = o.lsbComputerActions.Hint() == o.lsbComputerActions.Item(kActionScreenSaver);
    SendMessageW(o.lsbComputerActions.Handle(), LB_GETITEMRECT, kActionMonitorOff,
                 reinterpret_cast<LPARAM>(&item));
    o.CheckListMouseMove(o.lsbComputerActions, 0, 10, (item.top + item.bottom) / 2);
    EXPECT_EQ(o.lsbComputerActions.Hint(), L"") << "a short item needs no hint";
    (void)wide;
}

namespace {

// The power calls, recorded instead of made.
struct PowerCalls : core::PowerControl {
    std::vector<std::wstring> calls;
    void EnableShutdownPrivilege() override {}
    void ExitSession(UINT) override { calls.push_back(L"exit"); }
    void SetPowerState(bool suspend, bool) override { calls.push_back(suspend ? L"suspend" : L"hibernate"); }
};

}  // namespace

TEST_F(PlannerPage, WallpaperThatCannotBeWrittenFailsQuietlyAndTheTaskGoesOn) {
    const std::filesystem::path jpeg = dir_.Path() / L"Лес.jpg";
    base::WriteFileBytes(jpeg, testing_support::MakeJpeg(16, 8));
    TaskTable tasks;
    const int r = AddTask(tasks, L"*Ежедневно", L"Выход", L"Обои");
    tasks.SetCell(kColPicture, r, jpeg.wstring());
    tasks.SetCell(kColComputer, r, L"Перейти в ждущий режим");
    Create(&tasks);
    // The bitmap cannot be written: a folder has its name.
    const std::filesystem::path bitmap = planner::WallpaperBitmapPath();
    std::error_code ec;
    std::filesystem::remove(bitmap, ec);
    ASSERT_TRUE(std::filesystem::create_directory(bitmap, ec));
    PowerCalls power;
    core::SetPowerControl(&power);
    EXPECT_NO_THROW(O().ExecuteTask(FindRow(L"Обои")));
    core::SetPowerControl(nullptr);
    std::filesystem::remove(bitmap, ec);
    EXPECT_EQ(power.calls, std::vector<std::wstring>{L"suspend"}) << "the computer action still runs";
    EXPECT_TRUE(boxes_.empty());
}
