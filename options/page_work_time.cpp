#include "options/page_work_time.h"

#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/string_list.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"
#include "timetext/work_log.h"

namespace {

timetext::WorkLogRows RowsOf(const ui::StringGrid& grid) {
    timetext::WorkLogRows rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.push_back({grid.Cell(0, r), grid.Cell(1, r), grid.Cell(2, r)});
    return rows;
}

void PutRows(ui::StringGrid& grid, const timetext::WorkLogRows& rows) {
    grid.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        grid.SetRowCells(r, {rows[r][0], rows[r][1], rows[r][2]});
}

}  // namespace

TPageWorkTime::TPageWorkTime(ui::PageControl& pgcOptions, ui::Form& form)
    : tbsTimeWorkWindows(pgcOptions, L"tbsTimeWorkWindows", L"Время работы"),
      chbWorkLog(&tbsTimeWorkWindows, L"chbWorkLog", L"Вести журнал работы Windows"),
      chbLimitedLog(&tbsTimeWorkWindows, L"chbLimitedLog", L"Ограничить журнал"),
      speLogLimit(&tbsTimeWorkWindows, L"speLogLimit"),
      stgWorkLog(&tbsTimeWorkWindows, L"stgWorkLog"),
      tmrWorkTimeUpdate(&form, L"tmrWorkTimeUpdate") {
    PageRows rows;
    rows.Put(chbWorkLog, 8, 300).Next();
    rows.Put(chbLimitedLog, 8, 160).Put(speLogLimit, 176, 90).Next(30);
    rows.Put(stgWorkLog, 8, 430, 400).Next(408);
    chbWorkLog.SetChecked(true);
    chbLimitedLog.SetChecked(true);
    speLogLimit.SetMinValue(1);
    speLogLimit.SetMaxValue(1000000);
    speLogLimit.SetValue(1000);
    stgWorkLog.SetColCount(3);
    stgWorkLog.SetRowCount(2);
    stgWorkLog.SetRowSelect(true);
    stgWorkLog.SetEnabled(false);
    tmrWorkTimeUpdate.SetEnabled(false);
    tmrWorkTimeUpdate.SetInterval(1000);
}

TfrmOptions& TPageWorkTime::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageWorkTime::BindWorkTimePageSettings(core::SettingHomes& homes) {
    using namespace options;
    // Read into StoredWorkTime; written from the counters of this run.
    homes.BindFloat(
        L"StartWork", [] { return WorkTime.AtExit(UptimeDays()).startWork; },
        [this](double v) { StoredWorkTime.startWork = v; });
    homes.BindFloat(
        L"TotalWindowsWorkTime", [] { return WorkTime.AtExit(UptimeDays()).totalWindowsWorkTime; },
        [this](double v) { StoredWorkTime.totalWindowsWorkTime = v; });
    homes.BindFloat(
        L"WinUpTime", [] { return WorkTime.AtExit(UptimeDays()).winUpTime; },
        [this](double v) { StoredWorkTime.winUpTime = v; });
    homes.BindFloat(
        L"CorrectWorkT", [] { return WorkTime.AtExit(UptimeDays()).correctWorkT; },
        [this](double v) { StoredWorkTime.correctWorkT = v; });
    BindChecked(homes, L"chbWorkLog", chbWorkLog);
    BindChecked(homes, L"chbLimitedLog", chbLimitedLog);
    BindValue(homes, L"speLogLimit", speLogLimit);
}

void TPageWorkTime::CopyWorkTimePageSettings() {}

void TPageWorkTime::SetUpWorkTime() {
    ContinuedPeriod = WorkTime.Start(StoredWorkTime, Now(), UptimeDays());
}

void TPageWorkTime::LoadWorkLog(const std::filesystem::path& file) {
    timetext::WorkLogRows rows = timetext::NewWorkLog();
    try {
        base::StringList lines;
        lines.LoadFromFile(file);
        if (chbLimitedLog.Checked()) timetext::LimitWorkLogLines(lines, speLogLimit.Value());
        timetext::LoadWorkLogLines(rows, lines, ContinuedPeriod > 0);
    } catch (...) {
        // A missing or unreadable log loads no rows.
    }
    const base::FormatSettings fs = base::SystemFormatSettings();
    timetext::SetCurrentRunStart(
        rows, base::DateTimeToStr(WorkTime.WindowsStartTime + WorkTime.WorkPeriodStart, fs));
    PutRows(stgWorkLog, rows);
    stgWorkLog.SetEnabled(true);
}

void TPageWorkTime::SaveWorkLog(const std::filesystem::path& file) {
    timetext::WorkLogRows rows = RowsOf(stgWorkLog);
    const double work = UptimeDays() - WorkTime.WorkPeriodStart;
    timetext::SetCurrentRunWork(rows, frmHoralto->FormatDuration(timetext::kWorkLogDurationFormat, work));
    PutRows(stgWorkLog, rows);
    timetext::WorkLogLines(rows).SaveToFile(file);
}

void TPageWorkTime::WMPowerBroadcast(TMessage&) {}
