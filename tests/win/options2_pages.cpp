// The main page and the window part of the page "Окно": each control changes
// the main window at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/skin_set.h"
#include "options/frm_options.h"
#include "options/screen_cursors.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

// A 32 x 32 monochrome cursor file with its hot spot at (x, y).
void WriteCursorFile(const std::filesystem::path& path, std::uint16_t x, std::uint16_t y) {
    std::vector<std::uint8_t> b;
    auto put16 = [&](std::uint16_t v) {
        b.push_back(v & 0xFF);
        b.push_back(v >> 8);
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(0), put16(2), put16(1);  // directory: a cursor, one image
    b.push_back(32), b.push_back(32), b.push_back(2), b.push_back(0);
    put16(x), put16(y), put32(40 + 8 + 128 + 128), put32(22);
    put32(40), put32(32), put32(64), put16(1), put16(1);  // bitmap header: 1 bit, masks twice as high
    for (int i = 0; i < 6; ++i) put32(0);
    put32(0x000000), put32(0xFFFFFF);                                     // black, white
    for (int i = 0; i < 128; ++i) b.push_back(i % 4 == 0 ? 0xF0 : 0x00);  // colour mask
    for (int i = 0; i < 128; ++i) b.push_back(0x0F);                      // and mask
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

POINT HotSpot(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !GetIconInfo(cursor, &info)) return {-1, -1};
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

class Pages : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        previousBoxes_ =
            ui::SetMessageBoxHandler([](const std::wstring&, const std::wstring&, UINT) { return IDNO; });
        testing_support::CreateProgramWindows();
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        ui::SetMessageBoxHandler(previousBoxes_);
        ui::SetFileDialogHandler(nullptr);
    }
    TfrmOptions& O() { return *frmOptions; }
    core::HoraltoSettings& S() { return frmHoralto->Settings; }

    testing_support::ScratchDir dir_{L"options2-pages"};
    ui::MessageBoxHandler previousBoxes_;
};

TEST_F(Pages, MainPageSwitchesDriveTheMainWindow) {
    O().chbStayOnTop.SetChecked(true);
    EXPECT_TRUE(frmHoralto->aStayOnTop.Checked());
    EXPECT_EQ(frmHoralto->GetFormStyle(), ui::fsStayOnTop);
    O().chbStayOnTop.SetChecked(false);
    EXPECT_FALSE(frmHoralto->aStayOnTop.Checked());

    ASSERT_TRUE(S().Main.MinimizeInSysClock);
    O().chbShowInTray.SetChecked(true);
    EXPECT_TRUE(frmHoralto->aShowInTray.Checked());
    EXPECT_FALSE(O().chbMinimizeInSysClock.Checked());
    EXPECT_FALSE(O().chbMinimizeInSysClock.Enabled());
    EXPECT_TRUE(O().chbInSystemClock.Enabled());
    EXPECT_FALSE(S().Main.MinimizeInSysClock);
    O().chbInSystemClock.SetChecked(false);
    EXPECT_FALSE(S().Main.InSystemClock);
    O().chbShowInTray.SetChecked(false);
    EXPECT_FALSE(frmHoralto->aShowInTray.Checked());
    EXPECT_TRUE(O().chbMinimizeInSysClock.Enabled());
    EXPECT_FALSE(O().chbInSystemClock.Enabled());

    O().chbStickToScreenB.SetChecked(false);
    EXPECT_FALSE(S().Main.StickToScreenBord);
    O().trbStickToScreenBValue.SetPosition(12);
    EXPECT_EQ(S().Main.StickToScreenBValue, 12);
    EXPECT_EQ(O().trbStickToScreenBValue.Hint(), L"12");

    // While the window loads (Tag 1) the tray switch stores nothing.
    O().SetTag(1);
    O().chbShowInTray.SetChecked(true);
    O().SetTag(0);
    EXPECT_FALSE(frmHoralto->aShowInTray.Checked());
}

