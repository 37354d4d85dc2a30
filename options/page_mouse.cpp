#include "options/page_mouse.h"

#include "core/action_numbers.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"

namespace {

constexpr int kPanelWidth = 447;

}  // namespace

TPageMouse::TPageMouse(ui::PageControl& pgcOptions)
    : tbsMouse(pgcOptions, L"tbsMouse", L"Мышь"),
      pnlMouseClick(&tbsMouse, L"pnlMouseClick"),
      chbActionsOnClick(&pnlMouseClick, L"chbActionsOnClick", L"Действия при одинарном щелчке"),
      chbShowConstOnClick(&pnlMouseClick, L"chbShowConstOnClick", L"Постоянно"),
      lblDelayOnClick(&pnlMouseClick, L"lblDelayOnClick", L"Время задержки:"),
      speDelayOnClick(&pnlMouseClick, L"speDelayOnClick"),
      lblMs(&pnlMouseClick, L"lblMs", L"мс."),
      chbMakeActionOnClick(&pnlMouseClick, L"chbMakeActionOnClick", L"Действие"),
      cbeActionOnClick(&pnlMouseClick, L"cbeActionOnClick"),
      chbForseActionOnClick(&pnlMouseClick, L"chbForseActionOnClick", L"Форсир."),
      pnlMouseDblClick(&tbsMouse, L"pnlMouseDblClick"),
      chbActionsOnDblClick(&pnlMouseDblClick, L"chbActionsOnDblClick", L"Действия при двойном щелчке"),
      chbShowConstOnDblClick(&pnlMouseDblClick, L"chbShowConstOnDblClick", L"Постоянно"),
      lblDelayOnDblClick(&pnlMouseDblClick, L"lblDelayOnDblClick", L"Время задержки:"),
      speDelayOnDblClick(&pnlMouseDblClick, L"speDelayOnDblClick"),
      lblMs2(&pnlMouseDblClick, L"lblMs2", L"мс."),
      chbMakeActionOnDblClick(&pnlMouseDblClick, L"chbMakeActionOnDblClick", L"Действие"),
      cbeActionOnDblClick(&pnlMouseDblClick, L"cbeActionOnDblClick"),
      chbForseActionOnDblClick(&pnlMouseDblClick, L"chbForseActionOnDblClick", L"Форсир.") {
    pnlMouseClick.SetBounds(4, 4, kPanelWidth, 230);
    pnlMouseDblClick.SetBounds(4, 236, kPanelWidth, 230);
    LayOut(Panel(false));
    LayOut(Panel(true));
    chbMakeActionOnDblClick.SetChecked(true);

    chbActionsOnClick.OnClick = [this](ui::Component& s) { chbActionsOnClickClick(s); };
    chbShowConstOnClick.OnClick = [this](ui::Component& s) { chbShowConstOnClickClick(s); };
    speDelayOnClick.OnChange = [this](ui::Component& s) { speDelayOnClickChange(s); };
    chbMakeActionOnClick.OnClick = [this](ui::Component& s) { chbMakeActionOnClickClick(s); };
    cbeActionOnClick.OnChange = [this](ui::Component& s) { cbeActionOnClickChange(s); };
    chbForseActionOnClick.OnClick = [this](ui::Component& s) { chbForseActionOnClickClick(s); };
    chbActionsOnDblClick.OnClick = [this](ui::Component& s) { chbActionsOnDblClickClick(s); };
    chbShowConstOnDblClick.OnClick = [this](ui::Component& s) { chbShowConstOnDblClickClick(s); };
    speDelayOnDblClick.OnChange = [this](ui::Component& s) { speDelayOnDblClickChange(s); };
    chbMakeActionOnDblClick.OnClick = [this](ui::Component& s) { chbMakeActionOnDblClickClick(s); };
    cbeActionOnDblClick.OnChange = [this](ui::Component& s) { cbeActionOnDblClickChange(s); };
    chbForseActionOnDblClick.OnClick = [this](ui::Component& s) { chbForseActionOnDblClickClick(s); };
}

TfreFormatText& TPageMouse::TextFrame(bool dblClick) {
    return dblClick ? Options().freFormatTextOnDblClick : Options().freFormatTextOnClick;
}

TfreFormatText& TPageMouse::SpeechFrame(bool dblClick) {
    return dblClick ? Options().freFormatSpeakOnDblClick : Options().freFormatSpeakOnClick;
}

TfrmOptions& TPageMouse::Options() {
    return static_cast<TfrmOptions&>(*this);
}

