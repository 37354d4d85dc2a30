// The two long-lived windows made in this process: what their creation sets
// up, the homes of every settings key, the phases, the close query and the
// settings window's pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/ini_file.h"
#include "components/gtray_icon.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/hot_key_text.h"
#include "core/settings_files.h"
#include "core/settings_keys.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/message_loop.h"
#include "win/support/program_windows.h"

namespace fs = std::filesystem;

namespace {

using testing_support::PumpUntil;

// Both windows, made as the program makes them, with the data files in a
// scratch folder; freed at the end.
class Windows : public testing::Test {
  protected:
    void SetUp() override { testing_support::UseDataFolder(dir_.Path()); }
    void Create() {
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        optionsDuringMainCreate_ = frmOptions;
        ui::Application().CreateForm(frmOptions);
    }
    void TearDown() override { testing_support::DestroyProgramWindows(); }
    testing_support::ScratchDir dir_{L"core-forms"};
    TfrmOptions* optionsDuringMainCreate_ = reinterpret_cast<TfrmOptions*>(1);
};

}  // namespace

TEST_F(Windows, CreationPhasesAndPointers) {
    Create();
    EXPECT_EQ(optionsDuringMainCreate_, nullptr);  // the main window's loading copes without it
    ASSERT_NE(frmOptions, nullptr);
    EXPECT_EQ(frmOptions->Tag(), 0);
    EXPECT_EQ(frmHoralto->Tag(), 1);  // until the first paint
    EXPECT_FALSE(frmOptions->Visible());
    EXPECT_EQ(FindWindowW(L"TfrmHoralto", nullptr), frmHoralto->Handle());
    EXPECT_EQ(FindWindowW(L"TfrmOptions", nullptr), frmOptions->Handle());
    EXPECT_EQ(frmHoralto->SkinNames, (base::StringList{L"Нет", L"Стандартная", L"Обратная", L"Трей"}));
    // The built-in formats and the colour items seeded from the window's colours.
    EXPECT_EQ(frmOptions->BuiltInFormatCount, 5);
    EXPECT_EQ(frmOptions->FormatNames[2], L"Время работы");
    EXPECT_EQ(frmOptions->FormatTexts[3],
              L"<c>,\"Восход солнца: TS<t>\",\"Заход солнца: TZ<t>\",\"Время работы: W<%dtt>\",<LA>");
    EXPECT_EQ(frmOptions->MainBackColorItem, 25);
    EXPECT_EQ(frmOptions->stgTasks.Cell(9, 0), L"Выполнено");
    EXPECT_EQ(frmOptions->stgHotKeysList.Cell(2, 0), L"Действие");
    EXPECT_EQ(frmOptions->cbeKeyActions.Count(), core::kActionCount);
    EXPECT_EQ(frmOptions->cmbHost.Text(), TPageSync::kDefaultHost);
}

TEST_F(Windows, EveryNamedHomeIsBound) {
    Create();
    core::SettingHomes homes;
    frmHoralto->BindSettingHomes(homes);
    frmOptions->BindSettingHomes(homes);
    for (const core::SettingKey& key : core::SettingKeys()) {
        if (!key.IsField()) {
            EXPECT_TRUE(homes.IsBound(key.home)) << testing::PrintToString(std::wstring(key.home));
        }
    }
}

TEST_F(Windows, PagesInOrderAndOpeningOnAPage) {
    Create();
    const wchar_t* const sheets[] = {
        L"tbsMain",  L"tbsShape",   L"TabSheet2",          L"tbsSound",  L"tbsSpeech", L"tbsTimeWorkWindows",
        L"tbsMouse", L"tbsPlanner", L"tbsSynchronization", L"tbsHotKeys"};
    const wchar_t* const captions[] = {L"Основные",      L"Окно",           L"Системные", L"Сигналы",
                                       L"Речь",          L"Время работы",   L"Мышь",      L"Планировщик",
                                       L"Синхронизация", L"Горячие клавиши"};
    ASSERT_EQ(frmOptions->pgcOptions.PageCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(frmOptions->pgcOptions.Page(i).Name(), sheets[i]);
        EXPECT_EQ(frmOptions->pgcOptions.Page(i).Caption(), captions[i]);
    }
    frmHoralto->aPlanner.Execute();
    EXPECT_TRUE(frmOptions->Visible());
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 7);
    frmHoralto->aMain.Execute();
    EXPECT_EQ(frmOptions->pgcOptions.ActivePageIndex(), 0);
    frmOptions->btnCloseOptions.Click();
    EXPECT_FALSE(frmOptions->Visible());  // closing only hides it
}

