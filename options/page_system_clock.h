// The page "Системные": the clock that takes the place of the system clock in
// the taskbar (margins, borders, background picture, refresh interval, the
// hook), with the sub-pages "Шкура", "Цвет" and "Шрифт", twins of the main
// window's (options/page_shape.h). The taskbar clock's text format editor
// (freFormatTextTray) sits at the top of the page.
#pragma once

#include "components/font_combo_box.h"
#include "core/settings_io.h"
#include "options/color_list.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/image.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/panels.h"
#include "ui/ranges.h"

class TfrmOptions;

class TPageSystemClock {
  public:
    explicit TPageSystemClock(ui::PageControl& pgcOptions);

    ui::TabSheet TabSheet2;
    ui::CheckBox chbResizeTrayWindow{&TabSheet2, L"chbResizeTrayWindow", L"Менять размер "};
    ui::Label lblBorderTrayText{&TabSheet2, L"lblBorderTrayText", L"Отступ:"};
    ui::SpinEdit speBorderTrayText{&TabSheet2, L"speBorderTrayText"};
    ui::CheckBox chbTrayNoBorders{&TabSheet2, L"chbTrayNoBorders", L"Без бордюров"};
    ui::CheckBox chbUseTrayBackgrFile{&TabSheet2, L"chbUseTrayBackgrFile", L"Фоновая каринка:"};
    ui::Edit edtTrayBackgrFile{&TabSheet2, L"edtTrayBackgrFile"};
    ui::SpeedButton spbOpenTrayBackgr{&TabSheet2, L"spbOpenTrayBackgr"};
    ui::CheckBox chbTrayTranspBack{&TabSheet2, L"chbTrayTranspBack", L"Прозрачный фон"};
    ui::Label lblTrayTimerInterval{&TabSheet2, L"lblTrayTimerInterval", L"Период обновления:"};
    ui::SpinEdit speTrayTimerInterval{&TabSheet2, L"speTrayTimerInterval"};
    ui::Label lblTrayTimerIntervalMs{&TabSheet2, L"lblTrayTimerIntervalMs", L"мс."};
    ui::CheckBox chbHookUpdateTray{&TabSheet2, L"chbHookUpdateTray", L"Перехват. системные"};

    ui::PageControl pgcTrayShape{&TabSheet2, L"pgcTrayShape"};
    ui::TabSheet tbsTraySkin{pgcTrayShape, L"tbsTraySkin", L"Шкура"};
    ui::TabSheet tbsTrayColor{pgcTrayShape, L"tbsTrayColor", L"Цвет"};
    ui::TabSheet tbsTrayFont{pgcTrayShape, L"tbsTrayFont", L"Шрифт"};
    // "Шкура"
    ui::CheckBox chbUseTraySkin{&tbsTraySkin, L"chbUseTraySkin", L"Использовать шкуру в системных часах"};
    ui::CheckBox chbNewTraySkin{&tbsTraySkin, L"chbNewTraySkin", L"Менять шкуру часов"};
    ui::Label lblTraySkin{&tbsTraySkin, L"lblTraySkin", L"Шкура:"};
    ui::ComboBox cmbTraySkins{&tbsTraySkin, L"cmbTraySkins"};
    ui::SpeedButton spbAddTraySkin{&tbsTraySkin, L"spbAddTraySkin"};
    ui::SpeedButton spbDeleteTraySkin{&tbsTraySkin, L"spbDeleteTraySkin"};
    ui::SpeedButton spbEditTraySkin{&tbsTraySkin, L"spbEditTraySkin"};
    ui::CheckBox chbAutoTrayScale{&tbsTraySkin, L"chbAutoTrayScale", L"Автоматически подбирать размер"};
    ui::Label lblTrayScale1{&tbsTraySkin, L"lblTrayScale1", L"Размер часов:"};
    ui::TrackBar trbTrayScale{&tbsTraySkin, L"trbTrayScale"};
    ui::Label lblTrayScale{&tbsTraySkin, L"lblTrayScale", L"75%"};
    ui::CheckBox chbResizeTrayBackgr{&tbsTraySkin, L"chbResizeTrayBackgr",
                                     L"Растягивать фон часов по размерам окна"};
    // "Цвет"
    ui::ComboBox cmbTrayColorObject{&tbsTrayColor, L"cmbTrayColorObject"};
    ui::Image imgTrayColors{&tbsTrayColor, L"imgTrayColors"};
    options::TColorList clbTrayDefColors{&tbsTrayColor, L"clbTrayDefColors"};
    ui::Panel pnlTrayColorSource{&tbsTrayColor, L"pnlTrayColorSource"};
    ui::RadioButton rdbChangeTrayColor{&pnlTrayColorSource, L"rdbChangeTrayColor", L"Выбрать"};
    ui::RadioButton rdbUseTraySkinColor{&pnlTrayColorSource, L"rdbUseTraySkinColor", L"Из шкуры"};
    ui::TrackBar trbTrayColorTransp{&tbsTrayColor, L"trbTrayColorTransp"};
    // "Шрифт"
    TFontComboBox fcbTrayFont{&tbsTrayFont, L"fcbTrayFont"};
    ui::Label lblTrayFontSize{&tbsTrayFont, L"lblTrayFontSize", L"Размер:"};
    ui::SpinEdit speTrayFontSize{&tbsTrayFont, L"speTrayFontSize"};
    ui::TrackBar trbTrayFontSize{&tbsTrayFont, L"trbTrayFontSize"};
    ui::GroupBox pnlTrayFontStyle{&tbsTrayFont, L"pnlTrayFontStyle", L"Начертание"};
    ui::CheckBox chbTrayStyleItalic{&pnlTrayFontStyle, L"chbTrayStyleItalic", L"Наклонный"};
    ui::CheckBox chbTrayStyleBold{&pnlTrayFontStyle, L"chbTrayStyleBold", L"Жирный"};
    ui::CheckBox chbTrayStyleUnderline{&pnlTrayFontStyle, L"chbTrayStyleUnderline", L"Подчеркнутый"};
    ui::CheckBox chbTrayStyleStrikeOut{&pnlTrayFontStyle, L"chbTrayStyleStrikeOut", L"Зачеркнутый"};
    ui::Panel pnlTrayAlign{&tbsTrayFont, L"pnlTrayAlign"};
    ui::RadioButton rdbTrayAlLeft{&pnlTrayAlign, L"rdbTrayAlLeft", L"По левому краю"};
    ui::RadioButton rdbTrayAlCenter{&pnlTrayAlign, L"rdbTrayAlCenter", L"По центру"};
    ui::Panel pnlTrayFontSource{&tbsTrayFont, L"pnlTrayFontSource"};
    ui::RadioButton rdbUseTraySkinFont{&pnlTrayFontSource, L"rdbUseTraySkinFont", L"Из шкуры"};
    ui::RadioButton rdbChangeTrayFont{&pnlTrayFontSource, L"rdbChangeTrayFont", L"Выбрать"};

