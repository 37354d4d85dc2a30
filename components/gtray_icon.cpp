#include "components/gtray_icon.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/program_icon.h"

namespace {

trayicon::ShellNotifyIconCall& ShellNotifyIcon() {
    static trayicon::ShellNotifyIconCall call;
    return call;
}

}  // namespace

trayicon::ShellNotifyIconCall trayicon::ReplaceShellNotifyIcon(ShellNotifyIconCall call) {
    return std::exchange(ShellNotifyIcon(), std::move(call));
}

namespace {

const wchar_t kWindowClass[] = L"TGTrayIconWindow";

// The notification area did not take the icon: reported as the system being
// out of resources.
[[noreturn]] void OutOfResources() {
    throw ui::Exception(L"Out of system resources");
}

// The program's icon at the notification area's size (a copy, owned by the caller).
HICON ApplicationIcon() {
    HICON icon = ui::ProgramIcon(true);
    return icon ? CopyIcon(icon) : nullptr;
}

template <size_t N>
void CopyText(wchar_t (&field)[N], const std::wstring& text) {
    const std::wstring cut = trayicon::CutText(text, N - 1);
    std::wmemcpy(field, cut.c_str(), cut.size());
    field[cut.size()] = L'\0';
}

ui::ShiftState KeyShift() {
    ui::ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ui::ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ui::ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ui::ssAlt;
    return s;
}

ui::ShiftState ButtonShift(int button) {
    return button == trayicon::kLeft ? ui::ssLeft : button == trayicon::kRight ? ui::ssRight : ui::ssMiddle;
}

}  // namespace

TGTrayIcon::TGTrayIcon(ui::Form* owner, std::wstring name)
    : ui::Component(std::move(name)),
      animateTimer_(nullptr, L"AnimateTimer"),
      balloonTimer_(nullptr, L"BalloonTimer") {
    static UINT nextId = 1;
    SetOwner(owner);
    animateTimer_.SetEnabled(false);
    animateTimer_.SetInterval(1000);
    animateTimer_.OnTimer = [this](ui::Component&) { DoOnAnimate(); };
    balloonTimer_.SetEnabled(false);
    balloonTimer_.OnTimer = [this](ui::Component&) { FBalloonTimerTimer(); };

    HINSTANCE inst = GetModuleHandleW(nullptr);
    ui::RegisterWindowClass(kWindowClass, &TGTrayIcon::WindowProc);
    // A hidden top-level window: it also hears the end of the session.
    window_.Reset(
        CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, nullptr));
    if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    icon_.Reset(ApplicationIcon());
    data_.cbSize = sizeof(NOTIFYICONDATAW);
    data_.hWnd = window_.Get();
    data_.uID = nextId++;
    data_.uFlags = NIF_MESSAGE | NIF_ICON;
    data_.uCallbackMessage = kCallbackMessage;
    Update();
}

TGTrayIcon::~TGTrayIcon() {
    animateTimer_.SetEnabled(false);
    balloonTimer_.SetEnabled(false);
    if (added_) Notify(NIM_DELETE);
    HookMainWindow(false);
    if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

bool TGTrayIcon::Notify(DWORD message) {
    if (const auto& call = ShellNotifyIcon()) return call(message, &data_) != FALSE;
    return Shell_NotifyIconW(message, &data_) != FALSE;
}

void TGTrayIcon::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    if (balloonTimer_.Enabled()) {
        balloonTimer_.SetEnabled(false);
        if (added_) return;  // the balloon's icon stays for good
    }
    if (value) {
        if (!Notify(NIM_ADD)) {
            visible_ = false;
            OutOfResources();
        }
        added_ = true;
        HookMainWindow(true);
    } else {
        added_ = false;
        // An icon already gone (the session's end, a new taskbar) is no error.
        Notify(NIM_DELETE);
        HookMainWindow(false);
    }
}

void TGTrayIcon::SetHint(const std::wstring& hint) {
    if (hint == hint_ || !trayicon::HintAccepted(hint)) return;
    hint_ = hint;
    CopyText(data_.szTip, hint_);
    if (hint_.empty())
        data_.uFlags &= ~NIF_TIP;
    else
        data_.uFlags |= NIF_TIP;
    Update();
}

void TGTrayIcon::SetIcon(HICON icon) {
    if (icon) icon_.Reset(icon);
}

void TGTrayIcon::Update() {
    data_.hIcon = icon_.Get();
    if (visible_) Notify(NIM_MODIFY);
}

void TGTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    if (icons_) SetIcon(ImageList_GetIcon(icons_, index, ILD_NORMAL));
    Update();
}

void TGTrayIcon::SetDefaultIcon() {
    SetIcon(ApplicationIcon());
    Update();
}

void TGTrayIcon::SetAnimate(bool value) {
    if (!icons_) return;
    animate_ = value;
    animateTimer_.SetEnabled(value);
}

void TGTrayIcon::Loaded() {
    if (!icons_) {
        animate_ = false;
        animateTimer_.SetEnabled(false);
        SetIcon(ApplicationIcon());
    } else {
        animateTimer_.SetEnabled(animate_);
        SetIcon(ImageList_GetIcon(icons_, iconIndex_, ILD_NORMAL));
    }
    Update();
}

void TGTrayIcon::DoOnAnimate() {
    const int count = icons_ ? ImageList_GetImageCount(icons_) : 0;
    SetIconIndex(trayicon::NextIconIndex(iconIndex_, count));
}

