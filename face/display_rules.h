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

}  // namespace face
