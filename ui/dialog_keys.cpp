#include "ui/dialog_keys.h"

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/tab_order.h"

namespace ui {

namespace {

bool CanPress(const Button& b) {
    HWND h = b.Handle();
    return h && IsWindowVisible(h) && IsWindowEnabled(h);
}

Button* FindButton(const Container& parent, bool cancel) {
    for (Control* c : parent.Controls()) {
        if (auto* b = dynamic_cast<Button*>(c)) {
            if ((cancel ? b->Cancel() : b->Default()) && CanPress(*b)) return b;
        } else if (auto* inner = dynamic_cast<Container*>(c)) {
            if (Button* found = FindButton(*inner, cancel)) return found;
        }
    }
    return nullptr;
}

// A multi-line memo, a grid that runs its row, a dropped-down list...
bool WantsEnter(const MSG& msg) {
    MSG copy = msg;
    auto code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

// Esc closes a dropped-down list (the focus is on the combo box or on its edit);
// anywhere else it is the form's.
bool ListDropped(HWND focus) {
    for (HWND h : {focus, GetParent(focus)}) {
        wchar_t name[16] = {};
        GetClassNameW(h, name, 16);
        if (_wcsicmp(name, L"ComboBox") == 0 && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0)) return true;
    }
    return false;
}

LRESULT DialogCode(const MSG& msg) {
    MSG copy = msg;
    return SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
}

// The first page control on the screen among the controls of `parent`.
PageControl* FirstPageControl(const Container& parent) {
    for (Control* c : parent.Controls()) {
        if (!c->Showing()) continue;
        if (auto* pages = dynamic_cast<PageControl*>(c)) return pages;
        if (auto* inner = dynamic_cast<Container*>(c))
            if (PageControl* found = FirstPageControl(*inner)) return found;
    }
    return nullptr;
}

// The page control whose pages the keys change: the innermost one the focus is in.
PageControl* PageControlOfFocus(Form& form, HWND focus) {
    for (HWND h = focus; h && h != form.Handle(); h = GetParent(h))
        if (auto* pages = dynamic_cast<PageControl*>(Control::FromHandle(h))) return pages;
    return FirstPageControl(form);
}

bool MoveFocus(Form& form, const MSG& msg, bool previous) {
    const HWND root = form.Handle();
    // A multi-line memo passes Tab on itself (WM_NEXTDLGCTL).
    if (msg.hwnd != root && (DialogCode(msg) & (DLGC_WANTTAB | DLGC_WANTMESSAGE))) return false;
    return FocusNextTabStop(root, msg.hwnd, previous);
}

}  // namespace

bool PressNavigationKey(Form& form, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.wParam != VK_TAB && msg.wParam != VK_NEXT && msg.wParam != VK_PRIOR) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (GetKeyState(VK_MENU) < 0) return false;
    if (!ctrl) return msg.wParam == VK_TAB && MoveFocus(form, msg, shift);
    // The pages change from anywhere, a multi-line memo (which asks for every key) too.
    PageControl* pages = PageControlOfFocus(form, msg.hwnd);
    if (!pages) return false;
    const bool forward = msg.wParam == VK_TAB ? !shift : msg.wParam == VK_NEXT;
    return pages->SelectNextPage(forward);
}

bool PressDialogKey(Form& form, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    HWND root = form.Handle();
    bool enter = msg.wParam == VK_RETURN;
    bool onControl = msg.hwnd != root;
    if (onControl) {
        if (enter ? WantsEnter(msg) : ListDropped(msg.hwnd)) return false;
        if (form.KeyPreview() && form.OnKeyDown) {
            WORD key = static_cast<WORD>(msg.wParam);
            form.OnKeyDown(form, key, 0);
            if (key == 0) return true;
        }
    }
    Button* target = nullptr;
    if (enter) {
        auto* focused = dynamic_cast<Button*>(Control::FromHandle(msg.hwnd));
        target = focused && CanPress(*focused) ? focused : FindButton(form, false);
    } else {
        target = FindButton(form, true);
    }
    if (!target) return onControl;  // the control's key goes no further, as in a dialog
    target->Click();
    return true;
}

}  // namespace ui
