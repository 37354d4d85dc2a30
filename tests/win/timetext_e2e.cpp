// The whole program under Wine: the clock's text comes from the format text of
// a prepared Horalto.ini (of one long line, from what a screen shows of it),
// the work log goes on across restarts, a format text
// typed and pasted in the settings window is saved whole at any length, and
// the clock is synchronised with a Daytime server that answers in NIST's layout.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "base/ini_file.h"
#include "base/string_list.h"
#include "win/support/daytime_server.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/other_windows.h"
#include "win/support/program_runner.h"

using namespace testing_support;

namespace {

struct Search {
    std::wstring want;
    bool found = false;
};

BOOL CALLBACK FindText(HWND hwnd, LPARAM lp) {
    auto& s = *reinterpret_cast<Search*>(lp);
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    if (s.want == text) s.found = true;
    return !s.found;
}

bool WaitForChildText(HWND parent, const std::wstring& text, DWORD ms = 15000) {
    const DWORD start = GetTickCount();
    Search s{text};
    while (GetTickCount() - start < ms) {
        EnumChildWindows(parent, FindText, reinterpret_cast<LPARAM>(&s));
        if (s.found) return true;
        Sleep(100);
    }
    return false;
}

}  // namespace

TEST(TimeTextsOfTheProgram, AFormatOfOneLongLineIsBuiltFromWhatAScreenShowsOfIt) {
    // One line of "x<>" over and over, each empty tag standing for nothing:
    // the clock builds its text from as many characters of the line as the
    // screen has pixels across, a third of them x's. The whole line built and
    // then cut to the screen would show x's from edge to edge.
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    std::wstring line;
    for (int i = 0; i < 100000; ++i) line += L"x<>";
    ScratchDir dir(L"timetext-long-line");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        ini.WriteString(L"Main", L"FormatTextMain", base::StoredTextValue(line));
        ini.UpdateFile();
    }
    RunningProgram program(dir.Path());
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    // The clock's text, once a tick has built it.
    std::wstring shown;
    EXPECT_TRUE(WaitFor([&] {
        EnumChildWindows(
            main,
            [](HWND hwnd, LPARAM lp) -> BOOL {
                std::wstring text = WindowText(hwnd);
                if (!text.starts_with(L"x")) return TRUE;
                *reinterpret_cast<std::wstring*>(lp) = std::move(text);
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&shown));
        return !shown.empty();
    })) << "the clock shows no text of the format";
    EXPECT_EQ(shown.size(), static_cast<size_t>((width + 2) / 3));
    EXPECT_EQ(shown.find_first_not_of(L'x'), std::wstring::npos);
    EXPECT_EQ(program.CloseAndWait(), 0);
}

TEST(TimeTextsOfTheProgram, SynchronisesWithAServerAnsweringInNistLayout) {
    DaytimeServer server({DaytimeServer::kNistNow, DaytimeServer::kNistNow}, 13);
    if (!server.Bound()) GTEST_SKIP() << "port 13 cannot be bound here";
    ScratchDir dir(L"timesync-e2e");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        ini.WriteBool(L"TimeSynchronization", L"SynchronizeOnStart", true);
        ini.WriteString(L"TimeSynchronization", L"CurrentServer", L"127.0.0.1");
        ini.WriteBool(L"TimeSynchronization", L"TimeZoneAmendment", false);
        ini.UpdateFile();
    }
    {
        RunningProgram program(dir.Path());
        HWND options = program.WaitForWindow(L"TfrmOptions");
        ASSERT_NE(options, nullptr);
        EXPECT_TRUE(WaitForChildText(options, L"Время было успешно синхронизированно с 127.0.0.1", 10000));
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    EXPECT_GE(server.Served(), 1);
    base::IniFile ini(dir.Path() / L"Horalto.ini");
    const std::wstring last = ini.ReadString(L"TimeSynchronization", L"LastSynchronization", L"");
    const std::wstring prefix = L"Последняя синхронизация: ";
    EXPECT_TRUE(last.starts_with(prefix) && last.size() > prefix.size())
        << "the last synchronisation is dated";
}

