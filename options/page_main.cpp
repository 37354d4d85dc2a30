#include "options/page_main.h"

#include <filesystem>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/skin_description.h"
#include "options/control_homes.h"
#include "options/frm_options.h"
#include "options/page_rules.h"
#include "options/screen_cursors.h"
#include "ui/file_dialog.h"

namespace {

// The cursor file of the edit's text: a full or network path as it is, any
// other relative to the program's folder.
std::filesystem::path ExistingCursorFile(const std::wstring& text) {
    if (text.empty()) return {};
    std::error_code error;
    const std::filesystem::path path = face::ResolveProgramPath(text, ProgramFolder().wstring());
    if (std::filesystem::is_regular_file(path, error)) return path;
    return {};
}

}  // namespace

TPageMain::TPageMain(ui::PageControl& pgcOptions)
    : tbsMain(pgcOptions, L"tbsMain", L"Основные"),
      chbAutorun(&tbsMain, L"chbAutorun", L"Автозапуск"),
      chbStayOnTop(&tbsMain, L"chbStayOnTop", L"Поверх всех окон"),
      chbShowInTray(&tbsMain, L"chbShowInTray", L"Показать программу в трее"),
      chbInSystemClock(&tbsMain, L"chbInSystemClock", L"В системных часах"),
      chbMinimizeInSysClock(&tbsMain, L"chbMinimizeInSysClock", L"Сворачивать в сист. часы"),
      chbStickToScreenB(&tbsMain, L"chbStickToScreenB", L"Прилипание к границам экрана"),
      trbStickToScreenBValue(&tbsMain, L"trbStickToScreenBValue"),
      lblCursor(&tbsMain, L"lblCursor", L"Курсор:"),
      edtCursor(&tbsMain, L"edtCursor"),
      spbOpenCursor(&tbsMain, L"spbOpenCursor", L"..."),
      btnDateTime(&tbsMain, L"btnDateTime", L"Дата/время"),
      btnSunRD(&tbsMain, L"btnSunRD", L"Восход / заход солнца") {
    // Two columns of switches, the cursor row, then (options/format_frames.cpp)
    // the main text and the hint from y = 138 to 324, the two buttons, and the
    // time zone from kTimeZoneTop on.
    chbAutorun.SetBounds(8, 8, 210, 17);
    chbStayOnTop.SetBounds(220, 8, 234, 17);
    chbShowInTray.SetBounds(8, 32, 210, 17);
    chbStickToScreenB.SetBounds(220, 32, 234, 17);
    chbInSystemClock.SetBounds(24, 56, 194, 17);
    trbStickToScreenBValue.SetBounds(244, 52, 196, 26);
    chbMinimizeInSysClock.SetBounds(24, 80, 194, 17);
    lblCursor.SetBounds(8, 111, 50, 16);
    edtCursor.SetBounds(62, 108, 350, 21);
    spbOpenCursor.SetBounds(416, 107, 23, 23);
    btnDateTime.SetBounds(8, 332, 150, 25);
    btnSunRD.SetBounds(166, 332, 180, 25);

    chbInSystemClock.SetChecked(true);
    chbInSystemClock.SetEnabled(false);
    chbMinimizeInSysClock.SetChecked(true);
    chbStickToScreenB.SetChecked(true);
    trbStickToScreenBValue.SetParams(7, 1, 20);
    trbStickToScreenBValue.SetFrequency(1);
    edtCursor.SetText(options::kStandardCursorText);
    spbOpenCursor.SetHint(L"Выбрать");

    chbAutorun.OnClick = [this](ui::Component& s) { chbAutorunClick(s); };
    chbStayOnTop.OnClick = [this](ui::Component& s) { chbStayOnTopClick(s); };
    for (ui::CheckBox* c : {&chbShowInTray, &chbInSystemClock, &chbMinimizeInSysClock})
        c->OnClick = [this](ui::Component& s) { chbShowInTrayClick(s); };
    chbStickToScreenB.OnClick = [this](ui::Component& s) { chbStickToScreenBClick(s); };
    trbStickToScreenBValue.OnChange = [this](ui::Component& s) { trbStickToScreenBValueChange(s); };
    spbOpenCursor.OnClick = [this](ui::Component& s) { spbOpenCursorClick(s); };
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
    const core::MainSettings& main = frmHoralto->Settings.Main;
    chbAutorun.SetChecked(frmHoralto->aAutorun.Checked());
    chbStayOnTop.SetChecked(frmHoralto->aStayOnTop.Checked());
    chbInSystemClock.SetChecked(main.InSystemClock);
    chbMinimizeInSysClock.SetChecked(main.MinimizeInSysClock);
    chbShowInTray.SetChecked(frmHoralto->aShowInTray.Checked());
    chbShowInTrayClick(chbShowInTray);
    chbStickToScreenB.SetChecked(main.StickToScreenBord);
    trbStickToScreenBValue.SetPosition(main.StickToScreenBValue);
    trbStickToScreenBValue.SetHint(options::PositionHint(trbStickToScreenBValue.Position()));
    BindSpinEditKeys();
}

