// The page "Системные": the taskbar clock.
#pragma once

#include "core/settings_io.h"
#include "ui/page_control.h"

class TfrmOptions;

class TPageSystemClock {
  public:
    explicit TPageSystemClock(ui::PageControl& pgcOptions);

    ui::TabSheet TabSheet2;

    void BindSystemClockPageSettings(core::SettingHomes& homes);
    void CopySystemClockPageSettings();

  private:
    TfrmOptions& Options();
};
