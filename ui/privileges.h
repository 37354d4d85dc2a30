// Switching one privilege of the process's own token on or off.
#pragma once

#include <windows.h>

namespace ui {

// Enables (or disables) the named privilege ("SeShutdownPrivilege",
// "SeTimeZonePrivilege"...) in the process token: 0 or the system's error code
// (ERROR_NOT_ALL_ASSIGNED when the token does not hold it).
DWORD SetProcessPrivilege(const wchar_t* name, bool enable);

}  // namespace ui
