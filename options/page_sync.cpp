#include "options/page_sync.h"

#include <exception>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/text_compare.h"
#include "core/file_lists.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "timetext/daytime_answer.h"
#include "timetext/system_clock.h"
#include "timetext/time_sync.h"
#include "timetext/time_zones.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace {

const wchar_t kWaiting[] = L"Подождите, выполняется синхронизация с ";
const wchar_t kSucceeded[] = L"Время было успешно синхронизированно с ";
const wchar_t kFailed[] = L"Ошибка при выполнении синхронизации с ";
const wchar_t kLastSync[] = L"Последняя синхронизация: ";
const wchar_t kNextSync[] = L"Следующая синхронизация: ";

std::wstring NextSyncCaption() {
    return NextSynchronization > 0
               ? kNextSync + base::DateTimeToStr(NextSynchronization, base::SystemFormatSettings())
               : std::wstring(kNextSync);
}

}  // namespace

TPageSync::TPageSync(ui::PageControl& pgcOptions)
    : tbsSynchronization(pgcOptions, L"tbsSynchronization", L"Синхронизация"),
      cmbHost(&tbsSynchronization, L"cmbHost"),
      spbAppendServer(&tbsSynchronization, L"spbAppendServer", L"+"),
      spbDeleteServer(&tbsSynchronization, L"spbDeleteServer", L"–"),
      chbSyncWithInterval(&tbsSynchronization, L"chbSyncWithInterval",
                          L"Выполнять синхронизацию с интервалом"),
      speSyncDays(&tbsSynchronization, L"speSyncDays"),
      lblDays(&tbsSynchronization, L"lblDays", L"дней"),
      dtpSyncTime(&tbsSynchronization, L"dtpSyncTime"),
      chbSynchronizeOnStart(&tbsSynchronization, L"chbSynchronizeOnStart",
                            L"Синхронизировать при загрузке программы"),
      chbResyncOnError(&tbsSynchronization, L"chbResyncOnError", L"Повторять синхронизацию при ошибке"),
      lblAfter(&tbsSynchronization, L"lblAfter", L"через"),
      dtpSyncErrorTime(&tbsSynchronization, L"dtpSyncErrorTime"),
      chbNextHostOnError(&tbsSynchronization, L"chbNextHostOnError",
                         L"Выбрать следующий сервер из списка при ошибке"),
      pnlTimeAmendment(&tbsSynchronization, L"pnlTimeAmendment"),
      rdbTimePlus(&pnlTimeAmendment, L"rdbTimePlus", L"+"),
      rdbTimeMinus(&pnlTimeAmendment, L"rdbTimeMinus", L"-"),
      dtpTimeAmendment(&tbsSynchronization, L"dtpTimeAmendment"),
      chbTimeZoneAmendment(&tbsSynchronization, L"chbTimeZoneAmendment", L"Учитывать часовой пояс"),
      chbDayLightAmendment(&tbsSynchronization, L"chbDayLightAmendment", L"Учитывать летнее время"),
      chbAutoSyncWindows(&tbsSynchronization, L"chbAutoSyncWindows",
                         L"Автоматическая синхронизация времени в Windows"),
      lblStatConnect(&tbsSynchronization, L"lblStatConnect", L"Синхронизация не выполнялась."),
      lblLastSync(&tbsSynchronization, L"lblLastSync", L"Последняя синхронизация:"),
      lblNextSync(&tbsSynchronization, L"lblNextSync", kNextSync),
      btnSynchronize(&tbsSynchronization, L"btnSynchronize", L"Синхронизировать") {
    cmbHost.SetBounds(8, 10, 250, 21);
    spbAppendServer.SetBounds(262, 9, 23, 23);
    spbDeleteServer.SetBounds(288, 9, 23, 23);
    btnSynchronize.SetBounds(316, 8, 136, 25);
    chbSyncWithInterval.SetBounds(8, 44, 330, 17);
    speSyncDays.SetBounds(24, 66, 70, 21);
    lblDays.SetBounds(100, 69, 40, 16);
    dtpSyncTime.SetBounds(144, 66, 100, 21);
    chbSynchronizeOnStart.SetBounds(8, 98, 330, 17);
    chbResyncOnError.SetBounds(8, 124, 274, 17);
    lblAfter.SetBounds(284, 125, 40, 16);
    dtpSyncErrorTime.SetBounds(328, 122, 100, 21);
    chbNextHostOnError.SetBounds(8, 150, 400, 17);
    pnlTimeAmendment.SetBounds(8, 176, 80, 24);
    dtpTimeAmendment.SetBounds(96, 177, 100, 21);
    chbTimeZoneAmendment.SetBounds(8, 208, 330, 17);
    chbDayLightAmendment.SetBounds(8, 232, 330, 17);
    chbAutoSyncWindows.SetBounds(8, 264, 400, 17);
    // The status may say why an answer was refused: room for three lines.
    lblStatConnect.SetBounds(8, 300, 440, 48);
    lblStatConnect.SetWordWrap(true);
    lblLastSync.SetBounds(8, 354, 440, 16);
    lblNextSync.SetBounds(8, 376, 440, 16);
    pnlTimeAmendment.SetBevelOuter(ui::bvNone);
    rdbTimePlus.SetBounds(0, 2, 36, 20);
    rdbTimeMinus.SetBounds(40, 2, 36, 20);
    spbAppendServer.SetHint(L"Добавить сервер в список");
    spbDeleteServer.SetHint(L"Удалить сервер из списка");

    cmbHost.SetItems({kDefaultHost, L"time-a.nist.gov", L"time-b.nist.gov"});
    chbSyncWithInterval.SetChecked(true);
    speSyncDays.SetMinValue(0);
    speSyncDays.SetMaxValue(3650);
    speSyncDays.SetValue(30);
    for (ui::DateTimePicker* p : {&dtpSyncTime, &dtpSyncErrorTime, &dtpTimeAmendment}) {
        p->SetKind(ui::dtkTime);
        p->SetFormat(L"HH:mm:ss");
    }
    dtpSyncTime.SetDateTime(30.0);
    dtpSyncErrorTime.SetDateTime(1.0 / 24.0);
    dtpTimeAmendment.SetDateTime(0.0);
    chbResyncOnError.SetChecked(true);
    rdbTimePlus.SetChecked(true);
    chbDayLightAmendment.SetChecked(true);

    NMDayTime1.SetPort(13);
    NMDayTime1.SetTimeOut(5000);
    NMDayTime1.OnConnect = [this](timetext::TDaytimeClient& c) { NMDayTime1Connect(c); };
    btnSynchronize.OnClick = [this](ui::Component& s) { btnSynchronizeClick(s); };
    spbAppendServer.OnClick = [this](ui::Component& s) { btnAppendServerClick(s); };
    spbDeleteServer.OnClick = [this](ui::Component& s) { btnDeleteServerClick(s); };
    speSyncDays.OnChange = [this](ui::Component& s) { speSyncDaysChange(s); };
    dtpSyncTime.OnChange = [this](ui::Component& s) { speSyncDaysChange(s); };
    chbSyncWithInterval.OnClick = [this](ui::Component& s) { chbSyncWithIntervalClick(s); };
    chbResyncOnError.OnClick = [this](ui::Component& s) { chbResyncOnErrorClick(s); };
    tbsSynchronization.OnShow = [this](ui::Component& s) { tbsSynchronizationShow(s); };
    chbAutoSyncWindows.OnClick = [this](ui::Component& s) { chbAutoSyncWindowsClick(s); };
}

