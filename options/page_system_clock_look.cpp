// The sub-pages "Цвет" and "Шрифт" of the page "Системные": twins of the main
// window's, for the taskbar clock's panel, text colour and font.
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/gdiplus_util.h"
#include "options/color_font_rules.h"
#include "options/frm_options.h"
#include "options/page_look.h"

using options::TagHold;

namespace {

bool ClockShown() {
    return frmHoralto->pnlTrayTime.Visible();
}

bool TraySkinUsed() {
    const auto& c = frmHoralto->Settings.SystemClock;
    return c.TraySkinIndex > 0 && c.UseTraySkis;
}

void Place() {
    frmHoralto->PlaceTaskbarClock(true);
}

void SetPanelFont(const ui::Font& font) {
    frmHoralto->pnlTrayTime.SetFont(font);
}

}  // namespace

// ---- "Цвет"

void TPageSystemClock::tbsTrayColorShow(ui::Component&) {
    cmbTrayColorObjectChange(cmbTrayColorObject);
}

void TPageSystemClock::cmbTrayColorObjectChange(ui::Component&) {
    TagHold hold(Options());
    const auto& c = frmHoralto->Settings.SystemClock;
    const bool back = cmbTrayColorObject.ItemIndex() != 1;
    bool sources = !back;
    if (back)
        rdbChangeTrayColor.SetChecked(true);
    else
        (c.UseSkinTextColor ? rdbUseTraySkinColor : rdbChangeTrayColor).SetChecked(true);
    if (!back && !TraySkinUsed()) {
        rdbChangeTrayColor.SetChecked(true);
        sources = false;
    }
    rdbChangeTrayColor.SetVisible(sources);
    rdbUseTraySkinColor.SetVisible(sources);
    trbTrayColorTransp.SetVisible(sources);
    rdbTrayColorClick(rdbChangeTrayColor);
    clbTrayDefColors.Invalidate();
}

void TPageSystemClock::rdbTrayColorClick(ui::Component&) {
    TfrmOptions& o = Options();
    auto& c = frmHoralto->Settings.SystemClock;
    const bool choose = rdbChangeTrayColor.Checked();
    const bool back = cmbTrayColorObject.ItemIndex() != 1;
    if (back) {
        {
            TagHold hold(o);
            trbTrayColorTransp.SetPosition(255);
        }
        const int item = options::RememberedColorEntry(o.TrayBackColorItem, clbTrayDefColors.Count());
        if (item > 0)
            clbTrayDefColors.SetItemIndex(item);
        else
            clbTrayDefColors.SetSelected(frmHoralto->pnlTrayTime.Color());
        clbTrayDefColors.SetVisible(choose);
    } else {
        if (o.Tag() == 0) c.UseSkinTextColor = rdbUseTraySkinColor.Checked();
        const auto argb = static_cast<std::uint32_t>(c.TextColor);
        const int item = options::RememberedColorEntry(o.TrayTextColorItem, clbTrayDefColors.Count());
        TagHold hold(o);
        if (item > 0 && !c.UseSkinTextColor && (argb >> 24) == 255) {
            clbTrayDefColors.SetItemIndex(item);
            trbTrayColorTransp.SetPosition(255);
        } else {
            o.TrayTextColorItem = 0;
            clbTrayDefColors.SetSelected(options::ColorOfRgb(argb & 0xFFFFFF));
            trbTrayColorTransp.SetPosition(static_cast<int>(argb >> 24));
        }
        clbTrayDefColors.SetVisible(true);
        clbTrayDefColors.SetEnabled(choose);
    }
    imgTrayColors.SetEnabled(choose);
    trbTrayColorTransp.SetEnabled(!back && choose);
    if (o.Tag() == 0 && ClockShown() && c.UseSkinTextColor && TraySkinUsed()) {
        frmHoralto->RemoveTaskbarClock();
        frmHoralto->BuildTaskbarClock(false);
        cmbTrayColorObjectChange(cmbTrayColorObject);
    }
}

