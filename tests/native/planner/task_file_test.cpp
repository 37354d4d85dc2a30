#include "planner/task_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/codec.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

const std::string kHeaderLine =
    "\xc4\xe5\xed\xfc\t\xc2\xf0\xe5\xec\xff\t\xce\xef\xe8\xf1\xe0\xed\xe8\xe5\t\xd1\xee\xee\xe1\xf9\xe5\xed"
    "\xe8\xe5\t"
    "\xc2\xee\xf1\xef\xf0\xee\xe8\xe7\xe2\xe5\xf1\xf2\xe8 \xe7\xe2\xf3\xea\t"
    "\xc7\xe0\xef\xf3\xf1\xf2\xe8\xf2\xfc \xef\xf0\xe8\xeb\xee\xe6\xe5\xed\xe8\xe5\t"
    "\xca\xe0\xf0\xf2\xe8\xed\xea\xe0 \xed\xe0 \xf0\xe0\xe1. \xf1\xf2\xee\xeb\t"
    "\xc4\xe5\xe9\xf1\xf2\xe2\xe8\xe5 \xf1 \xea\xee\xec\xef\xfc\xfe\xf2\xe5\xf0\xee\xec\t"
    "\xc2\xfb\xef\xee\xeb\xed\xe5\xed\xee\t\xd1\xeb\xe5\xe4\xf3\xfe\xf9\xe5\xe5 "
    "\xe2\xfb\xef\xee\xeb\xed\xe5\xed\xe8\xe5\t\r\n";
const std::string kSpareLine = "\t\t\t\t\t\t\t\t\t\t\r\n";

// Day and time cells read as on 14 March 2024 with the Russian formats.
ScheduleCellReader Dates() {
    return ScheduleCellReader(Fs(), At(2024, 3, 14));
}

TaskCells Cells(std::initializer_list<std::wstring> texts) {
    TaskCells cells;
    std::copy(texts.begin(), texts.end(), cells.begin() + 1);
    return cells;
}

// A row as the program writes it: the ten cells, each followed by a TAB.
std::string FullRow(const TaskCells& cells) {
    std::string row;
    for (int c = 1; c < kTaskColCount; ++c) row += base::ToCp1251(cells[static_cast<std::size_t>(c)]) + '\t';
    return row;
}

}  // namespace

TEST(TaskFile, HeaderTaskAndSpareRowByteForByte) {
    TaskTable grid;
    const int r = AddTask(grid, L"*Ежедневно", L"9:00:00", std::wstring(1, L'\0'));
    grid.SetCell(kColMessage, r, L"\x05<tt>|Обед");
    grid.SetCell(kColDue, r, L"->");
    grid.SetCell(kColNextRun, r, L"14.03.24 9:00:00");
    const std::string expected = kHeaderLine + "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t" +
                                 std::string(1, '\0') +
                                 "\t\x05<tt>|\xce\xe1\xe5\xe4\t\t\t\t\t\t14.03.24 9:00:00\t\r\n" + kSpareLine;
    EXPECT_EQ(TaskFileBytes(grid), expected);

    TaskTable back;
    ASSERT_TRUE(LoadTaskFileBytes(expected, back, Dates()));
    EXPECT_EQ(back.RowCount(), 3);
    for (int c = 1; c < kTaskColCount; ++c) EXPECT_EQ(back.Cell(c, 1), grid.Cell(c, 1)) << c;
    EXPECT_EQ(back.Cell(kColDue, 1), L"") << "the due mark is not stored";
    EXPECT_EQ(TaskFileBytes(back), expected) << "read and written again, nothing changes";
}

TEST(TaskFile, EveryFlagByteSurvives) {
    TaskTable grid;
    for (int flag = 0; flag < 8; ++flag) {
        const int r =
            AddTask(grid, L"*Ежедневно", L"Запуск", std::wstring(1, static_cast<wchar_t>(flag & 3)));
        grid.SetCell(kColMessage, r, std::wstring(1, static_cast<wchar_t>(flag)) + L"a,b");
    }
    TaskTable back;
    ASSERT_TRUE(LoadTaskFileBytes(TaskFileBytes(grid), back, Dates()));
    ASSERT_EQ(back.RowCount(), grid.RowCount());
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < kTaskColCount; ++c) EXPECT_EQ(back.Cell(c, r), grid.Cell(c, r)) << r << "," << c;
}

