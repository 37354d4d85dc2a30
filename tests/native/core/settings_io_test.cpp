// Readers and writers of Horalto.ini over an in-memory INI file.
#include <gtest/gtest.h>

#include <cmath>

#include "settings_test_support.h"

using namespace core;
using core_test::Store;

namespace {

std::wstring WrittenBy(Store& store) {
    auto ini = base::IniFile::FromText(L"");
    const auto binding = store.Binding();
    WriteMainWindowSettings(ini, binding);
    WriteOptionsSettings(ini, binding);
    return ini.ToText();
}

bool HasLine(const std::wstring& text, const std::wstring& line) {
    return (L"\r\n" + text).find(L"\r\n" + line + L"\r\n") != std::wstring::npos;
}

}  // namespace

TEST(SettingsWrite, FreshDefaultsAsTheFileShowsThem) {
    Store store;
    const std::wstring text = WrittenBy(store);
    for (const wchar_t* line : {
             L"WindowState=1",
             L"Top=106",
             L"Left=296",
             L"MainScale=1,5",
             L"FormColor=-2147483633",
             L"TextColor=-939521516",
             L"TrayTextColor=-939521516",
             L"MainSkinIndex=1",
             L"FormatTextMain=_\"<d mmmm ddd>\"",
             L"FormatTextHint=_<c>,\"Восход солнца: TS<t>\",\"Заход солнца: TZ<t>\",\"Время работы: "
             L"W<%dtt>\",<LA>",
             L"FormatTextTray=_<tt>",
             L"FormatSpeakHour=_\"<h час. ровно>\"",
             L"FormatTextOnClick=_\"Работал W<%dtt>\"",
             L"FormatSpeakOnDblClick=Осталось до события A<tt>",
             L"Scale=1",
             L"SynchronizeErrorTime=0,0416666666666667",
             L"LastSynchronization=Последняя синхронизация:",
             L"ForseKeyAction=1",
             L"MainFormatId=Основной",
             L"SpeakHourFormatId=",
             L"TotalWindowsWorkTime=30.12.1899",
             L"BackColorItem=0",
         })
        EXPECT_TRUE(HasLine(text, line)) << testing::PrintToString(std::wstring(line));
    EXPECT_EQ(text.find(L"TextToSpeech"), std::wstring::npos);
    EXPECT_EQ(text.find(L"[Skins]"), std::wstring::npos);
    EXPECT_TRUE(HasLine(text, L"[TimeFormats]"));

    // Sections in the order the closing writer first touches them, TimeFormats last.
    std::size_t last = 0;
    for (const wchar_t* section :
         {L"[Window]", L"[Main]", L"[SystemClock]", L"[Sound]", L"[Speech]", L"[Planner]",
          L"[WindowsWorkTime]", L"[TimeSynchronization]", L"[Mouse]", L"[HotKeys]", L"[TimeFormats]"}) {
        const std::size_t at = text.find(section);
        ASSERT_NE(at, std::wstring::npos) << testing::PrintToString(std::wstring(section));
        EXPECT_GT(at + 1, last);
        last = at;
    }
}

TEST(SettingsWrite, EveryKeyOnceAndNothingElse) {
    Store store;
    auto ini = base::IniFile::FromText(WrittenBy(store));
    int keys = 0;
    for (const auto& section : ini.ReadSections()) keys += ini.ReadSection(section).Count();
    // All keys but TextToSpeech (never written).
    EXPECT_EQ(keys, 155);
    for (const SettingKey& key : SettingKeys()) {
        if (key.writer != Writer::None) {
            EXPECT_TRUE(ini.ValueExists(SectionName(key.section), key.name))
                << testing::PrintToString(key.name);
        }
    }
}

