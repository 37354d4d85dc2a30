#include "options/page_window.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/skin_geometry.h"
#include "face/skin_set.h"
#include "options/frm_options.h"
#include "options/page_rules.h"

namespace {

// The clock drawn again from its skin with the text it shows.
void Redraw() {
    frmHoralto->RefreshDisplay(frmHoralto->lblDateTime.Caption(), true, false);
}

}  // namespace

TPageWindow::TPageWindow(ui::TabSheet& tbsShape, ui::CheckBox& chbMaskOnMouseMove)
    : chbTransparent(&tbsShape, L"chbTransparent", L"Прозрачное окно"),
      trbTransparent(&tbsShape, L"trbTransparent"),
      lblTransparent(&tbsShape, L"lblTransparent"),
      lblOutline(&tbsShape, L"lblOutline", L"Контур:"),
      speOutline(&tbsShape, L"speOutline"),
      chbCutBackgr(&tbsShape, L"chbCutBackgr", L"Обрезать фон"),
      lblTranspAdmin(&tbsShape, L"lblTranspAdmin", L"Допуск:"),
      speTranspAdmis(&tbsShape, L"speTranspAdmis"),
      pnlHideOnMouseMove(&tbsShape, L"pnlHideOnMouseMove"),
      rdbHideOnMouseMove(&pnlHideOnMouseMove, L"rdbHideOnMouseMove", L"Исчезать полностью"),
      rdbTransparentOnMouseMove(&pnlHideOnMouseMove, L"rdbTransparentOnMouseMove", L"Прозрачность"),
      speTransparentOnMouseMove(&tbsShape, L"speTransparentOnMouseMove"),
      chbSmoothlyTransp(&tbsShape, L"chbSmoothlyTransp", L"Плавно"),
      lblTimerInterval(&tbsShape, L"lblTimerInterval", L"Период обновления показаний:"),
      speTimerInterval(&tbsShape, L"speTimerInterval"),
      lblTimerIntervalMs(&tbsShape, L"lblTimerIntervalMs", L"мс."),
      mask_(chbMaskOnMouseMove) {
    chbTransparent.SetBounds(8, 8, 150, 17);
    trbTransparent.SetBounds(160, 4, 180, 26);
    lblOutline.SetBounds(346, 10, 52, 16);
    speOutline.SetBounds(400, 8, 50, 22);
    lblTransparent.SetBounds(168, 32, 200, 16);
    chbCutBackgr.SetBounds(8, 54, 150, 17);
    lblTranspAdmin.SetBounds(168, 56, 60, 16);
    speTranspAdmis.SetBounds(230, 54, 60, 22);
    mask_.SetBounds(8, 80, 340, 17);
    pnlHideOnMouseMove.SetBounds(20, 100, 300, 24);
    pnlHideOnMouseMove.SetBevelOuter(ui::bvNone);
    rdbHideOnMouseMove.SetBounds(4, 3, 160, 17);
    rdbTransparentOnMouseMove.SetBounds(168, 3, 128, 17);
    speTransparentOnMouseMove.SetBounds(322, 101, 54, 22);
    chbSmoothlyTransp.SetBounds(380, 103, 70, 17);
    lblTimerInterval.SetBounds(8, 132, 230, 16);
    speTimerInterval.SetBounds(240, 130, 80, 22);
    lblTimerIntervalMs.SetBounds(326, 132, 30, 16);

    trbTransparent.SetParams(75, 1, 255);
    trbTransparent.SetFrequency(5);
    trbTransparent.SetEnabled(false);
    lblTransparent.SetCaption(options::TransparencyLabel(75));
    lblTransparent.SetEnabled(false);
    speOutline.SetMinValue(0);
    speOutline.SetMaxValue(100);
    speOutline.SetValue(3);
    chbCutBackgr.SetChecked(true);
    speTranspAdmis.SetMinValue(0);
    speTranspAdmis.SetMaxValue(250);
    speTranspAdmis.SetValue(60);
    rdbTransparentOnMouseMove.SetChecked(true);
    speTransparentOnMouseMove.SetMinValue(0);
    speTransparentOnMouseMove.SetMaxValue(255);
    speTransparentOnMouseMove.SetValue(20);
    chbSmoothlyTransp.SetEnabled(false);
    speTimerInterval.SetMinValue(1);
    speTimerInterval.SetMaxValue(3600000);
    speTimerInterval.SetIncrement(10);
    speTimerInterval.SetValue(1000);
    mask_.SetHint(
        L"Для отмены скрытия окна при наведении мыши, \r\n"
        L"нажмите и удерживайте клавишу <Shift>, пока\r\n"
        L"мышь перемещается в области окна.");

    chbTransparent.OnClick = [this](ui::Component& s) { chbTransparentClick(s); };
    trbTransparent.OnChange = [this](ui::Component& s) { trbTransparentChange(s); };
    speOutline.OnChange = [this](ui::Component& s) { speOutlineChange(s); };
    chbCutBackgr.OnClick = [this](ui::Component& s) { chbCutBackgrClick(s); };
    speTranspAdmis.OnChange = [this](ui::Component& s) { speTranspAdmisChange(s); };
    mask_.OnClick = [this](ui::Component& s) { chbMaskOnMouseMoveClick(s); };
    for (ui::RadioButton* r : {&rdbHideOnMouseMove, &rdbTransparentOnMouseMove})
        r->OnClick = [this](ui::Component& s) { rdbTransparentOnMouseMoveClick(s); };
    chbSmoothlyTransp.OnClick = [this](ui::Component& s) { chbSmoothlyTranspClick(s); };
    speTransparentOnMouseMove.OnChange = [this](ui::Component& s) { speTransparentOnMouseMoveChange(s); };
    speTimerInterval.OnChange = [this](ui::Component& s) { speTimerIntervalChange(s); };
}

