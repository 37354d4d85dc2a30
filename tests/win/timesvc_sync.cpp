// The time synchronisation in the program's own two windows, made in this
// process, against a Daytime server on 127.0.0.1 run by the test itself (one
// thread, a bounded number of connections, each bounded in time). The clock
// is set through a guard that passes on only changes the size of Wine's own
// tolerance (well under half a second) and refuses anything larger, so the
// machine's clock is never moved.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/date_format.h"
#include "base/format_settings.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "timetext/speech/system_sound_player.h"
#include "timetext/system_clock.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/daytime_server.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::DaytimeServer;

constexpr long long kTicksPerSecond = 10000000;

long long FileTimeOf(const SYSTEMTIME& st) {
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return static_cast<long long>(ULARGE_INTEGER{{ft.dwLowDateTime, ft.dwHighDateTime}}.QuadPart);
}

long long UtcNowTicks() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return static_cast<long long>(ULARGE_INTEGER{{ft.dwLowDateTime, ft.dwHighDateTime}}.QuadPart);
}

// A loopback port on which nothing listens.
unsigned short ClosedPort() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    closesocket(s);
    WSACleanup();
    return ntohs(a.sin_port);
}

class SilentPlayer : public signals::SoundPlayer {
  public:
    void Play(const std::wstring&, bool) override {}
};

// A thread timer that runs a function once after ms, while messages are processed.
class OneShot {
  public:
    OneShot(UINT ms, std::function<void()> f) {
        Current() = std::move(f);
        id_ = SetTimer(nullptr, 0, ms, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            if (auto f = std::exchange(Current(), nullptr)) f();
        });
    }
    ~OneShot() {
        KillTimer(nullptr, id_);
        Current() = nullptr;
    }

  private:
    static std::function<void()>& Current() {
        static std::function<void()> f;
        return f;
    }
    UINT_PTR id_;
};

class TimeSync : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        signals::ReplaceSoundPlayer(&player_);
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
                boxes_.push_back(text);
                return IDOK;
            });
        // The guard: a change the size of Wine's tolerance goes to the system,
        // anything larger is refused as the system refuses it under Wine.
        timetext::ReplaceClockSetter([this](const SYSTEMTIME& utc) -> DWORD {
            const double diff = static_cast<double>(FileTimeOf(utc) - UtcNowTicks()) / kTicksPerSecond;
            requests_.push_back(diff);
            if (std::fabs(diff) > 0.4) return ERROR_PRIVILEGE_NOT_HELD;
            return timetext::SystemClockSetter(utc);
        });
        Create();
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        timetext::ReplaceClockSetter(nullptr);
        ui::SetMessageBoxHandler(previousBoxes_);
        signals::ReplaceSoundPlayer(nullptr);
    }
    void Create() {
        testing_support::CreateProgramWindows();
        TfrmOptions& o = *frmOptions;
        o.chbDayLightAmendment.SetChecked(false);  // the server answers the local time as it stands
        o.cmbHost.SetText(L"127.0.0.1");
    }
    // Runs a synchronisation and returns how long it took in ms.
    ULONGLONG Synchronize(unsigned short port) {
        frmOptions->NMDayTime1.SetPort(port);
        const ULONGLONG start = GetTickCount64();
        frmOptions->btnSynchronize.Click();
        return GetTickCount64() - start;
    }
    static std::wstring DateTimeText(double t) {
        return base::DateTimeToStr(t, base::SystemFormatSettings());
    }

    testing_support::ScratchDir dir_{L"timesvc-sync"};
    SilentPlayer player_;
    ui::MessageBoxHandler previousBoxes_;
    std::vector<std::wstring> boxes_;
    std::vector<double> requests_;  // each asked change of the clock, in seconds
};

TEST_F(TimeSync, AnswerOfTheCurrentTimeSetsTheClock) {
    TfrmOptions& o = *frmOptions;
    o.speSyncDays.SetValue(2);
    o.dtpSyncTime.SetDateTime(2 + 6.0 / 24);  // every two days and six hours
    DaytimeServer server({DaytimeServer::kAnswerNow});
    Synchronize(server.Port());

    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_LT(std::fabs(requests_[0]), 0.4);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Время было успешно синхронизированно с 127.0.0.1");
    EXPECT_TRUE(o.lblStatConnect.Hint().empty());
    EXPECT_NEAR(NextSynchronization, Now() + 2.25, 5.0 / 86400);
    EXPECT_EQ(o.lblNextSync.Caption(), L"Следующая синхронизация: " + DateTimeText(NextSynchronization));
    EXPECT_TRUE(o.lblLastSync.Caption().starts_with(L"Последняя синхронизация: "));
    EXPECT_GT(o.lblLastSync.Caption().size(), std::wstring(L"Последняя синхронизация: ").size());
    EXPECT_TRUE(boxes_.empty());

    // The labels and the plan outlast a restart through the settings file.
    const std::wstring last = o.lblLastSync.Caption();
    const double next = NextSynchronization;
    bool canClose = true;
    frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    ui::Application().DestroyForms();
    Create();
    EXPECT_EQ(frmOptions->lblLastSync.Caption(), last);
    EXPECT_NEAR(NextSynchronization, next, 1e-6);
    EXPECT_EQ(frmOptions->lblNextSync.Caption(), L"Следующая синхронизация: " + DateTimeText(next));
}

