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

// The rows of a task file's bytes. Empty lines and lines of blanks before the
// first line with text are skipped. That line is the header, never read back,
// unless it is plainly a task (FirstLineIsATask): a file made without its
// header begins with its first row. That line's end (CR LF, LF or CR) is the
// file's own kind, whether it ends the header or a row. A row is
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
    TaskFileRows(std::string_view bytes, const ScheduleCellReader& schedule) : bytes_(bytes) {
        pos_ = FirstLineWithText(bytes);
        if (pos_ == bytes.size()) return;
        const base::LineEnd first = base::FindLineEnd(bytes, pos_);
        if (!FirstLineIsATask(bytes.substr(pos_, first.end - pos_), schedule)) pos_ = first.next;
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

    // Where the first line that holds more than blanks (spaces, no-break
    // spaces, TABs) begins; the size of the bytes when none does.
    static std::size_t FirstLineWithText(std::string_view bytes) {
        for (std::size_t pos = 0; pos < bytes.size();) {
            const base::LineEnd line = base::FindLineEnd(bytes, pos);
            if (bytes.substr(pos, line.end - pos).find_first_not_of(" \xA0\t") != std::string_view::npos)
                return pos;
            pos = line.next;
        }
        return bytes.size();
    }

    // Whether the file begins with a task rather than its header: its first
    // cell, the day, begins with "*" (a schedule) or reads as a date, blanks
    // around it trimmed, or its second, the time, reads as the planner reads a
    // time. The header's "День" and "Время" never do, nor an edited or
    // foreign header whose time cell is a word.
    static bool FirstLineIsATask(std::string_view line, const ScheduleCellReader& schedule) {
        const std::size_t tab = line.find('\t');
        const std::wstring day = base::FromCp1251(line.substr(0, tab));
        const std::wstring_view trimmed = WithoutBlanksAround(day);
        if (!trimmed.empty() && (trimmed[0] == L'*' || schedule.ReadsAsDate(trimmed))) return true;
        if (tab == std::string_view::npos) return false;
        const std::string_view rest = line.substr(tab + 1);
        return schedule.ReadsAsTime(base::FromCp1251(rest.substr(0, rest.find('\t'))));
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
    PutTypedCellsInOwnForm(cells);
    return cells;
}

}  // namespace

bool LoadTaskFileBytes(std::string_view bytes, TaskGrid& grid, const ScheduleCellReader& schedule) {
    // Rows of blanks (the spare row among them) are no rows; every other row
    // is kept, wherever it stands. A file of the header and blank rows leaves
    // the grid as it is.
    std::vector<TaskCells> rows;
    TaskFileRows reader(bytes, schedule);
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

bool LoadTaskFile(const std::filesystem::path& path, TaskGrid& grid, const ScheduleCellReader& schedule) {
    return LoadTaskFileBytes(base::DataBytes1251(base::ReadFileBytes(path)), grid, schedule);
}

}  // namespace planner