TEST(TimeTextsOfTheProgram, MainTextFollowsTheFormatTextAndTheWorkLogGoesOn) {
    ScratchDir dir(L"timetext-e2e");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        ini.WriteString(L"Main", L"FormatTextMain", base::StoredTextValue(L"Сегодня\r\n<yyyy>"));
        ini.UpdateFile();
        base::StringList log{L"Время запуска\tВремя работы", L"01.01.2020 10:00:00\t2:00:00"};
        log.SaveToFile(dir.Path() / L"WindowsWorkLog.txt");
    }
    SYSTEMTIME st;
    GetLocalTime(&st);
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitForWindow(L"TfrmHoralto");
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(WaitForChildText(main, L"Сегодня\r\n" + std::to_wstring(st.wYear)));
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    base::StringList first;
    first.LoadFromFile(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(first.Count(), 3);
    EXPECT_EQ(first[1], L"01.01.2020 10:00:00\t2:00:00");
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    base::StringList second;
    second.LoadFromFile(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(second.Count(), 3);  // the same Windows run: the period goes on in its row
    const std::wstring start = first[2].substr(0, first[2].find(L'\t'));
    EXPECT_EQ(second[2].substr(0, second[2].find(L'\t')), start);
}

// A close while a synchronisation waits for a server that accepts and never
// answers ends the program with that one close (at the latest when the
// client's time-out of 5 s runs out), and the settings are saved: the quit
// the close posts is never lost in the client's waits. Both starts are
// covered: the one at start-up, inside the settings window's loading, and a
// planned retry that the per-second worker starts from the message loop. The
// end of the Windows session in that state does the same: the program saves,
// touches nothing freed, and ends cleanly.
TEST(TimeTextsOfTheProgram, OneCloseEndsTheProgramWhileASynchronisationWaits) {
    const std::wstring kWaiting = L"Подождите, выполняется синхронизация с ";
    struct Case {
        const char* address;
        bool retry;       // the close comes during the worker's retry, not the start-up attempt
        bool sessionEnd;  // Windows ends the session in place of the close
    };
    for (const Case c : {Case{"127.0.0.13", false, false}, Case{"127.0.0.14", true, false},
                         Case{"127.0.0.15", false, true}, Case{"127.0.0.16", true, true}}) {
        SCOPED_TRACE(c.retry ? "retry from the message loop" : "attempt at start-up");
        SCOPED_TRACE(c.sessionEnd ? "the end of the session" : "a close");
        // A loopback address of this test's own: port 13 there is free of other tests.
        DaytimeServer server({DaytimeServer::kSilent, DaytimeServer::kSilent}, 13, c.address);
        if (!server.Bound()) GTEST_SKIP() << "port 13 cannot be bound here";
        const std::wstring host(c.address, c.address + std::strlen(c.address));
        ScratchDir dir(L"timesync-close");
        {
            base::IniFile ini(dir.Path() / L"Horalto.ini");
            ini.WriteBool(L"TimeSynchronization", L"SynchronizeOnStart", true);
            ini.WriteString(L"TimeSynchronization", L"CurrentServer", host);
            ini.WriteBool(L"TimeSynchronization", L"ResynchronizeOnError", c.retry);
            ini.WriteFloat(L"TimeSynchronization", L"SynchronizeErrorTime", 1.0 / 86400.0);
            ini.WriteBool(L"TimeSynchronization", L"SynchronizeWithInterval", false);
            ini.UpdateFile();
        }
        RunningProgram program(dir.Path());
        HWND options = program.WaitForWindow(L"TfrmOptions");
        ASSERT_NE(options, nullptr);
        // The start-up attempt fails when the time-out has run out; the retry
        // comes a second later.
        ASSERT_TRUE(server.WaitAccepted(c.retry ? 2 : 1, 20000));
        ASSERT_TRUE(WaitForChildText(options, kWaiting + host, 5000));
        HWND main = program.WaitForWindow(L"TfrmHoralto");
        ASSERT_NE(main, nullptr);
        DWORD_PTR answer = 0;
        if (c.sessionEnd)
            EXPECT_TRUE(SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                                            &answer));
        else
            PostMessageW(main, WM_CLOSE, 0, 0);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(7000, &code)) << "the program is still running after one close";
        EXPECT_EQ(code, 0u);
        // The close saved the files (the list file did not exist before).
        EXPECT_TRUE(std::filesystem::exists(dir.Path() / L"FileLists.txt"));
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        EXPECT_EQ(ini.ReadString(L"TimeSynchronization", L"CurrentServer", L""), host);
    }
}

namespace {

// Puts the text on the clipboard, as another program's "Copy" does.
bool CopyToClipboard(const std::wstring& text) {
    const HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!owner || !OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool put = false;
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!put) GlobalFree(memory);
    }
    CloseClipboard();
    DestroyWindow(owner);
    return put;
}

}  // namespace

TEST(TimeTextsOfTheProgram, AFormatTextTypedAndPastedPastAnyLengthIsSavedWhole) {
    // The main text's format starts a little short of the length a memo shows
    // of a text the program sets; keys typed across that length, a paste of
    // forty thousand characters, and keys and a deletion after it all reach
    // the text that is saved.
    ScratchDir dir(L"format-typed");
    std::wstring given;
    for (int i = 0; given.size() < 8100; ++i) given += L"Строка " + std::to_wstring(i) + L" <tt>\r\n";
    given += std::wstring(8180 - given.size(), L'я');
    std::wstring pasted;
    for (int i = 0; pasted.size() < 40000; ++i) pasted += L"\r\nВставка " + std::to_wstring(i) + L" <d mmmm>";
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        ini.WriteString(L"Main", L"FormatTextMain", base::StoredTextValue(given));
        ini.WriteString(L"Main", L"MainFormatId", L"Свой");  // names no stored format
        ini.UpdateFile();
    }
    const std::wstring expected = given + L"\r\nНабрано за пределом <t>" + pasted + L"коне!";
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        const HWND options = program.WindowOfClass(L"TfrmOptions");
        HWND memo = nullptr;
        PressCtrlAlt('O');
        ASSERT_TRUE(WaitUntil(
            [&] { return (memo = FindVisibleChild(options, L"Edit", given.c_str())) != nullptr; }, 15000));
        ASSERT_TRUE(WaitSettingsWindowShown(options));
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == options; }));
        ClickWindow(memo);
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThread(options) == memo; }, 10000));
        ASSERT_TRUE(CopyToClipboard(pasted));
        PressCtrl(VK_END);
        PressKey(VK_RETURN);
        TypeText(L"Набрано за пределом <t>");
        PressCtrl('V');
        TypeText(L"конец");
        PressKey(VK_BACK);
        TypeText(L"!");
        EXPECT_TRUE(WaitUntil([&] { return WindowText(memo) == expected; }, 20000))
            << "the memo shows " << WindowText(memo).size() << " characters";
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::IniFile ini(dir.Path() / L"Horalto.ini");
    const std::wstring saved = base::ReadStoredTextValue(ini.ReadString(L"Main", L"FormatTextMain", L""));
    EXPECT_EQ(saved.size(), expected.size());
    EXPECT_TRUE(saved == expected) << "the saved text differs from what was typed";
}
