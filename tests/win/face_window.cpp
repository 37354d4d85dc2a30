// Window-level pieces of the clock display: the shape cut from a bitmap, the
// layered window's pixels (checked on the bitmap, since the screen shows
// transparent pixels as black) and the desktop's icon window.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "face/clock_face.h"
#include "face/layered_frame.h"
#include "face/skin_set.h"
#include "face/window_background.h"
#include "ui/gdiplus_session.h"
#include "win/support/gdiplus_environment.h"

using namespace face;

namespace {

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new testing_support::GdiplusEnvironment);

const Gdiplus::Color kMagenta(255, 255, 0, 255);

// A magenta bitmap with a white block at (2..5, 1..2) and the last column white.
std::unique_ptr<Gdiplus::Bitmap> Block() {
    auto b = std::make_unique<Gdiplus::Bitmap>(10, 6, PixelFormat32bppARGB);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) b->SetPixel(x, y, kMagenta);
    for (int y = 1; y <= 2; ++y)
        for (int x = 2; x <= 5; ++x) b->SetPixel(x, y, Gdiplus::Color(255, 255, 255, 255));
    for (int y = 0; y < 5; ++y) b->SetPixel(9, y, Gdiplus::Color(255, 255, 255, 255));
    return b;
}

}  // namespace

TEST(WindowShape, RegionHoldsExactlyTheNonKeyPixelsButNeverTheLastColumn) {
    auto b = Block();
    ui::RegionHandle region = RegionFromBitmap(b.get(), 10, 6, 0, 0);
    ASSERT_TRUE(region);
    RECT box{};
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(box.bottom, 3);
    EXPECT_TRUE(PtInRegion(region.Get(), 5, 2));
    EXPECT_FALSE(PtInRegion(region.Get(), 6, 2));
    EXPECT_FALSE(PtInRegion(region.Get(), 9, 1));  // last column

    // Widened by an outline of 1.
    ui::RegionHandle wide = RegionFromBitmap(b.get(), 10, 6, 0, 1);
    GetRgnBox(wide.Get(), &box);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 7);
    EXPECT_EQ(box.bottom, 4);

    // Without a bitmap: the whole window.
    ui::RegionHandle whole = RegionFromBitmap(nullptr, 30, 20, 0, 0);
    GetRgnBox(whole.Get(), &box);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
}

TEST(LayeredWindow, ComposedBitmapKeepsPerPixelAlphaAndIsPremultiplied) {
    SkinSet set;
    SkinLoadRequest r;
    r.path = L"|";
    r.section = L"Стандартная";
    r.instance = GetModuleHandleW(nullptr);
    r.scale.useSkinScale = true;
    LoadSkinSet(set, r);
    ASSERT_TRUE(set.Loaded());
    SYSTEMTIME t{};
    t.wHour = 9;
    DrawClockFace(set, L"", t);
    const int w = set.geometry.bitmapWidth, h = set.geometry.bitmapHeight;
    LayeredFrame frame;
    ASSERT_TRUE(frame.Compose(w, h, set.images[kImgBackGr], set.clock.get()));
    const std::vector<std::uint32_t> pre = frame.Pixels();
    ASSERT_EQ(pre.size(), size_t(w) * h);
    auto at = [&](int x, int y) { return pre[size_t(y) * w + x]; };
    EXPECT_EQ(at(0, 0) >> 24, 0u);            // the round case leaves the corners clear
    EXPECT_EQ(at(w / 2, h / 2) >> 24, 255u);  // the face is opaque
    EXPECT_EQ(at(w / 2, 2) >> 24, 255u);      // the case's top edge
    for (size_t i = 0; i < pre.size(); ++i) {
        const std::uint32_t a = pre[i] >> 24;
        ASSERT_LE((pre[i] >> 16) & 0xFF, a);
        ASSERT_LE((pre[i] >> 8) & 0xFF, a);
        ASSERT_LE(pre[i] & 0xFF, a);
    }
    // Somewhere on the anti-aliased rim alpha is partial.
    bool partial = false;
    for (int x = 0; x < w && !partial; ++x) {
        const std::uint32_t a = at(x, h / 2) >> 24;
        partial = a > 0 && a < 255;
    }
    EXPECT_TRUE(partial);

    // The clock laid pixel on pixel over the background is the picture GDI+
    // composes, to within rounding.
    auto reference = NewArgbBitmap(w, h);
    {
        Gdiplus::Graphics g(reference.get());
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        for (Gdiplus::Bitmap* b : {set.Image(kImgBackGr), set.clock.get()})
            g.DrawImage(b, Gdiplus::RectF(0, 0, Gdiplus::REAL(w), Gdiplus::REAL(h)), 0, 0,
                        Gdiplus::REAL(b->GetWidth()), Gdiplus::REAL(b->GetHeight()), Gdiplus::UnitPixel);
    }
    const auto expected = PremultipliedPixels(*reference);
    int worst = 0;
    for (size_t i = 0; i < pre.size(); ++i)
        for (int shift : {0, 8, 16, 24})
            worst =
                std::max(worst, std::abs(int((pre[i] >> shift) & 0xFF) - int((expected[i] >> shift) & 0xFF)));
    EXPECT_LE(worst, 2);

    // The frame of the next tick is made from the background stretched once;
    // it is the frame made from scratch, and a new picture is stretched anew.
    t.wHour = 10;
    t.wSecond = 17;
    DrawClockFace(set, L"", t);
    ASSERT_TRUE(frame.Compose(w, h, set.images[kImgBackGr], set.clock.get()));
    EXPECT_EQ(frame.BackgroundDrawings(), 1u);
    LayeredFrame fresh;
    ASSERT_TRUE(fresh.Compose(w, h, set.images[kImgBackGr], set.clock.get()));
    EXPECT_EQ(frame.Pixels(), fresh.Pixels());
    ImagePtr other = ImagePtr(NewArgbBitmap(w / 2, h / 2));
    {
        Gdiplus::Graphics g(other.get());
        g.Clear(Gdiplus::Color(255, 10, 20, 30));
    }
    ASSERT_TRUE(frame.Compose(w, h, other, nullptr));
    EXPECT_EQ(frame.BackgroundDrawings(), 2u);
    EXPECT_EQ(frame.Pixels()[size_t(h / 2) * w + w / 2], 0xFF0A141Eu);

    // Nothing to compose gives nothing.
    EXPECT_FALSE(frame.Compose(w, h, nullptr, nullptr));
}

TEST(LayeredWindow, PushSetsTheLayeredStyle) {
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(hwnd);
    LayeredFrame frame;
    EXPECT_FALSE(frame.Push(hwnd, POINT{10, 10}, 200));  // nothing composed yet
    ImagePtr b(Block());
    ASSERT_TRUE(frame.Compose(10, 6, b, nullptr));
    EXPECT_TRUE(frame.Push(hwnd, POINT{10, 10}, 200));
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    DestroyWindow(hwnd);
}
