#include "components/alpha_fx_mask.h"
#include "components/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace alphafx;

namespace {

constexpr std::uint32_t kOpaqueGrey = 0xFFC86432;  // alpha 255, red 200, green 100, blue 50

// A picture of one colour and the effect's masks drawn on copies of it.
struct Picture {
    Picture(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, kOpaqueGrey) {}
    PixelView View() { return {pixels.data(), width, height}; }
    void Reset() { std::fill(pixels.begin(), pixels.end(), kOpaqueGrey); }
    int Level(int x, int y) const { return int(pixels[std::size_t(y) * width + x] >> 24); }
    bool AllAt(int level) const {
        for (std::uint32_t p : pixels)
            if (int(p >> 24) != level) return false;
        return true;
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

RandomFn Fixed(int value, std::vector<int>* asked = nullptr) {
    return [value, asked](int n) {
        if (asked) asked->push_back(n);
        return value % n;
    };
}

EffectMask Effect(Picture& pic, TAlphaFXEffect effect, int count, bool reverse, TAlphaFXEffects list = {}) {
    EffectMask mask(pic.width, pic.height, effect, count, std::move(list), reverse, Fixed(0));
    mask.Start(pic.View());
    return mask;
}

void StepOn(EffectMask& mask, Picture& pic, int a, int b, int c, int d) {
    pic.Reset();
    mask.Step(a, b, c, d, pic.View());
}

}  // namespace

TEST(AlphaLevels, MultiplyTableAndSetAlphaPremultiplyTheColour) {
    EXPECT_EQ(Multiply(255, 255), 254);
    EXPECT_EQ(Multiply(0, 200), 0);
    EXPECT_EQ(Multiply(128, 200), 100);

    Picture pic(4, 3);
    SetAlpha(pic.View(), -5, -5, 1, 1, 128);
    EXPECT_EQ(pic.pixels[0], 0x80643219u);  // alpha 128, red 100, green 50, blue 25
    EXPECT_EQ(pic.pixels[5], 0x80643219u);
    EXPECT_EQ(pic.pixels[2], kOpaqueGrey);
    EXPECT_EQ(pic.pixels[8], kOpaqueGrey);
    SetAlpha(pic.View(), 3, 2, 2, 2, 0);  // empty rectangle
    EXPECT_EQ(pic.pixels[11], kOpaqueGrey);
}

TEST(AlphaSteps, ParametersFollowTheElapsedTimeRoundingHalvesToEven) {
    const ParamRange r{0, 100};
    EXPECT_EQ(r.At(0, 1000), 0);
    EXPECT_EQ(r.At(500, 1000), 50);
    EXPECT_EQ(r.At(1500, 1000), 100);
    EXPECT_EQ((ParamRange{0, 1}.At(500, 1000)), 0);
    EXPECT_EQ((ParamRange{0, 3}.At(500, 1000)), 2);
    EXPECT_EQ((ParamRange{10, 20}.At(0, 0)), 20);  // no duration: the end at once
}

TEST(AlphaEdges, RangesCoverEveryPass) {
    Picture pic(40, 10);
    EffectMask mask = Effect(pic, afxLeftRight, 2, false);
    EXPECT_EQ(mask.PhaseWidth(), 56);
    EXPECT_EQ(mask.PhaseHeight(), 26);
    EXPECT_EQ(mask.Ranges()[0].to, 112);
    EXPECT_EQ(mask.Ranges()[1].to, 52);
    EXPECT_EQ(mask.Ranges()[2].to, 719);
    EXPECT_EQ(mask.Ranges()[3].to, 255);
}

TEST(AlphaEdges, FirstFrameHidesAShowAndKeepsAHide) {
    for (TAlphaFXEffect e : {afxLeftRight, afxRightLeft, afxTopBottom, afxBottomTop}) {
        Picture show(40, 10);
        Effect(show, e, 2, false);
        EXPECT_TRUE(show.AllAt(0)) << int(e);
        Picture hide(40, 10);
        Effect(hide, e, 2, true);
        EXPECT_TRUE(hide.AllAt(255)) << int(e);
    }
}

TEST(AlphaEdges, TwoPassesOfOneEdgeGoFrom0To128ThenFrom127To255) {
    Picture pic(40, 10);
    EffectMask mask = Effect(pic, afxLeftRight, 2, false);
    StepOn(mask, pic, 20, 0, 0, 0);  // pass 0, edge at column 12
    EXPECT_EQ(pic.Level(0, 0), 128);
    EXPECT_EQ(pic.Level(3, 5), 128);
    EXPECT_EQ(pic.Level(11, 5), 255);  // full opacity just behind the edge
    EXPECT_EQ(pic.Level(20, 9), 0);
    EXPECT_EQ(pic.Level(39, 0), 0);
    StepOn(mask, pic, 56 + 20, 0, 0, 0);  // pass 1
    EXPECT_EQ(pic.Level(3, 5), 255);
    EXPECT_EQ(pic.Level(20, 9), 127);
}

TEST(AlphaEdges, TheBandRisesToTheEdgeAndFallsAfterIt) {
    Picture pic(40, 3);
    EffectMask mask = Effect(pic, afxLeftRight, 1, false);
    StepOn(mask, pic, 28, 0, 0, 0);  // edge at column 20
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pic.Level(12 + i, 1), 255);  // behind: level 255, the band stays at 255
        EXPECT_EQ(pic.Level(20 + i, 1), components::RoundHalfEven(255.0 / 8 * (7 - i)));
    }
    EXPECT_EQ(pic.Level(28, 1), 0);
}

