// Which timer drives the per-second worker, and the 500 ms gate.
#include <gtest/gtest.h>

#include "core/window_placement.h"
#include "core/worker_gate.h"

using namespace core;

TEST(WorkerDriver, ExactlyOneTimerDrives) {
    const TimerState main1000{true, 1000};
    EXPECT_TRUE(MainTimerDrivesWorker(main1000, {false, 1000}));
    EXPECT_FALSE(MainTimerDrivesWorker(main1000, {true, 300}));
    EXPECT_TRUE(TrayTimerDrivesWorker(main1000, {true, 300}));
    // Equal intervals: the main timer drives.
    EXPECT_TRUE(MainTimerDrivesWorker(main1000, {true, 1000}));
    EXPECT_FALSE(TrayTimerDrivesWorker(main1000, {true, 1000}));
    // Minimised: the main timer is stopped, the tray timer drives.
    EXPECT_TRUE(TrayTimerDrivesWorker({false, 1000}, {true, 2000}));
    // Switching the taskbar clock off hands the worker back.
    EXPECT_TRUE(MainTimerDrivesWorker(main1000, {false, 300}));
}

TEST(WorkerGate, FirstTickOnlyArmsThenEvery500ms) {
    WorkerGate gate;
    EXPECT_FALSE(gate.Open(10'000, true));  // first tick ever: no worker
    EXPECT_FALSE(gate.Open(10'499, true));
    EXPECT_TRUE(gate.Open(10'500, true));
    gate.Done(10'520);
    EXPECT_FALSE(gate.Open(10'900, true));
    EXPECT_TRUE(gate.Open(11'020, true));
    EXPECT_FALSE(gate.Open(20'000, false));  // a timer that does not drive never runs it
}

TEST(WorkerGate, FirstTickArmsEvenWhenNotDriving) {
    WorkerGate gate;
    EXPECT_FALSE(gate.Open(5'000, false));
    EXPECT_TRUE(gate.set);
    EXPECT_TRUE(gate.Open(5'600, true));
}

TEST(WorkerGate, TickCountWrap) {
    WorkerGate gate;
    gate.Done(0xFFFF'FF00u);
    EXPECT_FALSE(gate.Open(0x0000'0010u, true));  // 272 ms later
    EXPECT_TRUE(gate.Open(0x0000'0200u, true));   // 768 ms later
}

TEST(PullBackOnScreen, OffScreenWindowsComeBack) {
    const int w = 194, h = 79, sw = 1024, sh = 768;
    EXPECT_EQ(PullBackOnScreen({296, 106}, w, h, sw, sh), (WindowPoint{296, 106}));
    EXPECT_EQ(PullBackOnScreen({1500, 900}, w, h, sw, sh), (WindowPoint{1024 - w, 768 - h}));
    EXPECT_EQ(PullBackOnScreen({1024, 100}, w, h, sw, sh), (WindowPoint{1024 - w, 100}));
    // Partly off the screen: stays.
    EXPECT_EQ(PullBackOnScreen({1000, 700}, w, h, sw, sh), (WindowPoint{1000, 700}));
    EXPECT_EQ(PullBackOnScreen({-100, -50}, w, h, sw, sh), (WindowPoint{-100, -50}));
    // Wholly left of or above the screen (a removed monitor): back to 0.
    EXPECT_EQ(PullBackOnScreen({-1600, 300}, w, h, sw, sh), (WindowPoint{0, 300}));
    EXPECT_EQ(PullBackOnScreen({300, -79}, w, h, sw, sh), (WindowPoint{300, 0}));
}
