// Stand-in until the actions defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"

void TfrmHoralto::aPlannerOnOffExecute(ui::Component&) {
    const bool off = !aPlannerOnOff.Checked();
    aPlannerOnOff.SetChecked(off);
    aPlannerOnOff.SetCaption(off ? L"Включить планировщик" : L"Выключить планировщик");
    aPlannerOnOff.SetImageIndex(off ? 20 : 13);
    if (off)
        EarliestTaskTime = 0;
    else if (frmOptions)
        frmOptions->RefreshTaskList();
}
