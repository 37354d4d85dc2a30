// The page "Синхронизация": the time server, the schedule and the corrections
// of the time synchronisation, and the Windows time service's own switch.
#pragma once

#include <windows.h>

#include "base/date_time.h"
#include "core/settings_io.h"
#include "timetext/daytime_client.h"
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
    ui::SpeedButton spbAppendServer, spbDeleteServer;
    ui::CheckBox chbSyncWithInterval;
    ui::SpinEdit speSyncDays;
    ui::Label lblDays;
    ui::DateTimePicker dtpSyncTime;
    ui::CheckBox chbSynchronizeOnStart, chbResyncOnError;
    ui::Label lblAfter;
    ui::DateTimePicker dtpSyncErrorTime;
    ui::CheckBox chbNextHostOnError;
    ui::Panel pnlTimeAmendment;
    ui::RadioButton rdbTimePlus, rdbTimeMinus;
    ui::DateTimePicker dtpTimeAmendment;
    ui::CheckBox chbTimeZoneAmendment, chbDayLightAmendment, chbAutoSyncWindows;
    ui::Label lblStatConnect, lblLastSync, lblNextSync;
    ui::Button btnSynchronize;
    // The Daytime client (port 13, time-out 5000 ms).
    timetext::TDaytimeClient NMDayTime1;

    // The time of day at which the current synchronisation started.
    base::TDateTime SyncStartTime = 0;

    // The server given when no list says otherwise.
    static constexpr const wchar_t* kDefaultHost = L"time.nist.gov";

    void BindSyncPageSettings(core::SettingHomes& homes);
    void CopySyncPageSettings();

    // Starts a synchronisation (the button, the worker, an action, a task).
    void btnSynchronizeClick(ui::Component& sender);
    // Reads the server's answer and sets the clock (inside the client's Connect).
    void NMDayTime1Connect(timetext::TDaytimeClient& sender);
    void btnAppendServerClick(ui::Component& sender);
    void btnDeleteServerClick(ui::Component& sender);
    // The interval's days (also the change of dtpSyncTime).
    void speSyncDaysChange(ui::Component& sender);
    void chbSyncWithIntervalClick(ui::Component& sender);
    void chbResyncOnErrorClick(ui::Component& sender);
    void tbsSynchronizationShow(ui::Component& sender);
    void chbAutoSyncWindowsClick(ui::Component& sender);
    // Exit: stops a synchronisation under way; none starts afterwards.
    void AbortSynchronization();

  private:
    TfrmOptions& Options();
    // One attempt: steps of the start, the connect, and the failure handling.
    void RunSynchronization();
    void SynchronizationFailed(const std::wstring& reason);
    void ShowNextSynchronization();

    std::wstring syncHost_;
    std::wstring syncRefusal_;  // why the answer was refused or the clock not set
    ULONGLONG syncStartTick_ = 0;
    bool syncRunning_ = false;
    bool syncRestart_ = false;
    bool syncAborted_ = false;
};
