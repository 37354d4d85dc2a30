#include "options/page_work_time.h"

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/string_list.h"
#include "base/codec.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "timetext/horalto_text.h"
#include "ui/dialogs.h"

TPageWorkTime::TPageWorkTime(ui::PageControl& pgcOptions, ui::Form& form)
    : tbsTimeWorkWindows(pgcOptions, L"tbsTimeWorkWindows", L"Время работы"),
      lblTotalWorkTime(&tbsTimeWorkWindows, L"lblTotalWorkTime", L"Общее время работы Windows:"),
      speTotalWorkDays(&tbsTimeWorkWindows, L"speTotalWorkDays"),
      lblTotalWorkDays(&tbsTimeWorkWindows, L"lblTotalWorkDays", L"дн."),
      dtpTotalWorkTime(&tbsTimeWorkWindows, L"dtpTotalWorkTime"),
      lblCurrentWorkTime(&tbsTimeWorkWindows, L"lblCurrentWorkTime", L"Время текущей работы:"),
      lblWorkDays(&tbsTimeWorkWindows, L"lblWorkDays", L"0"),
      lblCurrentWorkDays(&tbsTimeWorkWindows, L"lblCurrentWorkDays", L"дн."),
      lblWorkTime(&tbsTimeWorkWindows, L"lblWorkTime", L" 0:00:00"),
      chbWorkLog(&tbsTimeWorkWindows, L"chbWorkLog", L"Вести журнал работы Windows"),
      chbLimitedLog(&tbsTimeWorkWindows, L"chbLimitedLog", L"Ограничить журнал"),
      speLogLimit(&tbsTimeWorkWindows, L"speLogLimit"),
      lblRecords(&tbsTimeWorkWindows, L"lblRecords", L"записями"),
      spbDeleteWorkRecord(&tbsTimeWorkWindows, L"spbDeleteWorkRecord", L"Удалить запись"),
      spbClearWorkLog(&tbsTimeWorkWindows, L"spbClearWorkLog", L"Очистить журнал"),
      stgWorkLog(&tbsTimeWorkWindows, L"stgWorkLog"),
      tmrWorkTimeUpdate(&form, L"tmrWorkTimeUpdate") {
    lblTotalWorkTime.SetBounds(8, 12, 200, 16);
    speTotalWorkDays.SetBounds(210, 8, 60, 21);
    lblTotalWorkDays.SetBounds(274, 12, 24, 16);
    dtpTotalWorkTime.SetBounds(302, 8, 90, 21);
    lblCurrentWorkTime.SetBounds(8, 40, 200, 16);
    lblWorkDays.SetBounds(210, 40, 60, 16);
    lblWorkDays.SetAlignment(ui::taRightJustify);
    lblCurrentWorkDays.SetBounds(274, 40, 24, 16);
    lblWorkTime.SetBounds(302, 40, 80, 16);
    chbWorkLog.SetBounds(8, 66, 300, 21);
    chbLimitedLog.SetBounds(8, 92, 150, 21);
    speLogLimit.SetBounds(160, 92, 80, 21);
    lblRecords.SetBounds(246, 96, 70, 16);
    spbDeleteWorkRecord.SetBounds(8, 120, 130, 24);
    spbClearWorkLog.SetBounds(144, 120, 130, 24);
    stgWorkLog.SetBounds(8, 150, 430, 260);

    speTotalWorkDays.SetMinValue(0);
    speTotalWorkDays.SetMaxValue(1000000);
    dtpTotalWorkTime.SetKind(ui::dtkTime);
    chbWorkLog.SetChecked(true);
    chbLimitedLog.SetChecked(true);
    speLogLimit.SetMinValue(1);
    speLogLimit.SetMaxValue(1000000);
    speLogLimit.SetValue(1000);
    stgWorkLog.SetColCount(3);
    stgWorkLog.SetRowCount(2);
    stgWorkLog.SetRowSelect(true);
    stgWorkLog.SetColWidth(1, 200);
    stgWorkLog.SetColWidth(2, 190);
    stgWorkLog.SetEnabled(false);
    tmrWorkTimeUpdate.SetEnabled(false);
    tmrWorkTimeUpdate.SetInterval(1000);

    tbsTimeWorkWindows.OnShow = [this](ui::Component& s) { tbsTimeWorkWindowsShow(s); };
    tbsTimeWorkWindows.OnHide = [this](ui::Component& s) { tbsTimeWorkWindowsHide(s); };
    tmrWorkTimeUpdate.OnTimer = [this](ui::Component& s) { tmrWorkTimeUpdateTimer(s); };
    speTotalWorkDays.OnChange = [this](ui::Component& s) { speTotalWorkDaysChange(s); };
    dtpTotalWorkTime.OnChange = [this](ui::Component& s) { speTotalWorkDaysChange(s); };
    chbWorkLog.OnClick = [this](ui::Component& s) { chbWorkLogClick(s); };
    stgWorkLog.OnSelectCell = [this](ui::Component& s, int c, int r, bool& can) {
        stgWorkLogSelectCell(s, c, r, can);
    };
    stgWorkLog.OnKeyDown = [this](ui::Component& s, WORD& k, ui::ShiftState sh) {
        stgWorkLogKeyDown(s, k, sh);
    };
    spbDeleteWorkRecord.OnClick = [this](ui::Component& s) { spbDeleteWorkRecordClick(s); };
    spbClearWorkLog.OnClick = [this](ui::Component& s) { spbClearWorkLogClick(s); };
}