TEST_F(Pages, ClockCursorComesFromTheFileOrFromTheProgram) {
    ASSERT_EQ(O().edtCursor.Text(), L"Стандартный");
    O().edtCursorChange(O().edtCursor);  // as the main window does when it is shown
    const HCURSOR standard = frmHoralto->Cursor();
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard, options::ScreenCursor(2));
    EXPECT_EQ(frmHoralto->pnlTrayTime.Cursor(), standard);
    const POINT standardSpot = HotSpot(standard);

    const std::filesystem::path file = dir_.Path() / L"мой.cur";
    WriteCursorFile(file, 5, 7);
    O().edtCursor.SetText(file.wstring());
    const POINT spot = HotSpot(frmHoralto->Cursor());
    EXPECT_EQ(spot.x, 5);
    EXPECT_EQ(spot.y, 7);
    EXPECT_EQ(frmHoralto->pnlTrayTime.Cursor(), frmHoralto->Cursor());

    for (const std::wstring& text : {std::wstring(), std::wstring(L"C:\\нет\\такого.cur")}) {
        O().edtCursor.SetText(text);
        const POINT s = HotSpot(frmHoralto->Cursor());
        EXPECT_EQ(s.x, standardSpot.x) << text;
        EXPECT_EQ(s.y, standardSpot.y) << text;
    }
    // A file that is no cursor gives the program's cursor too.
    const std::filesystem::path junk = dir_.Path() / L"junk.cur";
    std::ofstream(junk) << "no cursor";
    O().edtCursor.SetText(junk.wstring());
    EXPECT_EQ(HotSpot(frmHoralto->Cursor()).x, standardSpot.x);

    // The chooser starts in the Windows cursors folder, or at the current file.
    std::vector<std::wstring> starts;
    ui::SetFileDialogHandler([&](ui::OpenDialog& d) {
        EXPECT_EQ(d.Filter, L"Курсоры (*.cur;*.ani)|*.cur;*.ani");
        starts.push_back(d.FileName.empty() ? d.InitialDir : d.FileName);
        d.FileName = file.wstring();
        return true;
    });
    O().edtCursor.SetText(L"Стандартный");
    O().spbOpenCursor.Click();
    EXPECT_EQ(O().edtCursor.Text(), file.wstring());
    EXPECT_EQ(HotSpot(frmHoralto->Cursor()).x, 5);
    O().spbOpenCursor.Click();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_TRUE(starts[0].ends_with(L"\\Cursors")) << starts[0];
    EXPECT_EQ(starts[1], file.wstring());
}

TEST_F(Pages, SpinEditsTakeDigitsAndBackspaceOnly) {
    for (ui::SpinEdit* e : {&O().speOutline, &O().speTimerInterval, &O().speTranspAdmis, &O().speQuantity,
                            &O().spePlayInterval}) {
        ASSERT_TRUE(e->OnKeyPress) << e->Name();
        for (wchar_t k : {L'a', L'-', L' ', L'ж'}) {
            wchar_t key = k;
            e->OnKeyPress(*e, key);
            EXPECT_EQ(key, 0);
        }
        for (wchar_t k : {L'0', L'9', wchar_t(8)}) {
            wchar_t key = k;
            e->OnKeyPress(*e, key);
            EXPECT_EQ(key, k);
        }
    }
    // Typed into the window: the letter never arrives.
    const std::wstring before = O().speOutline.Text();
    SendMessageW(O().speOutline.Handle(), WM_CHAR, L'x', 0);
    EXPECT_EQ(O().speOutline.Text(), before);
}

