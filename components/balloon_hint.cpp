#include "components/balloon_hint.h"

#include <commctrl.h>

#include "components/tray_icon_rules.h"

namespace {

constexpr UINT kToolFlags = TTF_SUBCLASS | TTF_TRANSPARENT;
constexpr UINT kTrackFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
constexpr size_t kTitleChars = 1023;

struct ToolTipState {
    HWND window = nullptr;
    TTTOOLINFOW record{};
    std::wstring text;   // what record.lpszText points at
    std::wstring title;  // the title buffer
};

ToolTipState& State() {
    static ToolTipState state;
    return state;
}

LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) {
    HWND w = State().window;
    return w ? SendMessageW(w, msg, wp, lp) : 0;
}

// Fills the record for the control and sends the title; false when the
// control is missing or its client area cannot be read.
bool Prepare(HWND control, int icon, const std::wstring& text, const std::wstring& title) {
    ToolTipState& s = State();
    RECT client{};
    if (!control || !GetClientRect(control, &client)) return false;
    s.record.hwnd = control;
    s.record.rect = client;
    s.text = text;
    s.record.lpszText = s.text.data();
    s.title = trayicon::CutText(title, kTitleChars);
    Send(TTM_SETTITLEW, static_cast<WPARAM>(trayicon::BalloonTitleIcon(icon)),
         reinterpret_cast<LPARAM>(s.title.c_str()));
    return true;
}

}  // namespace

HWND BaloonToolTipWindow() {
    return State().window;
}

bool CreateBaloonToolTips(HWND owner) {
    ToolTipState& s = State();
    if (s.window) DestroyBaloonToolTips();
    HINSTANCE inst = GetModuleHandleW(nullptr);
    s.window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, inst, nullptr);
    if (!s.window) return false;
    const bool placed =
        SetWindowPos(s.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != 0;
    s.record = TTTOOLINFOW{};
    s.record.cbSize = sizeof(TTTOOLINFOW);
    s.record.uFlags = kToolFlags;
    s.record.hinst = inst;
    s.record.uId = 0;
    return placed;
}

LRESULT AddBaloonToolTip(HWND control, int icon, const std::wstring& text, const std::wstring& title) {
    if (!Prepare(control, icon, text, title)) return 0;
    return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&State().record));
}

LRESULT UpdateBaloonToolTip(HWND control, int icon, const std::wstring& text, const std::wstring& title) {
    if (!Prepare(control, icon, text, title)) return 0;
    return Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&State().record));
}

void DelBaloonToolTip(HWND control) {
    RECT client{};
    if (!control || !GetClientRect(control, &client)) return;
    State().record.hwnd = control;
    Send(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&State().record));
}

bool DestroyBaloonToolTips() {
    ToolTipState& s = State();
    const bool destroyed = s.window && DestroyWindow(s.window);
    s.window = nullptr;
    return destroyed;
}

void SetActivateToolTip(bool active) {
    Send(TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void SetTxtToolTipColor(ui::TColor color) {
    Send(TTM_SETTIPTEXTCOLOR, ui::ColorToRGB(color), 0);
}

void SetBakToolTipColor(ui::TColor color) {
    Send(TTM_SETTIPBKCOLOR, ui::ColorToRGB(color), 0);
}

void SetMaxWidthToolTip(int width) {
    Send(TTM_SETMAXTIPWIDTH, 0, width);
}

void SetMarginToolTip(const RECT& margin) {
    RECT copy = margin;
    Send(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&copy));
}

void SetDelayTime(DWORD which, int milliseconds) {
    Send(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void SetTrackActivate(bool active) {
    State().record.uFlags = active ? kTrackFlags : kToolFlags;
    Send(TTM_TRACKACTIVATE, active ? TRUE : FALSE, reinterpret_cast<LPARAM>(&State().record));
}

void SetTrackPosition(int x, int y) {
    Send(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}
