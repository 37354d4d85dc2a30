// The planner page's editor as rules: what the editor shows for a task row,
// which schedule cells it writes, how the sounds and files check lists turn
// into their cells, and the file choosers' folders and stored paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/format_settings.h"
#include "planner/day_schedule.h"
#include "planner/task_cells.h"
#include "planner/task_grid.h"

namespace planner {

// ---- reading a row into the editor ----

struct TaskEditorState {
    // Day: a schedule (the day picker reads `dayCell`) or one date.
    bool scheduled = true;
    base::TDateTime date = 0;  // the date shown (today for a schedule)
    std::wstring dayCell;
    // Time.
    TimeKind timeKind = TimeKind::AtTime;
    base::TDateTime time = 0;  // the time of day or the interval shown
    bool once = false;         // "1 раз"
    // Description.
    bool hasDescription = false;
    bool showAfterRun = false;  // "Показывать описание после выполнения"
    bool shakeWindow = true;    // "Оживить окно"
    std::wstring description;
    // Message: with no message the three ways are all on.
    bool hasMessage = false;
    bool inWindow = true, inTray = true, speak = true;
    std::wstring title = L"<tt>";
    std::vector<std::wstring> messageLines;
    // Sounds, files, picture.
    ListCell sounds, files, picture;
    // Computer action: the cell's text (empty for none).
    std::wstring computerAction;
    bool deleteAfterRun = false;
};

// What the editor shows for a row whose next run is `nextRun` (0 = none). A
// date that cannot be read from the day cell falls back to the next run, then
// to today; a time of day that cannot be read likewise.
TaskEditorState ReadTaskEditor(const TaskCells& cells, base::TDateTime nextRun, base::TDateTime now,
                               const base::FormatSettings& fs);

// ---- storing an action cell ----

enum class CellStore {
    Stored,      // the row stays a task: refresh its menu caption
    RowEmptied,  // no action is left: the row goes
    NewTask,     // the row had no schedule yet: write it
};
// Sets cell (col, row) and tells what has to follow.
CellStore StoreCell(TaskGrid& grid, int row, int col, const std::wstring& text);

// ---- writing the schedule cells ----

struct ScheduleInput {
    bool onDate = false;  // the date picker is checked
    base::TDateTime date = 0;
    DayPicks picks;  // the day picker's marks (used when not on a date)
    TimeKind timeKind = TimeKind::AtTime;
    base::TDateTime time = 0;
    bool once = false;
    bool deleteAfterRun = false;
};

struct ScheduleCells {
    std::wstring day, time, done;
    // The time the time picker must show (an interval of 00:00:00 becomes one second).
    base::TDateTime shownTime = 0;
};

ScheduleCells BuildScheduleCells(const ScheduleInput& input, const base::FormatSettings& fs);

// The schedule is written only for a row that holds something in columns 3 to 9.
bool HasScheduleContent(const TaskCells& cells);

// ---- check lists of sounds and files ----

// The check marks and the selection of a sounds or files list after a mark
// changed: with a mode ('*' or '>') only the selected item may keep its mark,
// and the cell is the mode and that item (empty when it is unchecked);
// without a mode the cell is the comma text of the checked items. A list
// without a selection selects its first item. Nothing for an empty list.
std::optional<std::wstring> CheckListCell(const std::vector<std::wstring>& items, std::vector<bool>& checked,
                                          int& selected, wchar_t mode);

// The picture cell from the pictures list: its mode and the selected picture
// (the first one when none is selected). Empty for an empty list.
std::wstring PictureListCell(const std::vector<std::wstring>& items, int& selected, wchar_t mode);

// A file item's command-line parameters: the text after its first "|".
std::wstring FileParameters(std::wstring_view item);
// The item with its parameters replaced ("|" and the text; none when empty).
std::wstring WithFileParameters(std::wstring_view item, std::wstring_view parameters);

// The lines of a pasted text that are not yet items (ignoring case) and not
// empty, each once, in their order.
std::vector<std::wstring> NewPastedItems(const std::vector<std::wstring>& items, std::wstring_view text);

// A cell as the grid shows it: the flag characters (control characters) left out.
std::wstring VisibleCellText(std::wstring_view cell);

// ---- file choosers ----

// The full path of a list item: parameters dropped, a relative path taken from
// the program's folder.
std::wstring ItemFullPath(std::wstring_view item, std::wstring_view programFolder);
// The folder a chooser opens in: the folder of the list's last item, else the
// fallback.
std::wstring ChooserFolder(const std::vector<std::wstring>& items, std::wstring_view programFolder,
                           std::wstring_view fallback);
// A chosen file as the lists keep it: relative to the program's folder when it
// lies inside it, else the full path.
std::wstring StoredFilePath(std::wstring_view path, std::wstring_view programFolder);
// The files of an open dialog's result that allows several: either one full
// path, or the folder followed by the names, each ended by a NUL.
std::vector<std::wstring> SplitChosenFiles(std::wstring_view buffer);

}  // namespace planner
