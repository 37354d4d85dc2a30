// Enter and Esc in the forms: Enter presses the default button, Esc the cancel
// button, wherever the focus is, unless the focused control takes the key. The
// keys are posted to the focused window and go through the application's
// message loop, as typed keys do.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_about.h"
#include "options/frm_balloon_options.h"
#include "options/frm_options.h"
#include "options/input_box.h"
#include "planner/frm_days.h"
#include "planner/frm_message.h"
#include "timetext/frm_calendar.h"
#include "timetext/frm_sun_rd.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/dialogs.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "win/support/keyboard.h"
#include "win/support/message_loop.h"
#include "win/support/program_fixture.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::PumpUntil;

// Runs `step` from the message loop once the form is up.
void Later(std::function<void()> step) {
    testing_support::Later(200, std::move(step));
}

// Puts the focus on `target` and types `key` there.
void Type(HWND target, WORD key) {
    SetFocus(target);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}
void Type(ui::Control& target, WORD key) {
    Type(target.Handle(), key);
}
// Types and lets the message loop take the key.
void TypeAndPump(HWND target, WORD key) {
    Type(target, key);
    PumpUntil([] { return false; }, 150);
}

// Ends a modal loop that a key failed to end, so that the fault fails the test
// rather than hanging it; `rescued` tells whether it had to.
bool rescued = false;
std::function<void()> rescueStep;
void CALLBACK RunRescue(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto step = std::move(rescueStep);
    rescueStep = nullptr;
    if (!step) return;
    rescued = true;
    step();
}
struct Rescue {
    explicit Rescue(std::function<void()> step) {
        rescued = false;
        rescueStep = std::move(step);
        id = SetTimer(nullptr, 0, 4000, &RunRescue);
    }
    ~Rescue() {
        KillTimer(nullptr, id);
        rescueStep = nullptr;
    }
    UINT_PTR id = 0;
};

// A form of the test: an edit, a memo, a check box, a plain button and the two
// dialog buttons.
class KeyForm : public ui::Form {
  public:
    KeyForm() : ui::Form(L"TfrmDialogKeysTest") {
        SetBorderStyle(ui::bsDialog);
        edt.SetBounds(8, 8, 120, 21);
        mem.SetBounds(8, 36, 120, 60);
        chb.SetBounds(8, 100, 120, 17);
        btnOther.SetBounds(8, 124, 75, 25);
        btnOK.SetBounds(90, 124, 75, 25);
        btnCancel.SetBounds(170, 124, 75, 25);
        btnOK.SetDefault(true);
        btnOK.SetModalResult(ui::mrOk);
        btnCancel.SetCancel(true);
        btnCancel.SetModalResult(ui::mrCancel);
        btnOther.OnClick = [this](ui::Component&) { ++others; };
        btnOK.OnClick = [this](ui::Component&) { ++oks; };
        btnCancel.OnClick = [this](ui::Component&) { ++cancels; };
    }
    ui::Edit edt{this, L"edt"};
    ui::Memo mem{this, L"mem"};
    ui::CheckBox chb{this, L"chb", L"Флажок"};
    ui::Button btnOther{this, L"btnOther", L"Другая"};
    ui::Button btnOK{this, L"btnOK", L"OK"};
    ui::Button btnCancel{this, L"btnCancel", L"Отмена"};
    int others = 0, oks = 0, cancels = 0;
};

