// FileLists.txt as lines.
#include <gtest/gtest.h>

#include "core/file_lists.h"

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
