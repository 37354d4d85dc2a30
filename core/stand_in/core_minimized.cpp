// Stand-in until window placement defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"
#include "ui/application.h"

// Minimises the window, or brings it back.
void TfrmHoralto::aMinimizedExecute(ui::Component&) {
    if (GetWindowState() == ui::wsMinimized) {
        SetWindowState(ui::wsNormal);
        Show();
        SetForegroundWindow(Handle());
    } else {
        SetWindowState(ui::wsMinimized);
        Show();
    }
    ShowWindow(ui::Application().Handle(), SW_HIDE);
}
