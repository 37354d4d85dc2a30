#include "win/support/fake_taskbar.h"

#include "win/support/program_runner.h"

namespace testing_support {

bool TaskbarWindows::Find() {
    for (HWND w = FindWindowW(L"Shell_TrayWnd", nullptr); w;
         w = FindWindowExW(nullptr, w, L"Shell_TrayWnd", nullptr)) {
        HWND n = FindWindowExW(w, nullptr, L"TrayNotifyWnd", nullptr);
        if (!n) continue;
        taskbar = w;
        notify = n;
        clock = FindWindowExW(n, nullptr, L"TrayClockWClass", nullptr);
        band = FindWindowExW(w, nullptr, L"ReBarWindow32", nullptr);
        icons = FindWindowExW(FindWindowExW(n, nullptr, L"SysPager", nullptr), nullptr, L"ToolbarWindow32",
                              nullptr);
        return clock != nullptr;
    }
    return false;
}

FakeTaskbarProcess::FakeTaskbarProcess(const std::wstring& args) {
    const std::filesystem::path exe = ThisExeDir() / L"fake_taskbar.exe";
    std::wstring cmd = L"\"" + exe.wstring() + L"\" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
        return;
    WaitForInputIdle(pi_.hProcess, 5000);
    WaitFor([&] { return windows.Find(); });
}

FakeTaskbarProcess::~FakeTaskbarProcess() {
    if (!pi_.hProcess) return;
    if (windows.taskbar) PostMessageW(windows.taskbar, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

}  // namespace testing_support