void TGTrayIcon::ShowBalloonHint(const std::wstring& title, const std::wstring& text, int flags,
                                 int timeout) {
    data_.uFlags |= NIF_INFO;
    CopyText(data_.szInfoTitle, title);
    CopyText(data_.szInfo, text);
    data_.uTimeout = static_cast<UINT>(timeout);
    data_.dwInfoFlags = static_cast<DWORD>(flags);
    if (!added_) {
        // A hidden icon is shown for the balloon's time only.
        balloonTimer_.SetInterval(static_cast<UINT>(std::max(timeout, 1)));
        balloonTimer_.SetEnabled(true);
        if (!Notify(NIM_ADD)) {
            balloonTimer_.SetEnabled(false);
            data_.uFlags &= ~NIF_INFO;
            OutOfResources();
        }
        added_ = true;
        HookMainWindow(true);
    }
    Notify(NIM_MODIFY);
    data_.uFlags &= ~NIF_INFO;
}

void TGTrayIcon::FBalloonTimerTimer() {
    balloonTimer_.SetEnabled(false);
    added_ = false;
    data_.uFlags &= ~NIF_INFO;
    Notify(NIM_DELETE);
    HookMainWindow(false);
}

void TGTrayIcon::HideBalloonHint() {
    if (balloonTimer_.Enabled()) {
        FBalloonTimerTimer();
        return;
    }
    // A balloon goes when the shell gets an empty one.
    data_.uFlags |= NIF_INFO;
    data_.szInfo[0] = L'\0';
    data_.szInfoTitle[0] = L'\0';
    Notify(NIM_MODIFY);
    data_.uFlags &= ~NIF_INFO;
}

void TGTrayIcon::EndSession() {
    Notify(NIM_DELETE);
}

void TGTrayIcon::Minimize() {
    HWND app = ui::Application().Handle();
    ShowWindow(app, SW_MINIMIZE);
    ShowWindow(app, SW_HIDE);
    if (OnMinimize) OnMinimize(*this);
}

void TGTrayIcon::Restore() {
    HWND app = ui::Application().Handle();
    if (IsIconic(app)) ShowWindow(app, SW_RESTORE);
    if (ui::Form* main = ui::Application().MainForm(); main && main->Handle())
        SetForegroundWindow(main->Handle());
    if (OnRestore) OnRestore(*this);
}

void TGTrayIcon::ShowMenu() {
    POINT p{};
    GetCursorPos(&p);
    if (HWND active = GetActiveWindow()) SetForegroundWindow(active);
    if (popupMenu_) popupMenu_->Popup(p.x, p.y);
}

void TGTrayIcon::HookMainWindow(bool on) {
    HWND app = ui::Application().Handle();
    if (on == hooked_ || !app) return;
    if (on)
        hooked_ = SetWindowSubclass(app, &TGTrayIcon::MainWindowHook, reinterpret_cast<UINT_PTR>(this),
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    else {
        RemoveWindowSubclass(app, &TGTrayIcon::MainWindowHook, reinterpret_cast<UINT_PTR>(this));
        hooked_ = false;
    }
}

LRESULT CALLBACK TGTrayIcon::MainWindowHook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR data) {
    if (msg == WM_SYSCOMMAND) {
        auto* self = reinterpret_cast<TGTrayIcon*>(data);
        try {
            if ((wp & 0xFFF0) == SC_MINIMIZE) self->Minimize();
            if ((wp & 0xFFF0) == SC_RESTORE) self->Restore();
        } catch (...) {
            ui::Application().HandleException();
        }
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void TGTrayIcon::MouseMessage(UINT mouseMessage) {
    POINT p{};
    GetCursorPos(&p);
    const ui::ShiftState keys = KeyShift();
    using trayicon::Step;
    for (const Step& step :
         trayicon::StepsForMouseMessage(mouseMessage, restoreOn_, popupMenuOn_, bool(OnClick))) {
        switch (step.kind) {
            case Step::Restore:
                Restore();
                break;
            case Step::ShowMenu:
                ShowMenu();
                break;
            case Step::Click:
                if (OnClick) OnClick(*this);
                break;
            case Step::DblClick:
                if (OnDblClick) OnDblClick(*this);
                break;
            case Step::MouseMove:
                if (OnMouseMove) OnMouseMove(*this, keys, p.x, p.y);
                break;
            case Step::MouseDown:
                if (OnMouseDown)
                    OnMouseDown(*this, static_cast<ui::MouseButton>(step.button),
                                keys | ButtonShift(step.button), p.x, p.y);
                break;
            case Step::MouseUp:
                if (OnMouseUp)
                    OnMouseUp(*this, static_cast<ui::MouseButton>(step.button),
                              keys | ButtonShift(step.button), p.x, p.y);
                break;
        }
    }
}

LRESULT TGTrayIcon::DoMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_QUERYENDSESSION:
            return 1;
        case WM_ENDSESSION:
            EndSession();
            break;
        case kCallbackMessage:
            MouseMessage(static_cast<UINT>(LOWORD(lp)));
            break;
    }
    return DefWindowProcW(window_.Get(), msg, wp, lp);
}

LRESULT CALLBACK TGTrayIcon::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TGTrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
        return self->DoMessage(msg, wp, lp);
    } catch (...) {
        ui::Application().HandleException();
        return 0;
    }
}
