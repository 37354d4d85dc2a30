#include "timetext/speech/multi_speech.h"

#include <gtest/gtest.h>

#include "fake_backends.h"

using speech_test::FakeSapi4;
using speech_test::FakeSapi5;
using speech_test::Journal;
using Calls = std::vector<std::wstring>;

namespace {

class MultiSpeechTest : public ::testing::Test {
  protected:
    Journal journal;
    FakeSapi5* sapi5 = nullptr;
    FakeSapi4* sapi4 = nullptr;
    std::unique_ptr<TMultiSpeech> speech;

    // Builds the component; `tune` adjusts the fakes before the engines are listed.
    void Make(const std::function<void()>& tune = {}, bool withSapi5 = true, bool withSapi4 = true) {
        auto s5 = std::make_unique<FakeSapi5>(journal);
        auto s4 = std::make_unique<FakeSapi4>(journal);
        sapi5 = withSapi5 ? s5.get() : nullptr;
        sapi4 = withSapi4 ? s4.get() : nullptr;
        if (tune) tune();
        speech = std::make_unique<TMultiSpeech>(withSapi5 ? std::move(s5) : nullptr,
                                                withSapi4 ? std::move(s4) : nullptr,
                                                [this](TMultiSpeech& s) { Hook(s); });
    }

    std::wstring Who(const void* sender) const {
        if (sender == speech.get() || (speech == nullptr && sender != sapi5)) return L"self";
        if (sender == sapi5) return L"voice";
        return L"other";
    }

    void Hook(TMultiSpeech& s) {
        auto notify = [this](const wchar_t* name) {
            return [this, name](const void* sender) {
                journal.Add(std::wstring(L"on:") + name + L"/" + Who(sender));
            };
        };
        auto position = [this](const wchar_t* name) {
            return [this, name](const void*, std::uint32_t p) {
                journal.Add(std::wstring(L"on:") + name + L"=" + std::to_wstring(p));
            };
        };
        s.OnStart = notify(L"Start");
        s.OnPause = notify(L"Pause");
        s.OnResume = notify(L"Resume");
        s.OnStop = notify(L"Stop");
        s.OnUserStart = notify(L"UserStart");
        s.OnUserStop = notify(L"UserStop");
        s.OnStatusChange = [this](const void*) {
            journal.Add(L"on:Status=" + std::to_wstring(speech ? speech->EngineState() : 4));
        };
        s.OnPosition = position(L"Position");
        s.OnSpeed = position(L"Speed");
        s.OnVolume = position(L"Volume");
        s.OnPitch = position(L"Pitch");
        s.OnSelectEngine = [this](const void*, int n, const std::wstring& name) {
            journal.Add(L"on:Select " + std::to_wstring(n) + L" " + name);
        };
        s.OnError = [this](const void*, const std::wstring& text) { journal.Add(L"on:Error " + text); };
    }

    Calls Take() {
        Calls result = journal.calls;
        journal.calls.clear();
        return result;
    }
};

TEST_F(MultiSpeechTest, ConstructionListsSapi5VoicesThenSapi4Modes) {
    Make();
    EXPECT_EQ(speech->Engines(), (Calls{L"Voice A", L"Голос Б", L"Mode 1", L"Mode 2"}));
    EXPECT_EQ(speech->EngineState(), esStop);
    EXPECT_EQ(speech->EngineKind(), -1);
    EXPECT_EQ(speech->GetSpeed(), 10);
    EXPECT_EQ(speech->GetVolume(), 50);
    EXPECT_EQ(speech->GetPitch(), 0);
    EXPECT_TRUE(speech->Errors().empty());
    EXPECT_EQ(Take(), (Calls{L"on:Status=4"}));
}

TEST_F(MultiSpeechTest, MissingFamiliesAreReportedOrSilent) {
    Make([this] {
        sapi5->failCount = true;
        sapi4->installed = false;
    });
    EXPECT_TRUE(speech->Engines().empty());
    EXPECT_EQ(speech->Errors(), (Calls{L"SAPI 5 initialization fault"}));
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"on:Error SAPI 5 initialization fault"}));

    Make([this] { sapi4->failModes = true; });
    EXPECT_EQ(speech->Engines(), (Calls{L"Voice A", L"Голос Б"}));
    EXPECT_EQ(speech->Errors(), (Calls{L"SAPI 4 initialization fault"}));
}

TEST_F(MultiSpeechTest, SelectSapi5VoiceFillsInfoAndFiresEvent) {
    Make();
    Take();
    speech->Select(1);
    EXPECT_EQ(speech->EngineKind(), 1);
    EXPECT_EQ(speech->EngineInfo().Name, L"Голос Б");
    EXPECT_TRUE(speech->EngineInfo().Sapi5);
    EXPECT_EQ(speech->EngineInfo().Gender, L"FEMALE VOI");
    EXPECT_EQ(speech->EngineInfo().Language.size(), 25u);
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"5:Voice=1", L"on:Select 1 Голос Б"}));
}

