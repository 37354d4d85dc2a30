// The clock face drawn into a skin set's bitmap for fixed times: where the hands
// point, the hands' colour key and transparency, the built-in skins and the
// fallbacks of skin loading.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/picture_header.h"
#include "face/clock_face.h"
#include "face/display_rules.h"
#include "face/gdiplus_util.h"
#include "face/layered_frame.h"
#include "face/skin_set.h"
#include "face/window_background.h"
#include "ui/gdiplus_session.h"
#include "win/support/gdiplus_environment.h"
#include "win/support/picture_claims.h"
#include "win/support/jpeg_maker.h"

using namespace face;
namespace fs = std::filesystem;

namespace {

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new testing_support::GdiplusEnvironment);

SYSTEMTIME At(int h, int m, int s, int ms = 0) {
    SYSTEMTIME t{};
    t.wYear = 2024;
    t.wMonth = 5;
    t.wDay = 17;
    t.wHour = WORD(h);
    t.wMinute = WORD(m);
    t.wSecond = WORD(s);
    t.wMilliseconds = WORD(ms);
    return t;
}

Gdiplus::Color PixelAt(Gdiplus::Bitmap& b, double x, double y) {
    Gdiplus::Color c;
    b.GetPixel(INT(std::lround(x)), INT(std::lround(y)), &c);
    return c;
}

// A point at distance r from the centre in the direction of a dial angle
// (degrees clockwise from 12).
struct Point {
    double x, y;
};
Point Towards(const SkinSet& set, double degrees, double r) {
    const double a = degrees * 3.14159265358979 / 180;
    return {set.geometry.CenterX + std::sin(a) * r, set.geometry.CenterY - std::cos(a) * r};
}

// A scratch folder with a skin file whose hands are plain bars on magenta.
class TestSkinDir {
  public:
    TestSkinDir() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = fs::path(temp) / (L"horalto_face_" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(path_);
        // Hands: 41 x 41, pivot at 20, a bar from the pivot to the right edge.
        MakeHand(L"hand.bmp", Gdiplus::Color(255, 255, 255, 255), 3);
        MakeHand(L"hour.bmp", Gdiplus::Color(255, 0, 200, 0), 5);
    }
    ~TestSkinDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::wstring Folder() const { return path_.wstring() + L"\\"; }
    void WriteSkin(const std::string& text) { std::ofstream(path_ / L"test.qsk", std::ios::binary) << text; }
    std::wstring SkinFile() const { return (path_ / L"test.qsk").wstring(); }

  private:
    void MakeHand(const wchar_t* name, Gdiplus::Color color, int halfWidth) {
        Gdiplus::Bitmap hand(41, 41, PixelFormat24bppRGB);
        {
            Gdiplus::Graphics g(&hand);
            g.Clear(Gdiplus::Color(255, 255, 0, 255));
            Gdiplus::SolidBrush brush(color);
            g.FillRectangle(&brush, 20, 20 - halfWidth, 21, 2 * halfWidth + 1);
        }
        CLSID bmp;
        ASSERT_GE(GetEncoderClsidByMime(L"image/bmp", bmp), 0);
        ASSERT_EQ(hand.Save((path_ / name).wstring().c_str(), &bmp, nullptr), Gdiplus::Ok);
    }
    fs::path path_;
};

SkinLoadRequest Request(const std::wstring& path, const std::wstring& section, bool tray = false) {
    SkinLoadRequest r;
    r.path = path;
    r.section = section;
    r.tray = tray;
    r.instance = GetModuleHandleW(nullptr);
    r.scale.tray = tray;
    r.scale.useSkinScale = true;
    r.scale.settingScale = 1.0;
    return r;
}

// Saves what was drawn when HORALTO_FACE_SNAPSHOTS names a folder (for looking at).
void Snapshot(Gdiplus::Bitmap& bitmap, const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"HORALTO_FACE_SNAPSHOTS");
    if (!folder || !*folder) return;
    CLSID png;
    if (GetEncoderClsidByMime(L"image/png", png) < 0) return;
    bitmap.Save((std::wstring(folder) + L"\\" + name + L".png").c_str(), &png, nullptr);
}

