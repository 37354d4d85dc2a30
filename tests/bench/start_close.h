// The start and the close of the real Horalto.exe with large data files: the
// time from launch until the settings window is made and the message loop
// answers, and from WM_CLOSE until the process has ended.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

// The prepared data files: "formats" puts a format text of about `size`
// characters (many template lines; the one-line keys one long line) into
// every format key of Horalto.ini; "oneline" puts one template line of about
// `size` characters into every format key; "tasks" writes a TasksList.tsk of
// `size` daily tasks; "plain" writes nothing (the default settings).
bool PrepareLargeData(const std::wstring& kind, const std::filesystem::path& dir, int size);

// Starts `exe` (copied into `dir`), waits at most timeoutMs for each of the
// two steps and prints "start <ms> close <ms>" ("-" for a step that did not
// end in time; the process is then ended). Then checks the files the
// program wrote against what it was given and prints "kept" or what differs.
// With answerSeconds, the clock is sent a message every 100 ms for that long
// between the two steps (each waited for at most timeoutMs), and
// "answers <count> median <ms> max <ms> over250 <count>" comes before "close".
// With speak, the program's voice (the stand-in voice of the tests, where the
// prefix has it) writes into <dir>/voice.log, the time is said by its hot key
// every 2 s meanwhile, and the answers of the second after each press come
// apart: "sanswers <count> smedian <ms> smax <ms> sover250 <count> said
// <texts spoken>/<presses>".
int MeasureStartClose(const std::wstring& kind, const std::filesystem::path& exe,
                      const std::filesystem::path& dir, int size, unsigned timeoutMs, int answerSeconds = 0,
                      bool speak = false);

}  // namespace bench
