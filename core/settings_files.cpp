#include "core/settings_files.h"

#include <windows.h>

#include <new>
#include <system_error>

#include "base/codec.h"
#include "base/file_system.h"
#include "base/format_settings.h"
#include "core/file_failures.h"
#include "core/unread_files.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace core {

namespace {

FileFailures saveFailures(SaveFailureMessage);
FileFailures readFailures(ReadFailureMessage);
UnreadFiles unreadFiles;

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

std::optional<std::string> ReadDataFileAtStart(const std::filesystem::path& file, bool settingsFile) {
    if (unreadFiles.Contains(file)) return std::nullopt;
    try {
        return base::ReadFileBytesPatiently(file);
    } catch (const base::FileError& e) {
        if (e.Fault() == base::FileFault::Missing) return std::nullopt;
        const bool folder = e.Fault() == base::FileFault::Folder;
        if (folder && !settingsFile) return std::nullopt;
        if (!folder) unreadFiles.Add(file);
        readFailures.Add(
            {file.wstring(), ReadFailureReason(e.Fault(), e.SystemText()), settingsFile, !folder});
        return std::nullopt;
    }
}

void ShowReadFailures() {
    const std::wstring text = readFailures.TakeMessage();
    if (!text.empty()) ui::ShowError(text);
}

void NoteStartData(const std::filesystem::path& file, const std::function<std::string()>& data) {
    if (unreadFiles.Contains(file)) unreadFiles.SetStartData(file, data());
}

bool LeaveUnreadFile(const std::filesystem::path& file, const std::function<std::string()>& data) {
    if (!unreadFiles.Contains(file)) return false;
    if (unreadFiles.LeaveAsItIs(file, data())) return true;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) base::KeepCopyBeside(file);
    unreadFiles.Remove(file);
    return false;
}

base::IniFile LoadSettingsFile(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadDataFileAtStart(file, true);
    return base::IniFile::FromText(bytes ? base::DecodeDataText(*bytes) : std::wstring(),
                                   base::SystemFormatSettings());
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
