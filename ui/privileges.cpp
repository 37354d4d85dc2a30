#include "ui/privileges.h"

#include "ui/handles.h"

namespace ui {

DWORD SetProcessPrivilege(const wchar_t* name, bool enable) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw))
        return GetLastError();
    const KernelHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) return GetLastError();
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (!AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr)) return GetLastError();
    return GetLastError();  // ERROR_SUCCESS, or ERROR_NOT_ALL_ASSIGNED
}

}  // namespace ui