TEST_F(Pages, WindowPartDrivesTheMainWindow) {
    core::WindowSettings& w = S().Window;
    ASSERT_FALSE(O().trbTransparent.Enabled());
    O().chbTransparent.SetChecked(true);
    EXPECT_TRUE(w.Transparency);
    EXPECT_TRUE(O().trbTransparent.Enabled());
    EXPECT_TRUE(O().lblTransparent.Enabled());
    EXPECT_TRUE(frmHoralto->AlphaBlend());
    O().trbTransparent.SetPosition(255);
    EXPECT_EQ(O().lblTransparent.Caption(), L"Уровень прозрачности: 100%");
    EXPECT_EQ(w.LevelTransparency, 255);
    EXPECT_EQ(frmHoralto->AlphaBlendValue(), 255);
    O().trbTransparent.SetPosition(1);
    EXPECT_EQ(O().lblTransparent.Caption(), L"Уровень прозрачности: 0%");
    EXPECT_EQ(frmHoralto->AlphaBlendValue(), 1);
    O().chbTransparent.SetChecked(false);
    EXPECT_FALSE(w.Transparency);
    EXPECT_FALSE(frmHoralto->AlphaBlend());

    O().speOutline.SetValue(7);
    EXPECT_EQ(w.TranspOutline, 7);
    O().speTranspAdmis.SetValue(33);
    EXPECT_EQ(w.TranspAdmis, 33);
    O().chbCutBackgr.SetChecked(false);
    EXPECT_FALSE(w.CutBackgr);
    EXPECT_FALSE(O().speTranspAdmis.Enabled());
    EXPECT_FALSE(O().lblTranspAdmin.Enabled());

    O().chbMaskOnMouseMove.SetChecked(true);
    O().rdbHideOnMouseMove.SetChecked(true);
    EXPECT_FALSE(w.TransparentOnMouseMove);
    EXPECT_FALSE(O().speTransparentOnMouseMove.Enabled());
    O().rdbTransparentOnMouseMove.SetChecked(true);
    EXPECT_TRUE(w.TransparentOnMouseMove);
    EXPECT_TRUE(O().speTransparentOnMouseMove.Enabled());
    O().speTransparentOnMouseMove.SetValue(40);
    EXPECT_EQ(w.TranspValueOnMouseMove, 40);
    O().chbSmoothlyTransp.SetChecked(true);
    EXPECT_TRUE(w.SmoothlyTransp);
    O().chbMaskOnMouseMove.SetChecked(false);
    EXPECT_FALSE(w.MaskOnMouseMove);
    EXPECT_FALSE(O().rdbHideOnMouseMove.Enabled());
    EXPECT_FALSE(O().speTransparentOnMouseMove.Enabled());
    EXPECT_FALSE(O().chbSmoothlyTransp.Enabled());

    face::SkinSet& skin = frmHoralto->Face().MainSkin;
    O().speTimerInterval.SetValue(699);
    EXPECT_EQ(frmHoralto->tmrTimer.Interval(), 699u);
    EXPECT_FALSE(skin.wholeSeconds);
    O().speTimerInterval.SetValue(700);
    EXPECT_TRUE(skin.wholeSeconds);
    O().speTimerInterval.SetValue(5000);
    EXPECT_TRUE(skin.secondHand);
    O().speTimerInterval.SetValue(5001);
    EXPECT_FALSE(skin.secondHand);
    EXPECT_EQ(frmHoralto->tmrTimer.Interval(), 5001u);
}

TEST_F(Pages, LoadingShowsTheSettingsAndChangesNothing) {
    ui::Application().DestroyForms();
    {
        std::ofstream ini(IniFileName);
        ini << "[Window]\nTransparency=1\nLevelTransparency=128\nTranspOutline=9\nCutBackgr=0\n"
               "TimerInterval=2500\nTransparentOnMouseMove=0\n[Main]\nStickToScreenBValue=15\n"
               "ShowInTray=1\nMinimizeInSysClock=0\n";
    }
    ui::Application().CreateForm(frmHoralto);
    ui::Application().CreateForm(frmOptions);
    EXPECT_TRUE(O().chbTransparent.Checked());
    EXPECT_EQ(O().trbTransparent.Position(), 128);
    EXPECT_EQ(O().lblTransparent.Caption(), L"Уровень прозрачности: 50%");
    EXPECT_EQ(O().speOutline.Value(), 9);
    EXPECT_FALSE(O().chbCutBackgr.Checked());
    EXPECT_FALSE(O().speTranspAdmis.Enabled());
    EXPECT_EQ(O().speTimerInterval.Value(), 2500);
    EXPECT_TRUE(O().rdbHideOnMouseMove.Checked());
    EXPECT_EQ(O().trbStickToScreenBValue.Position(), 15);
    EXPECT_TRUE(O().chbShowInTray.Checked());
    EXPECT_TRUE(O().chbInSystemClock.Enabled());
    EXPECT_EQ(S().Window.LevelTransparency, 128);
    EXPECT_EQ(S().Main.StickToScreenBValue, 15);
    EXPECT_EQ(frmHoralto->tmrTimer.Interval(), 2500u);
}

}  // namespace
