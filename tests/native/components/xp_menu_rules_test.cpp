#include "components/xp_menu_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace xpmenu;

TEST(MenuColors, NewColorLightensTowardsWhiteRoundingHalvesToEven) {
    EXPECT_EQ(NewColor(Rgb(0, 0, 0), 0), Rgb(0, 0, 0));
    EXPECT_EQ(NewColor(Rgb(0, 100, 255), 100), kWhite);
    EXPECT_EQ(NewColor(Rgb(10, 20, 30), 250), kWhite);  // more than 100 % is 100 %
    // 253 * 0.5 = 126.5 -> 126 (even), 255 * 0.5 = 127.5 -> 128 (even).
    EXPECT_EQ(NewColor(Rgb(2, 0, 2), 50), Rgb(128, 128, 128));
}

TEST(MenuColors, ShadeColorDarkensGreenTwoLessAndClamps) {
    EXPECT_EQ(ShadeColor(Rgb(100, 100, 100), 30), Rgb(70, 72, 70));
    EXPECT_EQ(ShadeColor(Rgb(10, 10, 10), 20), Rgb(0, 0, 0));
    EXPECT_EQ(ShadeColor(Rgb(240, 240, 240), -40), Rgb(255, 255, 255));
}

TEST(MenuColors, GrayColorIsTheLiftedMeanUpTo240) {
    EXPECT_EQ(GrayColor(Rgb(30, 60, 90), 10), Rgb(70, 70, 70));
    EXPECT_EQ(GrayColor(Rgb(200, 200, 200), 500), Rgb(240, 240, 240));
}

TEST(MenuColors, SystemColorsOnAHighColourScreen) {
    const SystemColors sys{Rgb(212, 208, 200), Rgb(10, 36, 106), Rgb(128, 128, 128)};
    const WorkingColors w = ComputeWorkingColors({}, sys, true, true);
    EXPECT_EQ(w.menuBack, NewColor(sys.btnFace, 86));
    EXPECT_EQ(w.iconBack, NewColor(sys.btnFace, 16));
    EXPECT_EQ(w.selectFill, NewColor(sys.highlight, 68));
    EXPECT_EQ(w.selectBorder, sys.highlight);
    EXPECT_EQ(w.checkedBorder, sys.highlight);
    EXPECT_EQ(w.menuBar, sys.btnFace);
    EXPECT_EQ(w.disabled, NewColor(sys.btnShadow, 10));
    EXPECT_EQ(w.separator, NewColor(sys.btnShadow, 25));
    EXPECT_EQ(w.tintLight, NewColor(sys.highlight, 75));
    EXPECT_EQ(w.tintDark, NewColor(sys.highlight, 50));
}

TEST(MenuColors, FewColoursFallBackToWhiteAndTheSystemColours) {
    const SystemColors sys{Rgb(212, 208, 200), Rgb(10, 36, 106), Rgb(128, 128, 128)};
    const WorkingColors w = ComputeWorkingColors({}, sys, false, true);
    EXPECT_EQ(w.menuBack, kWhite);
    EXPECT_EQ(w.iconBack, sys.btnFace);
    EXPECT_EQ(w.selectFill, kWhite);
    EXPECT_EQ(w.selectBorder, sys.highlight);
    EXPECT_EQ(w.disabled, sys.btnShadow);
    EXPECT_EQ(w.separator, sys.btnShadow);
    EXPECT_EQ(w.tintLight, kWhite);
    EXPECT_EQ(w.tintDark, kWhite);
}

TEST(MenuColors, OwnColoursWithoutSystemColours) {
    ColorProperties p;
    p.color = Rgb(1, 2, 3);
    p.select = Rgb(0, 0, 200);
    p.separator = Rgb(9, 9, 9);
    const WorkingColors high = ComputeWorkingColors(p, {}, true, false);
    EXPECT_EQ(high.menuBack, p.color);
    EXPECT_EQ(high.selectFill, p.select);
    EXPECT_EQ(high.separator, p.separator);
    EXPECT_EQ(high.tintLight, NewColor(p.select, 75));
    const WorkingColors low = ComputeWorkingColors(p, {}, false, false);
    EXPECT_EQ(low.tintLight, kWhite);
    EXPECT_EQ(low.tintDark, kSilver);
}

