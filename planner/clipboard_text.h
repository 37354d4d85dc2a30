// Plain text on the clipboard, for the planner's lists (copy and paste of items).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace planner {

// The clipboard's text, or nothing when it holds none.
std::optional<std::wstring> ClipboardText(HWND owner);
// Puts text on the clipboard; false when the clipboard could not be opened.
bool SetClipboardText(HWND owner, const std::wstring& text);

}  // namespace planner