TEST(DialogKeys, EnterPressesTheDefaultButtonAndEscTheCancelButtonWhereverTheFocusIs) {
    ui::Application().Initialize();
    auto form = ui::NewForm<KeyForm>();
    form->Show();

    TypeAndPump(form->edt.Handle(), VK_RETURN);
    EXPECT_EQ(form->oks, 1) << "Enter in an edit";
    TypeAndPump(form->chb.Handle(), VK_RETURN);
    EXPECT_EQ(form->oks, 2) << "Enter on a check box";
    TypeAndPump(form->Handle(), VK_RETURN);
    EXPECT_EQ(form->oks, 3) << "Enter with the focus on the form itself";
    TypeAndPump(form->btnOther.Handle(), VK_RETURN);
    EXPECT_EQ(form->others, 1) << "Enter on another push button presses that one";
    EXPECT_EQ(form->oks, 3);
    TypeAndPump(form->mem.Handle(), VK_RETURN);
    EXPECT_EQ(form->oks, 3) << "the memo takes Enter itself";
    EXPECT_EQ(form->mem.Text(), L"\r\n") << "as a new line";

    TypeAndPump(form->edt.Handle(), VK_ESCAPE);
    TypeAndPump(form->mem.Handle(), VK_ESCAPE);
    TypeAndPump(form->Handle(), VK_ESCAPE);
    EXPECT_EQ(form->cancels, 3);

    // A disabled or hidden button is not pressed.
    form->btnOK.SetEnabled(false);
    form->btnCancel.SetVisible(false);
    TypeAndPump(form->edt.Handle(), VK_RETURN);
    TypeAndPump(form->edt.Handle(), VK_ESCAPE);
    EXPECT_EQ(form->oks, 3);
    EXPECT_EQ(form->cancels, 3);
}

TEST(DialogKeys, EscEndsAModalFormThroughItsCancelButton) {
    ui::Application().Initialize();
    auto form = ui::NewForm<KeyForm>();
    Rescue rescue([&] { form->SetModalResult(IDABORT); });
    Later([&] { Type(form->chb, VK_ESCAPE); });
    EXPECT_EQ(form->ShowModal(), ui::mrCancel);
    Rescue again([&] { form->SetModalResult(IDABORT); });
    Later([&] { Type(form->edt, VK_RETURN); });
    EXPECT_EQ(form->ShowModal(), ui::mrOk);
}

TEST(DialogKeys, InputBoxTakesEnterAndEsc) {
    ui::Application().Initialize();
    HWND edit = nullptr;
    auto typeInBox = [&](WORD key) {
        Later([&edit, key] {
            HWND box = FindWindowW(L"TfrmInputBox", nullptr);
            edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
            SetWindowTextW(edit, L"Мой формат");
            Type(edit, key);
        });
    };
    auto closeBox = [] { PostMessageW(FindWindowW(L"TfrmInputBox", nullptr), WM_CLOSE, 0, 0); };
    {
        Rescue rescue(closeBox);
        typeInBox(VK_RETURN);
        EXPECT_EQ(options::InputBox(L"Horalto", L"Введите название формата", L"x"),
                  std::wstring(L"Мой формат"));
        ASSERT_NE(edit, nullptr);
    }
    Rescue rescue(closeBox);
    typeInBox(VK_ESCAPE);
    EXPECT_EQ(options::InputBox(L"Horalto", L"Введите название формата", L"x"), std::nullopt);
    EXPECT_FALSE(rescued) << "Esc left the box open";
}

// The program's windows, made as its start makes them.
class ProgramDialogKeys : public testing_support::ProgramWindowsTest {
  protected:
    ProgramDialogKeys() : ProgramWindowsTest(L"dialog-keys") {}
};

constexpr DWORD kDialogWaitMs = 8000;

TEST_F(ProgramDialogKeys, EscClosesTheSettingsWindowButEnterInAnEditDoesNot) {
    frmOptions->Show();
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(frmOptions->Handle()) != FALSE; }));
    frmOptions->pgcOptions.SetActivePageIndex(0);
    TypeAndPump(frmOptions->edtCursor.Handle(), VK_RETURN);
    EXPECT_TRUE(frmOptions->Visible()) << "the window has no default button";
    Type(frmOptions->chbStayOnTop, VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !frmOptions->Visible(); }, kDialogWaitMs));
}

TEST_F(ProgramDialogKeys, DayPickerAppliesOnEnterAndCancelsOnEsc) {
    planner::TfrmDays& days = *planner::frmDays;
    int applied = 0;
    auto previous = days.OnApply;
    days.OnApply = [&] { ++applied; };
    {
        Rescue rescue([&] { days.Close(); });
        Later([&] { Type(days.clbMonths, VK_ESCAPE); });
        days.ShowModal();
        EXPECT_EQ(applied, 0);
        EXPECT_FALSE(rescued) << "Esc left the picker open";
    }
    Rescue rescue([&] { days.Close(); });
    Later([&] { Type(days.clbDays, VK_RETURN); });
    days.ShowModal();
    EXPECT_EQ(applied, 1);
    EXPECT_FALSE(days.Visible());
    days.OnApply = previous;
}