TEST(SettingsWrite, TheUsersSettingsLeaveOutWhatTheProgramCountsByItself) {
    // What stands for the settings' data changes with a setting of the
    // user's, never with the work-time counters the program moves on itself.
    Store store;
    const std::wstring before = UserSettingsText(store.Binding(), base::FormatSettings{});
    const auto ini = base::IniFile::FromText(before);
    EXPECT_TRUE(ini.ValueExists(L"WindowsWorkTime", L"LogLimit"));
    for (const wchar_t* counter :
         {L"StartWork", L"TotalWindowsWorkTime", L"WinUpTime", L"CorrectWorkT", L"StartWorkUTC"}) {
        EXPECT_FALSE(ini.ValueExists(L"WindowsWorkTime", counter)) << testing::PrintToString(counter);
        store.Home(counter) = 1.25;
    }
    EXPECT_EQ(UserSettingsText(store.Binding(), base::FormatSettings{}), before);
    store.Home(L"speLogLimit") = 12;
    EXPECT_NE(UserSettingsText(store.Binding(), base::FormatSettings{}), before);
}

TEST(SettingsRoundTrip, EveryTypeSurvives) {
    Store out;
    auto& s = out.settings;
    s.Window.Transparency = true;
    s.Window.LevelTransparency = 17;
    s.Window.MainScale = 0.1f;  // single precision: stored as its exact float value
    s.Window.FormFillType = 3;
    s.Window.TextColor = 0x7f102030;
    s.Window.TextFont = L"Times New Roman";
    s.Window.WallpaperPath = L"C:\\Pics\\Мой фон.bmp";
    s.Window.WallpaperStyle = 0;
    s.Main.FormatTextMain = L"first line, \"quoted\"\r\nsecond\r\n\r\nafter an empty one";
    s.Main.FormatTextHint = L"";
    s.Main.Breadth = -33.8688;
    s.SystemClock.Scale = 1.25f;
    s.SystemClock.TraySkinIndex = 7;
    s.SystemClock.TextSize = 9.5f;
    s.Sound.FormatSpeakHour = L"<h>";
    s.Planner.BalloonIcon = 3;
    s.Mouse.ActionOnClick = 27;
    s.Mouse.ActionOnDblClick = 0;
    s.Mouse.FormatSpeakOnClick = L"скажи <t>";
    out.Home(L"Top") = -40;
    out.Home(L"aStayOnTop") = true;
    out.Home(L"aPlannerOnOff") = true;
    out.Home(L"tmrTrayTimer") = 300;
    out.Home(L"chbPlaySoundH") = false;
    out.Home(L"edtNameSoundH") = std::wstring(L"C:\\Sounds\\бом.wav");
    out.Home(L"StartWork") = 45000.25;
    out.Home(L"TotalWindowsWorkTime") = 400.5;
    out.Home(L"WinUpTime") = 0.125;
    out.Home(L"CorrectWorkT") = 0.0625;
    out.Home(L"dtpSyncTime") = 2.5;
    out.Home(L"NextSynchronization") = 45001.75;
    out.Home(L"HintFormatId") = std::wstring(L"Мой");
    out.Home(L"TrayTextColorItem") = 12;
    out.skinNames.Add(L"Моя");
    out.skinFiles.Add(L"Skins\\my.qsk");
    out.formatNames.Add(L"Мой");
    out.formatTexts.Add(L"<t>,\"a b\"");
    const std::wstring text = WrittenBy(out);

    Store in;
    auto ini = base::IniFile::FromText(text);
    const auto binding = in.Binding();
    ReadMainWindowSettings(ini, binding);
    ReadOptionsSettings(ini, binding);

    for (const SettingKey& key : SettingKeys()) {
        if (key.reader == Reader::None || key.writer == Writer::None) continue;
        const auto got = CurrentValue(key, binding), want = CurrentValue(key, out.Binding());
        ASSERT_TRUE(got && want);
        if (std::holds_alternative<double>(*want))  // floats keep 15 significant digits
            EXPECT_NEAR(std::get<double>(*got), std::get<double>(*want),
                        1e-13 * (1 + std::abs(std::get<double>(*want))))
                << testing::PrintToString(key.name);
        else
            EXPECT_EQ(got, want) << testing::PrintToString(key.name);
    }
    EXPECT_EQ(in.settings.Main.FormatTextMain, s.Main.FormatTextMain);
    EXPECT_EQ(in.settings.Window.MainScale, 0.1f);
    EXPECT_EQ(in.skinNames, out.skinNames);
    EXPECT_EQ(in.skinFiles, out.skinFiles);
    EXPECT_EQ(in.formatNames, out.formatNames);
    EXPECT_EQ(in.formatTexts, out.formatTexts);
}

