// The page "Системные": layout, loading and the page's own handlers (the
// taskbar clock's margins, borders, background, refresh interval and hook).
#include "options/page_system_clock.h"

#include <filesystem>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/skin_description.h"
#include "face/skin_geometry.h"
#include "options/frm_options.h"
#include "options/page_look.h"
#include "ui/application.h"

namespace {

bool ClockShown() {
    return frmHoralto->pnlTrayTime.Visible();
}

void Tick() {
    frmHoralto->tmrTrayTimerTimer(frmHoralto->tmrTrayTimer);
}

void Rebuild(bool resetTextLook) {
    frmHoralto->RemoveTaskbarClock();
    frmHoralto->BuildTaskbarClock(resetTextLook);
}

}  // namespace

TPageSystemClock::TPageSystemClock(ui::PageControl& pgcOptions)
    : TabSheet2(pgcOptions, L"TabSheet2", L"Системные") {
    SetUpLayout();
    BindEvents();
}

TfrmOptions& TPageSystemClock::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageSystemClock::SetUpLayout() {
    // The format editor freFormatTextTray takes the top of the page (8..87).
    chbResizeTrayWindow.SetBounds(8, 96, 120, 19);
    chbResizeTrayWindow.SetChecked(true);
    lblBorderTrayText.SetBounds(140, 97, 50, 17);
    speBorderTrayText.SetBounds(192, 94, 50, 22);
    speBorderTrayText.SetMinValue(0);
    speBorderTrayText.SetMaxValue(50);
    speBorderTrayText.SetValue(6);
    chbTrayNoBorders.SetBounds(260, 96, 150, 19);
    chbTrayNoBorders.SetChecked(true);
    chbUseTrayBackgrFile.SetBounds(8, 124, 146, 19);
    chbUseTrayBackgrFile.SetChecked(true);
    chbUseTrayBackgrFile.SetEnabled(false);
    edtTrayBackgrFile.SetBounds(156, 123, 244, 21);
    edtTrayBackgrFile.SetText(L"Стандартная");
    spbOpenTrayBackgr.SetCaption(L"...");
    spbOpenTrayBackgr.SetFlat(true);
    spbOpenTrayBackgr.SetBounds(404, 122, 24, 23);
    spbOpenTrayBackgr.SetEnabled(false);
    chbTrayTranspBack.SetBounds(8, 152, 150, 19);
    chbTrayTranspBack.SetChecked(true);
    chbHookUpdateTray.SetBounds(200, 152, 220, 19);
    chbHookUpdateTray.SetChecked(true);
    chbHookUpdateTray.SetHint(
        L"Перехват команд обновления системных часов: часы не пропадают из панели задач\r\n"
        L"и при большом периоде обновления");
    lblTrayTimerInterval.SetBounds(8, 181, 140, 17);
    speTrayTimerInterval.SetBounds(150, 178, 90, 22);
    speTrayTimerInterval.SetMinValue(1);
    speTrayTimerInterval.SetMaxValue(3600000);
    speTrayTimerInterval.SetIncrement(10);
    speTrayTimerInterval.SetValue(1000);
    lblTrayTimerIntervalMs.SetBounds(246, 181, 30, 17);
    pgcTrayShape.SetBounds(4, 208, 447, 270);

    // ---- "Шкура"
    chbUseTraySkin.SetBounds(8, 8, 400, 19);
    chbUseTraySkin.SetChecked(true);
    chbNewTraySkin.SetBounds(8, 32, 400, 19);
    chbNewTraySkin.SetChecked(true);
    lblTraySkin.SetBounds(8, 61, 50, 17);
    options::LayOutSkinChooser(cmbTraySkins, spbAddTraySkin, spbDeleteTraySkin, spbEditTraySkin,
                               {60, 58, 310, 79}, 316);
    for (ui::SpeedButton* b : {&spbAddTraySkin, &spbDeleteTraySkin, &spbEditTraySkin}) b->SetFlat(true);
    chbAutoTrayScale.SetBounds(8, 90, 400, 19);
    lblTrayScale1.SetBounds(8, 122, 100, 17);
    trbTrayScale.SetBounds(110, 116, 240, 30);
    trbTrayScale.SetParams(75, 1, 1000);
    trbTrayScale.SetPageSize(10);
    trbTrayScale.SetFrequency(50);
    trbTrayScale.SetEnabled(false);
    lblTrayScale.SetBounds(356, 122, 60, 17);
    chbResizeTrayBackgr.SetBounds(8, 154, 400, 19);
    chbResizeTrayBackgr.SetChecked(true);

    // ---- "Цвет"
    options::LayOutColorSubPage(cmbTrayColorObject, imgTrayColors, clbTrayDefColors, trbTrayColorTransp);
    pnlTrayColorSource.SetBevelOuter(ui::bvNone);
    pnlTrayColorSource.SetBounds(260, 36, 130, 54);
    rdbChangeTrayColor.SetBounds(4, 4, 120, 19);
    rdbUseTraySkinColor.SetBounds(4, 28, 120, 19);
    rdbChangeTrayColor.SetChecked(true);

    // ---- "Шрифт"
    options::LayOutFontSubPage({fcbTrayFont, lblTrayFontSize, speTrayFontSize, trbTrayFontSize,
                                pnlTrayFontStyle, chbTrayStyleItalic, chbTrayStyleBold, chbTrayStyleUnderline,
                                chbTrayStyleStrikeOut, pnlTrayAlign, rdbTrayAlLeft, rdbTrayAlCenter,
                                pnlTrayFontSource, rdbUseTraySkinFont, rdbChangeTrayFont});
    rdbTrayAlCenter.SetChecked(true);
    rdbChangeTrayFont.SetChecked(true);
}

