// Stand-in until the tray icon (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

bool TfrmHoralto::TrayIconVisible() {
    return false;
}
