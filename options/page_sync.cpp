#include "options/page_sync.h"

#include "base/date_time.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageSync::TPageSync(ui::PageControl& pgcOptions)
    : tbsSynchronization(pgcOptions, L"tbsSynchronization", L"Синхронизация"),
      cmbHost(&tbsSynchronization, L"cmbHost"),
      chbSyncWithInterval(&tbsSynchronization, L"chbSyncWithInterval",
                          L"Выполнять синхронизацию с интервалом"),
      speSyncDays(&tbsSynchronization, L"speSyncDays"),
      dtpSyncTime(&tbsSynchronization, L"dtpSyncTime"),
      chbSynchronizeOnStart(&tbsSynchronization, L"chbSynchronizeOnStart",
                            L"Синхронизировать при загрузке программы"),
      chbResyncOnError(&tbsSynchronization, L"chbResyncOnError", L"Повторять синхронизацию при ошибке"),
      dtpSyncErrorTime(&tbsSynchronization, L"dtpSyncErrorTime"),
      chbNextHostOnError(&tbsSynchronization, L"chbNextHostOnError",
                         L"Выбрать следующий сервер из списка при ошибке"),
      pnlTimeAmendment(&tbsSynchronization, L"pnlTimeAmendment"),
      rdbTimePlus(&pnlTimeAmendment, L"rdbTimePlus", L"+"),
      rdbTimeMinus(&pnlTimeAmendment, L"rdbTimeMinus", L"-"),
      dtpTimeAmendment(&tbsSynchronization, L"dtpTimeAmendment"),
      chbTimeZoneAmendment(&tbsSynchronization, L"chbTimeZoneAmendment", L"Учитывать часовой пояс"),
      chbDayLightAmendment(&tbsSynchronization, L"chbDayLightAmendment", L"Учитывать летнее время"),
      lblStatConnect(&tbsSynchronization, L"lblStatConnect", L"Синхронизация не выполнялась."),
      lblLastSync(&tbsSynchronization, L"lblLastSync", L"Последняя синхронизация:"),
      lblNextSync(&tbsSynchronization, L"lblNextSync", L"Следующая синхронизация: "),
      btnSynchronize(&tbsSynchronization, L"btnSynchronize", L"Синхронизировать") {
    PageRows rows;
    rows.Put(cmbHost, 8, 300).Put(btnSynchronize, 316, 120, 25).Next(30);
    rows.Put(chbSyncWithInterval, 8, 300).Next();
    rows.Put(speSyncDays, 24, 70).Put(dtpSyncTime, 100, 100).Next(30);
    rows.Put(chbSynchronizeOnStart, 8, 330).Next();
    rows.Put(chbResyncOnError, 8, 280).Put(dtpSyncErrorTime, 300, 100).Next(30);
    rows.Put(chbNextHostOnError, 8, 380).Next();
    rows.Put(pnlTimeAmendment, 8, 80, 24).Put(dtpTimeAmendment, 100, 100).Next(30);
    rows.Put(chbTimeZoneAmendment, 8, 300).Next();
    rows.Put(chbDayLightAmendment, 8, 300).Next();
    rows.Put(lblStatConnect, 8, 420).Next(20);
    rows.Put(lblLastSync, 8, 420).Next(20);
    rows.Put(lblNextSync, 8, 420).Next(20);
    pnlTimeAmendment.SetBevelOuter(ui::bvNone);
    rdbTimePlus.SetBounds(0, 2, 36, 20);
    rdbTimeMinus.SetBounds(40, 2, 36, 20);

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
    chbResyncOnError.SetChecked(true);
    rdbTimePlus.SetChecked(true);
    chbDayLightAmendment.SetChecked(true);
    btnSynchronize.OnClick = [this](ui::Component& s) { btnSynchronizeClick(s); };
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
}

void TPageSync::CopySyncPageSettings() {}

void TPageSync::btnSynchronizeClick(ui::Component&) {}

void TPageSync::AbortSynchronization() {}
