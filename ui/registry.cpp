#include "ui/registry.h"

#include "ui/exception.h"

namespace ui {

Registry::Registry(HKEY root, REGSAM access) : root_(root), access_(access) {}

void Registry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

void Registry::CloseKey() {
    current_.Reset();
    path_.clear();
}

bool Registry::Open(const std::wstring& key, REGSAM access, bool canCreate) {
    bool absolute = !key.empty() && key[0] == L'\\';
    std::wstring sub = absolute ? key.substr(1) : key;
    while (!sub.empty() && sub.back() == L'\\') sub.pop_back();
    HKEY base = (absolute || !current_) ? root_ : current_.Get();
    HKEY h = nullptr;
    LONG r;
    if (canCreate) {
        r = RegCreateKeyExW(base, sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &h,
                            nullptr);
    } else {
        r = RegOpenKeyExW(base, sub.c_str(), 0, access, &h);
    }
    if (r != ERROR_SUCCESS) return false;
    std::wstring newPath = (absolute || !current_) ? sub : (path_.empty() ? sub : path_ + L"\\" + sub);
    current_.Reset(h);
    path_ = newPath;
    return true;
}

bool Registry::OpenKey(const std::wstring& key, bool canCreate) {
    return Open(key, access_, canCreate);
}

bool Registry::OpenKeyReadOnly(const std::wstring& key) {
    return Open(key, KEY_READ, false);
}

bool Registry::KeyExists(const std::wstring& key) {
    bool absolute = !key.empty() && key[0] == L'\\';
    std::wstring sub = absolute ? key.substr(1) : key;
    HKEY base = (absolute || !current_) ? root_ : current_.Get();
    HKEY h = nullptr;
    if (RegOpenKeyExW(base, sub.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

bool Registry::DeleteKey(const std::wstring& key) {
    bool absolute = !key.empty() && key[0] == L'\\';
    std::wstring sub = absolute ? key.substr(1) : key;
    HKEY base = (absolute || !current_) ? root_ : current_.Get();
    return RegDeleteKeyW(base, sub.c_str()) == ERROR_SUCCESS;
}

bool Registry::ValueExists(const std::wstring& name) const {
    return RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool Registry::DeleteValue(const std::wstring& name) {
    return RegDeleteValueW(CurrentKey(), name.c_str()) == ERROR_SUCCESS;
}

std::wstring Registry::ReadString(const std::wstring& name) const {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Exception(L"Invalid data type for '" + name + L"'");
    std::wstring buf(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &bytes) != ERROR_SUCCESS)
        throw Exception(L"Failed to get data for '" + name + L"'");
    buf.resize(bytes / sizeof(wchar_t));
    while (!buf.empty() && buf.back() == L'\0') buf.pop_back();
    return buf;
}

void Registry::Write(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    if (RegSetValueExW(CurrentKey(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) !=
        ERROR_SUCCESS)
        throw Exception(L"Failed to set data for '" + name + L"'");
}

void Registry::WriteString(const std::wstring& name, const std::wstring& value) {
    Write(name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void Registry::WriteExpandString(const std::wstring& name, const std::wstring& value) {
    Write(name, REG_EXPAND_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

int Registry::ReadInteger(const std::wstring& name) const {
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        throw Exception(L"Invalid data type for '" + name + L"'");
    return static_cast<int>(value);
}

void Registry::WriteInteger(const std::wstring& name, int value) {
    DWORD v = static_cast<DWORD>(value);
    Write(name, REG_DWORD, &v, sizeof v);
}

std::vector<BYTE> Registry::ReadBinaryData(const std::wstring& name) const {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        throw Exception(L"Failed to get data for '" + name + L"'");
    std::vector<BYTE> data(size);
    if (size &&
        RegQueryValueExW(CurrentKey(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        throw Exception(L"Failed to get data for '" + name + L"'");
    data.resize(size);
    return data;
}

void Registry::WriteBinaryData(const std::wstring& name, const void* data, DWORD size) {
    Write(name, REG_BINARY, data, size);
}

std::vector<std::wstring> Registry::GetKeyNames() const {
    std::vector<std::wstring> names;
    wchar_t buf[256];
    for (DWORD i = 0;; ++i) {
        DWORD n = 256;
        if (RegEnumKeyExW(CurrentKey(), i, buf, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(buf, n);
    }
    return names;
}

std::vector<std::wstring> Registry::GetValueNames() const {
    std::vector<std::wstring> names;
    std::wstring buf(16384, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD n = static_cast<DWORD>(buf.size());
        if (RegEnumValueW(CurrentKey(), i, buf.data(), &n, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(buf.data(), n);
    }
    return names;
}

}  // namespace ui
