// The yardstick: a bare window that draws only the time text with GDI+, once a
// second, and nothing else.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>

namespace bench {

class BareClock {
  public:
    BareClock(int left, int top);
    ~BareClock();
    BareClock(const BareClock&) = delete;
    BareClock& operator=(const BareClock&) = delete;

    HWND Handle() const { return hwnd_; }
    // The time text as it would show now.
    std::wstring BuildText() const;
    // Draws the text into the window's device context.
    void Draw(HDC dc, const std::wstring& text);
    // Ticks once a second until the window is closed.
    void RunTicking();

    static constexpr wchar_t kClassName[] = L"HoraltoBenchBareClock";

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
    std::unique_ptr<Gdiplus::Font> font_;
};

}  // namespace bench
