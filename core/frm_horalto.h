// The main window: the clock. Its settings live in `Settings` (and in the
// controls and actions named by core/settings_keys.h); the subsystems define
// their parts of this class in files of their own (see the groups below).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/string_list.h"
#include "core/horalto_settings.h"
#include "core/settings_io.h"
#include "core/window_message.h"
#include "ui/actions.h"
#include "ui/form.h"
#include "ui/gdiplus_session.h"
#include "ui/image_list.h"
#include "ui/menus.h"
#include "ui/panels.h"
#include "ui/timer.h"

class TMultiSpeech;
// Window components (components/): the menu painter and the tray icon.
class TXPMenu;
class TGTrayIcon;
// Clock face (face/): the skin sets and display state.
namespace face {
struct DisplayState;
struct SkinSet;
}  // namespace face
namespace Gdiplus {
class Bitmap;
}  // namespace Gdiplus

class TfrmHoralto : public ui::Form {
  public:
    TfrmHoralto();
    ~TfrmHoralto() override;

    // ---- Components of the form
    ui::Label lblDateTime;
    ui::Timer tmrTimer, tmrTrayTimer, tmrDelay, tmrMouseMove;
    ui::ActionList ActionList;
    ui::Action aAbout, aMinimized, aExit, aAutorun, aStayOnTop, aShowInTray, aSoundOnOff, aCalendar,
        aTimeDateOptions, aUpdateTime, aSpeakTime, aPlannerOnOff;
    // The ten settings pages, in page order.
    ui::Action aMain, aShape, aSystemClock, aSignals, aSpeech, aWorkWindows, aMouse, aPlanner,
        aTimeSynchronization, aHotKeys;
    // The pictures of the popup menu, the actions, the settings window's tabs
    // and the action choosers (16 x 16, by image index).
    ui::ImageList imlMain;
    ui::PopupMenu pmnMenu;
    ui::MenuItem pmiAbout, pmiSeparator1, pmiTasks, pmiPlannerOnOff, pmiSeparator3, pmiOptions, pmiMain,
        pmiShape, pmiSystemClock, pmiSignals, pmiSpeech, pmiWorkWindows, pmiOthers, pmiPlanner,
        pmiTimeSynchronization, pmiHotButtons, pmiSkins, pmiSkinOptions, pmiSeparator4, pmiDifferent,
        pmiAutorun, pmiStayOnTop, pmiShowInTray, pmiSound, pmiCalendar, pmiTimeDateOptions, pmiUpdateTime,
        pmiSpeakTime, pmiSunRD, pmiSeparator2, pmiMinimized, pmiExit;
    // The taskbar clock's panel (placed into the taskbar by the taskbar clock).
    ui::Panel pnlTrayTime;

    // ---- Settings and the skin catalogue
    core::HoraltoSettings Settings;
    // Entries 0..3 are built in ("Нет", "Стандартная", "Обратная", "Трей", file "|").
    base::StringList SkinNames, SkinFiles;

    // ---- Run state
    bool ClickIsDouble = false;
    bool MenuFromTrayClock = false;
    bool SkipNextMouseDown = false;
    bool Shaking = false;
    bool Dragging = false;
    int ClickTextTime = 0;
    int DesktopLeft = 0, DesktopTop = 0;

    // The speech component (made by CreateSpeechComponent, core/horalto_worker.cpp,
    // when the settings window loads: it lists the voices).
    std::unique_ptr<TMultiSpeech> MultiSpeech;

    // ---- Life cycle (core/frm_horalto.cpp)
    void FormCreate(ui::Component& sender);
    void FormShow(ui::Component& sender);
    // What the main window takes from the settings window once that exists
    // (it is made after the clock's first drawing).
    void SettingsWindowCreated();
    void FormActivate(ui::Component& sender);
    void FormDestroy(ui::Component& sender);
    // The close query writes every file (core/frm_horalto_close.cpp).
    void FormCloseQuery(ui::Component& sender, bool& canClose);
    // What the program keeps at its end, each file on its own: the main
    // window's part of Horalto.ini, FileLists.txt, TasksList.tsk (after the
    // exit tasks when `runExitTasks`), the work log and the settings window's
    // part of Horalto.ini. The close makes these saves with the exit tasks;
    // every other end (a quit posted from outside, the end of the session)
    // makes them without, as the application's end's saves.
    void SaveProgramFiles(bool runExitTasks);
    // Once the start is over: what stands for the data of each data file that
    // the start could not read, for the saves that must leave such a file as
    // it is while the user leaves its data alone.
    void NoteDataFilesAtStart();
    // What stands for the data of Horalto.ini: the text both its writers
    // store, without what the program changes by itself.
    std::string SettingsData();

