// The main window: construction, FormCreate, FormShow, FormActivate, FormDestroy.
#include "core/frm_horalto.h"

#include <filesystem>

#include "core/action_numbers.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "core/window_placement.h"
#include "options/frm_options.h"
#include "timetext/speech/multi_speech.h"
#include "ui/application.h"
#include "ui/dialogs.h"

TfrmHoralto::TfrmHoralto()
    : ui::Form(L"TfrmHoralto", L"frmHoralto"),
      lblDateTime(this, L"lblDateTime"),
      tmrTimer(this, L"tmrTimer"),
      tmrTrayTimer(this, L"tmrTrayTimer"),
      tmrDelay(this, L"tmrDelay"),
      tmrMouseMove(this, L"tmrMouseMove"),
      ActionList(this, L"ActionList"),
      aAbout(ActionList, L"aAbout", L"О программе..."),
      aMinimized(ActionList, L"aMinimized", L"Свернуть окно"),
      aExit(ActionList, L"aExit", L"Выход"),
      aAutorun(ActionList, L"aAutorun", L"Автозапуск"),
      aStayOnTop(ActionList, L"aStayOnTop", L"Поверх всех окон"),
      aShowInTray(ActionList, L"aShowInTray", L"Показать программу в трее"),
      aSoundOnOff(ActionList, L"aSoundOnOff", L"Выключить звук"),
      aCalendar(ActionList, L"aCalendar", L"Календарь"),
      aTimeDateOptions(ActionList, L"aTimeDateOptions", L"Дата/время"),
      aUpdateTime(ActionList, L"aUpdateTime", L"Синхронизировать время"),
      aSpeakTime(ActionList, L"aSpeakTime", L"Сказать время"),
      aPlannerOnOff(ActionList, L"aPlannerOnOff", L"Выключить планировщик"),
      aMain(ActionList, L"aMain", L"Основные"),
      aShape(ActionList, L"aShape", L"Главное окно"),
      aSystemClock(ActionList, L"aSystemClock", L"Системные часы"),
      aSignals(ActionList, L"aSignals", L"Сигналы"),
      aSpeech(ActionList, L"aSpeech", L"Речь"),
      aWorkWindows(ActionList, L"aWorkWindows", L"Время работы Windows"),
      aMouse(ActionList, L"aMouse", L"Мышь"),
      aPlanner(ActionList, L"aPlanner", L"Планировщик"),
      aTimeSynchronization(ActionList, L"aTimeSynchronization", L"Синхронизация времени"),
      aHotKeys(ActionList, L"aHotKeys", L"Горячие клавиши"),
      imlMain(this, L"imlMain"),
      pmnMenu(this, L"pmnMenu"),
      pmiAbout(pmnMenu, L"pmiAbout"),
      pmiSeparator1(pmnMenu, L"pmiSeparator1", L"-"),
      pmiTasks(pmnMenu, L"pmiTasks", L"Планировщик"),
      pmiPlannerOnOff(pmiTasks, L"pmiPlannerOnOff"),
      pmiSeparator3(pmiTasks, L"pmiSeparator3", L"-"),
      pmiOptions(pmnMenu, L"pmiOptions", L"Настройки"),
      pmiMain(pmiOptions, L"pmiMain"),
      pmiShape(pmiOptions, L"pmiShape"),
      pmiSystemClock(pmiOptions, L"pmiSystemClock"),
      pmiSignals(pmiOptions, L"pmiSignals"),
      pmiSpeech(pmiOptions, L"pmiSpeech"),
      pmiWorkWindows(pmiOptions, L"pmiWorkWindows"),
      pmiOthers(pmiOptions, L"pmiOthers"),
      pmiPlanner(pmiOptions, L"pmiPlanner"),
      pmiTimeSynchronization(pmiOptions, L"pmiTimeSynchronization"),
      pmiHotButtons(pmiOptions, L"pmiHotButtons"),
      pmiSkins(pmnMenu, L"pmiSkins", L"Шкура"),
      pmiSkinOptions(pmiSkins, L"pmiSkinOptions", L"Настойка..."),
      pmiSeparator4(pmiSkins, L"pmiSeparator4", L"-"),
      pmiDifferent(pmnMenu, L"pmiDifferent", L"Разное"),
      pmiAutorun(pmiDifferent, L"pmiAutorun"),
      pmiStayOnTop(pmiDifferent, L"pmiStayOnTop"),
      pmiShowInTray(pmiDifferent, L"pmiShowInTray"),
      pmiSound(pmiDifferent, L"pmiSound"),
      pmiCalendar(pmiDifferent, L"pmiCalendar"),
      pmiTimeDateOptions(pmiDifferent, L"pmiTimeDateOptions"),
      pmiUpdateTime(pmiDifferent, L"pmiUpdateTime"),
      pmiSpeakTime(pmiDifferent, L"pmiSpeakTime"),
      pmiSunRD(pmiDifferent, L"pmiSunRD", L"Восход / заход солнца"),
      pmiSeparator2(pmnMenu, L"pmiSeparator2", L"-"),
      pmiMinimized(pmnMenu, L"pmiMinimized"),
      pmiExit(pmnMenu, L"pmiExit"),
      pnlTrayTime(nullptr, L"pnlTrayTime") {
    // The form as designed.
    SetBorderStyle(ui::bsNone);
    SetBorderIcons(ui::biSystemMenu | ui::biMinimize);
    SetBounds(296, 106, 194, 79);
    SetClientWidth(194);
    SetClientHeight(79);
    SetColor(ui::clBtnFace);
    ui::Font font;
    font.name = L"MS Sans Serif";
    font.height = -20;
    font.charset = RUSSIAN_CHARSET;
    SetFont(font);
    SetAlphaBlendValue(200);
    SetPopupMenu(&pmnMenu);
    lblDateTime.SetBounds(8, 8, 140, 25);
    lblDateTime.OnDblClick = [this](ui::Component& s) { FormDblClick(s); };
    lblDateTime.OnMouseDown = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        FormMouseDown(s, b, sh, x, y);
    };
    lblDateTime.OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) {
        FormMouseMove(s, sh, x, y);
    };
    for (ui::Timer* t : {&tmrTimer, &tmrTrayTimer, &tmrDelay, &tmrMouseMove}) t->SetEnabled(false);
    tmrTimer.SetInterval(1000);
    tmrTrayTimer.SetInterval(1000);
    tmrDelay.SetInterval(500);
    tmrMouseMove.SetInterval(500);
    tmrTimer.OnTimer = [this](ui::Component& s) { tmrTimerTimer(s); };
    tmrTrayTimer.OnTimer = [this](ui::Component& s) { tmrTrayTimerTimer(s); };
    tmrDelay.OnTimer = [this](ui::Component& s) { tmrDelayTimer(s); };
    tmrMouseMove.OnTimer = [this](ui::Component& s) { tmrMouseMoveTimer(s); };
    imlMain.AddMaskedResource(L"IMG_MAIN", RGB(255, 0, 255));
    CreateActions();
    CreateMenu();

    OnActivate = [this](ui::Component& s) { FormActivate(s); };
    OnCloseQuery = [this](ui::Component& s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnContextPopup = [this](ui::Component& s, POINT p, bool& handled) { FormContextPopup(s, p, handled); };
    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    OnDblClick = [this](ui::Component& s) { FormDblClick(s); };
    OnDestroy = [this](ui::Component& s) { FormDestroy(s); };
    OnMouseDown = [this](ui::Component& s, ui::MouseButton b, ui::ShiftState sh, int x, int y) {
        FormMouseDown(s, b, sh, x, y);
    };
    OnMouseMove = [this](ui::Component& s, ui::ShiftState sh, int x, int y) { FormMouseMove(s, sh, x, y); };
    OnPaint = [this](ui::Component& s) { FormPaint(s); };
    OnShow = [this](ui::Component& s) { FormShow(s); };

    // The constructor's own part: the defaults are Settings' member values; the
    // skin catalogue, the hidden taskbar-clock panel, the menu painter and GDI+.
    // The speech component comes with the settings window, after the clock's
    // first drawing.
    SkinNames.SetCommaText(L"Нет,Стандартная,Обратная,Трей");
    SkinFiles.SetCommaText(L"|,|,|,|");
    Settings.Window.WallpaperPath = [] {
        wchar_t dir[MAX_PATH] = {};
        UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
        return std::wstring(dir, n < MAX_PATH ? n : 0) + L"\\Web\\Wallpaper\\Безмятежность.bmp";
    }();
    pnlTrayTime.SetVisible(false);
    pnlTrayTime.SetBevelOuter(ui::bvNone);
    pnlTrayTime.SetBevelInner(ui::bvNone);
    pnlTrayTime.SetPopupMenu(&pmnMenu);
    pnlTrayTime.OnContextPopup = [this](ui::Component& s, POINT p, bool& handled) {
        pnlTrayTimeContextPopup(s, p, handled);
    };
    CreateMenuPainter();
    CreateTrayIcon();
    gdiplus_ = std::make_unique<ui::GdiplusSession>();
}

