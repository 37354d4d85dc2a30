// Actions of the main window: closing the program, opening the settings
// window on a page, sounds and planner on or off, and the commands that click
// the settings window's buttons. (aAutorunExecute is with the autorun check in
// frm_horalto_settings.cpp; the window's own actions are in
// frm_horalto_placement.cpp.)
#include "core/action_numbers.h"
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

void TfrmHoralto::aSoundOnOffExecute(ui::Component&) {
    // Checked: every sound is off.
    const bool off = !aSoundOnOff.Checked();
    aSoundOnOff.SetChecked(off);
    aSoundOnOff.SetCaption(off ? L"Включить звук" : L"Выключить звук");
    aSoundOnOff.SetImageIndex(off ? core::kImageSound : core::kImageMute);
    if (frmOptions) frmOptions->tbsSound.SetImageIndex(off ? core::kImageSoundsOff : core::kImageSound);
}

void TfrmHoralto::aPlannerOnOffExecute(ui::Component&) {
    // Checked: the planner is off.
    const bool wasOff = aPlannerOnOff.Checked();
    const bool on = wasOff;
    aPlannerOnOff.SetChecked(!wasOff);
    // At start the settings are read before the settings window exists: it
    // takes the state over when it has loaded.
    if (frmOptions) frmOptions->ShowPlannerState(!on);
    if (on) {
        aPlannerOnOff.SetCaption(L"Выключить планировщик");
        aPlannerOnOff.SetImageIndex(13);
        // Plans and marks the tasks again from now and rebuilds the coming-task menu.
        if (frmOptions) frmOptions->RefreshTaskList();
    } else {
        aPlannerOnOff.SetCaption(L"Включить планировщик");
        aPlannerOnOff.SetImageIndex(20);
        EarliestTaskTime = 0;  // the worker runs no task
        for (int i = 2; i < pmiTasks.Count(); ++i) pmiTasks[i].SetEnabled(false);
    }
}

void TfrmHoralto::aTimeDateOptionsExecute(ui::Component&) {
    if (frmOptions) frmOptions->btnDateTime.Click();
}

void TfrmHoralto::aUpdateTimeExecute(ui::Component&) {
    if (frmOptions) frmOptions->btnSynchronize.Click();
}

void TfrmHoralto::aSpeakTimeExecute(ui::Component&) {
    if (frmOptions) frmOptions->spbSpeakTime.Click();
}
