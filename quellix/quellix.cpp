// Quellix.dll: tells Horalto at once when the taskbar's own clock needs its
// place drawn again. _StartHook(window) hooks the thread of the taskbar that
// holds the system clock's window ("TrayClockWClass"); whenever that window is
// repainted or resized, WM_USER+6 is posted to the given window. _RemoveHook()
// takes the hooks out. The hook procedures run inside the taskbar's process,
// so what they need lies in a section shared by every copy of the library.
#include <windows.h>

namespace {

constexpr UINT kTrayUpdate = WM_USER + 6;

struct SharedState {
    HWND target;
    HHOOK queued;  // messages taken from the queue (WM_PAINT)
    HHOOK sent;    // messages sent to the window (WM_SIZE, a forced WM_PAINT)
};
SharedState shared __attribute__((section(".shared"), shared)) = {nullptr, nullptr, nullptr};

HINSTANCE module = nullptr;

HWND Child(HWND parent, const wchar_t* className) {
    return parent ? FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

// The system clock of the taskbar that holds a notification area.
HWND FindSystemClock() {
    for (HWND w = FindWindowW(L"Shell_TrayWnd", nullptr); w;
         w = FindWindowExW(nullptr, w, L"Shell_TrayWnd", nullptr))
        if (HWND clock = Child(Child(w, L"TrayNotifyWnd"), L"TrayClockWClass")) return clock;
    return nullptr;
}

bool IsSystemClock(HWND hwnd) {
    wchar_t name[32] = {};
    return hwnd && GetClassNameW(hwnd, name, 32) > 0 && lstrcmpW(name, L"TrayClockWClass") == 0;
}

void Notice(HWND hwnd, UINT message) {
    if (message != WM_PAINT && message != WM_SIZE) return;
    const HWND target = *static_cast<volatile HWND*>(&shared.target);
    if (target && IsSystemClock(hwnd)) PostMessageW(target, kTrayUpdate, 0, 0);
}

LRESULT CALLBACK QueuedMessageProc(int code, WPARAM removed, LPARAM lp) {
    if (code == HC_ACTION && removed == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lp);
        Notice(msg->hwnd, msg->message);
    }
    return CallNextHookEx(nullptr, code, removed, lp);
}

LRESULT CALLBACK SentMessageProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(lp);
        Notice(msg->hwnd, msg->message);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

extern "C" void WINAPI _RemoveHook() {
    shared.target = nullptr;
    if (shared.queued) UnhookWindowsHookEx(shared.queued);
    if (shared.sent) UnhookWindowsHookEx(shared.sent);
    shared.queued = shared.sent = nullptr;
}

// Without a taskbar clock nothing is hooked: the program's own timer keeps its
// clock up to date.
extern "C" void WINAPI _StartHook(HWND window) {
    _RemoveHook();
    const HWND clock = FindSystemClock();
    const DWORD thread = clock ? GetWindowThreadProcessId(clock, nullptr) : 0;
    if (!thread || !window) return;
    shared.target = window;
    shared.queued = SetWindowsHookExW(WH_GETMESSAGE, QueuedMessageProc, module, thread);
    shared.sent = SetWindowsHookExW(WH_CALLWNDPROC, SentMessageProc, module, thread);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
