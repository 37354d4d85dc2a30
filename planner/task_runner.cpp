#include "planner/task_runner.h"

#include "planner/task_actions.h"
#include "planner/task_cells.h"

namespace planner {

namespace {

int FindOrAdd(SharedList& list, const std::wstring& item) {
    const int index = list.IndexOf(item);
    return index >= 0 ? index : list.Add(item);
}

void CheckOnly(SharedList& list, int index) {
    for (int i = 0; i < list.Count(); ++i) list.SetChecked(i, i == index);
}

}  // namespace

void TaskRunner::ExecuteTask(int row) {
    const int flags = DescriptionFlags(grid_.Cell(kColDescription, row));
    if (!grid_.Cell(kColMessage, row).empty()) ShowTaskMessage(row);
    if (!grid_.Cell(kColSounds, row).empty()) PlayTaskSounds(row);
    if (!grid_.Cell(kColFiles, row).empty()) RunTaskFiles(row);
    if (!grid_.Cell(kColPicture, row).empty()) SetTaskWallpaper(row);
    if (flags == 2 || flags == 3) actions_.ShakeWindow();
    if (!grid_.Cell(kColComputer, row).empty()) DoComputerAction(row);
}

void TaskRunner::ShowTaskMessage(int row) {
    const std::wstring cell = grid_.Cell(kColMessage, row);
    if (cell.empty()) return;
    const int m = SplitMessageCell(cell).flags;
    // The spoken message is built from its spoken part; the shown one whole.
    if (m >= 4 && !actions_.SoundsOff()) {
        actions_.SpeakText(PrepareTaskMessage(cell, [this](const std::wstring& text) {
                               return actions_.BuildSpokenText(text);
                           }).text);
    }
    if (!(m & (kMessageWindow | kMessageBalloon))) return;
    const TaskMessage message =
        PrepareTaskMessage(cell, [this](const std::wstring& text) { return actions_.BuildFormatText(text); });
    if (m & kMessageWindow) actions_.ShowReminder(message.title, message.text);
    if (m & kMessageBalloon) actions_.ShowBalloon(message.title, message.text);
}

int TaskRunner::StepModeList(SharedList& list, int col, int row, wchar_t mode, int from) {
    const int next = NextListIndex(mode, from, list.Count(), actions_.CalendarSeconds());
    grid_.SetCell(col, row, mode + list.Item(next));
    return next;
}

void TaskRunner::PlayTaskSounds(int row) {
    if (actions_.SoundsOff()) return;
    SharedList& list = actions_.Sounds();
    const ListCell cell = ParseListCell(grid_.Cell(kColSounds, row));
    if (cell.items.empty()) return;
    if (cell.mode) {
        const std::wstring& sound = cell.items.front();
        actions_.PlaySound(sound, false);
        const int current = FindOrAdd(list, sound);
        CheckOnly(list, StepModeList(list, kColSounds, row, cell.mode, current));
        return;
    }
    // Several sounds play one after another, each to its end.
    const bool several = cell.items.size() > 1;
    for (const std::wstring& sound : cell.items) {
        FindOrAdd(list, sound);
        actions_.PlaySound(sound, several);
    }
}

void TaskRunner::RunTaskFiles(int row) {
    SharedList& list = actions_.Files();
    const ListCell cell = ParseListCell(grid_.Cell(kColFiles, row));
    if (cell.items.empty()) return;
    if (cell.mode) {
        const std::wstring& item = cell.items.front();
        list.SetItemIndex(FindOrAdd(list, item));
        RunFile(item);
        CheckOnly(list, StepModeList(list, kColFiles, row, cell.mode, list.ItemIndex()));
        return;
    }
    for (const std::wstring& item : cell.items) {
        list.SetItemIndex(FindOrAdd(list, item));
        RunFile(item);
    }
}

bool TaskRunner::RunFile(const std::wstring& item) {
    const FileItem file = SplitFileItem(item);
    return actions_.StartFile(file.path, file.parameters);
}

void TaskRunner::SetTaskWallpaper(int row) {
    SharedList& list = actions_.Pictures();
    const ListCell cell = ParsePictureCell(grid_.Cell(kColPicture, row));
    if (cell.items.empty() || cell.items.front().empty()) return;
    std::wstring picture = cell.items.front();
    const int current = FindOrAdd(list, picture);
    if (cell.mode) {
        // The next picture follows the one this run shows.
        list.SetItemIndex(current);
        list.SetItemIndex(StepModeList(list, kColPicture, row, cell.mode, current));
    }
    if (IsJpegPath(picture)) picture = actions_.ConvertJpeg(picture);
    if (!picture.empty()) actions_.SetWallpaper(picture);
}

void TaskRunner::DoComputerAction(int row) {
    const int action = ComputerActionIndex(grid_.Cell(kColComputer, row));
    if (action <= kActionNone) return;
    if (action == kActionCloseProgram && actions_.Closing()) return;  // already closing
    actions_.ComputerAction(action);
}

}  // namespace planner
