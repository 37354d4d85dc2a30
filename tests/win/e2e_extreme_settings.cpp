// The whole program under Wine with absurd numbers in Horalto.ini or absurd
// pictures: it starts, shows a clock no larger than the screen, keeps running,
// closes cleanly and writes no garbage into its files.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/horalto_globals.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/fake_taskbar.h"
#include "win/support/jpeg_maker.h"
#include "win/support/picture_claims.h"
#include "win/support/program_runner.h"
#include "win/support/voice_log.h"

using namespace testing_support;

namespace {

void ExpectShownWithinTheScreen(HWND window) {
    ASSERT_NE(window, nullptr) << "no TfrmHoralto window appeared";
    // The window appears once its first skin is loaded and drawn.
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(window) != FALSE; }, 30000));
    RECT r{};
    ASSERT_TRUE(GetWindowRect(window, &r));
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GT(r.bottom - r.top, 0);
    EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// Starts the program over the settings, checks its window while it runs and
// closes it; the lines of the work log it leaves.
base::StringList RunWith(const std::wstring& tag, const std::wstring& iniText) {
    ScratchDir dir(tag);
    base::WriteTextFile1251(dir.Path() / L"Horalto.ini", iniText);
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        WriteTickingClock(ini);
        ini.UpdateFile();
    }
    const std::filesystem::path voice = dir.Path() / L"voice.log";
    {
        RunningProgram program(dir.Path(), VoiceLogEnvironment(voice));
        HWND main = program.WaitForWindow(L"TfrmHoralto");
        ExpectShownWithinTheScreen(main);
        // A few ticks of the clock: it is drawn and still alive.
        EXPECT_TRUE(WaitFor([&] { return TicksSaid(voice) >= 3 || program.WaitExit(0); }, 30000))
            << "the clock did not tick";
        EXPECT_FALSE(program.WaitExit(0)) << "the program ended by itself";
        ExpectShownWithinTheScreen(main);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    base::StringList log;
    if (std::filesystem::exists(dir.Path() / L"WindowsWorkLog.txt"))
        log.LoadFromFile(dir.Path() / L"WindowsWorkLog.txt");
    return log;
}

}  // namespace

TEST(ExtremeSettings, HugeScaleWithAlphaAbove255StartsAndShowsTheClock) {
    RunWith(L"extreme-scale",
            L"[Window]\r\nMainScale=1E300\r\nLevelTransparency=1000\r\nTransparency=1\r\n"
            L"[SystemClock]\r\nScale=1E300\r\n");
}

TEST(ExtremeSettings, ScaleThatOverflowsTheBitmapStillShowsTheClock) {
    RunWith(L"extreme-bitmap", L"[Window]\r\nMainScale=50000\r\nLevelTransparency=-5\r\nTransparency=1\r\n");
}

TEST(ExtremeSettings, AbsurdWorkTimeCorrectionWritesNoGarbageRow) {
    const base::StringList log = RunWith(L"extreme-worktime",
                                         L"[WindowsWorkTime]\r\nShowWorkLog=1\r\nCorrectWorkT=-1E300\r\n"
                                         L"TotalWindowsWorkTime=1E300\r\n");
    ASSERT_GE(log.Count(), 2);
    for (const auto& line : log) {
        EXPECT_EQ(line.find(L"-"), std::wstring::npos) << testing::PrintToString(line);
        EXPECT_LT(line.size(), 80u);
    }
}

