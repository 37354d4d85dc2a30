// Stand-in until the actions defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::aSoundOnOffExecute(ui::Component&) {
    const bool off = !aSoundOnOff.Checked();
    aSoundOnOff.SetChecked(off);
    aSoundOnOff.SetCaption(off ? L"Включить звук" : L"Выключить звук");
    aSoundOnOff.SetImageIndex(off ? 19 : 9);
}
