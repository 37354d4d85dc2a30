#include "planner/task_actions.h"

#include <gtest/gtest.h>

#include <set>

using namespace planner;

TEST(ListSteps, InOrderCyclesThroughTheList) {
    EXPECT_EQ(NextListIndex(L'>', 0, 3, 0), 1);
    EXPECT_EQ(NextListIndex(L'>', 1, 3, 0), 2);
    EXPECT_EQ(NextListIndex(L'>', 2, 3, 0), 0);
    EXPECT_EQ(NextListIndex(L'>', 0, 1, 0), 0);
}

TEST(ListSteps, RandomPicksAnotherItemWhenThereAreTwoOrMore) {
    EXPECT_EQ(NextListIndex(L'*', 0, 1, 12345), 0) << "one sound plays again";
    std::set<int> seen;
    for (long long seed = 1000; seed < 1100; ++seed) {
        const int k = NextListIndex(L'*', 2, 5, seed);
        EXPECT_NE(k, 2);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 5);
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(NextListIndex(L'*', 0, 2, 77), 1);
    EXPECT_EQ(RandomBelow(0, 5), 0);
    EXPECT_EQ(RandomBelow(10, 5), RandomBelow(10, 5)) << "same seed, same pick";
}

TEST(ListSteps, MissingItemIsAddedAndUsed) {
    base::StringList list{L"a.wav", L"b.wav"};
    ListStep step = StepList(list, L'>', L"B.WAV", 0);
    EXPECT_EQ(step.current, 1) << "found ignoring case";
    EXPECT_EQ(step.next, 0);
    step = StepList(list, L'>', L"c.wav", 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(step.current, 2);
    EXPECT_EQ(step.next, 0);
}

TEST(FileItems, PathAndParameters) {
    EXPECT_EQ(SplitFileItem(L"notepad.exe|C:\\a.txt").path, L"notepad.exe");
    EXPECT_EQ(SplitFileItem(L"notepad.exe|C:\\a.txt").parameters, L"C:\\a.txt");
    EXPECT_EQ(SplitFileItem(L"a|b|c").parameters, L"b|c");
    EXPECT_EQ(SplitFileItem(L"C:\\x.doc").path, L"C:\\x.doc");
    EXPECT_EQ(SplitFileItem(L"C:\\x.doc").parameters, L"");
}

TEST(Pictures, JpegIsKnownByItsExtension) {
    EXPECT_TRUE(IsJpegPath(L"C:\\Pics\\forest.JPG"));
    EXPECT_TRUE(IsJpegPath(L"forest.jpeg"));
    EXPECT_FALSE(IsJpegPath(L"forest.bmp"));
    EXPECT_FALSE(IsJpegPath(L"forest.png"));
    EXPECT_FALSE(IsJpegPath(L"C:\\my.jpg\\forest"));
}

TEST(TaskMessages, SplitFirstThenExpandEachPart) {
    auto expand = [](const std::wstring& s) {
        std::wstring out = s;
        const size_t at = out.find(L"<la>");
        if (at != std::wstring::npos) out.replace(at, 4, L"9:00 Обед, суп\r\n12:00 Встреча");
        return out;
    };
    const TaskMessage m = PrepareTaskMessage(L"\x03Список|\"Сегодня:\",<la>", expand);
    EXPECT_EQ(m.flags, 3);
    EXPECT_EQ(m.title, L"Список");
    EXPECT_EQ(m.text, L"Сегодня:\r\n9:00 Обед, суп\r\n12:00 Встреча");

    const TaskMessage plain = PrepareTaskMessage(L"\x01Обед", expand);
    EXPECT_EQ(plain.title, L"");
    EXPECT_EQ(plain.text, L"Обед");
    EXPECT_EQ(PrepareTaskMessage(L"", expand).flags, 0);
}

TEST(ComputerActions, ItemsAndKinds) {
    EXPECT_EQ(ComputerActionIndex(L"Выключить монитор"), kActionMonitorOff);
    EXPECT_EQ(ComputerActionIndex(L"Перейти в ждущий режим"), kActionStandBy);
    EXPECT_EQ(ComputerActionIndex(L"Сварить кофе"), -1);
    EXPECT_EQ(ComputerActionIndex(L""), kActionNone);
    EXPECT_EQ(ShutdownKindOf(kActionLogOff), 1);
    EXPECT_EQ(ShutdownKindOf(kActionStandBy), 6);
    EXPECT_EQ(ShutdownKindOf(kActionMonitorOff), 0);
}
