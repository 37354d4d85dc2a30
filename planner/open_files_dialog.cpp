#include "planner/open_files_dialog.h"

#include <commdlg.h>

#include <string_view>

#include "planner/task_editor.h"

namespace planner {

namespace {

ChooseFilesHandler& Handler() {
    static ChooseFilesHandler handler;
    return handler;
}

}  // namespace

ChooseFilesHandler SetChooseFilesHandler(ChooseFilesHandler handler) {
    ChooseFilesHandler old = std::move(Handler());
    Handler() = std::move(handler);
    return old;
}

std::vector<std::wstring> ChooseFiles(HWND owner, const std::wstring& filter,
                                      const std::wstring& initialDir) {
    if (Handler()) return Handler()(filter, initialDir);
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
    std::wstring filterPairs = filter;
    for (wchar_t& ch : filterPairs)
        if (ch == L'|') ch = L'\0';
    filterPairs.append(2, L'\0');
    std::vector<wchar_t> buffer(65536, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterPairs.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameW(&ofn)) return {};
    return SplitChosenFiles(std::wstring_view(buffer.data(), buffer.size()));
}

}  // namespace planner
