#include "core/settings_keys.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "base/codec.h"
#include "base/conversions.h"
#include "base/date_time.h"

namespace core {

namespace {

SettingValue ToValue(bool v) {
    return v;
}
SettingValue ToValue(int v) {
    return v;
}
SettingValue ToValue(std::uint8_t v) {
    return static_cast<int>(v);
}
SettingValue ToValue(float v) {
    return static_cast<double>(v);
}
SettingValue ToValue(double v) {
    return v;
}
SettingValue ToValue(const std::wstring& v) {
    return v;
}

void FromValue(const SettingValue& v, bool& out) {
    out = std::get<bool>(v);
}
void FromValue(const SettingValue& v, int& out) {
    out = std::get<int>(v);
}
// Held in one byte: a larger number keeps its low byte.
void FromValue(const SettingValue& v, std::uint8_t& out) {
    out = static_cast<std::uint8_t>(std::get<int>(v));
}
// Held in single precision (a number beyond its range keeps the largest one).
void FromValue(const SettingValue& v, float& out) {
    const double d = std::get<double>(v);
    constexpr double most = std::numeric_limits<float>::max();
    out = std::isnan(d) ? 0.0f : static_cast<float>(std::clamp(d, -most, most));
}
void FromValue(const SettingValue& v, double& out) {
    out = std::get<double>(v);
}
void FromValue(const SettingValue& v, std::wstring& out) {
    out = std::get<std::wstring>(v);
}

#define HORALTO_FIELD(group, member)                                                        \
    FieldAccess {                                                                           \
        [](const HoraltoSettings& s) -> SettingValue { return ToValue(s.group.member); },   \
            [](HoraltoSettings& s, const SettingValue& v) { FromValue(v, s.group.member); } \
    }

SettingValue Str(const wchar_t* text) {
    return std::wstring(text);
}

using enum Section;
using enum Encoding;
constexpr Reader R1 = Reader::R1;
constexpr Reader R2 = Reader::R2;
constexpr Reader NoReader = Reader::None;
constexpr Writer W1 = Writer::W1;
constexpr Writer W2 = Writer::W2;
constexpr ReadDefault Current = ReadDefault::Current;
constexpr ReadDefault Constant = ReadDefault::Constant;

// A key kept in a field of the main window.
SettingKey Field(Section s, std::wstring_view name, Encoding e, SettingValue def, FieldAccess f,
                 Reader r = R1, ReadDefault d = Current, Writer w = W1) {
    return SettingKey{s, name, e, std::move(def), {}, f, r, w, d};
}

// A key kept in a named home.
SettingKey Home(Section s, std::wstring_view name, Encoding e, SettingValue def, std::wstring_view home,
                Reader r, ReadDefault d, Writer w = W1) {
    return SettingKey{s, name, e, std::move(def), home, {}, r, w, d};
}

// A key whose numbers must lie in [lo, hi].
SettingKey Ranged(SettingKey key, double lo, double hi) {
    key.minValue = lo;
    key.maxValue = hi;
    return key;
}

// The most a span of days or a date-time can be: 9999-12-31 from 1899-12-30.
constexpr double kMaxDays = 2958466;

// A key that holds a date-time (or a time of day or span kept as one): a
// number outside the years 1 to 9999 is no date and reads as the default.
SettingKey DateTimeKey(SettingKey key) {
    return Ranged(std::move(key), base::kMinDateTime, base::kMaxDateTime);
}

std::vector<SettingKey> BuildTable() {
    std::vector<SettingKey> t;
    // ---- Window
    t.push_back(Home(Window, L"WindowState", Bool, true, L"WindowState", R1, Current));
    t.push_back(Home(Window, L"Top", Int, 106, L"Top", R1, Current));
    t.push_back(Home(Window, L"Left", Int, 296, L"Left", R1, Current));
    t.push_back(Field(Window, L"Transparency", Bool, false, HORALTO_FIELD(Window, Transparency)));
    t.push_back(Ranged(
        Field(Window, L"LevelTransparency", Int, 200, HORALTO_FIELD(Window, LevelTransparency)), 0, 255));
    t.push_back(Field(Window, L"SmoothlyTransp", Bool, false, HORALTO_FIELD(Window, SmoothlyTransp)));
    t.push_back(Field(Window, L"MaskOnMouseMove", Bool, true, HORALTO_FIELD(Window, MaskOnMouseMove)));
    t.push_back(
        Field(Window, L"TransparentOnMouseMove", Bool, true, HORALTO_FIELD(Window, TransparentOnMouseMove)));
    t.push_back(Ranged(
        Field(Window, L"TranspValueOnMouseMove", Int, 60, HORALTO_FIELD(Window, TranspValueOnMouseMove)), 0,
        255));
    t.push_back(Field(Window, L"CutBackgr", Bool, true, HORALTO_FIELD(Window, CutBackgr)));
    t.push_back(Field(Window, L"TranspOutline", Int, 0, HORALTO_FIELD(Window, TranspOutline)));
    t.push_back(Field(Window, L"TranspAdmis", Int, 20, HORALTO_FIELD(Window, TranspAdmis)));
    t.push_back(Home(Window, L"TimerInterval", Int, 1000, L"tmrTimer", R1, Current));
    t.push_back(Field(Window, L"MainSkinIndex", IntAsText, 1, HORALTO_FIELD(Window, MainSkinIndex)));
    t.push_back(Field(Window, L"UseBackgrFile", Bool, true, HORALTO_FIELD(Window, UseBackgrFile)));
    t.push_back(
        Field(Window, L"BackgroundFile", String, Str(L"Стандартная"), HORALTO_FIELD(Window, BackgroundFile)));
    t.push_back(
        Ranged(Field(Window, L"MainScale", Float, 1.5, HORALTO_FIELD(Window, MainScale)), 0.001, 1e6));
    t.push_back(Field(Window, L"DrawOnDesktop", Bool, false, HORALTO_FIELD(Window, DrawOnDesktop)));
    t.push_back(Field(Window, L"DrawOnForm", Bool, true, HORALTO_FIELD(Window, DrawOnForm)));
    t.push_back(Field(Window, L"FormFillType", Int, 1, HORALTO_FIELD(Window, FormFillType)));
    t.push_back(Home(Window, L"FormColor", Int, kClBtnFace, L"Color", R1, Constant));
    t.push_back(Field(Window, L"UseSkinTextColor", Bool, true, HORALTO_FIELD(Window, UseSkinTextColor)));
    t.push_back(Field(Window, L"TextColor", Int, kDefaultTextArgb, HORALTO_FIELD(Window, TextColor)));
    t.push_back(Field(Window, L"UseSkinTextFont", Bool, true, HORALTO_FIELD(Window, UseSkinTextFont)));
    t.push_back(Field(Window, L"TextAlign", Int, 1, HORALTO_FIELD(Window, TextAlign)));
    t.push_back(Field(Window, L"TextStyle", Int, 0, HORALTO_FIELD(Window, TextStyle)));
    t.push_back(Field(Window, L"TextFont", String, Str(L"Arial"), HORALTO_FIELD(Window, TextFont)));
    t.push_back(Ranged(Field(Window, L"TextSize", Float, 14.0, HORALTO_FIELD(Window, TextSize)), 0, 1000));
    t.push_back(Field(Window, L"WallpaperPath", String, Str(L""), HORALTO_FIELD(Window, WallpaperPath)));
    t.push_back(Field(Window, L"WallpaperStyle", Int, 2, HORALTO_FIELD(Window, WallpaperStyle)));
    t.push_back(
        Field(Window, L"WallpaperColor", Int, kOpaqueBlackArgb, HORALTO_FIELD(Window, WallpaperColor)));
    // The taskbar clock's text colour once more: written, never read.
    t.push_back(
        Field(Window, L"TrayTextColor", Int, kDefaultTextArgb,
              FieldAccess{[](const HoraltoSettings& s) -> SettingValue { return s.SystemClock.TextColor; },
                          nullptr},
              NoReader));
    // ---- Main
    t.push_back(Home(Main, L"FormStyle", Bool, false, L"aStayOnTop", R1, Constant));
    t.push_back(Home(Main, L"ShowInTray", Bool, false, L"aShowInTray", R1, Current));
    t.push_back(Field(Main, L"MinimizeInSysClock", Bool, true, HORALTO_FIELD(Main, MinimizeInSysClock)));
    t.push_back(Field(Main, L"InSystemClock", Bool, true, HORALTO_FIELD(Main, InSystemClock)));
    t.push_back(Field(Main, L"StickToScreenBord", Bool, true, HORALTO_FIELD(Main, StickToScreenBord)));
    t.push_back(Field(Main, L"StickToScreenBValue", Int, 5, HORALTO_FIELD(Main, StickToScreenBValue)));
    t.push_back(Home(Main, L"Cursor", String, Str(L"Cursor.cur"), L"edtCursor", R2, Constant));
    t.push_back(Field(Main, L"FormatTextMain", StoredText, Str(L"<d mmmm ddd>"),
                      HORALTO_FIELD(Main, FormatTextMain)));
    t.push_back(
        Field(Main, L"FormatTextHint", StoredText,
              Str(L"<c>\r\nВосход солнца: TS<t>\r\nЗаход солнца: TZ<t>\r\nВремя работы: W<%dtt>\r\n<LA>"),
              HORALTO_FIELD(Main, FormatTextHint)));
    t.push_back(Ranged(Field(Main, L"Breadth", Float, 55.75, HORALTO_FIELD(Main, Breadth)), -90, 90));
    t.push_back(Ranged(Field(Main, L"Longitude", Float, 37.62, HORALTO_FIELD(Main, Longitude)), -180, 180));
    // ---- SystemClock
    t.push_back(Field(SystemClock, L"ReplaceText", Bool, true, HORALTO_FIELD(SystemClock, ReplaceText)));
    t.push_back(Field(SystemClock, L"ResizeWindow", Bool, true, HORALTO_FIELD(SystemClock, ResizeWindow)));
    t.push_back(Field(SystemClock, L"FormatTextTray", StoredText, Str(L"<tt>"),
                      HORALTO_FIELD(SystemClock, FormatTextTray)));
    t.push_back(Field(SystemClock, L"BorderText", Int, 6, HORALTO_FIELD(SystemClock, BorderText)));
    t.push_back(Field(SystemClock, L"NoBorders", Bool, true, HORALTO_FIELD(SystemClock, NoBorders)));
    t.push_back(Field(SystemClock, L"UseBackgrFile", Bool, true, HORALTO_FIELD(SystemClock, UseBackgrFile)));
    t.push_back(Field(SystemClock, L"BackgroundFile", String, Str(L"Стандартная"),
                      HORALTO_FIELD(SystemClock, BackgroundFile)));
    t.push_back(Field(SystemClock, L"CutBackgr", Bool, true, HORALTO_FIELD(SystemClock, CutBackgr)));
    t.push_back(Home(SystemClock, L"TimerInterval", Int, 1000, L"tmrTrayTimer", R1, Current));
    t.push_back(
        Field(SystemClock, L"HookUpdateTray", Bool, true, HORALTO_FIELD(SystemClock, HookUpdateTray)));
    t.push_back(Field(SystemClock, L"UseTraySkis", Bool, true, HORALTO_FIELD(SystemClock, UseTraySkis)));
    t.push_back(Field(SystemClock, L"AutoTrayScale", Bool, true, HORALTO_FIELD(SystemClock, AutoTrayScale)));
    t.push_back(Ranged(Field(SystemClock, L"Scale", FloatAsText, 1.0, HORALTO_FIELD(SystemClock, Scale)),
                       0.001, 1e6));
    t.push_back(
        Field(SystemClock, L"ResizeTrayBackgr", Bool, true, HORALTO_FIELD(SystemClock, ResizeTrayBackgr)));
    t.push_back(Field(SystemClock, L"NewTraySkin", Bool, true, HORALTO_FIELD(SystemClock, NewTraySkin)));
    t.push_back(
        Field(SystemClock, L"TraySkinIndex", IntAsText, 3, HORALTO_FIELD(SystemClock, TraySkinIndex)));
    t.push_back(
        Field(SystemClock, L"UseSkinTextFont", Bool, true, HORALTO_FIELD(SystemClock, UseSkinTextFont)));
    t.push_back(Field(SystemClock, L"TextAlign", Int, 1, HORALTO_FIELD(SystemClock, TextAlign)));
    t.push_back(Field(SystemClock, L"TextStyle", Int, 0, HORALTO_FIELD(SystemClock, TextStyle)));
    t.push_back(
        Field(SystemClock, L"TextFont", String, Str(L"MS Sans Serif"), HORALTO_FIELD(SystemClock, TextFont)));
    t.push_back(
        Ranged(Field(SystemClock, L"TextSize", Float, 0.0, HORALTO_FIELD(SystemClock, TextSize)), 0, 1000));
    t.push_back(
        Field(SystemClock, L"UseSkinTextColor", Bool, true, HORALTO_FIELD(SystemClock, UseSkinTextColor)));
    t.push_back(Home(SystemClock, L"TrayColor", Int, kClBtnFace, L"pnlTrayTime.Color", R1, Constant));
    t.push_back(
        Field(SystemClock, L"TextColor", Int, kDefaultTextArgb, HORALTO_FIELD(SystemClock, TextColor)));
    // ---- Sound
    t.push_back(Home(Sound, L"SoundOff", Bool, false, L"aSoundOnOff", R2, Constant));
    t.push_back(Home(Sound, L"PlaySoundHour", Bool, true, L"chbPlaySoundH", R2, Constant));
    t.push_back(Home(Sound, L"NameSoundHour", String, Str(L"signal.wav"), L"edtNameSoundH", R2, Constant));
    t.push_back(Home(Sound, L"OneSignal", Bool, false, L"rdbOneSignal", R2, Constant));
    t.push_back(Home(Sound, L"HoursQuantitySignals", Bool, false, L"rdbHoursQuantity", R2, Constant));
    t.push_back(Home(Sound, L"UpTo12Hours", Bool, true, L"chbTo12Hours", R2, Constant));
    t.push_back(Home(Sound, L"OtherQuantitySignals", Bool, true, L"rdbOtherQuantity", R2, Constant));
    t.push_back(Home(Sound, L"QuantitySignals", Int, 3, L"speQuantity", R2, Constant));
    t.push_back(Field(Sound, L"SpeakHour", Bool, true, HORALTO_FIELD(Sound, SpeakHour)));
    t.push_back(Field(Sound, L"FormatSpeakHour", StoredText, Str(L"<h час. ровно>"),
                      HORALTO_FIELD(Sound, FormatSpeakHour)));
    t.push_back(Field(Sound, L"SpeakInterval", Bool, false, HORALTO_FIELD(Sound, SpeakInterval)));
    t.push_back(Field(Sound, L"FormatSpeakInterval", StoredText, Str(L"<n мин.>"),
                      HORALTO_FIELD(Sound, FormatSpeakInterval)));
    t.push_back(Home(Sound, L"PlaySignalSec", Bool, false, L"chbPlaySignalS", R2, Constant));
    t.push_back(Home(Sound, L"PlayInterval", Int, 60, L"spePlayInterval", R2, Constant));
    t.push_back(Home(Sound, L"PlaySoundSec", Bool, true, L"chbPlaySoundS", R2, Constant));
    t.push_back(Home(Sound, L"NameSoundSec", String, Str(L"ding.wav"), L"edtNameSoundS", R2, Constant));
    t.push_back(Home(Sound, L"From0Min", Bool, false, L"chbSignalSFrom0Min", R2, Constant));
    // ---- Speech (the engine and the three scroll bars are written only while a
    // voice list exists: their homes give no value otherwise)
    t.push_back(Home(Speech, L"SpeechEngine", Int, 0, L"cmbEngines", R2, Constant));
    t.push_back(Home(Speech, L"SpeechVolume", Int, 100, L"scbVolume", R2, Current));
    t.push_back(Home(Speech, L"SpeechSpeed", Int, 149, L"scbSpeed", R2, Current));
    t.push_back(Home(Speech, L"SpeechPitch", Int, 158, L"scbPitch", R2, Current));
    t.push_back(
        Field(Speech, L"FormatSpeakTime", StoredText, Str(L"<t>"), HORALTO_FIELD(Speech, FormatSpeakTime)));
    t.push_back(Home(Speech, L"ReductionsCorrection", Bool, true, L"chbReductCorrection", R2, Constant));
    t.push_back(Home(Speech, L"NumbersCorrection", Bool, true, L"chbNumbersCorrection", R2, Constant));
    t.push_back(Home(Speech, L"MonthsCorrection", Bool, true, L"chbMonthsCorrection", R2, Constant));
    t.push_back(Home(Speech, L"TimeCorrection", Bool, true, L"chbTimeCorrection", R2, Constant));
    t.push_back(Home(Speech, L"DateCorrection", Bool, true, L"chbDateCorrection", R2, Constant));
    // The speech page's test text: read, never written.
    t.push_back(Home(Speech, L"TextToSpeech", StoredText, Str(L"Здравствуй мир!"), L"memText", R2, Current,
                     Writer::None));
    // ---- Planner
    t.push_back(Home(Planner, L"ForseComputerAction", Bool, true, L"chbForseCompAction", R2, Constant));
    t.push_back(Home(Planner, L"PlannerOff", Bool, false, L"aPlannerOnOff", R1, Constant));
    t.push_back(Home(Planner, L"ShowInMenu", Bool, true, L"pmiShowInMenu", R2, Constant));
    t.push_back(Field(Planner, L"BalloonDuration", Int, 7000, HORALTO_FIELD(Planner, BalloonDuration)));
    t.push_back(Field(Planner, L"BalloonIcon", Int, 1, HORALTO_FIELD(Planner, BalloonIcon), R1, Constant));
    // ---- WindowsWorkTime (the work-time values are named homes of the work-time page)
    t.push_back(DateTimeKey(Home(WindowsWorkTime, L"StartWork", DateTime, 0.0, L"StartWork", R2, Current)));
    t.push_back(DateTimeKey(Home(WindowsWorkTime, L"TotalWindowsWorkTime", Duration, 0.0,
                                 L"TotalWindowsWorkTime", R2, Constant)));
    t.push_back(DateTimeKey(Home(WindowsWorkTime, L"WinUpTime", Duration, 0.0, L"WinUpTime", R2, Constant)));
    t.push_back(Ranged(Home(WindowsWorkTime, L"CorrectWorkT", Float, 0.0, L"CorrectWorkT", R2, Constant),
                       -kMaxDays, kMaxDays));
    // The Windows start in UTC at the last exit; 0 (settings of older versions) when missing.
    t.push_back(
        DateTimeKey(Home(WindowsWorkTime, L"StartWorkUTC", DateTime, 0.0, L"StartWorkUTC", R2, Constant)));
    t.push_back(Home(WindowsWorkTime, L"ShowWorkLog", Bool, true, L"chbWorkLog", R2, Constant));
    t.push_back(Home(WindowsWorkTime, L"LimitedLog", Bool, true, L"chbLimitedLog", R2, Constant));
    t.push_back(Home(WindowsWorkTime, L"LogLimit", Int, 1000, L"speLogLimit", R2, Constant));
    // ---- TimeSynchronization
    t.push_back(Home(TimeSynchronization, L"SynchronizeWithInterval", Bool, true, L"chbSyncWithInterval", R2,
                     Constant));
    t.push_back(DateTimeKey(
        Home(TimeSynchronization, L"SynchronizeTimeInterval", Float, 30.0, L"dtpSyncTime", R2, Constant)));
    t.push_back(Home(TimeSynchronization, L"SynchronizeOnStart", Bool, false, L"chbSynchronizeOnStart", R2,
                     Constant));
    t.push_back(
        Home(TimeSynchronization, L"ResynchronizeOnError", Bool, true, L"chbResyncOnError", R2, Constant));
    t.push_back(DateTimeKey(Home(TimeSynchronization, L"SynchronizeErrorTime", Float, 1.0 / 24.0,
                                 L"dtpSyncErrorTime", R2, Constant)));
    t.push_back(Home(TimeSynchronization, L"CurrentServer", String, Str(L""), L"cmbHost", R2, Current));
    t.push_back(
        Home(TimeSynchronization, L"NextHostOnError", Bool, false, L"chbNextHostOnError", R2, Constant));
    t.push_back(
        Home(TimeSynchronization, L"TimeZoneAmendment", Bool, false, L"chbTimeZoneAmendment", R2, Constant));
    t.push_back(
        Home(TimeSynchronization, L"DayLightAmendment", Bool, true, L"chbDayLightAmendment", R2, Constant));
    t.push_back(DateTimeKey(
        Home(TimeSynchronization, L"TimeAmendment", Float, 0.0, L"dtpTimeAmendment", R2, Constant)));
    t.push_back(Home(TimeSynchronization, L"TimeAmendmentMinus", Bool, false, L"rdbTimeMinus", R2, Constant));
    t.push_back(Home(TimeSynchronization, L"LastSynchronization", String, Str(L"Последняя синхронизация:"),
                     L"lblLastSync", R2, Constant));
    t.push_back(DateTimeKey(
        Home(TimeSynchronization, L"NextSynchronization", Float, 0.0, L"NextSynchronization", R2, Constant)));
    // ---- Mouse
    t.push_back(Field(Mouse, L"ActionsOnClick", Bool, true, HORALTO_FIELD(Mouse, ActionsOnClick)));
    t.push_back(Field(Mouse, L"ActionsOnDblClick", Bool, true, HORALTO_FIELD(Mouse, ActionsOnDblClick)));
    t.push_back(Field(Mouse, L"TextOnClick", Bool, true, HORALTO_FIELD(Mouse, TextOnClick)));
    t.push_back(Field(Mouse, L"TextOnDblClick", Bool, true, HORALTO_FIELD(Mouse, TextOnDblClick)));
    t.push_back(Field(Mouse, L"FormatTextOnClick", StoredText, Str(L"Работал W<%dtt>"),
                      HORALTO_FIELD(Mouse, FormatTextOnClick)));
    t.push_back(Field(Mouse, L"FormatTextOnDblClick", StoredText, Str(L"<LA>"),
                      HORALTO_FIELD(Mouse, FormatTextOnDblClick)));
    t.push_back(Field(Mouse, L"DelayOnClick", Int, 2000, HORALTO_FIELD(Mouse, DelayOnClick)));
    t.push_back(Field(Mouse, L"DelayOnDblClick", Int, 2000, HORALTO_FIELD(Mouse, DelayOnDblClick)));
    t.push_back(Field(Mouse, L"ShowConstOnClick", Bool, false, HORALTO_FIELD(Mouse, ShowConstOnClick)));
    t.push_back(Field(Mouse, L"ShowConstOnDblClick", Bool, false, HORALTO_FIELD(Mouse, ShowConstOnDblClick)));
    t.push_back(Field(Mouse, L"SpeakOnClick", Bool, true, HORALTO_FIELD(Mouse, SpeakOnClick)));
    t.push_back(Field(Mouse, L"SpeakOnDblClick", Bool, false, HORALTO_FIELD(Mouse, SpeakOnDblClick)));
    t.push_back(
        Field(Mouse, L"FormatSpeakOnClick", String, Str(L"<t>"), HORALTO_FIELD(Mouse, FormatSpeakOnClick)));
    t.push_back(Field(Mouse, L"FormatSpeakOnDblClick", String, Str(L"Осталось до события A<tt>"),
                      HORALTO_FIELD(Mouse, FormatSpeakOnDblClick)));
    t.push_back(Field(Mouse, L"MakeActionOnClick", Bool, false, HORALTO_FIELD(Mouse, MakeActionOnClick)));
    t.push_back(
        Field(Mouse, L"MakeActionOnDblClick", Bool, true, HORALTO_FIELD(Mouse, MakeActionOnDblClick)));
    t.push_back(Field(Mouse, L"ActionOnClick", ActionNumber, 10, HORALTO_FIELD(Mouse, ActionOnClick)));
    t.push_back(Field(Mouse, L"ActionOnDblClick", ActionNumber, 0, HORALTO_FIELD(Mouse, ActionOnDblClick)));
    t.push_back(Field(Mouse, L"ForseActionOnClick", Bool, true, HORALTO_FIELD(Mouse, ForseActionOnClick)));
    t.push_back(
        Field(Mouse, L"ForseActionOnDblClick", Bool, true, HORALTO_FIELD(Mouse, ForseActionOnDblClick)));
    // ---- HotKeys
    t.push_back(Home(HotKeys, L"ForseKeyAction", Bool, true, L"chbForseKeyAction", R2, Constant));
    // ---- Written by the settings window (W2): the format choices and colour items
    const std::array<std::pair<const wchar_t*, const wchar_t*>, 10> formatIds{{
        {L"MainFormatId", L"Основной"},
        {L"HintFormatId", L"Расширенный"},
        {L"TrayFormatId", L"Время"},
        {L"SpeakHourFormatId", L""},
        {L"SpeakIntervalFormatId", L""},
        {L"SpeakTFormatId", L""},
        {L"TextOnClickFormatId", L"Время работы"},
        {L"SpeakOnClickFormatId", L""},
        {L"TextOnDblClickFormatId", L"События"},
        {L"SpeakOnDblClickFormatId", L""},
    }};
    for (const auto& [name, def] : formatIds)
        t.push_back(Home(Main, name, String, Str(def), name, R2, Current, W2));
    // A missing colour item keeps the position the settings window worked out
    // from the colour just read.
    t.push_back(Home(Window, L"BackColorItem", Int, 0, L"MainBackColorItem", R2, Current, W2));
    t.push_back(Home(Window, L"TextColorItem", Int, 0, L"MainTextColorItem", R2, Current, W2));
    t.push_back(Home(SystemClock, L"BackColorItem", Int, 0, L"TrayBackColorItem", R2, Current, W2));
    t.push_back(Home(SystemClock, L"TextColorItem", Int, 0, L"TrayTextColorItem", R2, Current, W2));
    return t;
}

#undef HORALTO_FIELD

ReadStep KeyStep(Section s, std::wstring_view name) {
    const SettingKey* key = FindSettingKey(s, name);
    if (!key) throw std::logic_error("settings reader names an unknown key");
    return ReadStep{ReadStep::Kind::Key, key};
}

void AddKeys(std::vector<ReadStep>& steps, Section s, std::initializer_list<std::wstring_view> names) {
    for (auto name : names) steps.push_back(KeyStep(s, name));
}

std::vector<ReadStep> BuildR1() {
    std::vector<ReadStep> r;
    AddKeys(r, Main,
            {L"StickToScreenBord", L"StickToScreenBValue", L"MinimizeInSysClock", L"InSystemClock",
             L"ShowInTray", L"Breadth", L"Longitude"});
    AddKeys(r, Window, {L"Top", L"Left"});
    AddKeys(r, Main, {L"FormStyle", L"FormatTextMain", L"FormatTextHint"});
    AddKeys(r, Window,
            {L"Transparency",
             L"LevelTransparency",
             L"SmoothlyTransp",
             L"MaskOnMouseMove",
             L"TransparentOnMouseMove",
             L"TranspValueOnMouseMove",
             L"CutBackgr",
             L"TranspOutline",
             L"TranspAdmis",
             L"TimerInterval",
             L"MainSkinIndex",
             L"UseBackgrFile",
             L"BackgroundFile",
             L"MainScale",
             L"DrawOnDesktop",
             L"DrawOnForm",
             L"FormFillType",
             L"UseSkinTextColor",
             L"FormColor",
             L"TextColor",
             L"UseSkinTextFont",
             L"TextAlign",
             L"TextStyle",
             L"TextFont",
             L"TextSize"});
    r.push_back(ReadStep{ReadStep::Kind::Wallpaper});
    AddKeys(r, SystemClock, {L"ReplaceText",     L"ResizeWindow",     L"FormatTextTray", L"BorderText",
                             L"NoBorders",       L"UseBackgrFile",    L"BackgroundFile", L"CutBackgr",
                             L"TimerInterval",   L"HookUpdateTray",   L"UseTraySkis",    L"AutoTrayScale",
                             L"Scale",           L"ResizeTrayBackgr", L"NewTraySkin",    L"TraySkinIndex",
                             L"TextAlign",       L"TextStyle",        L"TextFont",       L"TextSize",
                             L"UseSkinTextFont", L"UseSkinTextColor", L"TrayColor",      L"TextColor"});
    AddKeys(r, Sound, {L"SpeakHour", L"FormatSpeakHour", L"SpeakInterval", L"FormatSpeakInterval"});
    AddKeys(r, Speech, {L"FormatSpeakTime"});
    AddKeys(r, Planner, {L"PlannerOff", L"BalloonDuration", L"BalloonIcon"});
    for (const SettingKey& key : SettingKeys())
        if (key.section == Mouse && key.reader == R1) r.push_back(ReadStep{ReadStep::Kind::Key, &key});
    r.push_back(ReadStep{ReadStep::Kind::Skins});
    AddKeys(r, Window, {L"WindowState"});
    return r;
}

std::vector<ReadStep> BuildR2() {
    std::vector<ReadStep> r;
    AddKeys(r, Main, {L"Cursor"});
    r.push_back(ReadStep{ReadStep::Kind::TimeFormats});
    AddKeys(r, Main,
            {L"MainFormatId", L"HintFormatId", L"TrayFormatId", L"SpeakTFormatId", L"TextOnClickFormatId",
             L"SpeakOnClickFormatId", L"TextOnDblClickFormatId", L"SpeakOnDblClickFormatId"});
    r.push_back(ReadStep{ReadStep::Kind::UpdateFormatCombos});
    AddKeys(r, Window, {L"BackColorItem", L"TextColorItem"});
    AddKeys(r, SystemClock, {L"BackColorItem", L"TextColorItem"});
    auto addSection = [&r](Section s) {
        for (const SettingKey& key : SettingKeys())
            if (key.section == s && key.reader == R2) r.push_back(ReadStep{ReadStep::Kind::Key, &key});
    };
    addSection(Sound);
    AddKeys(r, Main, {L"SpeakHourFormatId", L"SpeakIntervalFormatId"});
    addSection(Speech);
    addSection(Planner);
    AddKeys(r, WindowsWorkTime,
            {L"ShowWorkLog", L"LimitedLog", L"LogLimit", L"TotalWindowsWorkTime", L"CorrectWorkT",
             L"WinUpTime", L"StartWork", L"StartWorkUTC"});
    addSection(TimeSynchronization);
    addSection(HotKeys);
    return r;
}

}  // namespace

std::wstring_view SectionName(Section section) {
    static constexpr std::array<std::wstring_view, 12> names{
        L"Window",  L"Main",       L"Skins",           L"SystemClock",         L"Sound",
        L"Speech",  L"Planner",    L"WindowsWorkTime", L"TimeSynchronization", L"Mouse",
        L"HotKeys", L"TimeFormats"};
    return names.at(static_cast<std::size_t>(section));
}

const std::vector<SettingKey>& SettingKeys() {
    static const std::vector<SettingKey> table = BuildTable();
    return table;
}

bool SettingKey::InRange(const SettingValue& value) const {
    double number = 0;
    if (const int* i = std::get_if<int>(&value))
        number = *i;
    else if (const double* d = std::get_if<double>(&value))
        number = *d;
    else
        return true;
    return std::isfinite(number) && number >= minValue && number <= maxValue;
}

const SettingKey* FindSettingKey(Section section, std::wstring_view name) {
    for (const SettingKey& key : SettingKeys())
        if (key.section == section && key.name == name) return &key;
    return nullptr;
}

const std::vector<ReadStep>& ReaderSteps(Reader reader) {
    static const std::vector<ReadStep> r1 = BuildR1();
    static const std::vector<ReadStep> r2 = BuildR2();
    static const std::vector<ReadStep> none;
    switch (reader) {
        case Reader::R1:
            return r1;
        case Reader::R2:
            return r2;
        default:
            return none;
    }
}

const std::vector<const SettingKey*>& OptionsWriterKeys() {
    static const std::vector<const SettingKey*> keys = [] {
        std::vector<const SettingKey*> k;
        for (const SettingKey& key : SettingKeys())
            if (key.writer == Writer::W2) k.push_back(&key);
        return k;
    }();
    return keys;
}

bool IsActionNumber(int value) {
    return value >= 0 && value < kActionCount;
}

std::optional<int> ParseActionNumber(std::wstring_view text) {
    int value = 0;
    if (!base::TryStrToInt(text, value) || !IsActionNumber(value)) return std::nullopt;
    return value;
}

bool IsStorableKeyName(std::wstring_view name) {
    if (name.empty()) return false;
    if (name.front() <= L' ' || name.back() <= L' ') return false;
    if (name.front() == L'[' || name.front() == L';') return false;
    for (wchar_t ch : name)
        if (ch == L'=' || ch == L'\r' || ch == L'\n' || ch == L'\0') return false;
    return true;
}

bool IsStorableNewKeyName(std::wstring_view name) {
    return IsStorableKeyName(name) && base::FitsCp1251(name);
}

}  // namespace core
