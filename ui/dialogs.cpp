#include "ui/dialogs.h"

#include "ui/application.h"

namespace ui {

namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler h;
    return h;
}
}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler old = std::move(Handler());
    Handler() = std::move(handler);
    return old;
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    if (Handler()) return Handler()(text, caption, flags);
    HWND owner = GetActiveWindow();
    if (!owner) owner = Application().Handle();
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

int MessageDlg(const std::wstring& text, MsgDlgType type, UINT buttons) {
    const wchar_t* caption = L"Ошибка";
    UINT icon = MB_ICONERROR;
    switch (type) {
        case mtQuestion:
            caption = L"Вопрос", icon = MB_ICONQUESTION;
            break;
        case mtConfirmation:
            caption = L"Подтверждение", icon = MB_ICONQUESTION;
            break;
        case mtWarning:
            caption = L"Предупреждение", icon = MB_ICONWARNING;
            break;
        case mtError:
            break;
    }
    return ShowMessageBox(text, caption, buttons | icon);
}

bool AskQuestion(const std::wstring& text) {
    return MessageDlg(text, mtQuestion, MB_YESNO) == IDYES;
}
bool AskConfirmation(const std::wstring& text) {
    return MessageDlg(text, mtConfirmation, MB_YESNO) == IDYES;
}
void ShowWarning(const std::wstring& text) {
    MessageDlg(text, mtWarning, MB_OK);
}
void ShowError(const std::wstring& text) {
    MessageDlg(text, mtError, MB_OK);
}
void ShowMessage(const std::wstring& text) {
    ShowMessageBox(text, Application().Title(), MB_OK);
}

}  // namespace ui
