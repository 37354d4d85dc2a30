// The Tab order of a form: the controls the Tab key stops at, in the order a
// reader meets them (each container's children row by row from the top, each
// row from the left, whatever order they were made in). A control is a stop
// while it and every window above it is visible and enabled; a container that
// is a stop itself (a page control's tab strip) comes before what it holds.
#pragma once

#include <windows.h>

namespace ui {

// Whether `hwnd`, a window inside `root`, can take the focus now: it and
// every window between it and root visible and enabled.
bool CanTakeFocus(HWND root, HWND hwnd);

// The stop after (or before) `from` in the Tab order of `root`, going round
// at the end; `from` may be root itself (then the first or the last stop) or
// a window inside a control (a combo box's edit). Null when there is none
// but `from`.
HWND NextTabStop(HWND root, HWND from, bool previous);

// Moves the focus to NextTabStop, choosing the whole text of an edit it
// reaches, as a dialog does; false when there is no other stop.
bool FocusNextTabStop(HWND root, HWND from, bool previous);

// The control that takes the focus when it comes into `container` from
// outside: its first stop that is not a push button (so that Enter still
// presses the form's default button), else its first stop; where that is a
// page control's tab strip, the control of the page shown there (the one
// that had the focus last on that page, or the page's own first control).
// Null when the container has no stop.
HWND FirstControlIn(HWND container);

// The control that takes the focus from `from` when `from` can hold it no
// longer (disabled or hidden): the next stop after it that is not a push
// button, else the next stop. Null when the form has none.
HWND HeirOfFocus(HWND root, HWND from);

}  // namespace ui
