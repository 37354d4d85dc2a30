// The whole program speaks under Wine: the stand-in voice of the test prefix
// writes every text it is asked to speak into a log. The program runs in a time
// zone shifted so that its clock shows 20:59 and reaches 21:00 within a minute:
// the interval signal speaks every 3 seconds, Ctrl+T says the time, and at
// 21:00 the hour is spoken.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "ui/exception.h"
#include "win/support/program_runner.h"
#include "win/support/voice_log.h"

using namespace testing_support;

namespace {

// A POSIX time zone in which the local time is now 20:59 (UTC seconds kept).
std::wstring ZoneShowing2059() {
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    int offset = (20 * 60 + 59) - (utc.wHour * 60 + utc.wMinute);
    offset = ((offset % 1440) + 1440) % 1440;
    if (offset > 720) offset -= 1440;
    const int a = offset < 0 ? -offset : offset;
    wchar_t zone[32];
    // POSIX counts west of Greenwich as positive.
    swprintf(zone, 32, L"HOR%c%02d:%02d", offset >= 0 ? L'-' : L'+', a / 60, a % 60);
    return zone;
}

void PressCtrlT() {
    INPUT in[4] = {};
    for (auto& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = 'T';
    in[2].ki.wVk = 'T';
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_CONTROL;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
}

// Horalto.exe copied into `dir` and started in another time zone. Wine takes a
// process's time zone from its Unix environment, which a Windows parent can't
// set for a Windows child: the program is started through the Unix `env`.
class ProgramInZone {
  public:
    ProgramInZone(const std::filesystem::path& dir, const std::wstring& zone, const std::wstring& extraEnv) {
        const std::filesystem::path exe = dir / L"Horalto.exe";
        std::filesystem::copy_file(HoraltoExe(), exe, std::filesystem::copy_options::overwrite_existing);
        std::wstring cmd = L"env TZ=" + zone + L" " + extraEnv + L" /usr/bin/wine \"" + exe.wstring() + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        if (CreateProcessW(L"Z:\\usr\\bin\\env", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                           &si, &pi)) {
            if (pi.hThread) CloseHandle(pi.hThread);
            if (pi.hProcess) CloseHandle(pi.hProcess);
        }
    }
    ~ProgramInZone() {
        if (process_) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            CloseHandle(process_);
        }
    }
    HWND WaitForMainWindow(DWORD ms = 20000) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            if (HWND main = FindWindowW(L"TfrmHoralto", nullptr)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(main, &pid);
                process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                                       FALSE, pid);
                return main;
            }
            Sleep(50);
        }
        return nullptr;
    }
    long CloseAndWait(HWND main, DWORD ms = 15000) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        return static_cast<long>(code);
    }

  private:
    HANDLE process_ = nullptr;
};

std::string Joined(const std::vector<std::wstring>& lines) {
    std::string all;
    for (const auto& line : lines) all += "[" + ui::Utf8FromWide(line) + "]\n";
    return all;
}

TEST(SpeechEndToEnd, IntervalSpeechSpokenTimeAndTheHour) {
    // Start early in a minute, so that the minute before the hour leaves time
    // for the interval and the spoken time.
    WaitFor(
        [] {
            SYSTEMTIME t;
            GetSystemTime(&t);
            return t.wSecond < 35;
        },
        35000);

    ScratchDir dir(L"speech-e2e");
    const std::filesystem::path log = dir.Path() / L"voice.log";
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        ini.WriteBool(L"Sound", L"PlaySoundHour", false);
        ini.WriteBool(L"Sound", L"SpeakHour", true);
        ini.WriteString(L"Sound", L"FormatSpeakHour", L"_\"<h час. ровно>\"");
        ini.WriteBool(L"Sound", L"PlaySignalSec", true);
        ini.WriteInteger(L"Sound", L"PlayInterval", 3);
        ini.WriteBool(L"Sound", L"SpeakInterval", true);
        ini.WriteString(L"Sound", L"FormatSpeakInterval", L"_Интервал");
        ini.WriteString(L"Speech", L"FormatSpeakTime", L"_<t>");
        ini.UpdateFile();
    }
    const std::wstring zone = ZoneShowing2059();
    ProgramInZone program(dir.Path(), zone, L"HORALTO_TEST_VOICE_LOG=\"" + log.wstring() + L"\"");
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    // The interval speech comes every 3 seconds once the program runs, which
    // on a loaded machine may be many seconds after its window is made.
    ASSERT_TRUE(WaitFor([&] { return CountOf(SpokenLines(log), L"интервал") >= 2; }, 20000))
        << "interval speech missing (zone " << std::string(zone.begin(), zone.end()) << "), said:\n"
        << Joined(SpokenLines(log));

    // "Сказать время" through the action's shortcut, while the clock shows 20:59.
    SetForegroundWindow(main);
    PressCtrlT();
    const std::wstring spokenTime = L"двадцать  часов, пятьдесят девять  минут, . ";
    EXPECT_TRUE(WaitFor([&] { return CountOf(SpokenLines(log), spokenTime) == 1; }, 5000));

    // At 21:00 the hour is spoken, once.
    const std::wstring hour = L"двадцать один  час, ровно";
    EXPECT_TRUE(WaitFor([&] { return CountOf(SpokenLines(log), hour) == 1; }, 65000));
    // A second hour signal would come on one of the next ticks, before the
    // next two interval signals.
    const size_t intervals = CountOf(SpokenLines(log), L"интервал");
    EXPECT_TRUE(WaitFor([&] { return CountOf(SpokenLines(log), L"интервал") >= intervals + 2; }, 20000));
    EXPECT_EQ(program.CloseAndWait(main), 0);

    const auto lines = SpokenLines(log);
    EXPECT_EQ(CountOf(lines, hour), 1u);
    EXPECT_EQ(CountOf(lines, L"интервал") + CountOf(lines, hour) + CountOf(lines, spokenTime), lines.size())
        << "unexpected texts were spoken:\n"
        << Joined(lines);
}

}  // namespace
