// Balloon tooltips of the clock windows: one tooltip window for the whole
// program and one tool record refilled for each call. The display refresh
// creates the window and registers the main window and the taskbar clock, the
// per-second worker changes their texts, the main window destroys it at the end.
#pragma once

#include <windows.h>

#include <string>

#include "ui/graphics.h"

// The tooltip window (null while there is none).
HWND BaloonToolTipWindow();

// Creates the tooltip window owned by owner (an earlier one is destroyed with
// its tools); true when it exists and is placed on top.
bool CreateBaloonToolTips(HWND owner);
// A tool for the control's client area with the text; the title and its icon
// (0 none, 1 information, 2 warning, 3 error; others none) apply to the whole
// tooltip window. The result of the last message, 0 when nothing was sent.
LRESULT AddBaloonToolTip(HWND control, int icon, const std::wstring& text, const std::wstring& title);
// The same for a registered tool, changing its text.
LRESULT UpdateBaloonToolTip(HWND control, int icon, const std::wstring& text, const std::wstring& title);
void DelBaloonToolTip(HWND control);
bool DestroyBaloonToolTips();

void SetActivateToolTip(bool active);
void SetTxtToolTipColor(ui::TColor color);
void SetBakToolTipColor(ui::TColor color);
void SetMaxWidthToolTip(int width);
void SetMarginToolTip(const RECT& margin);
// which: TTDT_AUTOMATIC, TTDT_RESHOW, TTDT_AUTOPOP or TTDT_INITIAL.
void SetDelayTime(DWORD which, int milliseconds);
// Tracking tooltips: the tool follows SetTrackPosition instead of the mouse.
void SetTrackActivate(bool active);
void SetTrackPosition(int x, int y);
