// Horalto.ini and the list files as the whole program writes them: a fresh
// start, a start on a prepared file, and a settings file that cannot be written.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "base/codec.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/hot_key_text.h"
#include "core/settings_keys.h"
#include "win/support/program_runner.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

std::wstring WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

void WriteFile1251(const fs::path& file, const std::wstring& text) {
    base::WriteTextFile1251(file, text);
}

std::wstring Read(const base::IniFile& ini, const wchar_t* section, const wchar_t* key) {
    return ini.ReadString(section, key, L"<missing>");
}

}  // namespace

TEST(SettingsFile, FreshStartWritesEveryKeyWithItsDefault) {
    ScratchDir dir(L"core-fresh");
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    ASSERT_TRUE(fs::exists(dir.Path() / L"Horalto.ini"));
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    for (const core::SettingKey& key : core::SettingKeys()) {
        // The voice keys are written only while a voice exists.
        if (key.writer != core::Writer::None && key.section != core::Section::Speech) {
            EXPECT_TRUE(ini.ValueExists(core::SectionName(key.section), key.name))
                << testing::PrintToString(std::wstring(key.name));
        }
    }
    EXPECT_FALSE(ini.ValueExists(L"Speech", L"TextToSpeech"));
    EXPECT_EQ(Read(ini, L"Window", L"WindowState"), L"1");
    EXPECT_EQ(Read(ini, L"Window", L"Top"), L"106");
    EXPECT_EQ(Read(ini, L"Window", L"Left"), L"296");
    EXPECT_EQ(Read(ini, L"Window", L"FormColor"), L"-2147483633");
    EXPECT_EQ(Read(ini, L"Window", L"TextColor"), L"-939521516");
    EXPECT_EQ(Read(ini, L"Window", L"MainScale"), L"1,5");
    EXPECT_EQ(Read(ini, L"Window", L"BackColorItem"), L"25");  // clBtnFace in the colour list
    EXPECT_EQ(Read(ini, L"Window", L"TextColorItem"), L"50");  // clWindowText, the form font's
    EXPECT_EQ(Read(ini, L"Main", L"FormatTextMain"), L"_\"<d mmmm ddd>\"");
    EXPECT_EQ(Read(ini, L"Main", L"FormatTextHint"),
              L"_<c>,\"Восход солнца: TS<t>\",\"Заход солнца: TZ<t>\",\"Время работы: W<%dtt>\",<LA>");
    EXPECT_EQ(Read(ini, L"Main", L"MainFormatId"), L"Основной");
    EXPECT_EQ(Read(ini, L"Main", L"TextOnDblClickFormatId"), L"События");
    EXPECT_EQ(Read(ini, L"SystemClock", L"FormatTextTray"), L"_<tt>");
    EXPECT_EQ(Read(ini, L"SystemClock", L"TextFont"), L"MS Sans Serif");
    EXPECT_EQ(Read(ini, L"Sound", L"FormatSpeakHour"), L"_\"<h час. ровно>\"");
    EXPECT_EQ(Read(ini, L"Mouse", L"FormatSpeakOnDblClick"), L"Осталось до события A<tt>");
    EXPECT_EQ(Read(ini, L"Mouse", L"ActionOnClick"), L"10");
    EXPECT_EQ(Read(ini, L"TimeSynchronization", L"LastSynchronization"), L"Последняя синхронизация:");
    EXPECT_EQ(Read(ini, L"HotKeys", L"ForseKeyAction"), L"1");
    EXPECT_TRUE(ini.ReadSection(L"Skins").Empty());
    EXPECT_TRUE(ini.ReadSection(L"TimeFormats").Empty());
    // The durations carry a four-digit year.
    EXPECT_NE(Read(ini, L"WindowsWorkTime", L"WinUpTime").find(L"1899"), std::wstring::npos);

    EXPECT_TRUE(fs::exists(dir.Path() / L"FileLists.txt"));
    base::StringList tasks;
    tasks.LoadFromFile(dir.Path() / L"TasksList.tsk");
    EXPECT_EQ(tasks.Count(), 2);  // header and the spare row
    EXPECT_EQ(tasks[0].substr(0, 5), L"День\t");
    EXPECT_TRUE(fs::exists(dir.Path() / L"WindowsWorkLog.txt"));
}

