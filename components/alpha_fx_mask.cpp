#include "components/alpha_fx_mask.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/rounding.h"

namespace alphafx {

using components::RoundHalfEven;

namespace {

// [level][value] = (value * level) >> 8, made once.
const std::array<std::array<std::uint8_t, 256>, 256>& MultiplyTable() {
    static const auto table = [] {
        std::array<std::array<std::uint8_t, 256>, 256> t{};
        for (int a = 0; a < 256; ++a)
            for (int v = 0; v < 256; ++v) t[a][v] = static_cast<std::uint8_t>((v * a) >> 8);
        return t;
    }();
    return table;
}

inline void ApplyLevel(std::uint32_t& pixel, const std::array<std::uint8_t, 256>& row, int level) {
    const std::uint32_t p = pixel;
    pixel = row[p & 0xFF] | (std::uint32_t(row[(p >> 8) & 0xFF]) << 8) |
            (std::uint32_t(row[(p >> 16) & 0xFF]) << 16) | (std::uint32_t(level) << 24);
}

// Sets indices from..to (inclusive) of one axis (rows or columns) to a level;
// mirrored counts the indices from the far end; the physical indices are
// clipped to [clipLo, clipHi).
struct Axis {
    bool rows = false;
    bool mirrored = false;
    int clipLo = 0, clipHi = 0;
};

void SetRange(PixelView view, const Axis& axis, long long from, long long to, int level) {
    const int size = axis.rows ? view.height : view.width;
    if (axis.mirrored) {
        const long long f = size - 1 - to, t = size - 1 - from;
        from = f;
        to = t;
    }
    from = std::max<long long>(from, axis.clipLo);
    to = std::min<long long>(to, axis.clipHi - 1);
    if (from > to) return;
    if (axis.rows)
        SetAlpha(view, 0, int(from), view.width - 1, int(to), level);
    else
        SetAlpha(view, int(from), 0, int(to), view.height - 1, level);
}

// An edge at p moving towards higher indices: indices up to p - 9 at the
// level behind it, an 8-wide band rising from that level to full opacity at
// p - 1, an 8-wide band falling from there to the level ahead at p + 7, the
// indices from p + 8 on at the level ahead.
void Band(PixelView view, const Axis& axis, int p, int behind, int ahead) {
    constexpr long long kFar = 1LL << 40;
    SetRange(view, axis, -kFar, p - 9, behind);
    for (int i = 0; i < 8; ++i) {
        SetRange(view, axis, p - 8 + i, p - 8 + i, behind + RoundHalfEven((255 - behind) / 8.0 * (i + 1)));
        SetRange(view, axis, p + i, p + i, ahead + RoundHalfEven((255 - ahead) / 8.0 * (7 - i)));
    }
    SetRange(view, axis, p + 8, kFar, ahead);
}

TAlphaFXEffects List(std::initializer_list<TAlphaFXEffect> effects) {
    return TAlphaFXEffects(effects);
}

}  // namespace

int ParamRange::At(long long elapsedMs, int durationMs) const {
    if (durationMs <= 0 || elapsedMs >= durationMs) return to;
    return from + RoundHalfEven(double(to - from) * double(elapsedMs) / double(durationMs));
}

std::uint8_t Multiply(int level, std::uint8_t value) {
    return MultiplyTable()[std::clamp(level, 0, 255)][value];
}

void SetAlpha(PixelView view, int x1, int y1, int x2, int y2, int level) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, view.width - 1);
    y2 = std::min(y2, view.height - 1);
    if (x1 > x2 || y1 > y2 || !view.pixels) return;
    level = std::clamp(level, 0, 255);
    const auto& row = MultiplyTable()[level];
    for (int y = y1; y <= y2; ++y) {
        std::uint32_t* line = view.pixels + std::size_t(y) * std::size_t(view.width);
        for (int x = x1; x <= x2; ++x) ApplyLevel(line[x], row, level);
    }
}

TAlphaFXEffects afx_Random(int n, const RandomFn& random) {
    TAlphaFXEffects list;
    for (int i = 0; i < n; ++i) list.push_back(static_cast<TAlphaFXEffect>(random(afxRadarRandom + 1)));
    return list;
}