TEST_F(Windows, CloseQuerySavesEverythingAndMarksTheExitPhase) {
    Create();
    frmHoralto->Settings.Main.FormatTextMain = L"<t>\r\nвторая";
    frmOptions->cmbHost.SetItems({});
    frmOptions->lsbPicturesList.Add(L"C:\\a.jpg");
    bool canClose = true;
    frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(frmOptions->Tag(), 10);
    const base::IniFile ini(IniFileName);
    EXPECT_EQ(ini.ReadString(L"Main", L"FormatTextMain", L""), L"_<t>,вторая");
    base::StringList lists;
    lists.LoadFromFile(FileListsFileName);
    // The default hot keys, set when there was no list file, follow the lists.
    base::StringList expected{L"[Pictures]", L"C:\\a.jpg", L"[HotKeys]"};
    for (const core::HotKeyRow& row : core::DefaultHotKeyRows())
        expected.Add(std::to_wstring(row.action) + L"\t" + row.keys + L"\t" + row.caption + L"\t");
    EXPECT_EQ(lists, expected);
    EXPECT_TRUE(fs::exists(TasksListFileName));
    EXPECT_TRUE(fs::exists(WorkLogFileName));
}

TEST_F(Windows, EveryEndSavesOnce) {
    // However the program ends, the end's saves run once: what another
    // program writes into a data file after them stays as it wrote it (a
    // second save would keep it beside and write the clock's tasks over it).
    // An end whose saves have not run (a quit alone, or one after an end of
    // the session that was called off, which forgets the saves of its query)
    // keeps that version beside and saves.
    const auto send = [](UINT msg, WPARAM wp) {
        SendMessageW(frmHoralto->Handle(), msg, wp, ENDSESSION_LOGOFF);
    };
    const auto close = [] {
        bool canClose = true;
        frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    };
    const auto quit = [] { PostQuitMessage(0); };
    const auto query = [&] { send(WM_QUERYENDSESSION, 0); };
    const struct {
        const char* name;
        std::function<void()> first, then;
        bool savedAgain;
    } rows[] = {
        {"a close, then the loop's end", close, quit, false},
        {"the query of the session's end, then its end", query, [&] { send(WM_ENDSESSION, TRUE); }, false},
        {"the end of the session, then the loop's end", [&] { send(WM_ENDSESSION, TRUE); }, [] {}, false},
        {"the query of the session's end, called off, then a quit", query,
         [&] {
             send(WM_ENDSESSION, FALSE);
             EXPECT_EQ(frmOptions->Tag(), 0) << "the settings window is still in the exit's phase";
             quit();
         },
         true},
        {"a quit", [] {}, quit, true},
    };
    const std::string outside = "changed by another program\r\n";
    const fs::path kept = fs::path(TasksListFileName) += L".bak";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto& entry : fs::directory_iterator(dir_.Path())) fs::remove_all(entry.path());
        Create();
        row.first();
        base::WriteFileBytes(TasksListFileName, outside);
        row.then();
        ui::Application().Run();  // to the loop's end: the program's WM_QUIT is waiting
        testing_support::DestroyProgramWindows();
        EXPECT_EQ(fs::exists(kept), row.savedAgain);
        EXPECT_EQ(base::ReadFileBytes(TasksListFileName) == outside, !row.savedAgain);
    }
}

