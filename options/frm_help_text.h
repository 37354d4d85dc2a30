// The help on the format symbols: a window of our own rather than a message
// box, so the long text fits the screen (message boxes wrap it into a column
// taller than the screen). Modal, on top, closed by "OK", Enter or Esc.
#pragma once

#include <string>

namespace options {

// Shows `text` (lines separated by line feeds) under `caption` and waits
// until it is closed.
void ShowHelpText(const std::wstring& caption, const std::wstring& text);

}  // namespace options
