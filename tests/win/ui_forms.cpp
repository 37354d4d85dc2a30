// Forms and the application object: window classes, the close path, tab
// sheets coming on and off screen, the double-click order, timers, the focus
// of a form opened again and the message loop.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/actions.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/menus.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/timer.h"
#include "win/support/message_loop.h"
#include "win/support/program_runner.h"

namespace {

using Log = std::vector<std::wstring>;

using testing_support::PumpUntil;

class PagesForm : public ui::Form {
  public:
    explicit PagesForm(Log& log) : ui::Form(L"TfrmUiPages"), log_(log) {
        for (ui::TabSheet* s : {&tbsMain, &tbsShape, &tbsMainSkin, &tbsMainColor}) {
            s->OnShow = [this](ui::Component& c) { log_.push_back(L"show " + c.Name()); };
            s->OnHide = [this](ui::Component& c) { log_.push_back(L"hide " + c.Name()); };
        }
        OnCreate = [this](ui::Component&) { log_.push_back(L"create"); };
        OnShow = [this](ui::Component&) { log_.push_back(L"show form"); };
        OnDestroy = [this](ui::Component&) { log_.push_back(L"destroy"); };
    }
    Log& log_;
    ui::PageControl pgcOptions{this, L"pgcOptions"};
    ui::TabSheet tbsMain{pgcOptions, L"tbsMain", L"Основные"};
    ui::TabSheet tbsShape{pgcOptions, L"tbsShape", L"Окно"};
    ui::PageControl pgcMainShape{&tbsShape, L"pgcMainShape"};
    ui::TabSheet tbsMainSkin{pgcMainShape, L"tbsMainSkin", L"Шкура"};
    ui::TabSheet tbsMainColor{pgcMainShape, L"tbsMainColor", L"Цвет"};
};

TEST(UiForms, FormHasItsOwnWindowClassAndIsCreatedHiddenUnderTheApplicationWindow) {
    ui::Application().SetTitle(L"Horalto");
    Log log;
    auto form = ui::NewForm<PagesForm>(log);
    EXPECT_EQ(log, Log{L"create"});
    EXPECT_EQ(FindWindowW(L"TfrmUiPages", nullptr), form->Handle());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->Name(), L"frmUiPages");
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TfrmUiPages", &wc));
    EXPECT_TRUE(wc.style & CS_DBLCLKS);
    HWND app = GetWindow(form->Handle(), GW_OWNER);
    EXPECT_EQ(app, ui::Application().Handle());
    wchar_t buf[64];
    GetClassNameW(app, buf, 64);
    EXPECT_STREQ(buf, L"TApplication");
    GetWindowTextW(app, buf, 64);
    EXPECT_STREQ(buf, L"Horalto");
    EXPECT_FALSE(IsWindowVisible(app));
    form.reset();
    EXPECT_EQ(log.back(), L"destroy");
}