const char kBarSkin[] =
    "[Bars]\r\n"
    "CenterX=50\r\nCenterY=50\r\n"
    "ImgSec=hand.bmp\r\nImgHour=hour.bmp\r\n"
    "StrelScale=1\r\nStrelTransparent=0,5\r\n"
    "RLabels=0\r\nRNums=0\r\nTextSize=0\r\n"
    "[Inverse]\r\n"
    "CenterX=50\r\nCenterY=50\r\n"
    "ImgSec=hand.bmp\r\nImgHour=hour.bmp\r\n"
    "StrelScale=1\r\nStrelTransparent=1\r\nInvertRotation=1\r\n"
    "RLabels=0\r\nRNums=0\r\nTextSize=0\r\n"
    "[Opaque]\r\n"
    "CenterX=50\r\nCenterY=50\r\n"
    "ImgSec=hand.bmp\r\n"
    "StrelScale=1\r\nStrelTransparent=1\r\nStrelColorTransp=0\r\n"
    "RLabels=0\r\nRNums=0\r\nTextSize=0\r\n";

}  // namespace

TEST(FaceDrawing, HandsPointWhereTheTimeSays) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin);
    SkinSet set;
    SkinLoadResult result = LoadSkinSet(set, Request(dir.SkinFile(), L"Bars"));
    ASSERT_FALSE(result.fellBack);
    ASSERT_EQ(set.geometry.bitmapWidth, 101);
    ASSERT_EQ(set.geometry.bitmapHeight, 100);

    // 3:00:30 — hour hand (green) to the right, second hand (white) down.
    DrawClockFace(set, L"", At(3, 0, 30));
    Snapshot(*set.clock, L"bars_0300");
    Gdiplus::Color hour = PixelAt(*set.clock, set.geometry.CenterX + 14, set.geometry.CenterY);
    EXPECT_GT(hour.GetG(), 150);
    EXPECT_LT(hour.GetR(), 60);
    Point down = Towards(set, 180, 14);
    Gdiplus::Color sec = PixelAt(*set.clock, down.x, down.y);
    EXPECT_GT(sec.GetR(), 200);
    EXPECT_GT(sec.GetB(), 200);
    // Nothing to the left or up.
    EXPECT_EQ(PixelAt(*set.clock, set.geometry.CenterX - 14, set.geometry.CenterY).GetA(), 0);
    EXPECT_EQ(PixelAt(*set.clock, set.geometry.CenterX, set.geometry.CenterY - 14).GetA(), 0);

    // 10:10:45 — the hour hand between 10 and 11 (305 degrees), the second hand at 9.
    DrawClockFace(set, L"", At(10, 10, 45));
    Point h = Towards(set, 305.08, 14);
    EXPECT_GT(PixelAt(*set.clock, h.x, h.y).GetG(), 150);
    Point s = Towards(set, 270, 14);
    EXPECT_GT(PixelAt(*set.clock, s.x, s.y).GetR(), 200);
    Point notHour = Towards(set, 90, 14);
    EXPECT_EQ(PixelAt(*set.clock, notHour.x, notHour.y).GetA(), 0);
}

TEST(FaceDrawing, ColourKeyAndHandTransparency) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin);
    SkinSet set;
    ASSERT_FALSE(LoadSkinSet(set, Request(dir.SkinFile(), L"Bars")).fellBack);
    DrawClockFace(set, L"", At(3, 0, 15));  // both hands to the right
    // On the edge of the hour bar, which the thinner second bar leaves free:
    // at half opacity (StrelTransparent 0.5).
    Gdiplus::Color bar = PixelAt(*set.clock, set.geometry.CenterX + 12, set.geometry.CenterY + 4);
    EXPECT_NEAR(bar.GetA(), 128, 12);
    // Inside the hand picture but off the bar: the magenta key is cut away.
    Gdiplus::Color off = PixelAt(*set.clock, set.geometry.CenterX + 12, set.geometry.CenterY + 12);
    EXPECT_EQ(off.GetA(), 0);

    // Without the colour key the magenta square stays, and opaque.
    SkinSet opaque;
    ASSERT_FALSE(LoadSkinSet(opaque, Request(dir.SkinFile(), L"Opaque")).fellBack);
    DrawClockFace(opaque, L"", At(3, 0, 15));
    Gdiplus::Color square = PixelAt(*opaque.clock, opaque.geometry.CenterX + 10, opaque.geometry.CenterY + 8);
    EXPECT_EQ(square.GetA(), 255);
    EXPECT_GT(square.GetR(), 200);
    EXPECT_LT(square.GetG(), 60);
    EXPECT_GT(square.GetB(), 200);
}