TEST_F(ProgramDialogKeys, BalloonOptionsAndAboutBoxCloseOnEsc) {
    bool typed = false;
    Later([&] {
        if (!frmBalloonOptions) return;
        typed = true;
        Type(frmBalloonOptions->speDurationBalloon, VK_ESCAPE);
    });
    {
        Rescue rescue([] {
            if (frmBalloonOptions) frmBalloonOptions->Close();
        });
        frmOptions->btnBalloonHintOptions.Click();
        EXPECT_FALSE(rescued) << "Esc left the balloon options open";
    }
    EXPECT_TRUE(typed);
    EXPECT_TRUE(PumpUntil([] { return frmBalloonOptions == nullptr; }, kDialogWaitMs));

    frmHoralto->aAbout.Execute();
    ASSERT_NE(frmAbout, nullptr);
    TfrmAbout* about = frmAbout;
    ASSERT_TRUE(PumpUntil([&] { return about->Visible() && about->Enabled(); }, kDialogWaitMs));
    Type(about->pgcAbout, VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return frmAbout == nullptr; }, kDialogWaitMs));
    frmHoralto->aAbout.Execute();
    ASSERT_NE(frmAbout, nullptr);
    about = frmAbout;
    ASSERT_TRUE(PumpUntil([&] { return about->Visible() && about->Enabled(); }, kDialogWaitMs));
    Type(about->Handle(), VK_RETURN);
    EXPECT_TRUE(PumpUntil([] { return frmAbout == nullptr; }, kDialogWaitMs));
}

TEST_F(ProgramDialogKeys, SunriseWindowCalculatesOnEnterAndClosesOnEsc) {
    ShowSunRD();
    ASSERT_NE(frmSunRD, nullptr);
    TypeAndPump(frmSunRD->edtL5.Handle(), VK_RETURN);
    EXPECT_GT(frmSunRD->memResult.LineCount(), 0) << "Enter pressed \"Вычислить\"";
    Type(frmSunRD->memResult, VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return frmSunRD == nullptr || !frmSunRD->Visible(); }, kDialogWaitMs));
}

TEST_F(ProgramDialogKeys, CalendarClosesOnEsc) {
    ShowCalendar();
    ASSERT_NE(frmCalendar, nullptr);
    ASSERT_TRUE(PumpUntil([] { return frmCalendar->Visible(); }));
    Type(frmCalendar->MonthCalendar, VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !frmCalendar->Visible(); }));
    frmCalendar->Show();
    Type(frmCalendar->Handle(), VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([] { return !frmCalendar->Visible(); }));
}

TEST_F(ProgramDialogKeys, ReminderClosesOnEnterAndOnEsc) {
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        planner::TfrmMessage* reminder = planner::TfrmMessage::Create();
        reminder->ShowMessageWin(L"12:00", L"Обед");
        HWND hwnd = reminder->Handle();
        Type(hwnd, key);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); })) << key;
    }
}

// The running program: its hot key opens the settings window, and Esc typed
// on the keyboard closes it.
TEST(DialogKeysOfTheProgram, EscTypedClosesTheSettingsWindow) {
    testing_support::ScratchDir dir(L"dialog-keys-e2e");
    testing_support::RunningProgram program(dir.Path());
    // The hot keys are registered once the settings window is made.
    ASSERT_NE(program.WaitShown(), nullptr);
    auto waitFor = [](auto done) {
        for (const DWORD start = GetTickCount(); !done(); Sleep(20))
            if (GetTickCount() - start > kDialogWaitMs) return false;
        return true;
    };
    HWND options = program.WaitForWindow(L"TfrmOptions");
    ASSERT_NE(options, nullptr);
    // "Настройки->Основные", pressed again until the program has taken its hot keys.
    ASSERT_TRUE(testing_support::PressCtrlAltUntil('O', [&] {
        return IsWindowVisible(options) && IsWindowEnabled(options);
    })) << "the hot key did not open the settings window";
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == options; }));
    EXPECT_EQ(testing_support::PressKey(VK_ESCAPE), 2u);
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(options); })) << "Esc left the settings window open";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

}  // namespace