TEST(TaskFile, LinesEndAtCrLfLfOrCr) {
    // Saved by an editor of another system: every line ending reads the same.
    // A line break of another kind than the header line's before a row's
    // tenth TAB lies inside a cell and reads as the blank the writer makes of it.
    const std::string task1 = "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x01\xc0~b\t\t\t\t\t\t\t\t";
    const std::string task2 = "01.01.2030\t10:00:00\t\x03\xc1\t\x05|x^y\t\t\t\t\t\t\t";
    const std::string written1 = "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x01\xc0 b\t\t\t\t\t\t\t\t";
    const std::string written2 = "01.01.2030\t10:00:00\t\x03\xc1\t\x05|x y\t\t\t\t\t\t\t";
    const std::string spare = "\t\t\t\t\t\t\t\t\t\t";
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        std::string bytes = "header" + eol + task1 + eol + task2 + eol + spare + eol;
        std::replace(bytes.begin(), bytes.end(), '~', eol == "\n" ? '\r' : '\n');
        std::replace(bytes.begin(), bytes.end(), '^', eol == "\r" ? '\n' : '\r');
        TaskTable grid;
        ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates())) << testing::PrintToString(eol);
        ASSERT_EQ(grid.RowCount(), 4) << testing::PrintToString(eol);
        EXPECT_EQ(grid.Cell(kColDay, 1), L"*Ежедневно");
        EXPECT_EQ(grid.Cell(kColDescription, 1), L"\x01А b");
        EXPECT_EQ(grid.Cell(kColDay, 2), L"01.01.2030");
        EXPECT_EQ(grid.Cell(kColMessage, 2), L"\x05|x y");
        EXPECT_EQ(GetRowCells(grid, 3), TaskCells{});
        // Written back with CR LF.
        EXPECT_EQ(TaskFileBytes(grid).substr(kHeaderLine.size()),
                  written1 + "\r\n" + written2 + "\r\n" + kSpareLine);
    }
    // A line break of the file's own kind ends a row wherever it stands: the
    // text after the row's last TAB is its next field. Empty lines between
    // rows are no rows.
    std::string lf = task1;
    std::replace(lf.begin(), lf.end(), '~', '\n');
    TaskTable cells;
    ASSERT_TRUE(LoadTaskFileBytes(
        "header\r\n\r\n" + lf + "\r\n\r\n" + "x\ty\t\x02z\r\n" + written2 + "\r\n" + spare + "\r\n\r\n",
        cells, Dates()));
    ASSERT_EQ(cells.RowCount(), 5);
    EXPECT_EQ(cells.Cell(kColDescription, 1), L"\x01А b");
    EXPECT_EQ(cells.Cell(kColTime, 2), L"y");
    EXPECT_EQ(cells.Cell(kColDescription, 2), L"\x02z");
    EXPECT_EQ(cells.Cell(kColMessage, 3), L"\x05|x y");
    EXPECT_EQ(GetRowCells(cells, 4), TaskCells{});
    // Mixed endings, and a file without a final line ending.
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes("header\r" + written1 + "\n" + written2 + "\r\n" + spare, grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(kColTime, 2), L"10:00:00");
    // A CR LF is one line ending, never an empty line between two.
    ASSERT_TRUE(LoadTaskFileBytes("header\r\n" + written1 + "\r\n" + spare + "\r\n", grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 3);
}

TEST(TaskFile, LineBreakInACellIsWrittenAsABlank) {
    TaskTable grid;
    AddTask(grid, L"*Ежедневно", L"9:00:00", L"\x02one\rtwo\nthree\r\nfour");
    const std::string bytes = TaskFileBytes(grid);
    TaskTable back;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, back, Dates()));
    ASSERT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.Cell(kColDescription, 1), L"\x02one two three  four");
    EXPECT_EQ(TaskFileBytes(back), bytes);
}