TEST_F(TimeSync, AnswerAnHourAheadIsRefusedAndReportedAsAFailure) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kAnswerHourAhead});
    const double start = Now();
    Synchronize(server.Port());

    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_NEAR(requests_[0], 3600, 2);
    EXPECT_EQ(o.lblStatConnect.Caption(),
              L"Ошибка при выполнении синхронизации с 127.0.0.1. " + o.lblStatConnect.Hint());
    EXPECT_NE(o.lblStatConnect.Hint().find(L"Не удалось установить системное время"), std::wstring::npos)
        << o.lblStatConnect.Hint();
    EXPECT_EQ(o.lblLastSync.Caption(), L"Последняя синхронизация:");
    // The retry after an hour (the default) stays planned and is shown.
    EXPECT_NEAR(NextSynchronization, start + 1.0 / 24, 5.0 / 86400);
    EXPECT_EQ(o.lblNextSync.Caption(), L"Следующая синхронизация: " + DateTimeText(NextSynchronization));
    EXPECT_TRUE(boxes_.empty()) << "the synchronisation shows no message box";
}

TEST_F(TimeSync, CorrectionsMoveTheRequestedTime) {
    TfrmOptions& o = *frmOptions;
    // Minus 00:01:30 on an answer of the current time: 90 s earlier.
    o.rdbTimeMinus.SetChecked(true);
    o.dtpTimeAmendment.SetDateTime(base::EncodeTime(0, 1, 30, 0));
    {
        DaytimeServer server({DaytimeServer::kAnswerNow});
        Synchronize(server.Port());
    }
    // Zone on: the answer is read as UTC, the zone's bias is added back.
    o.dtpTimeAmendment.SetDateTime(0);
    o.chbTimeZoneAmendment.SetChecked(true);
    {
        DaytimeServer server({DaytimeServer::kAnswerNow});
        Synchronize(server.Port());
    }
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    ASSERT_EQ(requests_.size(), 2u);
    EXPECT_NEAR(requests_[0], -90, 1);
    EXPECT_NEAR(requests_[1], -zone.Bias * 60.0, 1);
    EXPECT_TRUE(o.lblStatConnect.Caption().starts_with(L"Ошибка при выполнении синхронизации с 127.0.0.1. "));
}

TEST_F(TimeSync, MalformedAnswerIsRefusedWithItsReason) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kMalformed});
    Synchronize(server.Port());
    EXPECT_TRUE(requests_.empty()) << "a malformed answer never sets the clock";
    // The reason is in the status itself, not only in its hint.
    EXPECT_EQ(o.lblStatConnect.Caption(),
              L"Ошибка при выполнении синхронизации с 127.0.0.1. " + o.lblStatConnect.Hint());
    EXPECT_NE(o.lblStatConnect.Hint().find(L"не принят"), std::wstring::npos) << o.lblStatConnect.Hint();
    EXPECT_NE(o.lblStatConnect.Hint().find(L"«Hello, this is no time at all»"), std::wstring::npos);
}

TEST_F(TimeSync, NistAnswerIsUtcWhateverTheZoneSwitchSays) {
    TfrmOptions& o = *frmOptions;
    for (bool zoneSwitch : {false, true}) {
        o.chbTimeZoneAmendment.SetChecked(zoneSwitch);
        DaytimeServer server({DaytimeServer::kNistNow});
        Synchronize(server.Port());
        ASSERT_EQ(requests_.size(), zoneSwitch ? 2u : 1u);
        EXPECT_LT(std::fabs(requests_.back()), 0.4) << "the clock is set to the server's UTC time";
        EXPECT_EQ(o.lblStatConnect.Caption(), L"Время было успешно синхронизированно с 127.0.0.1");
    }
    // The amendment still applies to a NIST answer.
    o.rdbTimeMinus.SetChecked(true);
    o.dtpTimeAmendment.SetDateTime(base::EncodeTime(0, 0, 30, 0));
    DaytimeServer server({DaytimeServer::kNistNow});
    Synchronize(server.Port());
    ASSERT_EQ(requests_.size(), 3u);
    EXPECT_NEAR(requests_.back(), -30, 1);
}

