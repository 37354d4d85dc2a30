#include "ui/form.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/menus.h"
#include "ui/program_icon.h"
#include "ui/tab_order.h"

namespace ui {

Form::Form(std::wstring className, std::wstring name)
    : Container(nullptr, name.empty() && className.size() > 1 ? className.substr(1) : name),
      className_(std::move(className)) {
    visible_ = false;
    parentColor_ = false;
    color_ = clBtnFace;
    left_ = 100, top_ = 100, width_ = 320, height_ = 240;
    RegisterOwnClass(className_.c_str(), CS_DBLCLKS, nullptr, ProgramIcon(false));
    CreateHandle();
    // The title bar's and the task switcher's pictures.
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(true)));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(false)));
}

Form::~Form() {
    DestroyHandle();
    for (Component* c : components_)
        if (c) c->owner_ = nullptr;
    components_.clear();
}

void Form::AfterConstruction() {
    if (created_) return;
    created_ = true;
    CreateChildHandles();
    if (OnCreate) OnCreate(*this);
}

void Form::BeforeDestruction() {
    if (destroying_) return;
    destroying_ = true;
    struct DestroyWindows {
        Form& f;
        // The windows go while every control object still exists, so no
        // message of their destruction reaches a half-destroyed form.
        ~DestroyWindows() { f.DestroyHandle(); }
    } destroyWindows{*this};
    if (OnDestroy) OnDestroy(*this);
}

void FormDeleter::operator()(Form* form) const {
    if (!form) return;
    try {
        form->BeforeDestruction();
    } catch (...) {
        Application().HandleException();
    }
    delete form;
}

void Form::RegisterComponent(Component* c) {
    c->ownerSlot_ = components_.size();
    components_.push_back(c);
}

void Form::UnregisterComponent(Component* c) {
    if (c->ownerSlot_ >= components_.size() || components_[c->ownerSlot_] != c) return;
    components_[c->ownerSlot_] = nullptr;
    ++leftSlots_;
    // Closed up once half the slots are left: each leave costs a constant time on average.
    if (leftSlots_ > 32 && leftSlots_ * 2 > components_.size()) Components();
}

const std::vector<Component*>& Form::Components() const {
    if (leftSlots_ == 0) return components_;
    std::size_t kept = 0;
    for (Component* c : components_) {
        if (!c) continue;
        c->ownerSlot_ = kept;
        components_[kept++] = c;
    }
    components_.resize(kept);
    leftSlots_ = 0;
    return components_;
}

Component* Form::FindComponent(const std::wstring& name) const {
    for (Component* c : components_)
        if (c && c->Name() == name) return c;
    return nullptr;
}

HWND Form::ParentHandle() const {
    return Application().Handle();
}

DWORD Form::StyleBits() const {
    DWORD s = WS_CLIPCHILDREN;
    bool sys = borderIcons_ & biSystemMenu;
    switch (borderStyle_) {
        case bsNone:
            s |= WS_POPUP;
            break;
        case bsSingle:
        case bsToolWindow:
            s |= WS_CAPTION;
            break;
        case bsSizeable:
        case bsSizeToolWin:
            s |= WS_CAPTION | WS_THICKFRAME;
            break;
        case bsDialog:
            s |= WS_CAPTION | DS_MODALFRAME;
            break;
    }
    if (borderStyle_ != bsNone && sys) s |= WS_SYSMENU;
    if (sys && (borderStyle_ == bsSingle || borderStyle_ == bsSizeable)) {
        if (borderIcons_ & biMinimize) s |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize) s |= WS_MAXIMIZEBOX;
    }
    // A borderless window still gets a system menu, so the taskbar can minimise it.
    if (borderStyle_ == bsNone && (borderIcons_ & biMinimize)) s |= WS_MINIMIZEBOX | WS_SYSMENU;
    return s;
}

DWORD Form::ExStyleBits() const {
    DWORD e = 0;
    if (borderStyle_ == bsDialog) e |= WS_EX_DLGMODALFRAME;
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) e |= WS_EX_TOOLWINDOW;
    if (formStyle_ == fsStayOnTop) e |= WS_EX_TOPMOST;
    if (alphaBlend_) e |= WS_EX_LAYERED;
    e |= WS_EX_CONTROLPARENT;
    return e;
}

Control::CreateParams Form::GetCreateParams() {
    CreateParams p;
    p.className = className_;
    p.style = StyleBits();
    p.exStyle = ExStyleBits();
    p.ownClass = true;
    p.topLevel = true;
    return p;
}

