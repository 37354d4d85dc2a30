// Stand-in until the actions defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"
#include "options/frm_options.h"
#include "core/horalto_globals.h"

void TfrmHoralto::aUpdateTimeExecute(ui::Component&) {
    if (frmOptions) frmOptions->btnSynchronize.Click();
}
