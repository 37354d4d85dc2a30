#include "ui/application.h"

#include <commctrl.h>

#include <optional>

#include "ui/actions.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/exception.h"
#include "ui/menus.h"
#include "ui/program_icon.h"

namespace ui {

namespace {
constexpr UINT kReleaseForm = WM_APP + 0x100;
const wchar_t kAppClass[] = L"TApplication";

// Watches a loop of the system's own for the program's quit: the loop takes
// it off the queue (a move loop's GetMessage) or meets it in its message
// filter (a menu's loop, which would stay open: the menu is ended), and
// drops it. The exit code of the quit it met is kept.
class QuitWatch {
  public:
    QuitWatch()
        : outer_(current_),
          getMessage_(SetWindowsHookExW(WH_GETMESSAGE, &QuitWatch::Taken, nullptr, GetCurrentThreadId())),
          filter_(SetWindowsHookExW(WH_MSGFILTER, &QuitWatch::Filter, nullptr, GetCurrentThreadId())) {
        current_ = this;
    }
    ~QuitWatch() {
        if (getMessage_) UnhookWindowsHookEx(getMessage_);
        if (filter_) UnhookWindowsHookEx(filter_);
        current_ = outer_;
    }
    QuitWatch(const QuitWatch&) = delete;
    QuitWatch& operator=(const QuitWatch&) = delete;
    const std::optional<int>& Met() const { return met_; }

  private:
    static void Note(const MSG& msg) {
        for (QuitWatch* watch = current_; watch; watch = watch->outer_)
            watch->met_ = static_cast<int>(msg.wParam);
    }
    static LRESULT CALLBACK Taken(int code, WPARAM wp, LPARAM lp) {
        const MSG* msg = reinterpret_cast<const MSG*>(lp);
        if (code == HC_ACTION && (wp & PM_REMOVE) && msg && msg->message == WM_QUIT) Note(*msg);
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static LRESULT CALLBACK Filter(int code, WPARAM wp, LPARAM lp) {
        const MSG* msg = reinterpret_cast<const MSG*>(lp);
        if (code == MSGF_MENU && msg && msg->message == WM_QUIT && current_) {
            Note(*msg);
            EndMenu();
            return TRUE;  // handled: the loop lets it go and closes the menu
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    static inline thread_local QuitWatch* current_ = nullptr;
    QuitWatch* outer_;
    HHOOK getMessage_;
    HHOOK filter_;
    std::optional<int> met_;
};

}  // namespace

TApplication& Application() {
    static TApplication app;
    return app;
}

void TApplication::Initialize() {
    if (handle_) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                             ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES |
                                             ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    RegisterWindowClass(kAppClass, &TApplication::AppWndProc, 0, LoadCursorW(nullptr, IDC_ARROW),
                        ProgramIcon(false));
    if (title_.empty()) {
        std::wstring exe = ExeName();
        size_t slash = exe.find_last_of(L"\\/");
        title_ = exe.substr(slash == std::wstring::npos ? 0 : slash + 1);
        size_t dot = title_.find_last_of(L'.');
        if (dot != std::wstring::npos) title_.resize(dot);
    }
    handle_ = CreateWindowExW(0, kAppClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                              0, nullptr, nullptr, inst, nullptr);
}

void TApplication::SetCursor(HCURSOR cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (cursor) {
        ::SetCursor(cursor);
        return;
    }
    // Back to the controls' own cursors: the window under the mouse chooses again.
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

HWND TApplication::Handle() {
    Initialize();
    return handle_;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (handle_) SetWindowTextW(handle_, title_.c_str());
}

std::wstring TApplication::ExeName() const {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

void TApplication::Adopt(Form* form) {
    forms_.emplace_back(form);
    if (!mainForm_) mainForm_ = form;
}

bool TApplication::Dispatch(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
            keyboardInput_ = true;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            keyboardInput_ = false;
            break;
        default:
            break;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (auto* form = dynamic_cast<Form*>(Control::FromHandle(root))) {
            if (IsShortCut(*form, static_cast<WORD>(msg.wParam))) return true;
            if (PressDialogKey(*form, msg)) return true;
            if (PressNavigationKey(*form, msg)) return true;
        }
    }
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        // Arrow keys between the controls of a form (and whatever else the dialog manager does).
        if (root != msg.hwnd && dynamic_cast<Form*>(Control::FromHandle(root)) &&
            IsDialogMessageW(root, &msg))
            return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Dispatch(msg);
    }
    return true;
}

bool TApplication::ProcessMessagesFor(DWORD ms) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (!ProcessMessages()) return false;
        const ULONGLONG passed = GetTickCount64() - start;
        if (passed >= ms) return true;
        WaitForMessage(static_cast<DWORD>(ms - passed));
    }
}

void TApplication::WaitForMessage(DWORD timeoutMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void TApplication::RemoveMessages(HWND window, UINT first, UINT last) {
    MSG msg;
    bool quit = false;
    WPARAM exitCode = 0;
    while (PeekMessageW(&msg, window, first, last, PM_REMOVE)) {
        if (msg.message != WM_QUIT) continue;
        quit = true;
        exitCode = msg.wParam;
    }
    if (!quit) return;
    terminated_ = true;
    PostQuitMessage(static_cast<int>(exitCode));
}

void TApplication::HandleMessage() {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    } else {
        WaitMessage();
    }
}

void TApplication::ShowMainFormNow() {
    if (mainFormShown_ || !mainForm_ || !showMainForm_) return;
    mainFormShown_ = true;
    try {
        mainForm_->Show();
        if (mainForm_->Handle()) UpdateWindow(mainForm_->Handle());
    } catch (...) {
        HandleException();
    }
}

void TApplication::Run() {
    Initialize();
    // Told to end before the loop (the session ended at start): its quit waits.
    if (!terminated_) ShowMainFormNow();
    MSG msg;
    for (;;) {
        BOOL r = GetMessageW(&msg, nullptr, 0, 0);
        if (r == 0 || r == -1) break;
        Dispatch(msg);
    }
    terminated_ = true;
    RunOnEnd();
    DestroyForms();
    mainFormShown_ = false;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
    // An open menu closes: the program ends once its loop has returned.
    EndMenu();
}

void TApplication::RunOnEnd() {
    if (endSaved_ || !OnEnd) return;
    endSaved_ = true;
    try {
        OnEnd();
    } catch (...) {
        HandleException();
    }
}

bool TApplication::RunSystemLoop(const std::function<void()>& loop) {
    const bool ending = terminated_;
    std::optional<int> quit;
    {
        QuitWatch watch;
        loop();
        quit = watch.Met();
    }
    if (quit) {
        terminated_ = true;
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) PostQuitMessage(*quit);
    }
    return quit || (terminated_ && !ending);
}

void TApplication::EndSession() {
    if (endingSession_) return;
    endingSession_ = true;
    RunOnEnd();
    Terminate();
}

void TApplication::EndSessionCalledOff() {
    if (!terminated_) endSaved_ = false;
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        FormPtr<Form> f = std::move(forms_.back());
        forms_.pop_back();
        if (mainForm_ == f.get()) mainForm_ = nullptr;
        f.reset();
    }
    mainForm_ = nullptr;
    // The program whose end this was is gone with its forms.
    endSaved_ = false;
    endingSession_ = false;
    terminated_ = false;
}