void TPageSystemClock::clbTrayDefColorsChange(ui::Component&) {
    TfrmOptions& o = Options();
    if (o.Tag() != 0) return;
    (cmbTrayColorObject.ItemIndex() == 1 ? o.TrayTextColorItem : o.TrayBackColorItem) =
        clbTrayDefColors.ItemIndex();
    ApplyTrayColor();
}

void TPageSystemClock::imgTrayColorsMouseDown(ui::Component&, ui::MouseButton, ui::ShiftState, int x, int y) {
    TfrmOptions& o = Options();
    auto* picture = dynamic_cast<Gdiplus::Bitmap*>(imgTrayColors.Picture().get());
    if (!picture) return;
    const options::PalettePoint at =
        options::PalettePixelAt(x, y, int(picture->GetWidth()), int(picture->GetHeight()),
                                imgTrayColors.Width(), imgTrayColors.Height());
    Gdiplus::Color pixel;
    picture->GetPixel(at.x, at.y, &pixel);
    clbTrayDefColors.SetSelected(static_cast<ui::TColor>(RGB(pixel.GetR(), pixel.GetG(), pixel.GetB())));
    if (trbTrayColorTransp.Position() != 255) clbTrayDefColors.SelectCustom();
    (cmbTrayColorObject.ItemIndex() == 1 ? o.TrayTextColorItem : o.TrayBackColorItem) =
        clbTrayDefColors.ItemIndex();
    clbTrayDefColors.Invalidate();
    ApplyTrayColor();
}

void TPageSystemClock::trbTrayColorTranspChange(ui::Component&) {
    trbTrayColorTransp.SetHint(L"Прозрачность: " + std::to_wstring(trbTrayColorTransp.Position()));
    if (Options().Tag() != 0) return;
    if (clbTrayDefColors.ItemIndex() > 0 && trbTrayColorTransp.Position() != 255)
        clbTrayDefColors.SelectCustom();
    ApplyTrayColor();
}

void TPageSystemClock::ApplyTrayColor() {
    auto& c = frmHoralto->Settings.SystemClock;
    const ui::TColor color = clbTrayDefColors.Selected();
    if (cmbTrayColorObject.ItemIndex() != 1) {
        frmHoralto->pnlTrayTime.SetColor(color);
        if (ClockShown()) Place();  // the panel's picture takes the new colour
        return;
    }
    c.TextColor = static_cast<int>(options::TextColorOfChoice(
        clbTrayDefColors.ItemIndex(), options::RgbOfColor(color), trbTrayColorTransp.Position()));
    ui::Font font = frmHoralto->pnlTrayTime.GetFont();
    font.color = color;
    SetPanelFont(font);
    if (TraySkinUsed() && ClockShown()) {
        frmHoralto->Face().TraySkin.TextColor = static_cast<face::Argb>(c.TextColor);
        Place();
    }
}

// ---- "Шрифт"

void TPageSystemClock::tbsTrayFontShow(ui::Component&) {
    TagHold hold(Options());
    const auto& c = frmHoralto->Settings.SystemClock;
    (c.UseSkinTextFont ? rdbUseTraySkinFont : rdbChangeTrayFont).SetChecked(true);
    if (c.TextAlign == 0) rdbTrayAlLeft.SetChecked(true);
    if (c.TextAlign == 1) rdbTrayAlCenter.SetChecked(true);
    if (c.TextStyle & 1) chbTrayStyleBold.SetChecked(true);
    if (c.TextStyle & 2) chbTrayStyleItalic.SetChecked(true);
    if (c.TextStyle & 4) chbTrayStyleUnderline.SetChecked(true);
    if (c.TextStyle & 8) chbTrayStyleStrikeOut.SetChecked(true);
    fcbTrayFont.SetFontName(c.TextFont);
    trbTrayFontSize.SetPosition(static_cast<int>(c.TextSize));
    const bool skin = c.TraySkinIndex != 0 && c.UseTraySkis;
    rdbUseTraySkinFont.SetVisible(skin);
    rdbChangeTrayFont.SetVisible(skin);
    rdbChangeTrayFontClick(rdbChangeTrayFont);
}

