// Mouse input as the user gives it, through the system's input queue.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace testing_support {

// The pointer moved to a screen point, then the button events of `flags` there in turn.
inline void MouseAt(POINT at, std::initializer_list<DWORD> flags = {}) {
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
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

inline void LeftClickAt(POINT at) {
    MouseAt(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

inline void RightClickAt(POINT at) {
    MouseAt(at, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
}

}  // namespace testing_support
