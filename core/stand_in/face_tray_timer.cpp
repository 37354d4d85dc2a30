// Stand-in until the taskbar clock (face) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

// The taskbar clock's timer still drives the worker when it has the shorter interval.
void TfrmHoralto::tmrTrayTimerTimer(ui::Component&) {
    TrayTimerWorkerGate();
}
