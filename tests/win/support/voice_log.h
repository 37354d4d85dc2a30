// What the running program said: the stand-in voice of the test prefix appends
// every text it is asked to speak to the file named by HORALTO_TEST_VOICE_LOG.
// With an interval signal that speaks every second, the log also tells a test
// that the program's clock has ticked, which a check that something did not
// happen waits for.
#pragma once

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

namespace testing_support {

// The environment line that points the stand-in voice of a started program at `log`.
inline std::wstring VoiceLogEnvironment(const std::filesystem::path& log) {
    return L"HORALTO_TEST_VOICE_LOG=" + log.wstring();
}

// The spoken lines of the log, without the voice's rate and pitch tags.
inline std::vector<std::wstring> SpokenLines(const std::filesystem::path& log) {
    std::ifstream in(log, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::vector<std::wstring> lines;
    std::wstringstream all(ui::WideFromNarrow(s.str()));
    for (std::wstring line; std::getline(all, line);)
        if (!line.starts_with(L"<")) lines.push_back(line);
    return lines;
}

inline size_t CountOf(const std::vector<std::wstring>& lines, const std::wstring& text) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), text));
}

// The word the interval signal of WriteTickingClock speaks.
inline const wchar_t* TickWord() {
    return L"тик";
}

// Settings in `ini` that make the clock say TickWord() on every second of its own
// timer, silently otherwise.
inline void WriteTickingClock(base::IniFile& ini) {
    ini.WriteBool(L"Sound", L"PlaySignalSec", true);
    ini.WriteInteger(L"Sound", L"PlayInterval", 1);
    ini.WriteBool(L"Sound", L"PlaySoundSec", false);
    ini.WriteBool(L"Sound", L"SpeakInterval", true);
    ini.WriteString(L"Sound", L"FormatSpeakInterval", std::wstring(L"_") + TickWord());
}

// The ticks the clock has said so far.
inline size_t TicksSaid(const std::filesystem::path& log) {
    return CountOf(SpokenLines(log), TickWord());
}

// Waits until the clock has said two more ticks than `before`. The second of
// them comes from a timer tick that fell due after the first was handled, so
// whatever the program had been given to do before it (posted messages and
// timers set to run at once) has run by then.
inline bool WaitForTwoTicksAfter(const std::filesystem::path& log, size_t before, DWORD ms = 20000) {
    return WaitFor([&] { return TicksSaid(log) >= before + 2; }, ms);
}

}  // namespace testing_support