TEST(FaceDrawing, InvertedRotationRunsCounterClockwise) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin);
    SkinSet set;
    ASSERT_FALSE(LoadSkinSet(set, Request(dir.SkinFile(), L"Inverse")).fellBack);
    DrawClockFace(set, L"", At(3, 0, 20));  // hour at 9 o'clock, second hand at 8
    EXPECT_GT(PixelAt(*set.clock, set.geometry.CenterX - 14, set.geometry.CenterY).GetG(), 150);
    EXPECT_EQ(PixelAt(*set.clock, set.geometry.CenterX + 14, set.geometry.CenterY).GetA(), 0);
    Point s = Towards(set, -120, 14);
    EXPECT_GT(PixelAt(*set.clock, s.x, s.y).GetR(), 200);
}

TEST(FaceDrawing, SecondHandOnlyForShortTimerIntervals) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin);
    SkinSet set;
    SkinLoadRequest r = Request(dir.SkinFile(), L"Bars");
    r.timerInterval = 5001;
    ASSERT_FALSE(LoadSkinSet(set, r).fellBack);
    EXPECT_FALSE(set.secondHand);
    DrawClockFace(set, L"", At(3, 0, 30));
    Point down = Towards(set, 180, 14);
    EXPECT_EQ(PixelAt(*set.clock, down.x, down.y).GetA(), 0);
}

TEST(FaceLoading, MissingFileSectionOrSizeFallsBackToTheBuiltInSkins) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin + std::string("[NoSize]\r\nRLabels=3\r\nScale=2\r\n"));
    SkinSet set;
    SkinLoadResult main = LoadSkinSet(set, Request(dir.Folder() + L"missing.qsk", L"Bars"));
    EXPECT_TRUE(main.fellBack);
    EXPECT_FALSE(main.choiceKept);
    EXPECT_EQ(main.fallbackIndex, 1);
    EXPECT_EQ(main.section, L"");
    EXPECT_TRUE(set.images[kImgBackGr]);  // "Стандартная" from the resources
    EXPECT_TRUE(set.images[kImgGlass]);

    SkinSet tray;
    SkinLoadResult t = LoadSkinSet(tray, Request(dir.SkinFile(), L"Nothing", true));
    EXPECT_TRUE(t.fellBack);
    EXPECT_FALSE(t.choiceKept);
    EXPECT_EQ(t.fallbackIndex, 3);
    EXPECT_EQ(t.section, L"Трей");
    EXPECT_FALSE(tray.images[kImgBackGr]);
    EXPECT_TRUE(tray.images[kImgBack]);

    // A section there without a size stands the built-in skin in for itself,
    // at its own scale, and stays the choice.
    SkinLoadResult noSize = LoadSkinSet(set, Request(dir.SkinFile(), L"NoSize"));
    EXPECT_TRUE(noSize.fellBack);
    EXPECT_TRUE(noSize.choiceKept);
    EXPECT_TRUE(set.standIn);
    EXPECT_TRUE(set.images[kImgBackGr]);
    EXPECT_DOUBLE_EQ(set.geometry.Scale, 2);
    EXPECT_FALSE(tray.standIn);
}

TEST(FaceLoading, RelativePathsAndSharedPictures) {
    TestSkinDir dir;
    dir.WriteSkin(kBarSkin);
    SkinLoadRequest r = Request(L"test.qsk", L"Bars");
    r.programFolder = dir.Folder();
    SkinSet main;
    ASSERT_FALSE(LoadSkinSet(main, r).fellBack);
    ASSERT_TRUE(main.images[kImgSec]);

    // The taskbar clock sharing the main pictures reads the geometry of its own
    // section but takes the main set's pictures.
    SkinSet tray;
    SkinLoadRequest t = Request(dir.SkinFile(), L"Opaque", true);
    t.shareFrom = &main;
    ASSERT_FALSE(LoadSkinSet(tray, t).fellBack);
    EXPECT_EQ(tray.images[kImgSec].get(), main.images[kImgSec].get());
    EXPECT_EQ(tray.images[kImgHour].get(), main.images[kImgHour].get());
    EXPECT_FALSE(tray.StrelColorTransp);
    // Freeing the main set leaves the shared picture alive in the other.
    main.Clear();
    ASSERT_TRUE(tray.images[kImgSec]);
    EXPECT_EQ(tray.images[kImgSec]->GetWidth(), 41u);
}