TPageMouse::ClickPanel TPageMouse::Panel(bool dblClick) {
    if (dblClick)
        return {pnlMouseDblClick,        chbActionsOnDblClick, chbShowConstOnDblClick,
                lblDelayOnDblClick,      speDelayOnDblClick,   lblMs2,
                chbMakeActionOnDblClick, cbeActionOnDblClick,  chbForseActionOnDblClick};
    return {pnlMouseClick, chbActionsOnClick,    chbShowConstOnClick, lblDelayOnClick,      speDelayOnClick,
            lblMs,         chbMakeActionOnClick, cbeActionOnClick,    chbForseActionOnClick};
}

// The panel from top to bottom: the master switch, the text editor, the
// "Постоянно" row, the speech editor, the action row.
void TPageMouse::LayOut(const ClickPanel& p) {
    p.panel.SetBevelOuter(ui::bvNone);
    p.actions.SetBounds(8, 4, 300, 17);
    p.actions.SetChecked(true);
    p.showConst.SetBounds(8, 108, 100, 17);
    p.lblDelay.SetBounds(136, 109, 116, 16);
    p.delay.SetBounds(254, 106, 90, 21);
    p.delay.SetMinValue(1);
    p.delay.SetMaxValue(4320000);
    p.delay.SetIncrement(100);
    p.delay.SetValue(2000);
    p.ms.SetBounds(350, 109, 40, 16);
    p.makeAction.SetBounds(8, 204, 90, 17);
    p.action.SetBounds(104, 202, kPanelWidth - 104 - 10, 21);
    p.action.SetItems(core::KeyActionCaptions());
    p.forse.SetBounds(kPanelWidth - 80 - 8, 204, 80, 17);
    p.forse.SetChecked(true);
    p.forse.SetVisible(false);
    p.forse.SetEnabled(false);
    p.forse.SetHint(
        L"Форсированное выключение может привести к потере несохранённых данных, а обычное может быть "
        L"остановлено запросом на сохранение.");
}

void TPageMouse::BindMousePageSettings(core::SettingHomes&) {}

void TPageMouse::PlaceFormatFrames() {
    for (bool dbl : {false, true}) {
        TextFrame(dbl).SetBounds(8, 24, kPanelWidth - 16, 79);
        // Tall enough for the memo's scroll bar with both its arrows.
        SpeechFrame(dbl).SetBounds(8, 132, kPanelWidth - 16, 66);
        TextFrame(dbl).chbShowFormatText.OnClick = [this, dbl](ui::Component&) { MouseTextSwitchClick(dbl); };
    }
}

void TPageMouse::CopyMousePageSettings() {
    PlaceFormatFrames();
    const core::MouseSettings& m = frmHoralto->Settings.Mouse;
    chbActionsOnClick.SetChecked(m.ActionsOnClick);
    chbShowConstOnClick.SetChecked(m.ShowConstOnClick);
    speDelayOnClick.SetValue(m.DelayOnClick);
    chbMakeActionOnClick.SetChecked(m.MakeActionOnClick);
    cbeActionOnClick.SetItemIndex(core::IsActionNumber(m.ActionOnClick) ? m.ActionOnClick : 0);
    chbForseActionOnClick.SetChecked(m.ForseActionOnClick);
    chbActionsOnDblClick.SetChecked(m.ActionsOnDblClick);
    chbShowConstOnDblClick.SetChecked(m.ShowConstOnDblClick);
    speDelayOnDblClick.SetValue(m.DelayOnDblClick);
    chbMakeActionOnDblClick.SetChecked(m.MakeActionOnDblClick);
    cbeActionOnDblClick.SetItemIndex(core::IsActionNumber(m.ActionOnDblClick) ? m.ActionOnDblClick : 0);
    chbForseActionOnDblClick.SetChecked(m.ForseActionOnDblClick);
    // The enabled states follow, whether or not setting a box raised its click.
    for (bool dbl : {false, true}) {
        ActionsClick(dbl);
        ActionChange(dbl);
    }
}

// ---- the common steps of the two panels

void TPageMouse::EnableDelay(const ClickPanel& p) {
    const bool on = p.showConst.Enabled() && !p.showConst.Checked();
    p.lblDelay.SetEnabled(on);
    p.delay.SetEnabled(on);
    p.ms.SetEnabled(on);
}

