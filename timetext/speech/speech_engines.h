// The speech component on the installed engines (SAPI 5 voices, SAPI 4 modes).
#pragma once

#include <memory>

#include "timetext/speech/multi_speech.h"

namespace speech {

std::unique_ptr<TMultiSpeech> CreateMultiSpeech();

}  // namespace speech
