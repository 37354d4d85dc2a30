// The per-second worker and the speech component it speaks through.
#include "core/frm_horalto.h"
#include "timetext/speech/multi_speech.h"
#include "timetext/speech/speech_engines.h"

// One run of the worker: hints, interval and hourly signals, due tasks,
// planned synchronisation (driven by the clock timers' gate).
void TfrmHoralto::TickWork() {}

void TfrmHoralto::CreateSpeechComponent() {
    MultiSpeech = speech::CreateMultiSpeech();
}
