#include "options/format_frames.h"

#include "base/text_lines.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_balloon_options.h"
#include "options/frm_options.h"
#include "planner/task_hooks.h"
#include "ui/dialogs.h"

namespace {

enum UseIndex {
    kMain,
    kHint,
    kTray,
    kSpeakHour,
    kSpeakInterval,
    kSpeakTime,
    kTextOnClick,
    kSpeakOnClick,
    kTextOnDblClick,
    kSpeakOnDblClick,
};

// The texts spoken on a click are kept as one line in the settings file: the
// memo's lines are joined by blanks, so a typed line break never splits the key.
std::wstring OneLine(const std::wstring& text) {
    std::wstring line;
    line.reserve(text.size());
    for (std::size_t pos = 0;;) {
        const base::LineEnd end = base::FindLineEnd(text, pos);
        line.append(text, pos, end.end - pos);
        if (end.end == text.size()) return line;
        line += L' ';
        pos = end.next;
    }
}

bool IsOneLineUse(const TFormatFrames::FormatUse& use, TFormatFrames& frames) {
    return &use.frame == &frames.freFormatSpeakOnClick || &use.frame == &frames.freFormatSpeakOnDblClick;
}

}  // namespace

TFormatFrames::TFormatFrames(TfrmOptions& options, ui::Container& mainPage, ui::Container& systemClockPage,
                             ui::Container& soundPage, ui::Container& speechPage, ui::Container& mouseClick,
                             ui::Container& mouseDblClick)
    : freFormatTextMain(&mainPage, L"freFormatTextMain", options, L"Текст на часах"),
      freFormatTextHint(&mainPage, L"freFormatTextHint", options, L"Текст в подсказке"),
      freFormatTextTray(&systemClockPage, L"freFormatTextTray", options, L"Менять текст"),
      freFormatSpeakHour(&soundPage, L"freFormatSpeakHour", options, L"Говорить ежечасно"),
      freFormatSpeakInterval(&soundPage, L"freFormatSpeakInterval", options, L"Говорить"),
      freFormatSpeakTime(&speechPage, L"freFormatSpeakTime", options, L"Формат чтения времени"),
      freFormatTextOnClick(&mouseClick, L"freFormatTextOnClick", options, L"Показывать текст"),
      freFormatSpeakOnClick(&mouseClick, L"freFormatSpeakOnClick", options, L"Говорить текст"),
      freFormatTextOnDblClick(&mouseDblClick, L"freFormatTextOnDblClick", options, L"Показывать текст"),
      freFormatSpeakOnDblClick(&mouseDblClick, L"freFormatSpeakOnDblClick", options, L"Говорить текст"),
      options_(options) {
    // The planner page opens the help on the format symbols and the balloon
    // options dialog through its hooks.
    planner::ShowFormatsHelp = &ShowFormatSymbolsHelp;
    planner::ShowBalloonOptions = &ShowBalloonOptions;

    // The interval speech waits for the interval signal, as its page's controls do.
    freFormatSpeakInterval.SetEnabled(false);
    freFormatTextMain.MakeAlwaysOn();
    freFormatTextHint.MakeAlwaysOn();
    freFormatSpeakTime.MakeAlwaysOn();
    // Places on the pages; a page's own layout may move its editors.
    freFormatTextMain.SetBounds(8, 138, 431, 70);
    freFormatTextHint.SetBounds(8, 214, 431, 110);
    freFormatTextTray.SetBounds(8, 8, 431, 79);
    freFormatSpeakHour.SetBounds(24, 148, 366, 80);
    freFormatSpeakInterval.SetBounds(24, 344, 366, 80);
    freFormatSpeakTime.SetBounds(8, 344, 400, 80);
    freFormatTextOnClick.SetBounds(8, 8, 431, 79);
    freFormatSpeakOnClick.SetBounds(8, 92, 431, 50);
    freFormatTextOnDblClick.SetBounds(8, 150, 431, 79);
    freFormatSpeakOnDblClick.SetBounds(8, 234, 431, 50);

    using F = TFormatFrames;
    BindFrame(freFormatTextMain, &F::freFormatTextMaincmbNameFormatTextChange,
              &F::freFormatTextMainmemFormatTextChange, &F::freFormatTextMainspbAppendFormatClick, nullptr);
    BindFrame(freFormatTextHint, &F::freFormatTextHintcmbNameFormatTextChange,
              &F::freFormatTextHintmemFormatTextChange, &F::freFormatTextHintspbAppendFormatClick, nullptr);
    BindFrame(freFormatTextTray, &F::freFormatTextTraycmbNameFormatTextChange,
              &F::freFormatTextTraymemFormatTextChange, &F::freFormatTextTrayspbAppendFormatClick,
              &F::freFormatTextTraychbShowFormatTextClick);
    BindFrame(freFormatSpeakHour, &F::freFormatSpeakHourcmbNameFormatTextChange,
              &F::freFormatSpeakHourmemFormatTextChange, &F::freFormatSpeakHourspbAppendFormatClick,
              &F::freFormatSpeakHourchbShowFormatTextClick);
    BindFrame(freFormatSpeakInterval, &F::freFormatSpeakIntervalcmbNameFormatTextChange,
              &F::freFormatSpeakIntervalmemFormatTextChange, &F::freFormatSpeakIntervalspbAppendFormatClick,
              &F::freFormatSpeakIntervalchbShowFormatTextClick);
    BindFrame(freFormatSpeakTime, &F::freFormatSpeakTimecmbNameFormatTextChange,
              &F::freFormatSpeakTimememFormatTextChange, &F::freFormatSpeakTimespbAppendFormatClick, nullptr);
    BindFrame(freFormatTextOnClick, &F::freFormatTextOnClickcmbNameFormatTextChange,
              &F::freFormatTextOnClickmemFormatTextChange, &F::freFormatTextOnClickspbAppendFormatClick,
              &F::freFormatTextOnClickchbShowFormatTextClick);
    BindFrame(freFormatSpeakOnClick, &F::freFormatSpeakOnClickcmbNameFormatTextChange,
              &F::freFormatSpeakOnClickmemFormatTextChange, &F::freFormatSpeakOnClickspbAppendFormatClick,
              &F::freFormatSpeakOnClickchbShowFormatTextClick);
    BindFrame(freFormatTextOnDblClick, &F::freFormatTextOnDblClickcmbNameFormatTextChange,
              &F::freFormatTextOnDblClickmemFormatTextChange, &F::freFormatTextOnDblClickspbAppendFormatClick,
              &F::freFormatTextOnDblClickchbShowFormatTextClick);
    BindFrame(freFormatSpeakOnDblClick, &F::freFormatSpeakOnDblClickcmbNameFormatTextChange,
              &F::freFormatSpeakOnDblClickmemFormatTextChange,
              &F::freFormatSpeakOnDblClickspbAppendFormatClick,
              &F::freFormatSpeakOnDblClickchbShowFormatTextClick);
}

