#include "bench/start_close.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "bench/stopwatch.h"
#include "core/horalto_globals.h"
#include "planner/next_run.h"
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
        planner::LoadTaskFile(dir / L"TasksList.tsk", saved,
                              planner::ScheduleCellReader(base::SystemFormatSettings(), Now()));
        std::printf("%s\n", SortedDescriptions(DailyTasks(size)) == SortedDescriptions(saved)
                                ? "kept"
                                : "tasks differ");
        return;
    }
    base::IniFile ini(dir / L"Horalto.ini");
    int differ = 0;
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring want =
            k.oneLine || kind == L"oneline" ? LargeOneLineText(size, k.key) : LargeFormatText(size, k.key);
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
    if (kind != L"formats" && kind != L"oneline") return false;
    base::IniFile ini(dir / L"Horalto.ini");
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring text =
            kind == L"oneline" ? LargeOneLineText(size, k.key) : LargeFormatText(size, k.key);
        ini.WriteString(k.section, k.key,
                        k.oneLine ? LargeOneLineText(size, k.key) : base::StoredTextValue(text));
    }
    // The formats chosen for the uses name no stored format: the texts stay as read.
    ini.UpdateFile();
    return true;
}

namespace {

// Ctrl+Alt+T, the hot key that says the time.
void PressSayTheTime() {
    INPUT in[6] = {};
    const WORD keys[3] = {VK_CONTROL, VK_MENU, 'T'};
    for (int i = 0; i < 3; ++i) {
        in[i].type = in[5 - i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = in[5 - i].ki.wVk = keys[i];
        in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, in, sizeof(INPUT));
}

// The texts the stand-in voice was handed: one line each, rate and pitch tags aside.
int SpokenTexts(const fs::path& log) {
    std::ifstream in(log, std::ios::binary);
    int count = 0;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '<') ++count;
    return count;
}

struct Answers {
    std::vector<double> ms;
    int lost = 0;

    void Print(const char* prefix) {
        std::sort(ms.begin(), ms.end());
        const double median = ms.empty() ? -1 : ms[ms.size() / 2];
        const double most = ms.empty() ? -1 : ms.back();
        const auto slow = std::count_if(ms.begin(), ms.end(), [](double v) { return v > 250; });
        std::printf("%sanswers %d %smedian %.1f %smax %.1f %sover250 %d ", prefix,
                    static_cast<int>(ms.size()), prefix, median, prefix, most, prefix,
                    static_cast<int>(slow) + lost);
    }
};

// Sends the clock a message every 100 ms for `seconds` while it ticks, and
// prints how long it took to answer them. With a voice log, it also says the
// time (Ctrl+Alt+T) every 2 s from the first second on: the answers to the
// messages sent in the second after each press are counted apart ("s..."),
// and "said <texts spoken>/<presses>" follows.
void MeasureAnswers(HWND main, int seconds, unsigned timeoutMs, const fs::path& voiceLog) {
    Answers ticking, speaking;
    int presses = 0;
    double lastPress = -1e9;
    const double begin = NowMs();
    const int spokenBefore = voiceLog.empty() ? 0 : SpokenTexts(voiceLog);
    for (const double end = begin + seconds * 1000.0; NowMs() < end;) {
        if (!voiceLog.empty() && NowMs() - begin >= 1000.0 + presses * 2000.0) {
            PressSayTheTime();
            lastPress = NowMs();
            ++presses;
        }
        const double sent = NowMs();
        Answers& group = sent - lastPress < 1000.0 ? speaking : ticking;
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer))
            group.ms.push_back(NowMs() - sent);
        else
            ++group.lost;
        const double wait = sent + 100 - NowMs();
        if (wait > 0) Sleep(static_cast<DWORD>(wait));
    }
    ticking.Print("");
    if (voiceLog.empty()) return;
    speaking.Print("s");
    std::printf("said %d/%d ", SpokenTexts(voiceLog) - spokenBefore, presses);
}

}  // namespace

int MeasureStartClose(const std::wstring& kind, const fs::path& exe, const fs::path& dir, int size,
                      unsigned timeoutMs, int answerSeconds, bool speak) {
    const fs::path copy = dir / L"Horalto.exe";
    fs::copy_file(exe, copy, fs::copy_options::overwrite_existing);
    // The stand-in voice, where the prefix has it, writes what it says here.
    const fs::path voiceLog = speak ? dir / L"voice.log" : fs::path();
    SetEnvironmentVariableW(L"HORALTO_TEST_VOICE_LOG", speak ? voiceLog.c_str() : nullptr);
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
    std::printf("start %s ", Figure(start).c_str());
    if (start >= 0 && answerSeconds > 0) MeasureAnswers(main, answerSeconds, timeoutMs, voiceLog);
    if (start >= 0) {
        const double t1 = NowMs();
        PostMessageW(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) close = NowMs() - t1;
    }
    std::printf("close %s ", Figure(close).c_str());
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
