#include "core/edge_snap.h"

#include <gtest/gtest.h>

using core::EdgeRect;
using core::SnapArea;
using core::SnapToEdges;
using core::WindowPoint;

namespace {

constexpr int kW = 1024, kH = 768;
constexpr int kWidth = 194, kHeight = 79;

SnapArea Screen(std::optional<EdgeRect> taskbar = std::nullopt, int distance = 5) {
    return SnapArea{kW, kH, taskbar, distance};
}

WindowPoint Snap(int left, int top, const SnapArea& area) {
    return SnapToEdges({left, top}, kWidth, kHeight, area);
}

}  // namespace

TEST(EdgeSnap, ScreenEdgesPullWithinTheDistanceInclusive) {
    EXPECT_EQ(Snap(4, 300, Screen()), (WindowPoint{0, 300}));
    EXPECT_EQ(Snap(5, 300, Screen()), (WindowPoint{0, 300}));
    EXPECT_EQ(Snap(6, 300, Screen()), (WindowPoint{6, 300}));
    EXPECT_EQ(Snap(-5, 300, Screen()), (WindowPoint{0, 300}));
    EXPECT_EQ(Snap(-6, 300, Screen()), (WindowPoint{-6, 300}));
    EXPECT_EQ(Snap(300, 3, Screen()), (WindowPoint{300, 0}));
    // Right and bottom edges: the window's far side meets the screen's.
    EXPECT_EQ(Snap(kW - kWidth - 5, 300, Screen()), (WindowPoint{kW - kWidth, 300}));
    EXPECT_EQ(Snap(kW - kWidth + 2, 300, Screen()), (WindowPoint{kW - kWidth, 300}));
    EXPECT_EQ(Snap(300, kH - kHeight + 4, Screen()), (WindowPoint{300, kH - kHeight}));
    EXPECT_EQ(Snap(300, kH - kHeight - 6, Screen()), (WindowPoint{300, kH - kHeight - 6}));
    // Into a corner at once.
    EXPECT_EQ(Snap(-2, kH - kHeight + 1, Screen()), (WindowPoint{0, kH - kHeight}));
}

TEST(EdgeSnap, DistanceComesFromTheSetting) {
    EXPECT_EQ(Snap(20, 300, Screen(std::nullopt, 20)), (WindowPoint{0, 300}));
    EXPECT_EQ(Snap(1, 300, Screen(std::nullopt, 0)), (WindowPoint{1, 300}));
    EXPECT_EQ(Snap(0, 300, Screen(std::nullopt, 0)), (WindowPoint{0, 300}));
}

TEST(EdgeSnap, TaskbarAtTheBottomHoldsTheWindowOnIt) {
    const SnapArea area = Screen(EdgeRect{0, kH - 30, kW, kH});
    const int onTaskbar = kH - 30 - kHeight;
    EXPECT_EQ(Snap(300, onTaskbar - 3, area), (WindowPoint{300, onTaskbar}));
    EXPECT_EQ(Snap(300, onTaskbar + 3, area), (WindowPoint{300, onTaskbar}));
    EXPECT_EQ(Snap(300, onTaskbar - 6, area), (WindowPoint{300, onTaskbar - 6}));
    // A bottom taskbar that spans the width is not taken for a left one: the
    // window's left edge near the taskbar's right end stays.
    EXPECT_EQ(Snap(kW - 2, 300, area), (WindowPoint{kW - 2, 300}));
    // The screen's bottom edge pulls first, the taskbar's edge wins after it.
    EXPECT_EQ(Snap(300, kH - kHeight - 2, area), (WindowPoint{300, kH - kHeight}));
}

TEST(EdgeSnap, TaskbarAtTheTopLeftOrRight) {
    const SnapArea top = Screen(EdgeRect{0, 0, kW, 28});
    EXPECT_EQ(Snap(300, 31, top), (WindowPoint{300, 28}));
    EXPECT_EQ(Snap(300, 25, top), (WindowPoint{300, 28}));
    EXPECT_EQ(Snap(300, 4, top), (WindowPoint{300, 0}));  // the screen edge is not overruled when far
    const SnapArea left = Screen(EdgeRect{0, 0, 60, kH});
    EXPECT_EQ(Snap(64, 300, left), (WindowPoint{60, 300}));
    EXPECT_EQ(Snap(70, 300, left), (WindowPoint{70, 300}));
    const SnapArea right = Screen(EdgeRect{kW - 60, 0, kW, kH});
    EXPECT_EQ(Snap(kW - 60 - kWidth + 5, 300, right), (WindowPoint{kW - 60 - kWidth, 300}));
    EXPECT_EQ(Snap(kW - 60 - kWidth - 5, 300, right), (WindowPoint{kW - 60 - kWidth, 300}));
}

TEST(EdgeSnap, SnappedPositionsAreStable) {
    const SnapArea area = Screen(EdgeRect{0, kH - 30, kW, kH});
    for (int left : {-7, -3, 0, 4, 500, kW - kWidth - 4, kW - kWidth + 3})
        for (int top : {-4, 2, 300, kH - 30 - kHeight + 2, kH - kHeight - 1}) {
            const WindowPoint once = Snap(left, top, area);
            EXPECT_EQ(SnapToEdges(once, kWidth, kHeight, area), once) << left << "," << top;
        }
}
