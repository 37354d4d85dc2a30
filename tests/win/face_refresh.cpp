// The main window's display refresh: skins loaded into the window with their
// size and shape, the fallback of a missing skin and its stored index, the
// background modes, the text-only clock, the captured screen's guard and the
// attention effect.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/frm_horalto.h"
#include "face/display_state.h"
#include "face/window_background.h"
#include "ui/application.h"

using namespace face;

namespace {

// One main window for all the tests (making one takes a while); each test
// sets the settings it depends on.
class FaceRefresh : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ui::Application().Initialize();
        form_ = ui::NewForm<TfrmHoralto>().release();
        form_->SetTag(0);  // past the first paint: refreshes do their work at once
        form_->Show();
    }
    static void TearDownTestSuite() {
        ui::FormPtr<TfrmHoralto> owner(form_);
        form_ = nullptr;
    }
    void SetUp() override {
        auto& w = form_->Settings.Window;
        w = core::WindowSettings{};
        w.DrawOnDesktop = false;
        w.DrawOnForm = true;
        form_->SetAlphaBlend(false);
        form_->SetBounds(200, 150, form_->Width(), form_->Height());
    }

    TfrmHoralto& F() { return *form_; }
    DisplayState& State() { return form_->Face(); }
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    static TfrmHoralto* form_;
};
TfrmHoralto* FaceRefresh::form_ = nullptr;

}  // namespace

namespace {
LONG_PTR ExStyle(TfrmHoralto& f) {
    return GetWindowLongPtrW(f.Handle(), GWL_EXSTYLE);
}
}  // namespace

TEST_F(FaceRefresh, BuiltInSkinSizesAndShapesTheWindow) {
    F().Settings.Window.MainSkinIndex = 1;
    F().Settings.Window.FormFillType = 1;
    F().Settings.Window.CutBackgr = true;
    F().RefreshDisplay(L"17 мая пт", true, true);
    ASSERT_TRUE(State().MainSkin.Loaded());
    EXPECT_EQ(F().Width(), State().MainSkin.geometry.bitmapWidth);
    EXPECT_EQ(F().Height(), State().MainSkin.geometry.bitmapHeight);
    EXPECT_FLOAT_EQ(F().Settings.Window.MainScale, 1.5f);
    EXPECT_TRUE(F().tmrTimer.Enabled());
    EXPECT_EQ(F().lblDateTime.Caption(), L"17 мая пт");
    // The round case: the corners are cut away, the middle and the last column's
    // neighbour kept; the last column never belongs to the shape.
    EXPECT_FALSE(F().PointInWindowShape(1, 1));
    EXPECT_TRUE(F().PointInWindowShape(F().Width() / 2, F().Height() / 2));
    EXPECT_FALSE(F().PointInWindowShape(F().Width() - 1, F().Height() / 2));
    EXPECT_TRUE(ExStyle(F()) & WS_EX_LAYERED);

    // The skin menu's choice uses the skin's scale, display settings the window's.
    const int big = F().Width();
    F().Settings.Window.MainScale = 1.0f;
    F().RefreshDisplay(L"", true, false);
    EXPECT_FLOAT_EQ(F().Settings.Window.MainScale, 1.0f);
    EXPECT_LT(F().Width(), big);
    EXPECT_EQ(F().Width(), State().MainSkin.geometry.bitmapWidth);
}

TEST_F(FaceRefresh, MissingSkinFallsBackAndStoresTheFallbackIndex) {
    F().SkinNames.Add(L"Пропавшая");
    F().SkinFiles.Add(L"нет\\такой.qsk");
    F().Settings.Window.MainSkinIndex = 4;
    F().RefreshDisplay(L"", true, false);
    EXPECT_EQ(F().Settings.Window.MainSkinIndex, 1);
    EXPECT_TRUE(State().MainSkin.Image(kImgBackGr));

    // An index past the catalogue's end falls back the same way.
    F().Settings.Window.MainSkinIndex = 9;
    F().RefreshDisplay(L"", true, false);
    EXPECT_EQ(F().Settings.Window.MainSkinIndex, 1);
}

TEST_F(FaceRefresh, ColourModeDropsTheLayeredStyleAndPaints) {
    F().Settings.Window.MainSkinIndex = 2;
    F().Settings.Window.FormFillType = 1;
    F().RefreshDisplay(L"", true, false);
    EXPECT_TRUE(ExStyle(F()) & WS_EX_LAYERED);
    F().Settings.Window.FormFillType = 0;
    F().Settings.Window.Transparency = false;
    F().UpdateLayered();
    EXPECT_FALSE(ExStyle(F()) & WS_EX_LAYERED);
    F().RefreshDisplay(L"", true, false);
    Pump();
    EXPECT_TRUE(State().MainSkin.Loaded());
    // With whole-window transparency the form's own alpha blending takes over.
    F().Settings.Window.Transparency = true;
    F().UpdateLayered();
    EXPECT_TRUE(F().AlphaBlend());
}

TEST_F(FaceRefresh, NoCutKeepsTheWholeWindow) {
    F().Settings.Window.MainSkinIndex = 1;
    F().Settings.Window.CutBackgr = false;
    F().RefreshDisplay(L"", true, false);
    EXPECT_TRUE(F().PointInWindowShape(1, 1));
}