TfrmOptions& TPageSync::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageSync::BindSyncPageSettings(core::SettingHomes& homes) {
    using namespace options;
    BindChecked(homes, L"chbSyncWithInterval", chbSyncWithInterval);
    // The period is one date-time in the picker; its whole days also go to the spin edit.
    homes.BindFloat(
        L"dtpSyncTime", [this] { return dtpSyncTime.DateTime(); },
        [this](double v) {
            dtpSyncTime.SetDateTime(v);
            speSyncDays.SetValue(static_cast<int>(base::TruncInt(v)));
        });
    BindChecked(homes, L"chbSynchronizeOnStart", chbSynchronizeOnStart);
    BindChecked(homes, L"chbResyncOnError", chbResyncOnError);
    BindDateTime(homes, L"dtpSyncErrorTime", dtpSyncErrorTime);
    BindText(homes, L"cmbHost", cmbHost);
    BindChecked(homes, L"chbNextHostOnError", chbNextHostOnError);
    BindChecked(homes, L"chbTimeZoneAmendment", chbTimeZoneAmendment);
    BindChecked(homes, L"chbDayLightAmendment", chbDayLightAmendment);
    BindDateTime(homes, L"dtpTimeAmendment", dtpTimeAmendment);
    homes.BindBool(
        L"rdbTimeMinus", [this] { return rdbTimeMinus.Checked(); },
        [this](bool v) { (v ? rdbTimeMinus : rdbTimePlus).SetChecked(true); });
    BindText(homes, L"lblLastSync", lblLastSync);
    // The stored next synchronisation is shown as soon as it is read.
    homes.BindFloat(
        L"NextSynchronization", [] { return NextSynchronization; },
        [this](double v) {
            NextSynchronization = v;
            ShowNextSynchronization();
        });
}

