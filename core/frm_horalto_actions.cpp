// Actions of the main window that the start-up and the settings need: closing
// the program and opening the settings window on a page. (aAutorunExecute is
// with the autorun check in frm_horalto_settings.cpp.)
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"

void TfrmHoralto::aExitExecute(ui::Component&) {
    Close();
}

void TfrmHoralto::ShowOptionsExecute(ui::Component& sender) {
    const ui::Action* pages[] = {
        &aMain,  &aShape,   &aSystemClock,         &aSignals, &aSpeech, &aWorkWindows,
        &aMouse, &aPlanner, &aTimeSynchronization, &aHotKeys};
    int index = 0;
    for (int i = 0; i < 10; ++i)
        if (&sender == pages[i]) index = i;
    if (frmOptions) frmOptions->ShowPage(index);
}