TEST_F(TimeSync, MalformedNistAnswerIsRefusedWithItsReasonInTheStatus) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kNistMalformed});
    Synchronize(server.Port());
    EXPECT_TRUE(requests_.empty());
    EXPECT_TRUE(o.lblStatConnect.Caption().starts_with(L"Ошибка при выполнении синхронизации с 127.0.0.1. "));
    EXPECT_NE(o.lblStatConnect.Caption().find(L"UTC(NIST)"), std::wstring::npos)
        << o.lblStatConnect.Caption();
}

TEST_F(TimeSync, SilentServerTimesOutWhileMessagesAreProcessed) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kSilent});
    static int ticks;
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
    const ULONGLONG took = Synchronize(server.Port());
    KillTimer(nullptr, timer);
    EXPECT_GE(took, 4800u);
    EXPECT_LT(took, 6500u);
    EXPECT_GT(ticks, 20) << "the wait keeps the message loop running";
    EXPECT_TRUE(requests_.empty());
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.1");
    EXPECT_EQ(o.lblStatConnect.Hint(), L"Read Timed out");
}

TEST_F(TimeSync, FailuresMoveToTheNextServerWhenAsked) {
    TfrmOptions& o = *frmOptions;
    o.chbNextHostOnError.SetChecked(true);
    o.chbResyncOnError.SetChecked(false);
    o.chbSyncWithInterval.SetChecked(false);
    o.cmbHost.SetItems({L"127.0.0.1", L"127.0.0.2", L"127.0.0.3"});
    const unsigned short port = ClosedPort();

    o.cmbHost.SetItemIndex(2);  // the last: on to the first
    EXPECT_LT(Synchronize(port), 3000u);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.3");
    EXPECT_EQ(o.lblStatConnect.Hint(), L"Connection Failed");
    EXPECT_EQ(o.cmbHost.ItemIndex(), 0);
    EXPECT_EQ(o.cmbHost.Text(), L"127.0.0.1");
    Synchronize(port);  // then the second
    EXPECT_EQ(o.cmbHost.Text(), L"127.0.0.2");
    o.cmbHost.SetText(L"127.0.0.9");  // a typed host not in the list: the first
    Synchronize(port);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.9");
    EXPECT_EQ(o.cmbHost.Text(), L"127.0.0.1");

    // Neither an interval nor a retry: nothing planned.
    EXPECT_EQ(NextSynchronization, 0);
    EXPECT_EQ(o.lblNextSync.Caption(), L"Следующая синхронизация: ");
    // Switched off, the host stays.
    o.chbNextHostOnError.SetChecked(false);
    Synchronize(port);
    EXPECT_EQ(o.cmbHost.Text(), L"127.0.0.1");
    // A host name is looked up first: "localhost" is found, then refused.
    o.cmbHost.SetText(L"localhost");
    Synchronize(port);
    EXPECT_EQ(o.lblStatConnect.Hint(), L"Connection Failed");
    // An empty host fails at once.
    o.cmbHost.SetText(L"");
    Synchronize(port);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с ");
    EXPECT_TRUE(requests_.empty());
}

TEST_F(TimeSync, StartWhileWaitingEndsTheWaitingAttemptFirst) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kSilent, DaytimeServer::kAnswerNow});
    std::vector<std::wstring> seen;
    OneShot again(300, [&] {
        seen.push_back(o.lblStatConnect.Caption());
        o.btnSynchronize.Click();  // returns at once: the waiting attempt is cancelled
        seen.push_back(o.lblStatConnect.Caption());
    });
    const ULONGLONG took = Synchronize(server.Port());
    EXPECT_LT(took, 4000u) << "the silent server's time-out was not waited for";
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"Подождите, выполняется синхронизация с 127.0.0.1",
                                               L"Подождите, выполняется синхронизация с 127.0.0.1"}));
    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Время было успешно синхронизированно с 127.0.0.1");
    EXPECT_EQ(server.Served() >= 1, true);
}

TEST_F(TimeSync, AbortAtCloseEndsTheWaitAndNothingStartsAfterIt) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kSilent});
    OneShot abort(300, [&] { o.AbortSynchronization(); });
    EXPECT_LT(Synchronize(server.Port()), 3000u);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.1");
    o.lblStatConnect.SetCaption(L"-");
    o.btnSynchronize.Click();
    EXPECT_EQ(o.lblStatConnect.Caption(), L"-");
}

