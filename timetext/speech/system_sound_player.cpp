#include "timetext/speech/system_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ui/application.h"

namespace signals {

namespace {

constexpr int kUnknownLengthMs = 1000;

int FileLengthMs(const std::wstring& name) {
    std::ifstream in(name.c_str(), std::ios::binary);
    if (!in) return kUnknownLengthMs;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return WavDurationMs(bytes.data(), bytes.size()).value_or(kUnknownLengthMs);
}

int ResourceLengthMs(HMODULE module) {
    HRSRC found = FindResourceW(module, L"SOUND_DEF", L"WAVE");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return kUnknownLengthMs;
    return WavDurationMs(static_cast<const unsigned char*>(data), SizeofResource(module, found))
        .value_or(kUnknownLengthMs);
}

class SystemSoundPlayer final : public SoundPlayer {
  public:
    void Play(const std::wstring& name, bool wait) override {
        // Played asynchronously in both cases; a waiting call then waits for
        // the sound's length with the message loop running. A file that can't
        // be played is the system player's business (its default sound).
        const DWORD flags = SND_ASYNC;
        int lengthMs = 0;
        if (IsBuiltInSound(name)) {
            HMODULE module = GetModuleHandleW(nullptr);
            if (!PlaySoundW(L"SOUND_DEF", module, flags | SND_RESOURCE)) return;
            if (wait) lengthMs = ResourceLengthMs(module);
        } else {
            if (!PlaySoundW(name.c_str(), nullptr, flags | SND_FILENAME)) return;
            if (wait) lengthMs = FileLengthMs(name);
        }
        if (wait && lengthMs > 0) ui::Application().ProcessMessagesFor(static_cast<DWORD>(lengthMs) + 30);
    }
};

SoundPlayer* g_replacement = nullptr;

}  // namespace

SoundPlayer& CurrentSoundPlayer() {
    static SystemSoundPlayer system;
    return g_replacement ? *g_replacement : system;
}

void ReplaceSoundPlayer(SoundPlayer* player) {
    g_replacement = player;
}

}  // namespace signals