TfrmOptions& TPageWorkTime::Options() {
    return static_cast<TfrmOptions&>(*this);
}

timetext::WorkLogRows TPageWorkTime::WorkLogRows() const {
    timetext::WorkLogRows rows;
    for (int r = 0; r < stgWorkLog.RowCount(); ++r)
        rows.push_back({stgWorkLog.Cell(0, r), stgWorkLog.Cell(1, r), stgWorkLog.Cell(2, r)});
    return rows;
}

void TPageWorkTime::SetWorkLogRows(const timetext::WorkLogRows& rows) {
    stgWorkLog.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        stgWorkLog.SetRowCells(r, {rows[r][0], rows[r][1], rows[r][2]});
}

std::wstring TPageWorkTime::CurrentPeriodStart() {
    return base::DateTimeToStr(WorkTime.WindowsStartTime + WorkTime.WorkPeriodStart,
                               base::SystemFormatSettings());
}

void TPageWorkTime::BindWorkTimePageSettings(core::SettingHomes& homes) {
    using namespace options;
    // Read into StoredWorkTime; written from the counters of this run.
    homes.BindFloat(
        L"StartWork", [] { return WorkTime.AtExit(timetext::UptimeNow(), UtcNow()).startWork; },
        [this](double v) { StoredWorkTime.startWork = v; });
    homes.BindFloat(
        L"TotalWindowsWorkTime",
        [] { return WorkTime.AtExit(timetext::UptimeNow(), UtcNow()).totalWindowsWorkTime; },
        [this](double v) { StoredWorkTime.totalWindowsWorkTime = v; });
    homes.BindFloat(
        L"WinUpTime", [] { return WorkTime.AtExit(timetext::UptimeNow(), UtcNow()).winUpTime; },
        [this](double v) { StoredWorkTime.winUpTime = v; });
    homes.BindFloat(
        L"CorrectWorkT", [] { return WorkTime.AtExit(timetext::UptimeNow(), UtcNow()).correctWorkT; },
        [this](double v) { StoredWorkTime.correctWorkT = v; });
    homes.BindFloat(
        L"StartWorkUTC", [] { return WorkTime.AtExit(timetext::UptimeNow(), UtcNow()).startWorkUtc; },
        [this](double v) { StoredWorkTime.startWorkUtc = v; });
    BindChecked(homes, L"chbWorkLog", chbWorkLog);
    BindChecked(homes, L"chbLimitedLog", chbLimitedLog);
    BindValue(homes, L"speLogLimit", speLogLimit);
}

void TPageWorkTime::CopyWorkTimePageSettings() {}

void TPageWorkTime::SetUpWorkTime() {
    ContinuedPeriod = WorkTime.Start(StoredWorkTime, Now(), UtcNow(), timetext::UptimeNow());
}

void TPageWorkTime::LoadWorkLog(const std::filesystem::path& file) {
    timetext::WorkLogRows rows = timetext::NewWorkLog();
    bool continued = false;
    // A missing log, or one that cannot be read, loads no rows.
    if (const auto bytes = core::ReadDataFileAtStart(file)) {
        base::StringList lines;
        lines.LoadFromBytes(*bytes);
        if (chbLimitedLog.Checked()) timetext::LimitWorkLogLines(lines, speLogLimit.Value());
        continued = timetext::LoadWorkLogLines(rows, lines, ContinuedPeriod > 0);
    }
    timetext::OpenCurrentRun(rows, continued, CurrentPeriodStart());
    SetWorkLogRows(rows);
    stgWorkLog.SetEnabled(true);
}

std::string TPageWorkTime::WorkLogToSave() {
    timetext::WorkLogRows rows = WorkLogRows();
    timetext::SetCurrentRunWork(rows, frmHoralto->FormatDuration(timetext::kWorkLogDurationFormat,
                                                                 WorkTime.W(timetext::UptimeNow())));
    SetWorkLogRows(rows);
    return base::ToCp1251(timetext::WorkLogLines(rows).Text());
}

std::string TPageWorkTime::WorkLogData() const {
    timetext::WorkLogRows rows = WorkLogRows();
    timetext::SetCurrentRunWork(rows, L"");
    return base::ToCp1251(timetext::WorkLogLines(rows).Text());
}