TfrmHoralto::~TfrmHoralto() = default;

void TfrmHoralto::CreateActions() {
    struct Def {
        ui::Action& action;
        int image;
        ui::ShortCut shortCut;
        bool autoCheck;
        void (TfrmHoralto::*handler)(ui::Component&);
    };
    const ui::ShortCut ctrl = ui::scCtrl;
    const Def defs[] = {
        {aAbout, 1, static_cast<ui::ShortCut>(ctrl | 'A'), false, &TfrmHoralto::aAboutExecute},
        {aMinimized, 2, static_cast<ui::ShortCut>(ctrl | 'M'), false, &TfrmHoralto::aMinimizedExecute},
        {aExit, 0, static_cast<ui::ShortCut>(ctrl | 'Q'), false, &TfrmHoralto::aExitExecute},
        {aAutorun, -1, 0, true, &TfrmHoralto::aAutorunExecute},
        {aStayOnTop, -1, 0, true, &TfrmHoralto::aStayOnTopExecute},
        {aShowInTray, -1, static_cast<ui::ShortCut>(ctrl | 'R'), true, &TfrmHoralto::aShowInTrayExecute},
        {aSoundOnOff, core::kImageMute, static_cast<ui::ShortCut>(ctrl | 'S'), false,
         &TfrmHoralto::aSoundOnOffExecute},
        {aCalendar, 16, static_cast<ui::ShortCut>(ctrl | 'C'), false, &TfrmHoralto::aCalendarExecute},
        {aTimeDateOptions, 17, static_cast<ui::ShortCut>(ctrl | 'D'), false,
         &TfrmHoralto::aTimeDateOptionsExecute},
        {aUpdateTime, 14, static_cast<ui::ShortCut>(ctrl | 'U'), false, &TfrmHoralto::aUpdateTimeExecute},
        {aSpeakTime, 10, static_cast<ui::ShortCut>(ctrl | 'T'), false, &TfrmHoralto::aSpeakTimeExecute},
        {aPlannerOnOff, 13, static_cast<ui::ShortCut>(ctrl | 'P'), false, &TfrmHoralto::aPlannerOnOffExecute},
        {aMain, 6, static_cast<ui::ShortCut>(ctrl | 'O'), false, &TfrmHoralto::ShowOptionsExecute},
        {aShape, 21, static_cast<ui::ShortCut>(ctrl | 'I'), false, &TfrmHoralto::ShowOptionsExecute},
        {aSystemClock, 23, static_cast<ui::ShortCut>(ctrl | 'Y'), false, &TfrmHoralto::ShowOptionsExecute},
        {aSignals, 9, static_cast<ui::ShortCut>(ctrl | 'G'), false, &TfrmHoralto::ShowOptionsExecute},
        {aSpeech, 10, static_cast<ui::ShortCut>(ctrl | 'V'), false, &TfrmHoralto::ShowOptionsExecute},
        {aWorkWindows, 11, static_cast<ui::ShortCut>(ctrl | 'W'), false, &TfrmHoralto::ShowOptionsExecute},
        {aMouse, 12, static_cast<ui::ShortCut>(ctrl | 'E'), false, &TfrmHoralto::ShowOptionsExecute},
        {aPlanner, 13, static_cast<ui::ShortCut>(ctrl | 'L'), false, &TfrmHoralto::ShowOptionsExecute},
        {aTimeSynchronization, 14, static_cast<ui::ShortCut>(ctrl | 'Z'), false,
         &TfrmHoralto::ShowOptionsExecute},
        {aHotKeys, 15, static_cast<ui::ShortCut>(ctrl | 'K'), false, &TfrmHoralto::ShowOptionsExecute},
    };
    for (const Def& d : defs) {
        d.action.SetImageIndex(d.image);
        d.action.SetShortCut(d.shortCut);
        d.action.SetAutoCheck(d.autoCheck);
        d.action.OnExecute = [this, h = d.handler](ui::Component& s) { (this->*h)(s); };
    }
    aTimeDateOptions.SetHint(L"Настройка даты/времени");
}

