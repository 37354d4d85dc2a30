// The rows of the work-time log: row 0 is the header, each further row a work
// period (number, start, work time), the last row always the current period.
// Start cells carry "*" after the time for a period ended by a suspend and "*"
// before it for a period that began at one.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/string_list.h"

namespace timetext {

using WorkLogRow = std::array<std::wstring, 3>;
using WorkLogRows = std::vector<WorkLogRow>;

// The work-time format of the log: years, days and the long time.
inline constexpr wchar_t kWorkLogDurationFormat[] = L"%y%dtt";

// Header and an empty current-run row.
WorkLogRows NewWorkLog();

// Drops the oldest record lines (below the header line) while the lines,
// header included, are more than limit.
void LimitWorkLogLines(base::StringList& lines, int limit);

// Adds one row per record line (the header line is skipped) before the
// current-run row: start before the first TAB, work time after it (a line
// without TAB is all work time). When the stored period continues
// (continues = true) and there are records, the last of them becomes the
// current-run row again; true when it did.
bool LoadWorkLogLines(WorkLogRows& rows, const base::StringList& lines, bool continues);

// The current-run row once the log is loaded (`continued`: its last record
// became the current-run row again): its number, and `start` as its start
// unless it continues a row that has one.
void OpenCurrentRun(WorkLogRows& rows, bool continued, const std::wstring& start);

// The lines of the file: start, TAB, work time; header first.
base::StringList WorkLogLines(const WorkLogRows& rows);

// Sets the current-run row's number and start (work time unchanged).
void SetCurrentRunStart(WorkLogRows& rows, const std::wstring& start);
void SetCurrentRunWork(WorkLogRows& rows, const std::wstring& work);

// Suspend: the current row gets "*" after its start and its work time; a new
// current row starts with "*" and the moment of the suspend.
void SuspendWorkLog(WorkLogRows& rows, const std::wstring& workText, const std::wstring& nowText);

// Removes a record row (not the current-run row); later rows move up and are
// renumbered. False when nothing was removed.
bool DeleteWorkLogRow(WorkLogRows& rows, int row);

// Back to the header and an empty current-run row.
void ClearWorkLog(WorkLogRows& rows);

}  // namespace timetext
