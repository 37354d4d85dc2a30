#include "core/power_control.h"

#include "ui/privileges.h"

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
    ui::SetProcessPrivilege(L"SeShutdownPrivilege", true);
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
