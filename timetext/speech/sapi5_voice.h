// The SAPI 5 engine family over the voice object's automation interface.
#pragma once

#include "timetext/speech/speech_backends.h"

#include <memory>

namespace speech {

std::unique_ptr<Sapi5Backend> MakeSapi5Voice();

}  // namespace speech
