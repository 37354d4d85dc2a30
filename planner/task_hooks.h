// What the planner asks of parts of the program that fill these in when they
// exist: the tray icon's balloon, and what the planner page opens from other
// parts of the settings window.
#pragma once

#include <functional>
#include <string>

namespace planner {

// Shows a balloon at the tray icon: title, text, icon (0 none, 1 information,
// 2 warning, 3 error) and time-out in milliseconds. Set by the tray icon; while
// unset, tasks raise no balloon.
extern std::function<void(const std::wstring& title, const std::wstring& text, int icon, int timeoutMs)>
    ShowTrayBalloon;

// The balloon options dialog (the planner page's "..." beside "В трее"). Set by
// the dialog's owner; while unset the button does nothing.
extern std::function<void()> ShowBalloonOptions;

// The help on the format symbols (the same as the main format's help button).
// Set by the format frames; while unset the button does nothing.
extern std::function<void()> ShowFormatsHelp;

}  // namespace planner