TEST(MenuGradient, ThreePerColumnOverTheIconColumnThenOneUpTo96) {
    EXPECT_EQ(GradientLevel(0, 24), 0);
    EXPECT_EQ(GradientLevel(1, 24), 3);
    EXPECT_EQ(GradientLevel(28, 24), 84);
    EXPECT_EQ(GradientLevel(29, 24), 87);
    EXPECT_EQ(GradientLevel(30, 24), 88);
    EXPECT_EQ(GradientLevel(38, 24), 96);
    EXPECT_EQ(GradientLevel(300, 24), 96);
}

TEST(MenuMeasure, SeparatorIsFourHighWhateverItsImage) {
    ItemMeasure m;
    m.separator = true;
    m.imageHeight = 32;
    m.textHeight = 13;
    int w = 5, h = 40;
    MeasureItem(m, w, h);
    EXPECT_EQ(h, 4);
    EXPECT_EQ(w, 5);
}

TEST(MenuMeasure, WidthLeavesOutTheAmpersandAndKeepsTheIconColumn) {
    ItemMeasure m;
    m.textWidth = 50;
    m.textHeight = 13;
    int w = 0, h = 0;
    MeasureItem(m, w, h);
    EXPECT_EQ(w, 50 + 24 + 10);
    EXPECT_EQ(h, 13 + 10);  // 9.75 rounds to 10

    m.ampersandWidth = 6;
    w = 0;
    MeasureItem(m, w, h);
    EXPECT_EQ(w, 44 + 24 + 10);

    m.inMenuBar = true;  // a menu-bar item needs no icon column
    w = 0;
    MeasureItem(m, w, h);
    EXPECT_EQ(w, 44 + 10);
}

TEST(MenuMeasure, HeightFollowsTextOrImageAndOnlyRaises) {
    ItemMeasure m;
    m.textHeight = 14;  // 10.5 rounds to 10
    int w = 0, h = 0;
    MeasureItem(m, w, h);
    EXPECT_EQ(h, 24);
    m.imageHeight = 30;
    MeasureItem(m, w, h);
    EXPECT_EQ(h, 34);
    h = 50;
    w = 500;
    MeasureItem(m, w, h);
    EXPECT_EQ(h, 50);
    EXPECT_EQ(w, 500);
}

struct Item {
    std::string name;
};

TEST(MenuSelection, FollowsTheHighlightAndReportsTheOwnerOfAnOpenSubmenu) {
    Item root{"root"}, tasks{"tasks"}, options{"options"}, plannerOnOff{"onoff"}, separator{"sep"};
    SelectionRecord<Item> rec;
    EXPECT_EQ(rec.Selected(), nullptr);

    rec.ItemDrawn(&options, &root, true);
    EXPECT_EQ(rec.Selected(), &options);
    // The highlight moves: the old item is drawn plain, the new one selected.
    rec.ItemDrawn(&options, &root, false);
    EXPECT_EQ(rec.Selected(), nullptr);
    rec.ItemDrawn(&tasks, &root, true);
    EXPECT_EQ(rec.Selected(), &tasks);

    // Its submenu opens with no item highlighted: the owner is reported.
    rec.ItemDrawn(&plannerOnOff, &tasks, false);
    rec.ItemDrawn(&separator, &tasks, false);
    EXPECT_EQ(rec.Selected(), &tasks);

    rec.ItemDrawn(&plannerOnOff, &tasks, true);
    EXPECT_EQ(rec.Selected(), &plannerOnOff);
    rec.ItemDrawn(&plannerOnOff, &tasks, false);
    rec.ItemDrawn(&separator, &tasks, false);
    EXPECT_EQ(rec.Selected(), &tasks);

    rec.Clear();
    EXPECT_EQ(rec.Selected(), nullptr);
}
