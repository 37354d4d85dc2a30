// The page "Мышь": what a click and a double click on the clock do (a text
// shown for a while or constantly, a text spoken, a numbered action). The four
// format editors of the page are the settings window's (format_frames.h).
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/image_combo_box.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"

class TfrmOptions;
class TfreFormatText;

class TPageMouse {
  public:
    explicit TPageMouse(ui::PageControl& pgcOptions);

    ui::TabSheet tbsMouse;
    // The single click.
    ui::Panel pnlMouseClick;
    ui::CheckBox chbActionsOnClick, chbShowConstOnClick;
    ui::Label lblDelayOnClick;
    ui::SpinEdit speDelayOnClick;
    ui::Label lblMs;
    ui::CheckBox chbMakeActionOnClick;
    ui::ImageComboBox cbeActionOnClick;
    ui::CheckBox chbForseActionOnClick;
    // The double click.
    ui::Panel pnlMouseDblClick;
    ui::CheckBox chbActionsOnDblClick, chbShowConstOnDblClick;
    ui::Label lblDelayOnDblClick;
    ui::SpinEdit speDelayOnDblClick;
    ui::Label lblMs2;
    ui::CheckBox chbMakeActionOnDblClick;
    ui::ImageComboBox cbeActionOnDblClick;
    ui::CheckBox chbForseActionOnDblClick;

    void BindMousePageSettings(core::SettingHomes& homes);
    // Loading: the main window's mouse settings into the page.
    void CopyMousePageSettings();

    void chbActionsOnClickClick(ui::Component& sender);
    void chbShowConstOnClickClick(ui::Component& sender);
    void speDelayOnClickChange(ui::Component& sender);
    void chbMakeActionOnClickClick(ui::Component& sender);
    void cbeActionOnClickChange(ui::Component& sender);
    void chbForseActionOnClickClick(ui::Component& sender);
    void chbActionsOnDblClickClick(ui::Component& sender);
    void chbShowConstOnDblClickClick(ui::Component& sender);
    void speDelayOnDblClickChange(ui::Component& sender);
    void chbMakeActionOnDblClickClick(ui::Component& sender);
    void cbeActionOnDblClickChange(ui::Component& sender);
    void chbForseActionOnDblClickClick(ui::Component& sender);
    // The show box of a click text's editor: besides the editor's own handler
    // (which stores the switch), the "Постоянно" box and the delay follow it.
    void MouseTextSwitchClick(bool dblClick);

  private:
    // The controls of one panel, and the main window's settings they hold.
    struct ClickPanel {
        ui::Panel& panel;
        ui::CheckBox& actions;
        ui::CheckBox& showConst;
        ui::Label& lblDelay;
        ui::SpinEdit& delay;
        ui::Label& ms;
        ui::CheckBox& makeAction;
        ui::ComboBox& action;
        ui::CheckBox& forse;
    };
    ClickPanel Panel(bool dblClick);
    TfreFormatText& TextFrame(bool dblClick);
    TfreFormatText& SpeechFrame(bool dblClick);
    // The page's places of its four editors, and their show boxes' handlers.
    void PlaceFormatFrames();
    void LayOut(const ClickPanel& p);
    void EnableDelay(const ClickPanel& p);
    void ActionsClick(bool dblClick);
    void ShowConstClick(bool dblClick);
    void MakeActionClick(bool dblClick);
    void ActionChange(bool dblClick);
    TfrmOptions& Options();
};
