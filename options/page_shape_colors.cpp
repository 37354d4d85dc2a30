// The sub-page "Цвет" of the page "Окно": how the window's background is
// filled and its colour, and the colour and opacity of the clock's text.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/color_font_rules.h"
#include "options/frm_options.h"
#include "options/page_look.h"

namespace {

constexpr int kColorMode = 0, kLayeredMode = 1, kCapturedMode = 2, kDesktopMode = 3;

void Redraw(bool reload) {
    frmHoralto->RefreshDisplay(frmHoralto->lblDateTime.Caption(), reload, false);
}

bool MainSkinChosen() {
    return frmHoralto->Settings.Window.MainSkinIndex != 0;
}

}  // namespace

using options::TagHold;

void TPageShape::tbsMainColorShow(ui::Component&) {
    cmbMainColorObjectChange(cmbMainColorObject);
}

void TPageShape::cmbMainColorObjectChange(ui::Component&) {
    TagHold hold(Options());
    const auto& w = frmHoralto->Settings.Window;
    const bool back = cmbMainColorObject.ItemIndex() != 1;
    if (back) {
        switch (w.FormFillType) {
            case kLayeredMode:
                rdbMainFillTransp.SetChecked(true);
                break;
            case kCapturedMode:
                rdbMainFillDC0.SetChecked(true);
                break;
            case kDesktopMode:
                rdbMainFillDesktop.SetChecked(true);
                break;
            default:
                rdbMainColor.SetChecked(true);
        }
    } else if (w.UseSkinTextColor) {
        rdbMainSkinColor.SetChecked(true);
    } else {
        rdbMainColor.SetChecked(true);
    }
    for (ui::RadioButton* r : {&rdbMainFillDesktop, &rdbMainFillDC0, &rdbMainFillTransp}) r->SetVisible(back);
    trbMainColorTransp.SetVisible(!back);
    if (!MainSkinChosen()) {
        if (!back) rdbMainColor.SetChecked(true);
        rdbMainSkinColor.SetVisible(false);
    } else {
        rdbMainSkinColor.SetVisible(!back);
    }
    rdbMainColorClick(rdbMainColor);
    clbMainDefColors.Invalidate();
}

void TPageShape::rdbMainColorClick(ui::Component&) {
    TfrmOptions& o = Options();
    auto& w = frmHoralto->Settings.Window;
    const bool choose = rdbMainColor.Checked();
    const bool back = cmbMainColorObject.ItemIndex() != 1;
    const int old = w.FormFillType;
    if (back) {
        if (o.Tag() == 0) {
            w.FormFillType = static_cast<std::uint8_t>(rdbMainFillDesktop.Checked()  ? kDesktopMode
                                                       : rdbMainFillDC0.Checked()    ? kCapturedMode
                                                       : rdbMainFillTransp.Checked() ? kLayeredMode
                                                                                     : kColorMode);
            o.chbSmoothlyTransp.SetEnabled(w.FormFillType != kLayeredMode);
        }
        {
            TagHold hold(o);
            trbMainColorTransp.SetPosition(255);
        }
        const int item = options::RememberedColorEntry(o.MainBackColorItem, clbMainDefColors.Count());
        if (item > 0)
            clbMainDefColors.SetItemIndex(item);
        else
            clbMainDefColors.SetSelected(frmHoralto->Color());
        clbMainDefColors.SetVisible(choose);
    } else {
        if (o.Tag() == 0) w.UseSkinTextColor = rdbMainSkinColor.Checked();
        const auto argb = static_cast<std::uint32_t>(w.TextColor);
        const int item = options::RememberedColorEntry(o.MainTextColorItem, clbMainDefColors.Count());
        TagHold hold(o);
        // A listed colour is opaque: its entry is shown again (a system colour
        // could not be found from its value).
        if (item > 0 && !w.UseSkinTextColor && (argb >> 24) == 255) {
            clbMainDefColors.SetItemIndex(item);
            trbMainColorTransp.SetPosition(255);
        } else {
            o.MainTextColorItem = 0;
            clbMainDefColors.SetSelected(options::ColorOfRgb(argb & 0xFFFFFF));
            trbMainColorTransp.SetPosition(static_cast<int>(argb >> 24));
        }
        clbMainDefColors.SetVisible(true);
        clbMainDefColors.SetEnabled(choose);
    }
    imgMainColors.SetEnabled(choose);
    trbMainColorTransp.SetEnabled(!back && choose);
    if (o.Tag() != 0) return;
    if (options::FillTypeChangeReloads(old, w.FormFillType, MainSkinChosen() && w.UseSkinTextColor)) {
        Redraw(true);
        cmbMainColorObjectChange(cmbMainColorObject);
    } else {
        Redraw(false);
        frmHoralto->Repaint();
    }
}

void TPageShape::clbMainDefColorsChange(ui::Component&) {
    TfrmOptions& o = Options();
    if (o.Tag() != 0) return;
    (cmbMainColorObject.ItemIndex() == 1 ? o.MainTextColorItem : o.MainBackColorItem) =
        clbMainDefColors.ItemIndex();
    ApplyMainColor();
}

void TPageShape::imgMainColorsMouseDown(ui::Component&, ui::MouseButton, ui::ShiftState, int x, int y) {
    TfrmOptions& o = Options();
    auto* picture = dynamic_cast<Gdiplus::Bitmap*>(imgMainColors.Picture().get());
    if (!picture) return;
    const options::PalettePoint at =
        options::PalettePixelAt(x, y, int(picture->GetWidth()), int(picture->GetHeight()),
                                imgMainColors.Width(), imgMainColors.Height());
    Gdiplus::Color pixel;
    picture->GetPixel(at.x, at.y, &pixel);
    clbMainDefColors.SetSelected(static_cast<ui::TColor>(RGB(pixel.GetR(), pixel.GetG(), pixel.GetB())));
    if (trbMainColorTransp.Position() != 255) clbMainDefColors.SelectCustom();
    (cmbMainColorObject.ItemIndex() == 1 ? o.MainTextColorItem : o.MainBackColorItem) =
        clbMainDefColors.ItemIndex();
    clbMainDefColors.Invalidate();
    ApplyMainColor();
}

void TPageShape::trbMainColorTranspChange(ui::Component&) {
    trbMainColorTransp.SetHint(L"Прозрачность: " + std::to_wstring(trbMainColorTransp.Position()));
    if (Options().Tag() != 0) return;
    if (clbMainDefColors.ItemIndex() > 0 && trbMainColorTransp.Position() != 255)
        clbMainDefColors.SelectCustom();
    ApplyMainColor();
}

void TPageShape::ApplyMainColor() {
    auto& w = frmHoralto->Settings.Window;
    const ui::TColor color = clbMainDefColors.Selected();
    if (cmbMainColorObject.ItemIndex() != 1) {
        frmHoralto->SetColor(color);
        return;
    }
    w.TextColor = static_cast<int>(options::TextColorOfChoice(
        clbMainDefColors.ItemIndex(), options::RgbOfColor(color), trbMainColorTransp.Position()));
    ui::Font font = frmHoralto->GetFont();
    font.color = color;
    options::SetMainWindowFont(font);
    if (MainSkinChosen()) {
        frmHoralto->Face().MainSkin.TextColor = static_cast<face::Argb>(w.TextColor);
        Redraw(false);
    }
}