TEST(SettingsRead, MissingKeysKeepCurrentValuesOrConstants) {
    Store store;
    store.settings.Main.FormatTextMain = L"<d mmmm ddd>";
    store.settings.Mouse.DelayOnClick = 1234;
    store.settings.Planner.BalloonIcon = 2;  // read with the constant 1
    store.Home(L"aStayOnTop") = true;        // read with the constant false
    store.Home(L"tmrTimer") = 250;
    store.Home(L"chbPlaySoundH") = false;  // R2 reads with the constant true
    auto ini = base::IniFile::FromText(L"[Window]\r\nTop=5\r\n");
    const auto binding = store.Binding();
    ReadMainWindowSettings(ini, binding);
    ReadOptionsSettings(ini, binding);
    // A missing format text keeps its lines (not split at its blanks).
    EXPECT_EQ(store.settings.Main.FormatTextMain, L"<d mmmm ddd>");
    EXPECT_EQ(store.settings.Mouse.DelayOnClick, 1234);
    EXPECT_EQ(store.Home(L"tmrTimer"), SettingValue(250));
    EXPECT_EQ(store.Home(L"Top"), SettingValue(5));
    EXPECT_EQ(store.settings.Planner.BalloonIcon, 1);
    EXPECT_EQ(store.Home(L"aStayOnTop"), SettingValue(false));
    EXPECT_EQ(store.Home(L"chbPlaySoundH"), SettingValue(true));
}

TEST(SettingsRead, ColourItemsWithoutTheirKeysKeepThePositionOfTheColour) {
    // The settings window works out each item from the colours the main
    // window has just read; a file with the colours but without the items
    // keeps those positions, and a stored item wins.
    Store store;
    store.Home(L"MainBackColorItem") = 9;  // silver
    store.Home(L"MainTextColorItem") = 16;
    store.Home(L"TrayBackColorItem") = 25;
    store.Home(L"TrayTextColorItem") = 3;
    auto ini = base::IniFile::FromText(
        L"[Window]\r\nFormColor=12632256\r\nTextColorItem=4\r\n[SystemClock]\r\nTrayColor=-2147483633\r\n");
    const auto binding = store.Binding();
    ReadMainWindowSettings(ini, binding);
    ReadOptionsSettings(ini, binding);
    EXPECT_EQ(store.Home(L"MainBackColorItem"), SettingValue(9));
    EXPECT_EQ(store.Home(L"MainTextColorItem"), SettingValue(4));
    EXPECT_EQ(store.Home(L"TrayBackColorItem"), SettingValue(25));
    EXPECT_EQ(store.Home(L"TrayTextColorItem"), SettingValue(3));
}

TEST(SettingsRead, BadValuesKeepTheDefault) {
    Store store;
    auto ini = base::IniFile::FromText(
        L"[Window]\r\nLevelTransparency=abc\r\nTranspOutline=0x10\r\nSmoothlyTransp=2\r\nCutBackgr=yes\r\n"
        L"MainScale=2.5\r\nTextSize=x\r\nFormFillType=257\r\n"
        L"[Mouse]\r\nActionOnClick=278\r\nActionOnDblClick=-1\r\nDelayOnClick=12 \r\n"
        L"[Main]\r\nFormatTextHint=<c>,x\r\nStickToScreenBValue=\r\n"
        L"[WindowsWorkTime]\r\nStartWork=вчера\r\nTotalWindowsWorkTime=31.12.1899 06:00:00\r\n");
    const auto binding = store.Binding();
    ReadMainWindowSettings(ini, binding);
    ReadOptionsSettings(ini, binding);
    const HoraltoSettings d;
    EXPECT_EQ(store.settings.Window.LevelTransparency, d.Window.LevelTransparency);
    EXPECT_EQ(store.settings.Window.TranspOutline, 16);
    EXPECT_TRUE(store.settings.Window.SmoothlyTransp);
    EXPECT_EQ(store.settings.Window.CutBackgr, d.Window.CutBackgr);
    EXPECT_EQ(store.settings.Window.MainScale, 2.5f);  // '.' is taken beside the user's ','
    EXPECT_EQ(store.settings.Window.TextSize, d.Window.TextSize);
    EXPECT_EQ(store.settings.Window.FormFillType, 1);  // held in one byte
    // Action numbers are whole integers 0..27: 278 is not action 22.
    EXPECT_EQ(store.settings.Mouse.ActionOnClick, 10);
    EXPECT_EQ(store.settings.Mouse.ActionOnDblClick, 0);
    EXPECT_EQ(store.settings.Mouse.DelayOnClick, 12);  // the INI trims the value
    // A stored text without its leading "_" loses its first character.
    EXPECT_EQ(store.settings.Main.FormatTextHint, L"c>\r\nx");
    EXPECT_EQ(store.settings.Main.StickToScreenBValue, 5);
    EXPECT_EQ(store.Home(L"StartWork"), SettingValue(0.0));  // the current value
    EXPECT_EQ(store.Home(L"TotalWindowsWorkTime"), SettingValue(1.25));
}

