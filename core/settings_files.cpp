#include "core/settings_files.h"

#include <windows.h>

#include <new>
#include <system_error>

#include "base/codec.h"
#include "base/file_system.h"
#include "base/format_settings.h"
#include "core/save_failures.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace core {

namespace {

SaveFailures saveFailures;
bool readReported = false;

bool IsFolder(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_directory(file, ec);
}

}  // namespace

void CreateIfMissing(const std::filesystem::path& file) {
    if (IsFolder(file))
        throw base::FileError("A folder stands in place of the file", base::FileFault::Folder);
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS && std::filesystem::is_regular_file(file)) return;
    if (IsFolder(file))
        throw base::FileError("A folder stands in place of the file", base::FileFault::Folder);
    throw base::FileError("Cannot create the file",
                          error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL
                              ? base::FileFault::DiskFull
                              : base::FileFault::Other,
                          base::file_system::SystemText(error));
}

base::IniFile LoadSettingsFile(const std::filesystem::path& file) {
    try {
        return base::IniFile(file, base::SystemFormatSettings());
    } catch (const std::exception& e) {
        if (!readReported) {
            readReported = true;
            ui::ShowError(L"Не удалось прочитать настройки из файла \"" + file.wstring() + L"\".\n" +
                          (IsFolder(file) ? std::wstring(L"Вместо файла папка.") : ui::ExceptionText(e)));
        }
        return base::IniFile::FromText(L"", base::SystemFormatSettings());
    }
}

void NoteSaveFailure(const std::filesystem::path& file, const std::exception& error, bool settingsFile) {
    std::wstring reason;
    if (const auto* fileError = dynamic_cast<const base::FileError*>(&error))
        reason = SaveFailureReason(fileError->Fault(), fileError->SystemText());
    else if (dynamic_cast<const std::bad_alloc*>(&error))
        reason = GeneralSaveFailure(base::file_system::SystemText(ERROR_NOT_ENOUGH_MEMORY));
    else
        reason = GeneralSaveFailure(ui::ExceptionText(error));
    saveFailures.Add({file.wstring(), reason, settingsFile});
}

void NoteSaveFailure(const std::filesystem::path& file, bool settingsFile) {
    saveFailures.Add({file.wstring(), GeneralSaveFailure(L""), settingsFile});
}

void ShowSaveFailures() {
    const std::wstring text = saveFailures.TakeMessage();
    if (!text.empty()) ui::ShowError(text);
}

void RemoveLeftoverTempFiles(std::initializer_list<std::filesystem::path> files) {
    for (const auto& file : files) base::RemoveLeftoverTemp(file);
}

}  // namespace core
