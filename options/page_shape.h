// The page "Окно": the clock window's look and behaviour (its sub-pages of
// skin, colour and font are added by the display pages).
#pragma once

#include "core/settings_io.h"
#include "ui/buttons.h"
#include "components/font_combo_box.h"
#include "options/color_list.h"
#include "ui/edits.h"
#include "ui/image.h"
#include "ui/lists.h"
#include "ui/panels.h"
#include "ui/ranges.h"
#include "ui/page_control.h"

class TfrmOptions;

class TPageShape {
  public:
    explicit TPageShape(ui::PageControl& pgcOptions);

    ui::TabSheet tbsShape;
    ui::CheckBox chbMaskOnMouseMove;

    void BindShapePageSettings(core::SettingHomes& homes);
    void CopyShapePageSettings();
    // The colour pickers: their cursor at loading, their pictures after the colour items.
    void PrepareColorPickers();
    void DrawColorPickers();

    // ---- Sub-pages "Шкура", "Цвет" and "Шрифт" below the window part
    // (options/page_shape_skins.cpp, page_shape_colors.cpp, page_shape_fonts.cpp).
    ui::PageControl pgcMainShape{&tbsShape, L"pgcMainShape"};
    ui::TabSheet tbsMainSkin{pgcMainShape, L"tbsMainSkin", L"Шкура"};
    ui::TabSheet tbsMainColor{pgcMainShape, L"tbsMainColor", L"Цвет"};
    ui::TabSheet tbsMainFont{pgcMainShape, L"tbsMainFont", L"Шрифт"};
    // "Шкура"
    ui::ComboBox cmbMainSkins{&tbsMainSkin, L"cmbMainSkins"};
    ui::SpeedButton spbAddMainSkin{&tbsMainSkin, L"spbAddMainSkin"};
    ui::SpeedButton spbDeleteMainSkin{&tbsMainSkin, L"spbDeleteMainSkin"};
    ui::SpeedButton spbEditMainSkin{&tbsMainSkin, L"spbEditMainSkin"};
    ui::Label lblMainScale1{&tbsMainSkin, L"lblMainScale1", L"Размер часов:"};
    ui::TrackBar trbMainScale{&tbsMainSkin, L"trbMainScale"};
    ui::Label lblMainScale{&tbsMainSkin, L"lblMainScale", L"75%"};
    ui::CheckBox chbUseMainBackgrFile{&tbsMainSkin, L"chbUseMainBackgrFile", L"Фоновая каринка:"};
    ui::Edit edtMainBackgrFile{&tbsMainSkin, L"edtMainBackgrFile"};
    ui::SpeedButton spbOpenMainBackgr{&tbsMainSkin, L"spbOpenMainBackgr"};
    ui::RadioButton rdbDrawOnDesktop{&tbsMainSkin, L"rdbDrawOnDesktop", L"Часы на рабочем столе"};
    ui::RadioButton rdbDrawOnDesktopAndForm{&tbsMainSkin, L"rdbDrawOnDesktopAndForm",
                                            L"Фон часов  на рабочем столе, циферблат на форме"};
    ui::RadioButton rdbDrawOnForm{&tbsMainSkin, L"rdbDrawOnForm", L"Фон часов  и циферблат на форме"};
    ui::CheckBox chbDrawOnWallpaper{&tbsMainSkin, L"chbDrawOnWallpaper", L"Как картинка"};
    // "Цвет"
    ui::ComboBox cmbMainColorObject{&tbsMainColor, L"cmbMainColorObject"};
    ui::Image imgMainColors{&tbsMainColor, L"imgMainColors"};
    options::TColorList clbMainDefColors{&tbsMainColor, L"clbMainDefColors"};
    ui::Panel pnlMainFill{&tbsMainColor, L"pnlMainFill"};
    ui::RadioButton rdbMainColor{&pnlMainFill, L"rdbMainColor", L"Цвет"};
    ui::RadioButton rdbMainFillTransp{&pnlMainFill, L"rdbMainFillTransp", L"Прозрачный"};
    ui::RadioButton rdbMainFillDC0{&pnlMainFill, L"rdbMainFillDC0", L"Адаптивный"};
    ui::RadioButton rdbMainFillDesktop{&pnlMainFill, L"rdbMainFillDesktop", L"Раб. стол"};
    ui::RadioButton rdbMainSkinColor{&pnlMainFill, L"rdbMainSkinColor", L"Из шкуры"};
    ui::TrackBar trbMainColorTransp{&tbsMainColor, L"trbMainColorTransp"};
    // "Шрифт"
    TFontComboBox fcbMainFont{&tbsMainFont, L"fcbMainFont"};
    ui::Label lblMainFontSize{&tbsMainFont, L"lblMainFontSize", L"Размер:"};
    ui::SpinEdit speMainFontSize{&tbsMainFont, L"speMainFontSize"};
    ui::TrackBar trbMainFontSize{&tbsMainFont, L"trbMainFontSize"};
    ui::GroupBox pnlMainFontStyle{&tbsMainFont, L"pnlMainFontStyle", L"Начертание"};
    ui::CheckBox chbMainStyleItalic{&pnlMainFontStyle, L"chbMainStyleItalic", L"Наклонный"};
    ui::CheckBox chbMainStyleBold{&pnlMainFontStyle, L"chbMainStyleBold", L"Жирный"};
    ui::CheckBox chbMainStyleUnderline{&pnlMainFontStyle, L"chbMainStyleUnderline", L"Подчеркнутый"};
    ui::CheckBox chbMainStyleStrikeOut{&pnlMainFontStyle, L"chbMainStyleStrikeOut", L"Зачеркнутый"};
    ui::Panel pnlMainAlign{&tbsMainFont, L"pnlMainAlign"};
    ui::RadioButton rdbMainAlLeft{&pnlMainAlign, L"rdbMainAlLeft", L"По левому краю"};
    ui::RadioButton rdbMainAlCenter{&pnlMainAlign, L"rdbMainAlCenter", L"По центру"};
    ui::Panel pnlMainFontSource{&tbsMainFont, L"pnlMainFontSource"};
    ui::RadioButton rdbUseMainSkinFont{&pnlMainFontSource, L"rdbUseMainSkinFont", L"Из шкуры"};
    ui::RadioButton rdbChangeMainFont{&pnlMainFontSource, L"rdbChangeMainFont", L"Выбрать"};

