// The program's numbered cursors: a number names a cursor that controls can take (1 the about box's hand, 2 the
// clock's cursor, 3 the colour pickers'). Each number owns its cursor; a new
// one replaces and frees the old.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"

namespace options {

void SetScreenCursor(int number, ui::CursorHandle cursor);
// The screen-wide cursor by number, shown by every control of the program
// (0: none, each control shows its own). It follows a new cursor of its number.
void SetScreenWideCursor(int number);
int ScreenWideCursor();
// The cursor of the number, or null.
HCURSOR ScreenCursor(int number);
// A cursor resource of the program (CURSOR_DEF, CURSOR_HAND...), owned by the caller.
ui::CursorHandle LoadCursorResource(const wchar_t* name);

}  // namespace options
