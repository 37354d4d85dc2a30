#include "win/support/other_windows.h"

#include <algorithm>
#include <vector>

#include "win/support/mouse.h"

namespace testing_support {

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > ms) return false;
    return true;
}

std::wstring WindowText(HWND hwnd) {
    // Asked of the window itself: an edit keeps its text where another
    // process's GetWindowText does not look.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied))
        return {};
    text.resize(copied);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

HWND FindVisibleChild(HWND parent, const wchar_t* className, const wchar_t* text,
                      const std::function<bool(HWND)>& also) {
    std::vector<HWND> all;
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    for (HWND h : all) {
        if (!IsWindowVisible(h) || _wcsicmp(ClassOf(h).c_str(), className) != 0) continue;
        if (text && WindowText(h) != text) continue;
        if (also && !also(h)) continue;
        return h;
    }
    return nullptr;
}

bool WaitSettingsWindowShown(HWND options, DWORD ms) {
    const DWORD start = GetTickCount();
    const bool framed = WaitUntil(
        [&] {
            return IsWindowVisible(options) && IsWindowEnabled(options) &&
                   (GetWindowLongPtrW(options, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
                   !(GetWindowLongPtrW(options, GWL_EXSTYLE) & WS_EX_LAYERED);
        },
        ms);
    // The effect's end runs on in the program's thread: a message sent now is
    // answered once it is over.
    DWORD_PTR answer = 0;
    const DWORD left = ms - std::min(ms, GetTickCount() - start);
    return framed &&
           SendMessageTimeoutW(options, WM_NULL, 0, 0, SMTO_NORMAL, std::max<DWORD>(left, 1), &answer);
}

namespace {
GUITHREADINFO ThreadInfo(HWND anyWindow) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(anyWindow, nullptr), &info);
    return info;
}
}  // namespace

HWND FocusOfThread(HWND anyWindow) {
    return ThreadInfo(anyWindow).hwndFocus;
}

HWND ActiveOfThread(HWND anyWindow) {
    return ThreadInfo(anyWindow).hwndActive;
}

bool ShownWhole(HWND window) {
    const auto whole = [window] {
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        return IsWindowVisible(window) && IsWindowEnabled(window) && (style & WS_CAPTION) == WS_CAPTION &&
               !(exStyle & WS_EX_LAYERED);
    };
    if (!whole()) return false;
    // The frame comes back in steps that move the window: a message answered
    // after them finds it in its place.
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    return whole();
}

bool ClickUntil(HWND hwnd, const std::function<bool()>& done, DWORD ms) {
    DWORD clicked = 0;
    return WaitUntil(
        [&] {
            if (done()) return true;
            if (clicked == 0 || GetTickCount() - clicked > 500) {
                ClickWindow(hwnd);
                clicked = GetTickCount();
            }
            return false;
        },
        ms);
}

}  // namespace testing_support
