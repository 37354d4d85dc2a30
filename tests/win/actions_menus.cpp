// The popup menu: its skin submenu and the press on its planner entry that the
// mouse hook turns into the planner page; and the settings window's mouse page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "win/actions_fixture.h"
#include "win/support/program_runner.h"

namespace {

// Steps run by a timer inside the popup menu's own loop: point at the planner
// entry, press on it, close the menu.
int menuStep = 0;
int menuTicks = 0;
RECT tasksRect{};
void CALLBACK MenuDriver(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (++menuTicks > 40) menuStep = 3;
    const int x = (tasksRect.left + tasksRect.right) / 2, y = (tasksRect.top + tasksRect.bottom) / 2;
    switch (menuStep) {
        case 0:
            if (!menuWindow || !IsWindowVisible(menuWindow)) return;
            if (HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)))
                if (GetMenuItemRect(nullptr, menu, 2, &tasksRect)) {
                    MouseAt(x + 1, (tasksRect.top + tasksRect.bottom) / 2, 0);
                    menuStep = 1;
                }
            return;
        case 1:
            MouseAt(x, y, 0);
            menuStep = 2;
            return;
        case 2:
            MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
            MouseAt(x, y, MOUSEEVENTF_LEFTUP);
            menuStep = 3;
            return;
        default:
            EndMenu();
            KillTimer(nullptr, id);
            menuStep = 4;
            return;
    }
}

}  // namespace

TEST_F(Clock, PressOnThePlannerEntryOfTheOpenMenuOpensThePlannerPage) {
    ShowTextClock();
    TfrmHoralto& f = *frmHoralto;
    ASSERT_NE(MouseHook, nullptr);
    ASSERT_TRUE(f.pmiTasks.Visible());
    menuStep = 0;
    menuTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &MenuDriver);
    f.pmnMenu.Popup(100, 100);
    if (menuStep != 4) KillTimer(nullptr, timer);
    EXPECT_EQ(menuStep, 4);
    EXPECT_TRUE(PumpUntil([] { return frmOptions->Visible(); }));
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
}

TEST_F(Clock, SkinMenuFollowsTheCatalogueAndThePlaceItOpenedFrom) {
    TfrmHoralto& f = *frmHoralto;
    f.SkinNames.Add(L"Моя");
    f.SkinFiles.Add(L"skins\\my.qsk");
    f.BuildSkinMenu();
    ASSERT_EQ(f.pmiSkins.Count(), 2 + 5);
    EXPECT_EQ(f.pmiSkins[2].Name(), L"pmiSkin0");
    EXPECT_EQ(f.pmiSkins[6].Name(), L"pmiSkin4");
    EXPECT_EQ(f.pmiSkins[6].Caption(), L"Моя");
    EXPECT_EQ(f.pmiSkins[6].Tag(), 4);

    f.Settings.Window.MainSkinIndex = 1;
    f.Settings.SystemClock.TraySkinIndex = 3;
    bool handled = false;
    f.FormContextPopup(f, POINT{1, 1}, handled);
    f.pmnMenuPopup(f.pmnMenu);
    EXPECT_EQ(f.pmiSkins.Caption(), L"Шкура главного окна");
    EXPECT_EQ(f.pmiSkinOptions.ImageIndex(), 21);
    for (int i = 2; i < f.pmiSkins.Count(); ++i) EXPECT_EQ(f.pmiSkins[i].Default(), i == 3) << i;
    f.pnlTrayTimeContextPopup(f.pnlTrayTime, POINT{1, 1}, handled);
    f.pmnMenuPopup(f.pmnMenu);
    EXPECT_EQ(f.pmiSkins.Caption(), L"Шкура окна в трее");
    EXPECT_EQ(f.pmiSkinOptions.ImageIndex(), 23);
    for (int i = 2; i < f.pmiSkins.Count(); ++i) EXPECT_EQ(f.pmiSkins[i].Default(), i == 5) << i;

    // From the taskbar clock: its skin.
    f.pmiSkins[4].Click();
    EXPECT_EQ(f.Settings.SystemClock.TraySkinIndex, 2);
    EXPECT_EQ(frmOptions->cmbTraySkins.ItemIndex(), 2);
    EXPECT_TRUE(f.Settings.SystemClock.UseTraySkis);
    EXPECT_TRUE(f.Settings.SystemClock.NewTraySkin);
    EXPECT_EQ(f.pnlTrayTime.Tag(), 0);
    f.pmiSkins[2].Click();
    EXPECT_FALSE(f.Settings.SystemClock.UseTraySkis);
    f.pmiSkinOptions.Click();
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 2);
    // A stale item (the catalogue shrank) does nothing.
    f.SkinNames.Delete(4);
    f.pmiSkins[6].Click();
    EXPECT_EQ(f.Settings.SystemClock.TraySkinIndex, 0);
    // From the window: the main skin.
    f.FormContextPopup(f, POINT{1, 1}, handled);
    f.pmiSkins[3].Click();
    EXPECT_EQ(f.Settings.Window.MainSkinIndex, 1);
    EXPECT_EQ(frmOptions->cmbMainSkins.ItemIndex(), 1);  // the skin page follows
    f.pmiSkins[2].Click();
    EXPECT_EQ(f.Settings.Window.MainSkinIndex, 0);
    EXPECT_EQ(frmOptions->cmbMainSkins.ItemIndex(), 0);
    f.pmiSkinOptions.Click();
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 1);
}