void Form::ApplyStyles() {
    if (!hwnd_) return;
    LONG_PTR keep =
        GetWindowLongPtrW(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(StyleBits()) | keep);
    LONG_PTR oldEx = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    // Others (the alpha effects) may have made the window layered: keep that.
    LONG_PTR ex = static_cast<LONG_PTR>(ExStyleBits()) | (oldEx & WS_EX_LAYERED);
    if (!alphaBlend_ && !(oldEx & WS_EX_LAYERED)) ex &= ~WS_EX_LAYERED;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBorderStyle(ui::BorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyStyles();
}

void Form::SetBorderIcons(unsigned icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    ApplyStyles();
}

void Form::SetFormStyle(ui::FormStyle style) {
    formStyle_ = style;
    if (!hwnd_) return;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    if (style == fsNormal && (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        // Wine keeps an owned window topmost; without its owner for a moment it lets go.
        HWND owner = GetWindow(hwnd_, GW_OWNER);
        SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, 0);
        SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
        SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
}

ui::WindowState Form::GetWindowState() const {
    if (!hwnd_ || !visible_) return wantState_;
    if (IsIconic(hwnd_)) return wsMinimized;
    if (IsZoomed(hwnd_)) return wsMaximized;
    return wsNormal;
}

void Form::SetWindowState(ui::WindowState state) {
    wantState_ = state;
    if (!hwnd_ || !visible_) return;  // applied when the form is shown
    ShowWindow(hwnd_, state == wsMinimized ? SW_MINIMIZE : state == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void Form::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    ApplyAlpha();
}

void Form::SetAlphaBlendValue(BYTE value) {
    alphaBlendValue_ = value;
    ApplyAlpha();
}

void Form::ApplyAlpha() {
    if (!hwnd_) return;
    LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    if (alphaBlend_) {
        if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredWindowAttributes(hwnd_, 0, alphaBlendValue_, LWA_ALPHA);
    } else if (ex & WS_EX_LAYERED) {
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void Form::SetMenu(MainMenu* menu) {
    menu_ = menu;
    if (menu_) menu_->SetForm(this);
    MenuChanged();
}

void Form::MenuChanged() {
    if (!hwnd_) return;
    HMENU old = ::GetMenu(hwnd_);
    ::SetMenu(hwnd_, menu_ ? menu_->BuildMenuBar() : nullptr);
    if (old) DestroyMenu(old);
}

// --- showing and closing ------------------------------------------------------

void Form::DoShowingChanged(bool show) {
    if (show) {
        HandleNeeded();
        CreateChildHandles();
        if (OnShow) OnShow(*this);
        if (visible_ && hwnd_)
            ShowWindow(hwnd_, wantState_ == wsMinimized   ? SW_SHOWMINNOACTIVE
                              : wantState_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                          : SW_SHOW);
    } else {
        if (OnHide) OnHide(*this);
        if (!visible_ && hwnd_) ShowWindow(hwnd_, SW_HIDE);
    }
    UpdateShowing();
}

void Form::SetVisible(bool value) {
    if (value == visible_) {
        if (hwnd_ && value != static_cast<bool>(IsWindowVisible(hwnd_)))
            ShowWindow(hwnd_, value ? SW_SHOW : SW_HIDE);
        return;
    }
    visible_ = value;
    DoShowingChanged(value);
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(*this, canClose);
    return canClose;
}

void Form::CenterOnScreen() {
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
              Width(), Height());
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (closing_) return;
    closing_ = true;
    struct Reset {
        bool& f;
        ~Reset() { f = false; }
    } reset{closing_};
    if (!CloseQuery()) return;
    CloseAction action = caHide;
    if (OnClose) OnClose(*this, action);
    if (action == caNone) return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
        case caHide:
            Hide();
            break;
        case caMinimize:
            SetWindowState(wsMinimized);
            break;
        case caFree:
            Release();
            break;
        default:
            break;
    }
}

void Form::Release() {
    Hide();
    Application().ReleaseForm(this);
}

int Form::ShowModal() {
    if (visible_) throw Exception(L"Cannot make a visible window modal");
    // The window the user worked in is active again when the form closes.
    const HWND active = GetActiveWindow();
    std::vector<HWND> disabled;
    std::pair<HWND, std::vector<HWND>*> ctx{hwnd_, &disabled};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* self = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(lp);
            if (h != self->first && IsWindowVisible(h) && IsWindowEnabled(h)) self->second->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    for (HWND h : disabled) EnableWindow(h, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    struct Restore {
        Form& f;
        std::vector<HWND>& d;
        void EnableAgain() {
            for (HWND h : d)
                if (IsWindow(h)) EnableWindow(h, TRUE);
            d.clear();
        }
        ~Restore() {
            EnableAgain();
            f.modal_ = false;
        }
    } restore{*this, disabled};
    Show();
    if (hwnd_) SetForegroundWindow(hwnd_);
    while (!Application().Terminated()) {
        Application().HandleMessage();
        if (modalResult_ == mrNone) continue;
        bool canClose = CloseQuery();
        CloseAction action = caHide;
        if (canClose && OnClose) OnClose(*this, action);
        if (!canClose || action == caNone) {
            modalResult_ = mrNone;
            continue;
        }
        break;
    }
    int result = modalResult_;
    // A disabled window cannot be activated: the windows are enabled before
    // the form hides, or Windows finds none of the program's to activate.
    restore.EnableAgain();
    const bool wasActive = hwnd_ && GetActiveWindow() == hwnd_;
    Hide();
    if (wasActive) GiveBackActivation(active);
    return result;
}

void Form::GiveBackActivation(HWND active) {
    if (!active || active == hwnd_ || !IsWindow(active) || !IsWindowVisible(active) ||
        !IsWindowEnabled(active))
        return;
    // A form gives the focus back to its control itself (RestoreFocus).
    SetForegroundWindow(active);
}

bool Form::RestoreFocus() {
    if (!hwnd_) return false;
    HWND focus = lastFocus_;
    // None yet, or one hidden or disabled since (on a page not shown).
    if (!CanTakeFocus(hwnd_, focus)) focus = FirstControlIn(hwnd_);
    if (!focus) return false;
    ::SetFocus(focus);
    return true;
}

void Form::SetFocus() {
    if (!hwnd_) return;
    const HWND focus = GetFocus();
    if (GetActiveWindow() == hwnd_ && CanTakeFocus(hwnd_, focus)) return;
    // Activated, the form passes the focus on (WM_ACTIVATE, WM_SETFOCUS).
    ::SetFocus(hwnd_);
}

// --- hints ---------------------------------------------------------------------

void Form::HintChanged(Control& control) {
    if (!hwnd_ || !control.Handle() || &control == this) return;
    if (!tooltip_) {
        if (control.Hint().empty()) return;
        tooltip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
    }
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    std::wstring text = control.Hint();
    // No text buffer for the look-up: the tooltip would copy the tool's old
    // text into it, however long (Wine copies it whole).
    ti.lpszText = nullptr;
    bool exists = SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
    ti.lpszText = text.data();
    if (text.empty() || !showHint_) {
        if (exists) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    } else if (exists) {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
    } else {
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

// --- messages ------------------------------------------------------------------

bool Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return true;
        case WM_QUERYENDSESSION:
            // Log-off or shut-down: the close query runs (and saves) as for a close.
            result = CloseQuery() ? TRUE : FALSE;
            return true;
        case WM_ENDSESSION:
            if (Application().MainForm() != this) return true;
            if (wp)
                Application().EndSession();
            else
                Application().EndSessionCalledOff();
            return true;
        case WM_SYSCOMMAND:
            switch (wp & 0xFFF0) {
                case SC_MOVE:
                case SC_SIZE:
                case SC_KEYMENU:
                case SC_MOUSEMENU:
                    // The window's move or size loop, or its system menu's.
                    Application().RunSystemLoop([&] { result = DefaultProc(msg, wp, lp); });
                    return true;
                default:
                    return false;
            }
        case WM_SHOWWINDOW:
            // Shown or hidden by someone else's ShowWindow: follow it.
            if (lp == 0 && static_cast<bool>(wp) != visible_) {
                visible_ = static_cast<bool>(wp);
                DoShowingChanged(visible_);
            }
            return false;
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                if (OnDeactivate) OnDeactivate(*this);
                return false;
            }
            if (OnActivate) OnActivate(*this);
            // Back from a dialog, a message box or another program: the keys go
            // where they went before (the window itself would take them).
            if (HIWORD(wp) == 0 && RestoreFocus()) {
                result = 0;
                return true;
            }
            return false;
        case WM_NEXTDLGCTL:
            if (LOWORD(lp))
                ::SetFocus(reinterpret_cast<HWND>(wp));
            else
                FocusNextTabStop(hwnd_, GetFocus(), wp != 0);
            return true;
        case WM_SETFOCUS:
            // The form itself takes no keys while a control of it can.
            RestoreFocus();
            break;
        case WM_ENABLE: {
            // Enabled again while active (after a show effect): a control takes the
            // focus that the disabled form could not give it.
            const HWND focus = GetFocus();
            if (wp && GetActiveWindow() == hwnd_ && (!focus || focus == hwnd_)) RestoreFocus();
            return false;
        }
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED)
                wantState_ = wsMinimized;
            else if (wp == SIZE_MAXIMIZED)
                wantState_ = wsMaximized;
            else if (wp == SIZE_RESTORED)
                wantState_ = wsNormal;
            if (OnResize) OnResize(*this);
            return false;
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(hwnd_, &rc);
            FillRect(reinterpret_cast<HDC>(wp), &rc, CachedBrush(EffectiveColor()));
            result = 1;
            return true;
        }
        case WM_PAINT:
            if (!OnPaint) return false;
            {
                PAINTSTRUCT ps;
                paintDc_ = BeginPaint(hwnd_, &ps);
                struct End {
                    Form& f;
                    PAINTSTRUCT& ps;
                    ~End() {
                        EndPaint(f.hwnd_, &ps);
                        f.paintDc_ = nullptr;
                    }
                } end{*this, ps};
                OnPaint(*this);
            }
            return true;
        case WM_COMMAND:
            if (lp == 0 && HIWORD(wp) == 0) {
                if (MenuItem* item = MenuItem::FromCommand(LOWORD(wp))) {
                    item->Click();
                    return true;
                }
            }
            break;
    }
    return Container::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
