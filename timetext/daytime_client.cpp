#include <winsock2.h>
#include <windows.h>

#include "timetext/daytime_client.h"

#include <cstring>

#include "base/codec.h"
#include "ui/application.h"
#include "ui/exception.h"

namespace timetext {
namespace {

constexpr UINT kSocketMessage = WM_USER + 1;
constexpr UINT kLookupMessage = WM_USER + 2;
// A server that sends no line end gets its first this many bytes read as the line.
constexpr std::size_t kMaxLine = 4096;
const wchar_t kWindowClass[] = L"THoraltoDaytimeClient";

std::string AnsiFromWide(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

}  // namespace

TDaytimeClient::TDaytimeClient() {
    static const ATOM windowClass = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc);
    }();
    (void)windowClass;
    // A message-only window receives the socket's and the look-up's notices.
    window_.Reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TDaytimeClient::~TDaytimeClient() {
    Abort();
    window_.Reset();
    if (winsock_) WSACleanup();
}

LRESULT CALLBACK TDaytimeClient::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TDaytimeClient*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kSocketMessage) {
        self->SocketEvent(wp, WSAGETSELECTEVENT(lp), WSAGETSELECTERROR(lp));
        return 0;
    }
    if (self && msg == kLookupMessage) {
        self->LookupDone(reinterpret_cast<HANDLE>(wp), WSAGETASYNCERROR(lp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void TDaytimeClient::SocketEvent(UINT_PTR s, WORD event, WORD error) {
    if (s != socket_) return;  // a late notice of a closed connection
    switch (event) {
        case FD_CONNECT:
            if (error != 0)
                connectError_ = error;
            else
                connected_ = true;
            break;
        case FD_READ:
            ReceiveAll();
            break;
        case FD_CLOSE:
            ReceiveAll();
            closed_ = true;
            break;
        default:
            break;
    }
}

void TDaytimeClient::LookupDone(HANDLE request, WORD error) {
    if (request != lookup_) return;
    lookup_ = nullptr;
    lookupDone_ = true;
    lookupError_ = error;
}

void TDaytimeClient::ReceiveAll() {
    char buffer[1024];
    while (received_.size() < kMaxLine) {
        const int n = recv(socket_, buffer, sizeof buffer, 0);
        if (n > 0) {
            received_.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0 || WSAGetLastError() != WSAEWOULDBLOCK) closed_ = true;
        break;
    }
}

void TDaytimeClient::WaitUntil(const std::function<bool()>& done, const wchar_t* timeOutText) {
    const ULONGLONG start = waitStart_;
    for (;;) {
        if (cancelled_) throw ui::Exception(L"Operation Cancelled");
        if (done()) return;
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= timeOut_) throw ui::Exception(timeOutText);
        ui::Application().WaitForMessage(static_cast<DWORD>(timeOut_ - elapsed));
        // A quit met on the way ends the wait: the program is closing.
        if (!ui::Application().ProcessMessages()) cancelled_ = true;
    }
}

void TDaytimeClient::Cancel() {
    cancelled_ = true;
    if (lookup_) {
        WSACancelAsyncRequest(lookup_);
        lookup_ = nullptr;
    }
}

unsigned long TDaytimeClient::LookUp() {
    const std::string name = AnsiFromWide(host_);
    if (name.empty()) throw ui::Exception(L"Host Lookup Failed");
    const unsigned long numeric = inet_addr(name.c_str());
    if (numeric != INADDR_NONE) return numeric;

    lookupDone_ = false;
    lookupError_ = 0;
    lookupBuffer_.fill(0);
    lookup_ = WSAAsyncGetHostByName(window_.Get(), kLookupMessage, name.c_str(), lookupBuffer_.data(),
                                    static_cast<int>(lookupBuffer_.size()));
    if (!lookup_) throw ui::Exception(L"Host Lookup Failed");
    try {
        WaitUntil([this] { return lookupDone_; }, L"Host Lookup Timed Out");
    } catch (...) {
        if (lookup_) WSACancelAsyncRequest(lookup_);
        lookup_ = nullptr;
        throw;
    }
    const auto* host = reinterpret_cast<const hostent*>(lookupBuffer_.data());
    if (lookupError_ != 0 || host->h_addrtype != AF_INET || host->h_length != sizeof(in_addr) ||
        !host->h_addr_list || !host->h_addr_list[0])
        throw ui::Exception(L"Host Lookup Failed");
    in_addr address;
    std::memcpy(&address, host->h_addr_list[0], sizeof address);
    return address.s_addr;
}

void TDaytimeClient::Connect() {
    if (busy_) throw ui::Exception(L"Connection in progress");
    // Windows Sockets are started by the first connection, not with the client.
    if (!winsock_) {
        WSADATA data;
        winsock_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    if (!winsock_ || !window_) throw ui::Exception(L"Windows Sockets not available");
    cancelled_ = false;
    Disconnect();
    busy_ = true;
    waitStart_ = GetTickCount64();  // the look-up and the connect share the time-out
    struct BusyGuard {
        bool& busy;
        ~BusyGuard() { busy = false; }
    } guard{busy_};

    const unsigned long address = LookUp();
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) throw ui::Exception(L"Connection Failed");
    socket_ = s;
    try {
        if (WSAAsyncSelect(s, window_.Get(), kSocketMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0)
            throw ui::Exception(L"Connection Failed");
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port_);
        to.sin_addr.s_addr = address;
        if (connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == SOCKET_ERROR &&
            WSAGetLastError() != WSAEWOULDBLOCK)
            throw ui::Exception(L"Connection Failed");
        WaitUntil([this] { return connected_ || connectError_ != 0; }, L"Connection Timed out");
        if (connectError_ != 0) throw ui::Exception(L"Connection Failed");
        if (OnConnect) OnConnect(*this);
    } catch (...) {
        Disconnect();
        throw;
    }
}

std::wstring TDaytimeClient::ReadLn() {
    if (socket_ == kNoSocket || !connected_) throw ui::Exception(L"Not Connected");
    waitStart_ = GetTickCount64();
    WaitUntil(
        [this] {
            return received_.find('\n') != std::string::npos || closed_ || received_.size() >= kMaxLine;
        },
        L"Read Timed out");
    if (received_.empty()) throw ui::Exception(L"Connection Closed");
    const std::size_t end = received_.find('\n');
    std::string line;
    if (end == std::string::npos) {
        line = received_.substr(0, kMaxLine);
        received_.erase(0, line.size());
    } else {
        line = received_.substr(0, end);
        received_.erase(0, end + 1);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return base::FromCp1251(line);
}

void TDaytimeClient::Disconnect() {
    if (socket_ != kNoSocket) {
        closesocket(socket_);
        socket_ = kNoSocket;
    }
    // Notices already queued for the old socket must not reach a new one that
    // gets the same handle.
    if (window_) ui::Application().RemoveMessages(window_.Get(), kSocketMessage, kSocketMessage);
    connected_ = false;
    connectError_ = 0;
    closed_ = false;
    received_.clear();
}

void TDaytimeClient::Abort() {
    Cancel();
    Disconnect();
}

}  // namespace timetext
