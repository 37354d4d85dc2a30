// What the planner asks of parts of the program that fill these in when they
// exist: the tray icon's balloon.
#pragma once

#include <functional>
#include <string>

namespace planner {

// Shows a balloon at the tray icon: title, text, icon (0 none, 1 information,
// 2 warning, 3 error) and time-out in milliseconds. Set by the tray icon; while
// unset, tasks raise no balloon.
extern std::function<void(const std::wstring& title, const std::wstring& text, int icon, int timeoutMs)>
    ShowTrayBalloon;

}  // namespace planner