TEST(SettingsRead, StoredTextValues) {
    Store store;
    auto ini = base::IniFile::FromText(
        L"[Main]\r\nFormatTextMain=_\"first, line\",second\r\nFormatTextHint=_\r\n"
        L"[Speech]\r\nTextToSpeech=_Привет,\"мир !\"\r\n");
    const auto binding = store.Binding();
    ReadMainWindowSettings(ini, binding);
    ReadOptionsSettings(ini, binding);
    EXPECT_EQ(store.settings.Main.FormatTextMain, L"first, line\r\nsecond");
    EXPECT_EQ(store.settings.Main.FormatTextHint, L"");
    EXPECT_EQ(store.Home(L"memText"), SettingValue(std::wstring(L"Привет\r\nмир !")));
}

TEST(SettingsWrite, LongTextsAreNotCut) {
    Store store;
    std::wstring longLine(5000, L'ж');
    store.settings.Main.FormatTextHint = longLine + L"\r\n" + longLine;
    auto ini = base::IniFile::FromText(WrittenBy(store));
    Store in;
    ReadMainWindowSettings(ini, in.Binding());
    EXPECT_EQ(in.settings.Main.FormatTextHint, store.settings.Main.FormatTextHint);
}

TEST(SettingsWrite, DurationsCarryAFourDigitYear) {
    base::FormatSettings fs;
    fs.ShortDateFormat = L"dd.MM.yy";
    Store store;
    store.Home(L"TotalWindowsWorkTime") = 400.5;  // 1901-02-03 12:00
    store.Home(L"WinUpTime") = 0.25;
    store.Home(L"StartWork") = 45000.0;
    auto ini = base::IniFile::FromText(L"", fs);
    WriteMainWindowSettings(ini, store.Binding());
    const std::wstring text = ini.ToText();
    EXPECT_TRUE(HasLine(text, L"TotalWindowsWorkTime=03.02.1901 12:00:00")) << testing::PrintToString(text);
    EXPECT_TRUE(HasLine(text, L"WinUpTime=30.12.1899 6:00:00"));
    EXPECT_TRUE(HasLine(text, L"StartWork=15.03.23"));  // a real date keeps the user's format

    Store in;
    ReadOptionsSettings(ini, in.Binding());
    EXPECT_EQ(in.Home(L"TotalWindowsWorkTime"), SettingValue(400.5));
    EXPECT_EQ(in.Home(L"WinUpTime"), SettingValue(0.25));
    EXPECT_EQ(in.Home(L"StartWork"), SettingValue(45000.0));
}

TEST(SettingsWrite, FourDigitYearFormat) {
    base::FormatSettings fs;
    fs.ShortDateFormat = L"d/M/yy";
    EXPECT_EQ(FourDigitYearSettings(fs).ShortDateFormat, L"d/M/yyyy");
    fs.ShortDateFormat = L"yyyy-MM-dd";
    EXPECT_EQ(FourDigitYearSettings(fs).ShortDateFormat, L"yyyy-MM-dd");
    fs.ShortDateFormat = L"dd.MM.y 'year'";
    EXPECT_EQ(FourDigitYearSettings(fs).ShortDateFormat, L"dd.MM.yyyy 'year'");
}