void TFormatFrames::BindFrame(TfreFormatText& frame, void (TFormatFrames::*name)(ui::Component&),
                              void (TFormatFrames::*text)(ui::Component&),
                              void (TFormatFrames::*append)(ui::Component&),
                              void (TFormatFrames::*onOff)(ui::Component&)) {
    frame.cmbNameFormatText.OnChange = [this, name](ui::Component& s) { (this->*name)(s); };
    frame.memFormatText.OnChange = [this, text](ui::Component& s) { (this->*text)(s); };
    frame.spbAppendFormat.OnClick = [this, append](ui::Component& s) { (this->*append)(s); };
    if (onOff) frame.chbShowFormatText.OnClick = [this, onOff](ui::Component& s) { (this->*onOff)(s); };
}

TFormatFrames::FormatUse TFormatFrames::Use(int index) {
    TfrmOptions& o = Options();
    core::HoraltoSettings& s = frmHoralto->Settings;
    switch (index) {
        case kMain:
            return {freFormatTextMain, o.MainFormatId, s.Main.FormatTextMain, nullptr};
        case kHint:
            return {freFormatTextHint, o.HintFormatId, s.Main.FormatTextHint, nullptr};
        case kTray:
            return {freFormatTextTray, o.TrayFormatId, s.SystemClock.FormatTextTray,
                    &s.SystemClock.ReplaceText};
        case kSpeakHour:
            return {freFormatSpeakHour, o.SpeakHourFormatId, s.Sound.FormatSpeakHour, &s.Sound.SpeakHour};
        case kSpeakInterval:
            return {freFormatSpeakInterval, o.SpeakIntervalFormatId, s.Sound.FormatSpeakInterval,
                    &s.Sound.SpeakInterval};
        case kSpeakTime:
            return {freFormatSpeakTime, o.SpeakTFormatId, s.Speech.FormatSpeakTime, nullptr};
        case kTextOnClick:
            return {freFormatTextOnClick, o.TextOnClickFormatId, s.Mouse.FormatTextOnClick,
                    &s.Mouse.TextOnClick};
        case kSpeakOnClick:
            return {freFormatSpeakOnClick, o.SpeakOnClickFormatId, s.Mouse.FormatSpeakOnClick,
                    &s.Mouse.SpeakOnClick};
        case kTextOnDblClick:
            return {freFormatTextOnDblClick, o.TextOnDblClickFormatId, s.Mouse.FormatTextOnDblClick,
                    &s.Mouse.TextOnDblClick};
        default:
            return {freFormatSpeakOnDblClick, o.SpeakOnDblClickFormatId, s.Mouse.FormatSpeakOnDblClick,
                    &s.Mouse.SpeakOnDblClick};
    }
}

