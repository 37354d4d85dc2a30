// The settings window's life cycle: creation and loading, showing and hiding,
// the message map and the end.
#include "options/frm_options.h"

#include <shellapi.h>

#include <algorithm>
#include <filesystem>

#include "core/action_numbers.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/color_items.h"
#include "options/dialog_font.h"
#include "options/window_effects.h"
#include "planner/task_cells.h"
#include "ui/application.h"

TfrmOptionsBase::TfrmOptionsBase()
    : ui::Form(L"TfrmOptions", L"frmOptions"),
      pgcOptions(this, L"pgcOptions"),
      btnCloseOptions(this, L"btnCloseOptions", L"Закрыть") {
    SetCaption(L"Настройки");
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(ui::biSystemMenu);
    SetClientWidth(463);
    SetClientHeight(601);
    SetFont(options::DialogFont());
    SetShowHint(true);
    pgcOptions.SetMultiLine(true);
    pgcOptions.SetBounds(0, 0, 463, 565);
    btnCloseOptions.SetBounds(463 - 8 - 90, 571, 90, 25);
    btnCloseOptions.SetHint(L"Закрыть настройки");
    btnCloseOptions.SetCancel(true);
}

TfrmOptions::TfrmOptions()
    : TPageMain(pgcOptions),
      TPageShape(pgcOptions),
      TPageWindow(tbsShape, chbMaskOnMouseMove),
      TPageSystemClock(pgcOptions),
      TPageSound(pgcOptions),
      TPageSpeech(pgcOptions),
      TPageWorkTime(pgcOptions, *this),
      TPageMouse(pgcOptions),
      TPagePlanner(pgcOptions, *this),
      TPageSync(pgcOptions),
      TPageHotKeys(pgcOptions),
      TFormatFrames(*this, tbsMain, TabSheet2, tbsSound, tbsSpeech, pnlMouseClick, pnlMouseDblClick) {
    InitFormatStore();
    SetUpImageIndices();
    btnCloseOptions.OnClick = [this](ui::Component& s) { btnCloseOptionsClick(s); };
    btnDateTime.OnClick = [this](ui::Component& s) { btnDateTimeClick(s); };
    btnSunRD.OnClick = [this](ui::Component& s) { btnSunRDClick(s); };
    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    OnShow = [this](ui::Component& s) { FormShow(s); };
    OnHide = [this](ui::Component& s) { FormHide(s); };
    OnClose = [this](ui::Component& s, ui::CloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](ui::Component& s) { FormDestroy(s); };
}

TfrmOptions::~TfrmOptions() = default;

void TfrmOptions::SetUpImageIndices() {
    // The tabs show the pictures of the page actions of the main window.
    const std::pair<ui::TabSheet*, int> tabs[] = {
        {&tbsMain, 6},    {&tbsShape, 21},   {&TabSheet2, 23},
        {&tbsSound, 9},   {&tbsSpeech, 10},  {&tbsTimeWorkWindows, 11},
        {&tbsMouse, 12},  {&tbsPlanner, 13}, {&tbsSynchronization, 14},
        {&tbsHotKeys, 15}};
    for (const auto& [tab, image] : tabs) tab->SetImageIndex(image);
    std::vector<int> actionImages;
    for (int action = 0; action < static_cast<int>(core::KeyActionCaptions().size()); ++action)
        actionImages.push_back(core::ActionImageIndex(action));
    for (ui::ImageComboBox* chooser : {&cbeActionOnClick, &cbeActionOnDblClick, &cbeKeyActions})
        chooser->SetItemImages(actionImages);
}

void TfrmOptions::SetImages(const ui::ImageList* images) {
    pgcOptions.SetImages(images);
    for (ui::ImageComboBox* chooser : {&cbeActionOnClick, &cbeActionOnDblClick, &cbeKeyActions})
        chooser->SetImages(images);
}

void TfrmOptions::FormCreate(ui::Component&) {
    CreateDayPicker();
    SetTag(1);
    PrepareColorPickers();
    frmHoralto->CreateSpeechComponent();
    btnSeachEngines.Click();
    LoadFileLists();  // FileLists.txt, the hot keys, TasksList.tsk
    pgcOptions.SetActivePageIndex(0);
    CopyMainPageSettings();
    CopyShapePageSettings();
    CopyWindowPageSettings();
    CopySystemClockPageSettings();
    CopySoundPageSettings();
    CopySpeechPageSettings();
    CopyWorkTimePageSettings();
    CopyMousePageSettings();
    CopyPlannerPageSettings();
    CopySyncPageSettings();
    CopyHotKeysPageSettings();
    CopyFormatFrameSettings();
    SeedColorItems();
    SetUpGrids();
    // A settings file that is missing, or could not be read, leaves every
    // setting as a first start has it.
    if (const auto ini = core::LoadSettingsFile(IniFileName))
        ReadSettings(*ini);
    else
        UpdateFormatCombos();
    SetUpWorkTime();
    if (chbWorkLog.Checked()) LoadWorkLog(WorkLogFileName);
    DrawColorPickers();
    chbMaskOnMouseMove.SetChecked(frmHoralto->Settings.Window.MaskOnMouseMove);
    NextRunTimes.assign(static_cast<std::size_t>(std::max(0, stgTasks.RowCount() - 1)), 0.0);
    RefreshTaskList();
    spePlayIntervalChange(spePlayInterval);
    tbsMainShow(tbsMain);
    if (chbSynchronizeOnStart.Checked()) btnSynchronize.Click();
    SetTag(0);
}