    // ---- Timers (core/frm_horalto_timers.cpp)
    void tmrTimerTimer(ui::Component& sender);
    // The tray timer's share of the worker gate: runs TickWork when the tray
    // timer drives the worker and 500 ms have passed (called by tmrTrayTimerTimer).
    void TrayTimerWorkerGate();
    // Waits while the application keeps processing messages (at least once).
    void WaitWithMessages(unsigned ms);

    // ---- Settings file (core/frm_horalto_settings.cpp)
    // The homes of the keys kept by this window (position, actions, timers, colours).
    void BindSettingHomes(core::SettingHomes& homes);
    // What the readers and writers work on (this window's fields and catalogue,
    // the homes of both windows).
    core::SettingsBinding SettingsBindingFor(const core::SettingHomes& homes);
    // Runs `use` with the binding of the keys of both windows (of the settings
    // window only once it exists): what the writers of the file work on.
    void UseAllSettings(const std::function<void(const core::SettingsBinding&)>& use);
    // Reader R1, applying each value on the way.
    void ReadSettings(const base::IniFile& ini);
    void ApplyReadSetting(const core::SettingKey& key);
    // The registry's autorun value checks aAutorun (errors are dropped).
    void CheckAutorun();
    // The main window's message map.
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

    // ---- Actions (core/frm_horalto_actions.cpp)
    void aExitExecute(ui::Component& sender);
    void aAutorunExecute(ui::Component& sender);
    void ShowOptionsExecute(ui::Component& sender);

    // ---- Per-second worker (core/horalto_worker.cpp)
    void TickWork();
    // Makes the speech component unless it exists.
    void CreateSpeechComponent();

    // ---- Text building and speaking (timetext)
    // A multi-line format text to the text to show or speak.
    std::wstring BuildFormatText(const std::wstring& formatText);
    // The same for a text on the screen: only the lines a screen can hold
    // are built (each line is at least a pixel high).
    std::wstring BuildShownText(const std::wstring& formatText);
    // The same for a spoken text: only the part of it that is spoken is built.
    std::wstring BuildSpokenText(const std::wstring& formatText);
    // A span of days with "%y" and "%d" in agreeing Russian words.
    std::wstring FormatDuration(const std::wstring& format, double days);
    // Turns the spoken part of a built text into Russian words and speaks it.
    void SpeakText(const std::wstring& text);
    // One text's tags against one event time; month names after a day number
    // into the genitive (timetext/horalto_text.cpp).
    std::wstring ExpandTemplate(const std::wstring& text, double eventTime);
    std::wstring MonthNameGenitive(const std::wstring& text);

    // ---- Display, skins, taskbar clock and wallpaper (face)
    void RefreshDisplay(const std::wstring& text, bool reload, bool useSkinScale);
    void FormPaint(ui::Component& sender);
    void FreeSkinImages();
    void BuildTaskbarClock(bool resetTextLook);
    void RemoveTaskbarClock();
    void SetTaskbarHook(bool on);
    void tmrTrayTimerTimer(ui::Component& sender);
    void WMTrayUpdate(TMessage& msg);
    // The taskbar's windows looked up again (a visible taskbar clock is rebuilt
    // in the new ones); sizing and placing the clock; its double click.
    void FindTaskbarWindows();
    void PlaceTaskbarClock(bool force);
    void TrayClockDblClick(ui::Component& sender);
    // A click on the taskbar clock (also the tray icon's click): the
    // single-click speech and action, without the click text.
    void TrayClockClick(ui::Component& sender);
    // True when the desktop shows the user's own wallpaper, not the program's bitmap.
    bool ReadWallpaperSettings();
    void DrawWallpaper(bool restore);
    // Skin sets, window shape and background of the clock (face/display_state.h),
    // made on first use by Face(); loading a skin, drawing the face and the
    // window's background modes.
    std::shared_ptr<face::DisplayState> FaceState;
    face::DisplayState& Face();
    void LoadSkin(const std::wstring& path, const std::wstring& section, bool tray, bool useSkinScale);
    void DrawClockFace(face::SkinSet& set, const std::wstring& text);
    void UpdateLayered();
    void CaptureBackground();
    void SetRegionFromBitmap(Gdiplus::Bitmap* bitmap, int tolerance, int outline);
    void ShakeWindow();
    // Whether a point in client coordinates lies inside the window's shape.
    bool PointInWindowShape(int x, int y);