TEST(AlphaEdges, OnePassSweepsFrom0To255AndAReverseOneFrom255To0) {
    Picture pic(40, 30);
    EffectMask show = Effect(pic, afxTopBottom, 1, false);
    StepOn(show, pic, 0, 20, 0, 0);  // edge at row 12
    EXPECT_EQ(pic.Level(7, 0), 255);
    EXPECT_EQ(pic.Level(7, 11), 255);
    EXPECT_EQ(pic.Level(7, 12), components::RoundHalfEven(255.0 / 8 * 7));
    EXPECT_EQ(pic.Level(7, 20), 0);
    Picture back(40, 10);
    EffectMask hide = Effect(back, afxTopBottom, 1, true);
    StepOn(hide, back, 0, 20, 0, 0);
    EXPECT_EQ(back.Level(0, 0), 0);
    EXPECT_EQ(back.Level(0, 3), 0);
    EXPECT_EQ(back.Level(0, 9), components::RoundHalfEven(255.0 / 8 * 6));
}

TEST(AlphaEdges, RightToLeftAndBottomToTopMirrorTheEdge) {
    Picture pic(40, 10);
    EffectMask rl = Effect(pic, afxRightLeft, 2, false);
    StepOn(rl, pic, 20, 0, 0, 0);  // edge 12 columns in from the right
    EXPECT_EQ(pic.Level(39, 0), 128);
    EXPECT_EQ(pic.Level(36, 0), 128);
    EXPECT_EQ(pic.Level(28, 0), 255);
    EXPECT_EQ(pic.Level(19, 0), 0);
    EXPECT_EQ(pic.Level(0, 0), 0);

    Picture tall(10, 40);
    EffectMask bt = Effect(tall, afxBottomTop, 2, false);
    StepOn(bt, tall, 0, 20, 0, 0);
    EXPECT_EQ(tall.Level(0, 39), 128);
    EXPECT_EQ(tall.Level(0, 36), 128);
    EXPECT_EQ(tall.Level(0, 0), 0);
}