TEST(SettingsWrite, SpeechKeysKeepOldValuesWithoutAVoiceList) {
    Store store;
    for (const wchar_t* home : {L"cmbEngines", L"scbVolume", L"scbSpeed", L"scbPitch"})
        store.fake.writable[home] = false;
    auto ini = base::IniFile::FromText(L"[Speech]\r\nSpeechEngine=2\r\nSpeechVolume=40\r\n");
    WriteMainWindowSettings(ini, store.Binding());
    EXPECT_EQ(ini.ReadString(L"Speech", L"SpeechEngine", L""), L"2");
    EXPECT_EQ(ini.ReadString(L"Speech", L"SpeechVolume", L""), L"40");
    EXPECT_FALSE(ini.ValueExists(L"Speech", L"SpeechPitch"));
    EXPECT_TRUE(ini.ValueExists(L"Speech", L"ReductionsCorrection"));
}

TEST(SettingsSkins, UserEntriesRoundTripAndOddNamesAreSkipped) {
    Store store;
    for (const auto& [name, file] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"Первая", L"a.qsk"},
             {L"", L"empty.qsk"},
             {L"x=y", L"eq.qsk"},
             {L"[br", L"br.qsk"},
             {L";c", L"c.qsk"},
             {L" lead", L"lead.qsk"},
             {L"первая", L"dup.qsk"},
             {L"Вторая", L"D:\\gone.qsk"},
         }) {
        store.skinNames.Add(name);
        store.skinFiles.Add(file);
    }
    auto ini = base::IniFile::FromText(L"[Skins]\r\nOld=old.qsk\r\n");
    WriteMainWindowSettings(ini, store.Binding());
    EXPECT_EQ(ini.ReadSection(L"Skins"), (base::StringList{L"Первая", L"Вторая"}));
    EXPECT_EQ(ini.ReadString(L"Skins", L"Первая", L""), L"a.qsk");

    Store in;
    ReadMainWindowSettings(ini, in.Binding());
    EXPECT_EQ(in.skinNames,
              (base::StringList{L"Нет", L"Стандартная", L"Обратная", L"Трей", L"Первая", L"Вторая"}));
    // A skin whose file is gone is still read into the catalogue.
    EXPECT_EQ(in.skinFiles[5], L"D:\\gone.qsk");
}

TEST(SettingsTimeFormats, UserFormatsRoundTripBuiltInsNeverStored) {
    Store store;
    store.formatNames.Add(L"Дата");
    store.formatTexts.Add(L"<dd.mm.yyyy>,\"и время <tt>\"");
    store.formatNames.Add(L"bad=name");
    store.formatTexts.Add(L"x");
    store.formatNames.Add(L"Основной");  // a user format may carry a built-in name
    store.formatTexts.Add(L"<t>");
    auto ini = base::IniFile::FromText(L"[TimeFormats]\r\nOld=_x\r\n");
    WriteOptionsSettings(ini, store.Binding());
    EXPECT_EQ(ini.ReadSection(L"TimeFormats"), (base::StringList{L"Дата", L"Основной"}));
    EXPECT_EQ(ini.ReadString(L"TimeFormats", L"Дата", L""), L"_<dd.mm.yyyy>,\"и время <tt>\"");

    Store in;
    ReadOptionsSettings(ini, in.Binding());
    ASSERT_EQ(in.formatNames.Count(), 7);
    EXPECT_EQ(in.formatNames[5], L"Дата");
    EXPECT_EQ(in.formatTexts[5], L"<dd.mm.yyyy>,\"и время <tt>\"");
    EXPECT_EQ(in.formatTexts[6], L"<t>");
    EXPECT_EQ(in.formatComboUpdates, 1);
}

