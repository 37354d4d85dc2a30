#include "face/skin_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "face/display_rules.h"
#include "face/hand_angles.h"
#include "face/window_shape.h"

using namespace face;

TEST(SkinSize, BackgroundThenDialThenTwiceTheCentre) {
    SkinDescription skin;
    auto a = ComputeSkinBaseSize(skin, {104, 110}, {90, 90});
    ASSERT_TRUE(a);
    EXPECT_EQ(a->width, 104);
    EXPECT_EQ(a->height, 110);
    EXPECT_FALSE(a->dropBackGr);
    auto b = ComputeSkinBaseSize(skin, {}, {90, 80});
    ASSERT_TRUE(b);
    EXPECT_EQ(b->width, 90);
    EXPECT_TRUE(b->dropBackGr);
    skin.CenterX = 40;
    skin.CenterY = 30;
    auto c = ComputeSkinBaseSize(skin, {}, {});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->width, 80);
    EXPECT_EQ(c->height, 60);
}

TEST(SkinSize, NotPositiveIsUnusable) {
    SkinDescription skin;  // no centre given
    EXPECT_FALSE(ComputeSkinBaseSize(skin, {}, {}));
    skin.CenterX = 40;
    skin.CenterY = 0;
    EXPECT_FALSE(ComputeSkinBaseSize(skin, {}, {}));
    EXPECT_FALSE(ComputeSkinBaseSize(skin, {0, 0}, {50, 0}));
}

TEST(SkinScale, CentreOnlySkinAtOneAndAHalf) {
    SkinDescription skin;
    skin.CenterX = 40;
    skin.CenterY = 30;
    auto size = ComputeSkinBaseSize(skin, {}, {});
    ASSERT_TRUE(size);
    SkinGeometry g = ScaleSkin(skin, *size, 1.5, {}, {}, {});
    EXPECT_EQ(g.bitmapWidth, 121);
    EXPECT_EQ(g.bitmapHeight, 90);
    EXPECT_DOUBLE_EQ(g.CenterX, 60);
    EXPECT_DOUBLE_EQ(g.CenterY, 45);
    EXPECT_DOUBLE_EQ(g.TextX, 60);  // negative text position: the centre
    EXPECT_DOUBLE_EQ(g.TextY, 45);
    EXPECT_DOUBLE_EQ(g.RLabels, 41 * 1.5);
    EXPECT_DOUBLE_EQ(g.NumSize, 7 * 1.5);
    EXPECT_DOUBLE_EQ(g.RSec, 0);
}

TEST(SkinScale, NegativeCentreIsTheMiddleOfTheBitmapAndHandRadii) {
    SkinDescription skin;
    skin.RNums = -1;
    skin.StrelScale = 0.5;
    skin.TextY = 74;
    SkinGeometry g = ScaleSkin(skin, {100, 100, false}, 1.5, {121, 121}, {}, {61, 61});
    EXPECT_EQ(g.bitmapWidth, 151);
    EXPECT_EQ(g.bitmapHeight, 150);
    EXPECT_DOUBLE_EQ(g.CenterX, 75.5);
    EXPECT_DOUBLE_EQ(g.CenterY, 75);
    EXPECT_DOUBLE_EQ(g.TextY, 111);
    EXPECT_DOUBLE_EQ(g.RNums, 0.7 * 75.5);
    EXPECT_DOUBLE_EQ(g.StrelScale, 0.75);
    EXPECT_NEAR(g.RSec, std::sqrt(2.0) * 120 * 0.5 * 0.75, 1e-9);
    EXPECT_DOUBLE_EQ(g.RMin, 0);
    EXPECT_NEAR(g.RHour, std::sqrt(2.0) * 60 * 0.5 * 0.75, 1e-9);
}