void TPageMouse::ActionsClick(bool dblClick) {
    const ClickPanel p = Panel(dblClick);
    const bool a = p.actions.Checked();
    TextFrame(dblClick).SetEnabled(a);
    SpeechFrame(dblClick).SetEnabled(a);
    p.showConst.SetEnabled(a && TextFrame(dblClick).chbShowFormatText.Checked());
    p.makeAction.SetEnabled(a);
    EnableDelay(p);
    p.action.SetEnabled(a && p.makeAction.Checked());
    p.forse.SetEnabled(a && p.makeAction.Checked());
    // Switched off, a click text on show ends.
    if (!a) frmHoralto->tmrDelay.SetTag(0);
    if (Options().Tag() != 0) return;
    (dblClick ? frmHoralto->Settings.Mouse.ActionsOnDblClick : frmHoralto->Settings.Mouse.ActionsOnClick) = a;
    if (frmHoralto->Visible()) frmHoralto->tmrTimerTimer(frmHoralto->tmrTimer);
}

void TPageMouse::ShowConstClick(bool dblClick) {
    const ClickPanel p = Panel(dblClick);
    EnableDelay(p);
    if (Options().Tag() != 0) return;
    const bool stays = p.showConst.Checked();
    (dblClick ? frmHoralto->Settings.Mouse.ShowConstOnDblClick
              : frmHoralto->Settings.Mouse.ShowConstOnClick) = stays;
    if (!stays) frmHoralto->tmrDelay.SetTag(0);
}

void TPageMouse::MakeActionClick(bool dblClick) {
    const ClickPanel p = Panel(dblClick);
    const bool on = p.makeAction.Checked();
    p.action.SetEnabled(on);
    p.forse.SetEnabled(on);
    if (Options().Tag() != 0) return;
    (dblClick ? frmHoralto->Settings.Mouse.MakeActionOnDblClick
              : frmHoralto->Settings.Mouse.MakeActionOnClick) = on;
}

void TPageMouse::ActionChange(bool dblClick) {
    const ClickPanel p = Panel(dblClick);
    const int action = p.action.ItemIndex();
    // The computer actions show their force box; the combo makes room for it.
    if (core::IsComputerAction(action)) {
        p.forse.SetVisible(true);
        p.action.SetWidth(p.panel.Width() - p.forse.Width() - 15 - p.action.Left());
    } else {
        p.forse.SetVisible(false);
        p.action.SetWidth(p.panel.Width() - 10 - p.action.Left());
    }
    if (Options().Tag() != 0 || !core::IsActionNumber(action)) return;
    (dblClick ? frmHoralto->Settings.Mouse.ActionOnDblClick : frmHoralto->Settings.Mouse.ActionOnClick) =
        action;
}

void TPageMouse::MouseTextSwitchClick(bool dblClick) {
    TfreFormatText& frame = TextFrame(dblClick);
    if (dblClick)
        Options().freFormatTextOnDblClickchbShowFormatTextClick(frame.chbShowFormatText);
    else
        Options().freFormatTextOnClickchbShowFormatTextClick(frame.chbShowFormatText);
    const ClickPanel p = Panel(dblClick);
    const bool s = frame.chbShowFormatText.Checked();
    p.showConst.SetEnabled(s && p.actions.Checked());
    EnableDelay(p);
    if (!s) frmHoralto->tmrDelay.SetTag(0);
}

// ---- the handlers

void TPageMouse::chbActionsOnClickClick(ui::Component&) {
    ActionsClick(false);
}
void TPageMouse::chbShowConstOnClickClick(ui::Component&) {
    ShowConstClick(false);
}
void TPageMouse::speDelayOnClickChange(ui::Component&) {
    if (Options().Tag() == 0) frmHoralto->Settings.Mouse.DelayOnClick = speDelayOnClick.Value();
}
void TPageMouse::chbMakeActionOnClickClick(ui::Component&) {
    MakeActionClick(false);
}
void TPageMouse::cbeActionOnClickChange(ui::Component&) {
    ActionChange(false);
}
void TPageMouse::chbForseActionOnClickClick(ui::Component&) {
    if (Options().Tag() == 0) frmHoralto->Settings.Mouse.ForseActionOnClick = chbForseActionOnClick.Checked();
}

void TPageMouse::chbActionsOnDblClickClick(ui::Component&) {
    ActionsClick(true);
}
void TPageMouse::chbShowConstOnDblClickClick(ui::Component&) {
    ShowConstClick(true);
}
void TPageMouse::speDelayOnDblClickChange(ui::Component&) {
    if (Options().Tag() == 0) frmHoralto->Settings.Mouse.DelayOnDblClick = speDelayOnDblClick.Value();
}
void TPageMouse::chbMakeActionOnDblClickClick(ui::Component&) {
    MakeActionClick(true);
}
void TPageMouse::cbeActionOnDblClickChange(ui::Component&) {
    ActionChange(true);
}
void TPageMouse::chbForseActionOnDblClickClick(ui::Component&) {
    if (Options().Tag() == 0)
        frmHoralto->Settings.Mouse.ForseActionOnDblClick = chbForseActionOnDblClick.Checked();
}
