// A Daytime server on 127.0.0.1 run by a test itself: one thread, a bounded
// number of connections, each bounded in time. It answers the time now in the
// asctime layout (local time) or in NIST's layout (UTC), sent just after a
// second has begun so that the whole seconds it carries are the true time.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// The local time now plus offsetSeconds in the asctime layout.
std::string AsctimeNow(int offsetSeconds);
// The UTC time now in NIST's layout, after the line feed NIST's servers send
// first; `tail` is what follows the time.
std::string NistNow(const char* tail = " 00 0 0 50.0 UTC(NIST) *\n");

// Serves one connection per entry of its script, then stops.
class DaytimeServer {
  public:
    enum Kind { kAnswerNow, kAnswerHourAhead, kMalformed, kSilent, kNistNow, kNistMalformed };

    // port 0: a port of the system's choice. Bound() says whether the port was had
    // (port 13 needs the rights to bind it: root on Linux). `address` is a
    // loopback address (127.x.y.z): a test of its own can keep port 13 on one
    // that no other test uses.
    explicit DaytimeServer(std::vector<Kind> script, unsigned short port = 0,
                           const char* address = "127.0.0.1");
    ~DaytimeServer();
    DaytimeServer(const DaytimeServer&) = delete;
    DaytimeServer& operator=(const DaytimeServer&) = delete;

    bool Bound() const { return bound_; }
    unsigned short Port() const { return port_; }
    int Served() const { return served_; }
    // Connections accepted so far (a silent one counts from its start).
    int Accepted() const { return accepted_; }
    // Waits at most ms for the count of accepted connections to reach n.
    bool WaitAccepted(int n, DWORD ms) const;

  private:
    void Serve(const std::vector<Kind>& script);

    SOCKET listener_ = INVALID_SOCKET;
    bool bound_ = false;
    unsigned short port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> served_{0};
    std::atomic<int> accepted_{0};
};

}  // namespace testing_support