TEST_F(MultiSpeechTest, SelectSapi4ModeUsesIndexAfterTheVoices) {
    Make();
    Take();
    speech->Select(L"Mode 2");
    EXPECT_EQ(speech->EngineKind(), 0);
    EXPECT_FALSE(speech->EngineInfo().Sapi5);
    EXPECT_EQ(speech->EngineInfo().Gender, L"MALE");
    EXPECT_EQ(speech->EngineInfo().Language, L"English (United States)");
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"4:Select 1", L"on:Select 3 Mode 2"}));

    // Selecting again resets the current mode's audio first.
    speech->Select(2);
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"4:AudioReset", L"4:Select 0", L"on:Select 2 Mode 1"}));
}

TEST_F(MultiSpeechTest, SelectBeyondTheListStopsAndLeavesNoEngine) {
    Make();
    speech->Select(0);
    Take();
    speech->Select(4);
    EXPECT_EQ(speech->EngineKind(), -1);
    EXPECT_EQ(speech->EngineInfo().Name, L"");
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"5:Disconnect"}));
    speech->Select(-1);
    EXPECT_EQ(speech->EngineKind(), -1);
    EXPECT_TRUE(speech->Errors().empty());
}

TEST_F(MultiSpeechTest, SelectByUnknownOrDifferentlyCasedNameChangesNothing) {
    Make();
    speech->Select(0);
    Take();
    speech->Select(L"voice a");
    speech->Select(L"Nobody");
    EXPECT_EQ(speech->EngineKind(), 1);
    EXPECT_EQ(speech->EngineInfo().Name, L"Voice A");
    EXPECT_TRUE(Take().empty());
}

TEST_F(MultiSpeechTest, Sapi4ModesStayUsableWhenTheSapi5CountFails) {
    Make();
    sapi5->failCount = true;
    speech->Select(2);
    EXPECT_EQ(speech->EngineKind(), 0);
    EXPECT_EQ(speech->EngineInfo().Name, L"Mode 1");
    EXPECT_TRUE(speech->Errors().empty());

    // Without SAPI 5 at all the modes are numbered from 0.
    Make([this] { sapi4->modes = {L"Only mode"}; }, false, true);
    EXPECT_EQ(speech->Errors(), (Calls{L"SAPI 5 initialization fault"}));
    speech->Select(L"Only mode");
    EXPECT_EQ(speech->EngineKind(), 0);
    EXPECT_EQ(speech->Errors().size(), 1u);
}

TEST_F(MultiSpeechTest, FailedSelectReportsAndLeavesNoEngine) {
    Make();
    sapi5->failSelect = true;
    Take();
    speech->Select(0);
    EXPECT_EQ(speech->EngineKind(), -1);
    EXPECT_EQ(speech->EngineInfo().Name, L"");
    EXPECT_EQ(speech->Errors(), (Calls{L"Select "}));
    EXPECT_EQ(Take(), (Calls{L"on:Status=4", L"on:Error Select "}));
}

TEST_F(MultiSpeechTest, SpeakEmptyOrWithoutEngine) {
    Make();
    Take();
    speech->Speak(L"");
    EXPECT_TRUE(Take().empty());
    speech->Speak(L"текст");
    EXPECT_EQ(Take(), (Calls{L"on:UserStart/self"}));
}

TEST_F(MultiSpeechTest, SpeakQueuesOnTheChosenEngine) {
    Make();
    speech->Select(0);
    Take();
    speech->Speak(L"один");
    EXPECT_EQ(speech->EngineState(), esStop);  // the engine's start notification changes it
    EXPECT_EQ(Take(), (Calls{L"on:UserStart/self", L"5:Speak один"}));

    sapi5->failSpeak = true;
    speech->Speak(L"два");
    EXPECT_EQ(speech->Errors(), (Calls{L"SAPI 5 Speak fault: "}));

    speech->Select(3);
    Take();
    speech->Speak(L"три");
    EXPECT_EQ(Take(), (Calls{L"on:UserStart/self", L"4:TextData три"}));
}

TEST_F(MultiSpeechTest, Sapi5NotificationsMoveTheState) {
    Make();
    speech->Select(0);
    Take();
    sapi5->events->StartStream(sapi5);
    EXPECT_EQ(speech->EngineState(), esSpeak);
    sapi5->events->SpWord(sapi5, 7);
    EXPECT_EQ(speech->Position(), 7u);
    sapi5->events->EndStream(sapi5);
    EXPECT_EQ(speech->EngineState(), esStop);
    EXPECT_EQ(Take(),
              (Calls{L"on:Status=1", L"on:Start/voice", L"on:Position=7", L"on:Status=4", L"on:Stop/voice"}));
}

