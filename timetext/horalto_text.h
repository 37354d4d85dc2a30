// The clock's texts on the running program: the template context read from the
// clock, the work time, the place, the time zone and the task rows, and the
// hand-over of a rewritten text to speech.
#pragma once

#include <functional>
#include <string>

#include "timetext/speech_rewrite.h"
#include "timetext/template.h"
#include "timetext/zone_rule.h"

namespace timetext {

// How long Windows has been running, in days, from the 64-bit tick count (the
// 32-bit count wraps after 49.7 days).
double UptimeNow();

// The Windows time zone with its daylight rules.
TimeZoneRule CurrentTimeZoneRule();

// Everything an expansion reads now; the task rows only when withEvents.
TemplateContext CurrentTemplateContext(bool withEvents);

// The pronunciation switches of the speech page as they stand.
SpeechCorrections CurrentSpeechCorrections();

// Where SpeakText hands its rewritten text. When empty, the text goes to the
// main window's speech component.
extern std::function<void(const std::wstring& text)> SpeakTextHook;

}  // namespace timetext
