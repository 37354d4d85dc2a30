// Running the test process's message loop until something holds.
#pragma once

#include <windows.h>

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

}  // namespace testing_support
