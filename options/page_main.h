// The page "Основные": autorun, stay on top, the tray icon or the taskbar
// clock, edge snapping, the clock's cursor, the main text and the hint (their
// format editors are in options/format_frames.h), the date and time panel, the
// sunrise/sunset window and the time zone.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/ranges.h"

class TfrmOptions;

class TPageMain {
  public:
    explicit TPageMain(ui::PageControl& pgcOptions);

    ui::TabSheet tbsMain;
    ui::CheckBox chbAutorun, chbStayOnTop, chbShowInTray, chbInSystemClock, chbMinimizeInSysClock,
        chbStickToScreenB;
    ui::TrackBar trbStickToScreenBValue;
    ui::Label lblCursor;
    ui::Edit edtCursor;
    ui::SpeedButton spbOpenCursor;
    ui::Button btnDateTime;
    ui::Button btnSunRD;
    // The time-zone controls start at this height of the page.
    static constexpr int kTimeZoneTop = 366;

    // The homes of this page's keys of Horalto.ini.
    void BindMainPageSettings(core::SettingHomes& homes);
    // Loading: the main window's settings into this page's controls.
    void CopyMainPageSettings();

    void chbAutorunClick(ui::Component& sender);
    void chbStayOnTopClick(ui::Component& sender);
    // For all three of chbShowInTray, chbInSystemClock and chbMinimizeInSysClock.
    void chbShowInTrayClick(ui::Component& sender);
    void chbStickToScreenBClick(ui::Component& sender);
    void trbStickToScreenBValueChange(ui::Component& sender);
    void spbOpenCursorClick(ui::Component& sender);
    // Applies the cursor of edtCursor to the clock window (also called by the
    // main window whenever it is shown).
    void edtCursorChange(ui::Component& sender);
    // The numeric spin edits of every page take digits and backspace only.
    void SpinEditKeyPress(ui::Component& sender, wchar_t& key);

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
    // Binds SpinEditKeyPress to the numeric spin edits the window has.
    void BindSpinEditKeys();
    // Places the time-zone controls and binds their handlers; made after them.
    struct TimeZoneControls {
        explicit TimeZoneControls(TPageMain& page);
    } timeZoneControls_{*this};
};