TEST(SkinScale, ChoiceOfFactor) {
    ScaleChoice main{false, false, 0, false, 0.75};
    EXPECT_DOUBLE_EQ(ChooseSkinScale(main, 1.5, 100), 0.75);
    main.useSkinScale = true;
    EXPECT_DOUBLE_EQ(ChooseSkinScale(main, 1.5, 100), 1.5);
    ScaleChoice tray{true, true, 30, false, 1.0};
    EXPECT_DOUBLE_EQ(ChooseSkinScale(tray, 1.0, 59), 0.5);
    tray.trayPanelHeight = 0;  // no panel height: the setting
    EXPECT_DOUBLE_EQ(ChooseSkinScale(tray, 2.0, 59), 1.0);
    tray.autoTrayScale = false;
    tray.trayPanelHeight = 30;
    EXPECT_DOUBLE_EQ(ChooseSkinScale(tray, 2.0, 59), 1.0);
}

TEST(SkinScale, TheClockNeverOutgrowsTheScreen) {
    // The bitmap of a 100 x 50 skin on a 1024 x 768 screen.
    ScaleChoice choice{false, false, 0, false, 1.0};
    choice.maxWidth = 1024;
    choice.maxHeight = 768;
    const SkinBaseSize size{100, 50, false};
    EXPECT_DOUBLE_EQ(FitSkinScale(2.0, size, choice), 2.0);
    for (double absurd : {1e300, 3e6, HUGE_VAL}) {
        const double scale = FitSkinScale(absurd, size, choice);
        const SkinGeometry g = ScaleSkin(SkinDescription{}, size, scale, {}, {}, {});
        EXPECT_LE(g.bitmapWidth, 1024) << absurd;
        EXPECT_LE(g.bitmapHeight, 768) << absurd;
        EXPECT_GE(g.bitmapWidth, 1000) << absurd;  // as large as the screen allows
    }
    // Any skin size on any screen: never a pixel too many from rounding.
    for (int width = 1; width < 200; width += 7)
        for (int screen = 300; screen < 1300; screen += 13) {
            ScaleChoice c{false, false, 0, false, 1.0};
            c.maxWidth = c.maxHeight = screen;
            const SkinBaseSize s{width * 1.37, width * 0.91, false};
            const SkinGeometry g = ScaleSkin(SkinDescription{}, s, FitSkinScale(1e9, s, c), {}, {}, {});
            ASSERT_LE(g.bitmapWidth, screen) << width;
            ASSERT_LE(g.bitmapHeight, screen) << width;
        }
    // A scale that is no number or not positive is the plain size.
    EXPECT_DOUBLE_EQ(FitSkinScale(NAN, size, choice), 1.0);
    EXPECT_DOUBLE_EQ(FitSkinScale(-3, size, choice), 1.0);
    EXPECT_DOUBLE_EQ(FitSkinScale(0, size, choice), 1.0);
    // ... which, too, is cut to the screen.
    const SkinBaseSize tall{4186, 488, false};
    choice.maxHeight = 124;
    const SkinGeometry cut = ScaleSkin(SkinDescription{}, tall, FitSkinScale(NAN, tall, choice), {}, {}, {});
    EXPECT_LE(cut.bitmapHeight, 124);
    EXPECT_LE(cut.bitmapWidth, 1024);
    choice.maxHeight = 768;
    // Without a known screen only the pixel counts' own range limits it.
    choice.maxWidth = choice.maxHeight = 0;
    const SkinGeometry huge =
        ScaleSkin(SkinDescription{}, size, FitSkinScale(1e300, size, choice), {}, {}, {});
    EXPECT_GT(huge.bitmapWidth, 0);
    EXPECT_GT(huge.bitmapHeight, 0);
}

TEST(SkinText, SkinFontAndColourOverwriteTheSettings) {
    TextLook settings{L"Tahoma", 14, 1, 0, 0xFF000000};
    TextLook skin{L"Arial", 6, 2, 1, 0xC8000A14};
    TextLook own = settings;
    TextLook look = MergeTextLook(own, skin, false, false);
    EXPECT_EQ(look, settings);  // the skin's alignment gives way to the setting's
    look = MergeTextLook(own, skin, true, false);
    EXPECT_EQ(own.font, L"Arial");
    EXPECT_EQ(own.align, 1);
    EXPECT_EQ(look.color, 0xFF000000u);
    look = MergeTextLook(own, skin, true, true);
    EXPECT_EQ(look, skin);
    EXPECT_EQ(own, skin);
}

