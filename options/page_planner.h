// The page "Планировщик": the task grid and, below it, the editor of the
// selected task (day, time, description and the five action panels: message,
// sounds, files, pictures, computer). Every control writes its cell at once.
// The lists of sounds, files and pictures are shared by all tasks.
//
// The handlers live in three files: this page's own file (building the page,
// the task file, next runs and running tasks), planner/planner_page_editor.cpp
// (the grid, the schedule, the description and the message) and
// planner/planner_page_lists.cpp (sounds, files, pictures, computer actions).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/settings_io.h"
#include "planner/checked_date_picker.h"
#include "planner/enter_key.h"
#include "planner/task_grid.h"
#include "planner/task_list.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/menus.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/string_grid.h"

class TfrmOptions;
namespace planner {
class ProgramTaskActions;
class TaskRunner;
}  // namespace planner

// The task grid as the planner sees it. Moving the selection from the
// planner's own code is told apart from the user's clicks.
class StringGridTasks final : public planner::TaskGrid {
  public:
    explicit StringGridTasks(ui::StringGrid& grid) : grid_(grid) {}
    int RowCount() const override { return grid_.RowCount(); }
    void SetRowCount(int count) override { grid_.SetRowCount(count); }
    std::wstring Cell(int col, int row) const override { return grid_.Cell(col, row); }
    void SetCell(int col, int row, const std::wstring& text) override;
    int Row() const override { return grid_.Row(); }
    void SetRow(int row) override;
    // True while SetRow moves the selection.
    bool Moving() const { return moving_; }

  private:
    ui::StringGrid& grid_;
    bool moving_ = false;
};

class TPagePlanner {
  public:
    TPagePlanner(ui::PageControl& pgcOptions, ui::Form& form);
    ~TPagePlanner();

    ui::TabSheet tbsPlanner;
    // Enter runs the selected task.
    planner::EnterKeyControl<ui::StringGrid> stgTasks;
    ui::PopupMenu pmnPlanner;
    ui::MenuItem pmiPlannerOff, pmiShowInMenu;
    ui::SpeedButton spbRunTask, spbDeleteTask, spbClearTasks, spbHelpFormatsPlan;
    // Shown instead of the editor while the planner is off.
    ui::Button btnPlannerOn;

    ui::Panel pnlEvent;
    ui::Label lblDay;
    planner::CheckedDatePicker dtpDate;
    ui::SpeedButton spbDays;
    ui::Label lblTime;
    ui::ComboBox cmbEventTime;
    planner::EnterKeyControl<ui::DateTimePicker> dtpTime;
    ui::CheckBox chbExecOneTime, chbDeleteAfterExec;
    ui::Label lblDescription;
    ui::Edit edtEventDescription;
    ui::CheckBox chbShowExecEvent, chbShakeWindow;
    ui::SpeedButton spbMessage, spbSounds, spbFiles, spbPictures, spbComputer;

    ui::Panel pnlMessage;
    ui::Label lblTitleMessage;
    ui::Edit edtTitleMessage;
    ui::Memo memMessage;
    ui::CheckBox chbShowMessageBox, chbShowBalloonHint, chbSpeakMessage;
    ui::Button btnBalloonHintOptions;
    ui::SpeedButton spbMakeMessage;

    ui::Panel pnlSounds;
    planner::EnterKeyControl<ui::CheckListBox> clbSoundsList;
    ui::SpeedButton spbPlaySoundA, spbOpenSoundA, spbDeleteSound, spbClearSoundsList, spbConsistentlyPlay,
        spbRandomPlay;

    ui::Panel pnlFiles;
    planner::EnterKeyControl<ui::CheckListBox> clbFilesList;
    ui::Edit edtProgCommand;
    ui::SpeedButton spbOpenFileA, spbRunFileA, spbDeleteFileA, spbClearFilesList, spbConsistentlyFile,
        spbRandomFile;

    ui::Panel pnlPictures;
    ui::CheckBox chbShowPicture;
    planner::EnterKeyControl<ui::ListBox> lsbPicturesList;
    ui::SpeedButton spbOpenPictures, spbSetPicture, spbDeletePicture, spbClearPicturesList,
        spbConsistentlyPicture, spbRandomPicture;