void TPageSystemClock::BindEvents() {
    chbResizeTrayWindow.OnClick = [this](ui::Component& s) { chbResizeTrayWindowClick(s); };
    speBorderTrayText.OnChange = [this](ui::Component& s) { speBorderTrayTextChange(s); };
    chbTrayNoBorders.OnClick = [this](ui::Component& s) { chbTrayNoBordersClick(s); };
    speTrayTimerInterval.OnChange = [this](ui::Component& s) { speTrayTimerIntervalChange(s); };
    chbHookUpdateTray.OnClick = [this](ui::Component& s) { chbHookUpdateTrayClick(s); };
    chbUseTrayBackgrFile.OnClick = [this](ui::Component& s) { chbUseTrayBackgrFileClick(s); };
    edtTrayBackgrFile.OnChange = [this](ui::Component& s) { edtTrayBackgrFileChange(s); };
    spbOpenTrayBackgr.OnClick = [this](ui::Component& s) { Options().spbOpenBackgrClick(s); };
    chbTrayTranspBack.OnClick = [this](ui::Component& s) { chbTrayTranspBackClick(s); };

    tbsTraySkin.OnShow = [this](ui::Component& s) { tbsTraySkinShow(s); };
    chbUseTraySkin.OnClick = [this](ui::Component& s) { chbUseTraySkinClick(s); };
    chbNewTraySkin.OnClick = [this](ui::Component& s) { chbNewTraySkinClick(s); };
    cmbTraySkins.OnChange = [this](ui::Component& s) { cmbTraySkinsChange(s); };
    spbAddTraySkin.OnClick = [this](ui::Component& s) { Options().spbAddSkinClick(s); };
    spbDeleteTraySkin.OnClick = [this](ui::Component& s) { Options().spbDeleteSkinClick(s); };
    spbEditTraySkin.OnClick = [this](ui::Component& s) { Options().spbEditSkinClick(s); };
    chbAutoTrayScale.OnClick = [this](ui::Component& s) { chbAutoTrayScaleClick(s); };
    trbTrayScale.OnChange = [this](ui::Component& s) { trbTrayScaleChange(s); };
    chbResizeTrayBackgr.OnClick = [this](ui::Component& s) { chbResizeTrayBackgrClick(s); };

    tbsTrayColor.OnShow = [this](ui::Component& s) { tbsTrayColorShow(s); };
    cmbTrayColorObject.OnChange = [this](ui::Component& s) { cmbTrayColorObjectChange(s); };
    for (ui::RadioButton* r : {&rdbChangeTrayColor, &rdbUseTraySkinColor})
        r->OnClick = [this](ui::Component& s) { rdbTrayColorClick(s); };
    clbTrayDefColors.OnChange = [this](ui::Component& s) { clbTrayDefColorsChange(s); };
    imgTrayColors.OnMouseDown = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        imgTrayColorsMouseDown(s, b, sh, x, y);
    };
    trbTrayColorTransp.OnChange = [this](ui::Component& s) { trbTrayColorTranspChange(s); };

    tbsTrayFont.OnShow = [this](ui::Component& s) { tbsTrayFontShow(s); };
    fcbTrayFont.OnChange = [this](ui::Component& s) { fcbTrayFontChange(s); };
    speTrayFontSize.OnChange = [this](ui::Component& s) { speTrayFontSizeChange(s); };
    trbTrayFontSize.OnChange = [this](ui::Component& s) { trbTrayFontSizeChange(s); };
    for (ui::CheckBox* c :
         {&chbTrayStyleItalic, &chbTrayStyleBold, &chbTrayStyleUnderline, &chbTrayStyleStrikeOut})
        c->OnClick = [this](ui::Component& s) { chbTrayStyleClick(s); };
    for (ui::RadioButton* r : {&rdbTrayAlLeft, &rdbTrayAlCenter})
        r->OnClick = [this](ui::Component& s) { rdbTrayAlignClick(s); };
    for (ui::RadioButton* r : {&rdbUseTraySkinFont, &rdbChangeTrayFont})
        r->OnClick = [this](ui::Component& s) { rdbChangeTrayFontClick(s); };
}

