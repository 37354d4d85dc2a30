// Watches the screen for a program's first paint: the moment a new window of a
// class (not one there before the watch began) first shows pixels that differ
// from the screen before it started.
#pragma once

#include <string>

namespace bench {

// Writes "ready" to readyFile once the screen is taken, then waits for the
// window. Prints "painted <unix time in ns>" to stdout; with a picture path
// the window's pixels at that moment are saved as PNG. Returns 0 when seen.
int WatchFirstPaint(const std::wstring& className, const std::wstring& readyFile,
                    const std::wstring& picture);

}  // namespace bench
