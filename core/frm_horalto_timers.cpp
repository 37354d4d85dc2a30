// The main timer, the worker gate of both clock timers, and the wait that
// keeps the messages flowing.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "ui/application.h"

void TfrmHoralto::tmrTimerTimer(ui::Component&) {
    std::wstring text;
    if (tmrDelay.Tag() == 0)
        text = BuildShownText(Settings.Main.FormatTextMain);
    else
        text = BuildShownText(ClickIsDouble ? Settings.Mouse.FormatTextOnDblClick
                                            : Settings.Mouse.FormatTextOnClick);
    RefreshDisplay(text, false, false);

    const bool drives = core::MainTimerDrivesWorker({tmrTimer.Enabled(), tmrTimer.Interval()},
                                                    {tmrTrayTimer.Enabled(), tmrTrayTimer.Interval()});
    if (!LastWorkTick.Open(TickCount(), drives)) return;
    TickWork();
    LastWorkTick.Done(TickCount());
}

void TfrmHoralto::TrayTimerWorkerGate() {
    const bool drives = core::TrayTimerDrivesWorker({tmrTimer.Enabled(), tmrTimer.Interval()},
                                                    {tmrTrayTimer.Enabled(), tmrTrayTimer.Interval()});
    if (!LastTrayWorkTick.Open(TickCount(), drives)) return;
    TickWork();
    LastTrayWorkTick.Done(TickCount());
}

void TfrmHoralto::WaitWithMessages(unsigned ms) {
    ui::Application().ProcessMessagesFor(ms);  // ends early when the program is ending
}
