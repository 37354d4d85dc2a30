// The 28 numbered actions shared by the hot keys, the mouse clicks, the
// taskbar clock and the planner: their captions and the rules on numbers.
#pragma once

#include <string>
#include <vector>

namespace core {

// The captions of the action chooser, in number order (0..27).
const std::vector<std::wstring>& KeyActionCaptions();

// The picture of an action's chooser item in the main window's image list:
// the picture of the menu command that does the same (the settings pages their
// page actions'), and pictures of their own for the computer actions; -1 for
// other numbers.
int ActionImageIndex(int action);

// The sound switch's pictures in that list: the switch shows what it does, the
// signals page's tab whether the sounds are on.
constexpr int kImageSound = 9;       // a sounding speaker: the signals page; turns the sounds on
constexpr int kImageSoundsOff = 19;  // the signals page while every sound is off
constexpr int kImageMute = 30;       // a muted speaker: turns the sounds off

// Actions 3..12 open the settings window on page 0..9; -1 for other numbers.
int SettingsPageOfAction(int action);

// Actions 22..27 act on the computer (log off ... stand by); they alone use the
// forced flag, and the choosers show their force box only for them.
bool IsComputerAction(int action);
// Their kind for the shutdown call: 1 log off, 2 reboot, 3 shut down, 4 power
// off, 5 hibernate, 6 stand by; 0 for other numbers.
int ShutdownKindOfAction(int action);

// What a shutdown kind asks of the system.
struct ShutdownRequest {
    enum class Call { None, ExitWindows, PowerState };
    Call call = Call::None;
    unsigned exitFlags = 0;  // ExitWindowsEx flags (with the force bit when forced)
    bool suspend = false;    // SetSystemPowerState: true stand by, false hibernate
    bool force = false;
    bool operator==(const ShutdownRequest&) const = default;
};
ShutdownRequest ShutdownRequestFor(int kind, bool forced);

}  // namespace core
