// What the shell can be given to start a program or open a file. Longer texts
// are refused before the call, as a file that cannot be started: some shells
// overrun their stack on them and end the calling program.
#pragma once

#include <cstddef>
#include <string_view>

namespace base {

// The file text (a path, or an address such as "http://..." or "mailto:...")
// holds at most MAX_PATH - 1 characters.
constexpr std::size_t kMaxShellFileText = 259;
// A process's command line, its closing NUL included.
constexpr std::size_t kMaxCommandLine = 32767;

// Whether the file text fits, and the command line the shell builds (the file
// in quotes, a blank, the parameters) fits a process's command line.
bool ShellCanTake(std::wstring_view file, std::wstring_view parameters);

}  // namespace base
