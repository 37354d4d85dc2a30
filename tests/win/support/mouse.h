// Mouse input as the user gives it, through the system's input queue.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "win/support/program_runner.h"

namespace testing_support {

// A move to the screen point, then the button events of `flags` there in turn
// (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP...); the number of events taken.
inline UINT MouseAt(POINT at, std::initializer_list<DWORD> flags = {}) {
    std::vector<INPUT> in;
    auto event = [&](DWORD flag) {
        INPUT i{};
        i.type = INPUT_MOUSE;
        i.mi.dx = at.x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
        i.mi.dy = at.y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flag;
        in.push_back(i);
    };
    event(0);
    for (DWORD flag : flags) event(flag);
    return SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// A left click at the screen point.
inline UINT LeftClickAt(POINT at) {
    return MouseAt(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

// A right click at the screen point.
inline UINT RightClickAt(POINT at) {
    return MouseAt(at, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
}

// A left click on a window, `dx` pixels from its left edge (its middle when
// negative), half-way down.
inline UINT ClickWindow(HWND hwnd, int dx = -1) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return LeftClickAt(POINT{dx < 0 ? (r.left + r.right) / 2 : r.left + dx, (r.top + r.bottom) / 2});
}

// Whether the thread of the window runs a move or size loop now.
inline bool InMoveLoop(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & GUI_INMOVESIZE) != 0;
}

// The user drags the window by (dx, dy) with the left button, each step once
// what it needs holds: the press once the window is what lies under the
// pointer, the moves once the window's move loop runs, `whileDragged` and the
// release once the window has followed the pointer (when windows are dragged
// whole; else at once). Each wait has the bound a busy machine needs. True
// once the window stands at its new place and its move loop is over (or the
// window is gone: `whileDragged` may end its program); the button is released
// whatever happens.
inline bool DragWindow(HWND window, int dx, int dy, const std::function<void()>& whileDragged = {}) {
    RECT rc{};
    GetWindowRect(window, &rc);
    const POINT from{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    const POINT to{from.x + dx, from.y + dy};
    const auto at = [&](int x, int y) {
        RECT now{};
        return GetWindowRect(window, &now) && now.left == x && now.top == y;
    };
    MouseAt(from);
    if (!WaitFor([&] { return GetAncestor(WindowFromPoint(from), GA_ROOT) == window; })) return false;
    MouseAt(from, {MOUSEEVENTF_LEFTDOWN});
    const bool dragged = WaitFor([&] { return InMoveLoop(window) || !IsWindow(window); });
    for (int step = 1; step <= 4; ++step) MouseAt(POINT{from.x + dx * step / 4, from.y + dy * step / 4});
    BOOL whole = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &whole, 0);
    const bool followed =
        dragged && WaitFor([&] { return !whole || at(rc.left + dx, rc.top + dy) || !IsWindow(window); });
    if (followed && whileDragged) whileDragged();
    MouseAt(to, {MOUSEEVENTF_LEFTUP});
    return followed && WaitFor([&] {
               return !IsWindow(window) || (at(rc.left + dx, rc.top + dy) && !InMoveLoop(window));
           });
}

}  // namespace testing_support
