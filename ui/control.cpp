#include "ui/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/menus.h"
#include "ui/tab_order.h"

namespace ui {

namespace {

const wchar_t kControlProp[] = L"HoraltoControl";

std::unordered_map<UINT, Control*>& ControlIds() {
    static std::unordered_map<UINT, Control*> ids;
    return ids;
}

UINT NextControlId() {
    static UINT next = 1000;
    return next++;
}

}  // namespace

ShiftState KeyboardShiftState() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

ShiftState MouseShiftState(WPARAM keys) {
    ShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

Control::Control(Container* parent, std::wstring name) : Component(std::move(name)), parent_(parent) {
    id_ = NextControlId();
    ControlIds()[id_] = this;
    if (parent_) {
        parent_->children_.push_back(this);
        SetOwner(parent_->ParentForm());
    }
}

Control::~Control() {
    DestroyHandle();
    ControlIds().erase(id_);
    if (parent_) {
        auto& c = parent_->children_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
}

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

Control* Control::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

HWND Control::ParentHandle() const {
    if (parent_) return parent_->hwnd_;
    return parentWindow_;
}

void Control::HandleNeeded() {
    if (hwnd_) return;
    if (parent_) {
        parent_->HandleNeeded();
        if (!parent_->hwnd_) return;
    } else if (!parentWindow_ && !dynamic_cast<Form*>(this)) {
        return;
    }
    CreateHandle();
}

void Control::AssociateWindow(HWND hwnd) {
    if (hwnd) SetPropW(hwnd, kControlProp, this);
}

void Control::SetParentWindow(HWND parent) {
    parentWindow_ = parent;
    if (hwnd_) {
        ::SetParent(hwnd_, parent);
    } else if (parent) {
        HandleNeeded();
    }
}

ATOM RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(inst, name, &wc)) return 1;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = inst;
    wc.hCursor = cursor;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc);
}

ATOM Control::RegisterOwnClass(const wchar_t* name, UINT style, HCURSOR cursor, HICON icon) {
    return RegisterWindowClass(name, &Control::OwnClassProc, style,
                               cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW), icon);
}

int Control::ScrollTrackPos(HWND hwnd, int bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd, bar, &si);
    return si.nTrackPos;
}

void Control::CreateHandle() {
    if (hwnd_) return;
    CreateParams p = GetCreateParams();
    HWND parentHwnd = ParentHandle();
    DWORD style = p.style;
    if (parentHwnd && !p.topLevel) style |= WS_CHILD;
    if (style & WS_CHILD) {
        if (visible_)
            style |= WS_VISIBLE;
        else
            style &= ~WS_VISIBLE;
    }
    if (!WindowEnabled()) style |= WS_DISABLED;
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_)) : nullptr;
    HWND h = CreateWindowExW(p.exStyle, p.className.c_str(), ShownText().c_str(), style, left_, top_, width_,
                             height_, parentHwnd, menuOrId, GetModuleHandleW(nullptr),
                             p.ownClass ? this : nullptr);
    if (!h) throw Exception(L"Error creating window of class " + p.className);
    if (!p.ownClass) {
        hwnd_ = h;
        SetPropW(h, kControlProp, this);
        SetWindowSubclass(h, &Control::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
        subclassed_ = true;
    }
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(EffectiveFont())), FALSE);
    HandleCreated();
    if (!hint_.empty())
        if (Form* f = ParentForm()) f->HintChanged(*this);
    if (auto* c = dynamic_cast<Container*>(this)) c->CreateChildHandles();
}

void Control::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY detaches
    hwnd_ = nullptr;
}

void Control::Detach() {
    if (!hwnd_) return;
    RECT r;
    if (GetWindowRect(hwnd_, &r)) {
        HWND p = GetParent(hwnd_);
        if (p && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD))
            MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
    }
    RemovePropW(hwnd_, kControlProp);
    if (subclassed_) RemoveWindowSubclass(hwnd_, &Control::SubclassProc, 1);
    subclassed_ = false;
    hwnd_ = nullptr;
}

LRESULT CALLBACK Control::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* c = FromHandle(hwnd);
    if (!c && msg == WM_NCCREATE) {
        c = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (c) {
            c->hwnd_ = hwnd;
            SetPropW(hwnd, kControlProp, c);
        }
    }
    if (!c) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        c->Detach();
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return c->Dispatch(msg, wp, lp);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* c = reinterpret_cast<Control*>(ref);
    if (msg == WM_NCDESTROY) {
        LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        c->Detach();
        return r;
    }
    return c->Dispatch(msg, wp, lp);
}

