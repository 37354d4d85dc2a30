// The registry: a root key and one open key at a time. A path starting with
// "\" is taken from the root, any other from the open key. Failed writes and
// reads of missing or mistyped values throw ui::Exception.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/handles.h"

namespace ui {

class Registry {
  public:
    explicit Registry(HKEY root = HKEY_CURRENT_USER, REGSAM access = KEY_ALL_ACCESS);
    ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);
    HKEY CurrentKey() const { return current_ ? current_.Get() : root_; }
    const std::wstring& CurrentPath() const { return path_; }

    // Opens the key (with the access given at construction), creating it when
    // canCreate; false when it cannot be opened.
    bool OpenKey(const std::wstring& key, bool canCreate);
    bool OpenKeyReadOnly(const std::wstring& key);
    void CloseKey();
    bool KeyExists(const std::wstring& key);
    bool DeleteKey(const std::wstring& key);

    bool ValueExists(const std::wstring& name) const;
    bool DeleteValue(const std::wstring& name);
    // A missing value reads as ""; a value of another type throws.
    std::wstring ReadString(const std::wstring& name) const;
    void WriteString(const std::wstring& name, const std::wstring& value);
    void WriteExpandString(const std::wstring& name, const std::wstring& value);
    int ReadInteger(const std::wstring& name) const;  // missing or not a DWORD: throws
    void WriteInteger(const std::wstring& name, int value);
    bool ReadBool(const std::wstring& name) const { return ReadInteger(name) != 0; }
    void WriteBool(const std::wstring& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    std::vector<BYTE> ReadBinaryData(const std::wstring& name) const;  // missing: throws
    void WriteBinaryData(const std::wstring& name, const void* data, DWORD size);
    std::vector<std::wstring> GetKeyNames() const;
    std::vector<std::wstring> GetValueNames() const;

  private:
    bool Open(const std::wstring& key, REGSAM access, bool canCreate);
    void Write(const std::wstring& name, DWORD type, const void* data, DWORD size);

    HKEY root_;
    REGSAM access_;
    RegKey current_;
    std::wstring path_;
};

}  // namespace ui