    ui::Panel pnlComputer;
    ui::Label lblComputerAction;
    ui::ListBox lsbComputerActions;
    ui::CheckBox chbForseCompAction;
    ui::SpeedButton spbRunCompAction;

    StringGridTasks TaskCells{stgTasks};
    planner::TaskList Tasks;

    void BindPlannerPageSettings(core::SettingHomes& homes);
    void CopyPlannerPageSettings();
    // The planner switched off or on: the editor or the button that switches
    // it on, and whether the worker and the exit walk run tasks.
    void ShowPlannerState(bool off);
    // Loading: the day picker window.
    void CreateDayPicker();

    // TasksList.tsk as the start reads it (a file that cannot be read leaves
    // the grid as it is).
    void LoadTaskFile(const std::filesystem::path& file);
    // The bytes of TasksList.tsk, as the grid holds the tasks.
    std::string TaskFileData() const;

    // Recomputes, re-sorts and marks the task list (the settings window's Tag
    // is the phase: 1 plans the start tasks, 10 the exit tasks).
    void RefreshTaskList();
    void ExecuteTask(int row);
    void RescheduleTask(int row);
    // Exit: runs the tasks set to run at exit today.
    void RunExitTasks();

    // ---- Next runs, running tasks and the coming-task menu
    double CalcNextRun(int row);
    void UpdateTaskNextRun();
    void DeleteTaskRow(int row);
    void ShowTaskMessage(int row);
    void PlayTaskSounds(int row);
    void RunTaskFiles(int row);
    void SetTaskWallpaper(int row);
    void DoComputerAction(int row);
    // Starts one file item ("path|parameters"); true when the shell took it.
    bool RunFile(const std::wstring& item);
    // Runs the row at once, then plans it again (the run button, the coming-task menu).
    void RunTaskNow(int row);
    void pmiTaskClick(ui::Component& sender);
    void pmiShowInMenuClick(ui::Component& sender);
    // The per-second worker's planner step once EarliestTaskTime has come at
    // `since` (the worker has set it to 0): the rows with the due mark and
    // every row due from `since` to `now` get their "Выполнено" cell and run
    // when `age` finds them less than five minutes late, then the list is
    // planned again.
    void RunDueTasks(double since, double now, const planner::RealAge& age);

    // ---- The editor (planner/planner_page_editor.cpp)
    // Fills the editor from the selected row; the window's Tag is 1 meanwhile
    // and goes back to the value it had.
    void LoadTaskToEditor();
    // Stores one action cell (3 to 8) of the selected row.
    void StoreTaskCell(int col, const std::wstring& text);
    // Writes the day, time and "Выполнено" cells of the selected row from the
    // editor and the day picker, then moves the row to its place. A schedule
    // chosen with the mouse hands the focus on to the action panel's list; keys
    // typed into a schedule control stay there.
    void WriteScheduleCells();
    // The marks and mode buttons of the sounds (5) or files (6) list from a row's cell.
    void LoadActionList(int col, int row);

    void tbsPlannerShow(ui::Component& sender);
    void stgTasksClick(ui::Component& sender);
    void stgTasksDblClick(ui::Component& sender);
    void stgTasksKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void stgTasksDrawCell(ui::Component& sender, int col, int row, HDC dc, const RECT& rect, UINT state);
    void stgTasksMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void CheckListMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void spbRunTaskClick(ui::Component& sender);
    void spbDeleteTaskClick(ui::Component& sender);
    void spbClearTasksClick(ui::Component& sender);
    void spbHelpFormatsPlanClick(ui::Component& sender);
    void btnPlannerOnClick(ui::Component& sender);
    void dtpDateChange(ui::Component& sender);
    void spbDaysClick(ui::Component& sender);
    // The day picker's "Изменить".
    void DaysApply();
    void cmbEventTimeChange(ui::Component& sender);
    void dtpTimeChange(ui::Component& sender);
    void dtpTimeKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void chbExecOneTimeClick(ui::Component& sender);
    void chbDeleteAfterExecClick(ui::Component& sender);
    void edtEventDescriptionChange(ui::Component& sender);
    void memMessageChange(ui::Component& sender);
    void ActionsPanelChange(ui::Component& sender);
    void btnBalloonHintOptionsClick(ui::Component& sender);
    void spbMakeMessageClick(ui::Component& sender);

