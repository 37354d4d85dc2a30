// Stand-in until the tray icon (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::SetTrayIconHint(const std::wstring&) {}
