// The two speech engine families TMultiSpeech drives, each behind a small
// interface: the SAPI 5 voice object and the SAPI 4 text-to-speech modes.
// The Windows build implements them over COM; tests use fakes.
//
// Calls may throw (any std::exception) where the engine fails; the component
// decides which failures it swallows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace speech {

// Notifications an engine raises while it speaks, on the GUI thread.
class Sapi5Events {
  public:
    virtual ~Sapi5Events() = default;
    virtual void StartStream(const void* sender) = 0;
    virtual void EndStream(const void* sender) = 0;
    virtual void SpWord(const void* sender, std::int32_t characterPosition) = 0;
};

class Sapi4Events {
  public:
    virtual ~Sapi4Events() = default;
    virtual void TextDataStarted(const void* sender) = 0;
    virtual void TextDataDone(const void* sender) = 0;
    virtual void WordPosition(const void* sender, std::uint32_t byteOffset) = 0;
    virtual void BookMark(const void* sender) = 0;
};

// What a selected engine says about itself: the raw gender text and the
// language's display name (both cut by the component).
struct EngineDetails {
    std::wstring gender;
    std::wstring language;
};

// The SAPI 5 voice object. It connects itself on the first call that needs it;
// Disconnect releases it (its speech ends, its events are no longer raised) and
// the next call connects a fresh object with the engine's defaults.
class Sapi5Backend {
  public:
    virtual ~Sapi5Backend() = default;
    virtual void SetEvents(Sapi5Events* events) = 0;
    // The voices (GetVoices with no required or optional attributes).
    virtual int VoiceCount() = 0;
    virtual std::wstring VoiceDescription(int index) = 0;
    // Voice := that voice; returns its "GENDER" attribute and its language name.
    virtual EngineDetails SelectVoice(int index) = 0;
    // Queues the text (asynchronous speak).
    virtual void Speak(const std::wstring& text) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void SetVolume(int volume) = 0;
    virtual void Disconnect() = 0;
};

// The SAPI 4 enumerator, the selected mode's central and attributes, the audio
// destination and the buffer notify sink.
class Sapi4Backend {
  public:
    virtual ~Sapi4Backend() = default;
    virtual void SetEvents(Sapi4Events* events) = 0;
    // Creates the enumerator; false when SAPI 4 is not installed.
    virtual bool CreateEnumerator() = 0;
    // Creates the sink and the audio destination and lists the mode names.
    virtual std::vector<std::wstring> ModeNames() = 0;
    // Resets the current mode's audio, selects mode `modeIndex` on a new audio
    // destination; returns the mode's gender word (0 neutral, 1 female, 2 male)
    // and language name.
    struct ModeDetails {
        int gender = -1;
        std::wstring language;
    };
    virtual ModeDetails SelectMode(int modeIndex) = 0;
    virtual bool HasCentral() const = 0;
    // The central's calls; results are ignored by the component.
    virtual void TextData(const std::wstring& text) = 0;
    virtual void AudioReset() = 0;
    virtual void AudioPause() = 0;
    virtual void AudioResume() = 0;
    // The attributes.
    virtual void SetSpeed(std::uint32_t speed) = 0;
    virtual std::uint32_t GetSpeed() = 0;
    virtual void SetPitch(std::uint16_t pitch) = 0;
    virtual std::uint16_t GetPitch() = 0;
    virtual void SetVolume(std::uint32_t volume) = 0;
    // Disconnects the audio destination at the end.
    virtual void Shutdown() = 0;
};

}  // namespace speech
