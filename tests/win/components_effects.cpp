// The alpha show and hide effects on real windows: the messages flow while
// they run, they end on time, a show leaves an ordinary window, a hide a
// hidden one; and the settings window comes and goes with them.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/alpha_effects.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "options/window_effects.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "win/support/program_runner.h"
#include "win/support/message_loop.h"
#include "win/support/program_windows.h"

namespace {

class EffectForm : public ui::Form {
  public:
    EffectForm() : ui::Form(L"TfrmComponentsEffects") {
        SetBounds(200, 150, 240, 160);
        btnOk.SetBounds(20, 20, 90, 25);
    }
    ui::Button btnOk{this, L"btnOk", L"Закрыть"};
};

bool Layered(HWND hwnd) {
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

// Counts the ticks of a fast timer while something runs.
struct Ticker {
    Ticker() {
        timer.SetInterval(20);
        timer.OnTimer = [this](ui::Component&) { ++ticks; };
    }
    ui::Timer timer{nullptr, L"tmrTicker"};
    int ticks = 0;
};

}  // namespace

TEST(AlphaEffects, AShowKeepsTheMessagesFlowingAndEndsOpaque) {
    auto form = ui::NewForm<EffectForm>();
    int before = 0, after = 0;
    bool visibleWhenBefore = true;
    Ticker ticker;
    const ULONGLONG start = GetTickCount64();
    {
        TAlphaFX effect(
            *form, alphafx::afxLeftRight, 2, 400, {}, true, false, true,
            [&](ui::Component&) {
                ++before;
                visibleWhenBefore = form->Visible();
                form->Show();
            },
            [&](ui::Component&) {
                ++after;
                EXPECT_FALSE(Layered(form->Handle()));
            });
        EXPECT_TRUE(effect.Finished());
    }
    const ULONGLONG took = GetTickCount64() - start;
    EXPECT_GE(took, 400u);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(before, 1);
    EXPECT_FALSE(visibleWhenBefore);  // the picture was taken from the hidden window
    EXPECT_EQ(after, 1);
    EXPECT_GT(ticker.ticks, 3);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(Layered(form->Handle()));
}

TEST(AlphaEffects, AHideLeavesTheWindowLayeredForItsCaller) {
    auto form = ui::NewForm<EffectForm>();
    form->Show();
    ui::Application().ProcessMessages();
    int after = 0;
    AlphaFX(*form, {alphafx::afxFade}, 2, 200, false, true, {}, [&](ui::Component&) { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(Layered(form->Handle()));
}

TEST(AlphaEffects, EveryKindOfEffectRunsToItsEnd) {
    auto form = ui::NewForm<EffectForm>();
    form->Show();
    for (int e = 0; e <= alphafx::afxRadarClockwise270; ++e) {
        if (e == alphafx::afxCustom) continue;
        TAlphaFX effect(*form, static_cast<alphafx::TAlphaFXEffect>(e), 2, 60, {}, true, false, true);
        EXPECT_TRUE(effect.Finished()) << e;
        EXPECT_NE(effect.Effect(), alphafx::afxRadarRandom);
        EXPECT_FALSE(Layered(form->Handle())) << e;
    }
}

TEST(AlphaEffects, WithoutWaitingTheStepsRunFromTheLoop) {
    auto form = ui::NewForm<EffectForm>();
    form->Show();
    int after = 0;
    TAlphaFX effect(*form, alphafx::afxTopBottom, 1, 150, {}, true, false, false, {},
                    [&](ui::Component&) { ++after; });
    EXPECT_FALSE(effect.Finished());
    EXPECT_TRUE(testing_support::PumpUntil([&] { return effect.Finished(); }, 3000, 10));
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(Layered(form->Handle()));
}

TEST(AlphaEffects, TheSettingsWindowComesAndGoesWithItsEffects) {
    testing_support::ScratchDir dir(L"components-effects");
    testing_support::UseDataFolder(dir.Path());
    ui::Application().CreateForm(frmHoralto);
    ui::Application().CreateForm(frmOptions);
    Ticker ticker;
    const ULONGLONG start = GetTickCount64();
    frmOptions->ShowPage(7);
    EXPECT_GE(GetTickCount64() - start, 1000u);
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_TRUE(frmOptions->Enabled());
    EXPECT_FALSE(Layered(frmOptions->Handle()));
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    EXPECT_GT(ticker.ticks, 10);

    frmOptions->Close();
    EXPECT_FALSE(frmOptions->Visible());
    EXPECT_FALSE(IsWindowVisible(frmOptions->Handle()));
    EXPECT_FALSE(Layered(frmOptions->Handle()));  // a plain Show would show it whole
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 0);
    testing_support::DestroyProgramWindows();
}

TEST(AlphaEffects, AQuitEndsTheEffectAtOnce) {
    auto form = ui::NewForm<EffectForm>();
    form->Show();
    PostQuitMessage(3);
    const ULONGLONG start = GetTickCount64();
    AlphaFX(*form, {alphafx::afxLeftRight}, 2, 5000, true, false);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_FALSE(Layered(form->Handle()));
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // still there for the loop
}
