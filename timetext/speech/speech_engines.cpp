#include "timetext/speech/speech_engines.h"

#include "timetext/speech/sapi4_modes.h"
#include "timetext/speech/sapi5_voice.h"

namespace speech {

std::unique_ptr<TMultiSpeech> CreateMultiSpeech() {
    return std::make_unique<TMultiSpeech>(MakeSapi5Voice(), MakeSapi4Modes());
}

}  // namespace speech
