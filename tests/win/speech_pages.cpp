// The signals and speech pages and the per-second worker in the program's own
// two windows, made in this process: strokes are counted through the sound
// player seam, and spoken texts come back from the stand-in voice's log.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "timetext/speech/multi_speech.h"
#include "timetext/speech/signal_timing.h"
#include "timetext/speech/system_sound_player.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/exception.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"
#include "win/support/voice_log.h"

namespace {

class CountingPlayer : public signals::SoundPlayer {
  public:
    struct Play {
        std::wstring name;
        bool wait;
    };
    std::vector<Play> plays;
    void Play(const std::wstring& name, bool wait) override { plays.push_back({name, wait}); }
};

class SpeechPages : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        SetEnvironmentVariableW(L"HORALTO_TEST_VOICE_LOG", log_.c_str());
        signals::ReplaceSoundPlayer(&player_);
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
                questions_.push_back(text);
                return answer_;
            });
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        ui::SetMessageBoxHandler(previousBoxes_);
        signals::ReplaceSoundPlayer(nullptr);
        SetEnvironmentVariableW(L"HORALTO_TEST_VOICE_LOG", nullptr);
    }
    void Create() { testing_support::CreateProgramWindows(); }
    void Restart() { testing_support::RestartProgramWindows(); }
    // The texts the stand-in voice was asked to speak, rate and pitch tags left out.
    std::vector<std::wstring> Spoken() const { return testing_support::SpokenLines(log_); }

    testing_support::ScratchDir dir_{L"speech-pages"};
    std::filesystem::path log_ = dir_.Path() / L"voice.log";
    CountingPlayer player_;
    ui::MessageBoxHandler previousBoxes_;
    std::vector<std::wstring> questions_;
    int answer_ = IDYES;
};

TEST_F(SpeechPages, VoiceListComesFromTheComponentAndTheLastVoiceIsChosen) {
    Create();
    TfrmOptions& o = *frmOptions;
    ASSERT_EQ(o.cmbEngines.Count(), 1) << "the stand-in voice is not registered in the prefix";
    EXPECT_EQ(o.cmbEngines.Item(0), L"Тестовый голос (русский)");
    EXPECT_EQ(o.cmbEngines.ItemIndex(), 0);
    for (ui::Control* c :
         std::vector<ui::Control*>{&o.cmbEngines, &o.scbVolume, &o.btnSpeak, &o.btnStop, &o.memText})
        EXPECT_TRUE(c->Enabled());
    EXPECT_EQ(frmHoralto->MultiSpeech->EngineKind(), 1);
    EXPECT_EQ(o.scbSpeed.Max(), 20);
    EXPECT_EQ(o.scbVolume.Max(), 100);

    // The bars drive the component.
    o.scbVolume.SetPosition(30);
    EXPECT_EQ(frmHoralto->MultiSpeech->GetVolume(), 30);
    EXPECT_EQ(o.scbVolume.Hint(), L"30");
    o.scbSpeed.SetPosition(15);
    EXPECT_EQ(frmHoralto->MultiSpeech->GetSpeed(), 15);
}

TEST_F(SpeechPages, SpeakButtonsSpeakRewrittenTexts) {
    Create();
    TfrmOptions& o = *frmOptions;
    o.memText.SetText(L"Тест 12:30");
    o.btnSpeak.Click();
    frmHoralto->Settings.Speech.FormatSpeakTime = L"Время";
    o.spbSpeakTime.Click();
    frmHoralto->Settings.Sound.FormatSpeakHour = L"Ровно 5 мин.";
    o.spbSpeakTimeH.Click();
    // Pause, continue and stop keep the chosen voice for the next text.
    o.btnPause.Click();
    EXPECT_EQ(frmHoralto->MultiSpeech->EngineState(), esPause);
    o.btnContinue.Click();
    o.btnStop.Click();
    EXPECT_EQ(frmHoralto->MultiSpeech->EngineState(), esStop);
    frmHoralto->Settings.Sound.FormatSpeakInterval = L"Интервал";
    o.spbSpeakTimeS.Click();
    EXPECT_EQ(Spoken(), (std::vector<std::wstring>{L"тест двенадцать  часов, тридцать  минут, ", L"время. ",
                                                   L"ровно пять  минут,", L"интервал"}));
    EXPECT_TRUE(frmHoralto->MultiSpeech->Errors().empty());
}