void TPageSync::CopySyncPageSettings() {
    chbSyncWithIntervalClick(chbSyncWithInterval);
    chbResyncOnErrorClick(chbResyncOnError);
}

void TPageSync::ShowNextSynchronization() {
    lblNextSync.SetCaption(NextSyncCaption());
}

// ---- Synchronising

void TPageSync::btnSynchronizeClick(ui::Component&) {
    if (syncAborted_) return;
    if (syncRunning_) {
        // A start while an attempt waits: that attempt ends as failed first,
        // then this one starts (below, once it has returned).
        syncRestart_ = true;
        NMDayTime1.Cancel();
        return;
    }
    syncRunning_ = true;
    struct RunningGuard {
        bool& running;
        ~RunningGuard() { running = false; }
    } guard{syncRunning_};
    do {
        syncRestart_ = false;
        RunSynchronization();
    } while (syncRestart_ && !syncAborted_);
}

void TPageSync::RunSynchronization() {
    NMDayTime1.Cancel();
    const base::TDateTime now = Now();
    SyncStartTime = base::TimeOf(now);
    syncStartTick_ = GetTickCount64();  // the round trip is measured on the tick count
    syncHost_ = cmbHost.Text();
    NMDayTime1.SetHost(syncHost_);
    NextSynchronization =
        timetext::NextSynchronizationAtStart(now, chbResyncOnError.Checked(), dtpSyncErrorTime.DateTime(),
                                             chbSyncWithInterval.Checked(), dtpSyncTime.DateTime());
    lblStatConnect.SetCaption(kWaiting + syncHost_);
    lblStatConnect.SetHint(L"");
    syncRefusal_.clear();
    try {
        NMDayTime1.Connect();
    } catch (const std::exception& e) {
        SynchronizationFailed(ui::ExceptionText(e));
    } catch (...) {
        SynchronizationFailed(L"");
    }
}

void TPageSync::NMDayTime1Connect(timetext::TDaytimeClient& client) {
    std::wstring line = base::Trim(client.ReadLn());
    // NIST's servers send a line feed before their line.
    for (int blank = 0; line.empty() && blank < 2; ++blank) line = base::Trim(client.ReadLn());
    timetext::DaytimeAnswer answer;
    std::wstring refusal;
    if (!timetext::ParseDaytimeAnswer(line, answer, refusal)) {
        syncRefusal_ = refusal;
        throw ui::Exception(refusal);
    }

    TIME_ZONE_INFORMATION zone{};
    const DWORD zoneState = GetTimeZoneInformation(&zone);
    timetext::SyncCorrections c;
    c.amendmentSeconds = timetext::AmendmentSeconds(dtpTimeAmendment.DateTime());
    c.amendmentMinus = !rdbTimePlus.Checked();
    c.daylightAmendment = chbDayLightAmendment.Checked();
    c.daylightInForce = zoneState == TIME_ZONE_ID_DAYLIGHT;
    // A server that states its time is UTC is always turned into local time.
    c.zoneAmendment = answer.utc || chbTimeZoneAmendment.Checked();
    c.biasMinutes = zone.Bias;
    c.elapsedMs = static_cast<long long>(GetTickCount64() - syncStartTick_);
    try {
        timetext::SetClockFromLocalTime(answer, timetext::CorrectionSeconds(c));
    } catch (const std::exception& e) {
        syncRefusal_ = ui::ExceptionText(e);
        throw;
    }

    lblStatConnect.SetCaption(kSucceeded + syncHost_);
    const base::TDateTime now = Now();
    NextSynchronization =
        timetext::NextSynchronizationAfterSuccess(now, chbSyncWithInterval.Checked(), dtpSyncTime.DateTime());
    lblLastSync.SetCaption(kLastSync + base::DateTimeToStr(now, base::SystemFormatSettings()));
    ShowNextSynchronization();
    client.Disconnect();
}

