#include "planner/task_file.h"

#include <algorithm>
#include <array>
#include <vector>

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

// The rows of a task file's bytes. The first line is the header, never read
// back, unless it is plainly a task (FirstLineIsATask): a file made without
// its header begins with its first row. The first line's end (CR LF, LF or
// CR) is the file's own kind, whether it ends the header or a row. A row is
// ten fields, columns 1 to 10, each ended by a TAB; it ends at a line end of
// the file's kind, or at any line end once its tenth field is complete (what
// follows that TAB up to the line end is dropped). A line break of another
// kind before the tenth TAB lies inside a cell. A row that ends early (an
// editor trimmed its empty last fields, a tool left out their TABs, it was
// typed by hand, the file ends in it) keeps the fields it has, the text after
// its last TAB being the next field. Line breaks where a row would begin are
// empty lines, no rows.
class TaskFileRows {
  public:
    TaskFileRows(std::string_view bytes, const ReadsAsDate& readsAsDate) : bytes_(bytes) {
        if (bytes.empty()) return;
        const base::LineEnd first = base::FindLineEnd(bytes, 0);
        if (!FirstLineIsATask(bytes, readsAsDate)) pos_ = first.next;
        if (first.next - first.end == 2) {
            kind_ = Kind::CrLf;
        } else if (first.next > first.end && bytes[first.end] == '\n') {
            kind_ = Kind::Lf;
        } else {
            kind_ = Kind::Cr;
        }
    }

    // The fields of the next row (empty views for the fields a row that ends
    // early lacks); false after the last row.
    bool Next(Fields& fields) {
        pos_ = std::min(bytes_.find_first_not_of("\r\n", pos_), bytes_.size());
        if (pos_ == bytes_.size()) return false;
        fields = Fields{};
        std::size_t start = pos_;
        int c = 1;
        for (std::size_t i = pos_; i < bytes_.size(); ++i) {
            const char ch = bytes_[i];
            if (ch == '\t') {
                fields[static_cast<std::size_t>(c)] = bytes_.substr(start, i - start);
                start = i + 1;
                if (++c == kTaskColCount) {
                    pos_ = base::FindLineEnd(bytes_, start).next;
                    return true;
                }
            } else if (ch == '\r' || ch == '\n') {
                const std::size_t next = AfterOwnLineEnd(i);
                if (next != std::string_view::npos) {
                    fields[static_cast<std::size_t>(c)] = bytes_.substr(start, i - start);
                    pos_ = next;
                    return true;
                }
            }
        }
        fields[static_cast<std::size_t>(c)] = bytes_.substr(start);
        pos_ = bytes_.size();
        return true;
    }

  private:
    enum class Kind { CrLf, Lf, Cr };

    // Whether the file begins with a task rather than its header: its first
    // cell, the day, begins with "*" (a schedule) or reads as a date. The
    // header's "День" never does, nor an edited or foreign header's first cell.
    static bool FirstLineIsATask(std::string_view bytes, const ReadsAsDate& readsAsDate) {
        const std::wstring day = base::FromCp1251(bytes.substr(0, bytes.find_first_of("\t\r\n")));
        return !day.empty() && (day[0] == L'*' || (readsAsDate && readsAsDate(day)));
    }

    // Where the next line begins when the break at `at` is a line end of the
    // file's kind; npos when it lies inside a cell. A CR LF counts as the line
    // end of a file whose lines end in LF or in CR alone too: only a file of
    // CR LF lines keeps a lone CR or LF inside its cells.
    std::size_t AfterOwnLineEnd(std::size_t at) const {
        const bool crLf = bytes_[at] == '\r' && at + 1 < bytes_.size() && bytes_[at + 1] == '\n';
        if (crLf) return at + 2;
        if (kind_ == Kind::Lf && bytes_[at] == '\n') return at + 1;
        if (kind_ == Kind::Cr && bytes_[at] == '\r') return at + 1;
        return std::string_view::npos;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    Kind kind_ = Kind::CrLf;
};

// A row that holds nothing but blanks (spaces, no-break spaces, the TABs
// between its cells): an empty line, a line of blanks, a spare row. A line
// break inside a cell counts as the blank it reads as.
bool IsBlank(const Fields& fields) {
    return std::all_of(fields.begin(), fields.end(), [](std::string_view field) {
        return field.find_first_not_of(" \xA0\r\n") == std::string_view::npos;
    });
}

// A field's text; a line break inside it reads as the blank the writer makes of it.
std::wstring CellText(std::string_view field) {
    std::wstring cell = base::FromCp1251(field);
    std::replace_if(
        cell.begin(), cell.end(), [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; }, L' ');
    return cell;
}

TaskCells RowCells(const Fields& fields) {
    TaskCells cells;
    for (int c = 1; c < kTaskColCount; ++c)
        cells[static_cast<std::size_t>(c)] = CellText(fields[static_cast<std::size_t>(c)]);
    return cells;
}

}  // namespace

bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid, const ReadsAsDate& readsAsDate) {
    // Rows of blanks (the spare row among them) are no rows; every other row
    // is kept, wherever it stands. A file of the header and blank rows leaves
    // the grid as it is.
    std::vector<TaskCells> rows;
    TaskFileRows reader(bytes, readsAsDate);
    Fields fields;
    while (reader.Next(fields))
        if (!IsBlank(fields)) rows.push_back(RowCells(fields));
    if (rows.empty()) return false;
    const int count = static_cast<int>(rows.size()) + 2;  // the header and the spare row
    grid.SetRowCount(count);
    for (int r = 1; r < count - 1; ++r) SetRowCells(grid, r, rows[static_cast<std::size_t>(r - 1)]);
    ClearRowCells(grid, count - 1);
    return true;
}

void SaveTaskFile(const std::filesystem::path& path, const TaskGrid& grid) {
    base::WriteFileBytes(path, TaskFileBytes(grid));
}

bool LoadTaskFile(const std::filesystem::path& path, TaskGrid& grid, const ReadsAsDate& readsAsDate) {
    return LoadTaskFileBytes(base::DataBytes1251(base::ReadFileBytes(path)), grid, readsAsDate);
}

}  // namespace planner
