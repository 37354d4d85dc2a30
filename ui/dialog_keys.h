// Enter and Esc in a form: Enter presses the
// focused push button, or else the form's Default button; Esc presses its
// Cancel button. A focused control that takes Enter itself keeps it (a
// multi-line memo, a grid that runs its row, a dropped-down list), a
// dropped-down list keeps Esc, and a form with KeyPreview sees the key first.
// Tab and Shift+Tab move the focus along the form's Tab order (tab_order.h),
// from the form itself too; Ctrl+Tab and Ctrl+PgDn show the next page,
// Ctrl+Shift+Tab and Ctrl+PgUp the previous one, of the page control the
// focus is in (the innermost), or of the form's first page control when the
// focus is in none, wherever the focus is. A control that asks for Tab (or
// for every key, as a multi-line memo does) keeps Tab and Shift+Tab.
#pragma once

#include <windows.h>

namespace ui {

class Form;

// Handles a WM_KEYDOWN of Enter or Esc meant for `form` (or one of its
// controls); false when the key should go on as an ordinary key.
bool PressDialogKey(Form& form, const MSG& msg);

// Handles a WM_KEYDOWN of Tab, Ctrl+Tab, Ctrl+PgDn or Ctrl+PgUp meant for
// `form`; false when the key should go on as an ordinary key.
bool PressNavigationKey(Form& form, const MSG& msg);

}  // namespace ui
