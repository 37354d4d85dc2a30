#include "components/tray_icon_rules.h"

#include <gtest/gtest.h>

using namespace trayicon;
using Steps = std::vector<Step>;

namespace {
constexpr unsigned kMove = 0x200, kLDown = 0x201, kLUp = 0x202, kLDbl = 0x203, kRDown = 0x204, kRUp = 0x205,
                   kRDbl = 0x206, kMDown = 0x207, kMUp = 0x208, kMDbl = 0x209;
}

TEST(TrayMouse, DoubleClickOfAnyButtonRestoresASingleClickOnlyClicks) {
    for (unsigned msg : {kLDbl, kRDbl, kMDbl}) {
        const Steps steps = StepsForMouseMessage(msg, imDoubleClick, imNone, true);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.front(), (Step{Step::Restore})) << msg;
        EXPECT_EQ(steps.back(), (Step{Step::DblClick})) << msg;
    }
    EXPECT_EQ(StepsForMouseMessage(kLUp, imDoubleClick, imNone, true),
              (Steps{{Step::Click}, {Step::MouseUp, kLeft}}));
    EXPECT_EQ(StepsForMouseMessage(kLDown, imDoubleClick, imNone, true), (Steps{{Step::MouseDown, kLeft}}));
}

TEST(TrayMouse, ReleasingOrPressingRestoresWhenChosen) {
    for (auto [msg, button] : {std::pair{kLUp, kLeft}, {kRUp, kRight}, {kMUp, kMiddle}}) {
        const Steps steps = StepsForMouseMessage(msg, imMouseUp, imNone, false);
        EXPECT_EQ(steps, (Steps{{Step::Restore}, {Step::MouseUp, button}})) << msg;
    }
    for (auto [msg, button] : {std::pair{kLDown, kLeft}, {kRDown, kRight}, {kMDown, kMiddle}}) {
        const Steps steps = StepsForMouseMessage(msg, imMouseDown, imNone, false);
        EXPECT_EQ(steps, (Steps{{Step::Restore}, {Step::MouseDown, button}})) << msg;
    }
}

TEST(TrayMouse, ButtonSpecificChoicesComeAfterTheEvents) {
    EXPECT_EQ(StepsForMouseMessage(kRUp, imNone, imRightClickUp, true),
              (Steps{{Step::MouseUp, kRight}, {Step::ShowMenu}}));
    EXPECT_EQ(StepsForMouseMessage(kLUp, imLeftClickUp, imClick, true),
              (Steps{{Step::ShowMenu}, {Step::Click}, {Step::MouseUp, kLeft}, {Step::Restore}}));
    EXPECT_EQ(StepsForMouseMessage(kRDbl, imRightDoubleClick, imNone, true),
              (Steps{{Step::DblClick}, {Step::Restore}}));
    EXPECT_EQ(StepsForMouseMessage(kLDbl, imRightDoubleClick, imLeftDoubleClick, true),
              (Steps{{Step::DblClick}, {Step::ShowMenu}}));
}

TEST(TrayMouse, ClicksAndMovesNeedTheClickEvent) {
    EXPECT_EQ(StepsForMouseMessage(kMove, imNone, imNone, true), (Steps{{Step::MouseMove}}));
    EXPECT_TRUE(StepsForMouseMessage(kMove, imNone, imNone, false).empty());
    EXPECT_EQ(StepsForMouseMessage(kLUp, imClick, imNone, false), (Steps{{Step::MouseUp, kLeft}}));
    EXPECT_TRUE(StepsForMouseMessage(0x20A, imMouseDown, imMouseUp, true).empty());
}

TEST(TrayAnimation, IndexRunsThroughTheIconsAndStartsOver) {
    int index = 0;
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        index = NextIconIndex(index, 3);
        seen.push_back(index);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_EQ(NextIconIndex(0, 0), 0);
    EXPECT_EQ(NextIconIndex(7, 3), 0);
}

TEST(TrayTexts, HintsUpTo63CharactersAndCutTexts) {
    EXPECT_TRUE(HintAccepted(std::wstring(63, L'ч')));
    EXPECT_FALSE(HintAccepted(std::wstring(64, L'ч')));
    EXPECT_TRUE(HintAccepted(L""));
    EXPECT_EQ(CutText(L"Напоминание", 4), L"Напо");
    EXPECT_EQ(CutText(L"abc", 10), L"abc");
}

TEST(TrayTexts, BalloonTitleIconOutsideTheKnownOnesIsNone) {
    EXPECT_EQ(BalloonTitleIcon(1), 1);
    EXPECT_EQ(BalloonTitleIcon(3), 3);
    EXPECT_EQ(BalloonTitleIcon(7), 0);
    EXPECT_EQ(BalloonTitleIcon(-1), 0);
}
