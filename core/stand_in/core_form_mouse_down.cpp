// Stand-in until mouse clicks defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

// A left press drags the window.
void TfrmHoralto::FormMouseDown(ui::Component&, ui::MouseButton button, ui::ShiftState shift, int, int) {
    if (button != ui::mbLeft || (shift & ui::ssDouble)) return;
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}