TEST_F(Windows, TheStartsReadsShareOnePatience) {
    // Another program holds every data file while the windows are made: the
    // reads wait for them a second in all, not a second each (a patience that
    // counts the time it would wait instead of waiting it).
    struct CountedPatience : base::Patience {
        using Patience::Patience;
        int pauses = 0;
        Duration Pause(Duration time) override {
            ++pauses;
            return time;
        }
    };
    std::vector<HANDLE> held;
    for (const fs::path& file : {IniFileName, FileListsFileName, TasksListFileName, WorkLogFileName}) {
        base::WriteFileBytes(file, "");
        held.push_back(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
    }
    CountedPatience patience(std::chrono::seconds(1));
    core::UseStartPatience(&patience);
    Create();
    core::UseStartPatience(nullptr);
    for (HANDLE h : held) CloseHandle(h);
    EXPECT_EQ(patience.pauses, 50);
    EXPECT_EQ(patience.Left(), base::Patience::Duration::zero());
}

TEST_F(Windows, SettingsWindowWritesItsPartWhenFreed) {
    Create();
    frmOptions->FormatNames.Add(L"Мой");
    frmOptions->FormatTexts.Add(L"<tt>");
    frmOptions->TrayFormatId = L"Мой";
    ui::Application().DestroyForms();
    EXPECT_EQ(frmOptions, nullptr);
    const base::IniFile ini(IniFileName);
    EXPECT_EQ(ini.ReadString(L"TimeFormats", L"Мой", L""), L"_<tt>");
    EXPECT_EQ(ini.ReadString(L"Main", L"TrayFormatId", L""), L"Мой");
    EXPECT_EQ(ini.ReadString(L"SystemClock", L"BackColorItem", L""), L"25");
}

TEST_F(Windows, FirstPaintStartsTheMainTimerWhichArmsTheWorkerGate) {
    Create();
    EXPECT_FALSE(frmHoralto->tmrTimer.Enabled());
    EXPECT_FALSE(LastWorkTick.set);
    frmHoralto->Show();
    ASSERT_TRUE(PumpUntil([] { return frmHoralto->tmrTimer.Enabled(); }));
    EXPECT_EQ(frmHoralto->Tag(), 0);
    // The first tick only arms the gate; the worker runs from the next one on.
    EXPECT_TRUE(PumpUntil([] { return LastWorkTick.set; }, 2500));
    frmHoralto->Hide();
}

namespace {
int handledMessages = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP + 7) ++handledMessages;
    return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

TEST_F(Windows, WaitWithMessagesHandlesMessagesAtLeastOnce) {
    Create();
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CoreFormsCounter";
    RegisterClassW(&wc);
    HWND counter = CreateWindowW(L"CoreFormsCounter", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(counter, nullptr);
    PostMessageW(counter, WM_APP + 7, 0, 0);
    frmHoralto->WaitWithMessages(0);
    EXPECT_EQ(handledMessages, 1);
    const DWORD start = GetTickCount();
    frmHoralto->WaitWithMessages(200);
    EXPECT_GE(GetTickCount() - start, 200u);
    DestroyWindow(counter);
}

namespace {

// The notification area, refusing every new icon while `refuse` holds; every
// message box is written down. Both while it lives.
struct StandInNotificationArea {
    StandInNotificationArea() {
        shell_ = trayicon::ReplaceShellNotifyIcon([this](DWORD message, NOTIFYICONDATAW*) {
            if (message != NIM_ADD) return TRUE;
            ++adds;
            return refuse ? FALSE : TRUE;
        });
        boxes_ = ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
    }
    ~StandInNotificationArea() {
        trayicon::ReplaceShellNotifyIcon(std::move(shell_));
        ui::SetMessageBoxHandler(std::move(boxes_));
    }
    bool refuse = true;
    int adds = 0;
    std::vector<std::wstring> boxes;

  private:
    trayicon::ShellNotifyIconCall shell_;
    ui::MessageBoxHandler boxes_;
};

void WriteIni(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

}  // namespace

TEST_F(Windows, RefusedTrayIconAtStartLeavesItOffAndSaysSoOnce) {
    WriteIni(IniFileName, "[Main]\r\nShowInTray=1\r\nInSystemClock=0\r\n");
    {
        StandInNotificationArea area;
        Create();
        ASSERT_NE(frmOptions, nullptr);  // the start went on
        EXPECT_EQ(area.adds, 1);
        EXPECT_FALSE(frmHoralto->TrayIconVisible());
        EXPECT_FALSE(frmHoralto->aShowInTray.Checked());
        EXPECT_FALSE(frmOptions->chbShowInTray.Checked());
        ASSERT_EQ(area.boxes.size(), 1u);
        EXPECT_NE(area.boxes[0].find(L"область уведомлений"), std::wstring::npos);
        EXPECT_NE(area.boxes[0].find(L"«Показать программу в трее»"), std::wstring::npos);
    }
    testing_support::DestroyProgramWindows();

    // Started minimised into the refused icon: the window is shown instead.
    WriteIni(IniFileName, "[Window]\r\nWindowState=0\r\n[Main]\r\nShowInTray=1\r\nInSystemClock=0\r\n");
    {
        StandInNotificationArea area;
        Create();
        ASSERT_NE(frmOptions, nullptr);
        EXPECT_NE(frmHoralto->GetWindowState(), ui::wsMinimized);
        EXPECT_TRUE(ui::Application().ShowMainForm());
        EXPECT_EQ(area.boxes.size(), 1u);
    }
}

TEST_F(Windows, MinimisedWithoutATaskbarClockGoesIntoTheTrayIconOrStays) {
    // No taskbar with a system clock in this process's desktop.
    WriteIni(IniFileName, "[Main]\r\nMinimizeInSysClock=1\r\nShowInTray=0\r\n");
    Create();
    frmHoralto->SetTag(0);
    frmHoralto->Show();
    StandInNotificationArea area;
    area.refuse = false;
    frmHoralto->aMinimized.Execute();
    EXPECT_EQ(frmHoralto->GetWindowState(), ui::wsMinimized);
    EXPECT_FALSE(frmHoralto->pnlTrayTime.Visible());
    EXPECT_TRUE(frmHoralto->TrayIconVisible());
    // A click on the icon leaves it: it is the way back.
    frmHoralto->GTrayIconClick(*frmHoralto->GTrayIcon1);
    EXPECT_TRUE(frmHoralto->TrayIconVisible());
    frmHoralto->aMinimized.Execute();
    EXPECT_NE(frmHoralto->GetWindowState(), ui::wsMinimized);
    EXPECT_FALSE(frmHoralto->TrayIconVisible());
    EXPECT_TRUE(area.boxes.empty());

    // Refused too: the window stays, and says why.
    area.refuse = true;
    frmHoralto->aMinimized.Execute();
    EXPECT_NE(frmHoralto->GetWindowState(), ui::wsMinimized);
    EXPECT_TRUE(frmHoralto->Visible());
    EXPECT_FALSE(frmHoralto->TrayIconVisible());
    ASSERT_EQ(area.boxes.size(), 1u);
    EXPECT_NE(area.boxes[0].find(L"окно не свёрнуто"), std::wstring::npos);
    frmHoralto->Hide();
}
