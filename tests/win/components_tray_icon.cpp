// The notification-area icon in the virtual desktop's taskbar: adding,
// changing and deleting it, balloons, its mouse messages, and the main
// window's icon with the worker's hint and the planner's balloons.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "components/gtray_icon.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "planner/task_hooks.h"
#include "ui/application.h"
#include "ui/exception.h"
#include "win/support/program_runner.h"
#include "win/support/message_loop.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::PumpUntil;

// Whether the shell holds an icon of this window and id (only an existing
// icon can be changed).
bool IconExists(const TGTrayIcon& icon) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = icon.Handle();
    probe.uID = icon.Id();
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

// The text of the tooltip the shell keeps for the icon is not readable from
// here; the component's own record tells what it sent.
class TrayIcon : public testing::Test {
  protected:
    void SetUp() override { ui::Application().Initialize(); }
    TGTrayIcon icon{nullptr, L"TestIcon"};
};

}  // namespace

TEST_F(TrayIcon, AddedChangedAndDeleted) {
    ASSERT_NE(icon.Handle(), nullptr);
    EXPECT_FALSE(icon.Visible());
    EXPECT_FALSE(icon.Hide());
    EXPECT_FALSE(IconExists(icon));

    icon.SetVisible(true);
    EXPECT_TRUE(icon.Hide());
    EXPECT_TRUE(IconExists(icon));
    icon.SetHint(L"12:00 среда");
    EXPECT_EQ(icon.Hint(), L"12:00 среда");
    icon.SetDefaultIcon();
    EXPECT_TRUE(IconExists(icon));

    icon.SetVisible(false);
    EXPECT_FALSE(icon.Hide());
    EXPECT_FALSE(IconExists(icon));
    // Switching off an icon that the shell lost already is no error.
    icon.SetVisible(true);
    icon.EndSession();
    EXPECT_FALSE(IconExists(icon));
    EXPECT_NO_THROW(icon.SetVisible(false));
}

TEST_F(TrayIcon, HintsOf64CharactersAreDropped) {
    icon.SetVisible(true);
    const std::wstring ok(63, L'ч');
    icon.SetHint(ok);
    EXPECT_EQ(icon.Hint(), ok);
    icon.SetHint(std::wstring(64, L'ш'));
    EXPECT_EQ(icon.Hint(), ok);
    // An empty hint keeps the icon and its messages.
    icon.SetHint(L"");
    EXPECT_EQ(icon.Hint(), L"");
    EXPECT_TRUE(IconExists(icon));
    int clicks = 0;
    icon.OnClick = [&](ui::Component&) { ++clicks; };
    SendMessageW(icon.Handle(), TGTrayIcon::kCallbackMessage, icon.Id(), WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIcon, BalloonOfAHiddenIconShowsTheIconForItsTime) {
    icon.ShowBalloonHint(L"Напоминание", L"Позвонить", 1, 300);
    EXPECT_TRUE(icon.Hide());
    EXPECT_FALSE(icon.Visible());
    EXPECT_TRUE(icon.BalloonTimerRunning());
    EXPECT_TRUE(IconExists(icon));
    EXPECT_TRUE(PumpUntil([&] { return !icon.Hide(); }, 3000, 10));
    EXPECT_FALSE(IconExists(icon));

    // Made visible meanwhile, the icon stays for good.
    icon.ShowBalloonHint(L"", L"Ещё", 0, 300);
    icon.SetVisible(true);
    EXPECT_FALSE(icon.BalloonTimerRunning());
    ui::Application().WaitForMessage(400);
    ui::Application().ProcessMessages();
    EXPECT_TRUE(IconExists(icon));
    EXPECT_TRUE(icon.Hide());
}

TEST_F(TrayIcon, BalloonOfAShownIconLeavesTheIcon) {
    icon.SetVisible(true);
    icon.ShowBalloonHint(L"Заголовок", std::wstring(300, L'т'), 2, 200);
    EXPECT_FALSE(icon.BalloonTimerRunning());
    icon.HideBalloonHint();
    ui::Application().WaitForMessage(300);
    ui::Application().ProcessMessages();
    EXPECT_TRUE(IconExists(icon));
}

TEST_F(TrayIcon, MouseMessagesBecomeEventsAndRestore) {
    std::vector<std::wstring> seen;
    icon.OnRestore = [&](ui::Component&) { seen.push_back(L"restore"); };
    icon.OnClick = [&](ui::Component&) { seen.push_back(L"click"); };
    icon.OnDblClick = [&](ui::Component&) { seen.push_back(L"dbl"); };
    icon.OnMouseDown = [&](ui::Component&, ui::MouseButton b, ui::ShiftState s, int, int) {
        seen.push_back(L"down" + std::to_wstring(b) + ((s & ui::ssRight) ? L"R" : L""));
    };
    icon.OnMouseUp = [&](ui::Component&, ui::MouseButton b, ui::ShiftState, int, int) {
        seen.push_back(L"up" + std::to_wstring(b));
    };
    icon.OnMouseMove = [&](ui::Component&, ui::ShiftState, int, int) { seen.push_back(L"move"); };
    auto send = [&](UINT mouse) {
        SendMessageW(icon.Handle(), TGTrayIcon::kCallbackMessage, icon.Id(), mouse);
    };
    send(WM_MOUSEMOVE);
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    send(WM_RBUTTONDOWN);
    send(WM_RBUTTONDBLCLK);
    send(WM_MBUTTONUP);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"move", L"down0", L"click", L"up0", L"down1R", L"restore",
                                               L"dbl", L"up2"}));

    seen.clear();
    icon.SetRestoreOn(trayicon::imMouseUp);
    icon.OnClick = nullptr;
    send(WM_MOUSEMOVE);  // no click event: moves are not reported
    send(WM_RBUTTONUP);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"restore", L"up1"}));
}

