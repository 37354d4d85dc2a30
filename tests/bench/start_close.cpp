#include "bench/start_close.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/codec.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "bench/stopwatch.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/large_data.h"

namespace bench {

using testing_support::DailyTasks;
using testing_support::FormatKey;
using testing_support::kFormatKeys;
using testing_support::LargeFormatText;
using testing_support::LargeOneLineText;
using testing_support::SortedDescriptions;
using testing_support::WriteTaskFile;

namespace {

namespace fs = std::filesystem;

// The window of `className` of the process, or null.
HWND WindowOf(DWORD pid, const wchar_t* className) {
    struct Search {
        DWORD pid;
        const wchar_t* cls;
        HWND found;
    } search{pid, className, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[64] = {};
            if (owner != s.pid || !GetClassNameW(hwnd, cls, 64) || wcscmp(cls, s.cls) != 0) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Figure(double ms) {
    return ms < 0 ? std::string("-") : std::to_string(static_cast<long long>(ms));
}

void PrintCheck(const std::wstring& kind, const fs::path& dir, int size) {
    if (kind == L"plain") {
        std::printf("-\n");
        return;
    }
    if (kind == L"tasks") {
        planner::TaskTable saved;
        planner::LoadTaskFile(dir / L"TasksList.tsk", saved);
        std::printf("%s\n", SortedDescriptions(DailyTasks(size)) == SortedDescriptions(saved)
                                ? "kept"
                                : "tasks differ");
        return;
    }
    base::IniFile ini(dir / L"Horalto.ini");
    int differ = 0;
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring want = k.oneLine ? LargeOneLineText(size, k.key) : LargeFormatText(size, k.key);
        const std::wstring stored = ini.ReadString(k.section, k.key, L"");
        if ((k.oneLine ? stored : base::ReadStoredTextValue(stored)) != want) ++differ;
    }
    if (differ)
        std::printf("%d format texts differ\n", differ);
    else
        std::printf("kept\n");
}

}  // namespace

bool PrepareLargeData(const std::wstring& kind, const fs::path& dir, int size) {
    fs::create_directories(dir);
    if (kind == L"plain") return true;
    if (kind == L"tasks") {
        WriteTaskFile(dir, DailyTasks(size));
        return true;
    }
    if (kind != L"formats") return false;
    base::IniFile ini(dir / L"Horalto.ini");
    for (const FormatKey& k : kFormatKeys)
        ini.WriteString(
            k.section, k.key,
            k.oneLine ? LargeOneLineText(size, k.key) : base::StoredTextValue(LargeFormatText(size, k.key)));
    // The formats chosen for the uses name no stored format: the texts stay as read.
    ini.UpdateFile();
    return true;
}

int MeasureStartClose(const std::wstring& kind, const fs::path& exe, const fs::path& dir, int size,
                      unsigned timeoutMs) {
    const fs::path copy = dir / L"Horalto.exe";
    fs::copy_file(exe, copy, fs::copy_options::overwrite_existing);
    std::wstring cmd = L"\"" + copy.wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double t0 = NowMs();
    if (!CreateProcessW(copy.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                        &pi)) {
        std::printf("start - close - (cannot start)\n");
        return 1;
    }
    // Ready: the settings window is made and the main window answers from the message loop.
    double start = -1, close = -1;
    HWND main = nullptr;
    while (NowMs() - t0 < timeoutMs) {
        main = WindowOf(pi.dwProcessId, L"TfrmHoralto");
        if (main && WindowOf(pi.dwProcessId, L"TfrmOptions")) {
            DWORD_PTR answer = 0;
            const double left = timeoutMs - (NowMs() - t0);
            if (left > 0 &&
                SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(left), &answer) &&
                WaitForInputIdle(pi.hProcess,
                                 static_cast<DWORD>(std::max(0.0, timeoutMs - (NowMs() - t0)))) == 0) {
                start = NowMs() - t0;
                break;
            }
        }
        if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0) break;
    }
    if (start >= 0) {
        const double t1 = NowMs();
        PostMessageW(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) close = NowMs() - t1;
    }
    std::printf("start %s close %s ", Figure(start).c_str(), Figure(close).c_str());
    if (close < 0) {
        TerminateProcess(pi.hProcess, 99);
        WaitForSingleObject(pi.hProcess, 5000);
        std::printf("(not closed)\n");
    } else {
        PrintCheck(kind, dir, size);
    }
    std::fflush(stdout);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return close < 0 ? 1 : 0;
}

}  // namespace bench
