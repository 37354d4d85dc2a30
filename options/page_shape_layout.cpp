// The sub-pages "Шкура", "Цвет" and "Шрифт" of the page "Окно": their layout,
// defaults and events, their loading, and the colour pickers of both colour
// sub-pages (this page's and the taskbar clock's).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/color_font_rules.h"
#include "options/frm_options.h"
#include "options/page_look.h"
#include "options/page_rules.h"
#include "options/page_window.h"
#include "options/screen_cursors.h"

namespace {

constexpr int kPaletteWidth = 120, kPaletteHeight = 65;

// The palette picture shown (stretched) by both colour pickers.
std::shared_ptr<Gdiplus::Bitmap> PalettePicture() {
    auto picture = std::make_shared<Gdiplus::Bitmap>(kPaletteWidth, kPaletteHeight, PixelFormat32bppARGB);
    for (int y = 0; y < kPaletteHeight; ++y)
        for (int x = 0; x < kPaletteWidth; ++x)
            picture->SetPixel(x, y,
                              Gdiplus::Color(Gdiplus::ARGB(
                                  0xFF000000u | options::PaletteColor(x, y, kPaletteWidth, kPaletteHeight))));
    return picture;
}

}  // namespace

void TPageShape::SetUpShapeSubPages() {
    const int top = TPageWindow::kWindowPartBottom + 4;
    pgcMainShape.SetBounds(4, top, 447, 300);

    // ---- "Шкура": defaults first, events after, so that nothing runs while
    // the window is still being made.
    options::LayOutSkinChooser(cmbMainSkins, spbAddMainSkin, spbDeleteMainSkin, spbEditMainSkin,
                               {8, 10, 308, 31}, 314);
    lblMainScale1.SetBounds(8, 46, 100, 17);
    trbMainScale.SetBounds(110, 40, 240, 30);
    trbMainScale.SetParams(75, 1, 1000);
    trbMainScale.SetPageSize(10);
    trbMainScale.SetFrequency(50);
    lblMainScale.SetBounds(356, 46, 60, 17);
    chbUseMainBackgrFile.SetBounds(8, 80, 146, 19);
    chbUseMainBackgrFile.SetChecked(true);
    edtMainBackgrFile.SetBounds(156, 79, 234, 21);
    edtMainBackgrFile.SetText(L"Стандартный");
    spbOpenMainBackgr.SetCaption(L"...");
    spbOpenMainBackgr.SetBounds(394, 78, 24, 23);
    rdbDrawOnDesktop.SetBounds(8, 112, 180, 19);
    chbDrawOnWallpaper.SetBounds(200, 112, 150, 19);
    chbDrawOnWallpaper.SetEnabled(false);
    rdbDrawOnDesktopAndForm.SetBounds(8, 136, 400, 19);
    rdbDrawOnForm.SetBounds(8, 160, 400, 19);
    rdbDrawOnDesktopAndForm.SetChecked(true);

    cmbMainSkins.OnChange = [this](ui::Component& s) { cmbMainSkinsChange(s); };
    for (ui::SpeedButton* b : {&spbAddMainSkin, &spbDeleteMainSkin, &spbEditMainSkin, &spbOpenMainBackgr})
        b->SetFlat(true);
    spbAddMainSkin.OnClick = [this](ui::Component& s) { spbAddSkinClick(s); };
    spbDeleteMainSkin.OnClick = [this](ui::Component& s) { spbDeleteSkinClick(s); };
    spbEditMainSkin.OnClick = [this](ui::Component& s) { spbEditSkinClick(s); };
    spbOpenMainBackgr.OnClick = [this](ui::Component& s) { spbOpenBackgrClick(s); };
    chbUseMainBackgrFile.OnClick = [this](ui::Component& s) { chbUseMainBackgrFileClick(s); };
    edtMainBackgrFile.OnChange = [this](ui::Component& s) { edtMainBackgrFileChange(s); };
    trbMainScale.OnChange = [this](ui::Component& s) { trbMainScaleChange(s); };
    for (ui::Control* c :
         {static_cast<ui::Control*>(&rdbDrawOnDesktop), static_cast<ui::Control*>(&rdbDrawOnDesktopAndForm),
          static_cast<ui::Control*>(&rdbDrawOnForm), static_cast<ui::Control*>(&chbDrawOnWallpaper)})
        c->OnClick = [this](ui::Component& s) { rdbDrawOnDesktopAndFormClick(s); };
    tbsMainSkin.OnShow = [this](ui::Component& s) { tbsMainSkinShow(s); };

    // ---- "Цвет"
    options::LayOutColorSubPage(cmbMainColorObject, imgMainColors, clbMainDefColors, trbMainColorTransp);
    pnlMainFill.SetBevelOuter(ui::bvNone);
    pnlMainFill.SetBounds(260, 36, 130, 130);
    rdbMainColor.SetBounds(4, 4, 120, 19);
    rdbMainFillTransp.SetBounds(4, 28, 120, 19);
    rdbMainFillDC0.SetBounds(4, 52, 120, 19);
    rdbMainFillDesktop.SetBounds(4, 76, 120, 19);
    rdbMainSkinColor.SetBounds(4, 100, 120, 19);
    rdbMainSkinColor.SetVisible(false);
    rdbMainFillTransp.SetChecked(true);

    cmbMainColorObject.OnChange = [this](ui::Component& s) { cmbMainColorObjectChange(s); };
    for (ui::RadioButton* r :
         {&rdbMainFillDesktop, &rdbMainColor, &rdbMainSkinColor, &rdbMainFillDC0, &rdbMainFillTransp})
        r->OnClick = [this](ui::Component& s) { rdbMainColorClick(s); };
    clbMainDefColors.OnChange = [this](ui::Component& s) { clbMainDefColorsChange(s); };
    imgMainColors.OnMouseDown = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        imgMainColorsMouseDown(s, b, sh, x, y);
    };
    trbMainColorTransp.OnChange = [this](ui::Component& s) { trbMainColorTranspChange(s); };
    tbsMainColor.OnShow = [this](ui::Component& s) { tbsMainColorShow(s); };

    // ---- "Шрифт"
    options::LayOutFontSubPage({fcbMainFont, lblMainFontSize, speMainFontSize, trbMainFontSize,
                                pnlMainFontStyle, chbMainStyleItalic, chbMainStyleBold, chbMainStyleUnderline,
                                chbMainStyleStrikeOut, pnlMainAlign, rdbMainAlLeft, rdbMainAlCenter,
                                pnlMainFontSource, rdbUseMainSkinFont, rdbChangeMainFont});
    rdbMainAlLeft.SetChecked(true);
    rdbChangeMainFont.SetChecked(true);

    fcbMainFont.OnChange = [this](ui::Component& s) { fcbMainFontChange(s); };
    speMainFontSize.OnChange = [this](ui::Component& s) { speMainFontSizeChange(s); };
    trbMainFontSize.OnChange = [this](ui::Component& s) { trbMainFontSizeChange(s); };
    for (ui::CheckBox* c :
         {&chbMainStyleItalic, &chbMainStyleBold, &chbMainStyleUnderline, &chbMainStyleStrikeOut})
        c->OnClick = [this](ui::Component& s) { chbMainStyleClick(s); };
    for (ui::RadioButton* r : {&rdbMainAlLeft, &rdbMainAlCenter})
        r->OnClick = [this](ui::Component& s) { rdbMainAlignClick(s); };
    for (ui::RadioButton* r : {&rdbUseMainSkinFont, &rdbChangeMainFont})
        r->OnClick = [this](ui::Component& s) { rdbChangeMainFontClick(s); };
    tbsMainFont.OnShow = [this](ui::Component& s) { tbsMainFontShow(s); };
}