TEST_F(TrayIcon, MenuShownOnTheChosenClickAtTheCursor) {
    ui::PopupMenu menu(nullptr, L"pmnTest");
    ui::MenuItem item(menu, L"pmiItem", L"Пункт");
    int popups = 0;
    menu.OnPopup = [&](ui::Component&) {
        ++popups;
        // The menu loop ends from a timer inside it.
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            EndMenu();
        });
    };
    icon.SetPopupMenu(&menu);
    icon.SetPopupMenuOn(trayicon::imRightClickUp);
    SendMessageW(icon.Handle(), TGTrayIcon::kCallbackMessage, icon.Id(), WM_LBUTTONUP);
    EXPECT_EQ(popups, 0);
    SendMessageW(icon.Handle(), TGTrayIcon::kCallbackMessage, icon.Id(), WM_RBUTTONUP);
    EXPECT_EQ(popups, 1);
}

TEST_F(TrayIcon, AnimationRunsThroughTheIcons) {
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (int i = 0; i < 3; ++i) ImageList_AddIcon(icons, LoadIconW(nullptr, IDI_APPLICATION));
    icon.SetAnimate(true);  // without icons it stays off
    EXPECT_FALSE(icon.Animate());
    icon.SetIcons(icons);
    icon.SetAnimateInterval(20);
    icon.SetAnimate(true);
    std::vector<int> seen;
    EXPECT_TRUE(PumpUntil(
        [&] {
            if (seen.empty() || seen.back() != icon.IconIndex()) seen.push_back(icon.IconIndex());
            return seen.size() >= 5;
        },
        3000, 10));
    icon.SetAnimate(false);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1}));
    icon.SetIcons(nullptr);
    ImageList_Destroy(icons);
}

// The program's own icon: made with the main window, with the popup menu and
// a double click to restore; the worker's hint and the planner's balloons.
class MainWindowIcon : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
    }
    void TearDown() override { testing_support::DestroyProgramWindows(); }
    testing_support::ScratchDir dir_{L"components-tray"};
};

TEST_F(MainWindowIcon, CarriesTheMenuTheHintAndTheBalloons) {
    ASSERT_TRUE(frmHoralto->GTrayIcon1);
    TGTrayIcon& icon = *frmHoralto->GTrayIcon1;
    EXPECT_EQ(icon.PopupMenu(), &frmHoralto->pmnMenu);
    EXPECT_EQ(icon.RestoreOn(), trayicon::imDoubleClick);
    EXPECT_EQ(icon.PopupMenuOn(), trayicon::imNone);
    EXPECT_FALSE(frmHoralto->TrayIconVisible());

    frmHoralto->SetTrayIconVisible(true);
    EXPECT_TRUE(frmHoralto->TrayIconVisible());
    EXPECT_TRUE(IconExists(icon));
    // The worker's step sets the hint: the hint format's text, cut to 63.
    frmHoralto->Settings.Main.FormatTextHint = std::wstring(70, L'ы');
    frmHoralto->TickWork();
    EXPECT_EQ(icon.Hint(), std::wstring(63, L'ы'));

    ASSERT_TRUE(planner::ShowTrayBalloon);
    planner::ShowTrayBalloon(L"Задача", L"Пора", 1, 500);
    EXPECT_TRUE(IconExists(icon));
    EXPECT_FALSE(icon.BalloonTimerRunning());  // the icon was there already

    frmHoralto->SetTrayIconVisible(false);
    EXPECT_FALSE(IconExists(icon));
    planner::ShowTrayBalloon(L"Задача", L"Пора", 1, 200);
    EXPECT_TRUE(IconExists(icon));
    EXPECT_TRUE(PumpUntil([&] { return !IconExists(icon); }, 3000, 10));
}

TEST_F(MainWindowIcon, BalloonRequestAfterTheWindowWentDoesNothing) {
    auto balloon = planner::ShowTrayBalloon;
    testing_support::DestroyProgramWindows();
    ASSERT_TRUE(balloon);
    EXPECT_NO_THROW(balloon(L"t", L"x", 1, 100));
}