TEST_F(Clock, PressOnThePlannerEntryOpensThePlannerPage) {
    TfrmHoralto& f = *frmHoralto;
    EXPECT_NE(MouseHook, nullptr);
    f.MouseHookPress(WM_MOUSEMOVE, &f.pmiTasks, &f.pmiTasks);
    f.MouseHookPress(WM_LBUTTONDOWN, &f.pmiOptions, &f.pmiOptions);
    f.MouseHookPress(WM_LBUTTONDOWN, nullptr, nullptr);
    // The entry's submenu is open, but the press is elsewhere (it closes the menu).
    f.MouseHookPress(WM_LBUTTONDOWN, &f.pmiTasks, nullptr);
    f.MouseHookPress(WM_RBUTTONDOWN, &f.pmiTasks, &f.pmiPlannerOnOff);
    Pump(100);
    EXPECT_FALSE(frmOptions->Visible());
    // The action runs once the hook has returned, once for a press seen twice.
    int runs = 0;
    f.aPlanner.OnExecute = [&](ui::Component& s) {
        ++runs;
        f.ShowOptionsExecute(s);
    };
    f.MouseHookPress(WM_RBUTTONDOWN, &f.pmiTasks, &f.pmiTasks);
    f.MouseHookPress(WM_RBUTTONDOWN, &f.pmiTasks, &f.pmiTasks);
    EXPECT_EQ(runs, 0);
    ASSERT_TRUE(PumpUntil([&] { return runs > 0; }));
    Pump(100);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    frmOptions->pgcOptions.SetActivePageIndex(0);
    f.MouseHookPress(WM_LBUTTONDOWN, &f.pmiTasks, &f.pmiTasks);
    EXPECT_TRUE(PumpUntil([&] { return runs == 2; }));
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
}

namespace {

// The settings window made on a settings file with these mouse keys.
class MousePage : public testing::Test {
  protected:
    void SetUp() override {
        InitUnitGlobals();
        IniFileName = dir_.Path() / L"Horalto.ini";
        WorkLogFileName = dir_.Path() / L"WindowsWorkLog.txt";
        FileListsFileName = dir_.Path() / L"FileLists.txt";
        TasksListFileName = dir_.Path() / L"TasksList.tsk";
        base::IniFile ini(IniFileName);
        ini.WriteString(L"Mouse", L"ActionOnClick", L"24");
        ini.WriteString(L"Mouse", L"MakeActionOnClick", L"1");
        ini.WriteString(L"Mouse", L"ActionOnDblClick", L"278");  // no action number: the default 0
        ini.WriteString(L"Mouse", L"ShowConstOnDblClick", L"1");
        ini.UpdateFile();
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
        frmOptions->UnregisterHotKeys();
    }
    void TearDown() override {
        ui::Application().DestroyForms();
        frmHoralto = nullptr;
    }
    testing_support::ScratchDir dir_{L"actions-mouse"};
};

}  // namespace

