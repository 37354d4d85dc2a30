// Stand-in until the display refresh (face) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

// The first paint builds the display.
void TfrmHoralto::FormPaint(ui::Component&) {
    if (Tag() != 1) return;
    SetTag(0);
    RefreshDisplay(BuildFormatText(Settings.Main.FormatTextMain), true, false);
}