TEST(FaceLoading, PicturesClaimingAHugeSizeAreLeftOut) {
    // As a missing file: the skin is shown without them. Each is refused by
    // its header before anything is decoded.
    TestSkinDir dir;
    const fs::path folder = dir.Folder();
    std::ofstream(folder / L"png.png", std::ios::binary) << testing_support::PngClaiming(30000, 30000);
    std::ofstream(folder / L"jpg.jpg", std::ios::binary) << testing_support::JpegClaiming(65500, 65500);
    std::ofstream(folder / L"bmp.bmp", std::ios::binary) << testing_support::BmpClaiming(20000, -20000);
    std::ofstream(folder / L"gif.gif", std::ios::binary) << testing_support::GifClaiming(60000, 60000);
    std::ofstream(folder / L"fine.jpg", std::ios::binary) << testing_support::MakeJpeg(64, 32);
    dir.WriteSkin(
        "[Huge]\r\nCenterX=50\r\nCenterY=40\r\nImgBackGr=png.png\r\nImgBack=jpg.jpg\r\nImgSec=bmp.bmp\r\n"
        "ImgMin=gif.gif\r\nImgHour=hour.bmp\r\nImgGlass=fine.jpg\r\n");
    SkinSet set;
    ASSERT_FALSE(LoadSkinSet(set, Request(dir.SkinFile(), L"Huge")).fellBack);
    for (SkinImage image : {kImgBackGr, kImgBack, kImgSec, kImgMin})
        EXPECT_FALSE(set.images[image]) << int(image);
    ASSERT_TRUE(set.images[kImgHour]);
    ASSERT_TRUE(set.images[kImgGlass]);
    EXPECT_EQ(set.images[kImgGlass]->GetWidth(), 64u);
    EXPECT_EQ(set.geometry.bitmapWidth, 101);
    EXPECT_EQ(set.geometry.bitmapHeight, 80);
    // The same headers at a size the program takes are decoded.
    std::ofstream(folder / L"bmp.bmp", std::ios::binary) << testing_support::BmpClaiming(4, -4);
    ImagePtr small = LoadImageFile((folder / L"bmp.bmp").wstring());
    ASSERT_TRUE(small);
    EXPECT_EQ(small->GetHeight(), 4u);
    // A small picture in a file of the largest size that is read, and in one
    // byte more.
    std::string padded = testing_support::BmpClaiming(4, -4);
    padded.resize(base::kMaxPictureFileBytes, '\0');
    std::ofstream(folder / L"padded.bmp", std::ios::binary) << padded;
    EXPECT_TRUE(LoadImageFile((folder / L"padded.bmp").wstring()));
    std::ofstream(folder / L"padded.bmp", std::ios::binary | std::ios::app) << '\0';
    EXPECT_FALSE(LoadImageFile((folder / L"padded.bmp").wstring()));
}

TEST(FaceLoading, ScalesAndAutomaticTaskbarScale) {
    SkinSet set;
    SkinLoadRequest r = Request(L"|", L"Стандартная");
    ASSERT_FALSE(LoadSkinSet(set, r).fellBack);
    const int standardWidth = set.geometry.bitmapWidth;
    EXPECT_DOUBLE_EQ(set.geometry.Scale, 1.5);
    r.scale.useSkinScale = false;
    r.scale.settingScale = 0.75;
    LoadSkinSet(set, r);
    EXPECT_DOUBLE_EQ(set.geometry.Scale, 0.75);
    EXPECT_LT(set.geometry.bitmapWidth, standardWidth);

    SkinSet tray;
    SkinLoadRequest t = Request(L"|", L"Трей", true);
    t.scale.autoTrayScale = true;
    t.scale.trayPanelHeight = 30;
    LoadSkinSet(tray, t);
    EXPECT_EQ(tray.geometry.bitmapHeight, 30);
    t.scale.trayPanelHeight = 0;  // no panel: the setting
    t.scale.settingScale = 1.0;
    LoadSkinSet(tray, t);
    EXPECT_DOUBLE_EQ(tray.geometry.Scale, 1.0);
}

