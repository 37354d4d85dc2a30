// A small Daytime client (one text line over TCP): the host is looked up and
// connected to without blocking the thread, waiting at most the time-out while
// the application keeps processing its window messages; once connected, the
// OnConnect handler runs inside Connect and reads the line with ReadLn.
// Failures (look-up, connect, read, time-out, Cancel) raise ui::Exception.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "ui/handles.h"

namespace timetext {

class TDaytimeClient {
  public:
    TDaytimeClient();
    ~TDaytimeClient();
    TDaytimeClient(const TDaytimeClient&) = delete;
    TDaytimeClient& operator=(const TDaytimeClient&) = delete;

    const std::wstring& Host() const { return host_; }
    void SetHost(const std::wstring& host) { host_ = host; }
    unsigned short Port() const { return port_; }
    void SetPort(unsigned short port) { port_ = port; }
    unsigned TimeOut() const { return timeOut_; }
    void SetTimeOut(unsigned ms) { timeOut_ = ms; }

    // Called inside Connect once the connection stands.
    std::function<void(TDaytimeClient&)> OnConnect;

    // Ends a look-up, connect or read that is waiting; it then fails.
    void Cancel();
    // Looks up the host, connects and calls OnConnect. Clears an earlier
    // Cancel when it starts. The connection is closed when OnConnect fails.
    void Connect();
    // One line from the server (without its line end), waiting at most the
    // time-out; the rest of the text when the server closes without one.
    std::wstring ReadLn();
    void Disconnect();
    // Cancel and close: used when the program ends.
    void Abort();

    // True while Connect runs.
    bool Busy() const { return busy_; }

  private:
    static constexpr UINT_PTR kNoSocket = ~static_cast<UINT_PTR>(0);  // INVALID_SOCKET
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void SocketEvent(UINT_PTR s, WORD event, WORD error);
    void LookupDone(HANDLE request, WORD error);
    void ReceiveAll();
    // Processes messages until done() or failure; throws on cancel, or when the
    // time-out has passed since waitStart_.
    void WaitUntil(const std::function<bool()>& done, const wchar_t* timeOutText);
    // The host's IPv4 address in network order.
    unsigned long LookUp();

    std::wstring host_;
    unsigned short port_ = 13;
    unsigned timeOut_ = 5000;

    bool winsock_ = false;
    ui::WindowHandle window_;
    UINT_PTR socket_ = kNoSocket;
    HANDLE lookup_ = nullptr;
    std::array<char, 1024> lookupBuffer_{};  // MAXGETHOSTSTRUCT; filled by the look-up
    bool lookupDone_ = false;
    int lookupError_ = 0;
    bool connected_ = false;
    int connectError_ = 0;
    bool closed_ = false;
    std::string received_;
    bool cancelled_ = false;
    ULONGLONG waitStart_ = 0;
    bool busy_ = false;
};

}  // namespace timetext