TEST(TimerFlags, WholeSecondsAndSecondHand) {
    EXPECT_TRUE(WholeSecondsFor(700));
    EXPECT_FALSE(WholeSecondsFor(699));
    EXPECT_TRUE(SecondHandFor(5000));
    EXPECT_FALSE(SecondHandFor(5001));
}

TEST(HandAngles, ClockwiseFromTheFields) {
    HandAngles a = ComputeHandAngles(3, 0, 0, 0, true, false);
    EXPECT_DOUBLE_EQ(a.hour, 90);
    EXPECT_DOUBLE_EQ(a.minute, 0);
    EXPECT_DOUBLE_EQ(a.second, 0);
    a = ComputeHandAngles(15, 30, 0, 0, true, false);  // afternoon: same dial position
    EXPECT_DOUBLE_EQ(a.hour, 465);
    EXPECT_DOUBLE_EQ(std::fmod(a.hour, 360), 105);
    EXPECT_DOUBLE_EQ(a.minute, 180);
    a = ComputeHandAngles(10, 10, 30, 500, true, false);
    EXPECT_DOUBLE_EQ(a.second, 180);  // whole seconds
    EXPECT_NEAR(a.minute, (10 + 30.5 / 60) * 6, 1e-9);
    EXPECT_NEAR(a.hour, (10 + (10 + 30.5 / 60) / 60) * 30, 1e-9);
    a = ComputeHandAngles(10, 10, 30, 500, false, false);
    EXPECT_DOUBLE_EQ(a.second, 183);  // smooth second hand
}

TEST(HandAngles, LastSecondOfTheMinuteStaysThere) {
    HandAngles a = ComputeHandAngles(23, 59, 59, 999, true, false);
    EXPECT_DOUBLE_EQ(a.second, 354);
    EXPECT_LT(a.minute, 360);
    EXPECT_GT(a.minute, 359.9);
    EXPECT_LT(a.hour, 720);
}

TEST(HandAngles, QuarterSecondsAreNudgedAndInversionNegates) {
    EXPECT_NEAR(ComputeHandAngles(1, 2, 15, 0, true, false).second, 90.06, 1e-9);
    EXPECT_NEAR(ComputeHandAngles(1, 2, 45, 0, true, false).second, 270.06, 1e-9);
    HandAngles inv = ComputeHandAngles(3, 15, 20, 0, true, true);
    EXPECT_NEAR(inv.hour, -(3 + 15 / 60.0 + 20 / 3600.0) * 30, 1e-9);
    EXPECT_NEAR(inv.minute, -(15 + 20 / 60.0) * 6, 1e-9);
    EXPECT_DOUBLE_EQ(inv.second, -120);
}

namespace {
constexpr std::uint32_t M = 0xFFFF00FF;  // magenta key
constexpr std::uint32_t W = 0xFFFFFFFF;
}  // namespace

TEST(WindowShape, CutsExactlyTheKeyPixelsAndNeverTheLastColumn) {
    const std::uint32_t px[] = {
        W, W, M, W, W,  //
        M, W, W, M, M,  //
        M, M, M, M, M,  //
    };
    auto rects = ShapeFromPixels(px, 5, 3, 0, 0);
    std::vector<ShapeRect> expected{{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 1, 3, 2}};
    EXPECT_EQ(rects, expected);
}

TEST(WindowShape, ToleranceAndOutline) {
    const std::uint32_t near = 0xFFF00AF0;         // within 20 of magenta
    const std::uint32_t px[] = {near, W, near, M,  //
                                M,    M, M,    M};
    EXPECT_EQ(ShapeFromPixels(px, 4, 2, 20, 0), (std::vector<ShapeRect>{{1, 0, 2, 1}}));
    EXPECT_EQ(ShapeFromPixels(px, 4, 2, 10, 0), (std::vector<ShapeRect>{{0, 0, 3, 1}}));
    EXPECT_EQ(ShapeFromPixels(px, 4, 2, 20, 2), (std::vector<ShapeRect>{{-1, -2, 4, 3}}));
}

TEST(WindowShape, AlphaIsNotLookedAt) {
    const std::uint32_t px[] = {0x00FFFFFF, 0x00FF00FF, 0x00FFFFFF,  //
                                M,          M,          M};
    EXPECT_EQ(ShapeFromPixels(px, 3, 2, 0, 0), (std::vector<ShapeRect>{{0, 0, 1, 1}}));
}