std::vector<TFormatFrames::FormatUse> TFormatFrames::FormatUses() {
    std::vector<FormatUse> uses;
    for (int i = kMain; i <= kSpeakOnDblClick; ++i) uses.push_back(Use(i));
    return uses;
}

void TFormatFrames::CopyFormatFrameSettings() {
    for (const FormatUse& use : FormatUses()) {
        use.frame.memFormatText.SetText(use.text);
        if (use.on) use.frame.chbShowFormatText.SetChecked(*use.on);
        // The parts follow the switch (and a disabled editor stays so) even
        // when setting it raised no click.
        use.frame.SetEnabled(use.frame.chbShowFormatText.Enabled());
    }
}

// ---- the common steps

void TFormatFrames::NameChange(const FormatUse& use) {
    if (Options().Tag() == 0) use.formatId = use.frame.cmbNameFormatText.Text();
    use.frame.cmbNameFormatTextChange(use.frame.cmbNameFormatText);
}

void TFormatFrames::TextChange(const FormatUse& use, Redraw redraw) {
    use.frame.memFormatTextChange(use.frame.memFormatText);
    if (Options().Tag() != 0) return;
    const std::wstring& text = use.frame.memFormatText.Text();
    use.text = IsOneLineUse(use, *this) ? OneLine(text) : text;
    if (redraw == Redraw::Clock) {
        if (frmHoralto->tmrTimer.Enabled()) frmHoralto->tmrTimerTimer(frmHoralto->tmrTimer);
    } else if (redraw == Redraw::TaskbarClock) {
        if (frmHoralto->pnlTrayTime.Visible()) frmHoralto->tmrTrayTimerTimer(frmHoralto->tmrTrayTimer);
    }
}

void TFormatFrames::AppendClick(const FormatUse& use) {
    const int count = Options().FormatNames.Count();
    use.frame.spbAppendFormatClick(use.frame.spbAppendFormat);
    if (Options().FormatNames.Count() <= count) return;
    use.formatId = Options().FormatNames[Options().FormatNames.Count() - 1];
    Options().UpdateFormatCombos();
}

void TFormatFrames::SwitchClick(const FormatUse& use, Redraw redraw) {
    use.frame.chbShowFormatTextClick(use.frame.chbShowFormatText);
    if (Options().Tag() != 0 || !use.on) return;
    *use.on = use.frame.chbShowFormatText.Checked();
    if (redraw == Redraw::TaskbarClock && frmHoralto->pnlTrayTime.Visible())
        frmHoralto->tmrTrayTimerTimer(frmHoralto->tmrTrayTimer);
}

void TFormatFrames::ClickTextSwitch(const FormatUse& use) {
    use.frame.chbShowFormatTextClick(use.frame.chbShowFormatText);
    const bool on = use.frame.chbShowFormatText.Checked();
    if (!on) frmHoralto->ClickTextTime = 0;
    if (Options().Tag() != 0) return;
    *use.on = on;
    if (frmHoralto->Visible() && frmHoralto->tmrTimer.Enabled())
        frmHoralto->tmrTimerTimer(frmHoralto->tmrTimer);
}

void TFormatFrames::ClickSpeechSwitch(const FormatUse& use) {
    if (Options().Tag() != 0) return;
    use.frame.chbShowFormatTextClick(use.frame.chbShowFormatText);
    const bool on = use.frame.chbShowFormatText.Checked();
    // Switching the speech on while every sound is off asks first; declining
    // leaves the switch off, as stored.
    if (on && frmHoralto->aSoundOnOff.Checked()) {
        if (!ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?")) {
            use.frame.chbShowFormatText.SetChecked(false);
            return;
        }
        frmHoralto->aSoundOnOff.Execute();
    }
    *use.on = on;
}

// ---- the main text and the hint ("Основные")

void TFormatFrames::freFormatTextMaincmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kMain));
}
void TFormatFrames::freFormatTextMainmemFormatTextChange(ui::Component&) {
    TextChange(Use(kMain), Redraw::Clock);
}
void TFormatFrames::freFormatTextMainspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kMain));
}
void TFormatFrames::freFormatTextHintcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kHint));
}
void TFormatFrames::freFormatTextHintmemFormatTextChange(ui::Component&) {
    TextChange(Use(kHint), Redraw::Clock);
}
void TFormatFrames::freFormatTextHintspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kHint));
}

// ---- the taskbar clock ("Системные")