TEST_F(SpeechPages, HourlyStrokesFollowTheChosenCount) {
    Create();
    TfrmOptions& o = *frmOptions;
    o.edtNameSoundH.SetText(L"Стандартный");
    o.rdbOneSignal.SetChecked(true);
    o.spbPlaySoundH.Click();
    ASSERT_EQ(player_.plays.size(), 1u);
    EXPECT_EQ(player_.plays[0].name, L"Стандартный");
    EXPECT_FALSE(player_.plays[0].wait);

    player_.plays.clear();
    o.rdbOtherQuantity.SetChecked(true);
    o.speQuantity.SetValue(4);
    o.spbPlaySoundH.Click();
    ASSERT_EQ(player_.plays.size(), 4u);
    EXPECT_TRUE(player_.plays[3].wait);

    player_.plays.clear();
    o.speQuantity.SetValue(0);
    o.spbPlaySoundH.Click();
    EXPECT_TRUE(player_.plays.empty());

    player_.plays.clear();
    o.rdbHoursQuantity.SetChecked(true);
    EXPECT_TRUE(o.chbTo12Hours.Enabled());
    EXPECT_FALSE(o.speQuantity.Enabled());
    const int hour = signals::HourMinuteOf(Now()).hour;
    o.spbPlaySoundH.Click();
    EXPECT_EQ(static_cast<int>(player_.plays.size()),
              signals::HourlyStrokeCount(signals::StrokeMode::ByHours, hour, true, 0));
}

TEST_F(SpeechPages, SoundsOffAskOnceAndDecliningPlaysNothing) {
    Create();
    TfrmOptions& o = *frmOptions;
    frmHoralto->aSoundOnOff.SetChecked(true);
    o.rdbOtherQuantity.SetChecked(true);
    o.speQuantity.SetValue(3);
    answer_ = IDNO;
    o.spbPlaySoundH.Click();
    EXPECT_TRUE(player_.plays.empty());
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?");
    EXPECT_TRUE(frmHoralto->aSoundOnOff.Checked());

    answer_ = IDYES;
    o.spbPlaySoundS.Click();
    EXPECT_FALSE(frmHoralto->aSoundOnOff.Checked());
    ASSERT_EQ(player_.plays.size(), 1u);
    EXPECT_EQ(player_.plays[0].name, L"ding.wav");
    EXPECT_FALSE(player_.plays[0].wait);
}

TEST_F(SpeechPages, IntervalControlsAndNextSignalTime) {
    Create();
    TfrmOptions& o = *frmOptions;
    EXPECT_FALSE(o.chbPlaySoundS.Enabled());
    o.chbPlaySignalS.SetChecked(true);
    EXPECT_TRUE(o.chbPlaySoundS.Enabled());
    EXPECT_TRUE(o.edtNameSoundS.Enabled());
    EXPECT_TRUE(o.btnResetSignalS.Enabled());

    // The interval keeps its sound while it is not spoken.
    frmHoralto->Settings.Sound.SpeakInterval = false;
    o.chbPlaySoundS.SetChecked(false);
    EXPECT_TRUE(o.chbPlaySoundS.Checked());
    frmHoralto->Settings.Sound.SpeakInterval = true;
    o.chbPlaySoundS.SetChecked(false);
    EXPECT_FALSE(o.chbPlaySoundS.Checked());
    EXPECT_FALSE(o.edtNameSoundS.Enabled());

    // Seconds, at least one: an interval of 0 never signals on every tick.
    o.spePlayInterval.SetValue(0);
    EXPECT_EQ(o.spePlayInterval.Value(), 1);
    o.spePlayInterval.SetValue(900);
    const double before = Now();
    o.chbSignalSFrom0Min.SetChecked(true);
    EXPECT_FALSE(o.btnResetSignalS.Visible());
    EXPECT_GT(NextSignalTime, before);
    EXPECT_LE(NextSignalTime, before + 900 / 86400.0 + 1e-6);
    const double seconds = (NextSignalTime - static_cast<long long>(NextSignalTime)) * 86400.0;
    EXPECT_NEAR(std::fmod(seconds + 0.5, 900.0), 0.5, 1e-3);
    o.chbSignalSFrom0Min.SetChecked(false);
    EXPECT_TRUE(o.btnResetSignalS.Visible());
    o.btnResetSignalS.Click();
    EXPECT_NEAR(NextSignalTime, Now() + 900 / 86400.0, 2 / 86400.0);
}