TEST(UiForms, TabSheetsShowAndHideOnlyWhileTheFormIsShown) {
    Log log;
    auto form = ui::NewForm<PagesForm>(log);
    log.clear();
    form->pgcOptions.SetActivePage(&form->tbsShape);  // hidden form: nothing
    form->pgcOptions.SetActivePage(&form->tbsMain);
    EXPECT_TRUE(log.empty());

    form->Show();
    EXPECT_EQ(log, (Log{L"show form", L"show tbsMain"}));
    log.clear();
    form->pgcOptions.SetActivePageIndex(1);  // the sheet and the chosen sheet of its nested pages
    EXPECT_EQ(log, (Log{L"show tbsShape", L"show tbsMainSkin", L"hide tbsMain"}));
    EXPECT_TRUE(IsWindowVisible(form->tbsShape.Handle()));
    EXPECT_FALSE(IsWindowVisible(form->tbsMain.Handle()));
    log.clear();
    form->pgcMainShape.SetActivePage(&form->tbsMainColor);
    EXPECT_EQ(log, (Log{L"show tbsMainColor", L"hide tbsMainSkin"}));
    log.clear();
    form->Hide();
    EXPECT_EQ(log, (Log{L"hide tbsShape", L"hide tbsMainColor"}));
    log.clear();
    form->pgcMainShape.SetActivePage(&form->tbsMainSkin);
    EXPECT_TRUE(log.empty());
    form->Show();
    EXPECT_EQ(log, (Log{L"show form", L"show tbsShape", L"show tbsMainSkin"}));
    log.clear();

    // The user's switch in the tab control: OnChanging, then the sheets, then OnChange.
    form->pgcOptions.OnChanging = [&](ui::Component&, bool& allow) { log.push_back(L"changing"); };
    form->pgcOptions.OnChange = [&](ui::Component&) { log.push_back(L"change"); };
    HWND tabs = form->pgcOptions.Handle();
    NMHDR nm{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(form->Handle(), WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
    TabCtrl_SetCurSel(tabs, 0);
    nm.code = TCN_SELCHANGE;
    SendMessageW(form->Handle(), WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(log, (Log{L"changing", L"show tbsMain", L"hide tbsShape", L"hide tbsMainSkin", L"change"}));
    EXPECT_EQ(form->pgcOptions.ActivePage(), &form->tbsMain);
}

class MouseForm : public ui::Form {
  public:
    MouseForm() : ui::Form(L"TfrmUiMouse") {
        SetBorderStyle(ui::bsNone);
        SetBounds(100, 100, 194, 79);
        auto down = [this](ui::Component& c, ui::MouseButton, ui::ShiftState s, int, int) {
            log.push_back(c.Name() + (s & ui::ssDouble ? L" down double" : L" down"));
        };
        auto up = [this](ui::Component& c, ui::MouseButton, ui::ShiftState, int, int) {
            log.push_back(c.Name() + L" up");
        };
        auto click = [this](ui::Component& c) { log.push_back(c.Name() + L" click"); };
        auto dbl = [this](ui::Component& c) { log.push_back(c.Name() + L" dblclick"); };
        OnMouseDown = down;
        OnMouseUp = up;
        OnClick = click;
        OnDblClick = dbl;
        lblDateTime.OnMouseDown = down;
        lblDateTime.OnDblClick = dbl;
        lblDateTime.SetBounds(8, 8, 140, 25);
    }
    Log log;
    ui::Label lblDateTime{this, L"lblDateTime", L"12:00"};
};

TEST(UiForms, DoubleClickFiresOnDblClickBeforeOnMouseDown) {
    auto form = ui::NewForm<MouseForm>();
    HWND h = form->Handle();
    LPARAM at = MAKELPARAM(170, 60);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(form->log, (Log{L"frmUiMouse down", L"frmUiMouse click", L"frmUiMouse up",
                              L"frmUiMouse dblclick", L"frmUiMouse down double", L"frmUiMouse up"}));
    form->log.clear();
    HWND lbl = form->lblDateTime.Handle();
    SendMessageW(lbl, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(lbl, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form->log, (Log{L"lblDateTime dblclick", L"lblDateTime down double"}));
}

class ClosingForm : public ui::Form {
  public:
    explicit ClosingForm(Log& log) : ui::Form(L"TfrmUiClosing"), log_(log) {
        OnCloseQuery = [this](ui::Component&, bool& can) {
            log_.push_back(L"query");
            can = allowClose;
        };
        OnClose = [this](ui::Component&, ui::CloseAction& a) {
            log_.push_back(L"close");
            a = action;
        };
        OnHide = [this](ui::Component&) { log_.push_back(L"hide"); };
        OnDestroy = [this](ui::Component&) { log_.push_back(L"destroy"); };
    }
    Log& log_;
    bool allowClose = false;
    ui::CloseAction action = ui::caHide;
};

TEST(UiForms, CloseRunsTheCloseQueryAndTheCloseAction) {
    Log log;
    auto form = ui::NewForm<ClosingForm>(log);
    form->Show();
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);  // refused
    EXPECT_EQ(log, (Log{L"query"}));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->allowClose = true;
    form->action = ui::caNone;
    form->Close();
    EXPECT_TRUE(form->Visible());
    form->action = ui::caHide;
    form->Close();
    EXPECT_EQ(log, (Log{L"query", L"query", L"close", L"query", L"close", L"hide"}));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    // Log-off asks the close query too.
    log.clear();
    form->allowClose = false;
    EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(log, Log{L"query"});
}

TEST(UiForms, CaFreeReleasesAnApplicationFormAfterTheMessage) {
    Log log;
    ClosingForm* frm = nullptr;
    ui::Form* main = ui::Application().MainForm();
    ui::Application().CreateForm(frm, log);
    ui::Application().SetMainForm(nullptr);  // not the main form: closing frees it
    frm->allowClose = true;
    frm->action = ui::caFree;
    frm->Close();
    EXPECT_NE(std::find(log.begin(), log.end(), L"close"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), L"destroy"), log.end());
    EXPECT_TRUE(PumpUntil([&] { return !log.empty() && log.back() == L"destroy"; }));
    EXPECT_FALSE(FindWindowW(L"TfrmUiClosing", nullptr));
    ui::Application().SetMainForm(main);
}

TEST(UiForms, TimerTicksThroughTheMessageLoopWhileEnabled) {
    ui::Timer tmr(nullptr, L"tmrTimer");
    tmr.SetEnabled(false);
    int ticks = 0;
    tmr.OnTimer = [&](ui::Component& c) {
        EXPECT_EQ(&c, &tmr);
        ++ticks;
    };
    tmr.SetInterval(15);
    tmr.SetTag(1);
    tmr.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    tmr.SetEnabled(false);
    int stopped = ticks;
    // A timer of the same interval started now ticks three times meanwhile.
    ui::Timer witness(nullptr, L"tmrWitness");
    int witnessed = 0;
    witness.OnTimer = [&](ui::Component&) { ++witnessed; };
    witness.SetInterval(15);
    witness.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return witnessed >= 3; }));
    EXPECT_EQ(ticks, stopped);
}