TfrmOptions& TPageWindow::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageWindow::CopyWindowPageSettings() {
    const core::WindowSettings& w = frmHoralto->Settings.Window;
    trbTransparent.SetPosition(w.LevelTransparency);
    trbTransparentChange(trbTransparent);
    chbTransparent.SetChecked(w.Transparency);
    chbTransparentClick(chbTransparent);
    speOutline.SetValue(w.TranspOutline);
    chbCutBackgr.SetChecked(w.CutBackgr);
    chbCutBackgrClick(chbCutBackgr);
    speTranspAdmis.SetValue(w.TranspAdmis);
    (w.TransparentOnMouseMove ? rdbTransparentOnMouseMove : rdbHideOnMouseMove).SetChecked(true);
    speTransparentOnMouseMove.SetValue(w.TranspValueOnMouseMove);
    chbSmoothlyTransp.SetChecked(w.SmoothlyTransp);
    speTimerInterval.SetValue(static_cast<int>(frmHoralto->tmrTimer.Interval()));
}

void TPageWindow::chbTransparentClick(ui::Component&) {
    const bool on = chbTransparent.Checked();
    trbTransparent.SetEnabled(on);
    lblTransparent.SetEnabled(on);
    bool& transparency = frmHoralto->Settings.Window.Transparency;
    if (on == transparency) return;
    transparency = on;
    Redraw();
    frmHoralto->SetAlphaBlend(on);
    frmHoralto->SetAlphaBlendValue(static_cast<BYTE>(trbTransparent.Position()));
}

void TPageWindow::trbTransparentChange(ui::Component&) {
    const int position = trbTransparent.Position();
    trbTransparent.SetHint(options::PositionHint(position));
    lblTransparent.SetCaption(options::TransparencyLabel(position));
    int& level = frmHoralto->Settings.Window.LevelTransparency;
    if (position == level) return;
    level = position;
    frmHoralto->SetAlphaBlendValue(static_cast<BYTE>(position & 0xFF));
    Redraw();
}

void TPageWindow::speOutlineChange(ui::Component&) {
    int& outline = frmHoralto->Settings.Window.TranspOutline;
    if (speOutline.Value() == outline) return;
    outline = speOutline.Value();
    Redraw();
}

void TPageWindow::chbCutBackgrClick(ui::Component&) {
    const bool on = chbCutBackgr.Checked();
    bool& cut = frmHoralto->Settings.Window.CutBackgr;
    if (on != cut) {
        cut = on;
        Redraw();
    }
    lblTranspAdmin.SetEnabled(on);
    speTranspAdmis.SetEnabled(on);
}

void TPageWindow::speTranspAdmisChange(ui::Component&) {
    int& tolerance = frmHoralto->Settings.Window.TranspAdmis;
    if (speTranspAdmis.Value() == tolerance) return;
    tolerance = speTranspAdmis.Value();
    Redraw();
}

void TPageWindow::chbMaskOnMouseMoveClick(ui::Component&) {
    const bool mask = mask_.Checked();
    rdbTransparentOnMouseMove.SetEnabled(mask);
    rdbHideOnMouseMove.SetEnabled(mask);
    if (rdbTransparentOnMouseMove.Checked()) {
        speTransparentOnMouseMove.SetEnabled(mask);
        chbSmoothlyTransp.SetEnabled(mask && frmHoralto->Settings.Window.FormFillType != 1);
    }
    frmHoralto->Settings.Window.MaskOnMouseMove = mask;
}

void TPageWindow::rdbTransparentOnMouseMoveClick(ui::Component&) {
    const bool fade = rdbTransparentOnMouseMove.Checked();
    frmHoralto->Settings.Window.TransparentOnMouseMove = fade;
    if (!mask_.Checked()) return;
    speTransparentOnMouseMove.SetEnabled(fade);
    chbSmoothlyTransp.SetEnabled(fade);
}

void TPageWindow::chbSmoothlyTranspClick(ui::Component&) {
    frmHoralto->Settings.Window.SmoothlyTransp = chbSmoothlyTransp.Checked();
}

void TPageWindow::speTransparentOnMouseMoveChange(ui::Component&) {
    frmHoralto->Settings.Window.TranspValueOnMouseMove = speTransparentOnMouseMove.Value();
}

void TPageWindow::speTimerIntervalChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    const int interval = speTimerInterval.Value();
    frmHoralto->tmrTimer.SetInterval(static_cast<unsigned>(interval));
    face::SkinSet& skin = frmHoralto->Face().MainSkin;
    skin.wholeSeconds = face::WholeSecondsFor(interval);
    skin.secondHand = face::SecondHandFor(interval);
}