    // ---- Window placement and behaviour (core, placement)
    void SnapToScreenEdges(TMessage& msg);
    void EndWindowDrag(TMessage& msg);
    void tmrMouseMoveTimer(ui::Component& sender);
    void FormMouseMove(ui::Component& sender, ui::ShiftState shift, int x, int y);
    void aMinimizedExecute(ui::Component& sender);
    void aStayOnTopExecute(ui::Component& sender);
    void aShowInTrayExecute(ui::Component& sender);
    // The tray icon's OnRestore (a double click on it).
    void GTrayIconRestore(ui::Component& sender);

    // ---- Mouse clicks, menus and mouse hook (core, clicks)
    void FormMouseDown(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
    void FormDblClick(ui::Component& sender);
    void FormContextPopup(ui::Component& sender, POINT mousePos, bool& handled);
    void tmrDelayTimer(ui::Component& sender);
    // Shows a click text and arms tmrDelay (each call switches the text on or off).
    void ShowTextForDelay(const std::wstring& text);
    // Events of the tray icon and the taskbar clock's context menu.
    void GTrayIconClick(ui::Component& sender);
    void GTrayIconMouseUp(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
    void pnlTrayTimeContextPopup(ui::Component& sender, POINT mousePos, bool& handled);
    void pmnMenuPopup(ui::Component& sender);
    void BuildSkinMenu();
    void SkinMenuItemClick(ui::Component& sender);
    void pmiSkinOptionsClick(ui::Component& sender);
    static LRESULT CALLBACK MouseHookProc(int code, WPARAM wp, LPARAM lp);
    // What the mouse hook does with a button press while `selected` is the
    // menu item the menu painter reports as selected and `pressed` the item of
    // an open menu under the pointer (null when the press is on no menu).
    void MouseHookPress(UINT message, const ui::MenuItem* selected, const ui::MenuItem* pressed);

    // ---- Actions and their executor (core, actions)
    void aAboutExecute(ui::Component& sender);
    void aSoundOnOffExecute(ui::Component& sender);
    void aCalendarExecute(ui::Component& sender);
    void aTimeDateOptionsExecute(ui::Component& sender);
    void aUpdateTimeExecute(ui::Component& sender);
    void aSpeakTimeExecute(ui::Component& sender);
    void aPlannerOnOffExecute(ui::Component& sender);
    void pmiSunRDClick(ui::Component& sender);

    // ---- Window components (components)
    // The menu painter and the tray icon `GTrayIcon1` (its events go to the
    // handlers above), made in the constructor (components/horalto_components.cpp).
    std::shared_ptr<TXPMenu> XPMenu;
    std::shared_ptr<TGTrayIcon> GTrayIcon1;
    void CreateMenuPainter();
    void CreateTrayIcon();
    // The balloon tooltips set up anew with the window's hint: the clock's
    // (the display refresh calls it when it rebuilds the look) and the taskbar
    // clock's (when it is built; removed when it goes).
    void SetUpWindowToolTip();
    void SetUpTaskbarClockToolTip();
    void RemoveTaskbarClockToolTip();
    void SetTrayIconVisible(bool visible);
    bool TrayIconVisible();
    // Shows the tray icon; false when the notification area refuses it.
    bool AddTrayIcon();
    // The start's tray icon: when the notification area refuses it, the
    // program runs on with the icon switched off (and a minimised window
    // shown), saying so once.
    void ShowTrayIconAtStart();
    void DestroyBaloonToolTips();
    // Used by the per-second worker: a control's balloon tooltip (icon 0 none,
    // 1 information), and the tray icon's hint (shorter than 64 characters).
    void UpdateBaloonToolTip(HWND window, int icon, const std::wstring& text, const std::wstring& title);
    void SetTrayIconHint(const std::wstring& hint);
    // Used by the mouse hook: the popup menu's item that the menu painter last
    // drew selected (or the parent of one that lost the selection), or null.
    ui::MenuItem* MenuPainterSelectedItem();
    // Used by the tray icon's click: a balloon of the tray icon (flags 0: no
    // icon; time-out in ms), and the popup menu opened from the tray icon.
    void TrayIconShowBalloonHint(const std::wstring& title, const std::wstring& text, int flags, int timeout);
    void TrayIconShowMenu();

  private:
    void CreateMenu();
    void CreateActions();
    std::unique_ptr<ui::GdiplusSession> gdiplus_;
};
