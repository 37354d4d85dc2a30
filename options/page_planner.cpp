#include "options/page_planner.h"

#include "base/format_settings.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"
#include "planner/task_file.h"

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
    chbForseCompAction.SetChecked(true);
}

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

void TPagePlanner::CreateDayPicker() {}

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

void TPagePlanner::ExecuteTask(int) {}

void TPagePlanner::RescheduleTask(int row) {
    Tasks.RescheduleTask(row, Now(), Options().Tag());
}

void TPagePlanner::RunExitTasks() {
    Tasks.RunExitTasks(Now(), [this](int row) { ExecuteTask(row); });
}
