#include "planner/task_file.h"

#include <algorithm>
#include <array>

#include "base/codec.h"
#include "base/text_lines.h"
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

using Fields = std::array<std::string_view, kTaskColCount>;

// The rows of a task file's bytes. The header line ends at its first line
// break (it is never read back). Every other row is ten fields, columns 1 to
// 10, each ended by a TAB: a line break ends a row only once its tenth field
// is complete (what follows that TAB up to the break is dropped); a line break
// before that lies inside a cell. Line breaks where a row would begin are
// empty lines, no rows. A row cut short by the end of the file keeps the
// fields it completed; the text after its last TAB is no field.
class TaskFileRows {
  public:
    explicit TaskFileRows(std::string_view bytes)
        : bytes_(bytes), pos_(bytes.empty() ? 0 : base::FindLineEnd(bytes, 0).next) {}

    // The fields of the next row below the header (empty views for the
    // fields a row cut short lacks); false after the last row.
    bool Next(Fields& fields) {
        pos_ = std::min(bytes_.find_first_not_of("\r\n", pos_), bytes_.size());
        if (pos_ == bytes_.size()) return false;
        fields = Fields{};
        for (int c = 1; c < kTaskColCount; ++c) {
            const std::size_t tab = bytes_.find('\t', pos_);
            if (tab == std::string_view::npos) {
                pos_ = bytes_.size();
                return true;
            }
            fields[static_cast<std::size_t>(c)] = bytes_.substr(pos_, tab - pos_);
            pos_ = tab + 1;
        }
        pos_ = base::FindLineEnd(bytes_, pos_).next;
        return true;
    }

    // Header included; an empty file has no rows.
    static int Count(std::string_view bytes) {
        if (bytes.empty()) return 0;
        TaskFileRows rows(bytes);
        Fields fields;
        int count = 1;
        while (rows.Next(fields)) ++count;
        return count;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_;
};

// A field's text; a line break inside it reads as the blank the writer makes of it.
std::wstring CellText(std::string_view field) {
    std::wstring cell = base::FromCp1251(field);
    std::replace_if(
        cell.begin(), cell.end(), [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; }, L' ');
    return cell;
}

}  // namespace

bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid) {
    const int count = TaskFileRows::Count(bytes);
    if (count <= 2) return false;
    grid.SetRowCount(count);
    TaskFileRows rows(bytes);
    Fields fields;
    for (int r = 1; r < count && rows.Next(fields); ++r) {
        TaskCells cells;
        for (int c = 1; c < kTaskColCount; ++c)
            cells[static_cast<std::size_t>(c)] = CellText(fields[static_cast<std::size_t>(c)]);
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
