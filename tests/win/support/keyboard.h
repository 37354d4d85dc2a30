// Keys pressed as the user presses them, through the system's input queue.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

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

// The characters typed one after another as the keyboard sends characters of
// any layout; the number of input events taken (two for each character).
inline UINT TypeText(std::wstring_view text) {
    std::vector<INPUT> in(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        in[2 * i].type = in[2 * i + 1].type = INPUT_KEYBOARD;
        in[2 * i].ki.wScan = in[2 * i + 1].ki.wScan = text[i];
        in[2 * i].ki.dwFlags = KEYEVENTF_UNICODE;
        in[2 * i + 1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    }
    return SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// `key` pressed and released while the modifiers (VK_CONTROL, VK_SHIFT,
// VK_MENU...) are held; the number of input events taken.
inline UINT PressWith(const std::vector<WORD>& modifiers, WORD key) {
    std::vector<WORD> keys(modifiers);
    keys.push_back(key);
    std::vector<INPUT> in(keys.size() * 2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        INPUT& down = in[i];
        INPUT& up = in[in.size() - 1 - i];
        down.type = up.type = INPUT_KEYBOARD;
        down.ki.wVk = up.ki.wVk = keys[i];
        down.ki.wScan = up.ki.wScan = ScanCode(keys[i]);
        // The keys of the cursor block are the extended ones.
        if (keys[i] == VK_PRIOR || keys[i] == VK_NEXT)
            down.ki.dwFlags = up.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
    }
    return SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Ctrl+key pressed and released; the number of input events taken (4 when all were).
inline UINT PressCtrl(WORD key) { return PressWith({VK_CONTROL}, key); }

}  // namespace testing_support
