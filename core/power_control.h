// The calls that end the session or change the power state, behind a seam:
// tests put a recorder in their place (under Wine ExitWindowsEx ends every
// process of the prefix, the test included).
#pragma once

#include <windows.h>

namespace core {

class PowerControl {
  public:
    virtual ~PowerControl() = default;
    // Enables the shutdown privilege of the process (NT family only).
    virtual void EnableShutdownPrivilege();
    virtual void ExitSession(UINT flags);
    virtual void SetPowerState(bool suspend, bool force);
};

// The calls in force: the system's, unless a replacement was set.
PowerControl& CurrentPowerControl();
// Puts a replacement in (not owned); null brings the system's calls back.
void SetPowerControl(PowerControl* replacement);

}  // namespace core
