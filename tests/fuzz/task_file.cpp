// TasksList.tsk and the cells of a task row: any file loads; the grid saved and
// loaded again is the same grid; each cell's parts written again read the same;
// a description or message typed by hand (no flag character first) is loaded
// in the program's own form. Empty lines and lines of blanks before the first
// line with text are no lines. That line is the header unless its day cell,
// blanks trimmed, begins with "*" or reads as a date, or its time cell reads
// as a time: a file that begins with a task loads as the same file with the
// program's header line before it would, and a file that begins with anything
// else as the same file with its first line replaced by the program's header.
#include <algorithm>

#include "base/codec.h"
#include "base/date_time.h"
#include "base/format_settings.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "fuzz_support.h"

namespace {

void CheckCells(const planner::TaskCells& cells) {
    using namespace planner;
    for (const int col : {kColDescription, kColMessage})
        FUZZ_CHECK(cells[static_cast<std::size_t>(col)].empty() ||
                   BeginsWithFlag(cells[static_cast<std::size_t>(col)]));
    const std::wstring& description = cells[kColDescription];
    const int flags = DescriptionFlags(description);
    if (flags >= 0 && flags <= 3) {
        const std::wstring rebuilt = BuildDescriptionCell(flags, DescriptionText(description));
        FUZZ_CHECK(DescriptionText(rebuilt) == DescriptionText(description));
        if (!DescriptionText(description).empty()) FUZZ_CHECK(DescriptionFlags(rebuilt) == flags);
    }
    const MessageParts message = SplitMessageCell(cells[kColMessage]);
    const base::StringList lines = MessageLines(message.body);
    const std::wstring rebuilt = BuildMessageCell(message.flags, message.title, lines);
    const bool noText =
        std::all_of(lines.begin(), lines.end(), [](const std::wstring& l) { return l.empty(); });
    if (noText) {
        FUZZ_CHECK(rebuilt.empty());  // a message without text is no message, title or not
    } else {
        const MessageParts again = SplitMessageCell(rebuilt);
        FUZZ_CHECK(MessageLines(again.body) == lines);
        FUZZ_CHECK(again.title == message.title || message.title.find(L'|') != std::wstring::npos);
    }
    for (int col : {kColSounds, kColFiles}) {
        const ListCell list = ParseListCell(cells[static_cast<std::size_t>(col)]);
        // A file name never begins with "*" or ">", the marks of a list's order.
        if (list.mode == 0 && !list.items.empty() && !list.items[0].empty() &&
            (list.items[0][0] == L'*' || list.items[0][0] == L'>'))
            continue;
        const ListCell back = ParseListCell(BuildListCell(list.mode, list.items));
        FUZZ_CHECK(back.mode == list.mode);
        FUZZ_CHECK(back.items == list.items);
    }
    (void)ComingTaskCaption(cells);
    (void)StoredTaskCaption(cells);
    (void)TimeKindOf(cells[kColTime]);
    (void)IntervalPart(cells[kColTime]);
}

const planner::ScheduleCellReader& Dates() {
    static const planner::ScheduleCellReader dates(base::RussianWindowsProfile(),
                                                   base::EncodeDateTime(2026, 3, 14, 12, 0, 0, 0));
    return dates;
}

bool SameGrid(const planner::TaskTable& a, const planner::TaskTable& b) {
    if (a.RowCount() != b.RowCount()) return false;
    for (int r = 1; r < a.RowCount(); ++r)
        for (int c = 1; c < planner::kTaskColCount; ++c)
            if (a.Cell(c, r) != b.Cell(c, r)) return false;
    return true;
}

// The file read with the program's header line in place of, or before, its
// first line loads the same grid.
void CheckFirstLine(std::string_view bytes, bool loaded, const planner::TaskTable& grid) {
    planner::TaskTable empty;
    std::string header = planner::TaskFileBytes(empty);
    header.erase(header.find("\r\n"));
    // The blank lines before the first line with text are no lines.
    for (std::size_t line = 0; line < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", line), bytes.size());
        if (bytes.substr(line, end - line).find_first_not_of(" \xA0\t") != std::string_view::npos) {
            bytes.remove_prefix(line);
            break;
        }
        line = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        if (line >= bytes.size()) bytes = {};
    }
    const std::size_t cut = bytes.find_first_of("\t\r\n");
    const std::wstring day = base::FromCp1251(bytes.substr(0, cut));
    const std::wstring_view trimmed = planner::WithoutBlanksAround(day);
    std::wstring time;
    if (cut != std::string_view::npos && bytes[cut] == '\t') {
        const std::string_view rest = bytes.substr(cut + 1);
        time = base::FromCp1251(rest.substr(0, rest.find_first_of("\t\r\n")));
    }
    const bool task = (!trimmed.empty() && (trimmed[0] == L'*' || Dates().ReadsAsDate(trimmed))) ||
                      Dates().ReadsAsTime(time);
    std::string other = header;
    if (task) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const bool crLf = end != std::string_view::npos && bytes.substr(end, 2) == "\r\n";
        other += end == std::string_view::npos ? "\r\n" : crLf ? "\r\n" : std::string(1, bytes[end]);
        other += bytes;
    } else {
        other += bytes.substr(std::min(bytes.find_first_of("\r\n"), bytes.size()));
    }
    planner::TaskTable again;
    FUZZ_CHECK(planner::LoadTaskFileBytes(other, again, Dates()) == loaded);
    if (loaded) FUZZ_CHECK(SameGrid(again, grid));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    planner::TaskTable grid;
    const bool loaded = planner::LoadTaskFileBytes(bytes, grid, Dates());
    CheckFirstLine(bytes, loaded, grid);
    if (!loaded) return 0;
    FUZZ_CHECK(grid.RowCount() >= 2);
    for (int c = 0; c < planner::kTaskColCount; ++c) FUZZ_CHECK(grid.Cell(c, grid.RowCount() - 1).empty());
    for (int r = 1; r < grid.RowCount(); ++r) CheckCells(planner::GetRowCells(grid, r));

    const std::string saved = planner::TaskFileBytes(grid);
    planner::TaskTable again;
    FUZZ_CHECK(planner::LoadTaskFileBytes(saved, again, Dates()));
    FUZZ_CHECK(again.RowCount() == grid.RowCount());
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < planner::kTaskColCount; ++c) {
            // A TAB, CR or LF inside a cell is written as a blank.
            std::wstring cell = grid.Cell(c, r);
            for (wchar_t& ch : cell)
                if (ch == L'\t' || ch == L'\r' || ch == L'\n') ch = L' ';
            FUZZ_CHECK(again.Cell(c, r) == cell);
        }
    FUZZ_CHECK(planner::TaskFileBytes(again) == saved);
    return 0;
}
