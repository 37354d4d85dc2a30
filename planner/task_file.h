// TasksList.tsk: one line per grid row (header and spare row included), the
// cells of columns 1 to 10 each followed by a TAB, lines ended by CR LF,
// Windows-1251. The flag characters (codes 0 to 7) are kept as raw bytes. The
// first line of a file read with text in it (empty lines and lines of blanks
// before it are skipped) is its header unless it is plainly a task: its first
// cell, the day, begins with "*" or reads as a date, blanks around it trimmed,
// or its second, the time, reads as a time, an interval, "Запуск" or "Выход"
// (a file made without its header, by hand or by another tool); the header's
// "День" and "Время", and any header whose time cell is a word, never do. A
// file read may end its lines with CR LF, LF or CR; the first line's end is the
// file's own kind, whether that line is the header or a task. A row ends at a
// line end of that kind, or at any line end once its ten fields are complete;
// a line break of another kind before that lies inside a cell, so a lone CR or
// LF in a file of CR LF lines splits nothing. A row of fewer fields (a tool
// that leaves out the last TAB, an editor that trims trailing blanks, a row
// typed by hand) has its missing fields empty, the text after its last TAB
// being its last field. A description or message typed by hand, without its
// flag character, is read in the program's own form (PutTypedCellsInOwnForm).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "planner/next_run.h"
#include "planner/task_grid.h"

namespace planner {

// The file's bytes for the grid. A TAB, CR or LF inside a cell is written as a blank.
std::string TaskFileBytes(const TaskGrid& grid);

// Loads rows 1 on from the file's bytes. The first line with text is the
// header, not read back, unless `schedule` reads its day cell as a date or its
// time cell as a time, or its day cell begins with "*": then it is the first
// row. Fields after column 10 and the text after a row's tenth TAB are
// ignored; in a row that ends before its tenth TAB the text after its last
// TAB is the next field. A CR or LF inside a field reads as a blank. Rows of
// blanks only (spaces, no-break spaces, TABs, line breaks: empty lines, lines
// of blanks, spare rows) are no rows; every other row is kept wherever it
// stands, the last one too, whether or not it has anything to do, and an
// empty spare row is added below the last. A file with no row below its
// header but blank ones (or no row at all) leaves the grid as it is and
// returns false.
bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid, const ScheduleCellReader& schedule);

// The same on a file; reading throws base::FileError when the file cannot be read.
void SaveTaskFile(const std::filesystem::path& path, const TaskGrid& grid);
bool LoadTaskFile(const std::filesystem::path& path, TaskGrid& grid, const ScheduleCellReader& schedule);

}  // namespace planner