TEST(TaskFile, TwoLinesOrFewerLeaveTheGridAlone) {
    TaskTable grid;
    AddTask(grid, L"*Ежедневно", L"9:00:00", L"keep");
    EXPECT_FALSE(LoadTaskFileBytes(kHeaderLine + kSpareLine, grid, Dates()));
    EXPECT_FALSE(LoadTaskFileBytes("", grid, Dates()));
    EXPECT_FALSE(LoadTaskFileBytes(kHeaderLine + "\xA0\t \xA0\t\r\n", grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(kColDescription, 1), L"keep");
}

TEST(TaskFile, ExtraFieldsAndTextAfterTheTenthTabAreIgnored) {
    // A row cut short by the end of the file keeps what it holds: the text
    // after its last TAB is its next field.
    const std::string bytes =
        "ignored header\r\n"
        "*a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl\tm\r\n"
        "*x\t9:00:00\tdesc\t\t\t\t\t\t\t\tno tab at the end\r\n" +
        kSpareLine + "*y\t8:00:00\t\x02last\tcut short";
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 5) << "the spare row between the rows is no row";
    EXPECT_EQ(grid.Cell(kColDescription, 3), L"\x02last");
    EXPECT_EQ(grid.Cell(kColMessage, 3), L"\x01\"cut short\"") << "a message typed by hand";
    EXPECT_EQ(grid.Cell(0, 0), L"") << "the header row keeps the form's texts";
    EXPECT_EQ(grid.Cell(kColDay, 0), L"День");
    EXPECT_EQ(grid.Cell(kColDay, 1), L"*a");
    EXPECT_EQ(grid.Cell(kColNextRun, 1), L"j");
    EXPECT_EQ(grid.Cell(kColDescription, 2),
              L"\x02"
              L"desc");
    EXPECT_EQ(grid.Cell(kColMessage, 2), L"");
}

TEST(TaskFile, LastLineHoldingATaskGetsASpareRowBelow) {
    const std::string bytes = kHeaderLine +
                              "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x02\x61\t\t\t\t\t\t\t\t\r\n" +
                              "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t10:00:00\t\x02\x62\t\t\t\t\t\t\t\t";
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(kColDescription, 2),
              L"\x02"
              L"b");
    EXPECT_EQ(GetRowCells(grid, 3), TaskCells{});
}

TEST(TaskFile, SavedAndLoadedThroughAFile) {
    const auto path = std::filesystem::temp_directory_path() / "planner_task_file_test.tsk";
    TaskTable grid;
    AddTask(grid, L"20.03.2024", L"Выход", L"\x01Уход");
    SaveTaskFile(path, grid);
    TaskTable back;
    EXPECT_TRUE(LoadTaskFile(path, back, Dates()));
    EXPECT_EQ(back.Cell(kColDescription, 1), L"\x01Уход");
    EXPECT_EQ(base::ReadFileBytes(path), TaskFileBytes(grid));
    std::filesystem::remove(path);
    EXPECT_THROW(LoadTaskFile(path, back, Dates()), base::FileError);
}

