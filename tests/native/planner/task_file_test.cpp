#include "planner/task_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/codec.h"
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
    ASSERT_TRUE(LoadTaskFileBytes(expected, back));
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
    ASSERT_TRUE(LoadTaskFileBytes(TaskFileBytes(grid), back));
    ASSERT_EQ(back.RowCount(), grid.RowCount());
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < kTaskColCount; ++c) EXPECT_EQ(back.Cell(c, r), grid.Cell(c, r)) << r << "," << c;
}

TEST(TaskFile, LinesEndAtCrLfLfOrCr) {
    // Saved by an editor of another system: every line ending reads the same.
    // A row is ten fields, each ended by a TAB: a lone line break before the
    // tenth TAB lies inside a cell and reads as the blank the writer makes of it.
    const std::string task1 = "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x01\xc0\nb\t\t\t\t\t\t\t\t";
    const std::string task2 = "01.01.2030\t10:00:00\t\x03\xc1\t\x05|x\ry\t\t\t\t\t\t\t";
    const std::string written1 = "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x01\xc0 b\t\t\t\t\t\t\t\t";
    const std::string written2 = "01.01.2030\t10:00:00\t\x03\xc1\t\x05|x y\t\t\t\t\t\t\t";
    const std::string spare = "\t\t\t\t\t\t\t\t\t\t";
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        const std::string bytes = "header" + eol + task1 + eol + task2 + eol + spare + eol;
        TaskTable grid;
        ASSERT_TRUE(LoadTaskFileBytes(bytes, grid)) << testing::PrintToString(eol);
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
    // A CR LF inside a cell is two blanks; empty lines between rows are no rows.
    TaskTable cells;
    ASSERT_TRUE(LoadTaskFileBytes(
        "header\r\n\r\n" + task1 + "\r\n\r\n" + "x\ty\t\x02z\r\nw\t\t\t\t\t\t\t\t\r\n" + spare + "\r\n\r\n",
        cells));
    ASSERT_EQ(cells.RowCount(), 4);
    EXPECT_EQ(cells.Cell(kColDescription, 1), L"\x01А b");
    EXPECT_EQ(cells.Cell(kColDescription, 2), L"\x02z  w");
    EXPECT_EQ(GetRowCells(cells, 3), TaskCells{});
    // Mixed endings, and a file without a final line ending.
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes("header\r" + task1 + "\n" + task2 + "\r\n" + spare, grid));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(kColTime, 2), L"10:00:00");
    // A CR LF is one line ending, never an empty line between two.
    ASSERT_TRUE(LoadTaskFileBytes("header\r\n" + task1 + "\r\n" + spare + "\r\n", grid));
    EXPECT_EQ(grid.RowCount(), 3);
}

TEST(TaskFile, LineBreakInACellIsWrittenAsABlank) {
    TaskTable grid;
    AddTask(grid, L"*Ежедневно", L"9:00:00", L"\x02one\rtwo\nthree\r\nfour");
    const std::string bytes = TaskFileBytes(grid);
    TaskTable back;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, back));
    ASSERT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.Cell(kColDescription, 1), L"\x02one two three  four");
    EXPECT_EQ(TaskFileBytes(back), bytes);
}

TEST(TaskFile, TwoLinesOrFewerLeaveTheGridAlone) {
    TaskTable grid;
    AddTask(grid, L"*Ежедневно", L"9:00:00", L"keep");
    EXPECT_FALSE(LoadTaskFileBytes(kHeaderLine + kSpareLine, grid));
    EXPECT_FALSE(LoadTaskFileBytes("", grid));
    EXPECT_FALSE(LoadTaskFileBytes(kHeaderLine + "a\tb\t\r\n", grid));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(kColDescription, 1), L"keep");
}

TEST(TaskFile, ExtraFieldsAndTextAfterTheLastTabAreIgnored) {
    const std::string bytes =
        "ignored header\r\n"
        "*a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl\tm\r\n"
        "*x\t9:00:00\tdesc\t\t\t\t\t\t\t\tno tab at the end\r\n" +
        kSpareLine + "*y\t8:00:00\t\x02last\tcut short";
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, grid));
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(kColDescription, 4), L"\x02last");
    EXPECT_EQ(grid.Cell(kColMessage, 4), L"");
    EXPECT_EQ(grid.Cell(0, 0), L"") << "the header row keeps the form's texts";
    EXPECT_EQ(grid.Cell(kColDay, 0), L"День");
    EXPECT_EQ(grid.Cell(kColDay, 1), L"*a");
    EXPECT_EQ(grid.Cell(kColNextRun, 1), L"j");
    EXPECT_EQ(grid.Cell(kColDescription, 2), L"desc");
    EXPECT_EQ(grid.Cell(kColMessage, 2), L"");
}

TEST(TaskFile, LastLineHoldingATaskGetsASpareRowBelow) {
    const std::string bytes = kHeaderLine +
                              "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t9:00:00\t\x02\x61\t\t\t\t\t\t\t\t\r\n" +
                              "*\xc5\xe6\xe5\xe4\xed\xe5\xe2\xed\xee\t10:00:00\t\x02\x62\t\t\t\t\t\t\t\t";
    TaskTable grid;
    ASSERT_TRUE(LoadTaskFileBytes(bytes, grid));
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
    EXPECT_TRUE(LoadTaskFile(path, back));
    EXPECT_EQ(back.Cell(kColDescription, 1), L"\x01Уход");
    EXPECT_EQ(base::ReadFileBytes(path), TaskFileBytes(grid));
    std::filesystem::remove(path);
    EXPECT_THROW(LoadTaskFile(path, back), base::FileError);
}
