#include "planner/task_file.h"

#include <vector>

#include "base/codec.h"
#include "planner/task_cells.h"

namespace planner {

std::string TaskFileBytes(const TaskGrid& grid) {
    std::string bytes;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 1; c < kTaskColCount; ++c) {
            std::wstring cell = grid.Cell(c, r);
            for (wchar_t& ch : cell)
                if (ch == L'\t' || ch == L'\r' || ch == L'\n') ch = L' ';
            bytes += base::ToCp1251(cell);
            bytes += '\t';
        }
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

// CR LF, LF and CR each end a line; the last line needs no ending.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(bytes);
            break;
        }
        lines.push_back(bytes.substr(0, end));
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

}  // namespace

bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() <= 2) return false;
    const int count = static_cast<int>(lines.size());
    grid.SetRowCount(count);
    for (int r = 1; r < count; ++r) {
        TaskCells cells;
        std::string_view line = lines[static_cast<size_t>(r)];
        // Each field ends at its TAB; what follows the last TAB is not a field.
        for (int c = 1; c < kTaskColCount; ++c) {
            const size_t tab = line.find('\t');
            if (tab == std::string_view::npos) break;
            cells[static_cast<size_t>(c)] = base::FromCp1251(line.substr(0, tab));
            line.remove_prefix(tab + 1);
        }
        SetRowCells(grid, r, cells);
    }
    if (HasActions(GetRowCells(grid, count - 1))) {
        grid.SetRowCount(count + 1);
        ClearRowCells(grid, count);
    } else {
        ClearRowCells(grid, count - 1);  // the spare row holds no task
    }
    return true;
}

void SaveTaskFile(const std::filesystem::path& path, const TaskGrid& grid) {
    base::WriteFileBytes(path, TaskFileBytes(grid));
}

bool LoadTaskFile(const std::filesystem::path& path, TaskGrid& grid) {
    return LoadTaskFileBytes(base::DataBytes1251(base::ReadFileBytes(path)), grid);
}

}  // namespace planner
