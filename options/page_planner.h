// The page "Планировщик": the task grid and the lists of files, sounds and
// pictures that tasks choose from.
#pragma once

#include <filesystem>

#include "core/settings_io.h"
#include "planner/task_grid.h"
#include "planner/task_list.h"
#include "ui/buttons.h"
#include "ui/lists.h"
#include "ui/menus.h"
#include "ui/page_control.h"
#include "ui/string_grid.h"

class TfrmOptions;

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

  private:
    TfrmOptions& Options();
};
