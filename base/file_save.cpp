// Reading a file whole or its fingerprint; saving a file whole: a temporary file of this process
// beside it, then renamed over it; a copy kept beside a file before it is
// replaced; and the leftovers of saves cut short.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <system_error>
#include <thread>

#include "base/codec.h"
#include "base/file_system.h"

namespace base {

namespace {

using Name = std::filesystem::path::string_type;

std::string PathText(const std::filesystem::path& path) {
    // u8string keeps Cyrillic names readable in messages on both platforms.
    auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

bool IsReadOnly(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::is_regular_file(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The id of the process whose save of the file named `name` left `entry`
// ("<name>.<id>.tmp~"), 0 for the name older versions gave it
// ("<name>.tmp~"); nothing when `entry` is no such file.
std::optional<unsigned long> LeftoverOf(const Name& entry, const Name& name) {
    const Name end = std::filesystem::path(".tmp~").native();
    if (entry.size() < name.size() + end.size() || entry.compare(0, name.size(), name) != 0 ||
        entry.compare(entry.size() - end.size(), end.size(), end) != 0)
        return std::nullopt;
    const Name middle = entry.substr(name.size(), entry.size() - name.size() - end.size());
    if (middle.empty()) return 0ul;
    if (middle.size() < 2 || middle.size() > 11 || middle[0] != '.') return std::nullopt;
    std::uint64_t id = 0;
    for (std::size_t i = 1; i < middle.size(); ++i) {
        if (middle[i] < '0' || middle[i] > '9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(middle[i] - '0');
    }
    if (id > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<unsigned long>(id);
}

void RemoveQuietly(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

// Runs `attempt` until it succeeds (no failure) or fails for a reason that
// waiting does not mend (a folder; a missing file unless `missingToo`), trying
// again while the patience lasts; the last failure.
template <class Attempt>
std::optional<file_system::Failure> Patiently(Attempt&& attempt, Patience& patience,
                                              bool missingToo = false) {
    for (;;) {
        std::optional<file_system::Failure> failure = attempt();
        if (!failure || (failure->fault == FileFault::Missing && !missingToo) ||
            failure->fault == FileFault::Folder || !patience.WaitAgain())
            return failure;
    }
}

// The same with a second of its own.
template <class Attempt>
std::optional<file_system::Failure> Patiently(Attempt&& attempt, bool missingToo = false) {
    Patience patience(std::chrono::seconds(1));
    return Patiently(std::forward<Attempt>(attempt), patience, missingToo);
}

// "<name>.bak" for n 1, else "<name> (n).bak".
std::filesystem::path CopyName(const std::filesystem::path& path, int n) {
    const Name suffix =
        std::filesystem::path(n == 1 ? std::string(".bak") : " (" + std::to_string(n) + ").bak").native();
    std::filesystem::path copy = path;
    copy.replace_filename(path.filename().native() + suffix);
    return copy;
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::string bytes;
    if (const auto failure = file_system::ReadWholeFile(path, bytes))
        throw FileError("Cannot read file " + PathText(path), failure->fault, failure->systemText);
    return bytes;
}

std::string ReadFileBytesPatiently(const std::filesystem::path& path, Patience& patience, bool missingToo) {
    std::string bytes;
    if (const auto failure =
            Patiently([&] { return file_system::ReadWholeFile(path, bytes); }, patience, missingToo))
        throw FileError("Cannot read file " + PathText(path), failure->fault, failure->systemText);
    return bytes;
}

std::optional<FileFingerprint> FingerprintFile(const std::filesystem::path& path) {
    FileFingerprint print;
    const auto failure = Patiently([&] {
        print = {};
        return file_system::ReadFileInPieces(path, [&](std::string_view piece) { print.Add(piece); });
    });
    if (!failure) return print;
    if (failure->fault == FileFault::Missing) return std::nullopt;
    throw FileError("Cannot read file " + PathText(path), failure->fault, failure->systemText);
}

std::string ReadFileBytesPatiently(const std::filesystem::path& path, bool missingToo) {
    Patience patience(std::chrono::seconds(1));
    return ReadFileBytesPatiently(path, patience, missingToo);
}

bool Patience::WaitAgain() {
    if (left_ <= Duration::zero()) return false;
    left_ -= Pause(std::min<Duration>(std::chrono::milliseconds(20), left_));
    return true;
}

Patience::Duration Patience::Pause(Duration time) {
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(time);
    return std::chrono::steady_clock::now() - start;
}

std::filesystem::path KeepCopyBeside(const std::filesystem::path& path) {
    const std::filesystem::path temp = TempFileFor(path);
    if (const auto failure = Patiently([&] {
            RemoveQuietly(temp);
            return file_system::CopyToNewFile(path, temp);
        })) {
        RemoveQuietly(temp);
        throw FileError("Cannot copy file " + PathText(path), failure->fault, failure->systemText);
    }
    for (int n = 1; n <= 1000; ++n) {
        const std::filesystem::path copy = CopyName(path, n);
        bool nameTaken = false;
        const auto failure = file_system::RenameToNewName(temp, copy, nameTaken);
        if (nameTaken) continue;
        if (!failure) return copy;
        RemoveQuietly(temp);
        throw FileError("Cannot copy file " + PathText(path), failure->fault, failure->systemText);
    }
    RemoveQuietly(temp);
    throw FileError("No free name for a copy of file " + PathText(path));
}

std::filesystem::path TempFileFor(const std::filesystem::path& path, unsigned long processId) {
    std::filesystem::path temp = path;
    temp += "." + std::to_string(processId) + ".tmp~";
    return temp;
}

std::filesystem::path TempFileFor(const std::filesystem::path& path) {
    return TempFileFor(path, file_system::CurrentProcessId());
}

void RemoveLeftoverTemp(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const Name name = path.filename().native();
    const unsigned long self = file_system::CurrentProcessId();
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (const std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::optional<unsigned long> process = LeftoverOf(it->path().filename().native(), name);
        if (!process) continue;
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        // A copy of the program that still runs may be saving right now.
        if (*process == 0 || *process == self || !file_system::ProcessRunning(*process))
            RemoveQuietly(it->path());
    }
}

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    RemoveLeftoverTemp(path);
    if (IsFolder(path))
        throw FileError("A folder stands in place of file " + PathText(path), FileFault::Folder);
    // Renaming over a read-only file would succeed on some systems and lose
    // the attribute: the user's choice stands instead.
    if (IsReadOnly(path)) throw ReadOnlyFileError("File is read-only: " + PathText(path));
    const std::filesystem::path temp = TempFileFor(path);
    if (const auto failure = file_system::WriteNewFile(temp, bytes)) {
        RemoveQuietly(temp);
        throw FileError("Cannot write file " + PathText(path), failure->fault, failure->systemText);
    }
    if (const auto failure = file_system::Replace(temp, path)) {
        RemoveQuietly(temp);
        if (IsFolder(path))
            throw FileError("A folder stands in place of file " + PathText(path), FileFault::Folder);
        throw FileError("Cannot replace file " + PathText(path), failure->fault, failure->systemText);
    }
}

}  // namespace base