TEST(ExtremeSettings, PicturesClaimingAHugeSizeAreRefusedAsSkinAndWallpaper) {
    // Files of a few kilobytes whose headers claim billions of pixels, and a
    // whole picture of 8192 x 8192: the skin is shown without them, the
    // wallpaper task passes silently, and the program never holds more than a
    // few hundred megabytes.
    ScratchDir dir(L"extreme-pictures");
    base::WriteFileBytes(dir.Path() / L"huge.jpg", JpegClaiming(65500, 65500));
    base::WriteFileBytes(dir.Path() / L"huge.png", PngClaiming(30000, 30000));
    base::WriteFileBytes(dir.Path() / L"huge.bmp", BmpClaiming(20000, -20000));
    base::WriteFileBytes(dir.Path() / L"huge.gif", GifClaiming(60000, 60000));
    base::WriteFileBytes(dir.Path() / L"huge.tif", TiffClaiming(46000, 46000));
    base::WriteFileBytes(dir.Path() / L"large.png", PngOfSize(8192, 8192));
    base::WriteTextFile1251(
        dir.Path() / L"huge.qsk",
        L"[Огромная]\r\nImgBackGr=huge.png\r\nImgBack=huge.jpg\r\nImgSec=huge.bmp\r\n"
        L"ImgMin=huge.gif\r\nImgHour=huge.jpg\r\nImgCentr=huge.tif\r\nImgGlass=large.png\r\n"
        L"CenterX=50\r\nCenterY=40\r\nScale=1\r\n");
    base::WriteTextFile1251(
        dir.Path() / L"Horalto.ini",
        L"[Window]\r\nMainSkinIndex=4\r\nMainScale=1\r\n[Skins]\r\nОгромная=huge.qsk\r\n");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        WriteTickingClock(ini);
        ini.UpdateFile();
    }
    const std::filesystem::path log = dir.Path() / L"voice.log";
    planner::TaskTable tasks;
    tasks.SetRowCount(3);
    tasks.SetCell(planner::kColDay, 1, L"*Ежедневно");
    tasks.SetCell(planner::kColTime, 1, L"Запуск");
    tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\0'));  // no shaking
    tasks.SetCell(planner::kColPicture, 1, L"huge.jpg");
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", planner::TaskFileBytes(tasks));
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::filesystem::path wallpaper = std::filesystem::path(windows) / L"WqWallpaper.bmp";
    std::error_code ec;
    const auto wallpaperBefore = std::filesystem::last_write_time(wallpaper, ec);
    {
        RunningProgram program(dir.Path(), VoiceLogEnvironment(log));
        MemoryWatch watch(program, 600u << 20);
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr) << "peak " << (watch.Peak() >> 20) << " MB";
        RECT r{};
        GetWindowRect(main, &r);
        EXPECT_EQ(r.right - r.left, 101);  // the skin's own size, without its pictures
        EXPECT_EQ(r.bottom - r.top, 80);
        // The task set to run at start falls due two seconds after the
        // settings window has read it, and the clock says its ticks a second
        // apart at least from then on: by the sixth tick the task has run.
        EXPECT_TRUE(WaitFor([&] { return TicksSaid(log) >= 6 || program.WaitForDialog(0); }, 60000));
        EXPECT_EQ(program.WaitForDialog(0), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
        EXPECT_FALSE(watch.Exceeded());
        EXPECT_LT(watch.Peak(), 600u << 20) << (watch.Peak() >> 20) << " MB";
        std::printf("peak memory: %zu MB\n", watch.Peak() >> 20);
    }
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read,
                                      planner::ScheduleCellReader(base::SystemFormatSettings(), Now())));
    EXPECT_NE(read.Cell(planner::kColDone, 1), L"") << "the task ran";
    EXPECT_EQ(read.Cell(planner::kColPicture, 1), L"huge.jpg");
    EXPECT_EQ(std::filesystem::last_write_time(wallpaper, ec), wallpaperBefore);
}

TEST(ExtremeSettings, PictureAtTheSizeLimitIsShownWithinTheMemoryBound) {
    // The largest pictures the program takes, in their costliest forms: an
    // uncompressed 32-bit BMP of 4096 x 4096, and a GIF of that screen whose
    // four frames of that size take the whole budget of a GIF's frames, its
    // pixels never repeating, so that its file is about 90 MB. The clock takes
    // the picture's shape, and the program stays under 600 MB.
    for (const bool gif : {false, true}) {
        SCOPED_TRACE(gif ? "GIF" : "BMP");
        ScratchDir dir(gif ? L"extreme-limit-gif" : L"extreme-limit");
        const std::wstring picture = gif ? L"limit.gif" : L"limit.bmp";
        base::WriteFileBytes(dir.Path() / picture,
                             gif ? AnimatedGif(4096, 4096, 4096, 4096, 4, true) : BmpOfSize(4096, 4096));
        base::WriteTextFile1251(
            dir.Path() / L"limit.qsk",
            L"[Предел]\r\nImgBackGr=" + picture + L"\r\nCenterX=50\r\nCenterY=40\r\nScale=1\r\n");
        base::WriteTextFile1251(
            dir.Path() / L"Horalto.ini",
            L"[Window]\r\nMainSkinIndex=4\r\nMainScale=1\r\n[Skins]\r\nПредел=limit.qsk\r\n");
        RunningProgram program(dir.Path());
        MemoryWatch watch(program, 600u << 20);
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr) << "peak " << (watch.Peak() >> 20) << " MB";
        RECT r{};
        GetWindowRect(main, &r);
        EXPECT_GT(r.bottom - r.top, 300);  // the picture, fitted to the screen
        EXPECT_NEAR(r.right - r.left, r.bottom - r.top, 2);
        EXPECT_EQ(program.CloseAndWait(), 0);
        EXPECT_FALSE(watch.Exceeded());
        EXPECT_LT(watch.Peak(), 600u << 20) << (watch.Peak() >> 20) << " MB";
        std::printf("peak memory with the %s: %zu MB\n", gif ? "GIF" : "BMP", watch.Peak() >> 20);
    }
}

