// The day picker "Выбор дней": the months and the weekdays or day numbers of a
// task's schedule. Created once with the settings window and only shown and
// hidden; the settings window reads its marks when it writes the day cell.
#pragma once

#include <functional>
#include <string>

#include "planner/day_schedule.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/panels.h"

namespace planner {

// A check list laid out in columns; a click anywhere on an item toggles its mark.
class ColumnCheckList : public ui::CheckListBox {
  public:
    using CheckListBox::CheckListBox;
    int Columns() const { return columns_; }
    void SetColumns(int columns);

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    void ApplyColumns();
    int columns_ = 1;
};

class TfrmDays : public ui::Form {
  public:
    TfrmDays();
    ~TfrmDays() override;

    ui::GroupBox pnlMonthsChange;
    ui::Button btnSelectAllMonths;
    ui::Button btnDeSelectAllMonths;
    ColumnCheckList clbMonths;
    ui::GroupBox pnlDaysChange;
    ui::RadioButton rdbDaysOfWeek;
    ui::RadioButton rdbNombers;
    ui::Button btnSelectAllDays;
    ui::Button btnDeSelectAllDays;
    ColumnCheckList clbDays;
    ui::Button btnApply;
    ui::Button btnClose;

    // What "Изменить" does once a month is chosen: the settings window writes
    // the schedule from the picker.
    std::function<void()> OnApply;

    // The marks as they stand, and set from a schedule.
    DayPicks Picks() const;
    void SetPicks(const DayPicks& picks);
    // Sets the marks from a task's day cell ("*..." or empty).
    void ParseSchedule(const std::wstring& dayCell);

    void FormCreate(ui::Component& sender);
    void rdbDaysOfWeekClick(ui::Component& sender);
    void btnSelectAllMonthsClick(ui::Component& sender);
    void btnDeSelectAllMonthsClick(ui::Component& sender);
    void btnSelectAllDaysClick(ui::Component& sender);
    void btnDeSelectAllDaysClick(ui::Component& sender);
    void btnApplyClick(ui::Component& sender);
    void btnCloseClick(ui::Component& sender);
};

// The program's day picker (made by the settings window).
extern TfrmDays* frmDays;

}  // namespace planner
