#include "planner/coming_task_menu.h"

#include <algorithm>
#include <string>

namespace planner {

void FillComingTaskMenu(ui::MenuItem& pmiTasks, const std::vector<ComingTask>& tasks, bool enabled,
                        const ui::NotifyEvent& onClick) {
    // The items there are take the new tasks (a list of many tasks is made
    // again on every run of one of them); the others go or come. An item that
    // comes to show another task is renewed: the entry an open menu still
    // shows for the old task runs nothing, never the new one.
    const int wanted = kFirstComingTaskItem + static_cast<int>(tasks.size());
    for (int i = pmiTasks.Count() - 1; i >= std::max(wanted, kFirstComingTaskItem); --i) pmiTasks.Delete(i);
    for (std::size_t t = 0; t < tasks.size(); ++t) {
        const ComingTask& task = tasks[t];
        const int index = kFirstComingTaskItem + static_cast<int>(t);
        std::wstring name = L"pmiTask" + std::to_wstring(task.row);
        const bool reused = index < pmiTasks.Count();
        ui::MenuItem& item = reused ? pmiTasks[index] : pmiTasks.AddNew(task.caption, name);
        if (reused && (item.Tag() != task.row || item.Caption() != task.caption)) item.RenewCommand();
        item.SetName(std::move(name));
        item.SetCaption(task.caption);
        item.SetTag(task.row);
        item.SetDefault(task.due);
        item.SetEnabled(enabled);
        item.OnClick = onClick;
    }
}

}  // namespace planner
