#include "win/support/program_runner.h"

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cwctype>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace testing_support {

fs::path ThisExeDir() {
    std::wstring buf(MAX_PATH * 4, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    buf.resize(n);
    return fs::path(buf).parent_path();
}

fs::path HoraltoExe() {
    return ThisExeDir().parent_path() / L"Horalto.exe";
}

ScratchDir::ScratchDir(const std::wstring& tag) {
    static int counter = 0;
    path_ = fs::temp_directory_path() / (L"horalto-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) +
                                         L"-" + std::to_wstring(++counter));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

RunningProgram::RunningProgram(const fs::path& dir, const std::wstring& extraEnv) {
    fs::path exe = dir / L"Horalto.exe";
    // A second copy in the folder starts from the program the first one runs.
    fs::copy_file(HoraltoExe(), exe, fs::copy_options::skip_existing);
    std::wstring cmd = L"\"" + exe.wstring() + L"\"";
    // The environment block: ours plus `extraEnv` ("NAME=value" lines separated by '\n').
    std::vector<wchar_t> env;
    if (!extraEnv.empty()) {
        wchar_t* block = GetEnvironmentStringsW();
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) env.insert(env.end(), p, p + wcslen(p) + 1);
        FreeEnvironmentStringsW(block);
        size_t start = 0;
        while (start < extraEnv.size()) {
            size_t end = extraEnv.find(L'\n', start);
            if (end == std::wstring::npos) end = extraEnv.size();
            env.insert(env.end(), extraEnv.begin() + start, extraEnv.begin() + end);
            env.push_back(L'\0');
            start = end + 1;
        }
        env.push_back(L'\0');
    }
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        env.empty() ? nullptr : env.data(), dir.c_str(), &si, &pi_)) {
        const DWORD error = GetLastError();
        throw std::runtime_error("CreateProcess failed, error " + std::to_string(error) + ", " +
                                 exe.string());
    }
}

RunningProgram::~RunningProgram() {
    if (!pi_.hProcess) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

namespace {
struct FindData {
    DWORD pid;
    const wchar_t* cls;
    HWND found;
};
BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* d = reinterpret_cast<FindData*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[128];
    if (pid == d->pid && GetClassNameW(hwnd, cls, 128) && wcscmp(cls, d->cls) == 0) {
        d->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND RunningProgram::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        FindData d{pi_.dwProcessId, className, nullptr};
        EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
        if (d.found) return d.found;
        if (WaitForSingleObject(pi_.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

HWND RunningProgram::WindowOfClass(const wchar_t* className) const {
    FindData d{pi_.dwProcessId, className, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

HWND RunningProgram::WaitShown() const {
    HWND hwnd = WaitForWindow(L"TfrmHoralto");
    if (hwnd) WaitFor([&] { return IsWindowVisible(hwnd) != FALSE || WaitExit(0); }, 30000);
    if (hwnd) WaitStarted();
    return hwnd;
}

bool RunningProgram::WaitStarted() const {
    HWND hwnd = WaitForWindow(L"TfrmHoralto");
    // The clock is made before the settings window: a message sent to the
    // clock is answered once the program's message loop runs.
    if (!hwnd || !WaitForWindow(L"TfrmOptions")) return false;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer)) return false;
    return WaitForInputIdle(pi_.hProcess, 30000) != WAIT_TIMEOUT;
}

std::vector<std::wstring> RunningProgram::LoadedModules() const {
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!K32EnumProcessModules(pi_.hProcess, modules.data(), DWORD(modules.size() * sizeof(HMODULE)),
                               &needed))
        return {};
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    std::vector<std::wstring> names;
    for (HMODULE m : modules) {
        wchar_t name[MAX_PATH] = {};
        if (!K32GetModuleBaseNameW(pi_.hProcess, m, name, MAX_PATH)) continue;
        std::wstring n(name);
        for (auto& c : n) c = towlower(c);
        names.push_back(n);
    }
    return names;
}

namespace {
struct DialogData {
    DWORD pid;
    HWND found = nullptr;
};
BOOL CALLBACK FindDialogProc(HWND hwnd, LPARAM lp) {
    auto* d = reinterpret_cast<DialogData*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64];
    if (pid == d->pid && IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 64) &&
        wcscmp(cls, L"#32770") == 0) {
        d->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND RunningProgram::WaitForDialog(DWORD timeoutMs) const {
    // Looked for at least once, also with no time to wait.
    for (const DWORD start = GetTickCount();;) {
        DialogData d{pi_.dwProcessId};
        EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&d));
        if (d.found) return d.found;
        if (GetTickCount() - start >= timeoutMs || WaitExit(50)) return nullptr;
    }
}

bool RunningProgram::WaitExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

long RunningProgram::CloseAndWait(const wchar_t* className, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(className, timeoutMs);
    if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    DWORD code = 0;
    if (!WaitExit(timeoutMs, &code)) return -1;
    return static_cast<long>(code);
}

struct MemoryWatch::State {
    HANDLE process = nullptr;
    std::size_t limit = 0;
    std::atomic<std::size_t> peak{0};
    std::atomic<bool> exceeded{false};
    std::atomic<bool> stop{false};
    std::thread thread;
};

MemoryWatch::MemoryWatch(const RunningProgram& program, std::size_t limit) : state_(new State) {
    state_->process = program.Process();
    state_->limit = limit;
    state_->thread = std::thread([s = state_] {
        while (!s->stop && WaitForSingleObject(s->process, 10) == WAIT_TIMEOUT) {
            PROCESS_MEMORY_COUNTERS_EX pmc{};
            pmc.cb = sizeof pmc;
            if (!K32GetProcessMemoryInfo(s->process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                                         sizeof pmc))
                continue;
            const std::size_t now =
                std::max<std::size_t>({pmc.WorkingSetSize, pmc.PeakWorkingSetSize, pmc.PrivateUsage});
            if (now > s->peak) s->peak = now;
            if (now > s->limit) {
                s->exceeded = true;
                TerminateProcess(s->process, 98);
                break;
            }
        }
    });
}

MemoryWatch::~MemoryWatch() {
    state_->stop = true;
    state_->thread.join();
    delete state_;
}

std::size_t MemoryWatch::Peak() const {
    return state_->peak;
}

bool MemoryWatch::Exceeded() const {
    return state_->exceeded;
}

}  // namespace testing_support
