#include "options/page_main.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_layout.h"

TPageMain::TPageMain(ui::PageControl& pgcOptions)
    : tbsMain(pgcOptions, L"tbsMain", L"Основные"),
      chbAutorun(&tbsMain, L"chbAutorun", L"Автозапуск"),
      lblCursor(&tbsMain, L"lblCursor", L"Курсор:"),
      edtCursor(&tbsMain, L"edtCursor"),
      btnDateTime(&tbsMain, L"btnDateTime", L"Дата/время"),
      btnSunRD(&tbsMain, L"btnSunRD", L"Восход / заход солнца") {
    PageRows rows;
    rows.Put(chbAutorun, 8, 200).Next();
    rows.Put(lblCursor, 8, 60).Put(edtCursor, 70, 300).Next();
    rows.Put(btnDateTime, 8, 150, 25).Put(btnSunRD, 170, 180, 25).Next(32);
    edtCursor.SetText(L"Стандартный");
    chbAutorun.OnClick = [this](ui::Component& s) { chbAutorunClick(s); };
    edtCursor.OnChange = [this](ui::Component& s) { edtCursorChange(s); };
    tbsMain.OnShow = [this](ui::Component& s) { tbsMainShow(s); };
}

TfrmOptions& TPageMain::Options() {
    return static_cast<TfrmOptions&>(*this);
}

void TPageMain::BindMainPageSettings(core::SettingHomes& homes) {
    options::BindText(homes, L"edtCursor", edtCursor);
}

void TPageMain::CopyMainPageSettings() {
    chbAutorun.SetChecked(frmHoralto->aAutorun.Checked());
}

void TPageMain::chbAutorunClick(ui::Component&) {
    if (Options().Tag() != 0) return;
    if (chbAutorun.Checked() != frmHoralto->aAutorun.Checked()) frmHoralto->aAutorun.Execute();
}

void TPageMain::edtCursorChange(ui::Component&) {}

// tbsMainShow: options/page_main_time_zone.cpp
