// Stand-in until the tray icon (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::SetTrayIconVisible(bool) {}
