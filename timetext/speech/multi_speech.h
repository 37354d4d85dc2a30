// TMultiSpeech: one numbered list of speech engines (the SAPI 5 voices, then
// the SAPI 4 modes), the chosen engine, asynchronous speech with stop, pause
// and resume, speed, volume and pitch, and events and an error list instead of
// raised errors.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "timetext/speech/speech_backends.h"

// EngineState holds exactly one of these.
enum TEngineStateValue : int { esSpeak = 1, esPause = 2, esStop = 4 };

struct TEngineInfo {
    std::wstring Name;
    bool Sapi5 = false;
    std::wstring Gender;    // at most 10 characters
    std::wstring Language;  // at most 25 characters
};

class TMultiSpeech : private speech::Sapi5Events, private speech::Sapi4Events {
  public:
    // Every event carries its sender: the component for its own operations, the
    // engine object for the engine's notifications.
    using TNotifyEvent = std::function<void(const void* sender)>;
    using TPositionEvent = std::function<void(const void* sender, std::uint32_t position)>;
    using TSelectEngineEvent = std::function<void(const void* sender, int number, const std::wstring& name)>;
    using TErrorEvent = std::function<void(const void* sender, const std::wstring& text)>;

    static constexpr const wchar_t* kSapi5InitFault = L"SAPI 5 initialization fault";
    static constexpr const wchar_t* kSapi4InitFault = L"SAPI 4 initialization fault";
    static constexpr const wchar_t* kSelectFault = L"Select ";
    static constexpr const wchar_t* kSapi5SpeakFault = L"SAPI 5 Speak fault: ";

    // Either backend may be null (that family is then missing). `hookEvents`, when
    // given, assigns the events before the engines are listed.
    TMultiSpeech(std::unique_ptr<speech::Sapi5Backend> sapi5, std::unique_ptr<speech::Sapi4Backend> sapi4,
                 const std::function<void(TMultiSpeech&)>& hookEvents = {});
    ~TMultiSpeech() override;
    TMultiSpeech(const TMultiSpeech&) = delete;
    TMultiSpeech& operator=(const TMultiSpeech&) = delete;

    void Select(int number);
    void Select(const std::wstring& name);
    void Speak(const std::wstring& text);
    void Stop();
    void Pause();
    void Resume();

    void SetSpeed(int value);
    void SetVolume(int value);
    void SetPitch(int value);
    int GetSpeed() const { return speed_; }
    int GetVolume() const { return volume_; }
    int GetPitch() const { return pitch_; }

    void AddError(const std::wstring& text);

    int EngineState() const { return engineState_; }
    const TEngineInfo& EngineInfo() const { return engineInfo_; }
    const std::vector<std::wstring>& Engines() const { return engines_; }
    const std::vector<std::wstring>& Errors() const { return errors_; }
    int EngineKind() const { return engineKind_; }  // -1 none, 0 SAPI 4, 1 SAPI 5
    bool StoppedByUser() const { return stoppedByUser_; }
    std::int32_t PositionOffset() const { return positionOffset_; }
    std::uint32_t Position() const { return position_; }

    TNotifyEvent OnStart, OnPause, OnResume, OnStop, OnUserStart, OnUserStop, OnStatusChange;
    TPositionEvent OnPosition, OnSpeed, OnVolume, OnPitch;
    TSelectEngineEvent OnSelectEngine;
    TErrorEvent OnError;

  private:
    void DoStop();
    void SetState(int state, const void* sender);
    void Fire(const TNotifyEvent& event, const void* sender) {
        if (event) event(sender);
    }
    // Puts the chosen voice and volume back on a voice object that was released.
    void RestoreSapi5Voice();
    void SpeakTag(const std::wstring& tag);

    // speech::Sapi5Events
    void StartStream(const void* sender) override;
    void EndStream(const void* sender) override;
    void SpWord(const void* sender, std::int32_t characterPosition) override;
    // speech::Sapi4Events
    void TextDataStarted(const void* sender) override;
    void TextDataDone(const void* sender) override;
    void WordPosition(const void* sender, std::uint32_t byteOffset) override;
    void BookMark(const void* sender) override {}

    std::unique_ptr<speech::Sapi5Backend> sapi5_;
    std::unique_ptr<speech::Sapi4Backend> sapi4_;
    int speed_ = 10;
    int volume_ = 50;
    int pitch_ = 0;
    int engineState_ = esStop;
    TEngineInfo engineInfo_;
    std::vector<std::wstring> engines_;
    std::vector<std::wstring> errors_;
    int engineKind_ = -1;
    bool stoppedByUser_ = false;
    std::int32_t positionOffset_ = 0;
    std::uint32_t position_ = 0;
    // The chosen SAPI 5 voice, and whether the voice object was released since
    // it was put on it; whether a volume was set on this voice.
    int sapi5Voice_ = -1;
    bool sapi5Released_ = false;
    bool sapi5VolumeSet_ = false;
    bool sapi4Available_ = false;
};
