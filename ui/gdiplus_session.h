// Starts GDI+ for the life of the object and shuts it down after.
#pragma once

#include <windows.h>

#include <cstdint>

namespace ui {

class GdiplusSession {
  public:
    GdiplusSession();  // throws ui::Exception when GDI+ cannot start
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    ULONG_PTR Token() const { return token_; }

  private:
    ULONG_PTR token_ = 0;
};

}  // namespace ui
