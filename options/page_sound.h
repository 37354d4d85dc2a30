// The page "Сигналы": the hourly and the interval signal.
#pragma once

#include <string>

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
    ui::SpeedButton spbPlaySoundH, spbOpenSoundH, spbSpeakTimeH;
    ui::Panel pnlSignalsQuantity;
    ui::RadioButton rdbOneSignal, rdbHoursQuantity, rdbOtherQuantity;
    ui::CheckBox chbTo12Hours;
    ui::SpinEdit speQuantity;
    ui::CheckBox chbPlaySignalS;
    ui::SpinEdit spePlayInterval;
    ui::Label lblSec;
    ui::CheckBox chbPlaySoundS;
    ui::Edit edtNameSoundS;
    ui::SpeedButton spbPlaySoundS, spbOpenSoundS, spbSpeakTimeS;
    ui::CheckBox chbSignalSFrom0Min;
    ui::Button btnResetSignalS;

    void BindSoundPageSettings(core::SettingHomes& homes);
    void CopySoundPageSettings();

    void tbsSoundShow(ui::Component& sender);
    void chbPlaySoundHClick(ui::Component& sender);
    void rdbOtherQuantityClick(ui::Component& sender);
    // Computes NextSignalTime (also called by the worker and by the loading).
    void spePlayIntervalChange(ui::Component& sender);
    void btnResetSignalSClick(ui::Component& sender);
    // Play the hourly and the interval signal (also invoked by the worker).
    void btnPlaySoundHClick(ui::Component& sender);
    void btnPlaySoundSClick(ui::Component& sender);
    void btnOpenSoundHClick(ui::Component& sender);
    void btnOpenSoundSClick(ui::Component& sender);
    void spbSpeakTimeHClick(ui::Component& sender);
    void spbSpeakTimeSClick(ui::Component& sender);
    void chbPlaySignalSClick(ui::Component& sender);
    void chbPlaySoundSClick(ui::Component& sender);
    void chbSignalSFrom0MinClick(ui::Component& sender);

    // Plays a signal sound: the built-in one for an empty name or "Стандартный",
    // else the WAV file; with noWait false it returns when the sound has ended.
    // While all sounds are off it asks first; false when the user declined.
    bool PlaySignalSound(const std::wstring& name, bool noWait);

  private:
    TfrmOptions& Options();
    // The dialog "WAV файлы" for the sound name in `edit`.
    void ChooseSoundFile(ui::Edit& edit);
};