TEST(ExtremeSettings, AnimatedGifIsShownAsTheSkinPictureAndTheSkinStaysChosen) {
    // An ordinary animation of 120 frames of 480 x 360 as the picture of a
    // skin that takes its size from it: the clock takes that size, and the
    // close keeps the skin as the user's choice. Before it, the same skin
    // whose picture cannot be loaded (an animation past the frames' budget, a
    // JPEG whose header claims 65500 x 65500, a file not there yet) has no
    // size: the main window and the taskbar clock show the built-in skins for
    // that run, and the close keeps the skin chosen in both, so that the
    // start with the good picture in its place shows it.
    struct Case {
        const char* what;
        const wchar_t* file;
        std::string refused, good;
    };
    const Case cases[] = {
        {"animation of 400 frames", L"animation.gif", AnimatedGif(480, 360, 480, 360, 400),
         AnimatedGif(480, 360, 480, 360, 120)},
        {"JPEG claiming 65500 x 65500", L"photo.jpg", JpegClaiming(65500, 65500), MakeJpeg(480, 360)},
        {"missing picture", L"animation.gif", "", AnimatedGif(480, 360, 480, 360, 120)},
    };
    FakeTaskbarProcess taskbar;
    ASSERT_TRUE(taskbar.windows.clock) << "the stand-in taskbar did not start";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir(L"extreme-animation");
        const std::filesystem::path picture = dir.Path() / c.file;
        if (!c.refused.empty()) base::WriteFileBytes(picture, c.refused);
        base::WriteTextFile1251(dir.Path() / L"animation.qsk",
                                std::wstring(L"[Анимация]\r\nImgBackGr=") + c.file + L"\r\nScale=1\r\n");
        base::WriteTextFile1251(dir.Path() / L"Horalto.ini",
                                L"[Main]\r\nShowInTray=1\r\nInSystemClock=1\r\n"
                                L"[Window]\r\nMainSkinIndex=4\r\nMainScale=1\r\n"
                                L"[SystemClock]\r\nUseTraySkis=1\r\nNewTraySkin=1\r\nTraySkinIndex=4\r\n"
                                L"[Skins]\r\nАнимация=animation.qsk\r\n");
        for (const bool good : {false, true}) {
            SCOPED_TRACE(good ? "the good picture" : "the picture that cannot be loaded");
            if (good) base::WriteFileBytes(picture, c.good);
            {
                RunningProgram program(dir.Path());
                HWND main = program.WaitShown();
                ASSERT_NE(main, nullptr);
                // The taskbar clock is built, from its own skin.
                EXPECT_TRUE(WaitFor([&] { return GetWindow(taskbar.windows.clock, GW_CHILD) != nullptr; }));
                RECT r{};
                GetWindowRect(main, &r);
                // The skin's own size, or the built-in skin's at the skin's scale.
                EXPECT_EQ(r.right - r.left, good ? 481 : 106);
                EXPECT_EQ(r.bottom - r.top, good ? 360 : 105);
                EXPECT_EQ(program.CloseAndWait(), 0);
            }
            const base::IniFile ini(dir.Path() / L"Horalto.ini");
            EXPECT_TRUE(ini.ValueExists(L"Window", L"DrawOnForm")) << "the close wrote the settings";
            EXPECT_EQ(ini.ReadInteger(L"Window", L"MainSkinIndex", -1), 4);
            EXPECT_EQ(ini.ReadInteger(L"SystemClock", L"TraySkinIndex", -1), 4);
            EXPECT_EQ(ini.ReadString(L"Skins", L"Анимация", L""), L"animation.qsk");
        }
    }
}
