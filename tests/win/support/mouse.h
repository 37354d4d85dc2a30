// Mouse input as the user gives it, through the system's input queue.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

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

}  // namespace testing_support
