// The page "Основные": autorun, the clock's cursor, the date and time panel and
// the sunrise/sunset window.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"

class TfrmOptions;

class TPageMain {
  public:
    explicit TPageMain(ui::PageControl& pgcOptions);

    ui::TabSheet tbsMain;
    ui::CheckBox chbAutorun;
    ui::Label lblCursor;
    ui::Edit edtCursor;
    ui::Button btnDateTime;
    ui::Button btnSunRD;

    // The homes of this page's keys of Horalto.ini.
    void BindMainPageSettings(core::SettingHomes& homes);
    // Loading: the main window's settings into this page's controls.
    void CopyMainPageSettings();

    void chbAutorunClick(ui::Component& sender);
    // Applies the cursor of edtCursor to the clock window.
    void edtCursorChange(ui::Component& sender);
    // The time-zone controls start at this height of the page.
    static constexpr int kTimeZoneTop = 366;

    // ---- Time zones (options/page_main_time_zone.cpp)
    ui::Label lblTimeZones{&tbsMain, L"lblTimeZones", L"Часовой пояс:"};
    ui::ComboBox cmbTimeZones{&tbsMain, L"cmbTimeZones"};
    ui::CheckBox chbAutoDaylightTimeSet{&tbsMain, L"chbAutoDaylightTimeSet",
                                        L"Автоматический переход на летнее время и обратно"};
    // The page's OnShow (also run once at the end of the window's loading):
    // the switches that follow the main window's actions, the daylight switch
    // and the zone list.
    void tbsMainShow(ui::Component& sender);
    void FillTimeZoneList();
    void cmbTimeZonesChange(ui::Component& sender);
    void chbAutoDaylightTimeSetClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
    // Places the time-zone controls and binds their handlers; made after them.
    struct TimeZoneControls {
        explicit TimeZoneControls(TPageMain& page);
    } timeZoneControls_{*this};
};
