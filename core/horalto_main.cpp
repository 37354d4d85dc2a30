// Entry point of Horalto.exe.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTickTimer = 1;

void PaintTime(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SYSTEMTIME st;
    GetLocalTime(&st);
    wchar_t text[16];
    std::swprintf(text, 16, L"%d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
    RECT rc;
    GetClientRect(hwnd, &rc);
    DrawTextW(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            SetTimer(hwnd, kTickTimer, 1000, nullptr);
            return 0;
        case WM_TIMER:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            PaintTime(hwnd);
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd, kTickTimer);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"TfrmHoralto";
    wc.style = CS_DBLCLKS;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, L"TfrmHoralto", L"Horalto", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                200, 100, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
