// Looking at the windows of another process (the running program) from a
// test: its controls found by class and text, its focus, its texts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

// Waits up to `ms` for `done`; whether it came. The default bound leaves room
// for a machine busy with other work.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = 15000);

std::wstring WindowText(HWND hwnd);
std::wstring ClassOf(HWND hwnd);

// The first visible window in the tree under `parent` of the window class
// `className` whose text is `text` (any text when null) and that `also`
// accepts (when given); nullptr when there is none.
HWND FindVisibleChild(HWND parent, const wchar_t* className, const wchar_t* text = nullptr,
                      const std::function<bool(HWND)>& also = {});

// Waits up to `ms` until the settings window's show effect is over, and
// whether it came: the window fades in layered, disabled and without its frame
// (a click on a pixel still transparent goes to the window below); at the
// effect's end it is framed again and laid out anew, after which its message
// loop answers.
bool WaitSettingsWindowShown(HWND options, DWORD ms = 15000);

// The window that has the keyboard focus in the thread of `anyWindow`
// (nullptr when none has), and that thread's active window.
HWND FocusOfThread(HWND anyWindow);
HWND ActiveOfThread(HWND anyWindow);

// Whether a window that comes with the show effect (the settings window) is
// there whole: on the screen, opaque, framed and taking input again.
bool ShownWhole(HWND window);

// Clicks the middle of the window, again every half second, until `done`
// holds (a click may come while a window still moves into place); whether it
// came within `ms`.
bool ClickUntil(HWND hwnd, const std::function<bool()>& done, DWORD ms = 10000);

}  // namespace testing_support