void TPageWorkTime::WMPowerBroadcast(TMessage& msg) {
    const double uptime = timetext::UptimeNow();
    switch (msg.WParam) {
        case PBT_APMSUSPEND: {
            timetext::WorkLogRows rows = WorkLogRows();
            timetext::SuspendWorkLog(
                rows, frmHoralto->FormatDuration(timetext::kWorkLogDurationFormat, WorkTime.W(uptime)),
                base::DateTimeToStr(Now(), base::SystemFormatSettings()));
            SetWorkLogRows(rows);
            WorkTime.Suspend(uptime);
            msg.Result = TRUE;
            break;
        }
        case PBT_APMRESUMESUSPEND:
        case PBT_APMRESUMEAUTOMATIC:
            WorkTime.Resume(uptime);
            break;
        default:
            break;
    }
}

void TPageWorkTime::tbsTimeWorkWindowsShow(ui::Component&) {
    tmrWorkTimeUpdate.SetEnabled(true);
    tmrWorkTimeUpdateTimer(tmrWorkTimeUpdate);
}

void TPageWorkTime::tbsTimeWorkWindowsHide(ui::Component&) {
    tmrWorkTimeUpdate.SetEnabled(false);
}

void TPageWorkTime::tmrWorkTimeUpdateTimer(ui::Component&) {
    const double uptime = timetext::UptimeNow();
    const double w = WorkTime.W(uptime);
    const double tw = WorkTime.TW(uptime);
    const base::FormatSettings fs = base::SystemFormatSettings();
    tmrWorkTimeUpdate.SetTag(1);
    speTotalWorkDays.SetValue(static_cast<int>(base::TruncInt(tw)));
    dtpTotalWorkTime.SetDateTime(tw);
    lblWorkDays.SetCaption(base::IntToStr(base::TruncInt(w)));
    std::wstring time = base::TimeToStr(w, fs);
    if (time.size() < 8) time = L" " + time;
    lblWorkTime.SetCaption(time);
    tmrWorkTimeUpdate.SetTag(0);
    if (chbWorkLog.Checked()) {
        timetext::WorkLogRows rows = WorkLogRows();
        timetext::SetCurrentRunWork(rows, frmHoralto->FormatDuration(timetext::kWorkLogDurationFormat, w));
        stgWorkLog.SetCell(2, static_cast<int>(rows.size()) - 1, rows.back()[2]);
    }
}

void TPageWorkTime::speTotalWorkDaysChange(ui::Component&) {
    if (tmrWorkTimeUpdate.Tag() != 0) return;
    const double entered = speTotalWorkDays.Value() + base::Frac(dtpTotalWorkTime.DateTime());
    WorkTime.SetTotal(entered, timetext::UptimeNow());
}

void TPageWorkTime::chbWorkLogClick(ui::Component&) {
    const bool on = chbWorkLog.Checked();
    if (!restoringWorkLog_) {
        if (!on) {
            if (stgWorkLog.Enabled() && Options().Tag() == 0 &&
                ui::MessageDlg(
                    L"Выключение журнала рыботы Windows приведет к его очистке! \nВы действительно хотите "
                    L"это сделать?",
                    ui::mtWarning, MB_YESNO) != IDYES) {
                restoringWorkLog_ = true;
                chbWorkLog.SetChecked(true);
                restoringWorkLog_ = false;
                return;
            }
            timetext::WorkLogRows rows = WorkLogRows();
            timetext::ClearWorkLog(rows);
            SetWorkLogRows(rows);
        } else {
            timetext::WorkLogRows rows = WorkLogRows();
            timetext::SetCurrentRunStart(rows, CurrentPeriodStart());
            SetWorkLogRows(rows);
        }
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &chbLimitedLog, &speLogLimit, &lblRecords, &spbDeleteWorkRecord, &spbClearWorkLog, &stgWorkLog})
        c->SetEnabled(on);
}

void TPageWorkTime::stgWorkLogSelectCell(ui::Component&, int, int row, bool& canSelect) {
    if (row == stgWorkLog.RowCount() - 1) canSelect = false;
}

void TPageWorkTime::stgWorkLogKeyDown(ui::Component&, WORD& key, ui::ShiftState) {
    if (key == VK_DELETE) spbDeleteWorkRecordClick(spbDeleteWorkRecord);
}

void TPageWorkTime::spbDeleteWorkRecordClick(ui::Component&) {
    timetext::WorkLogRows rows = WorkLogRows();
    if (timetext::DeleteWorkLogRow(rows, stgWorkLog.Row())) SetWorkLogRows(rows);
}

void TPageWorkTime::spbClearWorkLogClick(ui::Component&) {
    if (!ui::AskConfirmation(L"Вы действительно хотите очистить журнал рыботы Windows?")) return;
    timetext::WorkLogRows rows = WorkLogRows();
    timetext::ClearWorkLog(rows);
    timetext::SetCurrentRunStart(rows, CurrentPeriodStart());
    SetWorkLogRows(rows);
}