TEST_F(FaceRefresh, TextOnlyClockResetsTheLookAndFitsTheText) {
    auto& w = F().Settings.Window;
    w.MainSkinIndex = 0;
    w.FormFillType = 0;
    w.CutBackgr = false;
    w.UseBackgrFile = false;
    w.TranspOutline = 4;
    w.TextSize = 8;
    w.TextFont = L"Times New Roman";
    w.TextAlign = 2;
    F().RefreshDisplay(L"Строка один\r\nдва", true, true);
    EXPECT_EQ(w.TextFont, L"Arial");
    EXPECT_FLOAT_EQ(w.TextSize, 10.0f);
    EXPECT_EQ(w.TextAlign, 0);
    EXPECT_EQ(w.TextStyle, 0);
    EXPECT_EQ(static_cast<unsigned>(w.TextColor), 0xFF000000u);
    EXPECT_FLOAT_EQ(w.MainScale, 1.0f);
    EXPECT_FALSE(State().MainSkin.Image(kImgBack));  // the skin pictures are freed

    const int lineHeight = F().lblDateTime.Height() / 2;
    EXPECT_GT(lineHeight, 5);
    const int lift = F().lblDateTime.EffectiveFont().height / 6;
    EXPECT_EQ(F().Height(), 2 * lineHeight + 2 * 4 + lift);
    EXPECT_EQ(F().Width(), F().lblDateTime.Width() + 8);
    EXPECT_EQ(F().lblDateTime.Left(), 4);
    EXPECT_FALSE(F().lblDateTime.Visible());  // the text is drawn into the clock bitmap
    EXPECT_TRUE(State().MainSkin.clock);

    // A text one character longer is wider: the window follows on a plain tick.
    const int width = F().Width();
    F().RefreshDisplay(L"Строка один и два\r\nдва", false, false);
    EXPECT_GT(F().Width(), width);

    // The same text in a larger font (a new look, as the font page sets it) is
    // measured again, and back in the old size fits as before.
    const int longWidth = F().Width(), longHeight = F().Height();
    w.TextSize = 20;
    F().RefreshDisplay(L"Строка один и два\r\nдва", true, false);
    EXPECT_GT(F().Width(), longWidth * 3 / 2);
    EXPECT_GT(F().Height(), longHeight * 3 / 2);
    w.TextSize = 10;
    F().RefreshDisplay(L"Строка один и два\r\nдва", true, false);
    EXPECT_EQ(F().Width(), longWidth);
    EXPECT_EQ(F().Height(), longHeight);
}

TEST_F(FaceRefresh, TextOnlyClockWithBackgroundPictureIsCutToThePicture) {
    auto& w = F().Settings.Window;
    w.MainSkinIndex = 0;
    w.FormFillType = 1;
    w.CutBackgr = true;
    w.UseBackgrFile = true;
    w.BackgroundFile = L"Стандартная";
    F().RefreshDisplay(L"12:34:56", true, true);
    ASSERT_TRUE(State().MainSkin.Image(kImgBackGr));  // the built-in plate
    ASSERT_TRUE(State().MainSkin.clock);              // the text, drawn for the layered window
    EXPECT_FALSE(F().PointInWindowShape(0, 0));       // the plate's round corner
    EXPECT_TRUE(F().PointInWindowShape(F().Width() / 2, F().Height() / 2));
}

TEST_F(FaceRefresh, CapturedScreenIsTakenOnceUntilTheWindowMoves) {
    auto& w = F().Settings.Window;
    w.MainSkinIndex = 1;
    w.FormFillType = 2;
    F().RefreshDisplay(L"", true, false);
    F().CaptureBackground();
    ASSERT_TRUE(State().captured);
    const Gdiplus::Bitmap* first = State().captured.get();
    // Paints and refreshes in place take no new copy (the capture's own show
    // paints the window again).
    for (int i = 0; i < 3; ++i) {
        F().Repaint();
        Pump();
        F().RefreshDisplay(L"", false, false);
    }
    EXPECT_EQ(State().captured.get(), first);
    F().SetBounds(F().Left() + 20, F().Top() + 10, F().Width(), F().Height());
    F().CaptureBackground();
    EXPECT_NE(State().captured.get(), first);
}

TEST_F(FaceRefresh, ShakeLeavesTheWindowWhereItWas) {
    F().Settings.Window.MainSkinIndex = 1;
    F().RefreshDisplay(L"", true, false);
    F().SetBounds(100, 120, F().Width(), F().Height());
    const float scale = F().Settings.Window.MainScale;
    F().ShakeWindow();
    EXPECT_EQ(F().Left(), 100);
    EXPECT_EQ(F().Top(), 120);
    EXPECT_FLOAT_EQ(F().Settings.Window.MainScale, scale);
    EXPECT_FALSE(F().Shaking);
}

TEST_F(FaceRefresh, TextBitmapCarriesTheTextColourForVectorAndRasterFonts) {
    auto& w = F().Settings.Window;
    w.MainSkinIndex = 0;
    w.FormFillType = 1;
    w.CutBackgr = false;
    w.UseBackgrFile = false;
    for (const wchar_t* fontName : {L"Arial", L"System"}) {
        w.TextFont = fontName;
        w.TextSize = 12;
        w.TextColor = static_cast<int>(0xC8102030u);  // alpha 200
        F().RefreshDisplay(L"ЖЖЖ", true, false);
        ASSERT_TRUE(State().MainSkin.clock) << fontName;
        auto pixels = ArgbPixels(*State().MainSkin.clock);
        int ink = 0, clear = 0, tooOpaque = 0;
        for (auto p : pixels) {
            const unsigned a = p >> 24;
            if (a == 0) ++clear;
            if (a > 0) ++ink;
            if (a > 200) ++tooOpaque;
        }
        EXPECT_GT(ink, 20) << fontName;
        EXPECT_GT(clear, ink) << fontName;
        EXPECT_EQ(tooOpaque, 0) << fontName;
    }
    // "System" is a raster font here, so both ways of drawing the text were taken.
    ui::WindowDc dc(nullptr);
    ui::SelectGuard select(dc.Get(), ui::CachedFont(F().lblDateTime.EffectiveFont()));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_VECTOR);
}
