// The editor of one use's text format: the use's on/off switch, a chooser of
// the named formats, buttons to add the text as a new named format, to delete
// the chosen user format and to show the help on the format symbols, and a
// memo with the use's format text, one template line per memo line.
//
// The settings window binds the controls' events to handlers of its own per
// use, which call the frame's handlers below and then store the result.
#pragma once

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/lists.h"
#include "ui/panels.h"

class TfrmOptions;

class TfreFormatText : public ui::Panel {
  public:
    // `store` holds the named formats (FormatNames, FormatTexts, BuiltInFormatCount).
    TfreFormatText(ui::Container* parent, std::wstring name, TfrmOptions& store, std::wstring switchCaption);

    ui::Panel Panel1;
    ui::CheckBox chbShowFormatText;
    ui::ComboBox cmbNameFormatText;
    ui::Panel pnlFormatButtons;
    ui::SpeedButton spbAppendFormat, spbDeleteFormat, spbHelpFormats;
    ui::Memo memFormatText;

    // A switch placed left of x = -2 shows only its caption: the use is always on.
    void MakeAlwaysOn();
    bool AlwaysOn() const { return chbShowFormatText.Left() < -2; }

    void cmbNameFormatTextChange(ui::Component& sender);
    void memFormatTextChange(ui::Component& sender);
    void chbShowFormatTextClick(ui::Component& sender);
    void spbAppendFormatClick(ui::Component& sender);
    void spbDeleteFormatClick(ui::Component& sender);
    void spbHelpFormatsClick(ui::Component& sender);
    void FrameResize(ui::Component& sender);

    // Enables the parts of the frame for `value` and the switch's state; the
    // frame itself stays as it is.
    void SetEnabled(bool value);
    void SetBounds(int left, int top, int width, int height) override;

  private:
    // The chooser, help and memo follow `on`; the add and delete buttons
    // follow `on` and the choice.
    void EnableParts(bool on);
    TfrmOptions& store_;
};

// The text of the help on the format symbols, and the box that shows it.
const std::wstring& FormatSymbolsHelp();
void ShowFormatSymbolsHelp();