TEST(DisplayRules, LayeredAlphaUnderTheMouseThenTheLevelThenOpaque) {
    EXPECT_EQ(LayeredAlpha(true, true, 60, true, 200), 60);
    EXPECT_EQ(LayeredAlpha(true, false, 60, true, 200), 200);
    EXPECT_EQ(LayeredAlpha(false, true, 60, true, 200), 200);
    EXPECT_EQ(LayeredAlpha(false, true, 60, true, 255), 255);
    EXPECT_EQ(LayeredAlpha(false, true, 60, false, 200), 255);
    EXPECT_EQ(LayeredAlpha(true, true, 300, false, 0), 255);
}

TEST(DisplayRules, TextWindowRebuiltOnlyForChangesOverTwoPixels) {
    EXPECT_FALSE(TextWindowNeedsRebuild(false, 100, 20, 102, 18));
    EXPECT_FALSE(TextWindowNeedsRebuild(false, 100, 20, 98, 22));
    EXPECT_TRUE(TextWindowNeedsRebuild(false, 100, 20, 103, 20));
    EXPECT_TRUE(TextWindowNeedsRebuild(false, 100, 20, 100, 17));
    EXPECT_TRUE(TextWindowNeedsRebuild(true, 100, 20, 100, 20));
}

TEST(DisplayRules, ScreenfulTextKeepsWhatAScreenCanShow) {
    EXPECT_EQ(ScreenfulText(L"10:20\r\nпятница", 768, 1024), L"10:20\r\nпятница");
    EXPECT_EQ(ScreenfulText(L"a\n\nb\rc\r\n", 768, 1024), L"a\r\n\r\nb\r\nc");
    EXPECT_EQ(ScreenfulText(L"", 768, 1024), L"");
    EXPECT_EQ(ScreenfulText(std::wstring(L"a\0b", 3), 768, 1024), L"a");
    EXPECT_EQ(ScreenfulText(L"one\r\ntwo\r\nthree", 2, 1024), L"one\r\ntwo");
    EXPECT_EQ(ScreenfulText(L"абвгд\r\nxy", 5, 3), L"абв\r\nxy");
    std::wstring huge;
    for (int i = 0; i < 50000; ++i) huge += L"<tt> строка\r\n";
    const std::wstring shown = ScreenfulText(huge, 768, 1024);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), L'\n'), 767);
    EXPECT_EQ(ScreenfulText(std::wstring(1000000, L'x'), 768, 1024).size(), 1024u);
}

TEST(DisplayRules, OnlyTheLinesInSightOfACentredBlockAreKept) {
    // 10 lines of 10 px centred on 50 fill 0..100: all in sight.
    EXPECT_EQ(LinesInSight(10, 10, 50, 100).first, 0);
    EXPECT_EQ(LinesInSight(10, 10, 50, 100).last, 10);
    // 1000 lines centred on 50: the block's top is at -4950, so lines 495..504
    // cover 0..100; two more each way are kept.
    const LineSpan span = LinesInSight(1000, 10, 50, 100);
    EXPECT_EQ(span.first, 493);
    EXPECT_EQ(span.last, 507);
    EXPECT_EQ(LinesInSight(0, 10, 50, 100).last, 0);
    EXPECT_EQ(LinesInSight(5, 0, 50, 100).last, 5);  // no height known: everything

    EXPECT_EQ(BlankLines(L"aa\r\nb\nc\rdd", 1, 3), L" \r\nb\nc\r ");
    EXPECT_EQ(BlankLines(L"a\r\n\r\nb\r\n", 0, 1), L"a\r\n\r\n \r\n");
    EXPECT_EQ(BlankLines(L"a\r\nb", 0, 2), L"a\r\nb");
    EXPECT_EQ(BlankLines(L"", 0, 1), L"");
    EXPECT_EQ(BlankLines(L"abc", 1, 2), L" ");
    EXPECT_EQ(LineCount(L""), 1);
    EXPECT_EQ(LineCount(L"a\r\nb\nc\rd"), 4);
    EXPECT_EQ(LineCount(L"a\r\n"), 2);
}
