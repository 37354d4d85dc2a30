// The clock in the desktop wallpaper: the user's wallpaper read from the
// registry, the program's bitmap in the Windows folder and its registration,
// and the user's wallpaper put back.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/gdiplus_util.h"
#include "face/window_background.h"
#include "ui/application.h"
#include "ui/registry.h"

using namespace face;
namespace fs = std::filesystem;

namespace {

const wchar_t kDesktop[] = L"\\Control Panel\\Desktop";
const wchar_t kColors[] = L"\\Control Panel\\Colors";

std::wstring Value(const wchar_t* key, const wchar_t* name) {
    ui::Registry reg(HKEY_CURRENT_USER);
    if (!reg.OpenKey(key, true)) return L"?";
    return reg.ReadString(name);
}
void SetValue(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    ui::Registry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(key, true));
    reg.WriteString(name, value);
}
void SetDesktop(const std::wstring& file, const wchar_t* style, const wchar_t* tile) {
    SetValue(kDesktop, L"Wallpaper", file);
    SetValue(kDesktop, L"WallpaperStyle", style);
    SetValue(kDesktop, L"TileWallpaper", tile);
}

std::wstring WindowsFolder() {
    wchar_t dir[MAX_PATH] = {};
    GetWindowsDirectoryW(dir, MAX_PATH);
    return dir;
}

// A picture file of one colour, or of two: `left` up to column split, `right` after it.
void WritePicture(const fs::path& file, int width, int height, Gdiplus::Color left, Gdiplus::Color right,
                  int split) {
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        Gdiplus::SolidBrush a(left), b(right);
        g.FillRectangle(&a, 0, 0, split, height);
        g.FillRectangle(&b, split, 0, width - split, height);
    }
    CLSID bmp{};
    ASSERT_GE(GetEncoderClsidByMime(L"image/bmp", bmp), 0);
    ASSERT_EQ(bitmap.Save(file.c_str(), &bmp, nullptr), Gdiplus::Ok);
}

Gdiplus::Color PixelOf(const fs::path& file, int x, int y) {
    Gdiplus::Bitmap bitmap(file.c_str());
    Gdiplus::Color c;
    bitmap.GetPixel(x, y, &c);
    return c;
}
bool SameRgb(Gdiplus::Color a, Gdiplus::Color b) {
    return a.GetR() == b.GetR() && a.GetG() == b.GetG() && a.GetB() == b.GetB();
}

class FaceWallpaper : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::Application().Initialize();
        form_ = ui::NewForm<TfrmHoralto>().release();
        form_->SetTag(0);
        form_->Show();
        saved_[0] = Value(kDesktop, L"Wallpaper");
        saved_[1] = Value(kDesktop, L"WallpaperStyle");
        saved_[2] = Value(kDesktop, L"TileWallpaper");
        saved_[3] = Value(kColors, L"Background");
    }
    static void TearDownTestSuite() {
        ui::FormPtr<TfrmHoralto> owner(form_);
        form_ = nullptr;
        SetDesktop(saved_[0], saved_[1].c_str(), saved_[2].c_str());
        SetValue(kColors, L"Background", saved_[3]);
        std::error_code ec;
        fs::remove(Own(), ec);
    }
    void SetUp() override {
        dir_ = fs::temp_directory_path() / L"face2_wallpaper";
        fs::create_directories(dir_);
        user_ = dir_ / L"Обои пользователя.bmp";
        WritePicture(user_, 64, 48, red_, red_, 64);
        auto& w = F().Settings.Window;
        w = core::WindowSettings{};
        w.MainSkinIndex = 1;
        w.MainScale = 1.0f;
        w.DrawOnForm = true;
        w.DrawOnDesktop = false;
        F().Shaking = false;
        F().SetBounds(300, 200, F().Width(), F().Height());
        SetDesktop(user_.wstring(), L"2", L"0");
        SetValue(kColors, L"Background", L"58 110 165");
        std::error_code ec;
        fs::remove(Own(), ec);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    static fs::path Own() { return fs::path(WindowsFolder()) / L"HoraltoWallpaper.bmp"; }
    TfrmHoralto& F() { return *form_; }
    // The clock in the wallpaper only, at (300, 200).
    void IntoTheWallpaper() {
        F().Settings.Window.DrawOnForm = false;
        F().SetBounds(300, 200, F().Width(), F().Height());
        F().RefreshDisplay(L"", true, false);
    }

    static TfrmHoralto* form_;
    static std::wstring saved_[4];
    fs::path dir_, user_;
    const Gdiplus::Color red_{255, 200, 0, 0}, green_{255, 0, 160, 0};
};
TfrmHoralto* FaceWallpaper::form_ = nullptr;
std::wstring FaceWallpaper::saved_[4];

}  // namespace

TEST_F(FaceWallpaper, ReadsTheUsersWallpaperAndDesktopColour) {
    SetDesktop(L"C:\\Pictures\\sea.bmp", L"2", L"1");
    ASSERT_TRUE(F().ReadWallpaperSettings());
    EXPECT_EQ(F().Settings.Window.WallpaperPath, L"C:\\Pictures\\sea.bmp");
    EXPECT_EQ(F().Settings.Window.WallpaperStyle, 2);  // stretched wins over tiled
    EXPECT_EQ(static_cast<unsigned>(F().Settings.Window.WallpaperColor), MakeArgb(255, 58, 110, 165));

    SetDesktop(L"C:\\Pictures\\sea.bmp", L"0", L"1");
    ASSERT_TRUE(F().ReadWallpaperSettings());
    EXPECT_EQ(F().Settings.Window.WallpaperStyle, 1);
    SetDesktop(L"C:\\Pictures\\sea.bmp", L"0", L"0");
    ASSERT_TRUE(F().ReadWallpaperSettings());
    EXPECT_EQ(F().Settings.Window.WallpaperStyle, 0);

    // The program's own bitmap (in any Latin case) is never taken for the user's.
    SetDesktop(WindowsFolder() + L"\\HORALTOWALLPAPER.bmp", L"2", L"0");
    EXPECT_FALSE(F().ReadWallpaperSettings());
    EXPECT_EQ(F().Settings.Window.WallpaperPath, L"C:\\Pictures\\sea.bmp");
    EXPECT_EQ(F().Settings.Window.WallpaperStyle, 0);
}

