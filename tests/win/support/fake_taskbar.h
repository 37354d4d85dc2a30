// The stand-in taskbar (tests/fixtures/taskbar), started as a process of its
// own, and its windows as another program sees them.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

struct TaskbarWindows {
    HWND taskbar = nullptr, notify = nullptr, clock = nullptr, band = nullptr, icons = nullptr;
    // Looks the windows up; whether a system clock was found.
    bool Find();
};

// Started with the fixture's command-line switches ("--hidden-clock",
// "--fixed-text"); asked to close, and ended when it does not, on destruction.
class FakeTaskbarProcess {
  public:
    explicit FakeTaskbarProcess(const std::wstring& args = L"");
    ~FakeTaskbarProcess();
    FakeTaskbarProcess(const FakeTaskbarProcess&) = delete;
    FakeTaskbarProcess& operator=(const FakeTaskbarProcess&) = delete;
    TaskbarWindows windows;

  private:
    PROCESS_INFORMATION pi_{};
};

}  // namespace testing_support
