// Signal sounds: the player seam the signals play through, the built-in sound's
// name, and the length of a WAV sound (to wait for its end without stopping
// the message loop).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace signals {

// Plays a sound: the built-in one when IsBuiltInSound(name), else the WAV file.
// With `wait` the call returns when the sound has ended (the message loop keeps
// running meanwhile).
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const std::wstring& name, bool wait) = 0;
};

// Empty, or "Стандартный" (ignoring the case of Latin letters): the built-in sound.
bool IsBuiltInSound(const std::wstring& name);

// The playing time of a PCM WAV image in milliseconds (data size / byte rate),
// or nothing when it is no readable RIFF WAVE.
std::optional<int> WavDurationMs(const unsigned char* data, std::size_t size);

}  // namespace signals
