#include "options/page_mouse.h"

#include "options/frm_options.h"

TPageMouse::TPageMouse(ui::PageControl& pgcOptions) : tbsMouse(pgcOptions, L"tbsMouse", L"Мышь") {}

TfrmOptions& TPageMouse::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageMouse::BindMousePageSettings(core::SettingHomes&) {}

void TPageMouse::CopyMousePageSettings() {}
