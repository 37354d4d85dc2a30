// How some controls of the settings window look on screen: the play buttons of
// the signal and speech pages draw a triangle, and a disabled font list shows
// its font greyed.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/message_loop.h"
#include "win/support/program_fixture.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::PumpUntil;

// The control as it shows on the screen, pixel by pixel (0x00BBGGRR).
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

Picture Draw(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    Picture p;
    p.width = r.right - r.left, p.height = r.bottom - r.top;
    HWND top = GetAncestor(hwnd, GA_ROOT);
    SetWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpUntil([] { return false; }, 200);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, p.width, p.height);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, p.width, p.height, screen, r.left, r.top, SRCCOPY);
    p.pixels.resize(static_cast<size_t>(p.width * p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[static_cast<size_t>(y * p.width + x)] = GetPixel(mem, x, y);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return p;
}

bool Dark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 450;
}

// The heights of the dark marks, column by column, of the button's inside
// (its frame left out).
std::vector<int> DarkColumnHeights(const Picture& p) {
    std::vector<int> heights;
    for (int x = 3; x < p.width - 3; ++x) {
        int n = 0;
        for (int y = 3; y < p.height - 3; ++y) n += Dark(p.At(x, y)) ? 1 : 0;
        if (n > 0) heights.push_back(n);
    }
    return heights;
}

class Looks : public testing_support::ProgramWindowsTest {
  protected:
    Looks() : ProgramWindowsTest(L"options2-looks") {}
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        frmOptions->Show();
        PumpUntil([] { return IsWindowVisible(frmOptions->Handle()) != FALSE; });
    }
};

TEST_F(Looks, PlayButtonsDrawATrianglePointingRight) {
    TfrmOptions& o = *frmOptions;
    struct Case {
        ui::TabSheet& page;
        ui::SpeedButton& button;
    };
    for (const Case& c : {Case{o.tbsSound, o.spbPlaySoundH}, Case{o.tbsSound, o.spbSpeakTimeH},
                          Case{o.tbsSpeech, o.spbSpeakTime}, Case{o.tbsPlanner, o.spbRunTask}}) {
        o.pgcOptions.SetActivePage(&c.page);
        c.button.SetEnabled(true);
        const std::vector<int> heights = DarkColumnHeights(Draw(c.button.Handle()));
        ASSERT_GE(heights.size(), 3u) << c.button.Name() << ": no mark drawn";
        // A triangle narrows from its left side to its point; a bar stays as high.
        EXPECT_GT(heights.front(), heights.back() + 3) << c.button.Name();
        EXPECT_TRUE(std::is_sorted(heights.rbegin(), heights.rend())) << c.button.Name();
    }
}

TEST_F(Looks, ADisabledFontListShowsItsFontGreyed) {
    TfrmOptions& o = *frmOptions;
    o.pgcOptions.SetActivePage(&o.tbsShape);
    o.pgcMainShape.SetActivePage(&o.tbsMainFont);
    ASSERT_TRUE(IsWindowVisible(o.fcbMainFont.Handle()));
    ASSERT_GE(o.fcbMainFont.ItemIndex(), 0);
    auto count = [](const Picture& p, COLORREF colour) {
        return std::count(p.pixels.begin(), p.pixels.end(), colour);
    };
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), grey = GetSysColor(COLOR_GRAYTEXT);
    o.fcbMainFont.SetEnabled(true);
    const Picture enabled = Draw(o.fcbMainFont.Handle());
    EXPECT_GT(count(enabled, text), 10);
    o.fcbMainFont.SetEnabled(false);
    const Picture disabled = Draw(o.fcbMainFont.Handle());
    EXPECT_GT(count(disabled, grey), 10) << "the name is written in grey";
    // Only the drop-down arrow's dark pixels remain.
    EXPECT_LT(count(disabled, text), count(enabled, text) / 2) << "no black text";
    const COLORREF field = GetSysColor(COLOR_WINDOW);
    EXPECT_LT(count(disabled, field), count(enabled, field) / 4) << "no white field";
}

}  // namespace
