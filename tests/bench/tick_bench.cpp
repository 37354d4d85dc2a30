#include "bench/tick_bench.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bare_clock.h"
#include "bench/bench_stats.h"
#include "bench/stopwatch.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/clock_face.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "ui/application.h"

namespace bench {

namespace {

void Pump() {
    ui::Application().ProcessMessages();
}

// The main window's timers stay off: the bench calls each step itself.
void StopClockTimers(TfrmHoralto& f) {
    f.tmrTimer.SetEnabled(false);
    f.tmrTrayTimer.SetEnabled(false);
}

struct Memory {
    double privateMb = 0, workingSetMb = 0;
};

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    pmc.cb = sizeof(pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc));
    // Wine leaves PrivateUsage empty and counts the committed memory in PagefileUsage.
    const SIZE_T priv = pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
    return {double(priv) / (1024.0 * 1024.0), double(pmc.WorkingSetSize) / (1024.0 * 1024.0)};
}

// The time of day a given number of ticks after now: the bench runs its ticks
// back to back, but the hands must move as far as on a real clock.
SYSTEMTIME TickTime(int tick, int intervalMs) {
    static const ULONGLONG start = [] {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        return (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    }();
    const ULONGLONG t = start + ULONGLONG(tick) * ULONGLONG(intervalMs) * 10000ULL;
    FILETIME utc{DWORD(t), DWORD(t >> 32)}, local;
    FileTimeToLocalFileTime(&utc, &local);
    SYSTEMTIME result;
    FileTimeToSystemTime(&local, &result);
    return result;
}

// One skin-mode tick in its steps, as the main timer runs them.
void SkinTicks(TfrmHoralto& f, int ticks, const char* title) {
    std::vector<double> mainText, hintText, worker, face, update, total;
    face::SkinSet& main = f.Face().MainSkin;
    const int interval = int(f.tmrTimer.Interval());
    for (int i = 0; i < ticks + 10; ++i) {
        std::wstring text;
        const SYSTEMTIME at = TickTime(i, interval);
        const double start = NowMs();
        Time(mainText, [&] { text = f.BuildFormatText(f.Settings.Main.FormatTextMain); });
        Time(face, [&] { face::DrawClockFace(main, text, at); });
        Time(update, [&] { f.UpdateLayered(); });
        Time(worker, [&] { f.TickWork(); });
        total.push_back(NowMs() - start);
        Time(hintText, [&] { f.BuildFormatText(f.Settings.Main.FormatTextHint); });
        Pump();
        if (i == 9)  // the first few ticks warm the caches up
            for (auto* s : {&mainText, &hintText, &worker, &face, &update, &total}) s->clear();
    }
    PrintHeader(title);
    PrintRow("main text build", mainText);
    PrintRow("hint text build", hintText);
    PrintRow("per-second worker (with hints)", worker);
    PrintRow("face drawing", face);
    PrintRow("window update", update);
    PrintRow("whole tick", total);
}

void TextTicks(TfrmHoralto& f, int ticks) {
    std::vector<double> mainText, refresh, worker, total;
    for (int i = 0; i < ticks + 10; ++i) {
        std::wstring text;
        const double start = NowMs();
        Time(mainText, [&] { text = f.BuildFormatText(f.Settings.Main.FormatTextMain); });
        Time(refresh, [&] { f.RefreshDisplay(text, false, false); });
        Time(worker, [&] { f.TickWork(); });
        total.push_back(NowMs() - start);
        Pump();
        if (i == 9)
            for (auto* s : {&mainText, &refresh, &worker, &total}) s->clear();
    }
    PrintHeader("Text-only clock (skin \"Нет\")");
    PrintRow("main text build", mainText);
    PrintRow("display refresh", refresh);
    PrintRow("per-second worker (with hints)", worker);
    PrintRow("whole tick", total);
}

void BareTicks(BareClock& bare, int ticks) {
    std::vector<double> text, draw, total;
    for (int i = 0; i < ticks + 10; ++i) {
        std::wstring t;
        const double start = NowMs();
        Time(text, [&] { t = bare.BuildText(); });
        Time(draw, [&] {
            HDC dc = GetDC(bare.Handle());
            bare.Draw(dc, t);
            ReleaseDC(bare.Handle(), dc);
        });
        total.push_back(NowMs() - start);
        Pump();
        if (i == 9)
            for (auto* s : {&text, &draw, &total}) s->clear();
    }
    PrintHeader("Bare GDI+ window (time text only)");
    PrintRow("text build", text);
    PrintRow("drawing", draw);
    PrintRow("whole tick", total);
}

void Reload(TfrmHoralto& f) {
    f.RefreshDisplay(f.BuildFormatText(f.Settings.Main.FormatTextMain), true, false);
    StopClockTimers(f);
    Pump();
}

void MemoryOverAnHour(TfrmHoralto& f) {
    face::SkinSet& main = f.Face().MainSkin;
    const std::wstring text = f.BuildFormatText(f.Settings.Main.FormatTextMain);
    for (int i = 0; i < 20; ++i) face::DrawClockFace(main, text, TickTime(i, 1000));
    const Memory before = MemoryNow();
    for (int i = 0; i < 3600; ++i) {
        face::DrawClockFace(main, text, TickTime(20 + i, 1000));
        f.UpdateLayered();
        if (i % 50 == 0) Pump();
    }
    const Memory after = MemoryNow();
    std::printf("\n3,600 face drawings with window updates (an hour of ticks)\n");
    std::printf("  private bytes   before %8.2f MB   after %8.2f MB   growth %+.2f MB\n", before.privateMb,
                after.privateMb, after.privateMb - before.privateMb);
    std::printf("  working set     before %8.2f MB   after %8.2f MB   growth %+.2f MB\n", before.workingSetMb,
                after.workingSetMb, after.workingSetMb - before.workingSetMb);
}

}  // namespace

int RunTickBench(int ticks) {
    InitUnitGlobals();
    ui::TApplication& app = ui::Application();
    app.Initialize();
    app.SetTitle(L"Horalto");
    app.CreateForm(frmHoralto);
    app.CreateForm(frmOptions);
    TfrmHoralto& f = *frmHoralto;
    f.Show();
    for (const double start = NowMs(); f.Tag() != 0 && NowMs() - start < 15000;) {
        Pump();
        Sleep(5);
    }
    if (f.Tag() != 0) {
        std::printf("the main window was never painted\n");
        return 1;
    }
    StopClockTimers(f);
    BareClock bare(600, 20);
    Pump();

    std::printf(
        "Per-tick cost over %d ticks, default settings (built-in skin, layered window, %u ms timer)\n", ticks,
        unsigned(f.tmrTimer.Interval()));
    SkinTicks(f, ticks, "Horalto main window");
    BareTicks(bare, ticks);

    f.tmrTimer.SetInterval(500);
    Reload(f);
    SkinTicks(f, ticks, "Horalto main window, smooth second hand (500 ms timer)");
    f.tmrTimer.SetInterval(1000);
    Reload(f);

    MemoryOverAnHour(f);

    f.Settings.Window.MainSkinIndex = 0;
    f.RefreshDisplay(f.BuildFormatText(f.Settings.Main.FormatTextMain), true, true);
    StopClockTimers(f);
    Pump();
    TextTicks(f, ticks);
    std::fflush(stdout);
    // The scratch folder is thrown away: nothing to save.
    ExitProcess(0);
}

}  // namespace bench
