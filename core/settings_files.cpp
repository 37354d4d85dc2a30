#include "core/settings_files.h"

#include <windows.h>

#include "base/codec.h"
#include "base/format_settings.h"
#include "core/save_failures.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace core {

namespace {

SaveFailures saveFailures;
bool readReported = false;

}  // namespace

bool EnsureFileExists(const std::filesystem::path& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    return GetLastError() == ERROR_FILE_EXISTS && std::filesystem::is_regular_file(file);
}

base::IniFile LoadSettingsFile(const std::filesystem::path& file) {
    try {
        return base::IniFile(file, base::SystemFormatSettings());
    } catch (const std::exception& e) {
        if (!readReported) {
            readReported = true;
            ui::ShowError(L"Не удалось прочитать настройки из файла \"" + file.wstring() + L"\".\n" +
                          ui::ExceptionText(e));
        }
        return base::IniFile::FromText(L"", base::SystemFormatSettings());
    }
}

void NoteSaveFailure(const std::filesystem::path& file, const std::exception& error) {
    if (dynamic_cast<const base::ReadOnlyFileError*>(&error))
        saveFailures.Add(file.wstring(), L"Файл доступен только для чтения.");
    else
        saveFailures.Add(file.wstring(), ui::ExceptionText(error));
}

void NoteSaveFailure(const std::filesystem::path& file) {
    saveFailures.Add(file.wstring(), L"");
}

void ShowSaveFailures() {
    const std::wstring text = saveFailures.TakeMessage();
    if (!text.empty()) ui::ShowError(text);
}

void RemoveLeftoverTempFiles(std::initializer_list<std::filesystem::path> files) {
    for (const auto& file : files) base::RemoveLeftoverTemp(file);
}

}  // namespace core