void TApplication::ReleaseForm(Form* form) {
    PostMessageW(Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(form));
}

void TApplication::HandleException() {
    std::wstring text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = ExceptionText(e);
    } catch (...) {
    }
    ShowException(text);
}

void TApplication::ShowException(const std::wstring& text) {
    if (OnException) {
        OnException(text);
        return;
    }
    ShowMessageBox(text, L"Ошибка", MB_OK | MB_ICONERROR);
}

bool TApplication::IsShortCut(Form& form, WORD key) {
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
    ShiftState s = KeyboardShiftState();
    ShortCut sc = static_cast<ShortCut>(key & 0xFF);
    if (s & ssShift) sc |= scShift;
    if (s & ssCtrl) sc |= scCtrl;
    if (s & ssAlt) sc |= scAlt;
    try {
        for (Component* c : form.Components()) {
            if (auto* list = dynamic_cast<ActionList*>(c)) {
                if (list->IsShortCut(sc)) return true;
            }
        }
        if (form.Menu() && form.Menu()->IsShortCut(sc)) return true;
    } catch (...) {
        HandleException();
        return true;
    }
    return false;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    TApplication& app = Application();
    try {
        switch (msg) {
            case WM_CLOSE:
                // Closing the application's window (from outside) closes the main form.
                if (app.mainForm_) app.mainForm_->Close();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wp)
                    app.EndSession();
                else
                    app.EndSessionCalledOff();
                return 0;
            case kReleaseForm: {
                auto* form = reinterpret_cast<Form*>(lp);
                for (auto it = app.forms_.begin(); it != app.forms_.end(); ++it) {
                    if (it->get() == form) {
                        FormPtr<Form> f = std::move(*it);
                        app.forms_.erase(it);
                        if (app.mainForm_ == form) app.mainForm_ = nullptr;
                        f.reset();
                        break;
                    }
                }
                return 0;
            }
            case WM_DRAWITEM: {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
                if (dis->CtlType == ODT_MENU && MenuItem::DrawMenuItem(*dis)) return TRUE;
                break;
            }
            case WM_MEASUREITEM: {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
                if (mis->CtlType == ODT_MENU && MenuItem::MeasureMenuItem(*mis)) return TRUE;
                break;
            }
        }
    } catch (...) {
        app.HandleException();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
