// What reading and saving a file ask of the system, in one file per platform:
// the process's own id, whether a process runs, reading a whole file, writing
// a new file, copying a file and putting one in the place of another in one
// step. Failures come back with their fault and the system's own words.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/codec.h"

namespace base::file_system {

struct Failure {
    FileFault fault = FileFault::Other;
    std::wstring systemText;
};

// The system's own words for an error number of its own ("код ошибки N"
// when it has none).
std::wstring SystemText(unsigned long error);

unsigned long CurrentProcessId();
// Whether a process of that id runs now.
bool ProcessRunning(unsigned long processId);

// Reads the whole file into `bytes`. Its fault: Missing, Folder, Held (another
// program holds it open and shares it with nobody), AccessDenied, else
// Unreadable.
std::optional<Failure> ReadWholeFile(const std::filesystem::path& file, std::string& bytes);
// Reads the file from its start to its end, handing each piece read to
// `piece` in turn; the failure as ReadWholeFile tells it (pieces handed before
// a failure count for nothing).
std::optional<Failure> ReadFileInPieces(const std::filesystem::path& file,
                                        const std::function<void(std::string_view)>& piece);

// Copies `from` to `to`, a name that must be free: a file of that name is
// never written over.
std::optional<Failure> CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Gives `from` the name `to` when no file or folder has that name; when one
// has, sets `nameTaken` and leaves both as they are. Never writes over a file.
std::optional<Failure> RenameToNewName(const std::filesystem::path& from, const std::filesystem::path& to,
                                       bool& nameTaken);

// Creates the file (emptying one of that name), writes the bytes and closes it.
// While it is open no other program can remove it.
std::optional<Failure> WriteNewFile(const std::filesystem::path& file, std::string_view bytes);

// Puts `from` in the place of `to` in one step. A target that another program
// holds open for a moment (reading it) is waited for, a second at most.
std::optional<Failure> Replace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace base::file_system
