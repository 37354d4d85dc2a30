// The application object: the hidden owner window ("TApplication", captioned
// with the title) that keeps the forms off the taskbar, the message loop, the
// forms it owns, and the exception dialog for anything escaping a handler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

class TApplication {
  public:
    TApplication() = default;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Common controls and the hidden window; safe to call again.
    void Initialize();

    // Creates a form owned by the application: ref is set before the form's
    // OnCreate runs; the first form created is the main form.
    template <class T, class... A>
    T* CreateForm(T*& ref, A&&... args) {
        Initialize();
        T* f = new T(std::forward<A>(args)...);
        ref = f;
        Adopt(f);
        f->AfterConstruction();
        return f;
    }
    // Takes over a form made elsewhere (it is freed with the application).
    void Adopt(Form* form);

    // Shows the main form (unless ShowMainForm was turned off) and runs the
    // message loop until WM_QUIT; then runs the end's saves (unless made) and
    // frees the forms, the last created first.
    void Run();
    // The end's saves: what every end of the program keeps. They run once, by
    // whichever end comes first: the program's close (which makes them itself
    // and says so, NoteEndSaved), the message loop meeting its WM_QUIT (a quit
    // posted from outside ends the program without its close), or the end of
    // the Windows session.
    std::function<void()> OnEnd;
    // The close has made the end's saves: no end makes them again (until an
    // end of the session is called off, EndSessionCalledOff).
    void NoteEndSaved() { endSaved_ = true; }
    // Whether the end's saves have been made in this run of the forms.
    bool EndSavesMade() const { return endSaved_; }
    // Shows the main form and paints it at once, before the message loop runs
    // (unless ShowMainForm was turned off); Run does not show it again.
    void ShowMainFormNow();
    // Handles every pending message and returns; a WM_QUIT met on the way is
    // posted again (for the outer loop) and false is returned.
    bool ProcessMessages();
    // Handles messages for ms milliseconds (at least once); false as soon as a
    // WM_QUIT was met (it is posted again).
    bool ProcessMessagesFor(DWORD ms);
    // Waits for the next message (at most timeoutMs) without handling it.
    void WaitForMessage(DWORD timeoutMs);
    // Takes the pending messages first..last of `window` off the queue without
    // handling them. Peeking takes a pending WM_QUIT whatever the filter: it
    // is posted again, for the outer loop.
    void RemoveMessages(HWND window, UINT first, UINT last);
    // Handles one message, waiting for it when none is pending.
    void HandleMessage();
    void Terminate();
    // Runs a loop of the system's own (a popup menu's, a window's move or size
    // loop). Such a loop takes the program's quit off the queue and drops it:
    // a quit it meets ends it (an open menu closes) and is posted again, with
    // its exit code, once it has returned, for the loops outside it. True when
    // the program was told to end meanwhile (a quit met, or Terminate).
    bool RunSystemLoop(const std::function<void()>& loop);
    bool Terminated() const { return terminated_; }
    // Windows ends the session: the end's saves are made now (unless made),
    // for the process may be gone once the message is answered, and the
    // program ends as after a close. The forms are freed once the code under
    // way has returned, at the end of the message loop.
    void EndSession();
    // Windows called the end of the session off: the program runs on, and the
    // saves its close query made no longer count as the end's.
    void EndSessionCalledOff();

    // From inside a catch block: shows the exception ("Ошибка") and goes on.
    void HandleException();
    void ShowException(const std::wstring& text);
    // Replaces the exception dialog (tests).
    std::function<void(const std::wstring& text)> OnException;

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title);
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool value) { showMainForm_ = value; }
    HWND Handle();
    // The program's full file name.
    std::wstring ExeName() const;
    // The screen-wide cursor: while set, every control of the program shows it
    // in place of its own (null: each control's own cursor).
    HCURSOR Cursor() const { return cursor_; }
    void SetCursor(HCURSOR cursor);

    // Frees an application-owned form after the current message.
    void ReleaseForm(Form* form);
    // Frees the application's forms now, the last created first.
    void DestroyForms();
    // Runs the action or menu item of the form that has this key as its shortcut.
    bool IsShortCut(Form& form, WORD key);
    // Whether the user's last input was a key rather than a mouse button: a
    // handler can tell typing in a control from a click on it.
    bool KeyboardInput() const { return keyboardInput_; }

  private:
    bool Dispatch(MSG& msg);
    void RunOnEnd();
    static LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND handle_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::wstring title_;
    std::vector<FormPtr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    bool showMainForm_ = true;
    bool mainFormShown_ = false;
    bool endingSession_ = false;
    bool endSaved_ = false;  // the end's saves have been made
    bool keyboardInput_ = false;
};

TApplication& Application();

}  // namespace ui
