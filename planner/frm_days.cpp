#include "planner/frm_days.h"

#include <windowsx.h>

#include <vector>

#include "base/conversions.h"
#include "ui/dialogs.h"

namespace planner {

TfrmDays* frmDays = nullptr;

// ---- ColumnCheckList ----

void ColumnCheckList::SetColumns(int columns) {
    columns_ = columns < 1 ? 1 : columns;
    ApplyColumns();
}

ui::Control::CreateParams ColumnCheckList::GetCreateParams() {
    CreateParams params = CheckListBox::GetCreateParams();
    params.style = (params.style & ~WS_VSCROLL) | LBS_MULTICOLUMN;
    return params;
}

void ColumnCheckList::HandleCreated() {
    CheckListBox::HandleCreated();
    ApplyColumns();
}

void ColumnCheckList::ApplyColumns() {
    if (!hwnd_) return;
    RECT rc;
    GetClientRect(hwnd_, &rc);
    SendMessageW(hwnd_, LB_SETCOLUMNWIDTH, static_cast<WPARAM>((rc.right - rc.left) / columns_), 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool ColumnCheckList::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const int index = ItemAtPos(pt);
        if (index >= 0) {
            result = DefaultProc(WM_LBUTTONDOWN, wp, lp);
            SetChecked(index, !Checked(index));
            Invalidate();
            return true;
        }
    }
    return CheckListBox::HandleMessage(msg, wp, lp, result);
}

// ---- TfrmDays ----

TfrmDays::TfrmDays()
    : ui::Form(L"TfrmDays"),
      pnlMonthsChange(this, L"pnlMonthsChange", L"Месяц"),
      btnSelectAllMonths(&pnlMonthsChange, L"btnSelectAllMonths", L"Выделить все"),
      btnDeSelectAllMonths(&pnlMonthsChange, L"btnDeSelectAllMonths", L"Снять выделение"),
      clbMonths(&pnlMonthsChange, L"clbMonths"),
      pnlDaysChange(this, L"pnlDaysChange", L"День"),
      rdbDaysOfWeek(&pnlDaysChange, L"rdbDaysOfWeek", L"Дни недели"),
      rdbNombers(&pnlDaysChange, L"rdbNombers", L"Числа"),
      btnSelectAllDays(&pnlDaysChange, L"btnSelectAllDays", L"Выделить все"),
      btnDeSelectAllDays(&pnlDaysChange, L"btnDeSelectAllDays", L"Снять выделение"),
      clbDays(&pnlDaysChange, L"clbDays"),
      btnApply(this, L"btnApply", L"Изменить"),
      btnClose(this, L"btnClose", L"Отмена") {
    SetCaption(L"Выбор дней");
    SetBorderStyle(ui::bsDialog);
    SetBorderIcons(ui::biSystemMenu);
    SetClientWidth(303);
    SetClientHeight(327);
    CenterOnScreen();

    // The numbers take six rows of their six columns: the month group gives
    // up a few pixels to the day group.
    pnlMonthsChange.SetBounds(8, 4, 287, 122);
    clbMonths.SetBounds(8, 18, 271, 68);
    clbMonths.SetColumns(3);
    std::vector<std::wstring> months(MonthItemNames().begin(), MonthItemNames().end());
    clbMonths.SetItems(months);
    btnSelectAllMonths.SetBounds(8, 90, 130, 25);
    btnDeSelectAllMonths.SetBounds(149, 90, 130, 25);

    pnlDaysChange.SetBounds(8, 130, 287, 158);
    rdbDaysOfWeek.SetBounds(48, 0, 92, 17);
    rdbNombers.SetBounds(146, 0, 70, 17);
    clbDays.SetBounds(8, 20, 271, 100);
    btnSelectAllDays.SetBounds(8, 126, 130, 25);
    btnDeSelectAllDays.SetBounds(149, 126, 130, 25);

    btnApply.SetBounds(124, 294, 82, 25);
    btnApply.SetDefault(true);
    btnClose.SetBounds(213, 294, 82, 25);
    btnClose.SetModalResult(ui::mrCancel);
    btnClose.SetCancel(true);

    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    rdbDaysOfWeek.OnClick = [this](ui::Component& s) { rdbDaysOfWeekClick(s); };
    rdbNombers.OnClick = [this](ui::Component& s) { rdbDaysOfWeekClick(s); };
    btnSelectAllMonths.OnClick = [this](ui::Component& s) { btnSelectAllMonthsClick(s); };
    btnDeSelectAllMonths.OnClick = [this](ui::Component& s) { btnDeSelectAllMonthsClick(s); };
    btnSelectAllDays.OnClick = [this](ui::Component& s) { btnSelectAllDaysClick(s); };
    btnDeSelectAllDays.OnClick = [this](ui::Component& s) { btnDeSelectAllDaysClick(s); };
    btnApply.OnClick = [this](ui::Component& s) { btnApplyClick(s); };
    btnClose.OnClick = [this](ui::Component& s) { btnCloseClick(s); };

    rdbDaysOfWeek.SetChecked(true);  // fills the weekdays
}

TfrmDays::~TfrmDays() {
    if (frmDays == this) frmDays = nullptr;
}

void TfrmDays::FormCreate(ui::Component&) {
    btnSelectAllMonths.Click();
    btnSelectAllDays.Click();
}

void TfrmDays::rdbDaysOfWeekClick(ui::Component&) {
    std::vector<std::wstring> items;
    if (rdbDaysOfWeek.Checked()) {
        items.assign(WeekdayItemNames().begin(), WeekdayItemNames().end());
        clbDays.SetColumns(2);
    } else {
        for (int d = 1; d <= 31; ++d) items.push_back(base::IntToStr(d));
        clbDays.SetColumns(6);
    }
    clbDays.SetItems(items);  // new items come unchecked
}

void TfrmDays::btnSelectAllMonthsClick(ui::Component&) {
    for (int i = 0; i < clbMonths.Count(); ++i) clbMonths.SetChecked(i, true);
}

void TfrmDays::btnDeSelectAllMonthsClick(ui::Component&) {
    for (int i = 0; i < clbMonths.Count(); ++i) clbMonths.SetChecked(i, false);
}

void TfrmDays::btnSelectAllDaysClick(ui::Component&) {
    for (int i = 0; i < clbDays.Count(); ++i) clbDays.SetChecked(i, true);
}

void TfrmDays::btnDeSelectAllDaysClick(ui::Component&) {
    for (int i = 0; i < clbDays.Count(); ++i) clbDays.SetChecked(i, false);
}

DayPicks TfrmDays::Picks() const {
    DayPicks picks;
    picks.SetMode(rdbDaysOfWeek.Checked() ? DayMode::Weekdays : DayMode::Numbers);
    for (int m = 0; m < 12 && m < clbMonths.Count(); ++m)
        picks.months[static_cast<size_t>(m)] = clbMonths.Checked(m);
    for (int d = 0; d < clbDays.Count() && d < static_cast<int>(picks.days.size()); ++d)
        picks.days[static_cast<size_t>(d)] = clbDays.Checked(d);
    return picks;
}

void TfrmDays::SetPicks(const DayPicks& picks) {
    const bool weekdays = picks.mode == DayMode::Weekdays;
    if (weekdays != rdbDaysOfWeek.Checked()) (weekdays ? rdbDaysOfWeek : rdbNombers).SetChecked(true);
    for (int m = 0; m < 12 && m < clbMonths.Count(); ++m)
        clbMonths.SetChecked(m, picks.months[static_cast<size_t>(m)]);
    for (int d = 0; d < clbDays.Count() && d < static_cast<int>(picks.days.size()); ++d)
        clbDays.SetChecked(d, picks.days[static_cast<size_t>(d)]);
}

void TfrmDays::ParseSchedule(const std::wstring& dayCell) {
    DayPicks picks = Picks();
    ParseDaySchedule(dayCell, picks);
    SetPicks(picks);
}

void TfrmDays::btnApplyClick(ui::Component&) {
    if (!Picks().AnyMonth()) {
        ui::ShowMessageBox(L"Выберите месяц!  ", L"Ошибка", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (OnApply) OnApply();
    SetModalResult(ui::mrOk);  // ends the picker's modal run
}

void TfrmDays::btnCloseClick(ui::Component&) {
    SetModalResult(ui::mrCancel);
}

}  // namespace planner
