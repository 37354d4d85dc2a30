#include "bench/paint_watch.h"

#include <windows.h>

#include "face/gdiplus_util.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "face/gdiplus_util.h"
#include "ui/graphics.h"
#include "ui/handles.h"

namespace bench {

namespace {

// Anti-aliased text or a face shows at least this many colours.
constexpr size_t kPaintedColours = 12;

// The screen's pixels in a rectangle, rows from the top.
std::vector<std::uint32_t> Grab(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<std::uint32_t> pixels;
    if (w <= 0 || h <= 0) return pixels;
    void* bits = nullptr;
    ui::BitmapHandle dib(ui::NewTopDownDib(w, h, &bits));
    if (!dib || !bits) return pixels;
    ui::WindowDc screen(nullptr);
    ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    {
        ui::SelectGuard select(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
        GdiFlush();
    }
    const auto* p = static_cast<const std::uint32_t*>(bits);
    pixels.assign(p, p + size_t(w) * h);
    for (auto& px : pixels) px &= 0xFFFFFF;
    return pixels;
}

std::int64_t UnixNanoseconds() {
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const std::int64_t t = (std::int64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (t - 116444736000000000LL) * 100;
}

void SavePicture(const std::vector<std::uint32_t>& pixels, int w, int h, const std::wstring& path) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return;
    {
        std::vector<std::uint32_t> opaque(pixels);
        for (auto& p : opaque) p |= 0xFF000000u;
        Gdiplus::Bitmap b(w, h, w * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(opaque.data()));
        CLSID png;
        if (face::GetEncoderClsidByMime(L"image/png", png) >= 0) b.Save(path.c_str(), &png, nullptr);
    }
    Gdiplus::GdiplusShutdown(token);
}

struct ClassSearch {
    const std::wstring* className;
    const std::set<HWND>* skip;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    if (*search->className == name && (!search->skip || !search->skip->count(hwnd)))
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> WindowsOfClass(const std::wstring& className, const std::set<HWND>* skip) {
    ClassSearch search{&className, skip, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int WatchFirstPaint(const std::wstring& className, const std::wstring& readyFile,
                    const std::wstring& picture) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const std::vector<std::uint32_t> before = Grab(screen);
    // Windows of the class that are there already belong to other programs.
    const std::vector<HWND> there = WindowsOfClass(className, nullptr);
    const std::set<HWND> others(there.begin(), there.end());
    const int screenWidth = screen.right;
    std::ofstream(std::filesystem::path(readyFile)) << "ready\n";
    const ULONGLONG deadline = GetTickCount64() + 60000;
    while (GetTickCount64() < deadline) {
        const std::vector<HWND> fresh = WindowsOfClass(className, &others);
        HWND hwnd = fresh.empty() ? nullptr : fresh.front();
        RECT r;
        if (hwnd && IsWindowVisible(hwnd) && GetWindowRect(hwnd, &r)) {
            IntersectRect(&r, &r, &screen);
            const std::vector<std::uint32_t> now = Grab(r);
            const int w = r.right - r.left, h = r.bottom - r.top;
            size_t changed = 0;
            std::set<std::uint32_t> colours;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t p = now[size_t(y) * w + x];
                    if (p != before[size_t(r.top + y) * screenWidth + r.left + x]) {
                        ++changed;
                        if (colours.size() < kPaintedColours) colours.insert(p);
                    }
                }
            // A painted window shows a fair share of its own pixels, and more
            // than the plain colour of a window not yet drawn.
            if (w > 0 && h > 0 && changed * 20 >= size_t(w) * h && colours.size() >= kPaintedColours) {
                const std::int64_t at = UnixNanoseconds();
                std::printf("painted %lld\n", static_cast<long long>(at));
                std::fflush(stdout);
                if (!picture.empty()) SavePicture(now, w, h, picture);
                return 0;
            }
        }
        Sleep(2);
    }
    std::printf("never painted\n");
    return 1;
}

}  // namespace bench
