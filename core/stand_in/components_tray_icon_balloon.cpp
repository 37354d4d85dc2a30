// Stand-in until the tray icon (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::TrayIconShowBalloonHint(const std::wstring&, const std::wstring&, int, int) {}