TEST(TaskFile, RowsOfFewerFieldsEndAtTheFilesOwnLineEnd) {
    // Rows of nine TABs (a tool that leaves out the last field's TAB), rows an
    // editor trimmed after their last non-empty field, rows typed by hand: a
    // line end of the file's own kind (that of its header line) ends each, the
    // text after its last TAB is its next field, and its missing fields are
    // empty. A break of another kind before the tenth
    // TAB lies inside a cell and reads as a blank ('~' and '^' below).
    const std::vector<TaskCells> tasks = {
        Cells({L"*Ежедневно", L"09:00:00", L"\x02Зарядка", L"", L"", L"", L"", L"", L"", L"14.03.24 9:00"}),
        Cells({L"01.01.2030", L"10:00:00", L"\x01А~b", L"\x05|x^y", L"", L"", L"", L"", L"",
               L"01.01.30 10:00"}),
        Cells({L"*Месяцы:Янв,Июл; Числа:1", L"12:00:00", L"", L"\x03Т|z", L"*a.wav", L"", L"", L"", L"",
               L"01.07.24 12:00"}),
        Cells({L"*Ежемесячно; Дни:Пн", L"Через 01:00:00", L"\x02", L"", L"", L">C:\\a.exe", L"", L"",
               L"13.03.2024 8:00:00", L"18.03.24 8:00"}),
        Cells({L"02.01.2030", L"Выход", L"\x02~", L"", L"", L"", L"C:\\b.bmp", L"Выключить", L"Удаление",
               L"02.01.30 0:00"}),
    };
    const std::string byHand = base::ToCp1251(L"03.01.2030\t11:00:00\t\x02Вручную");
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        for (const bool trimmed : {false, true}) {
            const std::string name = testing::PrintToString(eol) + (trimmed ? " trimmed" : " nine TABs");
            const char lf = eol == "\r" ? '\n' : eol == "\n" ? '\r' : '\n';
            const char cr = eol == "\n" ? '\r' : eol == "\r" ? '\n' : '\r';
            std::string bytes = "header" + eol;
            for (std::size_t t = 0; t < tasks.size(); ++t) {
                std::string row = FullRow(tasks[t]);
                if (trimmed) {
                    row.erase(row.find_last_not_of("\t ") + 1);
                } else {
                    row.erase(row.size() - 1);  // nine TABs: the next run follows the last one
                }
                std::replace(row.begin(), row.end(), '~', lf);
                std::replace(row.begin(), row.end(), '^', cr);
                bytes += row + eol;
                if (t == 1) bytes += byHand + eol;
            }
            bytes += (trimmed ? "" : "\t\t\t\t\t\t\t\t\t") + eol;  // the spare row
            TaskTable grid;
            ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates())) << name;
            ASSERT_EQ(grid.RowCount(), 8) << name;
            for (int r = 1, t = 0; r <= 6; ++r) {
                if (r == 3) {
                    EXPECT_EQ(grid.Cell(kColDay, r), L"03.01.2030") << name;
                    EXPECT_EQ(grid.Cell(kColDescription, r), L"\x02Вручную") << name;
                    EXPECT_EQ(grid.Cell(kColMessage, r), L"") << name;
                    continue;
                }
                TaskCells expected = tasks[static_cast<std::size_t>(t++)];
                for (std::wstring& cell : expected)
                    std::replace_if(
                        cell.begin(), cell.end(), [](wchar_t ch) { return ch == L'~' || ch == L'^'; }, L' ');
                EXPECT_EQ(GetRowCells(grid, r), expected) << name << " row " << r;
            }
            EXPECT_EQ(GetRowCells(grid, 7), TaskCells{}) << name;
        }
    }
}

TEST(TaskFile, LineOfBlanksHoldsNoTask) {
    // Blank lines, spare rows and lines of blanks between the rows are no
    // rows: they neither become tasks nor run on into the row below.
    const std::string task1 = FullRow(Cells({L"*Ежедневно", L"09:00:00", L"\x02один"}));
    const std::string task2 = FullRow(Cells({L"*Месяцы:Янв,Июл; Числа:1", L"12:00:00", L"\x02два"}));
    const std::string task3 = FullRow(Cells({L"01.01.2030", L"10:00:00", L"\x02три"}));
    // No-break spaces (byte A0) are blanks too, in a line of their own or
    // mixed with spaces in the cells of a row.
    const std::string noBreak = "\xA0\xA0\xA0";
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        const std::string bytes = "header" + eol + task1 + eol + "    " + eol + noBreak + eol + task2 + eol +
                                  "\t\t\t\t\t\t\t\t\t\t" + eol + " \t \t" + eol + eol + task3 + eol +
                                  "\xA0 \t\t \xA0\t" + eol + "\t\t\t\t\t\t\t\t\t\t" + eol;
        TaskTable grid;
        ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates())) << testing::PrintToString(eol);
        ASSERT_EQ(grid.RowCount(), 5) << testing::PrintToString(eol);
        EXPECT_EQ(GetRowCells(grid, 1), Cells({L"*Ежедневно", L"09:00:00", L"\x02один"}));
        EXPECT_EQ(GetRowCells(grid, 2), Cells({L"*Месяцы:Янв,Июл; Числа:1", L"12:00:00", L"\x02два"}));
        EXPECT_EQ(GetRowCells(grid, 3), Cells({L"01.01.2030", L"10:00:00", L"\x02три"}));
        EXPECT_EQ(GetRowCells(grid, 4), TaskCells{});
    }
    // A file of nothing but blank rows below its header leaves the grid as it is.
    TaskTable grid;
    AddTask(grid, L"*Ежедневно", L"9:00:00", L"keep");
    EXPECT_FALSE(LoadTaskFileBytes(kHeaderLine + kSpareLine + "    \r\n" + noBreak + "\r\n" + kSpareLine,
                                   grid, Dates()));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(kColDescription, 1), L"keep");
}

