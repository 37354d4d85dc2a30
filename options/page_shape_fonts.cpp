// The sub-page "Шрифт" of the page "Окно": the clock text's font, size, style
// and alignment, from the skin or chosen here.
#include <cmath>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "face/gdiplus_util.h"
#include "options/color_font_rules.h"
#include "options/frm_options.h"
#include "options/page_look.h"

using options::TagHold;

namespace {

void Redraw(bool reload) {
    frmHoralto->RefreshDisplay(frmHoralto->lblDateTime.Caption(), reload, false);
}

bool MainSkinChosen() {
    return frmHoralto->Settings.Window.MainSkinIndex != 0;
}

}  // namespace

void TPageShape::tbsMainFontShow(ui::Component&) {
    TagHold hold(Options());
    const auto& w = frmHoralto->Settings.Window;
    (w.UseSkinTextFont ? rdbUseMainSkinFont : rdbChangeMainFont).SetChecked(true);
    if (w.TextAlign == 0) rdbMainAlLeft.SetChecked(true);
    if (w.TextAlign == 1) rdbMainAlCenter.SetChecked(true);
    // The boxes are only checked here, never cleared.
    if (w.TextStyle & 1) chbMainStyleBold.SetChecked(true);
    if (w.TextStyle & 2) chbMainStyleItalic.SetChecked(true);
    if (w.TextStyle & 4) chbMainStyleUnderline.SetChecked(true);
    if (w.TextStyle & 8) chbMainStyleStrikeOut.SetChecked(true);
    fcbMainFont.SetFontName(w.TextFont);
    trbMainFontSize.SetPosition(static_cast<int>(w.TextSize));
    const bool skin = MainSkinChosen();
    rdbUseMainSkinFont.SetVisible(skin);
    rdbChangeMainFont.SetVisible(skin);
    rdbChangeMainFontClick(rdbChangeMainFont);
}

void TPageShape::rdbChangeMainFontClick(ui::Component&) {
    auto& w = frmHoralto->Settings.Window;
    if (Options().Tag() == 0 && rdbUseMainSkinFont.Checked() != w.UseSkinTextFont) {
        w.UseSkinTextFont = rdbUseMainSkinFont.Checked();
        if (MainSkinChosen()) {
            Redraw(true);
            tbsMainFontShow(tbsMainFont);
        }
    }
    const bool fromSkin = rdbUseMainSkinFont.Checked() && rdbUseMainSkinFont.Visible();
    for (ui::Control* c :
         {static_cast<ui::Control*>(&fcbMainFont), static_cast<ui::Control*>(&pnlMainFontStyle),
          static_cast<ui::Control*>(&lblMainFontSize), static_cast<ui::Control*>(&trbMainFontSize),
          static_cast<ui::Control*>(&speMainFontSize)})
        c->SetEnabled(!fromSkin);
}

void TPageShape::fcbMainFontChange(ui::Component&) {
    ui::Font font = frmHoralto->GetFont();
    font.name = fcbMainFont.FontName();
    options::SetMainWindowFont(font);
    ApplyMainFont();
}

void TPageShape::trbMainFontSizeChange(ui::Component&) {
    speMainFontSize.SetValue(trbMainFontSize.Position());
}

void TPageShape::speMainFontSizeChange(ui::Component&) {
    if (Options().Tag() != 0) return;
    trbMainFontSize.SetPosition(speMainFontSize.Value());
    ui::Font font = frmHoralto->GetFont();
    font.SetSize(speMainFontSize.Value());
    options::SetMainWindowFont(font);
    ApplyMainFont();
}

void TPageShape::chbMainStyleClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    if (!MainSkinChosen()) {
        ui::Font font = frmHoralto->GetFont();
        font.style = static_cast<unsigned>(
            options::TextStyleOf(chbMainStyleBold.Checked(), chbMainStyleItalic.Checked(),
                                 chbMainStyleUnderline.Checked(), chbMainStyleStrikeOut.Checked()));
        options::SetMainWindowFont(font);
    }
    ApplyMainFont();
}

void TPageShape::rdbMainAlignClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    auto& w = frmHoralto->Settings.Window;
    const bool centre = rdbMainAlCenter.Checked();
    frmHoralto->lblDateTime.SetAlignment(centre ? ui::taCenter : ui::taLeftJustify);
    w.TextAlign = centre ? 1 : 0;
    if (MainSkinChosen()) {
        frmHoralto->Face().MainSkin.TextAlign = w.TextAlign;
        Redraw(false);
    } else {
        Redraw(true);
    }
}

void TPageShape::ApplyMainFont() {
    if (Options().Tag() != 0) return;
    auto& w = frmHoralto->Settings.Window;
    w.TextFont = fcbMainFont.FontName();
    w.TextSize = static_cast<float>(speMainFontSize.Value());
    w.TextStyle = static_cast<std::uint8_t>(
        options::TextStyleOf(chbMainStyleBold.Checked(), chbMainStyleItalic.Checked(),
                             chbMainStyleUnderline.Checked(), chbMainStyleStrikeOut.Checked()));
    if (MainSkinChosen()) {
        face::SkinSet& set = frmHoralto->Face().MainSkin;
        set.textFont = face::MakeFont(w.TextFont, w.TextSize, w.TextStyle);
        set.textSize = w.TextSize;
        Redraw(true);
    } else {
        Redraw(false);
    }
}
