// Message boxes with the program's captions. Every box goes through
// ShowMessageBox, whose handler tests can replace to answer the boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

enum MsgDlgType { mtQuestion, mtConfirmation, mtWarning, mtError };

// Returns the button pressed (IDYES, IDNO, IDOK...).
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
using MessageBoxHandler =
    std::function<int(const std::wstring& text, const std::wstring& caption, UINT flags)>;
// Installs a handler in place of the real box; returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// caption by type: "Вопрос", "Подтверждение", "Предупреждение", "Ошибка";
// buttons are MB_OK, MB_YESNO, MB_YESNOCANCEL, MB_OKCANCEL.
int MessageDlg(const std::wstring& text, MsgDlgType type, UINT buttons);
// A question acts only on Yes: a box closed by Esc or its close box answers
// IDCANCEL, which is no more a yes than IDNO is.
// Yes/No with "Вопрос"; true on Yes.
bool AskQuestion(const std::wstring& text);
// Yes/No with "Подтверждение"; true on Yes.
bool AskConfirmation(const std::wstring& text);
void ShowWarning(const std::wstring& text);
void ShowError(const std::wstring& text);
// A plain box captioned with the application's title.
void ShowMessage(const std::wstring& text);

}  // namespace ui