TAlphaFXEffects afx_LeftRight() {
    return List({afxLeftRight, afxRightLeft});
}
TAlphaFXEffects afx_RightLeft() {
    return List({afxRightLeft, afxLeftRight});
}
TAlphaFXEffects afx_TopBottom() {
    return List({afxTopBottom, afxBottomTop});
}
TAlphaFXEffects afx_BottomTop() {
    return List({afxBottomTop, afxTopBottom});
}
TAlphaFXEffects afx_Clockwise() {
    return List({afxRightLeft, afxTopBottom, afxRightLeft, afxBottomTop});
}
TAlphaFXEffects afx_CounterClockwise() {
    return List({afxRightLeft, afxBottomTop, afxRightLeft, afxTopBottom});
}
TAlphaFXEffects afx_Outwards() {
    return List({afxDoubleOutwardsHorizontal, afxDoubleOutwardsVertical});
}
TAlphaFXEffects afx_Inwards() {
    return List({afxDoubleInwardsHorizontal, afxDoubleInwardsVertical});
}
TAlphaFXEffects afx_DoubleHorizontal() {
    return List({afxDoubleInwardsHorizontal, afxDoubleOutwardsHorizontal});
}
TAlphaFXEffects afx_DoubleVertical() {
    return List({afxDoubleInwardsVertical, afxDoubleOutwardsVertical});
}
TAlphaFXEffects afx_RadarSweep0() {
    return List({afxRadarCounterClockwise0, afxRadarClockwise0});
}
TAlphaFXEffects afx_RadarSweep90() {
    return List({afxRadarCounterClockwise90, afxRadarClockwise90});
}
TAlphaFXEffects afx_RadarSweep180() {
    return List({afxRadarCounterClockwise180, afxRadarClockwise180});
}
TAlphaFXEffects afx_RadarSweep270() {
    return List({afxRadarCounterClockwise270, afxRadarClockwise270});
}

// ---------------------------------------------------------------------------

EffectMask::EffectMask(int width, int height, TAlphaFXEffect effect, int count, TAlphaFXEffects effects,
                       bool reverse, RandomFn random)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      effect_(effect),
      count_(count),
      reverse_(reverse),
      random_(std::move(random)) {
    if (effect_ == afxCustom) effects_ = effects.empty() ? afx_Random(count_, random_) : std::move(effects);
}

TAlphaFXEffect EffectMask::RandomRadar() {
    return static_cast<TAlphaFXEffect>(afxRadarCounterClockwise0 + random_(8));
}

void EffectMask::CreateCircleTable(int width, int height) {
    const int n = std::max((width + 2) / 2, (height + 2) / 2);
    circleTable_.assign(n, std::vector<std::uint16_t>(n, 0));
    for (int i = 1; i < n; ++i)
        for (int j = 1; j < n; ++j)
            circleTable_[i][j] = static_cast<std::uint16_t>(
                RoundHalfEven(std::atan(double(j) / i) * 180.0 / std::numbers::pi));
}

void EffectMask::Start(PixelView view) {
    CreateCircleTable(width_, height_);
    if (effect_ == afxRadarRandom) {
        effects_.clear();
        for (int i = 0; i < count_; ++i) effects_.push_back(RandomRadar());
        effect_ = afxCustom;
    }
    if (effect_ == afxCustom)
        for (TAlphaFXEffect& e : effects_)
            if (e == afxRadarRandom) e = RandomRadar();
    phaseWidth_ = width_ + 16;
    phaseHeight_ = height_ + 16;
    ranges_ = {ParamRange{0, phaseWidth_ * count_}, ParamRange{0, phaseHeight_ * count_},
               ParamRange{0, 360 * count_ - 1}, ParamRange{0, 255}};
    Step(0, 0, 0, 0, view);
}

void EffectMask::PassLevels(int k, int& n, int& o) const {
    if (count_ < 2) {
        n = reverse_ ? 0 : 255;
        o = reverse_ ? 255 : 0;
        return;
    }
    const int s = RoundHalfEven(256.0 / count_);
    const int reached = std::min(255, RoundHalfEven(256.0 / count_ * (k + 1)));
    n = reverse_ ? 255 - reached : reached;
    o = std::clamp(reverse_ ? n + s : n - s, 0, 255);
}

void EffectMask::Step(int a, int b, int c, int d, PixelView view) {
    TAlphaFXEffect effect = effect_;
    if (effect == afxCustom) {
        // Each pass over the width plays the next effect of the list; the
        // very end of the last pass still belongs to it.
        int pass = phaseWidth_ > 0 ? a / phaseWidth_ : 0;
        if (count_ >= 1) pass = std::min(pass, count_ - 1);
        effect = effects_.empty() ? afxFade : effects_[std::size_t(pass) % effects_.size()];
    }
    switch (effect) {
        case afxLeftRight:
        case afxRightLeft:
        case afxTopBottom:
        case afxBottomTop:
        case afxDoubleInwardsVertical:
        case afxDoubleOutwardsVertical:
        case afxDoubleInwardsHorizontal:
        case afxDoubleOutwardsHorizontal:
            EdgeEffect(effect, a, b, view);
            break;
        case afxRadarCounterClockwise0:
        case afxRadarCounterClockwise90:
        case afxRadarCounterClockwise180:
        case afxRadarCounterClockwise270:
        case afxRadarClockwise0:
        case afxRadarClockwise90:
        case afxRadarClockwise180:
        case afxRadarClockwise270: {
            const int turn = (effect - afxRadarCounterClockwise0) % 4;
            DoRadar(c, turn * 90, effect >= afxRadarClockwise0, view);
            break;
        }
        default:  // afxFade (and nothing else can reach a step)
            SetAlpha(view, 0, 0, width_ - 1, height_ - 1, reverse_ ? 255 - d : d);
            break;
    }
}

