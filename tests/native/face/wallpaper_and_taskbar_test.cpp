#include <gtest/gtest.h>

#include "face/taskbar_layout.h"
#include "face/wallpaper_rules.h"

using namespace face;

TEST(WallpaperRules, PlacementFromTheRegistry) {
    // A stretched style wins over the tile value.
    EXPECT_EQ(WallpaperPlacementFromRegistry(L"2", L"1"), kWallpaperStretched);
    EXPECT_EQ(WallpaperPlacementFromRegistry(L"0", L"1"), kWallpaperTiled);
    EXPECT_EQ(WallpaperPlacementFromRegistry(L"0", L"0"), kWallpaperCentred);
    // Missing values read as empty texts: not "0".
    EXPECT_EQ(WallpaperPlacementFromRegistry(L"", L""), kWallpaperStretched);
    EXPECT_EQ(WallpaperPlacementFromRegistry(L"0", L""), kWallpaperTiled);
}

TEST(WallpaperRules, RegistryValuesOfEachPlacement) {
    auto tiled = RegistryValuesOfPlacement(kWallpaperTiled);
    EXPECT_STREQ(tiled.wallpaperStyle, L"0");
    EXPECT_STREQ(tiled.tileWallpaper, L"1");
    auto centred = RegistryValuesOfPlacement(kWallpaperCentred);
    EXPECT_STREQ(centred.wallpaperStyle, L"0");
    EXPECT_STREQ(centred.tileWallpaper, L"0");
    auto stretched = RegistryValuesOfPlacement(kWallpaperStretched);
    EXPECT_STREQ(stretched.wallpaperStyle, L"2");
    EXPECT_STREQ(stretched.tileWallpaper, L"0");
    // Every placement read back from its own values is itself.
    for (int p : {0, 1, 2}) {
        auto v = RegistryValuesOfPlacement(p);
        EXPECT_EQ(WallpaperPlacementFromRegistry(v.wallpaperStyle, v.tileWallpaper), p);
    }
    EXPECT_STREQ(RegistryValuesOfPlacement(7).wallpaperStyle, L"2");
}

TEST(WallpaperRules, CentredPictureLargerThanTheScreenShowsItsMiddle) {
    auto big = CentredPicturePosition(1024, 768, 2000, 1500);
    EXPECT_EQ(big.x, -488);
    EXPECT_EQ(big.y, -366);
    // The cut on the right equals the cut on the left.
    EXPECT_EQ(2000 + big.x - 1024, -big.x);
    auto small = CentredPicturePosition(1024, 768, 100, 51);
    EXPECT_EQ(small.x, 462);
    EXPECT_EQ(small.y, 358);
}

TEST(WallpaperRules, OwnFileComparedIgnoringLatinCase) {
    EXPECT_EQ(ProgramWallpaperFile(L"C:\\windows"), L"C:\\windows\\HoraltoWallpaper.bmp");
    EXPECT_EQ(ProgramWallpaperFile(L"C:\\windows\\"), L"C:\\windows\\HoraltoWallpaper.bmp");
    EXPECT_TRUE(
        SameWallpaperFile(L"c:\\WINDOWS\\horaltowallpaper.BMP", L"C:\\windows\\HoraltoWallpaper.bmp"));
    EXPECT_FALSE(SameWallpaperFile(L"C:\\Обои.bmp", L"C:\\ОБОИ.bmp"));
}

TEST(TaskbarLayout, PanelInsideTheClockWindow) {
    const TrayFrame framed = PanelFrame(false, 3, 2);
    EXPECT_EQ(PanelPlacement(framed, 30, 60), (TrayMove{3, 2, 57, 26}));
    const TrayFrame bare = PanelFrame(true, 3, 2);
    EXPECT_EQ(PanelPlacement(bare, 30, 60), (TrayMove{0, 0, 60, 30}));
    // A clock not yet measured gives an empty panel, never a negative one.
    EXPECT_EQ(PanelPlacement(framed, 3, 0), (TrayMove{3, 2, 0, 0}));
}

TEST(TaskbarLayout, TextClockAndItsLabel) {
    EXPECT_EQ(TextClockWidth(40, 6, true, 3), 52);
    EXPECT_EQ(TextClockWidth(40, 6, false, 3), 58);
    EXPECT_EQ(TextLabelPlacement(52, 26, 6), (TrayMove{6, 0, 40, 26}));
    EXPECT_EQ(TextLabelPlacement(8, 26, 6), (TrayMove{6, 0, 0, 26}));
}

TEST(TaskbarLayout, SkinBitmapAndBackgroundPlacement) {
    EXPECT_EQ(ClockBitmapLeft(40, 27), 6);
    EXPECT_EQ(ClockBitmapLeft(20, 27), 0);
    EXPECT_EQ(ScaledBackgroundPlacement(60, 40, 20, 0.5), (TrayMove{20, 0, 20, 10}));
    EXPECT_EQ(ScaledBackgroundPlacement(60, 200, 20, 1.0), (TrayMove{0, 0, 200, 20}));
}

TEST(TaskbarLayout, WiderClockWidensTheNotificationAreaAndNarrowsTheTaskBand) {
    // A bottom taskbar across a 1024-pixel screen; the notification area holds
    // the icons (2 px in, 40 wide) and a 50-pixel clock, with 3 px to spare.
    TaskbarWindows w;
    w.taskbar = {0, 738, 1024, 768};
    w.notifyArea = {929, 740, 1024, 766};
    w.notifyClientHeight = 22;
    w.iconToolbar = {931, 740, 971, 766};
    w.clock = {971, 742, 1021, 764};
    w.taskBand = {100, 740, 929, 766};
    // The same width keeps everything where it is.
    TaskbarLayout same = WidenedTaskbarLayout(w, 1024, 50, 3);
    EXPECT_EQ(same.notifyArea, (TrayMove{929, 0, 95, 26}));
    EXPECT_EQ(same.taskBand, (TrayMove{100, 0, 829, 26}));
    EXPECT_EQ(same.clock, (TrayMove{42, 0, 50, 22}));
    // Twenty pixels more: the notification area grows by 20, the band shrinks by 20.
    TaskbarLayout wider = WidenedTaskbarLayout(w, 1024, 70, 3);
    EXPECT_EQ(wider.notifyArea, (TrayMove{909, 0, 115, 26}));
    EXPECT_EQ(wider.taskBand, (TrayMove{100, 0, 809, 26}));
    EXPECT_EQ(wider.clock, (TrayMove{42, 0, 70, 22}));
    // A taskbar pushed two pixels off the screen's left edge shifts the band back.
    w.taskbar.left = -2;
    w.taskBand.left = 98;
    EXPECT_EQ(WidenedTaskbarLayout(w, 1024, 50, 3).taskBand, (TrayMove{96, 0, 833, 26}));
}
