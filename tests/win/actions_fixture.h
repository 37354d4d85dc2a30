// The clock window made inside the test process, shown as text on a plain
// background, with mouse input as the user gives it: the fixture of the
// window-behaviour and menu tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "core/frm_horalto.h"
#include "options/frm_options.h"
#include "win/support/message_loop.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

template <class F>
bool PumpUntil(F done, DWORD ms = 3000) {
    return testing_support::PumpUntil(done, ms, 10);
}

void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// Mouse input at a screen point, as the user gives it.
void MouseAt(int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    in.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &in, sizeof in);
}
// The cursor's place once the mouse has been still for a while.
[[maybe_unused]] POINT StillCursor() {
    POINT last{-1, -1}, now{};
    for (int same = 0; same < 3;) {
        Pump(60);
        GetCursorPos(&now);
        same = now.x == last.x && now.y == last.y ? same + 1 : 0;
        last = now;
    }
    return now;
}
[[maybe_unused]] void ClickAt(int x, int y) {
    MouseAt(x, y, 0);
    MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
    MouseAt(x, y, MOUSEEVENTF_LEFTUP);
}

class Clock : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        testing_support::CreateProgramWindows();
        // No hot keys in the way of other processes.
        frmOptions->UnregisterHotKeys();
    }
    // The clock shown as text on a plain background, its first paint done.
    void ShowTextClock(int left = 300, int top = 300) {
        auto& w = frmHoralto->Settings.Window;
        w.MainSkinIndex = 0;
        w.FormFillType = 0;
        w.MaskOnMouseMove = false;
        frmHoralto->Settings.Main.FormatTextMain = L"ГЛАВНЫЙ";
        frmHoralto->SetBounds(left, top, frmHoralto->Width(), frmHoralto->Height());
        frmHoralto->Show();
        ASSERT_TRUE(PumpUntil([] { return frmHoralto->Tag() == 0 && frmHoralto->tmrTimer.Enabled(); }));
    }
    void TearDown() override { testing_support::DestroyProgramWindows(); }
    RECT WindowRect() const {
        RECT r;
        GetWindowRect(frmHoralto->Handle(), &r);
        return r;
    }
    testing_support::ScratchDir dir_{L"actions"};
};

}  // namespace
