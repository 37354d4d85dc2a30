// The signal sounds' player: the system's sound player, or a stand-in the
// tests put in its place to count strokes.
#pragma once

#include "timetext/speech/signal_sound.h"

namespace signals {

SoundPlayer& CurrentSoundPlayer();
// Puts `player` in place of the system's player; nullptr puts the system's back.
void ReplaceSoundPlayer(SoundPlayer* player);

}  // namespace signals