TEST(FaceBuiltIn, EveryBuiltInSkinDrawsAFace) {
    for (const wchar_t* name : {L"Стандартная", L"Обратная", L"Трей"}) {
        SkinSet set;
        SkinLoadRequest r = Request(L"|", name, std::wstring(name) == L"Трей");
        ASSERT_FALSE(LoadSkinSet(set, r).fellBack) << name;
        for (int i = 0; i < kSkinImageCount; ++i) {
            const bool expected = BuiltInSkin(name).images[i].kind != ImageRef::Kind::None;
            EXPECT_EQ(bool(set.images[i]), expected) << name << " image " << i;
        }
        DrawClockFace(set, L"17 мая пт", At(10, 8, 37));
        Snapshot(*set.clock, std::wstring(L"builtin_") + (name[0] == L'С'   ? L"standard"
                                                          : name[0] == L'О' ? L"inverse"
                                                                            : L"tray"));
        LayeredFrame frame;
        if (frame.Compose(set.geometry.bitmapWidth, set.geometry.bitmapHeight, set.images[kImgBackGr],
                          set.clock.get())) {
            std::vector<std::uint32_t> pixels = frame.Pixels();
            Gdiplus::Bitmap window(frame.Width(), frame.Height(), frame.Width() * 4, PixelFormat32bppPARGB,
                                   reinterpret_cast<BYTE*>(pixels.data()));
            Snapshot(window, std::wstring(L"window_") + name);
        }
        // The dial is opaque at the centre and the corners stay clear.
        EXPECT_EQ(PixelAt(*set.clock, set.geometry.CenterX, set.geometry.CenterY).GetA(), 255) << name;
        EXPECT_EQ(PixelAt(*set.clock, 0, 0).GetA(), 0) << name;
    }
}

// The face drawn tick by tick from its cache must be the face drawn whole, pixel
// for pixel, at any time of day and after anything the cache shows has changed.
class FaceCacheTest : public ::testing::Test {
  protected:
    void Load(const wchar_t* name, double scale = 0) {
        for (SkinSet* s : {&cached_, &whole_}) {
            SkinLoadRequest r = Request(L"|", name);
            r.timerInterval = interval_;
            if (scale > 0) {
                r.scale.useSkinScale = false;
                r.scale.settingScale = scale;
            }
            ASSERT_FALSE(LoadSkinSet(*s, r).fellBack);
        }
    }
    template <class Change>
    void ChangeBoth(Change change) {
        change(cached_);
        change(whole_);
    }
    void ExpectSameAt(const SYSTEMTIME& t, const std::wstring& text, const char* what) {
        DrawClockFace(cached_, text, t);
        DrawWholeClockFace(whole_, text, t);
        const auto a = ArgbPixels(*cached_.clock), b = ArgbPixels(*whole_.clock);
        ASSERT_FALSE(a.empty()) << what;
        size_t differing = 0;
        for (size_t i = 0; i < a.size() && i < b.size(); ++i) differing += a[i] != b[i];
        EXPECT_EQ(a.size(), b.size()) << what;
        EXPECT_EQ(differing, 0u) << what << " at " << t.wHour << ":" << t.wMinute << ":" << t.wSecond;
    }

    int interval_ = 1000;
    SkinSet cached_, whole_;
};

TEST_F(FaceCacheTest, CachedFaceMatchesTheWholeDrawingThroughTheDay) {
    Load(kSkinStandard);
    const std::wstring text = L"17 мая, пт";
    for (const SYSTEMTIME& t :
         {At(0, 0, 0), At(3, 15, 45), At(9, 41, 7), At(12, 30, 15), At(18, 59, 59), At(23, 45, 30)})
        ExpectSameAt(t, text, "standard skin");
    // Plain ticks draw the dial and the text line only once.
    EXPECT_EQ(cached_.cache.baseDrawings, 1u);
    EXPECT_EQ(cached_.cache.plateDrawings, 1u);

    // The date text of a new day.
    ExpectSameAt(At(0, 0, 1), L"18 мая, сб", "new day");
    EXPECT_EQ(cached_.cache.baseDrawings, 1u);
    EXPECT_EQ(cached_.cache.plateDrawings, 2u);
    ExpectSameAt(At(0, 0, 2), L"", "empty text");
    std::wstring longText;
    for (int i = 0; i < 700; ++i) longText += L"строка " + std::to_wstring(i) + L"\r\n";
    ExpectSameAt(At(0, 0, 3), longText, "a text of 700 lines");
}

