#include "ui/timer.h"

#include <unordered_map>

#include "ui/application.h"

namespace ui {

namespace {

std::unordered_map<UINT_PTR, Timer*>& Timers() {
    static std::unordered_map<UINT_PTR, Timer*> map;
    return map;
}

}  // namespace

LRESULT CALLBACK Timer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto it = Timers().find(wp);
        if (it != Timers().end()) {
            Timer* t = it->second;
            try {
                if (t->OnTimer) t->OnTimer(*t);
            } catch (...) {
                Application().HandleException();
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// One hidden window receives the ticks of every timer.
static HWND TimerWindow() {
    static HWND hwnd = [] {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Timer::TimerWndProc;
        wc.hInstance = inst;
        wc.lpszClassName = L"THoraltoTimers";
        RegisterClassExW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst, nullptr);
    }();
    return hwnd;
}

Timer::Timer(Form* owner, std::wstring name) : Component(std::move(name)) {
    static UINT_PTR next = 1;
    id_ = next++;
    Timers()[id_] = this;
    SetOwner(owner);
    Update();
}

Timer::~Timer() {
    if (running_) KillTimer(TimerWindow(), id_);
    Timers().erase(id_);
}

void Timer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Update();
}

void Timer::SetInterval(UINT ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Update();
}

void Timer::Update() {
    if (running_) KillTimer(TimerWindow(), id_);
    running_ = false;
    if (enabled_ && interval_ > 0) running_ = SetTimer(TimerWindow(), id_, interval_, nullptr) != 0;
}

}  // namespace ui
