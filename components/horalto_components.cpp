// The main window's window components: the menu painter of its popup menu,
// the tray icon (the worker's hint, the planner's balloons, restore and menu),
// and the balloon tooltips of the clock.
#include <memory>
#include <vector>

#include "components/balloon_hint.h"
#include "components/gtray_icon.h"
#include "components/xp_menu.h"
#include "core/frm_horalto.h"
#include "planner/task_hooks.h"
#include "ui/exception.h"

void TfrmHoralto::CreateMenuPainter() {
    XPMenu = std::make_shared<TXPMenu>(this);
    XPMenu->SetImages(imlMain.Handle());
    XPMenu->SetActive(true);
    XPMenu->SetGradient(true);
}

ui::MenuItem* TfrmHoralto::MenuPainterSelectedItem() {
    return XPMenu ? XPMenu->SelectedItem() : nullptr;
}

void TfrmHoralto::CreateTrayIcon() {
    GTrayIcon1 = std::make_shared<TGTrayIcon>(this);
    GTrayIcon1->SetPopupMenu(&pmnMenu);
    GTrayIcon1->SetRestoreOn(trayicon::imDoubleClick);
    GTrayIcon1->SetPopupMenuOn(trayicon::imNone);
    GTrayIcon1->OnRestore = [this](ui::Component& s) { GTrayIconRestore(s); };
    GTrayIcon1->OnClick = [this](ui::Component& s) { GTrayIconClick(s); };
    GTrayIcon1->OnMouseUp = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        GTrayIconMouseUp(s, b, sh, x, y);
    };
    // The planner's balloons; the icon may go before the planner asks.
    planner::ShowTrayBalloon = [icon = std::weak_ptr<TGTrayIcon>(GTrayIcon1)](const std::wstring& title,
                                                                              const std::wstring& text,
                                                                              int flags, int timeout) {
        if (auto i = icon.lock()) i->ShowBalloonHint(title, text, flags, timeout);
    };
}

void TfrmHoralto::SetTrayIconVisible(bool visible) {
    if (GTrayIcon1) GTrayIcon1->SetVisible(visible);
}

bool TfrmHoralto::AddTrayIcon() {
    try {
        SetTrayIconVisible(true);
    } catch (const ui::Exception&) {
        return false;
    }
    return TrayIconVisible();
}

bool TfrmHoralto::TrayIconVisible() {
    return GTrayIcon1 && GTrayIcon1->Visible();
}

void TfrmHoralto::SetTrayIconHint(const std::wstring& hint) {
    if (GTrayIcon1) GTrayIcon1->SetHint(hint);
}

void TfrmHoralto::TrayIconShowBalloonHint(const std::wstring& title, const std::wstring& text, int flags,
                                          int timeout) {
    if (GTrayIcon1) GTrayIcon1->ShowBalloonHint(title, text, flags, timeout);
}

void TfrmHoralto::TrayIconShowMenu() {
    if (GTrayIcon1) GTrayIcon1->ShowMenu();
}

void TfrmHoralto::DestroyBaloonToolTips() {
    ::DestroyBaloonToolTips();
}

namespace {

// A control and the windows right inside it, which take its mouse (the
// clock's text label, the taskbar clock's picture): each carries the tip.
std::vector<HWND> ToolWindows(HWND control) {
    std::vector<HWND> windows;
    if (!control) return windows;
    windows.push_back(control);
    for (HWND c = GetWindow(control, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) windows.push_back(c);
    return windows;
}

void SetUpToolTip(HWND owner, HWND control, int icon, const std::wstring& text, const std::wstring& title) {
    if (!BaloonToolTipWindow()) CreateBaloonToolTips(owner);
    for (HWND tool : ToolWindows(control)) {
        DelBaloonToolTip(tool);
        AddBaloonToolTip(tool, icon, text, title);
    }
    SetMaxWidthToolTip(400);
    SetActivateToolTip(true);
}

}  // namespace

void TfrmHoralto::UpdateBaloonToolTip(HWND window, int icon, const std::wstring& text,
                                      const std::wstring& title) {
    for (HWND tool : ToolWindows(window)) ::UpdateBaloonToolTip(tool, icon, text, title);
}

void TfrmHoralto::SetUpWindowToolTip() {
    SetUpToolTip(Handle(), Handle(), 0, Hint(), L"");
    SetDelayTime(TTDT_INITIAL, 1000);
    SetDelayTime(TTDT_RESHOW, 0);
    SetDelayTime(TTDT_AUTOPOP, 3000);
}

void TfrmHoralto::SetUpTaskbarClockToolTip() {
    SetUpToolTip(Handle(), pnlTrayTime.Handle(), 1, Hint(), L"Horalto");
}

void TfrmHoralto::RemoveTaskbarClockToolTip() {
    for (HWND tool : ToolWindows(pnlTrayTime.Handle())) DelBaloonToolTip(tool);
}