void TfrmOptions::SeedColorItems() {
    MainBackColorItem = options::ColorItemIndex(frmHoralto->Color());
    MainTextColorItem = options::ColorItemIndex(frmHoralto->GetFont().color);
    TrayBackColorItem = options::ColorItemIndex(frmHoralto->pnlTrayTime.Color());
    TrayTextColorItem = options::ColorItemIndex(frmHoralto->pnlTrayTime.GetFont().color);
}

void TfrmOptions::SetUpGrids() {
    const auto& taskHeader = planner::TaskHeaderCells();
    for (int c = 0; c < stgTasks.ColCount() && c < 11; ++c)
        stgTasks.SetCell(c, 0, std::wstring(taskHeader[c]));
    stgTasks.SetColWidth(0, 15);
    // The day column shows a whole date, and a daily schedule's text.
    const ui::Font gridFont = stgTasks.EffectiveFont();
    stgTasks.SetColWidth(
        planner::kColDay,
        std::max(ui::TextLineWidth(gridFont, L"88.88.8888"), ui::TextLineWidth(gridFont, L"*Ежедневно")) + 8);
    stgWorkLog.SetColWidth(0, 30);
    stgWorkLog.SetCell(1, 0, L"Время запуска");
    stgWorkLog.SetCell(2, 0, L"Время работы");
    stgHotKeysList.SetColWidth(0, -1);
    stgHotKeysList.SetCell(1, 0, L"Клавиши");
    stgHotKeysList.SetCell(2, 0, L"Действие");
    if (cbeKeyActions.Count() > 0) cbeKeyActions.SetItemIndex(0);
    cmbHost.SetText(kDefaultHost);
}

void TfrmOptions::FormShow(ui::Component&) {
    if (cbeKeyActions.ItemIndex() < 0 && cbeKeyActions.Count() > 0) cbeKeyActions.SetItemIndex(0);
}

void TfrmOptions::FormHide(ui::Component&) {}

void TfrmOptions::FormClose(ui::Component&, ui::CloseAction& action) {
    tmrWorkTimeUpdate.SetEnabled(false);
    fadingOut_ = true;
    const bool hidden = PlayWindowEffect(*this, true, false, {}, {});
    fadingOut_ = false;
    if (!hidden) {
        // A page was asked for during the fade: the window stays, on that page.
        action = ui::caNone;
        if (tbsTimeWorkWindows.Showing()) tmrWorkTimeUpdate.SetEnabled(true);
        return;
    }
    pgcOptions.SetActivePageIndex(0);
}

void TfrmOptions::btnCloseOptionsClick(ui::Component&) {
    Close();
}

void TfrmOptions::btnDateTimeClick(ui::Component&) {
    auto open = [](const std::wstring& file) {
        return reinterpret_cast<INT_PTR>(
                   ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
    };
    if (open(L"timedate.cpl")) return;
    wchar_t dir[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    open(std::wstring(dir, n < MAX_PATH ? n : 0) + L"\\SYSTEM\\timedate.cpl");
}

void TfrmOptions::btnSunRDClick(ui::Component&) {
    frmHoralto->pmiSunRD.Click();
}

void TfrmOptions::ShowFormWithEffect() {
    const int clientW = ClientWidth(), clientH = ClientHeight();
    SetBorderStyle(ui::bsNone);
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - clientW) / 2, (GetSystemMetrics(SM_CYSCREEN) - clientH) / 2,
              clientW, clientH);
    SetEnabled(false);
    PlayWindowEffect(
        *this, false, true, [this] { EffectBeginCallback(*this); }, [this] { EffectEndCallback(*this); });
}

void TfrmOptions::EffectBeginCallback(ui::Component&) {
    SetEnabled(false);
    Show();
    BringToFront();
}

void TfrmOptions::EffectEndCallback(ui::Component&) {
    SetEnabled(true);
    // The frame comes back around the unchanged client area.
    const int clientW = ClientWidth(), clientH = ClientHeight();
    POINT before{0, 0};
    ClientToScreen(Handle(), &before);
    SetBorderStyle(ui::bsSingle);
    SetClientWidth(clientW);
    SetClientHeight(clientH);
    POINT after{0, 0};
    ClientToScreen(Handle(), &after);
    SetBounds(Left() + before.x - after.x, Top() + before.y - after.y, Width(), Height());
}

void TfrmOptions::ShowPage(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= pgcOptions.PageCount()) pageIndex = 0;
    pgcOptions.SetActivePageIndex(pageIndex);
    if (Visible())
        FocusShownWindow();
    else
        ShowFormWithEffect();
}

void TfrmOptions::FocusShownWindow() {
    if (fadingOut_) CutWindowEffectShort(*this);
    SetFocus();
}

LRESULT TfrmOptions::WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    TMessage m{msg, wp, lp, 0};
    switch (msg) {
        case WM_POWERBROADCAST:
            WMPowerBroadcast(m);
            break;
        case WM_HOTKEY:
            WMHotKey(m);
            break;
        default:
            return TfrmOptionsBase::WndProc(msg, wp, lp, handled);
    }
    handled = true;
    return m.Result;
}