TEST(TaskFile, HeaderAndOneTaskWithoutSpareRowIsLoaded) {
    // Any row that is not blank is kept, the last one too, whether or not it
    // has anything to do: a row of a date and a time alone, a row of one
    // cell, a row of any one field alone. A description or a message typed by
    // hand (no flag character first) is read as the whole cell's text and
    // written in the program's own form: the description with the flag of
    // one typed in the editor, the message shown in a window, its title
    // before the first "|", its text one line as typed.
    const TaskCells task = Cells({L"01.01.2030", L"10:00:00", L"\x02одна", L"\x05|x"});
    const TaskCells dateAndTime = Cells({L"01.01.2030", L"10:00:00"});
    const TaskCells oneCell = Cells({L"a", L"b"});
    std::string nineTabs = FullRow(task);
    nineTabs.pop_back();
    struct File {
        std::string bytes;
        TaskCells row;
    };
    std::vector<File> files = {
        {kHeaderLine + FullRow(task) + "\r\n", task},
        {kHeaderLine + FullRow(task), task},
        {kHeaderLine + nineTabs + "\r\n", task},
        {kHeaderLine + nineTabs, task},
        {kHeaderLine + FullRow(dateAndTime) + "\r\n", dateAndTime},
        {kHeaderLine + "01.01.2030\t10:00:00", dateAndTime},
        {kHeaderLine + "a\tb\t\r\n", oneCell},
        {kHeaderLine +
             base::ToCp1251(L"01.01.2030\t10:00:00\tНе забыть полис\tПолис|Не забыть \"полис\"\r\n"),
         Cells(
             {L"01.01.2030", L"10:00:00", L"\x02Не забыть полис", L"\x01Полис|\"Не забыть \"\"полис\"\"\""})},
        {kHeaderLine + base::ToCp1251(L"01.01.2030\t10:00:00\t\tНе забыть полис|a|b\r\n"),
         Cells({L"01.01.2030", L"10:00:00", L"", L"\x01Не забыть полис|a|b"})},
        {kHeaderLine + base::ToCp1251(L"01.01.2030\t10:00:00\t\tНе забыть полис\r\n"),
         Cells({L"01.01.2030", L"10:00:00", L"", L"\x01\"Не забыть полис\""})},
        {kHeaderLine + base::ToCp1251(L"\t\t\tПолис|\r\n"), Cells({L"", L"", L"", L"\x01Полис|"})}};
    for (int c = kColDay; c < kTaskColCount; ++c) {
        TaskCells one;
        one[static_cast<std::size_t>(c)] = L"\x02поле";
        files.push_back({kHeaderLine + FullRow(one) + "\r\n", one});
    }
    for (const auto& [bytes, row] : files) {
        TaskTable grid;
        AddTask(grid, L"*Ежедневно", L"9:00:00", L"form");
        ASSERT_TRUE(LoadTaskFileBytes(bytes, grid, Dates())) << testing::PrintToString(bytes);
        ASSERT_EQ(grid.RowCount(), 3) << testing::PrintToString(bytes);
        EXPECT_EQ(GetRowCells(grid, 1), row) << testing::PrintToString(bytes);
        EXPECT_EQ(GetRowCells(grid, 2), TaskCells{}) << "a spare row is added below the task";
        EXPECT_EQ(TaskFileBytes(grid), kHeaderLine + FullRow(row) + "\r\n" + kSpareLine);
        TaskTable back;
        ASSERT_TRUE(LoadTaskFileBytes(TaskFileBytes(grid), back, Dates()));
        EXPECT_EQ(GetRowCells(back, 1), row) << "written, it reads back the same";
    }
    // The same last row below other tasks, with or without the spare row after it.
    for (const std::string& spare : {std::string(), kSpareLine}) {
        TaskTable grid;
        ASSERT_TRUE(LoadTaskFileBytes(
            kHeaderLine + FullRow(task) + "\r\n" + FullRow(dateAndTime) + "\r\n" + spare, grid, Dates()));
        ASSERT_EQ(grid.RowCount(), 4) << testing::PrintToString(spare);
        EXPECT_EQ(GetRowCells(grid, 1), task);
        EXPECT_EQ(GetRowCells(grid, 2), dateAndTime);
        EXPECT_EQ(GetRowCells(grid, 3), TaskCells{});
    }
}

