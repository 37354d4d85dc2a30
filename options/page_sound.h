// The page "Сигналы": the hourly and the interval signal.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/panels.h"

class TfrmOptions;

class TPageSound {
  public:
    explicit TPageSound(ui::PageControl& pgcOptions);

    ui::TabSheet tbsSound;
    ui::CheckBox chbPlaySoundH;
    ui::Edit edtNameSoundH;
    ui::SpeedButton spbPlaySoundH;
    ui::Panel pnlSignalsQuantity;
    ui::RadioButton rdbOneSignal, rdbHoursQuantity, rdbOtherQuantity;
    ui::CheckBox chbTo12Hours;
    ui::SpinEdit speQuantity;
    ui::CheckBox chbPlaySignalS;
    ui::SpinEdit spePlayInterval;
    ui::Label lblSec;
    ui::CheckBox chbPlaySoundS;
    ui::Edit edtNameSoundS;
    ui::SpeedButton spbPlaySoundS;
    ui::CheckBox chbSignalSFrom0Min;

    void BindSoundPageSettings(core::SettingHomes& homes);
    void CopySoundPageSettings();

    // Computes NextSignalTime (also called by the worker and by the loading).
    void spePlayIntervalChange(ui::Component& sender);
    // Play the hourly and the interval signal (also invoked by the worker).
    void btnPlaySoundHClick(ui::Component& sender);
    void btnPlaySoundSClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
};
