// A timer: OnTimer every Interval milliseconds while Enabled (a new timer is
// enabled, with 1000 ms). Ticks come through the message loop.
#pragma once

#include <windows.h>

#include "ui/component.h"
#include "ui/events.h"

namespace ui {

class Timer : public Component {
  public:
    explicit Timer(Form* owner, std::wstring name = {});
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    UINT Interval() const { return interval_; }
    // Setting the interval restarts a running timer.
    void SetInterval(UINT ms);

    NotifyEvent OnTimer;

    static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    void Update();
    bool enabled_ = true;
    UINT interval_ = 1000;
    UINT_PTR id_;
    bool running_ = false;
};

}  // namespace ui
