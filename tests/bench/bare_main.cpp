// horalto_bare.exe: the bare window alone, ticking once a second, as small as a
// GDI+ clock can be (the yardstick for idle CPU, memory and start-up).
//   horalto_bare [LEFT TOP]
#include <windows.h>

#include <cwchar>

#include "bench/bare_clock.h"

int wmain(int argc, wchar_t** argv) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
    {
        bench::BareClock bare(argc > 2 ? std::wcstol(argv[1], nullptr, 10) : 600,
                              argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 20);
        bare.RunTicking();
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
