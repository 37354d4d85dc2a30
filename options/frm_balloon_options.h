// The balloon options dialog: the icon and the display time of the balloons
// that the program raises at its tray icon (BalloonIcon and BalloonDuration of
// the main window), changed live. Created when opened, freed when closed.
#pragma once

#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/panels.h"

// A group box of radio buttons with one chosen item; choosing an item, from
// code or by the user, raises OnClick.
class TRadioGroup : public ui::GroupBox {
  public:
    TRadioGroup(ui::Container* parent, std::wstring name, std::wstring caption,
                const std::vector<std::wstring>& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    ui::RadioButton& Button(int index) { return *buttons_.at(index); }
    int Count() const { return static_cast<int>(buttons_.size()); }
    void SetBounds(int left, int top, int width, int height) override;

  private:
    std::vector<std::unique_ptr<ui::RadioButton>> buttons_;
};

class TfrmBalloonOptions : public ui::Form {
  public:
    TfrmBalloonOptions();

    TRadioGroup rdgBalloonIcons;
    ui::Label lblDurationBalloon;
    ui::SpinEdit speDurationBalloon;
    ui::Label lblSec;
    ui::Button btnOK;

    void FormShow(ui::Component& sender);
    void rdgBalloonIconsClick(ui::Component& sender);
    void speDurationBalloonChange(ui::Component& sender);
    void btnOKClick(ui::Component& sender);
    void FormClose(ui::Component& sender, ui::CloseAction& action);
    void FormDestroy(ui::Component& sender);
};

// The one dialog while it exists.
extern TfrmBalloonOptions* frmBalloonOptions;

// The planner page's "...": opens the dialog modally, or only focuses it when
// it exists already.
void ShowBalloonOptions();
