// TasksList.tsk: one line per grid row (header and spare row included), the
// cells of columns 1 to 10 each followed by a TAB, lines ended by CR LF,
// Windows-1251. The flag characters (codes 0 to 7) are kept as raw bytes. A
// file read may end its lines with CR LF, LF or CR; a row ends only once its
// ten fields are complete, so a lone line break inside a cell splits nothing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "planner/task_grid.h"

namespace planner {

// The file's bytes for the grid. A TAB, CR or LF inside a cell is written as a blank.
std::string TaskFileBytes(const TaskGrid& grid);

// Loads rows 1 on from the file's bytes (the header line is not read back).
// A file of two rows or fewer leaves the grid as it is and returns false.
// Fields after column 10 are ignored; a CR or LF inside a field reads as a
// blank; empty lines between rows are no rows. When the last row holds a
// task, an empty spare row is added below it.
bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid);

// The same on a file; reading throws base::FileError when the file cannot be read.
void SaveTaskFile(const std::filesystem::path& path, const TaskGrid& grid);
bool LoadTaskFile(const std::filesystem::path& path, TaskGrid& grid);

}  // namespace planner
