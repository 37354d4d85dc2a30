#include "planner/task_hooks.h"

namespace planner {

std::function<void(const std::wstring&, const std::wstring&, int, int)> ShowTrayBalloon;
std::function<void()> ShowBalloonOptions;
std::function<void()> ShowFormatsHelp;

}  // namespace planner
