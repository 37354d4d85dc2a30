#include "core/power_control.h"

namespace core {

namespace {

PowerControl systemCalls;
PowerControl* current = nullptr;

}  // namespace

void PowerControl::EnableShutdownPrivilege() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT) return;
#pragma GCC diagnostic pop
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges{};
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

void PowerControl::ExitSession(UINT flags) {
    ExitWindowsEx(flags, 0);
}

void PowerControl::SetPowerState(bool suspend, bool force) {
    SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE);
}

PowerControl& CurrentPowerControl() {
    return current ? *current : systemCalls;
}

void SetPowerControl(PowerControl* replacement) {
    current = replacement;
}

}  // namespace core
