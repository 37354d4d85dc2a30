#include "options/page_planner.h"

#include "base/format_settings.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"
#include "planner/coming_task_menu.h"
#include "planner/frm_days.h"
#include "planner/program_task_actions.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_runner.h"
#include "ui/application.h"

void StringGridTasks::SetCell(int col, int row, const std::wstring& text) {
    if (col >= grid_.ColCount()) grid_.SetColCount(col + 1);
    grid_.SetCell(col, row, text);
}

TPagePlanner::TPagePlanner(ui::PageControl& pgcOptions, ui::Form& form)
    : tbsPlanner(pgcOptions, L"tbsPlanner", L"Планировщик"),
      stgTasks(&tbsPlanner, L"stgTasks"),
      pmnPlanner(&form, L"pmnPlanner"),
      pmiPlannerOff(pmnPlanner, L"pmiPlannerOff"),
      pmiShowInMenu(pmnPlanner, L"pmiShowInMenu", L"Показывать в меню"),
      clbFilesList(&tbsPlanner, L"clbFilesList"),
      clbSoundsList(&tbsPlanner, L"clbSoundsList"),
      lsbPicturesList(&tbsPlanner, L"lsbPicturesList"),
      chbForseCompAction(&tbsPlanner, L"chbForseCompAction", L"Форсировано"),
      Tasks(TaskCells, NextRunTimes, EarliestTaskTime, base::SystemFormatSettings()) {
    PageRows rows;
    rows.Put(stgTasks, 8, 430, 220).Next(228);
    rows.Put(clbFilesList, 8, 210, 80).Put(clbSoundsList, 228, 210, 80).Next(88);
    rows.Put(lsbPicturesList, 8, 210, 80).Put(chbForseCompAction, 228, 150).Next(88);
    stgTasks.SetColCount(planner::kTaskColCount);
    stgTasks.SetRowCount(2);
    stgTasks.SetRowSelect(true);
    stgTasks.SetPopupMenu(&pmnPlanner);
    pmiShowInMenu.SetAutoCheck(true);
    pmiShowInMenu.SetChecked(true);
    pmiShowInMenu.OnClick = [this](ui::Component& s) { pmiShowInMenuClick(s); };
    chbForseCompAction.SetChecked(true);

    Tasks.OnComingTasks = [this](const std::vector<planner::ComingTask>&) { RebuildComingTaskMenu(); };
    // A task that fails is reported; the other tasks and the planning go on.
    Tasks.OnTaskError = [](int, std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (...) {
            ui::Application().HandleException();
        }
    };
}

TPagePlanner::~TPagePlanner() = default;

TfrmOptions& TPagePlanner::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPagePlanner::BindPlannerPageSettings(core::SettingHomes& homes) {
    options::BindChecked(homes, L"chbForseCompAction", chbForseCompAction);
    // Read as false, the item (checked at start) is clicked.
    homes.BindBool(
        L"pmiShowInMenu", [this] { return pmiShowInMenu.Checked(); },
        [this](bool v) {
            if (v != pmiShowInMenu.Checked()) pmiShowInMenu.Click();
        });
}

void TPagePlanner::CopyPlannerPageSettings() {
    pmiPlannerOff.SetAction(&frmHoralto->aPlannerOnOff);
}

void TPagePlanner::CreateDayPicker() {
    if (!planner::frmDays) ui::Application().CreateForm(planner::frmDays);
}

void TPagePlanner::LoadTaskFile(const std::filesystem::path& file) {
    try {
        planner::LoadTaskFile(file, TaskCells);
    } catch (...) {
        // A missing or unreadable task file leaves the grid as it is.
    }
}

void TPagePlanner::SaveTaskFile(const std::filesystem::path& file) {
    planner::SaveTaskFile(file, TaskCells);
}

void TPagePlanner::RefreshTaskList() {
    Tasks.RefreshTaskList(Now(), Options().Tag());
}

void TPagePlanner::RescheduleTask(int row) {
    Tasks.RescheduleTask(row, Now(), Options().Tag());
}

void TPagePlanner::RunExitTasks() {
    // Whatever happens here, the task file is written afterwards.
    try {
        Tasks.RunExitTasks(Now(), [this](int row) { ExecuteTask(row); });
    } catch (...) {
        ui::Application().HandleException();
    }
}

// ---- Next runs, running tasks and the coming-task menu

planner::TaskRunner& TPagePlanner::Runner() {
    if (!runner_) {
        taskActions_ = std::make_unique<planner::ProgramTaskActions>(Options());
        runner_ = std::make_unique<planner::TaskRunner>(TaskCells, *taskActions_);
    }
    return *runner_;
}

double TPagePlanner::CalcNextRun(int row) {
    return Tasks.CalcNextRun(row, Now(), Options().Tag());
}

void TPagePlanner::UpdateTaskNextRun() {
    Tasks.UpdateTaskNextRun(Now());
}

void TPagePlanner::DeleteTaskRow(int row) {
    Tasks.DeleteTaskRow(row);
}

void TPagePlanner::ExecuteTask(int row) {
    Runner().ExecuteTask(row);
}

void TPagePlanner::ShowTaskMessage(int row) {
    Runner().ShowTaskMessage(row);
}

void TPagePlanner::PlayTaskSounds(int row) {
    Runner().PlayTaskSounds(row);
}

void TPagePlanner::RunTaskFiles(int row) {
    Runner().RunTaskFiles(row);
}

void TPagePlanner::SetTaskWallpaper(int row) {
    Runner().SetTaskWallpaper(row);
}

void TPagePlanner::DoComputerAction(int row) {
    Runner().DoComputerAction(row);
}

bool TPagePlanner::RunFile(const std::wstring& item) {
    return Runner().RunFile(item);
}

void TPagePlanner::RunTaskNow(int row) {
    if (row < 1 || row >= stgTasks.RowCount() - 1) return;
    try {
        ExecuteTask(row);
    } catch (...) {
        ui::Application().HandleException();  // the task is planned again all the same
    }
    if (row < static_cast<int>(Tasks.NextRunTimes.size()) + 1)
        Tasks.NextRunTimes[static_cast<std::size_t>(row - 1)] = CalcNextRun(row);
    RescheduleTask(row);
}

void TPagePlanner::pmiTaskClick(ui::Component& sender) {
    const int row = sender.Tag();
    if (row < 1 || row >= stgTasks.RowCount() - 1) return;
    stgTasks.SetRow(row);
    RunTaskNow(row);
}

void TPagePlanner::pmiShowInMenuClick(ui::Component&) {
    if (!frmHoralto) return;
    frmHoralto->pmiTasks.SetVisible(pmiShowInMenu.Checked());
    if (pmiShowInMenu.Checked()) UpdateTaskNextRun();
}

void TPagePlanner::RunDueTasks(double now) {
    Tasks.RunMarkedTasks(now, Options().Tag(), [this](int row) { ExecuteTask(row); });
}

void TPagePlanner::RebuildComingTaskMenu() {
    if (!frmHoralto) return;
    static const std::vector<planner::ComingTask> none;
    // The items can be chosen while the planner is on (its action unchecked).
    planner::FillComingTaskMenu(frmHoralto->pmiTasks, pmiShowInMenu.Checked() ? Tasks.ComingTasks() : none,
                                !frmHoralto->aPlannerOnOff.Checked(),
                                [this](ui::Component& sender) { pmiTaskClick(sender); });
}
