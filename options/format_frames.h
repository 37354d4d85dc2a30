// The ten format editors of the settings window (one per use of a text
// format) and the window's handlers that forward each editor's events to the
// editor and then store the result for that use in the main window.
//
// The editors sit on the pages of their uses; a page's own layout may move
// its editors with SetBounds. The mouse page may bind its own show-box
// handlers for its four editors when it needs more than storing the switch.
#pragma once

#include <string>
#include <vector>

#include "options/fre_format_text.h"
#include "ui/page_control.h"

class TfrmOptions;

class TFormatFrames {
  public:
    // The parents of the editors: the pages "Основные", "Системные", "Сигналы",
    // "Речь", and the single-click and double-click parts of "Мышь".
    TFormatFrames(TfrmOptions& options, ui::Container& mainPage, ui::Container& systemClockPage,
                  ui::Container& soundPage, ui::Container& speechPage, ui::Container& mouseClick,
                  ui::Container& mouseDblClick);

    TfreFormatText freFormatTextMain, freFormatTextHint, freFormatTextTray, freFormatSpeakHour,
        freFormatSpeakInterval, freFormatSpeakTime, freFormatTextOnClick, freFormatSpeakOnClick,
        freFormatTextOnDblClick, freFormatSpeakOnDblClick;

    // One use of a format: its editor, the name of its chosen format, the main
    // window's text setting and on/off setting (null: always on).
    struct FormatUse {
        TfreFormatText& frame;
        std::wstring& formatId;
        std::wstring& text;
        bool* on;
    };
    // The ten uses in the order main, hint, taskbar clock, hourly speech,
    // interval speech, spoken time, text and speech on a click, text and speech
    // on a double click.
    std::vector<FormatUse> FormatUses();

    // Loading: the main window's format texts and switches into the editors.
    void CopyFormatFrameSettings();

    void freFormatTextMaincmbNameFormatTextChange(ui::Component& sender);
    void freFormatTextMainmemFormatTextChange(ui::Component& sender);
    void freFormatTextMainspbAppendFormatClick(ui::Component& sender);
    void freFormatTextHintcmbNameFormatTextChange(ui::Component& sender);
    void freFormatTextHintmemFormatTextChange(ui::Component& sender);
    void freFormatTextHintspbAppendFormatClick(ui::Component& sender);
    void freFormatTextTraycmbNameFormatTextChange(ui::Component& sender);
    void freFormatTextTraymemFormatTextChange(ui::Component& sender);
    void freFormatTextTrayspbAppendFormatClick(ui::Component& sender);
    void freFormatTextTraychbShowFormatTextClick(ui::Component& sender);
    void freFormatSpeakHourcmbNameFormatTextChange(ui::Component& sender);
    void freFormatSpeakHourmemFormatTextChange(ui::Component& sender);
    void freFormatSpeakHourspbAppendFormatClick(ui::Component& sender);
    void freFormatSpeakHourchbShowFormatTextClick(ui::Component& sender);
    void freFormatSpeakIntervalcmbNameFormatTextChange(ui::Component& sender);
    void freFormatSpeakIntervalmemFormatTextChange(ui::Component& sender);
    void freFormatSpeakIntervalspbAppendFormatClick(ui::Component& sender);
    void freFormatSpeakIntervalchbShowFormatTextClick(ui::Component& sender);
    void freFormatSpeakTimecmbNameFormatTextChange(ui::Component& sender);
    void freFormatSpeakTimememFormatTextChange(ui::Component& sender);
    void freFormatSpeakTimespbAppendFormatClick(ui::Component& sender);
    void freFormatTextOnClickcmbNameFormatTextChange(ui::Component& sender);
    void freFormatTextOnClickmemFormatTextChange(ui::Component& sender);
    void freFormatTextOnClickspbAppendFormatClick(ui::Component& sender);
    void freFormatTextOnClickchbShowFormatTextClick(ui::Component& sender);
    void freFormatSpeakOnClickcmbNameFormatTextChange(ui::Component& sender);
    void freFormatSpeakOnClickmemFormatTextChange(ui::Component& sender);
    void freFormatSpeakOnClickspbAppendFormatClick(ui::Component& sender);
    void freFormatSpeakOnClickchbShowFormatTextClick(ui::Component& sender);
    void freFormatTextOnDblClickcmbNameFormatTextChange(ui::Component& sender);
    void freFormatTextOnDblClickmemFormatTextChange(ui::Component& sender);
    void freFormatTextOnDblClickspbAppendFormatClick(ui::Component& sender);
    void freFormatTextOnDblClickchbShowFormatTextClick(ui::Component& sender);
    void freFormatSpeakOnDblClickcmbNameFormatTextChange(ui::Component& sender);
    void freFormatSpeakOnDblClickmemFormatTextChange(ui::Component& sender);
    void freFormatSpeakOnDblClickspbAppendFormatClick(ui::Component& sender);
    void freFormatSpeakOnDblClickchbShowFormatTextClick(ui::Component& sender);

  private:
    enum class Redraw { None, Clock, TaskbarClock };
    TfrmOptions& Options() { return options_; }
    FormatUse Use(int index);
    // The common steps of the per-use handlers.
    void NameChange(const FormatUse& use);
    void TextChange(const FormatUse& use, Redraw redraw);
    void AppendClick(const FormatUse& use);
    void SwitchClick(const FormatUse& use, Redraw redraw);
    // A text shown on a click: the switch, then a tick while the clock is shown.
    void ClickTextSwitch(const FormatUse& use);
    // A text spoken on a click: switching it on asks to switch the sounds on.
    void ClickSpeechSwitch(const FormatUse& use);
    void BindFrame(TfreFormatText& frame, void (TFormatFrames::*name)(ui::Component&),
                   void (TFormatFrames::*text)(ui::Component&), void (TFormatFrames::*append)(ui::Component&),
                   void (TFormatFrames::*onOff)(ui::Component&));
    TfrmOptions& options_;
};
