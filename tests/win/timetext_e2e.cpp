// The whole program under Wine: the clock's text comes from the format text of
// a prepared Horalto.ini, the work log goes on across restarts, and the clock
// is synchronised with a Daytime server that answers in NIST's layout.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "base/ini_file.h"
#include "base/string_list.h"
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

bool WaitForChildText(HWND parent, const std::wstring& text, DWORD ms = 8000) {
    const DWORD start = GetTickCount();
    Search s{text};
    while (GetTickCount() - start < ms) {
        EnumChildWindows(parent, FindText, reinterpret_cast<LPARAM>(&s));
        if (s.found) return true;
        Sleep(100);
    }
    return false;
}

// A Daytime server on 127.0.0.1:13 that answers the UTC time now in NIST's
// layout to each connection, for at most 20 s. Port 13 needs the rights to
// bind it (root on Linux); Bound() says whether it was had.
class NistServer {
  public:
    NistServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(13);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bound_ = bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(listener_, 4) == 0;
        if (bound_) thread_ = std::thread([this] { Serve(); });
    }
    ~NistServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        closesocket(listener_);
        WSACleanup();
    }
    bool Bound() const { return bound_; }
    int Served() const { return served_; }

  private:
    void Serve() {
        for (int waited = 0; !stop_ && waited < 20000; waited += 100) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(listener_, &set);
            timeval tv{0, 100000};
            if (select(0, &set, nullptr, nullptr, &tv) != 1) continue;
            const SOCKET c = accept(listener_, nullptr, nullptr);
            if (c == INVALID_SOCKET) return;
            // Sent just after a second has begun, so that the whole seconds
            // it carries are the true time (Wine sets the clock only when it
            // is off by less than about half a second).
            SYSTEMTIME st;
            GetSystemTime(&st);
            Sleep(1000 - st.wMilliseconds + 5);
            GetSystemTime(&st);
            FILETIME ft;
            SystemTimeToFileTime(&st, &ft);
            const long long mjd =
                static_cast<long long>(ULARGE_INTEGER{{ft.dwLowDateTime, ft.dwHighDateTime}}.QuadPart /
                                       864000000000ULL) -
                94187;  // days since 1601-01-01 to modified Julian days
            char line[96];
            std::snprintf(line, sizeof line, "\n%lld %02d-%02d-%02d %02d:%02d:%02d 00 0 0 50.0 UTC(NIST) *\n",
                          mjd, st.wYear % 100, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
            send(c, line, static_cast<int>(std::strlen(line)), 0);
            shutdown(c, SD_SEND);
            Sleep(200);
            closesocket(c);
            ++served_;
        }
    }

    SOCKET listener_ = INVALID_SOCKET;
    bool bound_ = false;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> served_{0};
};

}  // namespace

TEST(TimeTextsOfTheProgram, SynchronisesWithAServerAnsweringInNistLayout) {
    NistServer server;
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
