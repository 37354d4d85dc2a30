// The balloon options dialog and the about box: made when opened, one at a
// time, changing the settings live, and freed when closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_about.h"
#include "options/frm_balloon_options.h"
#include "options/frm_options.h"
#include "planner/task_hooks.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/message_loop.h"
#include "win/support/program_fixture.h"
#include "win/support/program_windows.h"

namespace {

// The dialogs' show and hide effects take their time.
constexpr DWORD kDialogWaitMs = 8000;

using testing_support::Later;
using testing_support::PumpUntil;

class Dialogs : public testing_support::ProgramWindowsTest {
  protected:
    Dialogs() : ProgramWindowsTest(L"options2-dialogs", IDNO) {}
    core::PlannerSettings& P() { return frmHoralto->Settings.Planner; }
};

TEST_F(Dialogs, BalloonOptionsChangeTheSettingsLiveAndFreeThemselves) {
    P().BalloonDuration = 7500;
    P().BalloonIcon = 2;
    int shownIcon = -1, shownSeconds = -1, storedAtShow = -1;
    TfrmBalloonOptions* first = nullptr;
    bool secondWasSame = false;
    Later(300, [&] {
        first = frmBalloonOptions;
        if (!first) return;
        shownIcon = first->rdgBalloonIcons.ItemIndex();
        shownSeconds = first->speDurationBalloon.Value();
        storedAtShow = P().BalloonDuration;
        // The planner's button again: the open dialog only takes the focus.
        planner::ShowBalloonOptions();
        secondWasSame = frmBalloonOptions == first;
        first->rdgBalloonIcons.SetItemIndex(3);
        first->speDurationBalloon.SetValue(-2);
        first->btnOK.Click();
    });
    ASSERT_TRUE(planner::ShowBalloonOptions);
    frmOptions->btnBalloonHintOptions.Click();
    ASSERT_NE(first, nullptr) << "the dialog did not open";
    EXPECT_EQ(shownIcon, 2);
    EXPECT_EQ(shownSeconds, 7);
    EXPECT_EQ(storedAtShow, 7000);  // shown values are stored back: whole seconds
    EXPECT_TRUE(secondWasSame);
    EXPECT_EQ(P().BalloonIcon, 3);
    EXPECT_EQ(P().BalloonDuration, -2000);
    EXPECT_EQ(first->Caption(), L"Настройки Balloon Hint");
    EXPECT_TRUE(PumpUntil([] { return frmBalloonOptions == nullptr; }, kDialogWaitMs));
}

TEST_F(Dialogs, BalloonDurationCannotOverflow) {
    P().BalloonDuration = 5000;
    int typed = 0, negative = 0;
    std::wstring shownAfterLeaving;
    bool opened = false;
    Later(300, [&] {
        TfrmBalloonOptions* dialog = frmBalloonOptions;
        if (!dialog) return;
        opened = true;
        // Typed in: far more seconds than milliseconds fit in the stored number.
        HWND edit = dialog->speDurationBalloon.Handle();
        SetFocus(edit);
        SetWindowTextW(edit, L"99999999");
        typed = P().BalloonDuration;
        SetWindowTextW(edit, L"-99999999");
        negative = P().BalloonDuration;
        SetWindowTextW(edit, L"99999999");
        SetFocus(dialog->btnOK.Handle());
        wchar_t text[32] = {};
        GetWindowTextW(edit, text, 32);
        shownAfterLeaving = text;
        dialog->btnOK.Click();
    });
    frmOptions->btnBalloonHintOptions.Click();
    ASSERT_TRUE(opened) << "the dialog did not open";
    // The largest whole number of seconds whose milliseconds still fit.
    EXPECT_EQ(typed, 2147483 * 1000);
    EXPECT_EQ(negative, -2147483 * 1000);
    EXPECT_EQ(shownAfterLeaving, L"2147483");
    EXPECT_EQ(P().BalloonDuration, 2147483 * 1000);
    EXPECT_TRUE(PumpUntil([] { return frmBalloonOptions == nullptr; }, kDialogWaitMs));
}

TEST_F(Dialogs, AboutBoxShowsTheVersionOfTheFileAndFreesItself) {
    frmHoralto->aAbout.Execute();
    ASSERT_NE(frmAbout, nullptr);
    TfrmAbout* about = frmAbout;
    EXPECT_TRUE(PumpUntil([&] { return about->Visible() && about->Enabled(); }, kDialogWaitMs));
    EXPECT_EQ(about->GetBorderStyle(), ui::bsDialog);
    EXPECT_EQ(about->lblVersion.Caption().rfind(L"Версия: 1.00 (", 0), 0u) << about->lblVersion.Caption();
    EXPECT_EQ(about->lblSerial.Caption(), L"Сборка: 1");
    EXPECT_EQ(about->lblProductName.Caption(), L"Horalto");
    EXPECT_EQ(about->pgcAbout.ActivePageIndex(), 0);
    frmHoralto->aAbout.Execute();  // no second box
    EXPECT_EQ(frmAbout, about);

    // The description scrolls up a pixel a tick; a move by hand pauses it.
    EXPECT_TRUE(about->tmrScroll.Enabled());
    const int start = about->Scroller().Offset();
    about->tmrScrollTimer(about->tmrScroll);
    about->tmrScrollTimer(about->tmrScroll);
    EXPECT_EQ(about->Scroller().Offset(), start + 2);
    about->scbScrollCommentsScroll(about->scbScrollComments);
    EXPECT_EQ(about->tmrScroll.Interval(), 3000u);
    about->tmrScrollTimer(about->tmrScroll);
    EXPECT_EQ(about->tmrScroll.Interval(), 100u);

    // The logo's hover picture and the hidden one.
    about->imgWqDisableMouseMove(about->imgWqDisable, 0, 1, 1);
    EXPECT_TRUE(about->imgWqEnable.Visible());
    about->imgWqEnable.Click();
    EXPECT_FALSE(about->imgWqEnable.Visible());
    EXPECT_TRUE(about->imgWqFoto.Visible());
    about->tbsGeneralInfoMouseMove(about->tbsGeneralInfo, 0, 300, 200);
    EXPECT_FALSE(about->imgWqFoto.Visible());
    EXPECT_NE(about->imgWqDisable.Bitmap(), nullptr);

    about->OKButton.Click();
    EXPECT_TRUE(PumpUntil([] { return frmAbout == nullptr; }, kDialogWaitMs));
    frmHoralto->aAbout.Execute();  // a new one after the old is gone
    ASSERT_NE(frmAbout, nullptr);
    frmAbout->Close();
    EXPECT_TRUE(PumpUntil([] { return frmAbout == nullptr; }, kDialogWaitMs));
}

}  // namespace