void TFormatFrames::freFormatTextTraycmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kTray));
}
void TFormatFrames::freFormatTextTraymemFormatTextChange(ui::Component&) {
    TextChange(Use(kTray), Redraw::TaskbarClock);
}
void TFormatFrames::freFormatTextTrayspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kTray));
}
void TFormatFrames::freFormatTextTraychbShowFormatTextClick(ui::Component&) {
    SwitchClick(Use(kTray), Redraw::TaskbarClock);
}

// ---- the hourly and the interval speech ("Сигналы")

void TFormatFrames::freFormatSpeakHourcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kSpeakHour));
}
void TFormatFrames::freFormatSpeakHourmemFormatTextChange(ui::Component&) {
    TextChange(Use(kSpeakHour), Redraw::None);
}
void TFormatFrames::freFormatSpeakHourspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kSpeakHour));
}
void TFormatFrames::freFormatSpeakHourchbShowFormatTextClick(ui::Component&) {
    SwitchClick(Use(kSpeakHour), Redraw::None);
}
void TFormatFrames::freFormatSpeakIntervalcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kSpeakInterval));
}
void TFormatFrames::freFormatSpeakIntervalmemFormatTextChange(ui::Component&) {
    TextChange(Use(kSpeakInterval), Redraw::None);
}
void TFormatFrames::freFormatSpeakIntervalspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kSpeakInterval));
}
void TFormatFrames::freFormatSpeakIntervalchbShowFormatTextClick(ui::Component&) {
    TfreFormatText& frame = freFormatSpeakInterval;
    // The interval signal keeps its sound or its speech: checking the switch
    // again runs this handler once more.
    if (!Options().chbPlaySoundS.Checked() && !frame.chbShowFormatText.Checked()) {
        frame.chbShowFormatText.SetChecked(true);
        return;
    }
    const FormatUse use = Use(kSpeakInterval);
    frame.chbShowFormatTextClick(frame.chbShowFormatText);
    Options().spbSpeakTimeS.SetEnabled(frame.chbShowFormatText.Checked());
    if (Options().Tag() == 0) *use.on = frame.chbShowFormatText.Checked();
}

// ---- the spoken time ("Речь")

void TFormatFrames::freFormatSpeakTimecmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kSpeakTime));
}
void TFormatFrames::freFormatSpeakTimememFormatTextChange(ui::Component&) {
    TextChange(Use(kSpeakTime), Redraw::None);
}
void TFormatFrames::freFormatSpeakTimespbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kSpeakTime));
}

// ---- click and double click ("Мышь")

void TFormatFrames::freFormatTextOnClickcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kTextOnClick));
}
void TFormatFrames::freFormatTextOnClickmemFormatTextChange(ui::Component&) {
    TextChange(Use(kTextOnClick), Redraw::None);
}
void TFormatFrames::freFormatTextOnClickspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kTextOnClick));
}
void TFormatFrames::freFormatTextOnClickchbShowFormatTextClick(ui::Component&) {
    ClickTextSwitch(Use(kTextOnClick));
}
void TFormatFrames::freFormatSpeakOnClickcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kSpeakOnClick));
}
void TFormatFrames::freFormatSpeakOnClickmemFormatTextChange(ui::Component&) {
    TextChange(Use(kSpeakOnClick), Redraw::None);
}
void TFormatFrames::freFormatSpeakOnClickspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kSpeakOnClick));
}
void TFormatFrames::freFormatSpeakOnClickchbShowFormatTextClick(ui::Component&) {
    ClickSpeechSwitch(Use(kSpeakOnClick));
}
void TFormatFrames::freFormatTextOnDblClickcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kTextOnDblClick));
}
void TFormatFrames::freFormatTextOnDblClickmemFormatTextChange(ui::Component&) {
    TextChange(Use(kTextOnDblClick), Redraw::None);
}
void TFormatFrames::freFormatTextOnDblClickspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kTextOnDblClick));
}
void TFormatFrames::freFormatTextOnDblClickchbShowFormatTextClick(ui::Component&) {
    ClickTextSwitch(Use(kTextOnDblClick));
}
void TFormatFrames::freFormatSpeakOnDblClickcmbNameFormatTextChange(ui::Component&) {
    NameChange(Use(kSpeakOnDblClick));
}
void TFormatFrames::freFormatSpeakOnDblClickmemFormatTextChange(ui::Component&) {
    TextChange(Use(kSpeakOnDblClick), Redraw::None);
}
void TFormatFrames::freFormatSpeakOnDblClickspbAppendFormatClick(ui::Component&) {
    AppendClick(Use(kSpeakOnDblClick));
}
void TFormatFrames::freFormatSpeakOnDblClickchbShowFormatTextClick(ui::Component&) {
    ClickSpeechSwitch(Use(kSpeakOnDblClick));
}
