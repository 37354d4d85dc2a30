// Saving files on Windows: the system's own calls, so that a failure comes
// with the system's own words in the user's language.
#include <windows.h>

#include <algorithm>

#include "base/file_system.h"

namespace base::file_system {

std::wstring SystemText(unsigned long error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"код ошибки " + std::to_wstring(error);
    return text;
}

namespace {

Failure FromError(DWORD error) {
    Failure failure;
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) failure.fault = FileFault::DiskFull;
    failure.systemText = SystemText(error);
    return failure;
}

bool IsFolder(const std::filesystem::path& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A failure to read or copy the file, by what kept it from being read.
Failure FromReadError(DWORD error, const std::filesystem::path& file) {
    Failure failure = FromError(error);
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            failure.fault = FileFault::Missing;
            break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            failure.fault = FileFault::Held;
            break;
        case ERROR_ACCESS_DENIED:
            failure.fault = IsFolder(file) ? FileFault::Folder : FileFault::AccessDenied;
            break;
        default:
            if (failure.fault == FileFault::Other) failure.fault = FileFault::Unreadable;
            break;
    }
    return failure;
}

// Closes a file handle when it goes.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

}  // namespace

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

bool ProcessRunning(unsigned long processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // there, but not ours to look at
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

std::optional<Failure> ReadFileInPieces(const std::filesystem::path& file,
                                        const std::function<void(std::string_view)>& piece) {
    if (IsFolder(file)) return FromReadError(ERROR_ACCESS_DENIED, file);
    const FileHandle in{CreateFileW(file.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (in.handle == INVALID_HANDLE_VALUE) return FromReadError(GetLastError(), file);
    std::string buffer(1 << 16, '\0');
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in.handle, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return FromReadError(GetLastError(), file);
        if (got == 0) return std::nullopt;
        piece(std::string_view(buffer.data(), got));
    }
}

std::optional<Failure> ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    bytes.clear();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data))
        bytes.reserve(
            static_cast<std::size_t>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow));
    auto failure = ReadFileInPieces(file, [&](std::string_view piece) { bytes.append(piece); });
    if (failure) bytes.clear();
    return failure;
}

std::optional<Failure> CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (IsFolder(from)) return FromReadError(ERROR_ACCESS_DENIED, from);
    if (CopyFileW(from.c_str(), to.c_str(), TRUE)) return std::nullopt;
    return FromReadError(GetLastError(), from);
}

std::optional<Failure> RenameToNewName(const std::filesystem::path& from, const std::filesystem::path& to,
                                       bool& nameTaken) {
    nameTaken = false;
    if (MoveFileExW(from.c_str(), to.c_str(), 0)) return std::nullopt;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ||
        GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        nameTaken = true;
        return std::nullopt;
    }
    return FromError(error);
}

std::optional<Failure> WriteNewFile(const std::filesystem::path& file, std::string_view bytes) {
    HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return FromError(GetLastError());
    std::optional<Failure> failure;
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(out, bytes.data() + done, chunk, &written, nullptr)) {
            failure = FromError(GetLastError());
            break;
        }
        if (written == 0) {
            failure = FromError(ERROR_WRITE_FAULT);
            break;
        }
        done += written;
    }
    if (!CloseHandle(out) && !failure) failure = FromError(GetLastError());
    return failure;
}

std::optional<Failure> Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return std::nullopt;
        const DWORD error = GetLastError();
        const bool busy =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!busy || GetTickCount64() - start >= 1000) return FromError(error);
        Sleep(20);
    }
}

}  // namespace base::file_system
