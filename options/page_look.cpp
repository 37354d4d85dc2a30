#include "options/page_look.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"

namespace options {

std::uint32_t RgbOfColor(ui::TColor color) {
    const COLORREF c = ui::ColorToRGB(color);
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

ui::TColor ColorOfRgb(std::uint32_t rgb) {
    return static_cast<ui::TColor>(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

void LayOutFontSubPage(const FontSubPage& p) {
    // The font names always listed under their edit.
    p.font.SetStyle(TOwnerDrawComboStyle::csSimple);
    p.font.SetBounds(8, 8, 200, 113);
    p.sizeLabel.SetBounds(214, 11, 56, 17);
    p.size.SetBounds(272, 8, 60, 22);
    p.size.SetMinValue(0);
    p.size.SetMaxValue(250);
    p.size.SetValue(11);
    p.sizeBar.SetBounds(212, 36, 220, 30);
    p.sizeBar.SetParams(11, 0, 250);
    p.sizeBar.SetFrequency(10);
    // Low enough for the taskbar clock's font page, under its taller top part.
    p.stylePanel.SetBounds(8, 126, 200, 108);
    p.italic.SetBounds(10, 18, 180, 19);
    p.bold.SetBounds(10, 39, 180, 19);
    p.underline.SetBounds(10, 60, 180, 19);
    p.strikeOut.SetBounds(10, 81, 180, 19);
    p.alignPanel.SetBevelOuter(ui::bvNone);
    p.alignPanel.SetBounds(216, 72, 200, 50);
    p.alignLeft.SetBounds(4, 2, 190, 19);
    p.alignCenter.SetBounds(4, 26, 190, 19);
    p.sourcePanel.SetBevelOuter(ui::bvNone);
    p.sourcePanel.SetBounds(216, 126, 200, 50);
    p.useSkinFont.SetBounds(4, 2, 190, 19);
    p.changeFont.SetBounds(4, 26, 190, 19);
}

void LayOutColorSubPage(ui::ComboBox& object, ui::Image& palette, TColorList& colors, ui::TrackBar& opacity) {
    object.SetStyle(ui::csDropDownList);
    object.SetItems({L"Фон", L"Текст"});
    object.SetItemIndex(0);
    object.SetBounds(8, 10, 120, 21);
    palette.SetBounds(8, 40, 240, 130);
    palette.SetStretch(true);
    colors.SetBounds(8, 178, 240, 22);
    opacity.SetOrientation(ui::trVertical);
    opacity.SetBounds(400, 10, 30, 190);
    opacity.SetParams(255, 0, 255);
    opacity.SetPageSize(5);
    opacity.SetFrequency(15);
    opacity.SetVisible(false);
}

void LayOutSkinChooser(ui::ComboBox& skins, ui::SpeedButton& add, ui::SpeedButton& remove,
                       ui::SpeedButton& edit, RECT list, int buttonsLeft) {
    skins.SetStyle(ui::csDropDownList);
    skins.SetBounds(list.left, list.top, list.right - list.left, list.bottom - list.top);
    const int top = list.top - 1;
    add.SetCaption(L"+");
    add.SetHint(L"Добавить шкуры из файла");
    add.SetBounds(buttonsLeft, top, 24, 23);
    remove.SetCaption(L"-");
    remove.SetHint(L"Удалить шкуру из списка");
    remove.SetBounds(buttonsLeft + 26, top, 24, 23);
    edit.SetCaption(L"...");
    edit.SetHint(L"Изменить файл шкуры");
    edit.SetBounds(buttonsLeft + 52, top, 24, 23);
}

void SetMainWindowFont(const ui::Font& font) {
    frmHoralto->SetFont(font);
    frmHoralto->lblDateTime.SetFont(font);
}

TagHold::TagHold(TfrmOptions& options) : options_(options), saved_(options.Tag()) {
    options_.SetTag(1);
}

TagHold::~TagHold() {
    options_.SetTag(saved_ != 0 ? 1 : 0);
}

}  // namespace options