LRESULT Control::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!hwnd_) return 0;
    if (subclassed_) return DefSubclassProc(hwnd_, msg, wp, lp);
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Control::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        bool handled = false;
        LRESULT result = WndProc(msg, wp, lp, handled);
        if (handled) return result;
        result = 0;
        if (HandleMessage(msg, wp, lp, result)) return result;
    } catch (...) {
        Application().HandleException();
        return 0;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT Control::WndProc(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

bool Control::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    ShiftState shift = MouseShiftState(wp);
    auto down = [&](MouseButton b, ShiftState extra) {
        if (OnMouseDown) OnMouseDown(*this, b, shift | extra, x, y);
    };
    auto up = [&](MouseButton b) {
        if (OnMouseUp) OnMouseUp(*this, b, shift, x, y);
    };
    switch (msg) {
        case WM_LBUTTONDOWN:
            if (ClicksFromMouse()) {
                SetCapture(hwnd_);
                clicked_ = true;
            }
            down(mbLeft, 0);
            return false;
        case WM_LBUTTONDBLCLK:
            // A double click raises OnDblClick first, then OnMouseDown with ssDouble.
            if (ClicksFromMouse()) SetCapture(hwnd_);
            if (OnDblClick) OnDblClick(*this);
            down(mbLeft, ssDouble);
            return false;
        case WM_LBUTTONUP: {
            bool wasClicked = clicked_;
            clicked_ = false;
            if (ClicksFromMouse() && GetCapture() == hwnd_) ReleaseCapture();
            if (wasClicked && hwnd_) {
                RECT rc;
                GetClientRect(hwnd_, &rc);
                if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom) Click();
            }
            up(mbLeft);
            return false;
        }
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            down(mbRight, msg == WM_RBUTTONDBLCLK ? ssDouble : 0);
            return false;
        case WM_RBUTTONUP:
            up(mbRight);
            return false;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            down(mbMiddle, msg == WM_MBUTTONDBLCLK ? ssDouble : 0);
            return false;
        case WM_MBUTTONUP:
            up(mbMiddle);
            return false;
        case WM_MOUSEMOVE:
            if (OnMouseMove) OnMouseMove(*this, shift, x, y);
            return false;
    }
    return false;
}

HBRUSH Control::CtlColor(HDC dc) {
    const Font& f = EffectiveFont();
    bool customText = f.color != clWindowText && f.color != clBtnText;
    // Edits, lists...: the system's colours unless the program chose its own.
    if (!StaticLike() && !colorSet_ && !customText) return nullptr;
    TColor bg = StaticLike() ? EffectiveColor() : (colorSet_ ? color_ : clWindow);
    // A disabled control's text is grey whatever its font's colour (a group
    // box draws its caption in the colour given here).
    SetTextColor(dc, hwnd_ && !IsWindowEnabled(hwnd_) ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(f.color));
    SetBkColor(dc, ColorToRGB(bg));
    return CachedBrush(bg);
}

bool Control::EraseWithColor(UINT msg, WPARAM wp, LRESULT& result) {
    if (msg != WM_ERASEBKGND) return false;
    RECT rc;
    GetClientRect(hwnd_, &rc);
    FillRect(reinterpret_cast<HDC>(wp), &rc, CachedBrush(EffectiveColor()));
    result = 1;
    return true;
}

bool Control::PaintWholeClient(UINT msg, LRESULT& result,
                               const std::function<void(HDC dc, const RECT& client)>& paint) {
    if (msg == WM_ERASEBKGND) {
        result = 1;
        return true;
    }
    if (msg != WM_PAINT) return false;
    PaintDc dc(hwnd_);
    RECT rc;
    GetClientRect(hwnd_, &rc);
    paint(dc.Get(), rc);
    return true;
}