    void BindSystemClockPageSettings(core::SettingHomes& homes);
    // Loading: the main window's taskbar-clock settings into the controls.
    void CopySystemClockPageSettings();

    // ---- The page (options/page_system_clock.cpp)
    void chbResizeTrayWindowClick(ui::Component& sender);
    void speBorderTrayTextChange(ui::Component& sender);
    void chbTrayNoBordersClick(ui::Component& sender);
    void speTrayTimerIntervalChange(ui::Component& sender);
    void chbHookUpdateTrayClick(ui::Component& sender);
    void chbUseTrayBackgrFileClick(ui::Component& sender);
    void edtTrayBackgrFileChange(ui::Component& sender);
    void chbTrayTranspBackClick(ui::Component& sender);
    // ---- "Шкура" (options/page_system_clock_skin.cpp)
    void tbsTraySkinShow(ui::Component& sender);
    void chbUseTraySkinClick(ui::Component& sender);
    void chbNewTraySkinClick(ui::Component& sender);
    void cmbTraySkinsChange(ui::Component& sender);
    void chbAutoTrayScaleClick(ui::Component& sender);
    void trbTrayScaleChange(ui::Component& sender);
    void chbResizeTrayBackgrClick(ui::Component& sender);
    // ---- "Цвет" and "Шрифт" (options/page_system_clock_look.cpp)
    void tbsTrayColorShow(ui::Component& sender);
    void cmbTrayColorObjectChange(ui::Component& sender);
    void rdbTrayColorClick(ui::Component& sender);
    void clbTrayDefColorsChange(ui::Component& sender);
    void ApplyTrayColor();
    void imgTrayColorsMouseDown(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x,
                                int y);
    void trbTrayColorTranspChange(ui::Component& sender);
    void tbsTrayFontShow(ui::Component& sender);
    void rdbChangeTrayFontClick(ui::Component& sender);
    void ApplyTrayFont();
    void fcbTrayFontChange(ui::Component& sender);
    void speTrayFontSizeChange(ui::Component& sender);
    void trbTrayFontSizeChange(ui::Component& sender);
    void chbTrayStyleClick(ui::Component& sender);
    void rdbTrayAlignClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
    void SetUpLayout();
    void BindEvents();
};
