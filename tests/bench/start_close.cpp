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

namespace bench {

namespace {

namespace fs = std::filesystem;

struct FormatKey {
    const wchar_t* section;
    const wchar_t* key;
    bool oneLine;  // kept as a plain one-line string
};

const FormatKey kFormatKeys[] = {
    {L"Main", L"FormatTextMain", false},        {L"Main", L"FormatTextHint", false},
    {L"SystemClock", L"FormatTextTray", false}, {L"Sound", L"FormatSpeakHour", false},
    {L"Sound", L"FormatSpeakInterval", false},  {L"Speech", L"FormatSpeakTime", false},
    {L"Mouse", L"FormatTextOnClick", false},    {L"Mouse", L"FormatTextOnDblClick", false},
    {L"Mouse", L"FormatSpeakOnClick", true},    {L"Mouse", L"FormatSpeakOnDblClick", true},
    {L"TimeFormats", L"Большой формат", false},
};

// Lines of a template, about `size` characters in all.
std::wstring LargeFormatText(int size, const std::wstring& tag) {
    std::wstring text;
    text.reserve(static_cast<size_t>(size) + 64);
    for (int i = 0; static_cast<int>(text.size()) < size; ++i) {
        if (i) text += L"\r\n";
        text += tag + L" строка " + std::to_wstring(i) + L": <tt>, W<%dtt>, \"в кавычках\"";
    }
    return text;
}

std::wstring OneLineText(int size, const std::wstring& tag) {
    std::wstring text = tag;
    while (static_cast<int>(text.size()) < size) text += L" говорю <t> и <d mmmm>,";
    return text;
}

std::wstring TimeText(int seconds) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return text;
}

std::wstring DescriptionOf(int i) {
    return std::wstring(1, L'\1') + L"Задача номер " + std::to_wstring(i);
}

// The rows of the task file as the program keeps them: the descriptions, sorted.
std::vector<std::wstring> Descriptions(const planner::TaskGrid& grid) {
    std::vector<std::wstring> d;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const std::wstring cell = grid.Cell(planner::kColDescription, r);
        if (!cell.empty()) d.push_back(cell);
    }
    std::sort(d.begin(), d.end());
    return d;
}

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
        planner::TaskTable given, saved;
        for (int i = 0; i < size; ++i) {
            given.SetRowCount(given.RowCount() + 1);
            given.SetCell(planner::kColDescription, i + 1, DescriptionOf(i));
        }
        planner::LoadTaskFile(dir / L"TasksList.tsk", saved);
        std::printf("%s\n", Descriptions(given) == Descriptions(saved) ? "kept" : "tasks differ");
        return;
    }
    base::IniFile ini(dir / L"Horalto.ini");
    int differ = 0;
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring want = k.oneLine ? OneLineText(size, k.key) : LargeFormatText(size, k.key);
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
        planner::TaskTable grid;
        for (int i = 0; i < size; ++i) {
            const int row = grid.RowCount() - 1;
            grid.SetRowCount(grid.RowCount() + 1);
            grid.SetCell(planner::kColDay, row, L"*Ежедневно");
            grid.SetCell(planner::kColTime, row, TimeText(i * 7));
            grid.SetCell(planner::kColDescription, row, DescriptionOf(i));
        }
        base::WriteFileBytes(dir / L"TasksList.tsk", planner::TaskFileBytes(grid));
        return true;
    }
    if (kind != L"formats") return false;
    base::IniFile ini(dir / L"Horalto.ini");
    for (const FormatKey& k : kFormatKeys)
        ini.WriteString(
            k.section, k.key,
            k.oneLine ? OneLineText(size, k.key) : base::StoredTextValue(LargeFormatText(size, k.key)));
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