bool Control::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (lp) {
                Control* child = FromHandle(reinterpret_cast<HWND>(lp));
                if (child && child != this && child->Command(HIWORD(wp))) return true;
            }
            return false;
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lp);
            Control* child = FromHandle(nm->hwndFrom);
            return child && child != this && child->Notify(*nm, result);
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lp) {
                Control* child = FromHandle(reinterpret_cast<HWND>(lp));
                if (child && child != this && child->Scroll(LOWORD(wp))) return true;
            }
            return false;
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            if (dis->CtlType == ODT_MENU) return MenuItem::DrawMenuItem(*dis) && ((result = TRUE));
            Control* child = FromHandle(dis->hwndItem);
            return child && child->DrawItem(*dis) && ((result = TRUE));
        }
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (mis->CtlType == ODT_MENU) return MenuItem::MeasureMenuItem(*mis) && ((result = TRUE));
            auto it = ControlIds().find(mis->CtlID);
            return it != ControlIds().end() && it->second->MeasureItem(*mis) && ((result = TRUE));
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            Control* child = FromHandle(reinterpret_cast<HWND>(lp));
            if (!child || child == this) return false;
            HBRUSH b = child->CtlColor(reinterpret_cast<HDC>(wp));
            if (!b) return false;
            result = reinterpret_cast<LRESULT>(b);
            return true;
        }
        case WM_CONTEXTMENU: {
            POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            POINT client = screen;
            if (screen.x == -1 && screen.y == -1) {
                GetCursorPos(&screen);
            } else {
                ScreenToClient(hwnd_, &client);
            }
            bool handled = false;
            if (OnContextPopup) OnContextPopup(*this, client, handled);
            if (handled) return true;
            if (popupMenu_) {
                popupMenu_->SetPopupComponent(this);
                popupMenu_->Popup(screen.x, screen.y);
                return true;
            }
            return false;
        }
        case WM_SETCURSOR: {
            HCURSOR cursor = Application().Cursor() ? Application().Cursor() : cursor_;
            if (cursor && reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT) {
                ::SetCursor(cursor);
                result = TRUE;
                return true;
            }
            return false;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            bool isDown = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
            auto& ev = isDown ? OnKeyDown : OnKeyUp;
            WORD key = static_cast<WORD>(wp);
            Form* form = ParentForm();
            if (isDown && form && form != this && form->KeyPreview() && form->OnKeyDown) {
                form->OnKeyDown(*form, key, KeyboardShiftState());
                if (key == 0) return true;
            }
            if (!ev) return false;
            ev(*this, key, KeyboardShiftState());
            if (key == 0) return true;
            if (key != wp) {
                result = DefaultProc(msg, key, lp);
                return true;
            }
            return false;
        }
        case WM_CHAR: {
            if (!OnKeyPress) return false;
            wchar_t ch = static_cast<wchar_t>(wp);
            OnKeyPress(*this, ch);
            if (ch == 0) return true;
            if (ch != static_cast<wchar_t>(wp)) {
                result = DefaultProc(msg, ch, lp);
                return true;
            }
            return false;
        }
        case WM_NEXTDLGCTL:
            // A multi-line memo passes Tab and Shift+Tab on to its parent, as in a
            // dialog: the form moves the focus.
            if (Form* form = ParentForm(); form && form != this && form->Handle()) {
                result = SendMessageW(form->Handle(), msg, wp, lp);
                return true;
            }
            return false;
        case WM_SETFOCUS:
            for (Container* p = parent_; p; p = p->parent_) p->FocusEntered(hwnd_);
            if (OnEnter) OnEnter(*this);
            return false;
        case WM_KILLFOCUS:
            if (OnExit) OnExit(*this);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            return HandleMouse(msg, wp, lp);
    }
    return false;
}

void Control::Click() {
    if (OnClick) OnClick(*this);
}

// --- geometry -------------------------------------------------------------