TEST_F(MultiSpeechTest, Sapi4TextStoppedByUserEndsWithoutOnStop) {
    Make();
    speech->Select(2);
    int sink = 0;
    sapi4->events->TextDataStarted(&sink);
    EXPECT_FALSE(speech->StoppedByUser());
    Take();
    speech->Stop();
    EXPECT_TRUE(speech->StoppedByUser());
    sapi4->events->TextDataDone(&sink);
    EXPECT_FALSE(speech->StoppedByUser());
    EXPECT_EQ(Take(), (Calls{L"on:UserStop/self", L"on:Status=4", L"4:AudioReset", L"on:Status=4"}));

    sapi4->events->TextDataStarted(&sink);
    sapi4->events->WordPosition(&sink, 12);
    sapi4->events->BookMark(&sink);
    sapi4->events->TextDataDone(&sink);
    EXPECT_EQ(Take(), (Calls{L"on:Status=1", L"on:Start/other", L"on:Position=12", L"on:Status=4",
                             L"on:Stop/other"}));
}

TEST_F(MultiSpeechTest, PauseAndResumeOrder) {
    Make();
    Take();
    // Without an engine the state events still fire, but no OnStart.
    speech->Pause();
    EXPECT_EQ(speech->EngineState(), esPause);
    speech->Resume();
    EXPECT_EQ(speech->EngineState(), esSpeak);
    EXPECT_EQ(Take(), (Calls{L"on:Status=2", L"on:Pause/self", L"on:Status=1", L"on:Resume/self"}));

    speech->Select(2);
    Take();
    speech->Pause();
    speech->Resume();
    EXPECT_EQ(Take(), (Calls{L"on:Status=2", L"on:Pause/self", L"4:AudioPause", L"on:Status=1",
                             L"on:Resume/self", L"4:AudioResume", L"on:Start/self"}));
}

TEST_F(MultiSpeechTest, SettersClampAndFireOnlyWithAnEngine) {
    Make();
    Take();
    speech->SetSpeed(25);
    speech->SetVolume(-5);
    speech->SetPitch(-1);
    EXPECT_EQ(speech->GetSpeed(), 20);
    EXPECT_EQ(speech->GetVolume(), 0);
    EXPECT_EQ(speech->GetPitch(), 0);
    EXPECT_TRUE(Take().empty());
    speech->SetVolume(150);
    EXPECT_EQ(speech->GetVolume(), 100);
}

TEST_F(MultiSpeechTest, Sapi5SpeedAndPitchSpeakTags) {
    Make();
    speech->Select(0);
    Take();
    speech->SetSpeed(15);
    const std::wstring tag = L"<RATE ABSSPEED=\"5\">";
    EXPECT_EQ(Take(), (Calls{L"on:UserStop/self", L"on:Status=4", L"5:Disconnect", L"on:UserStart/self",
                             L"5:Voice=0", L"5:Speak " + tag, L"on:Speed=15"}));
    EXPECT_EQ(speech->PositionOffset(), -static_cast<int>(tag.size()));
    sapi5->events->SpWord(sapi5, 30);
    EXPECT_EQ(speech->Position(), 30u - tag.size());

    speech->SetPitch(3);
    const Calls calls = Take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), L"5:Speak <pitch absmiddle=\"-7\">"), calls.end());
    EXPECT_EQ(calls.back(), L"on:Pitch=3");

    // A plain Speak starts counting positions from 0 again.
    speech->Speak(L"слово");
    EXPECT_EQ(speech->PositionOffset(), 0);
}

TEST_F(MultiSpeechTest, StopKeepsTheChosenVoiceAndVolume) {
    Make();
    speech->Select(1);
    speech->SetVolume(70);
    speech->Stop();
    Take();
    speech->Speak(L"после остановки");
    EXPECT_EQ(Take(),
              (Calls{L"on:UserStart/self", L"5:Voice=1", L"5:Volume=70", L"5:Speak после остановки"}));
    // The voice is put back once per release.
    speech->Speak(L"ещё");
    EXPECT_EQ(Take(), (Calls{L"on:UserStart/self", L"5:Speak ещё"}));
}

TEST_F(MultiSpeechTest, Sapi4SpeedPitchVolumeArithmetic) {
    Make();
    speech->Select(2);
    Take();
    speech->SetSpeed(5);  // step (250 - 50) / 20 = 10
    EXPECT_EQ(sapi4->speed, 5u * 10u + 50u);
    speech->SetPitch(20);  // step (300 - 100) / 20 = 10
    EXPECT_EQ(sapi4->pitch, 20 * 10 + 100);
    speech->SetVolume(50);  // 50 * 65535 / 100 = 32767 in both halves
    EXPECT_EQ(Take(), (Calls{L"on:Speed=5", L"on:Pitch=20",
                             L"4:Volume=" + std::to_wstring(32767u | (32767u << 16)), L"on:Volume=50"}));
    EXPECT_EQ(speech->PositionOffset(), 0);
}

TEST_F(MultiSpeechTest, DestructionStops) {
    Make();
    speech->Select(2);
    Take();
    speech.reset();
    EXPECT_EQ(Take(), (Calls{L"on:UserStop/self", L"on:Status=4", L"4:AudioReset", L"4:Shutdown"}));
}

}  // namespace
