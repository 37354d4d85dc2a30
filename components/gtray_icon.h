// The notification-area icon: one icon with its hint, balloon messages, an
// optional animation from an image list, its mouse messages turned into
// events, and the restore or minimise of the application. The icon is shown
// while Visible is on, or for a balloon's time while it is off.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "components/tray_icon_rules.h"
#include "ui/component.h"
#include "ui/events.h"
#include "ui/handles.h"
#include "ui/menus.h"
#include "ui/timer.h"

using trayicon::TGTrayIconMessage;

namespace trayicon {
// The shell call every icon goes through (Shell_NotifyIconW); tests put one
// in its place that refuses. Returns the previous one; an empty one brings
// the shell's back.
using ShellNotifyIconCall = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;
ShellNotifyIconCall ReplaceShellNotifyIcon(ShellNotifyIconCall call);
}  // namespace trayicon

class TGTrayIcon : public ui::Component {
  public:
    // The shell's callback message of the icon.
    static constexpr UINT kCallbackMessage = WM_USER + 1;

    explicit TGTrayIcon(ui::Form* owner, std::wstring name = L"GTrayIcon1");
    ~TGTrayIcon() override;

    bool Visible() const { return visible_; }
    // Adds or deletes the icon; a failing add raises ui::Exception.
    virtual void SetVisible(bool value);
    const std::wstring& Hint() const { return hint_; }
    // Hints of 64 characters or more are dropped (the hint stays as it was).
    void SetHint(const std::wstring& hint);
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }
    // True while the icon is in the notification area.
    bool Hide() const { return added_; }
    TGTrayIconMessage RestoreOn() const { return restoreOn_; }
    void SetRestoreOn(TGTrayIconMessage m) { restoreOn_ = m; }
    TGTrayIconMessage PopupMenuOn() const { return popupMenuOn_; }
    void SetPopupMenuOn(TGTrayIconMessage m) { popupMenuOn_ = m; }
    // Icons for IconIndex and the animation (not owned).
    HIMAGELIST Icons() const { return icons_; }
    void SetIcons(HIMAGELIST icons) { icons_ = icons; }
    int IconIndex() const { return iconIndex_; }
    // The icon shown now (owned by the component).
    HICON Icon() const { return icon_.Get(); }
    virtual void SetIconIndex(int index);
    int AnimateInterval() const { return static_cast<int>(animateTimer_.Interval()); }
    void SetAnimateInterval(int ms) { animateTimer_.SetInterval(static_cast<UINT>(ms)); }
    bool Animate() const { return animate_; }
    void SetAnimate(bool value);
    // The hidden window that gets the icon's messages.
    HWND Handle() const { return window_.Get(); }
    // The id of the icon (unique to the instance).
    UINT Id() const { return data_.uID; }
    // Whether the balloon's time of an icon shown only for it is running.
    bool BalloonTimerRunning() const { return balloonTimer_.Enabled(); }

    ui::NotifyEvent OnMinimize, OnRestore, OnClick, OnDblClick;
    ui::MouseMoveEvent OnMouseMove;
    ui::MouseEvent OnMouseDown, OnMouseUp;

    // Takes the icons' state after the properties were set: the animation
    // runs only with icons, the icon is the chosen one or the program's.
    void Loaded();
    // A balloon: flags 0 none, 1 information, 2 warning, 3 error; timeout in ms.
    // While the icon is hidden it is shown for the timeout (a failing add raises).
    virtual void ShowBalloonHint(const std::wstring& title, const std::wstring& text, int flags, int timeout);
    virtual void HideBalloonHint();
    virtual void Minimize();
    virtual void Restore();
    virtual void Update();
    virtual void ShowMenu();
    virtual void SetDefaultIcon();
    void EndSession();

  protected:
    virtual LRESULT DoMessage(UINT msg, WPARAM wp, LPARAM lp);
    virtual void DoOnAnimate();
    virtual void FBalloonTimerTimer();

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK MainWindowHook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                           DWORD_PTR data);
    void MouseMessage(UINT mouseMessage);
    bool Notify(DWORD message);
    void HookMainWindow(bool on);
    void SetIcon(HICON icon);

    NOTIFYICONDATAW data_{};
    ui::IconHandle icon_;
    ui::WindowHandle window_;
    ui::Timer animateTimer_, balloonTimer_;
    ui::PopupMenu* popupMenu_ = nullptr;
    HIMAGELIST icons_ = nullptr;
    std::wstring hint_;
    TGTrayIconMessage restoreOn_ = trayicon::imDoubleClick, popupMenuOn_ = trayicon::imNone;
    int iconIndex_ = 0;
    bool visible_ = false, added_ = false, animate_ = false, hooked_ = false;
};