void TPageSystemClock::rdbChangeTrayFontClick(ui::Component&) {
    auto& c = frmHoralto->Settings.SystemClock;
    if (Options().Tag() == 0 && rdbUseTraySkinFont.Checked() != c.UseSkinTextFont) {
        c.UseSkinTextFont = rdbUseTraySkinFont.Checked();
        if (TraySkinUsed() && ClockShown()) {
            frmHoralto->RemoveTaskbarClock();
            frmHoralto->BuildTaskbarClock(false);
        }
        tbsTrayFontShow(tbsTrayFont);
    }
    const bool fromSkin = rdbUseTraySkinFont.Checked() && rdbUseTraySkinFont.Visible();
    for (ui::Control* control :
         {static_cast<ui::Control*>(&fcbTrayFont), static_cast<ui::Control*>(&pnlTrayFontStyle),
          static_cast<ui::Control*>(&lblTrayFontSize), static_cast<ui::Control*>(&trbTrayFontSize),
          static_cast<ui::Control*>(&speTrayFontSize)})
        control->SetEnabled(!fromSkin);
}

void TPageSystemClock::fcbTrayFontChange(ui::Component&) {
    ui::Font font = frmHoralto->pnlTrayTime.GetFont();
    font.name = fcbTrayFont.FontName();
    SetPanelFont(font);
    ApplyTrayFont();
}

void TPageSystemClock::trbTrayFontSizeChange(ui::Component&) {
    speTrayFontSize.SetValue(trbTrayFontSize.Position());
}

void TPageSystemClock::speTrayFontSizeChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    trbTrayFontSize.SetPosition(speTrayFontSize.Value());
    ui::Font font = frmHoralto->pnlTrayTime.GetFont();
    font.SetSize(speTrayFontSize.Value());
    SetPanelFont(font);
    ApplyTrayFont();
}

void TPageSystemClock::chbTrayStyleClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    ui::Font font = frmHoralto->pnlTrayTime.GetFont();
    font.style = static_cast<unsigned>(
        options::TextStyleOf(chbTrayStyleBold.Checked(), chbTrayStyleItalic.Checked(),
                             chbTrayStyleUnderline.Checked(), chbTrayStyleStrikeOut.Checked()));
    SetPanelFont(font);
    ApplyTrayFont();
}

void TPageSystemClock::rdbTrayAlignClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    auto& c = frmHoralto->Settings.SystemClock;
    const bool centre = rdbTrayAlCenter.Checked();
    if (ui::Label* label = frmHoralto->Face().taskbarClock.label.get())
        label->SetAlignment(centre ? ui::taCenter : ui::taLeftJustify);
    c.TextAlign = centre ? 1 : 0;
    if (!ClockShown()) return;
    if (TraySkinUsed()) frmHoralto->Face().TraySkin.TextAlign = c.TextAlign;
    Place();
}

void TPageSystemClock::ApplyTrayFont() {
    if (Options().Tag() != 0) return;
    auto& c = frmHoralto->Settings.SystemClock;
    c.TextFont = fcbTrayFont.FontName();
    c.TextSize = static_cast<float>(speTrayFontSize.Value());
    c.TextStyle = static_cast<std::uint8_t>(
        options::TextStyleOf(chbTrayStyleBold.Checked(), chbTrayStyleItalic.Checked(),
                             chbTrayStyleUnderline.Checked(), chbTrayStyleStrikeOut.Checked()));
    if (!ClockShown()) return;
    if (c.TraySkinIndex > 0) {
        face::SkinSet& set = frmHoralto->Face().TraySkin;
        set.textFont = face::MakeFont(c.TextFont, c.TextSize, c.TextStyle);
        set.textSize = c.TextSize;
    }
    Place();
}
