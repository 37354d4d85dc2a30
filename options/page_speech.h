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
    ui::Label lblEngines;
    ui::ComboBox cmbEngines;
    ui::Button btnSeachEngines;
    ui::Label lblVolume, lblSpeed, lblPitch;
    ui::ScrollBar scbVolume, scbSpeed, scbPitch;
    ui::GroupBox grbCorrection;
    ui::CheckBox chbReductCorrection, chbNumbersCorrection, chbMonthsCorrection, chbTimeCorrection,
        chbDateCorrection;
    ui::Memo memText;
    ui::Button btnSpeak, btnPause, btnContinue, btnStop;
    ui::SpeedButton spbSpeakTime;

    void BindSpeechPageSettings(core::SettingHomes& homes);
    void CopySpeechPageSettings();

    void tbsSpeechShow(ui::Component& sender);
    // Fills the voice list from the speech component.
    void btnSeachEnginesClick(ui::Component& sender);
    void cmbEnginesChange(ui::Component& sender);
    void scbVolumeChange(ui::Component& sender);
    void scbSpeedChange(ui::Component& sender);
    void scbPitchChange(ui::Component& sender);
    void btnSpeakClick(ui::Component& sender);
    void btnPauseClick(ui::Component& sender);
    void btnContinueClick(ui::Component& sender);
    void btnStopClick(ui::Component& sender);
    // Speaks the time (also invoked by an action and a hot key).
    void spbSpeakTimeClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
};