TEST(UiForms, WindowPropertiesReachTheWindow) {
    Log log;
    auto form = ui::NewForm<ClosingForm>(log);
    HWND h = form->Handle();
    form->SetBorderStyle(ui::bsSingle);
    form->SetBorderIcons(ui::biSystemMenu);
    form->SetClientWidth(463);
    form->SetClientHeight(601);
    RECT rc;
    GetClientRect(h, &rc);
    EXPECT_EQ(rc.right, 463);
    EXPECT_EQ(rc.bottom, 601);
    LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    form->SetBorderStyle(ui::bsNone);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_CAPTION);
    form->SetFormStyle(ui::fsStayOnTop);
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    form->SetFormStyle(ui::fsNormal);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    form->SetAlphaBlendValue(200);
    form->SetAlphaBlend(true);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(h, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    form->SetCaption(L"Настройки");
    wchar_t buf[32];
    GetWindowTextW(h, buf, 32);
    EXPECT_STREQ(buf, L"Настройки");
    form->SetBounds(10, 20, 194, 79);
    EXPECT_EQ(form->Left(), 10);
    EXPECT_EQ(form->Width(), 194);
    form->SetTag(10);
    EXPECT_EQ(form->Tag(), 10);
}

TEST(UiForms, ContextMenuGoesToOnContextPopupFirst) {
    Log log;
    auto form = ui::NewForm<ClosingForm>(log);
    bool asked = false;
    form->OnContextPopup = [&](ui::Component&, POINT, bool& handled) {
        asked = true;
        handled = true;  // no popup menu then
    };
    ui::PopupMenu pmn(form.get(), L"pmnMenu");
    form->SetPopupMenu(&pmn);
    bool popped = false;
    pmn.OnPopup = [&](ui::Component&) { popped = true; };
    SendMessageW(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(150, 150));
    EXPECT_TRUE(asked);
    EXPECT_FALSE(popped);
}

