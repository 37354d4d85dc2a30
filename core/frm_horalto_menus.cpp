// The popup menu's skin submenu and the mouse hook that lets a press on the
// menu's planner entry open the planner page.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "ui/application.h"

namespace {

// The index of the first skin item in pmiSkins (after "Настойка..." and the separator).
constexpr int kFirstSkinItem = 2;

}  // namespace

void TfrmHoralto::pmnMenuPopup(ui::Component&) {
    for (int i = kFirstSkinItem; i < pmiSkins.Count(); ++i) pmiSkins[i].SetDefault(false);
    const int chosen = MenuFromTrayClock ? Settings.SystemClock.TraySkinIndex : Settings.Window.MainSkinIndex;
    pmiSkins.SetCaption(MenuFromTrayClock ? L"Шкура окна в трее" : L"Шкура главного окна");
    pmiSkinOptions.SetImageIndex(MenuFromTrayClock ? 23 : 21);
    const int item = chosen + kFirstSkinItem;
    if (chosen >= 0 && item < pmiSkins.Count()) pmiSkins[item].SetDefault(true);
}

void TfrmHoralto::BuildSkinMenu() {
    for (int i = pmiSkins.Count() - 1; i >= kFirstSkinItem; --i) pmiSkins.Delete(i);
    for (int i = 0; i < SkinNames.Count(); ++i) {
        try {
            ui::MenuItem& item = pmiSkins.AddNew(SkinNames[i], L"pmiSkin" + std::to_wstring(i));
            item.SetTag(i);
            item.OnClick = [this](ui::Component& s) { SkinMenuItemClick(s); };
        } catch (...) {
            // An item that cannot be made is left out; the others still come.
            if (pmiSkins.Count() > kFirstSkinItem + i) pmiSkins.Delete(pmiSkins.Count() - 1);
        }
    }
}

void TfrmHoralto::SkinMenuItemClick(ui::Component& sender) {
    const int i = sender.Tag();
    // A stale item (the catalogue shrank since the menu was built) does nothing.
    if (i < 0 || i >= SkinNames.Count() || i >= SkinFiles.Count()) return;
    if (MenuFromTrayClock) {
        core::SystemClockSettings& tray = Settings.SystemClock;
        pnlTrayTime.SetTag(1);
        RemoveTaskbarClock();
        tray.TraySkinIndex = i;
        if (i >= 1) {
            tray.UseTraySkis = true;
            tray.NewTraySkin = i != Settings.Window.MainSkinIndex;
        } else {
            tray.UseTraySkis = false;
        }
        BuildTaskbarClock(true);
        pnlTrayTime.SetTag(0);
        if (frmOptions) frmOptions->tbsTraySkinShow(frmOptions->tbsTraySkin);
    } else {
        Settings.Window.MainSkinIndex = i;
        RefreshDisplay(BuildShownText(Settings.Main.FormatTextMain), true, true);
        if (frmOptions) frmOptions->tbsMainSkinShow(frmOptions->tbsMainSkin);
    }
}

void TfrmHoralto::pmiSkinOptionsClick(ui::Component&) {
    ShowOptionsExecute(MenuFromTrayClock ? aSystemClock : aShape);
}

namespace {

// The planner action of a press, run just after the hook returns.
UINT_PTR plannerTimer = 0;

void CALLBACK RunPlannerAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    plannerTimer = 0;
    // The press chose the entry: the menu goes, as after any other choice.
    EndMenu();
    if (!frmHoralto) return;
    try {
        frmHoralto->aPlanner.Execute();
    } catch (...) {
        ui::Application().HandleException();
    }
}

}  // namespace

// Only a press on the planner entry itself while the menu is open counts: a
// press that closes the menu elsewhere, or any press after it closed, is the
// user's own. The action is not run inside the hook: the settings window's
// show effect keeps the messages flowing for a second, and inside the hook
// that would meet the same press again and take the open menu's own messages.
// A press that the hook sees more than once (peeked, then taken) runs it once.
void TfrmHoralto::MouseHookPress(UINT message, const ui::MenuItem* selected, const ui::MenuItem* pressed) {
    if ((message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN) || selected != &pmiTasks ||
        pressed != &pmiTasks)
        return;
    if (!plannerTimer) plannerTimer = SetTimer(nullptr, 0, 0, &RunPlannerAction);
}

LRESULT CALLBACK TfrmHoralto::MouseHookProc(int code, WPARAM wp, LPARAM lp) {
    if (code >= 0 && (wp == WM_LBUTTONDOWN || wp == WM_RBUTTONDOWN) && frmHoralto) {
        try {
            const POINT at = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lp)->pt;
            frmHoralto->MouseHookPress(static_cast<UINT>(wp), frmHoralto->MenuPainterSelectedItem(),
                                       ui::MenuItem::AtScreenPoint(at));
        } catch (...) {
            ui::Application().HandleException();
        }
    }
    return CallNextHookEx(MouseHook, code, wp, lp);
}