void TPageMain::chbAutorunClick(ui::Component&) {
    if (chbAutorun.Checked() != frmHoralto->aAutorun.Checked()) frmHoralto->aAutorun.Execute();
}

void TPageMain::chbStayOnTopClick(ui::Component&) {
    if (chbStayOnTop.Checked() != frmHoralto->aStayOnTop.Checked()) frmHoralto->aStayOnTop.Execute();
}

void TPageMain::chbShowInTrayClick(ui::Component&) {
    const bool inTray = chbShowInTray.Checked();
    chbInSystemClock.SetEnabled(inTray);
    chbMinimizeInSysClock.SetEnabled(!inTray);
    if (inTray) chbMinimizeInSysClock.SetChecked(false);
    if (Options().Tag() != 0) return;
    core::MainSettings& main = frmHoralto->Settings.Main;
    main.InSystemClock = chbInSystemClock.Checked();
    main.MinimizeInSysClock = chbMinimizeInSysClock.Checked();
    // The icon or the taskbar clock follows the three settings.
    if (inTray != frmHoralto->aShowInTray.Checked())
        frmHoralto->aShowInTray.Execute();
    else
        frmHoralto->aShowInTrayExecute(frmHoralto->aShowInTray);
}

void TPageMain::chbStickToScreenBClick(ui::Component&) {
    bool& stick = frmHoralto->Settings.Main.StickToScreenBord;
    if (chbStickToScreenB.Checked() != stick) stick = chbStickToScreenB.Checked();
}

void TPageMain::trbStickToScreenBValueChange(ui::Component&) {
    const int position = trbStickToScreenBValue.Position();
    trbStickToScreenBValue.SetHint(options::PositionHint(position));
    int& distance = frmHoralto->Settings.Main.StickToScreenBValue;
    if (position == distance) return;
    distance = position;
    // The window's move handling snaps it to the edges at the new distance.
    if (frmHoralto->HandleAllocated()) {
        POINT origin{0, 0};
        ClientToScreen(frmHoralto->Handle(), &origin);
        SendMessageW(frmHoralto->Handle(), WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
}

void TPageMain::spbOpenCursorClick(ui::Component&) {
    ui::OpenDialog dlgOpen(&Options(), L"dlgOpen");
    const std::filesystem::path current = ExistingCursorFile(edtCursor.Text());
    if (!current.empty()) {
        dlgOpen.FileName = current.wstring();
    } else {
        wchar_t windows[MAX_PATH] = {};
        const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
        dlgOpen.InitialDir = std::wstring(windows, n < MAX_PATH ? n : 0) + L"\\Cursors";
    }
    dlgOpen.Filter = L"Курсоры (*.cur;*.ani)|*.cur;*.ani";
    if (dlgOpen.Execute()) edtCursor.SetText(dlgOpen.FileName);
}

void TPageMain::edtCursorChange(ui::Component&) {
    ui::CursorHandle cursor;
    const std::wstring text = edtCursor.Text();
    if (!options::IsStandardCursorText(text)) {
        const std::filesystem::path file = ExistingCursorFile(text);
        if (!file.empty()) cursor.Reset(LoadCursorFromFileW(file.c_str()));
    }
    // The program's own cursor when the text names none or the file is unusable.
    if (!cursor) cursor = options::LoadCursorResource(L"CURSOR_DEF");
    if (!cursor) return;
    options::SetScreenCursor(2, std::move(cursor));
    frmHoralto->SetCursor(options::ScreenCursor(2));
    frmHoralto->pnlTrayTime.SetCursor(options::ScreenCursor(2));
}

void TPageMain::SpinEditKeyPress(ui::Component&, wchar_t& key) {
    if (!options::SpinEditAcceptsKey(key)) key = 0;
}

void TPageMain::BindSpinEditKeys() {
    static const wchar_t* const names[] = {
        L"speMainFontSize",      L"speOutline",       L"speTransparentOnMouseMove",
        L"speTranspAdmis",       L"speTimerInterval", L"speTrayFontSize",
        L"speTrayTimerInterval", L"speQuantity",      L"spePlayInterval",
        L"speTotalWorkDays",     L"speLogLimit",      L"speDelayOnClick",
        L"speDelayOnDblClick",   L"speSyncDays"};
    for (const wchar_t* name : names) {
        auto* edit = dynamic_cast<ui::SpinEdit*>(Options().FindComponent(name));
        if (edit && !edit->OnKeyPress)
            edit->OnKeyPress = [this](ui::Component& s, wchar_t& key) { SpinEditKeyPress(s, key); };
    }
}

// tbsMainShow: options/page_main_time_zone.cpp
