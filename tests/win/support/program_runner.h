// Starts Horalto.exe in a scratch folder of its own and drives it from outside,
// as a user or another program would.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// The folder of the running test executable.
std::filesystem::path ThisExeDir();

// build/win/Horalto.exe, found relative to the test executables.
std::filesystem::path HoraltoExe();

// A fresh, empty folder under the system's temp folder; removed on destruction.
class ScratchDir {
  public:
    explicit ScratchDir(const std::wstring& tag);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Waits until done() holds, looking every 20 ms; false when `ms` went by first.
// The default bound leaves room for a machine busy with other work.
template <class F>
bool WaitFor(F done, DWORD ms = 15000) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > ms) return false;
    return true;
}

// A copy of Horalto.exe started in `dir`, closed and reaped on destruction.
class RunningProgram {
  public:
    explicit RunningProgram(const std::filesystem::path& dir, const std::wstring& extraEnv = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The process's top-level window of `className`, waiting up to `timeoutMs`.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 15000) const;
    // The process's top-level window of `className` at this moment, or nullptr.
    HWND WindowOfClass(const wchar_t* className) const;
    // The main window once it is on the screen, the settings window made and
    // the message loop running.
    HWND WaitShown() const;
    // Whether the program started: its settings window made and its message
    // loop running, whether or not the clock is on the screen.
    bool WaitStarted() const;
    // The file names (lower case, no folder) of the modules the process has loaded.
    std::vector<std::wstring> LoadedModules() const;
    // A visible message box of the process, waiting up to `timeoutMs` (0: the
    // one there now); nullptr when none came or the process ended.
    HWND WaitForDialog(DWORD timeoutMs) const;
    // Posts WM_CLOSE to the window and waits for the process to end; returns its exit code,
    // or -1 when it did not end in time.
    long CloseAndWait(const wchar_t* className = L"TfrmHoralto", DWORD timeoutMs = 15000);
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    DWORD ProcessId() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }

  private:
    PROCESS_INFORMATION pi_{};
};

// Watches a running program's memory from a thread of its own: the most it
// held (working set or committed private bytes) so far, and an end to the
// program once it holds more than `limit` bytes, so that a test of a fault
// that eats memory does not eat the machine's.
class MemoryWatch {
  public:
    MemoryWatch(const RunningProgram& program, std::size_t limit);
    ~MemoryWatch();
    MemoryWatch(const MemoryWatch&) = delete;
    MemoryWatch& operator=(const MemoryWatch&) = delete;
    std::size_t Peak() const;
    // True when the program went past the limit and was ended.
    bool Exceeded() const;

  private:
    struct State;
    State* state_;
};

}  // namespace testing_support
