// TasksList.tsk and the cells of a task row: any file loads; the grid saved and
// loaded again is the same grid; each cell's parts written again read the same.
#include <algorithm>

#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "fuzz_support.h"

namespace {

void CheckCells(const planner::TaskCells& cells) {
    using namespace planner;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    planner::TaskTable grid;
    if (!planner::LoadTaskFileBytes(bytes, grid)) return 0;
    FUZZ_CHECK(grid.RowCount() >= 2);
    for (int c = 0; c < planner::kTaskColCount; ++c) FUZZ_CHECK(grid.Cell(c, grid.RowCount() - 1).empty());
    for (int r = 1; r < grid.RowCount(); ++r) CheckCells(planner::GetRowCells(grid, r));

    const std::string saved = planner::TaskFileBytes(grid);
    planner::TaskTable again;
    FUZZ_CHECK(planner::LoadTaskFileBytes(saved, again));
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
