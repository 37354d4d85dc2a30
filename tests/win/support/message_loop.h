// Running the test process's message loop until something holds.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/application.h"

namespace testing_support {

// Lets the message loop run until `done` holds or `ms` have passed, waiting at
// most `stepMs` for each next message; whether `done` came to hold.
template <class F>
bool PumpUntil(F done, DWORD ms = 3000, DWORD stepMs = 20) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        ui::Application().ProcessMessages();
        ui::Application().WaitForMessage(stepMs);
    }
    return true;
}

// Runs `step` once from the message loop after `ms` milliseconds, inside a
// modal form's own loop too (one step waits at a time).
inline std::function<void()>& PendingStep() {
    static std::function<void()> step;
    return step;
}
inline void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto step = std::move(PendingStep());
    PendingStep() = nullptr;
    if (step) step();
}
inline void Later(unsigned ms, std::function<void()> step) {
    PendingStep() = std::move(step);
    SetTimer(nullptr, 0, ms, &RunPendingStep);
}

}  // namespace testing_support