TEST(SettingsRead, WallpaperStep) {
    const std::wstring file =
        L"[Window]\r\nWallpaperPath=C:\\p.bmp\r\nWallpaperStyle=0\r\nWallpaperColor=5\r\n";
    {  // the desktop shows the user's own wallpaper: nothing read, nothing drawn
        Store store;
        store.wallpaperIsUsers = true;
        ReadMainWindowSettings(base::IniFile::FromText(file), store.Binding());
        EXPECT_EQ(store.settings.Window.WallpaperPath, L"");
        EXPECT_EQ(store.wallpaperDraws, 0);
    }
    {  // our bitmap, the file exists: all three taken, drawn once
        Store store;
        ReadMainWindowSettings(base::IniFile::FromText(file), store.Binding());
        EXPECT_EQ(store.settings.Window.WallpaperPath, L"C:\\p.bmp");
        EXPECT_EQ(store.settings.Window.WallpaperStyle, 0);
        EXPECT_EQ(store.settings.Window.WallpaperColor, 5);
        EXPECT_EQ(store.wallpaperDraws, 1);
    }
    {  // the file is gone: nothing taken, still drawn once
        Store store;
        store.wallpaperFileExists = false;
        ReadMainWindowSettings(base::IniFile::FromText(file), store.Binding());
        EXPECT_EQ(store.settings.Window.WallpaperPath, L"");
        EXPECT_EQ(store.settings.Window.WallpaperStyle, 2);
        EXPECT_EQ(store.wallpaperDraws, 1);
    }
}

TEST(SettingsRead, SideEffectsRunInReaderOrder) {
    Store store;
    ReadMainWindowSettings(base::IniFile::FromText(L""), store.Binding());
    ASSERT_FALSE(store.afterReadLog.empty());
    EXPECT_EQ(store.afterReadLog.front(), L"Main.StickToScreenBord");
    EXPECT_EQ(store.afterReadLog.back(), L"Window.WindowState");
}

TEST(SettingsDecode, Encodings) {
    const base::FormatSettings fs;
    EXPECT_EQ(DecodeSetting(Encoding::Bool, L"-3", fs), SettingValue(true));
    EXPECT_EQ(DecodeSetting(Encoding::Bool, L"0", fs), SettingValue(false));
    EXPECT_EQ(DecodeSetting(Encoding::Bool, L"true", fs), std::nullopt);
    EXPECT_EQ(DecodeSetting(Encoding::Int, L"0xFFFFFFFF", fs), SettingValue(-1));
    EXPECT_EQ(DecodeSetting(Encoding::Int, L"99999999999", fs), std::nullopt);
    EXPECT_EQ(DecodeSetting(Encoding::Float, L"1,5", fs), SettingValue(1.5));
    EXPECT_EQ(DecodeSetting(Encoding::ActionNumber, L"22", fs), SettingValue(22));
    EXPECT_EQ(DecodeSetting(Encoding::ActionNumber, L"22.0", fs), std::nullopt);
    EXPECT_EQ(EncodeSetting(Encoding::Float, 55.75, fs), L"55,75");
    EXPECT_EQ(EncodeSetting(Encoding::IntAsText, 3, fs), L"3");
    EXPECT_EQ(EncodeSetting(Encoding::StoredText, std::wstring(L"a b\r\nc"), fs), L"_\"a b\",c");
    EXPECT_EQ(EncodeSetting(Encoding::Bool, true, fs), L"1");
}