void EffectMask::EdgeEffect(TAlphaFXEffect effect, int a, int b, PixelView view) {
    const bool horizontal = effect == afxLeftRight || effect == afxRightLeft ||
                            effect == afxDoubleInwardsHorizontal || effect == afxDoubleOutwardsHorizontal;
    const int v = std::max(horizontal ? a : b, 0);
    const int phase = horizontal ? phaseWidth_ : phaseHeight_;
    if (phase <= 0) return;
    int k = v / phase, offset = v % phase;
    // The very end of the last pass keeps the edge past the picture.
    if (count_ >= 1 && k >= count_) {
        k = count_ - 1;
        offset = phase - 1;
    }
    const int edgePos = offset - 8;
    int n = 0, o = 0;
    PassLevels(k, n, o);

    const bool rows = !horizontal;
    const int size = rows ? height_ : width_;
    const int half = size / 2, p = edgePos / 2;
    const Axis whole{rows, false, 0, size}, wholeBack{rows, true, 0, size};
    const Axis upper{rows, false, 0, half}, upperBack{rows, true, 0, half};
    const Axis lower{rows, false, half, size}, lowerBack{rows, true, half, size};
    switch (effect) {
        case afxLeftRight:
        case afxTopBottom:
            Band(view, whole, edgePos, n, o);
            break;
        case afxRightLeft:
        case afxBottomTop:
            Band(view, wholeBack, edgePos, n, o);
            break;
        case afxDoubleInwardsVertical:
        case afxDoubleInwardsHorizontal:
            // Two edges from both ends to the middle, each in its own half.
            Band(view, upper, p, n, o);
            Band(view, lowerBack, p, n, o);
            break;
        default:  // outwards: two edges from the middle to both ends
            Band(view, upperBack, half + p, n, o);
            Band(view, lower, half + p, n, o);
            break;
    }
}

int EffectMask::GetAngleTable(int cx, int cy, int y, int x, int radarStart) const {
    const int dx = x - cx, dy = y - cy;
    auto t = [this](int i, int j) -> int {
        if (i < 0 || j < 0 || std::size_t(i) >= circleTable_.size() || std::size_t(j) >= circleTable_.size())
            return 0;
        return circleTable_[i][j];
    };
    int angle;
    if (dx > 0 && dy <= 0)
        angle = t(dx, -dy);
    else if (dy < 0 && dx <= 0)
        angle = 90 + t(-dy, -dx);
    else if (dx < 0 && dy >= 0)
        angle = 180 + t(-dx, dy);
    else
        angle = 270 + t(dy, dx);
    angle += 360 - radarStart;
    if (angle >= 360) angle -= 360;
    return angle;
}

void EffectMask::DoRadar(int c, int radarStart, bool clockwise, PixelView view) {
    if (!view.pixels || count_ <= 0) return;
    const int cx = width_ / 2, cy = height_ / 2;
    const int sweep = ((c % 360) + 360) % 360, k = std::max(c, 0) / 360;
    int o = RoundHalfEven(255.0 / count_ * k), n = RoundHalfEven(255.0 / count_ * (k + 1));
    if (reverse_) {
        o = 255 - o;
        n = 255 - n;
    }
    o = std::clamp(o, 0, 255);
    n = std::clamp(n, 0, 255);
    const int slope = static_cast<int>(std::floor((n - o) / 8.0));
    const auto& table = MultiplyTable();
    for (int y = 0; y < height_; ++y) {
        std::uint32_t* line = view.pixels + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < width_; ++x) {
            int angle = GetAngleTable(cx, cy, y, x, radarStart);
            if (clockwise) angle = 360 - angle;
            int s = sweep;
            // Near 0 degrees the band wraps: lift both past it for this pixel.
            if ((angle < 4 && s <= 8) || (angle >= 356 && s >= 352)) {
                angle += 16;
                s += 16;
            }
            int level;
            if (angle < 4 && s > 8)
                level = o + slope * (angle + 4);
            else if (angle >= 356 && s <= 352)
                level = o + slope * (angle - 356);
            else if (angle <= s - 8)
                level = n;
            else if (angle > s + 8)
                level = o;
            else if (angle - s >= 0)
                level = o + ((255 - o) / 8) * (8 - (angle - s));
            else
                level = n + ((255 - n) / 8) * (angle - s + 8);
            level = std::clamp(level, 0, 255);
            ApplyLevel(line[x], table[level], level);
        }
    }
}

}  // namespace alphafx
