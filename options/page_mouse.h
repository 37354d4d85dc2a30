// The page "Мышь": what a click and a double click on the clock do.
#pragma once

#include "core/settings_io.h"
#include "ui/page_control.h"

class TfrmOptions;

class TPageMouse {
  public:
    explicit TPageMouse(ui::PageControl& pgcOptions);

    ui::TabSheet tbsMouse;

    void BindMousePageSettings(core::SettingHomes& homes);
    void CopyMousePageSettings();

  private:
    TfrmOptions& Options();
};
