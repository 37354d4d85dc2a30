// The rules of a task's run that need no window: which sound, file or picture
// comes next, how a message cell becomes a title and a text, how a file item
// splits into path and parameters, and the computer actions.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "base/string_list.h"

namespace planner {

// The generator seeded with `seedSeconds` (the calendar time in seconds right
// before the pick), its next value modulo n; 0 when n is 0.
int RandomBelow(int n, long long seedSeconds);

// The item after `current` in a list of `count`: in order (">") the next one,
// wrapping to 0; at random ("*") another one than `current` when there are two
// or more.
int NextListIndex(wchar_t mode, int current, int count, long long seedSeconds);

// One step of a "*" or ">" list: `item` is found in `list` (added at the end
// when missing) and is the one to use now; `next` is the one the task's cell
// names afterwards.
struct ListStep {
    int current = 0;
    int next = 0;
};
ListStep StepList(base::StringList& list, wchar_t mode, const std::wstring& item, long long seedSeconds);

// Index of `item` in `list`, added at the end when missing.
int FindOrAdd(base::StringList& list, const std::wstring& item);

// A file item: the path, then "|" and the command-line parameters.
struct FileItem {
    std::wstring path;
    std::wstring parameters;
};
FileItem SplitFileItem(std::wstring_view item);

// ".jpg" or ".jpeg", any case.
bool IsJpegPath(std::wstring_view path);

// A message ready to show: the cell is split into its title and lines first,
// then each part goes through `expand` (the text-format builder), so an
// expanded part never splits again. The text's lines are joined with CR LF.
struct TaskMessage {
    int flags = 0;
    std::wstring title;
    std::wstring text;
};
TaskMessage PrepareTaskMessage(std::wstring_view cell,
                               const std::function<std::wstring(const std::wstring&)>& expand);

// The computer actions, by their index in the planner's action list.
enum ComputerAction : int {
    kActionNone = 0,
    kActionSpeakTime = 1,
    kActionSynchronize = 2,
    kActionCloseProgram = 3,
    kActionScreenSaver = 4,
    kActionMonitorOff = 5,
    kActionLogOff = 6,
    kActionReboot = 7,
    kActionShutDown = 8,
    kActionPowerOff = 9,
    kActionHibernate = 10,
    kActionStandBy = 11,
};
const std::array<std::wstring_view, 12>& ComputerActionItems();
// -1 for a text that is not an item.
int ComputerActionIndex(std::wstring_view text);
// The shutdown kind (1 log off .. 6 stand by) of actions 6 to 11, else 0.
int ShutdownKindOf(int action);

}  // namespace planner
