#include "ui/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "ui/application.h"

namespace ui {

namespace {
FileDialogHandler& Handler() {
    static FileDialogHandler h;
    return h;
}
}  // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    FileDialogHandler old = std::move(Handler());
    Handler() = std::move(handler);
    return old;
}

OpenDialog::OpenDialog(Form* owner, std::wstring name) : Component(std::move(name)) {
    SetOwner(owner);
}

bool OpenDialog::Execute() {
    if (Handler()) return Handler()(*this);
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
    std::wstring filter = Filter;
    for (auto& ch : filter)
        if (ch == L'|') ch = L'\0';
    filter.append(2, L'\0');
    std::vector<wchar_t> file(32768, L'\0');
    FileName.copy(file.data(), std::min(FileName.size(), file.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    HWND owner = GetActiveWindow();
    ofn.hwndOwner = owner ? owner : Application().Handle();
    ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return false;
    FileName = file.data();
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
