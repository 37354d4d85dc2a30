// Stand-in until the tray icon (components) defines this; linked only while nothing else does.
#include <windows.h>

#include "core/frm_horalto.h"

// The popup menu at the cursor.
void TfrmHoralto::TrayIconShowMenu() {
    POINT p{};
    GetCursorPos(&p);
    SetForegroundWindow(Handle());
    pmnMenu.Popup(p.x, p.y);
}
