// The page "Основные": autorun, the clock's cursor, the date and time panel and
// the sunrise/sunset window.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
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
    // The time-zone display of the page.
    void tbsMainShow(ui::Component& sender);

  private:
    TfrmOptions& Options();
};
