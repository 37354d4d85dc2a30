#include "bench/bare_clock.h"

#include <cwchar>

namespace bench {

namespace {
constexpr int kWidth = 160, kHeight = 40;
constexpr UINT_PTR kTimerId = 1;
}  // namespace

BareClock::BareClock(int left, int top) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&wc);
    font_ = std::make_unique<Gdiplus::Font>(L"Arial", 16.0f, Gdiplus::FontStyleBold);
    hwnd_ =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"Bare clock", WS_POPUP | WS_VISIBLE,
                        left, top, kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BareClock::~BareClock() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::wstring BareClock::BuildText() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t text[16];
    std::swprintf(text, 16, L"%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    return text;
}

void BareClock::Draw(HDC dc, const std::wstring& text) {
    Gdiplus::Graphics g(dc);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    g.Clear(Gdiplus::Color(255, 255, 255, 255));
    Gdiplus::SolidBrush brush(Gdiplus::Color(255, 0, 0, 0));
    g.DrawString(text.c_str(), -1, font_.get(), Gdiplus::PointF(8, 6), &brush);
}

void BareClock::RunTicking() {
    SetTimer(hwnd_, kTimerId, 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT CALLBACK BareClock::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<BareClock*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_TIMER:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (self) self->Draw(dc, self->BuildText());
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            if (self) self->hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace bench