void TPageShape::CopyShapeSubPageSettings() {
    const auto& w = frmHoralto->Settings.Window;
    cmbMainSkins.SetItems(frmHoralto->SkinNames.Items());
    cmbMainSkins.SetItemIndex(w.MainSkinIndex < cmbMainSkins.Count() ? w.MainSkinIndex : -1);
    chbUseMainBackgrFile.SetChecked(w.UseBackgrFile);
    edtMainBackgrFile.SetText(w.BackgroundFile);
    trbMainScale.SetPosition(options::ScalePercent(w.MainScale));
    if (!w.DrawOnForm) {
        chbDrawOnWallpaper.SetChecked(!w.DrawOnDesktop);
        rdbDrawOnDesktop.SetChecked(true);
    } else if (w.DrawOnDesktop) {
        rdbDrawOnDesktopAndForm.SetChecked(true);
    } else {
        rdbDrawOnForm.SetChecked(true);
    }
    rdbDrawOnDesktopAndFormClick(rdbDrawOnDesktopAndForm);
    cmbMainSkinsChange(cmbMainSkins);
    pgcMainShape.SetActivePageIndex(0);
}

void TPageShape::PrepareColorPickers() {
    options::SetScreenCursor(3, options::LoadCursorResource(L"CURSOR_COLOR"));
    imgMainColors.SetCursor(options::ScreenCursor(3));
    Options().imgTrayColors.SetCursor(options::ScreenCursor(3));
}

void TPageShape::DrawColorPickers() {
    const auto picture = PalettePicture();
    imgMainColors.SetPicture(picture);
    Options().imgTrayColors.SetPicture(picture);
}