TEST(AlphaEdges, TheLastStepLeavesThePictureAtTheNewLevel) {
    for (TAlphaFXEffect e : {afxLeftRight, afxRightLeft, afxTopBottom, afxBottomTop}) {
        for (int count : {1, 2, 3}) {
            Picture pic(40, 10);
            EffectMask mask = Effect(pic, e, count, false);
            const auto& r = mask.Ranges();
            StepOn(mask, pic, r[0].to, r[1].to, r[2].to, r[3].to);
            EXPECT_TRUE(pic.AllAt(255)) << int(e) << " count " << count;
            Picture back(40, 10);
            EffectMask hide = Effect(back, e, count, true);
            StepOn(hide, back, r[0].to, r[1].to, r[2].to, r[3].to);
            // A hide ends with at most the band's first line left on the far edge.
            int shown = 0;
            for (std::uint32_t px : back.pixels) shown += (px >> 24) != 0;
            EXPECT_LE(shown, 40) << int(e) << " count " << count;
            EXPECT_EQ(back.Level(20, 5), 0);
        }
    }
}

TEST(AlphaEdges, DoubleEdgesMeetInTheMiddleOrPartFromIt) {
    Picture pic(10, 40);
    EffectMask in = Effect(pic, afxDoubleInwardsVertical, 1, false);
    StepOn(in, pic, 0, 28, 0, 0);  // edges at row 10 and row 30
    EXPECT_EQ(pic.Level(0, 0), 255);
    EXPECT_EQ(pic.Level(0, 39), 255);
    EXPECT_EQ(pic.Level(0, 20), 0);
    EXPECT_EQ(pic.Level(0, 19), 0);

    Picture out(40, 10);
    EffectMask outwards = Effect(out, afxDoubleOutwardsHorizontal, 1, false);
    StepOn(outwards, out, 28, 0, 0, 0);  // edges at columns 10 and 30
    EXPECT_EQ(out.Level(20, 0), 255);
    EXPECT_EQ(out.Level(19, 5), 255);
    EXPECT_EQ(out.Level(0, 0), 0);
    EXPECT_EQ(out.Level(39, 0), 0);
}

TEST(AlphaFade, ReachesTheFullLevelWhateverTheCount) {
    Picture pic(8, 8);
    EffectMask fade = Effect(pic, afxFade, 5, false);
    EXPECT_TRUE(pic.AllAt(0));
    StepOn(fade, pic, 0, 0, 0, 100);
    EXPECT_TRUE(pic.AllAt(100));
    StepOn(fade, pic, 0, 0, 0, fade.Ranges()[3].to);
    EXPECT_TRUE(pic.AllAt(255));
    Picture back(8, 8);
    EffectMask out = Effect(back, afxFade, 1, true);
    StepOn(out, back, 0, 0, 0, 255);
    EXPECT_TRUE(back.AllAt(0));
}

TEST(AlphaLists, CustomListPlaysOneElementPerPassCyclically) {
    Picture pic(40, 10);
    EffectMask mask = Effect(pic, afxCustom, 2, false, {afxLeftRight, afxTopBottom});
    StepOn(mask, pic, 20, 13, 0, 0);  // pass 0: columns
    EXPECT_EQ(pic.Level(0, 9), 128);
    EXPECT_EQ(pic.Level(39, 0), 0);
    StepOn(mask, pic, 56 + 20, 26 + 13, 0, 0);  // pass 1: rows, edge at row 5
    EXPECT_EQ(pic.Level(39, 0), 255);
    EXPECT_EQ(pic.Level(0, 9), 127 + components::RoundHalfEven(128 / 8.0 * 3));

    Picture one(40, 10);
    EffectMask single = Effect(one, afxCustom, 2, false, {afxLeftRight});
    StepOn(single, one, 56 + 20, 0, 0, 0);  // the one element again in pass 1
    EXPECT_EQ(one.Level(0, 0), 255);
    EXPECT_EQ(one.Level(39, 0), 127);
}

