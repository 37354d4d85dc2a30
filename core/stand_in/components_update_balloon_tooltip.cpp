// Stand-in until balloon tooltips (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::UpdateBaloonToolTip(HWND, int, const std::wstring&, const std::wstring&) {}
