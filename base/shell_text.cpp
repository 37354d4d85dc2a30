#include "base/shell_text.h"

namespace base {

bool ShellCanTake(std::wstring_view file, std::wstring_view parameters) {
    if (file.size() > kMaxShellFileText) return false;
    const std::size_t commandLine = file.size() + 2 + (parameters.empty() ? 0 : 1 + parameters.size()) + 1;
    return commandLine <= kMaxCommandLine;
}

}  // namespace base
