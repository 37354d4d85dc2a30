// The text-format language: literal text with tags "<body>" whose body is a
// date-time format; one or two letters right before "<" choose the value:
//   (none)/C  now              A  time until the next event   TA  the event time
//   W         current work     TW total work time             N+ / N-  now shifted N hours
//   S / Z     until sunrise / sunset, TS / TZ their times
// and "<la>" stands for the list of coming planner events.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/format_settings.h"
#include "timetext/zone_rule.h"

namespace timetext {

// One task row as the event list reads it: the time cell, the description cell
// (flag character first) and the row's next run (0 = none).
struct TaskEvent {
    std::wstring time;
    std::wstring description;
    base::TDateTime nextRun = 0;
};

// Everything an expansion reads, captured once by the caller.
struct TemplateContext {
    base::TDateTime now = 0;
    base::TDateTime earliestTaskTime = 0;  // the event time of the main texts
    base::TDateTime workTime = 0;          // W, days
    base::TDateTime totalWorkTime = 0;     // TW, days
    double latitude = 55.75;
    double longitude = 37.62;
    TimeZoneRule zone;
    base::FormatSettings fs;
    // One entry per task row below the header, parallel to the next-run array;
    // the last entry (the spare row) is never listed.
    std::vector<TaskEvent> events;
    // When set, the entries are read one at a time as the list needs them
    // (eventCount of them), in place of `events`.
    std::size_t eventCount = 0;
    std::function<TaskEvent(std::size_t)> eventAt;
};

// Expands every tag of text against eventTime, then puts month names after a
// day number into the genitive.
std::wstring ExpandTemplate(std::wstring_view text, base::TDateTime eventTime, const TemplateContext& ctx);

// The entry point of all callers: the first "<la>" (any case) becomes the event
// list ("Нет событий" when it is empty); the text around it is expanded against
// the earliest task time.
std::wstring BuildFormatText(std::wstring_view text, const TemplateContext& ctx);

// A text that is shown, of which no more than `maxLines` lines can ever be
// seen: only the template's first maxLines lines are expanded, and only the
// events of the list's first maxLines lines. Every template line gives at
// least one line, so the first maxLines lines are those of BuildFormatText; a
// huge format text or task list costs no more on each tick than a screenful.
std::wstring BuildShownText(std::wstring_view text, const TemplateContext& ctx, int maxLines);

// The part of a template that a screen can show: its first maxLines lines,
// each cut to its first maxLineChars characters (a surrogate pair is not
// split), with the line breaks between them as they were (CR LF, LF and CR
// each end a line). Literal text shows character for character, so what lies
// further along a longer line is past the screen's edge: a format of one huge
// line is expanded on each tick only as far as a screen can show it.
std::wstring ShownTemplate(std::wstring_view text, int maxLines, int maxLineChars);

// The longest text the clock speaks, in characters. A voice says some fifteen
// characters a second, so this is nine minutes of speech: far more than a
// spoken time or reminder ever holds, while the rewrite of a text into words,
// whose cost grows with the square of its length, takes a few hundredths of a
// second at most.
inline constexpr std::size_t kSpokenLength = 8192;

// The part of a text that is spoken: its first kSpokenLength characters (a
// surrogate pair is not split).
std::wstring_view SpokenPart(std::wstring_view text);

// A spoken text: the spoken part of what the spoken part of its format builds
// (the event list read only as far as that reaches). The format itself stays
// whole; a format of megabytes costs a spoken text no more than one of
// kSpokenLength characters.
std::wstring BuildSpokenText(std::wstring_view text, const TemplateContext& ctx);

// The event list alone (lines joined by line feeds), before the empty-list
// text; with maxLines, the rows after its first maxLines lines are not read.
std::wstring BuildEventList(const TemplateContext& ctx, int maxLines = std::numeric_limits<int>::max());

}  // namespace timetext