void TfrmHoralto::CreateMenu() {
    const std::pair<ui::MenuItem*, ui::Action*> links[] = {
        {&pmiAbout, &aAbout},
        {&pmiPlannerOnOff, &aPlannerOnOff},
        {&pmiMain, &aMain},
        {&pmiShape, &aShape},
        {&pmiSystemClock, &aSystemClock},
        {&pmiSignals, &aSignals},
        {&pmiSpeech, &aSpeech},
        {&pmiWorkWindows, &aWorkWindows},
        {&pmiOthers, &aMouse},
        {&pmiPlanner, &aPlanner},
        {&pmiTimeSynchronization, &aTimeSynchronization},
        {&pmiHotButtons, &aHotKeys},
        {&pmiAutorun, &aAutorun},
        {&pmiStayOnTop, &aStayOnTop},
        {&pmiShowInTray, &aShowInTray},
        {&pmiSound, &aSoundOnOff},
        {&pmiCalendar, &aCalendar},
        {&pmiTimeDateOptions, &aTimeDateOptions},
        {&pmiUpdateTime, &aUpdateTime},
        {&pmiSpeakTime, &aSpeakTime},
        {&pmiMinimized, &aMinimized},
        {&pmiExit, &aExit},
    };
    for (const auto& [item, action] : links) item->SetAction(action);
    pmiTasks.SetImageIndex(13);
    pmiTasks.SetShortCut(static_cast<ui::ShortCut>(ui::scCtrl | 'L'));
    pmiOptions.SetImageIndex(4);
    pmiSkins.SetImageIndex(22);
    pmiSkinOptions.SetImageIndex(21);
    pmiDifferent.SetImageIndex(5);
    pmiSunRD.SetImageIndex(24);
    pmiSunRD.SetShortCut(static_cast<ui::ShortCut>(ui::scCtrl | 'N'));
    pmiSunRD.OnClick = [this](ui::Component& s) { pmiSunRDClick(s); };
    pmiSkinOptions.OnClick = [this](ui::Component& s) { pmiSkinOptionsClick(s); };
    pmnMenu.OnPopup = [this](ui::Component& s) { pmnMenuPopup(s); };
}

