// The page "Планировщик": the task grid and the lists of files, sounds and
// pictures that tasks choose from.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/settings_io.h"
#include "planner/task_grid.h"
#include "planner/task_list.h"
#include "ui/buttons.h"
#include "ui/lists.h"
#include "ui/menus.h"
#include "ui/page_control.h"
#include "ui/string_grid.h"

class TfrmOptions;
namespace planner {
class ProgramTaskActions;
class TaskRunner;
}  // namespace planner

// The task grid as the planner sees it.
class StringGridTasks final : public planner::TaskGrid {
  public:
    explicit StringGridTasks(ui::StringGrid& grid) : grid_(grid) {}
    int RowCount() const override { return grid_.RowCount(); }
    void SetRowCount(int count) override { grid_.SetRowCount(count); }
    std::wstring Cell(int col, int row) const override { return grid_.Cell(col, row); }
    void SetCell(int col, int row, const std::wstring& text) override;
    int Row() const override { return grid_.Row(); }
    void SetRow(int row) override { grid_.SetRow(row); }

  private:
    ui::StringGrid& grid_;
};

class TPagePlanner {
  public:
    TPagePlanner(ui::PageControl& pgcOptions, ui::Form& form);
    ~TPagePlanner();

    ui::TabSheet tbsPlanner;
    ui::StringGrid stgTasks;
    ui::PopupMenu pmnPlanner;
    ui::MenuItem pmiPlannerOff, pmiShowInMenu;
    ui::CheckListBox clbFilesList, clbSoundsList;
    ui::ListBox lsbPicturesList;
    ui::CheckBox chbForseCompAction;

    StringGridTasks TaskCells{stgTasks};
    planner::TaskList Tasks;

    void BindPlannerPageSettings(core::SettingHomes& homes);
    void CopyPlannerPageSettings();
    // Loading: the day picker window.
    void CreateDayPicker();

    // TasksList.tsk; reading errors are swallowed (the grid keeps its rows).
    void LoadTaskFile(const std::filesystem::path& file);
    void SaveTaskFile(const std::filesystem::path& file);

    // Recomputes, re-sorts and marks the task list (the settings window's Tag
    // is the phase: 1 plans the start tasks, 10 the exit tasks).
    void RefreshTaskList();
    void ExecuteTask(int row);
    void RescheduleTask(int row);
    // Exit: runs the tasks set to run at exit today.
    void RunExitTasks();

    // ---- Next runs, running tasks and the coming-task menu (planner/)
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
    // The per-second worker's planner step once EarliestTaskTime has come (the
    // worker has set it to 0): the rows with the due mark get their
    // "Выполнено" cell and run, then the list is planned again.
    void RunDueTasks(double now);

  private:
    TfrmOptions& Options();
    planner::TaskRunner& Runner();
    void RebuildComingTaskMenu();
    std::unique_ptr<planner::ProgramTaskActions> taskActions_;
    std::unique_ptr<planner::TaskRunner> runner_;
};
