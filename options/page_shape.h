// The page "Окно": the clock window's look and behaviour (its sub-pages of
// skin, colour and font are added by the display pages).
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/page_control.h"

class TfrmOptions;

class TPageShape {
  public:
    explicit TPageShape(ui::PageControl& pgcOptions);

    ui::TabSheet tbsShape;
    ui::CheckBox chbMaskOnMouseMove;

    void BindShapePageSettings(core::SettingHomes& homes);
    void CopyShapePageSettings();
    // The colour pickers: their cursor at loading, their pictures after the colour items.
    void PrepareColorPickers();
    void DrawColorPickers();

  private:
    TfrmOptions& Options();
};
