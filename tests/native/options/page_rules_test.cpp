// Rules of the main and window pages and of the about box.
#include <gtest/gtest.h>

#include "options/about_rules.h"
#include "options/page_rules.h"

using namespace options;

TEST(PageRules, TransparencyLabelInWholePercent) {
    EXPECT_EQ(TransparencyLabel(255), L"Уровень прозрачности: 100%");
    EXPECT_EQ(TransparencyLabel(1), L"Уровень прозрачности: 0%");
    EXPECT_EQ(TransparencyLabel(75), L"Уровень прозрачности: 29%");
}

TEST(PageRules, StandardCursorTextAndSpinEditKeys) {
    EXPECT_TRUE(IsStandardCursorText(L""));
    EXPECT_TRUE(IsStandardCursorText(L"Стандартный"));
    EXPECT_FALSE(IsStandardCursorText(L"СТАНДАРТНЫЙ"));  // only Latin letters fold
    EXPECT_FALSE(IsStandardCursorText(L"C:\\a.cur"));
    for (wchar_t k : {L'0', L'5', L'9', wchar_t(8)}) EXPECT_TRUE(SpinEditAcceptsKey(k));
    for (wchar_t k : {L'a', L'-', L' ', L'.', L'я', wchar_t(13)}) EXPECT_FALSE(SpinEditAcceptsKey(k));
}

TEST(PageRules, ScalePercentShowsEveryStoredTwoDecimalScale) {
    // As read back from the settings file (a double held in single precision)
    // and as stored from the bar (position * 0.01).
    for (int percent = 1; percent <= 1000; ++percent) {
        ASSERT_EQ(ScalePercent(static_cast<float>(percent / 100.0)), percent);
        ASSERT_EQ(ScalePercent(static_cast<float>(percent * 0.01)), percent);
    }
    EXPECT_EQ(ScalePercent(1.5f), 150);
}

TEST(AboutRules, VersionTexts) {
    const FileVersion v = VersionFromFixedInfo((2u << 16) | 2u, (1u << 16) | 1120u);
    EXPECT_EQ(v.major, 2);
    EXPECT_EQ(v.build, 1120);
    EXPECT_EQ(VersionCaption(v, L"07.12.2026"), L"Версия: 2.21 (07.12.2026)");
    EXPECT_EQ(BuildCaption(v), L"Сборка: 1120");
}

TEST(AboutRules, TextScrollsUpAndComesBackFromBelow) {
    CommentsScroller s(100, 40);
    EXPECT_EQ(s.Offset(), -40);
    int shown = 0;
    EXPECT_FALSE(s.Tick(shown));  // still below the view: drawn directly
    EXPECT_EQ(shown, -40);
    EXPECT_EQ(s.Offset(), -39);
    s.SetOffset(0);
    EXPECT_TRUE(s.Tick(shown));  // inside the bar's range 0..60
    s.SetOffset(60);
    EXPECT_TRUE(s.Tick(shown));
    EXPECT_FALSE(s.Tick(shown));  // 61: past the bar, drawn directly
    s.SetOffset(101);
    s.Tick(shown);  // past the end: from below again
    EXPECT_EQ(shown, -40);
}

TEST(AboutRules, DraggingPastEitherEndContinuesFromTheOther) {
    CommentsScroller s(100, 40);
    s.SetOffset(90);
    s.DragTo(0);  // not dragging: nothing moves
    EXPECT_EQ(s.Offset(), 90);
    s.StartDrag(50);
    s.DragTo(45);  // mouse up 5: text up 5
    EXPECT_EQ(s.Offset(), 95);
    s.DragTo(30);  // 110 > 100: wraps to the bottom, the drag starts anew here
    EXPECT_EQ(s.Offset(), -40);
    s.DragTo(25);
    EXPECT_EQ(s.Offset(), -35);
    s.DragTo(40);  // -50 < -40: wraps to the end
    EXPECT_EQ(s.Offset(), 100);
    s.ShiftDragStart(10);
    s.DragTo(50);
    EXPECT_EQ(s.Offset(), 100);
    s.EndDrag();
    EXPECT_FALSE(s.Dragging());
}