TEST(UiForms, ActionShortcutsRunThroughTheMessageLoop) {
    Log log;
    auto form = ui::NewForm<ClosingForm>(log);
    ui::ActionList list(form.get(), L"ActionList");
    ui::Action aSpeak(list, L"aSpeakTime", L"Сказать время");
    aSpeak.SetShortCut(static_cast<ui::ShortCut>(VK_F5));
    int runs = 0;
    aSpeak.OnExecute = [&](ui::Component&) { ++runs; };
    PostMessageW(form->Handle(), WM_KEYDOWN, VK_F5, 1);
    ui::Application().ProcessMessages();
    EXPECT_EQ(runs, 1);
}

class DialogForm : public ui::Form {
  public:
    DialogForm() : ui::Form(L"TfrmUiDialog") {
        SetBorderStyle(ui::bsDialog);
        btnOk.SetModalResult(ui::mrOk);
    }
    ui::Button btnOk{this, L"btnOk", L"OK"};
};

TEST(UiForms, ShowModalReturnsTheModalResultOfTheButton) {
    auto dialog = ui::NewForm<DialogForm>();
    HWND ok = dialog->btnOk.Handle();
    PostMessageW(dialog->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok));
    EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
    EXPECT_FALSE(dialog->Visible());
}

class MainForm : public ui::Form {
  public:
    explicit MainForm(Log& log) : ui::Form(L"TfrmUiMain"), log_(log) {
        OnCreate = [this](ui::Component&) {
            log_.push_back(self == this ? L"create, pointer set" : L"create");
        };
        OnShow = [this](ui::Component&) {
            log_.push_back(L"show");
            // Closing the application's window from outside closes the main form.
            PostMessageW(ui::Application().Handle(), WM_CLOSE, 0, 0);
        };
        OnCloseQuery = [this](ui::Component&, bool&) { log_.push_back(L"query"); };
        OnDestroy = [this](ui::Component&) { log_.push_back(L"destroy main"); };
    }
    static inline MainForm* self = nullptr;
    Log& log_;
};

class SecondForm : public ui::Form {
  public:
    explicit SecondForm(Log& log) : ui::Form(L"TfrmUiSecond") {
        OnDestroy = [&log](ui::Component&) { log.push_back(L"destroy second"); };
    }
};

TEST(UiForms, RunShowsTheMainFormAndEndsWhenItCloses) {
    Log log;
    ASSERT_EQ(ui::Application().MainForm(), nullptr);
    ui::Application().CreateForm(MainForm::self, log);
    SecondForm* second = nullptr;
    ui::Application().CreateForm(second, log);
    EXPECT_EQ(ui::Application().MainForm(), MainForm::self);
    ui::Application().Run();
    EXPECT_EQ(log, (Log{L"create, pointer set", L"show", L"query", L"destroy second", L"destroy main"}));
    EXPECT_EQ(ui::Application().MainForm(), nullptr);
    EXPECT_FALSE(FindWindowW(L"TfrmUiMain", nullptr));
}