TEST_F(FaceCacheTest, EverythingTheCacheShowsRedrawsIt) {
    Load(kSkinStandard);
    const std::wstring text = L"17 мая, пт";
    ExpectSameAt(At(10, 8, 37), text, "first");
    ChangeBoth([](SkinSet& s) { s.TextColor = MakeArgb(255, 200, 0, 0); });
    ExpectSameAt(At(10, 8, 38), text, "text colour");
    ChangeBoth([](SkinSet& s) { s.TextAlign = 0; });
    ExpectSameAt(At(10, 8, 39), text, "alignment");
    // The settings pages put a new font in place of the old one.
    ChangeBoth([](SkinSet& s) {
        s.textFont = MakeFont(L"Times New Roman", 11, 1);
        s.textSize = 11;
    });
    ExpectSameAt(At(10, 8, 40), text, "text font");
    ChangeBoth([](SkinSet& s) { s.LabelsColor = MakeArgb(255, 0, 0, 255); });
    ExpectSameAt(At(10, 8, 41), text, "dot colour");
    ChangeBoth([](SkinSet& s) { s.NumColor = MakeArgb(255, 0, 160, 0); });
    ExpectSameAt(At(10, 8, 42), text, "number colour");
    ChangeBoth([](SkinSet& s) { s.numFont = MakeFont(L"Arial", s.geometry.NumSize + 4, 0); });
    ExpectSameAt(At(10, 8, 43), text, "number font");
    ChangeBoth([](SkinSet& s) { s.InvertRotation = true; });
    ExpectSameAt(At(10, 8, 44), text, "inverted rotation");
    ChangeBoth([](SkinSet& s) { s.hours[2] = L"III"; });
    ExpectSameAt(At(10, 8, 45), text, "hour labels");

    // Another scale, another skin, the smooth second hand.
    Load(kSkinStandard, 0.8);
    ExpectSameAt(At(6, 30, 0), text, "scale");
    Load(kSkinInverse);
    ExpectSameAt(At(7, 45, 15), text, "other skin");
    interval_ = 500;
    Load(kSkinStandard);
    SYSTEMTIME smooth = At(14, 22, 33, 640);
    ExpectSameAt(smooth, text, "smooth second hand");
    // Pictures dropped (a minimised window) and taken again.
    Load(kSkinStandard);
    ChangeBoth([](SkinSet& s) { s.images[kImgBack].reset(); });
    ExpectSameAt(At(15, 0, 0), text, "no dial");
}

// A text line of thousands of lines is centred on its place as a block: only
// the lines that can meet the picture are drawn, and the picture is the one
// the whole block gives.
TEST(FaceDrawing, ALongTextDrawsOnlyTheLinesInSightAndTheSamePixels) {
    std::wstring text;
    for (int i = 0; i < 1000; ++i)
        text += (i ? L"\r\n" : L"") + std::to_wstring(i) + L" строка <tt> " + std::to_wstring(i);
    for (const float size : {8.0f, 11.5f, 20.0f}) {
        for (const float y : {40.0f, 75.3f, 140.0f}) {
            auto font = MakeFont(L"Arial", size, 0);
            ASSERT_TRUE(font);
            auto draw = [&](const std::wstring& t) {
                auto bitmap = NewArgbBitmap(200, 150);
                Gdiplus::Graphics g(bitmap.get());
                g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
                Gdiplus::StringFormat format;
                format.SetAlignment(Gdiplus::StringAlignmentCenter);
                format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
                Gdiplus::SolidBrush brush(Gdiplus::Color(255, 0, 0, 0));
                g.DrawString(t.c_str(), -1, font.get(), Gdiplus::PointF(100, y), &format, &brush);
                return ArgbPixels(*bitmap);
            };
            // The lines as the drawing lays them out: two lines less one.
            auto probe = NewArgbBitmap(1, 1);
            Gdiplus::Graphics pg(probe.get());
            pg.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
            Gdiplus::StringFormat format;
            format.SetAlignment(Gdiplus::StringAlignmentCenter);
            format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
            Gdiplus::RectF one, two;
            pg.MeasureString(L"0", -1, font.get(), Gdiplus::PointF(0, 0), &format, &one);
            pg.MeasureString(L"0\n0", -1, font.get(), Gdiplus::PointF(0, 0), &format, &two);
            const LineSpan span = LinesInSight(LineCount(text), two.Height - one.Height, y, 150);
            EXPECT_LT(span.last - span.first, 40);
            const auto whole = draw(text), inSight = draw(BlankLines(text, span.first, span.last));
            ASSERT_EQ(whole.size(), inSight.size());
            EXPECT_TRUE(whole == inSight) << "size " << size << ", centre " << y;
            EXPECT_TRUE(std::any_of(whole.begin(), whole.end(), [](std::uint32_t p) { return p >> 24; }));
        }
    }
}