TEST(SettingsFile, PreparedFileSurvivesTheRoundTrip) {
    ScratchDir dir(L"core-prepared");
    WriteFile1251(dir.Path() / L"Horalto.ini",
                  L"[Window]\r\n"
                  L"Left=-3000\r\n"
                  L"Top=300\r\n"
                  L"LevelTransparency=много\r\n"
                  L"TranspOutline=0x10\r\n"
                  L"MainScale=2,25\r\n"
                  L"TimerInterval=500\r\n"
                  L"BackColorItem=7\r\n"
                  L"[Main]\r\n"
                  L"FormatTextMain=_<t>,\"вторая строка, с запятой\"\r\n"
                  L"FormatTextHint=без подчёркивания\r\n"
                  L"HintFormatId=Мой\r\n"
                  L"Breadth=59,93\r\n"
                  L"[Skins]\r\n"
                  L"Моя шкура=Skins\\my.qsk\r\n"
                  L"Пропавшая=D:\\нет\\gone.qsk\r\n"
                  L"[Mouse]\r\n"
                  L"ActionOnClick=278\r\n"
                  L"ActionOnDblClick=27\r\n"
                  L"DelayOnClick=3500\r\n"
                  L"[Sound]\r\n"
                  L"PlayInterval=120\r\n"
                  L"NameSoundHour=C:\\Звуки\\бом.wav\r\n"
                  L"OneSignal=1\r\n"
                  L"OtherQuantitySignals=0\r\n"
                  L"[TimeSynchronization]\r\n"
                  L"SynchronizeTimeInterval=2,5\r\n"
                  L"[TimeFormats]\r\n"
                  L"Мой=_<tt>,\"и дата <dd.mm.yyyy>\"\r\n"
                  L"Второй=_<LA>\r\n");
    WriteFile1251(dir.Path() / L"FileLists.txt",
                  L"[Servers]\r\nntp.example\r\n[Pictures]\r\nC:\\Картинки\\a.jpg\r\n");
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        RECT rc;
        GetWindowRect(main, &rc);
        EXPECT_EQ(rc.left, 0);  // stored wholly left of the screen: pulled back
        EXPECT_EQ(rc.top, 300);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(Read(ini, L"Window", L"Left"), L"0");
    EXPECT_EQ(Read(ini, L"Window", L"LevelTransparency"), L"200");  // not a number: the default
    EXPECT_EQ(Read(ini, L"Window", L"TranspOutline"), L"16");
    EXPECT_EQ(Read(ini, L"Window", L"MainScale"), L"2,25");
    EXPECT_EQ(Read(ini, L"Window", L"TimerInterval"), L"500");
    EXPECT_EQ(Read(ini, L"Window", L"BackColorItem"), L"7");
    EXPECT_EQ(Read(ini, L"Main", L"FormatTextMain"), L"_<t>,\"вторая строка, с запятой\"");
    // Without its "_" the stored text lost its first character, and keeps the rest.
    EXPECT_EQ(Read(ini, L"Main", L"FormatTextHint"), L"_ез,подчёркивания");
    EXPECT_EQ(Read(ini, L"Main", L"HintFormatId"), L"Мой");
    EXPECT_EQ(Read(ini, L"Main", L"Breadth"), L"59,93");
    EXPECT_EQ(Read(ini, L"Main", L"Longitude"), L"37,62");  // missing: the default
    EXPECT_EQ(ini.ReadSection(L"Skins"), (base::StringList{L"Моя шкура", L"Пропавшая"}));
    EXPECT_EQ(Read(ini, L"Skins", L"Пропавшая"), L"D:\\нет\\gone.qsk");
    EXPECT_EQ(Read(ini, L"Mouse", L"ActionOnClick"), L"10");  // 278 is no action number
    EXPECT_EQ(Read(ini, L"Mouse", L"ActionOnDblClick"), L"27");
    EXPECT_EQ(Read(ini, L"Mouse", L"DelayOnClick"), L"3500");
    EXPECT_EQ(Read(ini, L"Sound", L"PlayInterval"), L"120");
    EXPECT_EQ(Read(ini, L"Sound", L"NameSoundHour"), L"C:\\Звуки\\бом.wav");
    EXPECT_EQ(Read(ini, L"Sound", L"OneSignal"), L"1");
    EXPECT_EQ(Read(ini, L"Sound", L"OtherQuantitySignals"), L"0");
    EXPECT_EQ(Read(ini, L"TimeSynchronization", L"SynchronizeTimeInterval"), L"2,5");
    EXPECT_EQ(ini.ReadSection(L"TimeFormats"), (base::StringList{L"Мой", L"Второй"}));
    EXPECT_EQ(Read(ini, L"TimeFormats", L"Мой"), L"_<tt>,\"и дата <dd.mm.yyyy>\"");

    base::StringList lists;
    lists.LoadFromFile(dir.Path() / L"FileLists.txt");
    // The default hot keys, set when the list file had none, follow the lists.
    base::StringList expected{L"[Servers]", L"ntp.example", L"[Pictures]", L"C:\\Картинки\\a.jpg",
                              L"[HotKeys]"};
    for (const core::HotKeyRow& row : core::DefaultHotKeyRows())
        expected.Add(std::to_wstring(row.action) + L"\t" + row.keys + L"\t" + row.caption + L"\t");
    EXPECT_EQ(lists, expected);
}

