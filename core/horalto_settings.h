// The settings that the main window keeps in its own fields, grouped by the
// section of Horalto.ini they are stored in. The member defaults are the
// program's defaults (a missing key keeps them).
//
// Settings that live elsewhere (the window position, the stay-on-top and tray
// actions, the timers, the form and panel colours, and every control of the
// settings window) are not here: settings_keys.h names their homes.
#pragma once

#include <cstdint>
#include <string>

namespace core {

// A TColor number: clBtnFace, the system colour COLOR_BTNFACE with the high bit set.
constexpr int kClBtnFace = -2147483633;
// ARGB alpha 200, red 0, green 10, blue 20 as a signed 32-bit word.
constexpr int kDefaultTextArgb = -939521516;
// Opaque black as an ARGB word.
constexpr int kOpaqueBlackArgb = -16777216;

struct WindowSettings {
    bool Transparency = false;  // the form's alpha blending
    int LevelTransparency = 200;
    bool SmoothlyTransp = false;
    bool MaskOnMouseMove = true;
    bool TransparentOnMouseMove = true;
    int TranspValueOnMouseMove = 60;
    bool CutBackgr = true;
    int TranspOutline = 0;
    int TranspAdmis = 20;
    int MainSkinIndex = 1;
    bool UseBackgrFile = true;
    std::wstring BackgroundFile = L"Стандартная";
    float MainScale = 1.5f;
    bool DrawOnDesktop = false;
    bool DrawOnForm = true;
    std::uint8_t FormFillType = 1;  // 0 colour, 1 layered, 2 captured screen, 3 desktop
    bool UseSkinTextColor = true;
    int TextColor = kDefaultTextArgb;  // ARGB
    bool UseSkinTextFont = true;
    std::uint8_t TextAlign = 1;  // 0 left, 1 centre, 2 right
    std::uint8_t TextStyle = 0;  // 1 bold, 2 italic, 4 underline, 8 strikeout
    std::wstring TextFont = L"Arial";
    float TextSize = 14.0f;
    // The Windows build sets the real default: the Windows folder followed by
    // "\Web\Wallpaper\Безмятежность.bmp".
    std::wstring WallpaperPath;
    std::uint8_t WallpaperStyle = 2;
    int WallpaperColor = kOpaqueBlackArgb;  // ARGB
};

struct MainSettings {
    bool MinimizeInSysClock = true;
    bool InSystemClock = true;
    bool StickToScreenBord = true;
    int StickToScreenBValue = 5;
    std::wstring FormatTextMain = L"<d mmmm ddd>";
    std::wstring FormatTextHint =
        L"<c>\r\nВосход солнца: TS<t>\r\nЗаход солнца: TZ<t>\r\nВремя работы: W<%dtt>\r\n<LA>";
    double Breadth = 55.75;
    double Longitude = 37.62;
};

// The taskbar clock.
struct SystemClockSettings {
    bool ReplaceText = true;
    bool ResizeWindow = true;
    std::wstring FormatTextTray = L"<tt>";
    int BorderText = 6;
    bool NoBorders = true;
    bool UseBackgrFile = true;
    std::wstring BackgroundFile = L"Стандартная";
    bool CutBackgr = true;
    bool HookUpdateTray = true;
    bool UseTraySkis = true;
    bool AutoTrayScale = true;
    float Scale = 1.0f;
    bool ResizeTrayBackgr = true;
    bool NewTraySkin = true;
    int TraySkinIndex = 3;
    bool UseSkinTextFont = true;
    std::uint8_t TextAlign = 1;
    std::uint8_t TextStyle = 0;
    std::wstring TextFont = L"MS Sans Serif";
    float TextSize = 0.0f;
    bool UseSkinTextColor = true;
    int TextColor = kDefaultTextArgb;  // ARGB
};

struct SoundSettings {
    bool SpeakHour = true;
    std::wstring FormatSpeakHour = L"<h час. ровно>";
    bool SpeakInterval = false;
    std::wstring FormatSpeakInterval = L"<n мин.>";
};

struct SpeechSettings {
    std::wstring FormatSpeakTime = L"<t>";
};

struct PlannerSettings {
    int BalloonDuration = 7000;  // ms
    std::uint8_t BalloonIcon = 1;
};

struct MouseSettings {
    bool ActionsOnClick = true;
    bool ActionsOnDblClick = true;
    bool TextOnClick = true;
    bool TextOnDblClick = true;
    std::wstring FormatTextOnClick = L"Работал W<%dtt>";
    std::wstring FormatTextOnDblClick = L"<LA>";
    int DelayOnClick = 2000;  // ms
    int DelayOnDblClick = 2000;
    bool ShowConstOnClick = false;
    bool ShowConstOnDblClick = false;
    bool SpeakOnClick = true;
    bool SpeakOnDblClick = false;
    std::wstring FormatSpeakOnClick = L"<t>";  // one line
    std::wstring FormatSpeakOnDblClick = L"Осталось до события A<tt>";
    bool MakeActionOnClick = false;
    bool MakeActionOnDblClick = true;
    int ActionOnClick = 10;  // action number 0..27
    int ActionOnDblClick = 0;
    bool ForseActionOnClick = true;
    bool ForseActionOnDblClick = true;
};

struct HoraltoSettings {
    WindowSettings Window;
    MainSettings Main;
    SystemClockSettings SystemClock;
    SoundSettings Sound;
    SpeechSettings Speech;
    PlannerSettings Planner;
    MouseSettings Mouse;
};

}  // namespace core
