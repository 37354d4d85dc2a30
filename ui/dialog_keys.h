// Enter and Esc in a form: Enter presses the
// focused push button, or else the form's Default button; Esc presses its
// Cancel button. A focused control that takes Enter itself keeps it (a
// multi-line memo, a grid that runs its row, a dropped-down list), a
// dropped-down list keeps Esc, and a form with KeyPreview sees the key first.
#pragma once

#include <windows.h>

namespace ui {

class Form;

// Handles a WM_KEYDOWN of Enter or Esc meant for `form` (or one of its
// controls); false when the key should go on as an ordinary key.
bool PressDialogKey(Form& form, const MSG& msg);

}  // namespace ui
