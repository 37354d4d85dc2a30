// Keys pressed as the user presses them, through the system's input queue.
#pragma once

#include <windows.h>

namespace testing_support {

// The key's scan code, which a keyboard sends with it (a key-capture control
// names the key by it).
inline WORD ScanCode(WORD key) {
    return static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
}

// Ctrl+Alt+key pressed and released; the number of input events taken (6 when all were).
inline UINT PressCtrlAlt(WORD key) {
    INPUT in[6] = {};
    const WORD keys[] = {VK_CONTROL, VK_MENU, key};
    for (int i = 0; i < 3; ++i) {
        in[i].type = in[5 - i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = in[5 - i].ki.wVk = keys[i];
        in[i].ki.wScan = in[5 - i].ki.wScan = ScanCode(keys[i]);
        in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    return SendInput(6, in, sizeof(INPUT));
}

// Ctrl+Alt+key pressed, and pressed again every two seconds, until `done`
// holds; false when `ms` went by first. The program takes its hot keys while
// it starts, after its windows show: a key pressed before that reaches
// nobody. Only for keys whose action does nothing more when done twice.
template <class F>
bool PressCtrlAltUntil(WORD key, F done, DWORD ms = 30000) {
    const DWORD start = GetTickCount();
    for (DWORD pressed = start - 2000;; Sleep(20)) {
        if (done()) return true;
        const DWORD now = GetTickCount();
        if (now - start > ms) return false;
        if (now - pressed >= 2000) {
            PressCtrlAlt(key);
            pressed = now;
        }
    }
}

// A key without modifiers pressed and released; the number of input events taken (2 when both were).
inline UINT PressKey(WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[0].ki.wScan = in[1].ki.wScan = ScanCode(key);
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, in, sizeof(INPUT));
}

}  // namespace testing_support