static RECT WindowRectInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    HWND p = GetParent(hwnd);
    if (p && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Control::Left() const {
    return hwnd_ ? WindowRectInParent(hwnd_).left : left_;
}
int Control::Top() const {
    return hwnd_ ? WindowRectInParent(hwnd_).top : top_;
}
int Control::Width() const {
    if (!hwnd_) return width_;
    RECT r = WindowRectInParent(hwnd_);
    return r.right - r.left;
}
int Control::Height() const {
    if (!hwnd_) return height_;
    RECT r = WindowRectInParent(hwnd_);
    return r.bottom - r.top;
}

void Control::SetBounds(int left, int top, int width, int height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (hwnd_) SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::ClientWidth() const {
    if (!hwnd_) return width_;
    RECT r;
    GetClientRect(hwnd_, &r);
    return r.right;
}

int Control::ClientHeight() const {
    if (!hwnd_) return height_;
    RECT r;
    GetClientRect(hwnd_, &r);
    return r.bottom;
}

void Control::SetClientWidth(int v) {
    SetWidth(Width() - ClientWidth() + v);
}
void Control::SetClientHeight(int v) {
    SetHeight(Height() - ClientHeight() + v);
}

// --- state ------------------------------------------------------------------

void Control::SetEnabled(bool value) {
    const bool heldFocus = !value && HoldsFocus();
    enabled_ = value;
    ApplyEnabled();
    if (heldFocus) HandFocusOn();
}

bool Control::HoldsFocus() const {
    if (!hwnd_ || dynamic_cast<const Form*>(this)) return false;
    const HWND focus = GetFocus();
    return focus && (focus == hwnd_ || IsChild(hwnd_, focus));
}

void Control::HandFocusOn() {
    Form* form = ParentForm();
    if (!form || !form->Handle() || !hwnd_) return;
    // Moved on by someone else already: it stays there. Left on this control,
    // on nothing or on a window around it (where the system puts it), it moves.
    const HWND focus = GetFocus();
    if (focus && focus != hwnd_ && !IsChild(hwnd_, focus) && !IsChild(focus, hwnd_)) return;
    if (HWND heir = HeirOfFocus(form->Handle(), hwnd_)) ::SetFocus(heir);
}

bool Control::WindowEnabled() const {
    if (!enabled_) return false;
    for (const Container* p = parent_; p && !dynamic_cast<const Form*>(p); p = p->parent_)
        if (!p->enabled_) return false;
    return true;
}

void Control::ApplyEnabled() {
    if (hwnd_) EnableWindow(hwnd_, WindowEnabled());
    WindowStateChanged();
    // The controls of a disabled panel or group are disabled with it, in look
    // as in use. A form's controls keep their look while the form is disabled.
    if (dynamic_cast<Form*>(this)) return;
    if (auto* c = dynamic_cast<Container*>(this))
        for (Control* child : c->children_) child->ApplyEnabled();
}

void Control::SetVisible(bool value) {
    if (visible_ == value) return;
    const bool heldFocus = !value && HoldsFocus();
    visible_ = value;
    if (hwnd_) ShowWindow(hwnd_, value ? SW_SHOWNA : SW_HIDE);
    WindowStateChanged();
    if (auto* c = dynamic_cast<Container*>(this)) c->UpdateShowing();
    if (heldFocus) HandFocusOn();
}

bool Control::Showing() const {
    if (!visible_) return false;
    if (parent_) return parent_->Showing();
    return hwnd_ && IsWindowVisible(hwnd_);
}

void Control::SetHint(const std::wstring& hint) {
    hint_ = hint;
    if (Form* f = ParentForm()) f->HintChanged(*this);
}

void Control::SetCaption(const std::wstring& text) {
    if (text == text_) return;
    text_ = text;
    TextSet();
    if (hwnd_) Silently([&] { SetWindowTextW(hwnd_, ShownText().c_str()); });
    TextChanged();
}

void Control::SyncTextFromWindow() {
    if (!hwnd_) return;
    int n = GetWindowTextLengthW(hwnd_);
    std::wstring t(n + 1, L'\0');
    n = GetWindowTextW(hwnd_, t.data(), n + 1);
    t.resize(n > 0 ? n : 0);
    text_ = std::move(t);
}

void Control::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    colorSet_ = true;
    Invalidate();
}

TColor Control::EffectiveColor() const {
    if (parentColor_ && parent_) return parent_->EffectiveColor();
    return color_;
}

void Control::SetFont(const Font& font) {
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

const Font& Control::EffectiveFont() const {
    if (parentFont_ && parent_) return parent_->EffectiveFont();
    return font_;
}

void Control::FontChanged() {
    if (hwnd_) {
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(EffectiveFont())), TRUE);
        Invalidate();
    }
}

void Control::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

bool Control::Focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

void Control::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::Repaint() {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
}

void Control::BringToFront() {
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- Container ----------------------------------------------------------------

Container::~Container() {
    DestroyHandle();
    for (Control* c : children_) c->parent_ = nullptr;
    children_.clear();
}

void Container::CreateChildHandles() {
    auto copy = children_;
    for (Control* c : copy) c->HandleNeeded();
}

void Container::FontChanged() {
    Control::FontChanged();
    for (Control* c : children_)
        if (c->parentFont_) c->FontChanged();
}

void Container::UpdateShowing() {
    auto copy = children_;
    for (Control* c : copy)
        if (auto* k = dynamic_cast<Container*>(c)) k->UpdateShowing();
}

}  // namespace ui
