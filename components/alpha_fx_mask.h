// The alpha show and hide effects without windows: the effect kinds and lists,
// the step values over the duration, and the masks that one step lays over a
// 32-bit picture (blue, green, red premultiplied by the level, alpha = level).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace alphafx {

enum TAlphaFXEffect : std::uint8_t {
    afxLeftRight,
    afxRightLeft,
    afxTopBottom,
    afxBottomTop,
    afxDoubleInwardsVertical,
    afxDoubleOutwardsVertical,
    afxDoubleInwardsHorizontal,
    afxDoubleOutwardsHorizontal,
    afxFade,
    afxRadarRandom,
    afxCustom,
    afxRadarCounterClockwise0,
    afxRadarCounterClockwise90,
    afxRadarCounterClockwise180,
    afxRadarCounterClockwise270,
    afxRadarClockwise0,
    afxRadarClockwise90,
    afxRadarClockwise180,
    afxRadarClockwise270,
};
using TAlphaFXEffects = std::vector<TAlphaFXEffect>;

// A random draw in 0..n-1.
using RandomFn = std::function<int(int n)>;

// n effects, each drawn from afxLeftRight..afxRadarRandom.
TAlphaFXEffects afx_Random(int n, const RandomFn& random);
// The ready-made lists.
TAlphaFXEffects afx_LeftRight();
TAlphaFXEffects afx_RightLeft();
TAlphaFXEffects afx_TopBottom();
TAlphaFXEffects afx_BottomTop();
TAlphaFXEffects afx_Clockwise();
TAlphaFXEffects afx_CounterClockwise();
TAlphaFXEffects afx_Outwards();
TAlphaFXEffects afx_Inwards();
TAlphaFXEffects afx_DoubleHorizontal();
TAlphaFXEffects afx_DoubleVertical();
TAlphaFXEffects afx_RadarSweep0();
TAlphaFXEffects afx_RadarSweep90();
TAlphaFXEffects afx_RadarSweep180();
TAlphaFXEffects afx_RadarSweep270();

// One of the four step parameters: from + (to - from) * elapsed / duration,
// rounded (the end value once the duration is used up or empty).
struct ParamRange {
    int from = 0, to = 0;
    int At(long long elapsedMs, int durationMs) const;
};

// Level a of value v: (v * a) >> 8.
std::uint8_t Multiply(int level, std::uint8_t value);

// A picture of 32-bit pixels, rows from the top (bytes blue, green, red, alpha).
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0;
};

// Sets the level of a rectangle (inclusive corners, clipped to the picture).
void SetAlpha(PixelView view, int x1, int y1, int x2, int y2, int level);

// The effects of one show or hide: built for the picture's size, Start sets
// the ranges of the four parameters and draws the first mask, Step draws the
// mask of one moment onto a fresh copy of the picture.
class EffectMask {
  public:
    EffectMask(int width, int height, TAlphaFXEffect effect, int count, TAlphaFXEffects effects, bool reverse,
               RandomFn random);

    // Ranges of the step parameters a, b, c, d (valid after Start).
    const std::array<ParamRange, 4>& Ranges() const { return ranges_; }
    TAlphaFXEffect Effect() const { return effect_; }
    const TAlphaFXEffects& Effects() const { return effects_; }
    int PhaseWidth() const { return phaseWidth_; }
    int PhaseHeight() const { return phaseHeight_; }

    void Start(PixelView view);
    void Step(int a, int b, int c, int d, PixelView view);

    // The angle (0..359) of a pixel seen from (cx, cy), counterclockwise from
    // the direction radarStart (0 right, 90 up, 180 left, 270 down).
    int GetAngleTable(int cx, int cy, int y, int x, int radarStart) const;

  private:
    void CreateCircleTable(int width, int height);
    TAlphaFXEffect RandomRadar();
    // Levels behind (n) and ahead of (o) the edge in pass k.
    void PassLevels(int k, int& n, int& o) const;
    void EdgeEffect(TAlphaFXEffect effect, int a, int b, PixelView view);
    void DoRadar(int c, int radarStart, bool clockwise, PixelView view);

    int width_, height_;
    TAlphaFXEffect effect_;
    int count_;
    TAlphaFXEffects effects_;
    bool reverse_;
    RandomFn random_;
    int phaseWidth_ = 0, phaseHeight_ = 0;
    std::array<ParamRange, 4> ranges_{};
    std::vector<std::vector<std::uint16_t>> circleTable_;
};

}  // namespace alphafx
