// The menu of coming tasks: items of the main menu's planner submenu from
// index 2 on (items 0 and 1 are fixed), one per task row.
#pragma once

#include <functional>
#include <vector>

#include "planner/task_list.h"
#include "ui/menus.h"

namespace planner {

// The index of the first coming-task item.
constexpr int kFirstComingTaskItem = 2;

// One coming-task item per entry, in order: the items there are take the
// entries (an item that comes to show another task while an open menu shows
// it takes a new command id), the missing ones are added and those left over
// freed. Each is named
// "pmiTask" and the row number, Tag the row number, the due rows shown as
// default (bold), enabled as given; choosing one raises onClick with the item
// as sender.
void FillComingTaskMenu(ui::MenuItem& pmiTasks, const std::vector<ComingTask>& tasks, bool enabled,
                        const ui::NotifyEvent& onClick);

}  // namespace planner
