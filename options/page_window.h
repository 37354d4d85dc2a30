// The window part of the page "Окно": transparency, the window shape cut from
// the skin, hiding under the mouse and the refresh interval. Its controls take
// the top band of the page (to y = kWindowPartBottom); the skin, colour and
// font sub-pages go below it.
#pragma once

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/ranges.h"

class TfrmOptions;

class TPageWindow {
  public:
    // `chbMaskOnMouseMove` is the page's hide-under-the-mouse switch, made with the page.
    TPageWindow(ui::TabSheet& tbsShape, ui::CheckBox& chbMaskOnMouseMove);

    static constexpr int kWindowPartBottom = 156;

    ui::CheckBox chbTransparent;
    ui::TrackBar trbTransparent;
    ui::Label lblTransparent, lblOutline;
    ui::SpinEdit speOutline;
    ui::CheckBox chbCutBackgr;
    ui::Label lblTranspAdmin;
    ui::SpinEdit speTranspAdmis;
    // The two ways of hiding, in a panel of their own so that other radio
    // buttons of the page stay apart.
    ui::Panel pnlHideOnMouseMove;
    ui::RadioButton rdbHideOnMouseMove, rdbTransparentOnMouseMove;
    ui::SpinEdit speTransparentOnMouseMove;
    ui::CheckBox chbSmoothlyTransp;
    ui::Label lblTimerInterval;
    ui::SpinEdit speTimerInterval;
    ui::Label lblTimerIntervalMs;

    // Loading: the main window's settings into this part's controls.
    void CopyWindowPageSettings();

    void chbTransparentClick(ui::Component& sender);
    void trbTransparentChange(ui::Component& sender);
    void speOutlineChange(ui::Component& sender);
    void chbCutBackgrClick(ui::Component& sender);
    void speTranspAdmisChange(ui::Component& sender);
    void chbMaskOnMouseMoveClick(ui::Component& sender);
    // For both radio buttons.
    void rdbTransparentOnMouseMoveClick(ui::Component& sender);
    void chbSmoothlyTranspClick(ui::Component& sender);
    void speTransparentOnMouseMoveChange(ui::Component& sender);
    void speTimerIntervalChange(ui::Component& sender);

  private:
    TfrmOptions& Options();
    ui::CheckBox& mask_;
};
