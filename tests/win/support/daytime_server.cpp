#include "win/support/daytime_server.h"

#include <cstdio>

namespace testing_support {
namespace {

constexpr long long kTicksPerSecond = 10000000;

// Waits until a new second has just begun; returns the time then.
SYSTEMTIME AtTheStartOfASecond(bool utc) {
    SYSTEMTIME st;
    utc ? GetSystemTime(&st) : GetLocalTime(&st);
    Sleep(1000 - st.wMilliseconds + 5);
    utc ? GetSystemTime(&st) : GetLocalTime(&st);
    return st;
}

unsigned long long Ticks(const SYSTEMTIME& st) {
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return ULARGE_INTEGER{{ft.dwLowDateTime, ft.dwHighDateTime}}.QuadPart;
}

// Waits at most ms for the socket to become readable.
bool Readable(SOCKET s, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &tv) == 1;
}

}  // namespace

std::string AsctimeNow(int offsetSeconds) {
    SYSTEMTIME st = AtTheStartOfASecond(false);
    ULARGE_INTEGER t;
    t.QuadPart = Ticks(st) + static_cast<ULONGLONG>(static_cast<long long>(offsetSeconds) * kTicksPerSecond);
    const FILETIME ft{t.LowPart, t.HighPart};
    FileTimeToSystemTime(&ft, &st);
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char line[64];
    std::snprintf(line, sizeof line, "%s %s %2d %02d:%02d:%02d %d\r\n", days[st.wDayOfWeek],
                  months[st.wMonth - 1], st.wDay, st.wHour, st.wMinute, st.wSecond, st.wYear);
    return line;
}

std::string NistNow(const char* tail) {
    const SYSTEMTIME st = AtTheStartOfASecond(true);
    // Modified Julian day: days since 1601-01-01 less 94187.
    const long long mjd = static_cast<long long>(Ticks(st) / (86400ULL * kTicksPerSecond)) - 94187;
    char line[96];
    std::snprintf(line, sizeof line, "\n%lld %02d-%02d-%02d %02d:%02d:%02d%s", mjd, st.wYear % 100, st.wMonth,
                  st.wDay, st.wHour, st.wMinute, st.wSecond, tail);
    return line;
}

DaytimeServer::DaytimeServer(std::vector<Kind> script, unsigned short port, const char* address) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = inet_addr(address);
    bound_ = bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(listener_, 4) == 0;
    int len = sizeof a;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    if (bound_) thread_ = std::thread([this, script] { Serve(script); });
}

DaytimeServer::~DaytimeServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    closesocket(listener_);
    WSACleanup();
}

void DaytimeServer::Serve(const std::vector<Kind>& script) {
    for (Kind kind : script) {
        // At most 10 s for each connection to come.
        int waited = 0;
        while (!stop_ && waited < 10000 && !Readable(listener_, 100)) waited += 100;
        if (stop_ || waited >= 10000) return;
        const SOCKET c = accept(listener_, nullptr, nullptr);
        if (c == INVALID_SOCKET) return;
        ++accepted_;
        std::string line;
        if (kind == kAnswerNow) line = AsctimeNow(0);
        if (kind == kAnswerHourAhead) line = AsctimeNow(3600);
        if (kind == kMalformed) line = "Hello, this is no time at all\r\n";
        if (kind == kNistNow) line = NistNow();
        if (kind == kNistMalformed) line = NistNow(" 00 0 0 50.0 UTC(USNO) *\n");
        if (!line.empty()) send(c, line.data(), static_cast<int>(line.size()), 0);
        // Keep the connection until the client leaves (at most 8 s).
        char b[16];
        for (int i = 0; i < 80 && !stop_; ++i)
            if (Readable(c, 100) && recv(c, b, sizeof b, 0) <= 0) break;
        closesocket(c);
        ++served_;
    }
}

bool DaytimeServer::WaitAccepted(int n, DWORD ms) const {
    const DWORD start = GetTickCount();
    while (accepted_ < n) {
        if (GetTickCount() - start >= ms) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace testing_support
