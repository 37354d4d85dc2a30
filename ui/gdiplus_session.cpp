#include "ui/gdiplus_session.h"

#include <objidl.h>
#include <gdiplus.h>

#include "ui/exception.h"

namespace ui {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
        throw Exception(L"GDI+ could not be started");
}

GdiplusSession::~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace ui