TEST(AlphaLists, RandomListsAndRandomRadarsBecomeConcreteEffects) {
    std::vector<int> asked;
    const TAlphaFXEffects list = afx_Random(3, Fixed(9, &asked));
    EXPECT_EQ(list, (TAlphaFXEffects{afxRadarRandom, afxRadarRandom, afxRadarRandom}));
    EXPECT_EQ(asked, (std::vector<int>{10, 10, 10}));
    EXPECT_TRUE(afx_Random(0, Fixed(1)).empty());

    Picture pic(20, 20);
    EffectMask custom(20, 20, afxCustom, 2, list, false, Fixed(5));
    custom.Start(pic.View());
    EXPECT_EQ(custom.Effects(), (TAlphaFXEffects(3, afxRadarClockwise90)));

    EffectMask radar(20, 20, afxRadarRandom, 4, {}, false, Fixed(2));
    radar.Start(pic.View());
    EXPECT_EQ(radar.Effect(), afxCustom);
    EXPECT_EQ(radar.Effects(), (TAlphaFXEffects(4, afxRadarCounterClockwise180)));

    // An empty custom list is drawn at random.
    EffectMask drawn(20, 20, afxCustom, 2, {}, false, Fixed(1));
    EXPECT_EQ(drawn.Effects(), (TAlphaFXEffects{afxRightLeft, afxRightLeft}));
}

TEST(AlphaLists, ReadyMadeLists) {
    EXPECT_EQ(afx_Clockwise(), (TAlphaFXEffects{afxRightLeft, afxTopBottom, afxRightLeft, afxBottomTop}));
    EXPECT_EQ(afx_Inwards(), (TAlphaFXEffects{afxDoubleInwardsHorizontal, afxDoubleInwardsVertical}));
    EXPECT_EQ(afx_RadarSweep270(), (TAlphaFXEffects{afxRadarCounterClockwise270, afxRadarClockwise270}));
}

TEST(AlphaRadar, AnglesCountCounterclockwiseFromTheStartDirection) {
    Picture pic(11, 11);
    EffectMask mask = Effect(pic, afxRadarCounterClockwise0, 1, false);
    EXPECT_EQ(mask.GetAngleTable(5, 5, 5, 9, 0), 0);    // right
    EXPECT_EQ(mask.GetAngleTable(5, 5, 1, 5, 0), 90);   // up
    EXPECT_EQ(mask.GetAngleTable(5, 5, 5, 1, 0), 180);  // left
    EXPECT_EQ(mask.GetAngleTable(5, 5, 9, 5, 0), 270);  // down
    EXPECT_EQ(mask.GetAngleTable(5, 5, 2, 8, 0), 45);
    EXPECT_EQ(mask.GetAngleTable(5, 5, 8, 8, 0), 315);
    EXPECT_EQ(mask.GetAngleTable(5, 5, 1, 5, 90), 0);
    EXPECT_EQ(mask.GetAngleTable(5, 5, 5, 9, 90), 270);
}

TEST(AlphaRadar, HalfASweepShowsTheSweptSide) {
    Picture pic(21, 21);
    EffectMask ccw = Effect(pic, afxRadarCounterClockwise0, 1, false);
    StepOn(ccw, pic, 0, 0, 180, 0);
    EXPECT_EQ(pic.Level(10, 1), 255);  // up: 90 degrees, swept
    EXPECT_EQ(pic.Level(10, 19), 0);   // down: 270 degrees, not yet

    Picture cw(21, 21);
    EffectMask clockwise = Effect(cw, afxRadarClockwise0, 1, false);
    StepOn(clockwise, cw, 0, 0, 180, 0);
    EXPECT_EQ(cw.Level(10, 1), 0);
    EXPECT_EQ(cw.Level(10, 19), 255);

    StepOn(clockwise, cw, 0, 0, 359, 0);  // the last step: all but a sliver swept
    int swept = 0;
    for (std::uint32_t p : cw.pixels) swept += (p >> 24) == 255;
    EXPECT_GT(swept, 21 * 21 * 9 / 10);
}

TEST(AlphaRadar, TwoPassesRaiseTheLevelInHalves) {
    Picture pic(21, 21);
    EffectMask mask = Effect(pic, afxRadarCounterClockwise0, 2, false);
    StepOn(mask, pic, 0, 0, 180, 0);
    EXPECT_EQ(pic.Level(10, 1), 128);
    EXPECT_EQ(pic.Level(10, 19), 0);
    StepOn(mask, pic, 0, 0, 360 + 180, 0);
    EXPECT_EQ(pic.Level(10, 1), 255);
    EXPECT_EQ(pic.Level(10, 19), 128);
}
