// The list and grid files beside the program: FileLists.txt, TasksList.tsk
// and WindowsWorkLog.txt, as lines of text (the caller loads and saves them
// through base::StringList). Grids are rows of cells, row 0 the header.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/date_time.h"
#include "base/string_list.h"

namespace core {

using GridRow = std::vector<std::wstring>;
using GridRows = std::vector<GridRow>;

// The cells of a TAB-terminated line: the text before each TAB; text after
// the last TAB is dropped.
std::vector<std::wstring> SplitTabCells(std::wstring_view line);
// Every cell followed by a TAB.
std::wstring JoinTabCells(const GridRow& row, std::size_t firstColumn = 0);

// ---- FileLists.txt
struct FileLists {
    std::vector<std::wstring> servers;   // the items of cmbHost
    std::vector<std::wstring> runFiles;  // clbFilesList
    std::vector<std::wstring> sounds;    // clbSoundsList
    std::vector<std::wstring> pictures;  // lsbPicturesList
    GridRows hotKeys;                    // stgHotKeysList, header row included
};

// Blocks in the fixed order "[Servers]", "[RunFiles]", "[Sounds]",
// "[Pictures]", "[HotKeys]"; each only when its list is not empty (the hot keys
// when cell (0, 1) is not empty).
base::StringList BuildFileLists(const FileLists& lists);

// Applies the lines as the settings window's load does: "[Servers]" replaces
// the server list, the other blocks append; each hot-key line fills the
// grid's last row (a row is added first when cell (0, 1) is already filled).
// `hotKeyColumns` is the grid's column count (extra cells are dropped).
void ApplyFileLists(const base::StringList& lines, FileLists& lists, std::size_t hotKeyColumns = 3);

// ---- TasksList.tsk
// One line per row from the header on: the cells of column 1 to the last.
base::StringList BuildTaskFile(const GridRows& grid);
// Only a file of more than two lines changes the grid: it gets one row per
// line and line i fills row i from column 1 on (the header line is not read).
// Returns whether the grid was changed.
bool ApplyTaskFile(const base::StringList& lines, GridRows& grid, std::size_t columns = 11);

// The exit-task test of the close query: the time cell reads "Выход" (Latin
// case ignored) and the row's next run falls on today's date.
bool IsExitTaskDue(std::wstring_view timeCell, base::TDateTime nextRun, base::TDateTime now);
// The "Выполнено" cell of a task run at exit: "Удаление" becomes "Удалить",
// anything else the run time's text.
std::wstring DoneCellAfterRun(std::wstring_view doneCell, const std::wstring& nowText);

// ---- WindowsWorkLog.txt
// One line per row from the header on: column 1, TAB, column 2.
base::StringList BuildWorkLogFile(const GridRows& grid);
// With a limit: the oldest record lines (index 1 on) go while the lines,
// header included, are more than `limit`.
void LimitWorkLogLines(base::StringList& lines, bool limited, int limit);
// Column 1 (before the first TAB) and column 2 (after it) of a record line; a
// line without a TAB is all column 2.
std::pair<std::wstring, std::wstring> SplitWorkLogLine(std::wstring_view line);

}  // namespace core
