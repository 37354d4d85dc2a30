// The page "Речь": the voice, its volume, speed and pitch, the pronunciation
// corrections and the test text.
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/ranges.h"

class TfrmOptions;

class TPageSpeech {
  public:
    explicit TPageSpeech(ui::PageControl& pgcOptions);

    ui::TabSheet tbsSpeech;
    ui::ComboBox cmbEngines;
    ui::Button btnSeachEngines;
    ui::ScrollBar scbVolume, scbSpeed, scbPitch;
    ui::GroupBox grbCorrection;
    ui::CheckBox chbReductCorrection, chbNumbersCorrection, chbMonthsCorrection, chbTimeCorrection,
        chbDateCorrection;
    ui::Memo memText;
    ui::SpeedButton spbSpeakTime;

    void BindSpeechPageSettings(core::SettingHomes& homes);
    void CopySpeechPageSettings();

    // Fills the voice list from the speech component.
    void btnSeachEnginesClick(ui::Component& sender);
    void cmbEnginesChange(ui::Component& sender);
    // Speaks the time (also invoked by an action and a hot key).
    void spbSpeakTimeClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
};
