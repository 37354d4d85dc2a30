// horalto_bench.exe: the clock's costs, read side by side with a bare window.
//   horalto_bench ticks [N]              per-tick cost of every step, memory over an hour of drawings
//   horalto_bench watch CLASS READY [PNG] the first paint of a window of CLASS (see paint_watch.h)
//   horalto_bench startclose formats|oneline|tasks|plain EXE DIR SIZE [TIMEOUT_MS [ANSWER_SECONDS [speak]]]
//                                        start and close of EXE with large data files, and the clock's
//                                        answers while it ticks (and speaks) between them (see start_close.h)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "bench/paint_watch.h"
#include "bench/start_close.h"
#include "bench/tick_bench.h"

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"ticks";
    if (mode == L"ticks") return bench::RunTickBench(argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 300);
    if (mode == L"watch" && argc > 3)
        return bench::WatchFirstPaint(argv[2], argv[3], argc > 4 ? argv[4] : L"");
    if (mode == L"startclose" && argc > 5) {
        const int size = std::wcstol(argv[5], nullptr, 10);
        const unsigned timeoutMs = argc > 6 ? std::wcstoul(argv[6], nullptr, 10) : 120000;
        const int answerSeconds = argc > 7 ? std::wcstol(argv[7], nullptr, 10) : 0;
        const bool speak = argc > 8 && std::wstring(argv[8]) == L"speak";
        if (!bench::PrepareLargeData(argv[2], argv[4], size)) return 2;
        return bench::MeasureStartClose(argv[2], argv[3], argv[4], size, timeoutMs, answerSeconds, speak);
    }
    std::fprintf(
        stderr,
        "usage: horalto_bench ticks [N] | watch CLASS READYFILE [PNG] |"
        " startclose formats|oneline|tasks|plain EXE DIR SIZE [TIMEOUT_MS [ANSWER_SECONDS [speak]]]\n");
    return 2;
}
