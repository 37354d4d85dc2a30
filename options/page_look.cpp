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
