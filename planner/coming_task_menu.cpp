#include "planner/coming_task_menu.h"

#include <string>

namespace planner {

void FillComingTaskMenu(ui::MenuItem& pmiTasks, const std::vector<ComingTask>& tasks, bool enabled,
                        const ui::NotifyEvent& onClick) {
    for (int i = pmiTasks.Count() - 1; i >= kFirstComingTaskItem; --i) pmiTasks.Delete(i);
    for (const ComingTask& task : tasks) {
        ui::MenuItem& item = pmiTasks.AddNew(task.caption, L"pmiTask" + std::to_wstring(task.row));
        item.SetTag(task.row);
        item.SetDefault(task.due);
        item.SetEnabled(enabled);
        item.OnClick = onClick;
    }
}

}  // namespace planner
