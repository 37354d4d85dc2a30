#include "options/page_shape.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageShape::TPageShape(ui::PageControl& pgcOptions)
    : tbsShape(pgcOptions, L"tbsShape", L"Окно"),
      chbMaskOnMouseMove(&tbsShape, L"chbMaskOnMouseMove", L"Скрывать окно при наведении мыши") {
    PageRows rows;
    rows.Put(chbMaskOnMouseMove, 8, 300).Next();
    chbMaskOnMouseMove.SetChecked(true);
    SetUpShapeSubPages();
}

TfrmOptions& TPageShape::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageShape::BindShapePageSettings(core::SettingHomes&) {}

void TPageShape::CopyShapePageSettings() {
    CopyShapeSubPageSettings();
}
