// The page "Время работы": the log of Windows work time.
#pragma once

#include <filesystem>

#include "core/settings_io.h"
#include "core/window_message.h"
#include "timetext/work_time.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/string_grid.h"
#include "ui/timer.h"

class TfrmOptions;

class TPageWorkTime {
  public:
    TPageWorkTime(ui::PageControl& pgcOptions, ui::Form& form);

    ui::TabSheet tbsTimeWorkWindows;
    ui::CheckBox chbWorkLog, chbLimitedLog;
    ui::SpinEdit speLogLimit;
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
    // Exit: the current run's work time into its row, then the whole log.
    void SaveWorkLog(const std::filesystem::path& file);
    // Suspend and resume.
    void WMPowerBroadcast(TMessage& msg);

  private:
    TfrmOptions& Options();
};