TEST(SettingsFile, ColoursWithoutColourItemsKeepTheirPlaceInTheColourList) {
    ScratchDir dir(L"core-color-items");
    // Silver for the window, red for the taskbar clock, no colour items.
    WriteFile1251(dir.Path() / L"Horalto.ini",
                  L"[Window]\r\nFormColor=12632256\r\n[SystemClock]\r\nTrayColor=255\r\n");
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(Read(ini, L"Window", L"BackColorItem"), L"9");
    EXPECT_EQ(Read(ini, L"SystemClock", L"BackColorItem"), L"10");
}

TEST(SettingsFile, UnwritableSettingsAreReportedOnceAndTheRestIsSaved) {
    ScratchDir dir(L"core-readonly");
    const fs::path file = dir.Path() / L"Horalto.ini";
    const std::wstring text = L"[Window]\r\nTop=200\r\n";
    WriteFile1251(file, text);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    // Held open without delete sharing, so the file cannot be replaced either.
    HANDLE hold =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        PostMessageW(main, WM_CLOSE, 0, 0);
        HWND box = program.WaitForDialog(10000);
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(WindowText(box), L"Ошибка");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
        // Told once: the program ends with no second box for the settings
        // window's part (a box would hold it until answered).
        EXPECT_TRUE(WaitFor([&] { return program.WaitExit(0) || program.WaitForDialog(0); }));
        HWND again = program.WaitForDialog(0);
        if (again) PostMessageW(again, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(again, nullptr);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(15000, &code));
        EXPECT_EQ(code, 0u);
    }
    CloseHandle(hold);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(base::ReadTextFile1251(file), text);
    EXPECT_TRUE(fs::exists(dir.Path() / L"FileLists.txt"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"TasksList.tsk"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"WindowsWorkLog.txt"));
}

TEST(SettingsFile, EndOfSessionSavesEverything) {
    ScratchDir dir(L"core-session");
    RunningProgram program(dir.Path());
    HWND main = program.WaitShown();
    ASSERT_NE(main, nullptr);
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &result));
    EXPECT_EQ(result, static_cast<DWORD_PTR>(TRUE));
    EXPECT_TRUE(fs::exists(dir.Path() / L"Horalto.ini"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"FileLists.txt"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"TasksList.tsk"));
    EXPECT_EQ(program.CloseAndWait(), 0);

    // A session ended by force asks no program first: the end alone saves
    // too, before it is answered, and the program then ends as after a close.
    ScratchDir forced(L"core-session-forced");
    RunningProgram ended(forced.Path());
    main = ended.WaitShown();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, &result));
    EXPECT_TRUE(base::IniFile(forced.Path() / L"Horalto.ini").ValueExists(L"Window", L"Left"));
    EXPECT_TRUE(fs::exists(forced.Path() / L"FileLists.txt"));
    EXPECT_TRUE(fs::exists(forced.Path() / L"TasksList.tsk"));
    DWORD code = 1;
    EXPECT_TRUE(ended.WaitExit(15000, &code)) << "the program runs on after the end of the session";
    EXPECT_EQ(code, 0u);
}

TEST(SettingsFile, MinimisedAtCloseStartsMinimised) {
    ScratchDir dir(L"core-minimised");
    WriteFile1251(dir.Path() / L"Horalto.ini", L"[Window]\r\nWindowState=0\r\nLeft=123\r\nTop=234\r\n");
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitForWindow(L"TfrmHoralto");
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(program.WaitStarted());
        EXPECT_TRUE(IsIconic(main) || !IsWindowVisible(main));
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(Read(ini, L"Window", L"WindowState"), L"0");
    EXPECT_EQ(Read(ini, L"Window", L"Left"), L"123");  // the place, not the minimised one
    EXPECT_EQ(Read(ini, L"Window", L"Top"), L"234");
}
