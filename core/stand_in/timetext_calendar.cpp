// Stand-in until the calendar window (timetext) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::aCalendarExecute(ui::Component&) {}
