// The per-second worker: hints, the interval and hourly signals, the planner's
// due tasks and the planned synchronisation (the order and gates live in
// timetext/speech/tick_work.h); and the making of the speech component.
#include <exception>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_rules.h"
#include "options/frm_options.h"
#include "timetext/horalto_text.h"
#include "timetext/speech/multi_speech.h"
#include "timetext/speech/speech_engines.h"
#include "timetext/speech/tick_work.h"
#include "timetext/zone_rule.h"
#include "ui/application.h"

namespace {

class MainTickPorts final : public worker::TickPorts {
  public:
    // `nowUtc`: the tick's moment in real time, read with its local time.
    MainTickPorts(TfrmHoralto& form, double nowUtc) : f_(form), nowUtc_(nowUtc) {}

    void UpdateHints() override {
        // A hint is never taller or wider than the screen: the rest is never seen.
        const std::wstring text =
            face::ScreenfulText(f_.BuildShownText(f_.Settings.Main.FormatTextHint),
                                GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
        f_.SetHint(text);
        if (f_.Visible()) f_.UpdateBaloonToolTip(f_.Handle(), 0, text, L"");
        if (f_.pnlTrayTime.Visible()) {
            f_.pnlTrayTime.Repaint();
            if (f_.GetWindowState() == ui::wsMinimized)
                f_.UpdateBaloonToolTip(f_.pnlTrayTime.Handle(), 1, f_.Hint(), L"Horalto");
            else
                f_.UpdateBaloonToolTip(f_.pnlTrayTime.Handle(), 0, f_.Hint(), L"");
        }
        if (f_.TrayIconVisible()) f_.SetTrayIconHint(worker::TrayHintText(text));
    }
    bool SoundsOn() override { return !f_.aSoundOnOff.Checked(); }

    bool IntervalSignalOn() override { return frmOptions && frmOptions->chbPlaySignalS.Checked(); }
    double NextSignalTime() override { return ::NextSignalTime; }
    void AdvanceNextSignalTime() override { frmOptions->spePlayIntervalChange(frmOptions->spePlayInterval); }
    bool IntervalSoundOn() override { return frmOptions->chbPlaySoundS.Checked(); }
    bool SpeakIntervalOn() override { return f_.Settings.Sound.SpeakInterval; }
    void PlayIntervalSound() override { frmOptions->spbPlaySoundS.Click(); }
    void SpeakInterval() override { f_.SpeakText(f_.BuildSpokenText(f_.Settings.Sound.FormatSpeakInterval)); }

    bool HourSoundOn() override { return frmOptions && frmOptions->chbPlaySoundH.Checked(); }
    bool SpeakHourOn() override { return f_.Settings.Sound.SpeakHour; }
    void PlayHourSound() override { frmOptions->spbPlaySoundH.Click(); }
    void SpeakHour() override { f_.SpeakText(f_.BuildSpokenText(f_.Settings.Sound.FormatSpeakHour)); }

    double EarliestTaskTime() override { return frmOptions ? ::EarliestTaskTime : 0; }
    void ClearEarliestTaskTime() override { ::EarliestTaskTime = 0; }
    // The planner marks and runs its due rows, then plans the list again. A
    // task's lateness is real time: the zone reads its local time as UTC, so
    // a clock moved on by daylight saving makes no task late.
    void RunDueTasks(double since, double now) override {
        const timetext::TimeZoneRule zone = timetext::CurrentTimeZoneRule();
        const double utc = nowUtc_;
        frmOptions->RunDueTasks(
            since, now, [&zone, utc](double local) { return utc - timetext::LocalToUtc(zone, local); });
    }

    bool SynchronizeOnStart() override { return frmOptions && frmOptions->chbSynchronizeOnStart.Checked(); }
    double NextSynchronization() override { return ::NextSynchronization; }
    void StartSynchronization() override { frmOptions->btnSynchronize.Click(); }

    void ReportFailure(std::exception_ptr failure) override {
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            ui::Application().HandleException();
        }
    }

  private:
    TfrmHoralto& f_;
    double nowUtc_;
};

}  // namespace

void TfrmHoralto::TickWork() {
    const base::TDateTime now = Now();
    MainTickPorts ports(*this, UtcNow());
    worker::RunTick(now, ports, LastSignalHour);
}

void TfrmHoralto::CreateSpeechComponent() {
    if (!MultiSpeech) MultiSpeech = speech::CreateMultiSpeech();
}