TEST_F(SpeechPages, WorkerStrikesAndSpeaksTheIntervalOncePerDueTime) {
    Create();
    TfrmOptions& o = *frmOptions;
    frmHoralto->Settings.Sound.SpeakInterval = true;
    frmHoralto->Settings.Sound.FormatSpeakInterval = L"Сигнал 2 мин.";
    frmHoralto->Settings.Sound.SpeakHour = false;
    o.chbPlaySoundH.SetChecked(false);
    o.spePlayInterval.SetValue(60);
    o.chbPlaySignalS.SetChecked(true);
    NextSignalTime = Now() - 1 / 86400.0;
    frmHoralto->TickWork();
    frmHoralto->TickWork();
    ASSERT_EQ(player_.plays.size(), 1u);
    EXPECT_EQ(player_.plays[0].name, L"ding.wav");
    EXPECT_GT(NextSignalTime, Now() + 50 / 86400.0);
    EXPECT_EQ(Spoken(), (std::vector<std::wstring>{L"сигнал две  минуты,"}));

    // Sounds off: nothing is played or spoken, but the next time still moves on.
    frmHoralto->aSoundOnOff.SetChecked(true);
    NextSignalTime = Now() - 1 / 86400.0;
    frmHoralto->TickWork();
    EXPECT_EQ(player_.plays.size(), 1u);
    EXPECT_EQ(Spoken().size(), 1u);
    EXPECT_GT(NextSignalTime, Now());
    EXPECT_TRUE(questions_.empty());
}

TEST_F(SpeechPages, WorkerCarriesOnWhenAStepRaises) {
    Create();
    TfrmOptions& o = *frmOptions;
    std::vector<std::wstring> shown;
    ui::Application().OnException = [&](const std::wstring& text) { shown.push_back(text); };
    class RaisingPlayer : public signals::SoundPlayer {
      public:
        int calls = 0;
        void Play(const std::wstring&, bool) override {
            ++calls;
            throw ui::Exception(L"звук сломан");
        }
    } raising;
    signals::ReplaceSoundPlayer(&raising);
    frmHoralto->Settings.Sound.SpeakInterval = true;
    frmHoralto->Settings.Sound.FormatSpeakInterval = L"после";
    o.chbPlaySignalS.SetChecked(true);
    NextSignalTime = Now() - 1 / 86400.0;
    frmHoralto->TickWork();
    ui::Application().OnException = nullptr;
    EXPECT_EQ(raising.calls, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], L"звук сломан");
    EXPECT_EQ(Spoken(), (std::vector<std::wstring>{L"после"}));
    EXPECT_GT(NextSignalTime, Now());
}

TEST_F(SpeechPages, SignalAndSpeechSettingsRoundTrip) {
    Create();
    TfrmOptions& o = *frmOptions;
    o.rdbHoursQuantity.SetChecked(true);
    o.chbTo12Hours.SetChecked(false);
    o.speQuantity.SetValue(7);
    o.chbPlaySignalS.SetChecked(true);
    o.spePlayInterval.SetValue(900);
    o.chbSignalSFrom0Min.SetChecked(true);
    o.edtNameSoundS.SetText(L"C:\\Звуки\\тик.wav");
    o.scbVolume.SetPosition(70);
    o.scbPitch.SetPosition(12);
    o.chbNumbersCorrection.SetChecked(false);
    Restart();
    TfrmOptions& r = *frmOptions;
    EXPECT_TRUE(r.rdbHoursQuantity.Checked());
    EXPECT_FALSE(r.rdbOtherQuantity.Checked());
    EXPECT_FALSE(r.chbTo12Hours.Checked());
    EXPECT_EQ(r.speQuantity.Value(), 7);
    EXPECT_TRUE(r.chbPlaySignalS.Checked());
    EXPECT_TRUE(r.edtNameSoundS.Enabled());
    EXPECT_EQ(r.spePlayInterval.Value(), 900);
    EXPECT_TRUE(r.chbSignalSFrom0Min.Checked());
    EXPECT_EQ(r.edtNameSoundS.Text(), L"C:\\Звуки\\тик.wav");
    EXPECT_EQ(r.scbVolume.Position(), 70);
    EXPECT_EQ(r.scbPitch.Position(), 12);
    EXPECT_EQ(frmHoralto->MultiSpeech->GetVolume(), 70);
    EXPECT_EQ(frmHoralto->MultiSpeech->GetPitch(), 12);
    EXPECT_FALSE(r.chbNumbersCorrection.Checked());

    base::IniFile ini(IniFileName);
    EXPECT_EQ(ini.ReadString(L"Sound", L"PlayInterval", L""), L"900");
    EXPECT_EQ(ini.ReadString(L"Speech", L"SpeechEngine", L""), L"0");
}

}  // namespace
