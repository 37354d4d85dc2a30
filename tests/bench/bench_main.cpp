// horalto_bench.exe: the clock's costs, read side by side with a bare window.
//   horalto_bench ticks [N]              per-tick cost of every step, memory over an hour of drawings
//   horalto_bench watch CLASS READY [PNG] the first paint of a window of CLASS (see paint_watch.h)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "bench/paint_watch.h"
#include "bench/tick_bench.h"

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"ticks";
    if (mode == L"ticks") return bench::RunTickBench(argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 300);
    if (mode == L"watch" && argc > 3)
        return bench::WatchFirstPaint(argv[2], argv[3], argc > 4 ? argv[4] : L"");
    std::fprintf(stderr, "usage: horalto_bench ticks [N] | watch CLASS READYFILE [PNG]\n");
    return 2;
}
