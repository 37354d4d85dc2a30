#include "options/page_system_clock.h"

#include "options/frm_options.h"

TPageSystemClock::TPageSystemClock(ui::PageControl& pgcOptions)
    : TabSheet2(pgcOptions, L"TabSheet2", L"Системные") {}

TfrmOptions& TPageSystemClock::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageSystemClock::BindSystemClockPageSettings(core::SettingHomes&) {}

void TPageSystemClock::CopySystemClockPageSettings() {}