void TPageSystemClock::BindSystemClockPageSettings(core::SettingHomes&) {}

void TPageSystemClock::CopySystemClockPageSettings() {
    const auto& c = frmHoralto->Settings.SystemClock;
    Options().freFormatTextTray.SetBounds(8, 8, 431, 79);
    chbResizeTrayWindow.SetChecked(c.ResizeWindow);
    speBorderTrayText.SetValue(c.BorderText);
    chbTrayNoBorders.SetChecked(c.NoBorders);
    chbUseTrayBackgrFile.SetChecked(c.UseBackgrFile);
    edtTrayBackgrFile.SetText(c.BackgroundFile);
    chbTrayTranspBack.SetChecked(c.CutBackgr);
    speTrayTimerInterval.SetValue(static_cast<int>(frmHoralto->tmrTrayTimer.Interval()));
    chbHookUpdateTray.SetChecked(c.HookUpdateTray);
    std::error_code ec;
    chbHookUpdateTray.SetEnabled(
        std::filesystem::is_regular_file(face::FolderOf(ui::Application().ExeName()) + L"Quellix.dll", ec));
    chbAutoTrayScale.SetChecked(c.AutoTrayScale);
    chbResizeTrayBackgr.SetChecked(c.ResizeTrayBackgr);
    cmbTraySkins.SetItems(frmHoralto->SkinNames.Items());
    pgcTrayShape.SetActivePageIndex(0);
    tbsTraySkinShow(tbsTraySkin);
}

void TPageSystemClock::chbResizeTrayWindowClick(ui::Component&) {
    auto& c = frmHoralto->Settings.SystemClock;
    c.ResizeWindow = chbResizeTrayWindow.Checked();
    if (Options().Tag() != 0 || !ClockShown()) return;
    if (!c.ResizeWindow) {
        if (HWND taskbar = frmHoralto->Face().taskbarClock.windows.taskbar) {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(taskbar, WM_SIZE, 1, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 1000, &result);
        }
    } else if (c.UseTraySkis) {
        const int i = c.TraySkinIndex;
        const bool known = i > 0 && i < frmHoralto->SkinFiles.Count() && i < frmHoralto->SkinNames.Count();
        frmHoralto->LoadSkin(known ? frmHoralto->SkinFiles[i] : std::wstring(),
                             known ? frmHoralto->SkinNames[i] : std::wstring(), true, false);
    }
    frmHoralto->PlaceTaskbarClock(true);
}

void TPageSystemClock::speBorderTrayTextChange(ui::Component&) {
    frmHoralto->Settings.SystemClock.BorderText = speBorderTrayText.Value();
    if (Options().Tag() != 0 || !ClockShown()) return;
    frmHoralto->PlaceTaskbarClock(false);
    Tick();
}

void TPageSystemClock::chbTrayNoBordersClick(ui::Component&) {
    frmHoralto->Settings.SystemClock.NoBorders = chbTrayNoBorders.Checked();
    if (Options().Tag() != 0 || !ClockShown()) return;
    frmHoralto->Face().trayClockHeight = 0;
    frmHoralto->PlaceTaskbarClock(false);
    Tick();
}

void TPageSystemClock::speTrayTimerIntervalChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    const int interval = speTrayTimerInterval.Value();
    frmHoralto->tmrTrayTimer.SetInterval(static_cast<UINT>(interval));
    face::SkinSet& set = frmHoralto->Face().TraySkin;
    set.wholeSeconds = face::WholeSecondsFor(interval);
    set.secondHand = face::SecondHandFor(interval);
}

void TPageSystemClock::chbHookUpdateTrayClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    // The choice is kept for the next start too.
    frmHoralto->Settings.SystemClock.HookUpdateTray = chbHookUpdateTray.Checked();
    frmHoralto->SetTaskbarHook(chbHookUpdateTray.Checked());
}

void TPageSystemClock::chbUseTrayBackgrFileClick(ui::Component&) {
    const bool on = chbUseTrayBackgrFile.Checked();
    edtTrayBackgrFile.SetEnabled(on);
    spbOpenTrayBackgr.SetEnabled(on);
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.SystemClock.UseBackgrFile = on;
    edtTrayBackgrFileChange(edtTrayBackgrFile);
}

void TPageSystemClock::edtTrayBackgrFileChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    auto& c = frmHoralto->Settings.SystemClock;
    c.BackgroundFile = edtTrayBackgrFile.Text();
    if ((!c.UseTraySkis || c.TraySkinIndex == 0) && ClockShown()) Rebuild(false);
}

void TPageSystemClock::chbTrayTranspBackClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    frmHoralto->Settings.SystemClock.CutBackgr = chbTrayTranspBack.Checked();
    if (ClockShown()) frmHoralto->PlaceTaskbarClock(true);
}