void TPageSync::SynchronizationFailed(const std::wstring& reason) {
    // A refused answer says why in the status itself; the connection's own
    // failures (time-out, look-up) are only in its hint.
    lblStatConnect.SetCaption(kFailed + syncHost_ + (syncRefusal_.empty() ? L"" : L". " + syncRefusal_));
    lblStatConnect.SetHint(reason);
    ShowNextSynchronization();
    if (chbNextHostOnError.Checked()) {
        const int next = timetext::NextHostIndex(cmbHost.Items(), cmbHost.Text());
        cmbHost.SetItemIndex(next);
    }
}

void TPageSync::AbortSynchronization() {
    syncAborted_ = true;
    NMDayTime1.Abort();
}

// ---- Page handlers

void TPageSync::btnAppendServerClick(ui::Component&) {
    if (cmbHost.ItemIndex() >= 0 || cmbHost.Text().empty()) return;
    const std::wstring host = cmbHost.Text();
    if (!core::IsStorableServerName(host)) {
        ui::ShowMessage(L"Имя сервера не может быть пустым или начинаться с \"[\". Введите другое.");
        return;
    }
    cmbHost.SetItemIndex(cmbHost.Add(host));
}

void TPageSync::btnDeleteServerClick(ui::Component&) {
    if (cmbHost.Count() <= 1) return;
    if (cmbHost.ItemIndex() >= 0) cmbHost.Delete(cmbHost.ItemIndex());
    cmbHost.SetItemIndex(0);
}

void TPageSync::speSyncDaysChange(ui::Component&) {
    dtpSyncTime.SetDateTime(timetext::IntervalWithDays(dtpSyncTime.DateTime(), speSyncDays.Value()));
}

void TPageSync::chbSyncWithIntervalClick(ui::Component&) {
    const bool on = chbSyncWithInterval.Checked();
    speSyncDays.SetEnabled(on);
    lblDays.SetEnabled(on);
    dtpSyncTime.SetEnabled(on);
    if (!chbResyncOnError.Checked()) lblNextSync.SetEnabled(on);
}

void TPageSync::chbResyncOnErrorClick(ui::Component&) {
    const bool on = chbResyncOnError.Checked();
    lblAfter.SetEnabled(on);
    dtpSyncErrorTime.SetEnabled(on);
    if (!chbSyncWithInterval.Checked()) lblNextSync.SetEnabled(on);
}

void TPageSync::tbsSynchronizationShow(ui::Component&) {
    TfrmOptions& o = Options();
    const int tag = o.Tag();
    o.SetTag(1);
    if (!base::SameTextAnsi(timetext::TimeServiceType(), L"NoSync")) chbAutoSyncWindows.SetChecked(true);
    o.SetTag(tag);
}

void TPageSync::chbAutoSyncWindowsClick(ui::Component&) {
    TfrmOptions& o = Options();
    if (o.Tag() != 0) return;
    try {
        timetext::SetTimeServiceSync(chbAutoSyncWindows.Checked());
    } catch (const std::exception& e) {
        // Not written: the box goes back to what Windows keeps.
        o.SetTag(1);
        chbAutoSyncWindows.SetChecked(!base::SameTextAnsi(timetext::TimeServiceType(), L"NoSync"));
        o.SetTag(0);
        ui::ShowError(ui::ExceptionText(e));
    }
}
