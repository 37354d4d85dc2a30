// Small rules of the clock display that need no window.
#pragma once

#include <string>
#include <string_view>

namespace face {

// Constant alpha of the layered window: the mouse-over value while the mouse
// timer runs and that transparency is on; else the window's level when its
// transparency is on and below 255; else opaque.
int LayeredAlpha(bool mouseTimerRunning, bool transparentOnMouseMove, int valueOnMouseMove, bool transparency,
                 int levelTransparency);

// The text-only window is rebuilt when the text's size moved by more than two
// pixels either way (or when the look is reloaded).
bool TextWindowNeedsRebuild(bool reload, int labelWidth, int labelHeight, int textWidth, int textHeight);

// The part of a clock text that a screen can show: at most maxLines lines
// (split at CR, LF or CR LF, ending at a NUL, as the display splits them),
// each cut to maxLineChars characters, joined by CR LF. A huge format text
// is then never measured and drawn whole on every tick.
std::wstring ScreenfulText(std::wstring_view text, int maxLines, int maxLineChars);

// The lines of a text block drawn centred on centreY, each lineHeight high
// (as the drawing lays them out), that may show on a picture `height` high:
// lines first..last-1, with two lines to spare each way.
struct LineSpan {
    int first = 0;
    int last = 0;
};
LineSpan LinesInSight(int lineCount, double lineHeight, double centreY, double height);

// The number of lines of a text, split as BlankLines splits them.
int LineCount(std::wstring_view text);

// The text with every line outside first..last-1 that holds anything made a
// single blank (an empty line stays empty): the lines keep their number and
// their places in the block, and nothing of theirs is drawn (lines split at
// CR LF, LF or CR; the breaks are kept).
std::wstring BlankLines(std::wstring_view text, int first, int last);

}  // namespace face
