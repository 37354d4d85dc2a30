// FileLists.txt, TasksList.tsk and WindowsWorkLog.txt as lines.
#include <gtest/gtest.h>

#include "core/data_files.h"

using namespace core;

TEST(FileLists, EmptyListsGiveAnEmptyFile) {
    FileLists lists;
    lists.hotKeys = {{L"", L"Клавиши", L"Действие"}, {L"", L"", L""}};
    EXPECT_EQ(BuildFileLists(lists).Count(), 0);
}

TEST(FileLists, BlocksInFixedOrderOnlyWhenFilled) {
    FileLists lists;
    lists.pictures = {L"C:\\a.jpg"};
    lists.servers = {L"time.nist.gov", L"ntp"};
    lists.hotKeys = {
        {L"", L"Клавиши", L"Действие"}, {L"1", L"Ctrl+Alt+H", L"Показать/Свернуть окно"}, {L"a", L"b", L"c"}};
    const base::StringList lines = BuildFileLists(lists);
    EXPECT_EQ(lines,
              (base::StringList{L"[Servers]", L"time.nist.gov", L"ntp", L"[Pictures]", L"C:\\a.jpg",
                                L"[HotKeys]", L"1\tCtrl+Alt+H\tПоказать/Свернуть окно\t", L"a\tb\tc\t"}));
}

TEST(FileLists, ReadBackReplacesServersAppendsOthers) {
    FileLists lists;
    lists.servers = {L"built-in"};
    lists.sounds = {L"form.wav"};
    lists.hotKeys = {{L"", L"Клавиши", L"Действие"}, {L"", L"", L""}};
    const base::StringList lines{L"ignored before any block",
                                 L"[Servers]",
                                 L"s1",
                                 L"[Unknown]",
                                 L"",
                                 L"[Sounds]",
                                 L"x.wav",
                                 L"[sounds]",
                                 L"[HotKeys]",
                                 L"1\tA\tB\t",
                                 L"2\tC\tD\tdropped",
                                 L"3\tE\t"};
    ApplyFileLists(lines, lists);
    EXPECT_EQ(lists.servers, (std::vector<std::wstring>{L"s1", L"[Unknown]", L""}));
    EXPECT_EQ(lists.sounds, (std::vector<std::wstring>{L"form.wav", L"x.wav", L"[sounds]"}));
    ASSERT_EQ(lists.hotKeys.size(), 4u);
    EXPECT_EQ(lists.hotKeys[1], (GridRow{L"1", L"A", L"B"}));
    EXPECT_EQ(lists.hotKeys[2], (GridRow{L"2", L"C", L"D"}));
    EXPECT_EQ(lists.hotKeys[3], (GridRow{L"3", L"E", L""}));
}

TEST(FileLists, RoundTrip) {
    FileLists lists;
    lists.runFiles = {L"notepad.exe", L"C:\\Мои документы\\план.doc"};
    lists.hotKeys = {
        {L"", L"Клавиши", L"Действие"}, {L"1", L"Ctrl+Alt+H", L"x"}, {L"13", L"Ctrl+Alt+S", L"y"}};
    FileLists back;
    back.hotKeys = {{L"", L"Клавиши", L"Действие"}, {L"", L"", L""}};
    ApplyFileLists(BuildFileLists(lists), back);
    EXPECT_EQ(back.runFiles, lists.runFiles);
    EXPECT_EQ(back.hotKeys, lists.hotKeys);
}

TEST(TaskFile, WritesColumnsOneOnAndReadsOnlyLongFiles) {
    GridRows grid(3, GridRow(11));
    grid[0][1] = L"День";
    grid[1] = {L"->", L"01.01.2025", L"10:00", L"0desc", L"", L"", L"", L"", L"", L"", L"01.01.2025 10:00"};
    const base::StringList lines = BuildTaskFile(grid);
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[1], L"01.01.2025\t10:00\t0desc\t\t\t\t\t\t\t01.01.2025 10:00\t");
    EXPECT_EQ(lines[2], std::wstring(10, L'\t'));

    GridRows form(2, GridRow(11));
    form[1][3] = L"kept";
    EXPECT_FALSE(ApplyTaskFile(base::StringList{L"h", L"x\t"}, form));
    EXPECT_EQ(form.size(), 2u);
    EXPECT_EQ(form[1][3], L"kept");

    GridRows back(2, GridRow(11));
    EXPECT_TRUE(ApplyTaskFile(lines, back));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1][1], L"01.01.2025");
    EXPECT_EQ(back[1][10], L"01.01.2025 10:00");
    EXPECT_EQ(back[1][0], L"");  // the due mark is not stored
    EXPECT_EQ(back[0][1], L"");  // the header line is not read back
}

TEST(TaskFile, ExitTasks) {
    const double today = 45000.5;
    EXPECT_TRUE(IsExitTaskDue(L"Выход", 45000.0, today));
    EXPECT_FALSE(IsExitTaskDue(L"Выход", 45001.0, today));
    EXPECT_FALSE(IsExitTaskDue(L"ВЫХОД", 45000.0, today));  // Cyrillic case counts
    EXPECT_FALSE(IsExitTaskDue(L"Запуск", 45000.0, today));
    EXPECT_EQ(DoneCellAfterRun(L"Удаление", L"now"), L"Удалить");
    EXPECT_EQ(DoneCellAfterRun(L"", L"01.01.2025 10:00:00"), L"01.01.2025 10:00:00");
}

TEST(WorkLog, LinesLimitAndSplit) {
    GridRows grid{{L"", L"Время запуска", L"Время работы"}, {L"1", L"01.01.2025 9:00:00", L"1:00:00"}};
    EXPECT_EQ(BuildWorkLogFile(grid),
              (base::StringList{L"Время запуска\tВремя работы", L"01.01.2025 9:00:00\t1:00:00"}));

    base::StringList lines{L"header"};
    for (int i = 1; i <= 10; ++i) lines.Add(std::to_wstring(i));
    LimitWorkLogLines(lines, true, 3);
    EXPECT_EQ(lines, (base::StringList{L"header", L"9", L"10"}));
    LimitWorkLogLines(lines, true, 0);
    EXPECT_EQ(lines, (base::StringList{L"header"}));

    EXPECT_EQ(SplitWorkLogLine(L"a\tb\tc"), std::make_pair(std::wstring(L"a"), std::wstring(L"b\tc")));
    EXPECT_EQ(SplitWorkLogLine(L"no tab"), std::make_pair(std::wstring(), std::wstring(L"no tab")));
}