TEST(UiForms, EndOfTheSessionRunsTheCloseQueryAndFreesTheForms) {
    // The forms are freed once the code under way has returned: the end of
    // the session ends the message loop, at whose end they go.
    Log log;
    ui::Application().CreateForm(MainForm::self, log);
    SecondForm* second = nullptr;
    ui::Application().CreateForm(second, log);
    HWND h = MainForm::self->Handle();
    EXPECT_EQ(SendMessageW(h, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(h, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(log, (Log{L"create, pointer set", L"query"}));
    EXPECT_TRUE(ui::Application().Terminated());
    ui::Application().Run();  // ends at once, the main form never shown
    EXPECT_EQ(log, (Log{L"create, pointer set", L"query", L"destroy second", L"destroy main"}));
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(ui::Application().MainForm(), nullptr);
}

class FocusForm : public ui::Form {
  public:
    FocusForm() : ui::Form(L"TfrmUiFocus") {
        SetBounds(100, 100, 400, 300);
        pgcPages.SetBounds(8, 8, 360, 240);
        edtFirst.SetBounds(10, 10, 100, 21);
        edtSecond.SetBounds(10, 40, 100, 21);
        edtThird.SetBounds(10, 10, 100, 21);
        edtFourth.SetBounds(10, 40, 100, 21);
    }
    ui::PageControl pgcPages{this, L"pgcPages"};
    ui::TabSheet tbsOne{pgcPages, L"tbsOne", L"Первая"};
    ui::TabSheet tbsTwo{pgcPages, L"tbsTwo", L"Вторая"};
    ui::Edit edtFirst{&tbsOne, L"edtFirst"};
    ui::Edit edtSecond{&tbsOne, L"edtSecond"};
    ui::Edit edtThird{&tbsTwo, L"edtThird"};
    ui::Edit edtFourth{&tbsTwo, L"edtFourth"};
};

TEST(UiForms, AShownFormOpenedAgainGivesTheFocusToTheControlOfItsShownPage) {
    // A shown form that another window has come over is opened again by its
    // SetFocus (as the program's windows are): the keys go to the control of
    // the shown page that had them last, or to the page's first control.
    auto form = ui::NewForm<FocusForm>();
    auto other = ui::NewForm<FocusForm>();
    auto comesOver = [&] {
        other->SetFocus();
        return PumpUntil([&] { return GetActiveWindow() == other->Handle(); }, 10000);
    };
    auto openedAgainWith = [&](ui::Control& control) {
        form->SetFocus();
        return PumpUntil(
            [&] { return GetActiveWindow() == form->Handle() && GetFocus() == control.Handle(); }, 10000);
    };
    // Shown disabled, as during a show effect: no control takes the focus.
    form->SetEnabled(false);
    form->Show();
    other->Show();
    form->SetEnabled(true);
    ASSERT_TRUE(comesOver());
    EXPECT_TRUE(openedAgainWith(form->edtFirst)) << "the focus is not on the page's first control";

    form->edtSecond.SetFocus();
    ASSERT_TRUE(comesOver());
    EXPECT_TRUE(openedAgainWith(form->edtSecond));

    // Another page chosen while the form was covered: its first control, then the one it had.
    ASSERT_TRUE(comesOver());
    form->pgcPages.SetActivePage(&form->tbsTwo);
    EXPECT_TRUE(openedAgainWith(form->edtThird));
    form->edtFourth.SetFocus();
    ASSERT_TRUE(comesOver());
    form->pgcPages.SetActivePage(&form->tbsOne);
    EXPECT_TRUE(openedAgainWith(form->edtSecond));
    ASSERT_TRUE(comesOver());
    form->pgcPages.SetActivePage(&form->tbsTwo);
    EXPECT_TRUE(openedAgainWith(form->edtFourth));
}

TEST(UiForms, ProcessMessagesPostsAQuitItMeetsAgain) {
    bool handled = false;
    ui::Timer tmr(nullptr);
    tmr.SetInterval(1);
    tmr.OnTimer = [&](ui::Component&) { handled = true; };
    // The timer's message waits in the queue.
    ASSERT_TRUE(testing_support::WaitFor([] { return (HIWORD(GetQueueStatus(QS_TIMER)) & QS_TIMER) != 0; }));
    PostQuitMessage(7);
    EXPECT_FALSE(ui::Application().ProcessMessages());
    EXPECT_TRUE(ui::Application().Terminated());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(UiForms, RemoveMessagesLeavesAQuitForTheOuterLoop) {
    HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    PostMessageW(w, WM_APP + 1, 0, 0);
    PostQuitMessage(5);
    PostMessageW(w, WM_APP + 1, 0, 0);
    PostMessageW(w, WM_APP + 2, 0, 0);
    ui::Application().RemoveMessages(w, WM_APP + 1, WM_APP + 1);
    EXPECT_TRUE(ui::Application().Terminated());
    // What is left: the message outside the range, and the quit with its code.
    std::vector<std::pair<UINT, WPARAM>> left;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.hwnd == w || msg.message == WM_QUIT) left.emplace_back(msg.message, msg.wParam);
    EXPECT_EQ(left, (std::vector<std::pair<UINT, WPARAM>>{{WM_APP + 2, 0}, {WM_QUIT, 5}}));
    DestroyWindow(w);
}

}  // namespace
