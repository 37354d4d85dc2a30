// The page "Время работы": the total and current work time of Windows and the
// log of work periods (one row per period, the last row the current one).
#pragma once

#include <filesystem>

#include "core/settings_io.h"
#include "core/window_message.h"
#include "timetext/work_log.h"
#include "timetext/work_time.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/string_grid.h"
#include "ui/timer.h"

class TfrmOptions;

class TPageWorkTime {
  public:
    TPageWorkTime(ui::PageControl& pgcOptions, ui::Form& form);

    ui::TabSheet tbsTimeWorkWindows;
    ui::Label lblTotalWorkTime;
    ui::SpinEdit speTotalWorkDays;
    ui::Label lblTotalWorkDays;
    ui::DateTimePicker dtpTotalWorkTime;
    ui::Label lblCurrentWorkTime;
    ui::Label lblWorkDays;
    ui::Label lblCurrentWorkDays;
    ui::Label lblWorkTime;
    ui::CheckBox chbWorkLog, chbLimitedLog;
    ui::SpinEdit speLogLimit;
    ui::Label lblRecords;
    ui::SpeedButton spbDeleteWorkRecord, spbClearWorkLog;
    ui::StringGrid stgWorkLog;
    ui::Timer tmrWorkTimeUpdate;

    // The work-time values as read from Horalto.ini at loading.
    timetext::StoredWorkTime StoredWorkTime;
    // The length of the stored work period when it continues in this run (0: a new one).
    double ContinuedPeriod = 0;

    void BindWorkTimePageSettings(core::SettingHomes& homes);
    void CopyWorkTimePageSettings();
    // Loading: the work-time counters of this Windows run, then the log file.
    void SetUpWorkTime();
    void LoadWorkLog(const std::filesystem::path& file);
    // Exit: the current run's work time into its row; the bytes of the whole
    // log, as its file is written.
    std::string WorkLogToSave();
    // The lines of the log as WorkLogToSave gives them, without the current
    // run's work time, which the program keeps up to date by itself.
    std::string WorkLogData() const;
    // Suspend closes the current period (its row and its share of the total);
    // resume starts the next one.
    void WMPowerBroadcast(TMessage& msg);

    void tbsTimeWorkWindowsShow(ui::Component& sender);
    void tbsTimeWorkWindowsHide(ui::Component& sender);
    void tmrWorkTimeUpdateTimer(ui::Component& sender);
    void speTotalWorkDaysChange(ui::Component& sender);
    void chbWorkLogClick(ui::Component& sender);
    void stgWorkLogSelectCell(ui::Component& sender, int col, int row, bool& canSelect);
    void stgWorkLogKeyDown(ui::Component& sender, WORD& key, ui::ShiftState shift);
    void spbDeleteWorkRecordClick(ui::Component& sender);
    void spbClearWorkLogClick(ui::Component& sender);

    // The grid's rows, and back.
    timetext::WorkLogRows WorkLogRows() const;
    void SetWorkLogRows(const timetext::WorkLogRows& rows);

  private:
    TfrmOptions& Options();
    // The start of the current work period as the log writes it.
    static std::wstring CurrentPeriodStart();
    bool restoringWorkLog_ = false;
};
