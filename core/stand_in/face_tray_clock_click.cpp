// Stand-in until the taskbar clock (face) defines this; linked only while nothing else does.
#include <windows.h>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"

// The single-click speech and action, without the click text.
void TfrmHoralto::TrayClockClick(ui::Component&) {
    const core::MouseSettings& mouse = Settings.Mouse;
    if (!mouse.ActionsOnClick) return;
    if (!aSoundOnOff.Checked() && mouse.SpeakOnClick) SpeakText(BuildFormatText(mouse.FormatSpeakOnClick));
    if (mouse.MakeActionOnClick && frmOptions)
        frmOptions->DoKeyAction(mouse.ActionOnClick, mouse.ForseActionOnClick);
}