TEST(SettingsRead, NumbersOutOfTheirRangeReadAsTheDefault) {
    // Absurd numbers in the file never reach the program: the key's default
    // stands for them, as for any value that does not convert.
    Store store;
    const std::wstring file =
        L"[Window]\r\nMainScale=1E300\r\nLevelTransparency=1000\r\nTranspValueOnMouseMove=-1\r\n"
        L"TextSize=1E300\r\n"
        L"[Main]\r\nBreadth=1E999\r\nLongitude=-500\r\n"
        L"[SystemClock]\r\nScale=-2\r\nTextSize=NAN\r\n"
        L"[WindowsWorkTime]\r\nCorrectWorkT=-1E300\r\n";
    const auto binding = store.Binding();
    ReadMainWindowSettings(base::IniFile::FromText(file), binding);
    ReadOptionsSettings(base::IniFile::FromText(file), binding);
    const auto& s = store.settings;
    EXPECT_EQ(s.Window.MainScale, 1.5f);
    EXPECT_EQ(s.Window.LevelTransparency, 200);
    EXPECT_EQ(s.Window.TranspValueOnMouseMove, 60);
    EXPECT_EQ(s.Window.TextSize, 14.0f);
    EXPECT_EQ(s.Main.Breadth, 55.75);
    EXPECT_EQ(s.Main.Longitude, 37.62);
    EXPECT_EQ(s.SystemClock.Scale, 1.0f);
    EXPECT_EQ(s.SystemClock.TextSize, 0.0f);
    EXPECT_EQ(store.fake.values.at(L"CorrectWorkT"), SettingValue(0.0));

    // Values at the ends of their ranges are taken as they stand.
    Store edge;
    const std::wstring fine =
        L"[Window]\r\nMainScale=0,25\r\nLevelTransparency=255\r\nTranspValueOnMouseMove=0\r\n"
        L"[Main]\r\nBreadth=-90\r\nLongitude=180\r\n[WindowsWorkTime]\r\nCorrectWorkT=12,5\r\n";
    ReadMainWindowSettings(base::IniFile::FromText(fine), edge.Binding());
    ReadOptionsSettings(base::IniFile::FromText(fine), edge.Binding());
    EXPECT_EQ(edge.settings.Window.MainScale, 0.25f);
    EXPECT_EQ(edge.settings.Window.LevelTransparency, 255);
    EXPECT_EQ(edge.settings.Window.TranspValueOnMouseMove, 0);
    EXPECT_EQ(edge.settings.Main.Breadth, -90);
    EXPECT_EQ(edge.settings.Main.Longitude, 180);
    EXPECT_EQ(edge.fake.values.at(L"CorrectWorkT"), SettingValue(12.5));
}

TEST(SettingsRead, DateTimesOutOfTheirRangeReadAsTheDefault) {
    // A date-time key holds a moment from the year 1 to the year 9999; a
    // number beyond reads as the key's default, never as a date that cannot be shown.
    Store store;
    const std::wstring file =
        L"[TimeSynchronization]\r\nNextSynchronization=3e9\r\nSynchronizeTimeInterval=-1e7\r\n"
        L"SynchronizeErrorTime=2958466\r\nTimeAmendment=-693594\r\n";
    ReadOptionsSettings(base::IniFile::FromText(file), store.Binding());
    EXPECT_EQ(store.fake.values.at(L"NextSynchronization"), SettingValue(0.0));
    EXPECT_EQ(store.fake.values.at(L"dtpSyncTime"), SettingValue(30.0));
    EXPECT_EQ(store.fake.values.at(L"dtpSyncErrorTime"), SettingValue(1.0 / 24.0));
    EXPECT_EQ(store.fake.values.at(L"dtpTimeAmendment"), SettingValue(0.0));

    // The first and the last day are taken as they stand.
    Store edge;
    const std::wstring fine =
        L"[TimeSynchronization]\r\nNextSynchronization=2958465,5\r\nSynchronizeTimeInterval=-693593,5\r\n";
    ReadOptionsSettings(base::IniFile::FromText(fine), edge.Binding());
    EXPECT_EQ(edge.fake.values.at(L"NextSynchronization"), SettingValue(2958465.5));
    EXPECT_EQ(edge.fake.values.at(L"dtpSyncTime"), SettingValue(-693593.5));
    for (const SettingKey& key : SettingKeys()) {
        if (key.encoding == Encoding::DateTime || key.encoding == Encoding::Duration) {
            EXPECT_FALSE(key.InRange(3e9)) << testing::PrintToString(std::wstring(key.name));
        }
    }
}

TEST(SettingsDecode, FloatsThatAreNotFiniteDoNotConvert) {
    const base::FormatSettings fs;
    EXPECT_EQ(DecodeSetting(Encoding::Float, L"1E999", fs), std::nullopt);
    EXPECT_EQ(DecodeSetting(Encoding::FloatAsText, L"-1E400", fs), std::nullopt);
    EXPECT_EQ(DecodeSetting(Encoding::Float, L"1E300", fs), SettingValue(1e300));
}
