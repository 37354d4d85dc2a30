#include "ui/dialog_keys.h"

#include "ui/buttons.h"
#include "ui/form.h"

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

}  // namespace

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
