// The SAPI 4 engine family: text-to-speech modes through their COM interfaces.
#pragma once

#include <memory>

#include "timetext/speech/speech_backends.h"

namespace speech {

std::unique_ptr<Sapi4Backend> MakeSapi4Modes();

}  // namespace speech