TEST_F(TimeSync, QuitDuringTheWaitEndsItAndIsLeftForTheOuterLoop) {
    TfrmOptions& o = *frmOptions;
    DaytimeServer server({DaytimeServer::kSilent});
    OneShot quit(300, [] { PostQuitMessage(4); });
    EXPECT_LT(Synchronize(server.Port()), 3000u);
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.1");
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(TimeSync, WorkerStartsAPlannedSynchronizationOnlyWhenSwitchedOn) {
    TfrmOptions& o = *frmOptions;
    o.NMDayTime1.SetPort(ClosedPort());
    NextSynchronization = Now() - 1.0 / 86400;
    o.chbSynchronizeOnStart.SetChecked(false);
    frmHoralto->TickWork();
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Синхронизация не выполнялась.");

    o.chbSynchronizeOnStart.SetChecked(true);
    const double start = Now();
    frmHoralto->TickWork();
    EXPECT_EQ(o.lblStatConnect.Caption(), L"Ошибка при выполнении синхронизации с 127.0.0.1");
    EXPECT_NEAR(NextSynchronization, start + 1.0 / 24, 5.0 / 86400) << "the retry is planned";
    // Not due again on the next tick.
    o.lblStatConnect.SetCaption(L"-");
    frmHoralto->TickWork();
    EXPECT_EQ(o.lblStatConnect.Caption(), L"-");
}

TEST_F(TimeSync, ServerListButtons) {
    TfrmOptions& o = *frmOptions;
    o.cmbHost.SetItems({L"a.example", L"b.example"});
    o.cmbHost.SetText(L"c.example");
    o.spbAppendServer.Click();
    EXPECT_EQ(o.cmbHost.Items(), (std::vector<std::wstring>{L"a.example", L"b.example", L"c.example"}));
    EXPECT_EQ(o.cmbHost.ItemIndex(), 2);
    o.spbAppendServer.Click();        // the selected one again: nothing
    o.cmbHost.SetText(L"B.example");  // equal to a listed one: nothing
    o.spbAppendServer.Click();
    o.cmbHost.SetText(L"");
    o.spbAppendServer.Click();
    EXPECT_EQ(o.cmbHost.Count(), 3);
    EXPECT_TRUE(boxes_.empty());
    // Names FileLists.txt would read back as a block's header or as no server
    // are refused with a message; the list stays as it was.
    for (const wchar_t* bad : {L"[HotKeys]", L"[Sounds]", L"[", L"   "}) {
        boxes_.clear();
        o.cmbHost.SetText(bad);
        o.spbAppendServer.Click();
        EXPECT_EQ(o.cmbHost.Count(), 3) << bad;
        EXPECT_EQ(boxes_,
                  std::vector<std::wstring>{
                      L"Имя сервера не может быть пустым или начинаться с \"[\". Введите другое."})
            << bad;
    }

    o.cmbHost.SetItemIndex(1);
    o.spbDeleteServer.Click();
    EXPECT_EQ(o.cmbHost.Items(), (std::vector<std::wstring>{L"a.example", L"c.example"}));
    EXPECT_EQ(o.cmbHost.ItemIndex(), 0);
    o.cmbHost.SetText(L"typed.example");  // none selected: only item 0 is chosen
    o.spbDeleteServer.Click();
    EXPECT_EQ(o.cmbHost.Count(), 2);
    EXPECT_EQ(o.cmbHost.Text(), L"a.example");
    o.spbDeleteServer.Click();
    o.spbDeleteServer.Click();  // the last one stays
    EXPECT_EQ(o.cmbHost.Items(), (std::vector<std::wstring>{L"c.example"}));
}

TEST_F(TimeSync, IntervalControls) {
    TfrmOptions& o = *frmOptions;
    o.dtpSyncTime.SetDateTime(30 + 0.25);
    o.speSyncDays.SetValue(7);
    EXPECT_DOUBLE_EQ(o.dtpSyncTime.DateTime(), 7.25);

    o.chbResyncOnError.SetChecked(false);
    o.chbSyncWithInterval.SetChecked(false);
    EXPECT_FALSE(o.speSyncDays.Enabled());
    EXPECT_FALSE(o.dtpSyncTime.Enabled());
    EXPECT_FALSE(o.lblDays.Enabled());
    EXPECT_FALSE(o.lblNextSync.Enabled());
    EXPECT_FALSE(o.dtpSyncErrorTime.Enabled());
    o.chbResyncOnError.SetChecked(true);
    EXPECT_TRUE(o.dtpSyncErrorTime.Enabled());
    EXPECT_TRUE(o.lblAfter.Enabled());
    EXPECT_TRUE(o.lblNextSync.Enabled());
    o.chbSyncWithInterval.SetChecked(true);
    o.chbResyncOnError.SetChecked(false);
    EXPECT_TRUE(o.lblNextSync.Enabled()) << "the interval still plans";
    EXPECT_TRUE(o.speSyncDays.Enabled());
}

}  // namespace