    // ---- Sounds, files, pictures, computer actions (planner/planner_page_lists.cpp)
    void CheckListClickCheck(ui::Component& sender);
    void CheckListKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    // The in-order and random buttons of the sounds and the files.
    void ListModeClick(ui::Component& sender);
    void clbSoundsListClick(ui::Component& sender);
    void clbSoundsListDblClick(ui::Component& sender);
    void spbPlaySoundAClick(ui::Component& sender);
    void spbOpenSoundAClick(ui::Component& sender);
    void spbDeleteSoundClick(ui::Component& sender);
    void spbClearSoundsListClick(ui::Component& sender);
    void clbFilesListClick(ui::Component& sender);
    void clbFilesListDblClick(ui::Component& sender);
    void edtProgCommandChange(ui::Component& sender);
    void spbOpenFileAClick(ui::Component& sender);
    void spbRunFileAClick(ui::Component& sender);
    void spbDeleteFileAClick(ui::Component& sender);
    void spbClearFilesListClick(ui::Component& sender);
    void lsbPicturesListClick(ui::Component& sender);
    void lsbPicturesListDblClick(ui::Component& sender);
    void lsbPicturesListKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void chbShowPictureClick(ui::Component& sender);
    // The in-order and random buttons of the pictures.
    void PictureModeClick(ui::Component& sender);
    void spbOpenPicturesClick(ui::Component& sender);
    void spbSetPictureClick(ui::Component& sender);
    void spbDeletePictureClick(ui::Component& sender);
    void spbClearPicturesListClick(ui::Component& sender);
    void lsbComputerActionsClick(ui::Component& sender);
    void spbRunCompActionClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
    planner::TaskRunner& Runner();
    void RebuildComingTaskMenu();
    void LayOutPage();
    void BindPageEvents();
    // The editor's handlers store nothing while the window's Tag is non-zero.
    bool Loading();
    bool IsSpareRow(int row) const { return row == stgTasks.RowCount() - 1; }
    // Runs a test or run button's action; a failure is reported.
    void Guarded(const std::function<void()>& action);
    void ShowActionPanel(ui::SpeedButton& button);
    // WriteScheduleCells; the focus moves to the action panel's list only
    // with `focusActionList`.
    void StoreScheduleCells(bool focusActionList);
    void FocusActionList();
    // The controls that follow the picture box and the chosen computer action.
    void EnablePictureControls();
    void ShowComputerActionControls();
    // The sounds' or the files' list of a cell column, and its mode button's character.
    ui::CheckListBox& CheckListOf(int col);
    wchar_t ListMode(int col);
    wchar_t PictureMode();
    void ShowFileParameters();
    // Adds files from the chooser to a list and stores the cell.
    void ChooseIntoList(ui::ListBox& list, const std::wstring& filter, const std::wstring& fallbackFolder);
    void DeleteSelectedItem(ui::ListBox& list);
    void ExchangeItems(ui::ListBox& list, int a, int b);
    // Ctrl+Up/Down, Ctrl+Insert, Shift+Insert and Del of the three lists; true when the key was used.
    bool ListEditKey(ui::ListBox& list, WORD key, ui::ShiftState shift);
    // Stores a list's cell after its items changed.
    void StoreListCell(ui::ListBox& list);
    void ShowTextHint(ui::Control& control, const std::wstring& text, int room);

    std::unique_ptr<planner::ProgramTaskActions> taskActions_;
    std::unique_ptr<planner::TaskRunner> runner_;
    bool showingFileParameters_ = false;
    // The time kind the editor shows (cmbEventTime's item): the combo box may
    // report a choice of the same item again, which changes nothing.
    int shownTimeKind_ = 0;
    std::wstring lastFilesFolder_;
};