void TfrmHoralto::FormCreate(ui::Component&) {
    SetTag(1);
    // Every end of the program keeps what a close keeps, whenever it comes:
    // a quit from outside, the end of the session (from here on).
    ui::Application().OnEnd = [this] { SaveProgramFiles(false); };
    Settings.Window.Transparency = AlphaBlend();
    Settings.Window.LevelTransparency = AlphaBlendValue();
    // A settings file that is missing, or could not be read, leaves every
    // setting as a first start has it.
    if (const auto ini = core::LoadSettingsFile(IniFileName)) {
        ReadSettings(*ini);
        if (aShowInTray.Checked()) {
            if (Settings.Main.InSystemClock)
                BuildTaskbarClock(false);
            else
                ShowTrayIconAtStart();
        }
    }
    MouseHook = SetWindowsHookExW(WH_MOUSE, &TfrmHoralto::MouseHookProc, nullptr, GetCurrentThreadId());
    if (GetWindowState() == ui::wsMinimized) SetTag(0);
    BuildSkinMenu();
    CheckAutorun();
    if (Settings.SystemClock.HookUpdateTray) SetTaskbarHook(true);
}

void TfrmHoralto::ShowTrayIconAtStart() {
    if (AddTrayIcon()) return;
    aShowInTray.SetChecked(false);
    if (GetWindowState() == ui::wsMinimized) {
        // Its place is gone: the window is the only way to the clock.
        ui::Application().SetShowMainForm(true);
        aMinimized.Execute();
    }
    ui::ShowWarning(
        L"Не удалось поместить значок программы в область уведомлений, поэтому показ в трее выключен. "
        L"Включить его снова можно пунктом меню «Показать программу в трее».");
}

void TfrmHoralto::FormShow(ui::Component&) {
    const core::WindowPoint pos = core::PullBackOnScreen(
        {Left(), Top()}, Width(), Height(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (pos.left != Left() || pos.top != Top()) SetBounds(pos.left, pos.top, Width(), Height());
    if (frmOptions) frmOptions->edtCursorChange(frmOptions->edtCursor);
    ShowWindow(ui::Application().Handle(), SW_HIDE);
}

void TfrmHoralto::SettingsWindowCreated() {
    frmOptions->edtCursorChange(frmOptions->edtCursor);
    // The first drawing went without the settings window's data (the planner's
    // events, the speech corrections): the text is built again with it.
    if (Visible() && Tag() == 0 && GetWindowState() != ui::wsMinimized)
        RefreshDisplay(BuildShownText(Settings.Main.FormatTextMain), false, false);
}

void TfrmHoralto::FormActivate(ui::Component&) {
    if (Settings.Window.FormFillType == 2) Repaint();
}

void TfrmHoralto::FormDestroy(ui::Component&) {
    ui::Application().OnEnd = nullptr;
    DestroyBaloonToolTips();
    if (MouseHook) {
        UnhookWindowsHookEx(MouseHook);
        MouseHook = nullptr;
    }
    MultiSpeech.reset();
    if (pnlTrayTime.Visible()) RemoveTaskbarClock();
    FreeSkinImages();
    gdiplus_.reset();
    for (int i = pmiSkins.Count() - 1; i >= 2; --i) pmiSkins.Delete(i);
    for (int i = pmiTasks.Count() - 1; i >= 2; --i) pmiTasks.Delete(i);
    SetTaskbarHook(false);
}
