// The page "Синхронизация": the time server, the schedule and the corrections
// of the time synchronisation.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"

class TfrmOptions;

class TPageSync {
  public:
    explicit TPageSync(ui::PageControl& pgcOptions);

    ui::TabSheet tbsSynchronization;
    ui::ComboBox cmbHost;
    ui::CheckBox chbSyncWithInterval;
    ui::SpinEdit speSyncDays;
    ui::DateTimePicker dtpSyncTime;
    ui::CheckBox chbSynchronizeOnStart, chbResyncOnError;
    ui::DateTimePicker dtpSyncErrorTime;
    ui::CheckBox chbNextHostOnError;
    ui::Panel pnlTimeAmendment;
    ui::RadioButton rdbTimePlus, rdbTimeMinus;
    ui::DateTimePicker dtpTimeAmendment;
    ui::CheckBox chbTimeZoneAmendment, chbDayLightAmendment;
    ui::Label lblStatConnect, lblLastSync, lblNextSync;
    ui::Button btnSynchronize;

    // The server given when no list says otherwise.
    static constexpr const wchar_t* kDefaultHost = L"time.nist.gov";

    void BindSyncPageSettings(core::SettingHomes& homes);
    void CopySyncPageSettings();

    // Starts a synchronisation (the button, the worker, an action, a task).
    void btnSynchronizeClick(ui::Component& sender);
    // Exit: stops a synchronisation under way.
    void AbortSynchronization();

  private:
    TfrmOptions& Options();
};