TEST_F(MousePage, LoadsTheClickSettingsAndEnablesItsParts) {
    TfrmOptions& o = *frmOptions;
    EXPECT_EQ(o.tbsMouse.Caption(), L"Мышь");
    EXPECT_TRUE(o.chbActionsOnClick.Checked());
    EXPECT_EQ(o.cbeActionOnClick.ItemIndex(), 24);
    EXPECT_TRUE(o.cbeActionOnClick.Enabled());
    // A computer action shows the force box, and the combo ends before it.
    EXPECT_TRUE(o.chbForseActionOnClick.Visible());
    EXPECT_TRUE(o.chbForseActionOnClick.Enabled());
    EXPECT_EQ(o.cbeActionOnClick.Left() + o.cbeActionOnClick.Width(),
              o.pnlMouseClick.Width() - o.chbForseActionOnClick.Width() - 15);
    EXPECT_EQ(o.cbeActionOnDblClick.ItemIndex(), 0);
    EXPECT_FALSE(o.chbForseActionOnDblClick.Visible());
    EXPECT_EQ(o.cbeActionOnDblClick.Left() + o.cbeActionOnDblClick.Width(), o.pnlMouseDblClick.Width() - 10);
    EXPECT_EQ(o.speDelayOnClick.Value(), 2000);
    EXPECT_TRUE(o.speDelayOnClick.Enabled());
    // "Постоянно" on the double click: its delay is of no use.
    EXPECT_TRUE(o.chbShowConstOnDblClick.Checked());
    EXPECT_FALSE(o.speDelayOnDblClick.Enabled());
    EXPECT_FALSE(o.lblMs2.Enabled());
    // The format editors sit in their panels with the click's texts.
    EXPECT_EQ(o.freFormatTextOnClick.Parent(), &o.pnlMouseClick);
    EXPECT_EQ(o.freFormatSpeakOnDblClick.Parent(), &o.pnlMouseDblClick);
    EXPECT_EQ(o.freFormatTextOnClick.memFormatText.Text(), L"Работал W<%dtt>");
    EXPECT_TRUE(o.freFormatTextOnClick.chbShowFormatText.Checked());
    EXPECT_FALSE(o.freFormatSpeakOnDblClick.chbShowFormatText.Checked());
}

TEST_F(MousePage, ChangesReachTheClockAtOnce) {
    TfrmOptions& o = *frmOptions;
    auto& m = frmHoralto->Settings.Mouse;
    o.cbeActionOnClick.SetItemIndex(21);
    o.cbeActionOnClickChange(o.cbeActionOnClick);
    EXPECT_EQ(m.ActionOnClick, 21);
    EXPECT_FALSE(o.chbForseActionOnClick.Visible());
    EXPECT_EQ(o.cbeActionOnClick.Left() + o.cbeActionOnClick.Width(), o.pnlMouseClick.Width() - 10);
    o.chbForseActionOnDblClick.SetChecked(false);
    EXPECT_FALSE(m.ForseActionOnDblClick);
    o.speDelayOnClick.SetValue(3500);
    EXPECT_EQ(m.DelayOnClick, 3500);
    o.chbShowConstOnClick.SetChecked(true);
    EXPECT_TRUE(m.ShowConstOnClick);
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    o.chbMakeActionOnDblClick.SetChecked(false);
    EXPECT_FALSE(m.MakeActionOnDblClick);
    EXPECT_FALSE(o.cbeActionOnDblClick.Enabled());

    // The click text's show box: "Постоянно" and the delay follow it, and a
    // text on show ends when it is switched off.
    o.chbShowConstOnClick.SetChecked(false);
    frmHoralto->tmrDelay.SetTag(1);
    o.freFormatTextOnClick.chbShowFormatText.SetChecked(false);
    EXPECT_FALSE(m.TextOnClick);
    EXPECT_EQ(frmHoralto->tmrDelay.Tag(), 0);
    EXPECT_FALSE(o.chbShowConstOnClick.Enabled());
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    o.freFormatTextOnClick.chbShowFormatText.SetChecked(true);
    EXPECT_TRUE(m.TextOnClick);
    EXPECT_TRUE(o.chbShowConstOnClick.Enabled());
    EXPECT_TRUE(o.speDelayOnClick.Enabled());

    // Switching the single click off ends a click text on show.
    frmHoralto->tmrDelay.SetTag(1);
    o.chbActionsOnClick.SetChecked(false);
    EXPECT_FALSE(m.ActionsOnClick);
    EXPECT_EQ(frmHoralto->tmrDelay.Tag(), 0);
    EXPECT_FALSE(o.chbShowConstOnClick.Enabled());
    EXPECT_FALSE(o.chbMakeActionOnClick.Enabled());
    EXPECT_FALSE(o.cbeActionOnClick.Enabled());
    EXPECT_FALSE(o.speDelayOnClick.Enabled());
    EXPECT_FALSE(o.freFormatTextOnClick.chbShowFormatText.Enabled());
    EXPECT_FALSE(o.freFormatSpeakOnClick.memFormatText.Enabled());
    EXPECT_TRUE(o.freFormatTextOnDblClick.chbShowFormatText.Enabled());

    // While the window loads its values, the handlers only enable and disable.
    o.SetTag(1);
    o.chbActionsOnClick.SetChecked(true);
    o.speDelayOnClick.SetValue(100);
    EXPECT_FALSE(m.ActionsOnClick);
    EXPECT_EQ(m.DelayOnClick, 3500);
    EXPECT_TRUE(o.chbShowConstOnClick.Enabled());
    o.SetTag(0);
}