TEST_F(FaceWallpaper, ClockGoesIntoTheWallpaperAndTheUsersComesBack) {
    SetDesktop(user_.wstring(), L"0", L"1");  // tiled
    IntoTheWallpaper();
    ASSERT_TRUE(fs::exists(Own()));
    EXPECT_EQ(Value(kDesktop, L"Wallpaper"), Own().wstring());
    EXPECT_EQ(Value(kDesktop, L"WallpaperStyle"), L"2");
    EXPECT_EQ(Value(kDesktop, L"TileWallpaper"), L"0");
    EXPECT_EQ(F().Settings.Window.WallpaperPath, user_.wstring());
    EXPECT_EQ(F().Settings.Window.WallpaperStyle, 1);
    {
        Gdiplus::Bitmap wallpaper(Own().c_str());
        EXPECT_EQ(int(wallpaper.GetWidth()), GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(int(wallpaper.GetHeight()), GetSystemMetrics(SM_CYSCREEN));
    }
    // The user's picture tiles the screen; the clock sits at the window's place.
    EXPECT_TRUE(SameRgb(PixelOf(Own(), 5, 5), red_));
    EXPECT_TRUE(SameRgb(PixelOf(Own(), 1000, 700), red_));
    const int cx = 300 + F().Width() / 2, cy = 200 + F().Height() / 2;
    EXPECT_FALSE(SameRgb(PixelOf(Own(), cx, cy), red_));

    // While the window shakes the wallpaper stays as it is.
    std::error_code ec;
    fs::remove(Own(), ec);
    F().Shaking = true;
    F().DrawWallpaper(false);
    EXPECT_FALSE(fs::exists(Own()));
    F().Shaking = false;

    // Back: the user's picture with the tiled values.
    F().DrawWallpaper(true);
    EXPECT_EQ(Value(kDesktop, L"Wallpaper"), user_.wstring());
    EXPECT_EQ(Value(kDesktop, L"WallpaperStyle"), L"0");
    EXPECT_EQ(Value(kDesktop, L"TileWallpaper"), L"1");
}

TEST_F(FaceWallpaper, CentredPictureLargerThanTheScreenShowsItsMiddle) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const fs::path big = dir_ / L"big.bmp";
    // Red beyond the middle part that fits the screen, green inside it.
    const int pw = sw + 976, cut = 976 / 2;
    {
        Gdiplus::Bitmap bitmap(pw, sh + 100, PixelFormat32bppARGB);
        Gdiplus::Graphics g(&bitmap);
        Gdiplus::SolidBrush r(red_), gr(green_);
        g.FillRectangle(&r, 0, 0, pw, sh + 100);
        g.FillRectangle(&gr, cut, 0, sw, sh + 100);
        CLSID bmp{};
        GetEncoderClsidByMime(L"image/bmp", bmp);
        ASSERT_EQ(bitmap.Save(big.c_str(), &bmp, nullptr), Gdiplus::Ok);
    }
    SetDesktop(big.wstring(), L"0", L"0");
    F().ReadWallpaperSettings();
    IntoTheWallpaper();
    ASSERT_TRUE(fs::exists(Own()));
    EXPECT_TRUE(SameRgb(PixelOf(Own(), 0, 5), green_));
    EXPECT_TRUE(SameRgb(PixelOf(Own(), sw - 1, 5), green_));

    // A missing picture leaves the desktop colour alone.
    SetDesktop((dir_ / L"нет такой.bmp").wstring(), L"0", L"0");
    F().ReadWallpaperSettings();
    F().DrawWallpaper(false);
    EXPECT_TRUE(SameRgb(PixelOf(Own(), 3, 3), Gdiplus::Color(255, 58, 110, 165)));
}

TEST_F(FaceWallpaper, BitmapThatCannotBeWrittenIsNotRegistered) {
    // A folder in the bitmap's place keeps the file from being written.
    fs::create_directories(Own());
    IntoTheWallpaper();
    EXPECT_EQ(Value(kDesktop, L"Wallpaper"), user_.wstring());
    std::error_code ec;
    fs::remove_all(Own(), ec);
}

TEST_F(FaceWallpaper, BackgroundOnTheDesktopNeedsABackgroundPicture) {
    // "Обратная" has a window picture: with the face on the form, the picture
    // alone goes into the wallpaper.
    F().Settings.Window.MainSkinIndex = 2;
    F().Settings.Window.DrawOnDesktop = true;
    F().Settings.Window.DrawOnForm = true;
    F().RefreshDisplay(L"", true, false);
    EXPECT_TRUE(fs::exists(Own()));
    EXPECT_EQ(Value(kDesktop, L"Wallpaper"), Own().wstring());

    // Without a picture there is nothing to put there.
    F().DrawWallpaper(true);
    std::error_code ec;
    fs::remove(Own(), ec);
    F().Face().MainSkin.images[kImgBackGr].reset();
    F().DrawWallpaper(false);
    EXPECT_FALSE(fs::exists(Own()));
    EXPECT_EQ(Value(kDesktop, L"Wallpaper"), user_.wstring());
}
