// The program's icon (the resource MAINICON, drawn at build time in several
// sizes): the forms' title bars, the application window and the tray icon
// take it. Windows' own application icon stands in when the resource is missing.
#pragma once

#include <windows.h>

namespace ui {

// The icon at the system's size for title bars (small) or for Alt+Tab (big).
// Shared: the caller does not destroy it.
HICON ProgramIcon(bool small);

}  // namespace ui