TEST(TaskFile, FirstLineIsTheHeaderUnlessPlainlyATask) {
    // A file made without its header line (by hand, by another tool) keeps
    // its first task: a first line whose day cell (blanks trimmed) begins
    // with "*" or reads as a date, or whose time cell reads as a time, an
    // interval, "Запуск" or "Выход", is a task. Any other first line is the
    // header, not read back, the program's own, an edited or a foreign one
    // alike. Empty lines and lines of blanks before the first line with text
    // are no lines.
    const TaskCells second = Cells({L"*Ежемесячно; Дни:Пн", L"12:00:00", L"\x02четыре"});
    const std::string header = kHeaderLine.substr(0, kHeaderLine.size() - 2);
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        for (const TaskCells& first :
             {Cells({L"*Ежедневно", L"09:00:00", L"\x02один"}),
              Cells({L"01.01.2030", L"10:00:00", L"\x02два"}), Cells({L"15.03", L"11:00:00", L"\x02три"}),
              Cells({L" *Ежедневно", L"x", L"\x02пять"}), Cells({L" 15.01.2030 ", L"x", L"\x02шесть"}),
              Cells({L"", L" 9:00:00 ", L"\x02семь"}), Cells({L"Пн", L"Через 01:00:00", L"\x02восемь"}),
              Cells({L"Ежедневно", L"1Через 00:10:00", L"\x02девять"}),
              Cells({L"", L"Запуск", L"\x02десять"}), Cells({L"день", L"Выход", L"\x02одиннадцать"})}) {
            std::string nineTabs = FullRow(first);
            nineTabs.pop_back();
            for (const std::string& row :
                 {FullRow(first), nineTabs, eol + " \xA0\t" + eol + FullRow(first)}) {
                const std::string name = testing::PrintToString(eol + row);
                TaskTable grid;
                ASSERT_TRUE(LoadTaskFileBytes(row + eol + FullRow(second) + eol + kSpareLine, grid, Dates()))
                    << name;
                ASSERT_EQ(grid.RowCount(), 4) << name;
                EXPECT_EQ(GetRowCells(grid, 1), first) << name;
                EXPECT_EQ(GetRowCells(grid, 2), second) << name;
                EXPECT_EQ(TaskFileBytes(grid),
                          kHeaderLine + FullRow(first) + "\r\n" + FullRow(second) + "\r\n" + kSpareLine)
                    << "written back below the header";
                // A file of that one row.
                ASSERT_TRUE(LoadTaskFileBytes(row, grid, Dates())) << name;
                ASSERT_EQ(grid.RowCount(), 3) << name;
                EXPECT_EQ(GetRowCells(grid, 1), first) << name;
            }
        }
        // Headers: the program's, edited, foreign, with blank lines before
        // it, empty lines; first cells that are no date nor schedule (no
        // such month, a year alone) beside a time cell that is empty, a
        // keyword with a blank before it (which the planner does not read),
        // an interval that is no time.
        for (const std::string& line :
             {header, eol + "  " + eol + "\xA0" + eol + header, base::ToCp1251(L"День недели\tВремя\t"),
              std::string("Day\tTime\tDescription\t"), std::string("header"), std::string(),
              std::string("\t\t\t\t\t\t\t\t\t\t"), std::string("01.13.2030\t\t\x02x\t"),
              base::ToCp1251(L"2030\t Запуск\t\x02x\t"), base::ToCp1251(L"Пн\tЧерез час\t\x02x\t")}) {
            const std::string name = testing::PrintToString(line + eol);
            TaskTable grid;
            ASSERT_TRUE(LoadTaskFileBytes(line + eol + FullRow(second) + eol + kSpareLine, grid, Dates()))
                << name;
            ASSERT_EQ(grid.RowCount(), 3) << name;
            EXPECT_EQ(GetRowCells(grid, 1), second) << name;
        }
    }
    // A date in the short date format of the system only.
    TaskTable grid;
    base::FormatSettings us = Fs();
    us.ShortDateFormat = L"M/d/yyyy";
    us.DateSeparator = L'/';
    ASSERT_TRUE(LoadTaskFileBytes("1/31/2030\tx\t\x02y\t\r\n" + FullRow(second) + "\r\n", grid,
                                  ScheduleCellReader(us, At(2024, 3, 14))));
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(kColDay, 1), L"1/31/2030");
    ASSERT_TRUE(LoadTaskFileBytes("01.01.2030\tx\t\x02y\t\r\n" + FullRow(second) + "\r\n", grid,
                                  ScheduleCellReader(us, At(2024, 3, 14))));
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(GetRowCells(grid, 1), second);
}
