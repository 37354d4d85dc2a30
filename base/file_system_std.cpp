// Saving files where the program's tests run natively: the C library and
// std::filesystem.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <signal.h>
#include <unistd.h>

#include "base/file_system.h"

namespace base::file_system {

std::wstring SystemText(unsigned long error) {
    const std::string text = std::strerror(static_cast<int>(error));
    return std::wstring(text.begin(), text.end());
}

namespace {

Failure FromError(int error) {
    Failure failure;
    if (error == ENOSPC) failure.fault = FileFault::DiskFull;
    if (error == EISDIR) failure.fault = FileFault::Folder;
    failure.systemText = SystemText(static_cast<unsigned long>(error));
    return failure;
}

// A failure to read or copy a file, by what kept it from being read.
Failure FromReadError(int error) {
    Failure failure = FromError(error);
    if (error == ENOENT || error == ENOTDIR)
        failure.fault = FileFault::Missing;
    else if (error == EACCES || error == EPERM)
        failure.fault = FileFault::AccessDenied;
    else if (failure.fault == FileFault::Other)
        failure.fault = FileFault::Unreadable;
    return failure;
}

}  // namespace

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(getpid());
}

bool ProcessRunning(unsigned long processId) {
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX)) return false;
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

std::optional<Failure> ReadFileInPieces(const std::filesystem::path& file,
                                        const std::function<void(std::string_view)>& piece) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return FromReadError(EISDIR);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!in) return FromReadError(errno);
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) piece(std::string_view(buffer, got));
    if (std::ferror(in.get())) return FromReadError(errno ? errno : EIO);
    return std::nullopt;
}

std::optional<Failure> ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    bytes.clear();
    auto failure = ReadFileInPieces(file, [&](std::string_view piece) { bytes.append(piece); });
    if (failure) bytes.clear();
    return failure;
}

std::optional<Failure> CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    if (std::filesystem::is_directory(from, ec)) return FromReadError(EISDIR);
    if (std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, ec)) return std::nullopt;
    return FromReadError(ec.value());
}

std::optional<Failure> RenameToNewName(const std::filesystem::path& from, const std::filesystem::path& to,
                                       bool& nameTaken) {
    // A link fails on a name that is taken, whatever stands there.
    nameTaken = false;
    if (link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST) {
            nameTaken = true;
            return std::nullopt;
        }
        return FromError(errno);
    }
    unlink(from.c_str());
    return std::nullopt;
}

std::optional<Failure> WriteNewFile(const std::filesystem::path& file, std::string_view bytes) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return FromError(errno);
    errno = 0;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    if (!written) return FromError(writeError ? writeError : EIO);
    if (!closed) return FromError(errno);
    return std::nullopt;
}

std::optional<Failure> Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec) return FromError(ec.value());
    return std::nullopt;
}

}  // namespace base::file_system