    // Layout and events of the sub-pages (called by the constructor).
    void SetUpShapeSubPages();
    void CopyShapeSubPageSettings();

    // The skin catalogue; the add, remove, edit and background buttons of the
    // taskbar clock's page share these handlers.
    void tbsMainSkinShow(ui::Component& sender);
    void cmbMainSkinsChange(ui::Component& sender);
    void spbAddSkinClick(ui::Component& sender);
    void spbDeleteSkinClick(ui::Component& sender);
    void spbEditSkinClick(ui::Component& sender);
    // The clock window (or, with tray, the taskbar clock) back on its built-in skin.
    void FallBackToBuiltInSkin(bool tray);
    void chbUseMainBackgrFileClick(ui::Component& sender);
    void edtMainBackgrFileChange(ui::Component& sender);
    void spbOpenBackgrClick(ui::Component& sender);
    void trbMainScaleChange(ui::Component& sender);
    void rdbDrawOnDesktopAndFormClick(ui::Component& sender);
    // Colour and font.
    void tbsMainColorShow(ui::Component& sender);
    void cmbMainColorObjectChange(ui::Component& sender);
    void rdbMainColorClick(ui::Component& sender);
    void clbMainDefColorsChange(ui::Component& sender);
    void ApplyMainColor();
    void imgMainColorsMouseDown(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x,
                                int y);
    void trbMainColorTranspChange(ui::Component& sender);
    void tbsMainFontShow(ui::Component& sender);
    void rdbChangeMainFontClick(ui::Component& sender);
    void ApplyMainFont();
    void fcbMainFontChange(ui::Component& sender);
    void speMainFontSizeChange(ui::Component& sender);
    void trbMainFontSizeChange(ui::Component& sender);
    void chbMainStyleClick(ui::Component& sender);
    void rdbMainAlignClick(ui::Component& sender);

  private:
    TfrmOptions& Options();
};
