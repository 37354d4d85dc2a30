// Saving a file whole: a temporary file of this process beside it, then
// renamed over it; and the leftovers of saves cut short.
#include <cstdint>
#include <optional>
#include <system_error>

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

}  // namespace

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
