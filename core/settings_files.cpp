#include "core/settings_files.h"

#include <windows.h>

#include <chrono>
#include <new>
#include <system_error>

#include "base/codec.h"
#include "base/file_fingerprint.h"
#include "base/file_system.h"
#include "base/format_settings.h"
#include "core/file_failures.h"
#include "core/seen_files.h"
#include "core/unread_files.h"
#include "ui/dialogs.h"
#include "ui/exception.h"

namespace core {

namespace {

FileFailures saveFailures(SaveFailureMessage);
FileFailures readFailures(ReadFailureMessage);
UnreadFiles unreadFiles;
SeenFiles seenFiles;
// The data files the start reads share one second of patience in all.
base::Patience ownStartPatience(std::chrono::seconds(1));
base::Patience* startPatience = &ownStartPatience;

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
        std::string bytes = base::ReadFileBytesPatiently(file, *startPatience);
        seenFiles.Note(file, base::FingerprintOf(bytes));
        return bytes;
    } catch (const base::FileError& e) {
        if (e.Fault() == base::FileFault::Missing) {
            seenFiles.Note(file, std::nullopt);
            return std::nullopt;
        }
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

void UseStartPatience(base::Patience* patience) {
    startPatience = patience ? patience : &ownStartPatience;
}

void NoteStartData(const DataFile& file) {
    if (unreadFiles.Contains(file.path)) unreadFiles.SetStartData(file.path, file.data());
}

void SaveDataFile(const DataFile& file, const std::function<std::optional<std::string>()>& bytes) {
    try {
        bool keepBeside = false;
        if (unreadFiles.Contains(file.path)) {
            if (unreadFiles.LeaveAsItIs(file.path, file.data())) return;
            // The user changed what the start could not read: the old file stays beside.
            std::error_code ec;
            keepBeside = std::filesystem::exists(file.path, ec);
        } else {
            // Another program changed the file while the clock ran: its version stays beside.
            keepBeside = seenFiles.ChangedByAnother(file.path);
        }
        const std::optional<std::string> data = bytes();
        if (!data) return;
        if (keepBeside) base::KeepCopyBeside(file.path);
        unreadFiles.Remove(file.path);
        base::WriteFileBytes(file.path, *data);
        seenFiles.Note(file.path, base::FingerprintOf(*data));
    } catch (const std::exception& e) {
        NoteSaveFailure(file.path, e, file.settingsFile);
    } catch (...) {
        NoteSaveFailure(file.path, file.settingsFile);
    }
}

std::optional<base::IniFile> LoadSettingsFile(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadDataFileAtStart(file, true);
    if (!bytes) return std::nullopt;
    return base::IniFile::FromText(base::DecodeDataText(*bytes), base::SystemFormatSettings());
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
