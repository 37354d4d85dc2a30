// Fake speech engines that record every call in one shared journal.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "timetext/speech/speech_backends.h"

namespace speech_test {

struct Journal {
    std::vector<std::wstring> calls;
    void Add(std::wstring call) { calls.push_back(std::move(call)); }
};

class FakeSapi5 : public speech::Sapi5Backend {
  public:
    explicit FakeSapi5(Journal& journal) : journal_(journal) {}

    std::vector<std::wstring> voices{L"Voice A", L"Голос Б"};
    bool failCount = false;
    bool failSpeak = false;
    bool failSelect = false;
    speech::Sapi5Events* events = nullptr;
    bool connected = false;

    void SetEvents(speech::Sapi5Events* e) override { events = e; }
    int VoiceCount() override {
        if (failCount) throw std::runtime_error("count");
        return static_cast<int>(voices.size());
    }
    std::wstring VoiceDescription(int index) override { return voices.at(index); }
    speech::EngineDetails SelectVoice(int index) override {
        if (failSelect) throw std::runtime_error("select");
        connected = true;
        journal_.Add(L"5:Voice=" + std::to_wstring(index));
        return {L"female voice of a long name", L"Русский (Россия) — a language name longer than 25"};
    }
    void Speak(const std::wstring& text) override {
        if (failSpeak) throw std::runtime_error("speak");
        connected = true;
        journal_.Add(L"5:Speak " + text);
    }
    void Pause() override { journal_.Add(L"5:Pause"); }
    void Resume() override { journal_.Add(L"5:Resume"); }
    void SetVolume(int volume) override { journal_.Add(L"5:Volume=" + std::to_wstring(volume)); }
    void Disconnect() override {
        connected = false;
        journal_.Add(L"5:Disconnect");
    }

  private:
    Journal& journal_;
};

class FakeSapi4 : public speech::Sapi4Backend {
  public:
    explicit FakeSapi4(Journal& journal) : journal_(journal) {}

    bool installed = true;
    bool failModes = false;
    std::vector<std::wstring> modes{L"Mode 1", L"Mode 2"};
    int gender = 2;
    speech::Sapi4Events* events = nullptr;
    bool central = false;
    // The attribute ranges the fake engine clamps to.
    std::uint32_t speedMin = 50, speedMax = 250, speed = 0;
    std::uint16_t pitchMin = 100, pitchMax = 300, pitch = 0;

    void SetEvents(speech::Sapi4Events* e) override { events = e; }
    bool CreateEnumerator() override { return installed; }
    std::vector<std::wstring> ModeNames() override {
        if (failModes) throw std::runtime_error("modes");
        return modes;
    }
    ModeDetails SelectMode(int modeIndex) override {
        journal_.Add(L"4:Select " + std::to_wstring(modeIndex));
        central = true;
        return {gender, L"English (United States)"};
    }
    bool HasCentral() const override { return central; }
    void TextData(const std::wstring& text) override { journal_.Add(L"4:TextData " + text); }
    void AudioReset() override { journal_.Add(L"4:AudioReset"); }
    void AudioPause() override { journal_.Add(L"4:AudioPause"); }
    void AudioResume() override { journal_.Add(L"4:AudioResume"); }
    void SetSpeed(std::uint32_t s) override { speed = std::min(std::max(s, speedMin), speedMax); }
    std::uint32_t GetSpeed() override { return speed; }
    void SetPitch(std::uint16_t p) override { pitch = std::min(std::max(p, pitchMin), pitchMax); }
    std::uint16_t GetPitch() override { return pitch; }
    void SetVolume(std::uint32_t volume) override { journal_.Add(L"4:Volume=" + std::to_wstring(volume)); }
    void Shutdown() override { journal_.Add(L"4:Shutdown"); }

  private:
    Journal& journal_;
};

}  // namespace speech_test
