// Windows-1251 <-> wide text, and whole-file reads and writes.
// Every file the program reads or writes goes through here; text inside the
// program is always std::wstring.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "base/file_fingerprint.h"

namespace base {

// Why a file could not be read or written.
enum class FileFault {
    Other,     // see the system's own text
    ReadOnly,  // the user made the file read-only
    DiskFull,
    Folder,        // a folder stands where the file should be
    Missing,       // there is no such file to read
    Held,          // another program holds the file open and shares it with nobody
    AccessDenied,  // the user may not read the file
    Unreadable,    // reading failed otherwise: see the system's own text
};

// Raised when a file cannot be read or written; what() names the file. A
// failed read or write tells its fault and the system's own words for it.
class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& what, FileFault fault = FileFault::Other,
                       std::wstring systemText = {})
        : std::runtime_error(what), fault_(fault), systemText_(std::move(systemText)) {}
    FileFault Fault() const { return fault_; }
    const std::wstring& SystemText() const { return systemText_; }

  private:
    FileFault fault_;
    std::wstring systemText_;
};

// Raised instead of replacing a file that the user made read-only.
class ReadOnlyFileError : public FileError {
  public:
    explicit ReadOnlyFileError(const std::string& what) : FileError(what, FileFault::ReadOnly) {}
};

// Bytes in Windows-1251 to wide text. All 256 bytes map (the one byte that the
// code page leaves undefined, 0x98, maps to U+0098), so ToCp1251(FromCp1251(b)) == b.
std::wstring FromCp1251(std::string_view bytes);

// Wide text to Windows-1251 bytes; a character the code page lacks becomes '?'.
std::string ToCp1251(std::wstring_view text);

// One character each way. ToCp1251Char returns false (and leaves byte alone)
// when the character has no Windows-1251 byte.
wchar_t FromCp1251Char(unsigned char byte);
bool ToCp1251Char(wchar_t ch, unsigned char& byte);
// True when every character of the text has its Windows-1251 byte, so the
// files keep it as it is.
bool FitsCp1251(std::wstring_view text);

// The whole file as bytes. Throws FileError when it cannot be opened or read,
// with its fault: Missing, Folder, Held, AccessDenied or Unreadable.
std::string ReadFileBytes(const std::filesystem::path& path);

// The time that reads may spend waiting for files another program holds open
// for a moment, shared by every read it is given: what one read waits, the
// next has no more. Once it is spent, a read tries once and waits no longer.
class Patience {
  public:
    using Duration = std::chrono::steady_clock::duration;
    explicit Patience(Duration budget) : left_(budget) {}
    virtual ~Patience() = default;
    // Waits a little before the next try and counts what that took; false,
    // waiting nothing, once the time is spent.
    bool WaitAgain();
    Duration Left() const { return left_; }

  protected:
    // Waits about `time` and returns the time that went by.
    virtual Duration Pause(Duration time);

  private:
    Duration left_;
};

// The same for a file that another program may hold open for a moment: a file
// that is there but cannot be read is tried again while the patience lasts (a
// second of its own without one). A folder in its place is not waited for, nor
// a missing file unless `missingToo` (a file another program may be renaming
// its own save over).
std::string ReadFileBytesPatiently(const std::filesystem::path& path, bool missingToo = false);
std::string ReadFileBytesPatiently(const std::filesystem::path& path, Patience& patience,
                                   bool missingToo = false);
// The fingerprint of the file as it is now, read piece by piece and waited for
// as above, a second of its own; nothing when it is missing. Throws FileError
// when it cannot be read.
std::optional<FileFingerprint> FingerprintFile(const std::filesystem::path& path);

// Replaces the file with these bytes: written to a temporary file beside it
// (TempFileFor), then renamed over it, so a crash never leaves a half-written
// file. A read-only file is left as it is (ReadOnlyFileError). Throws FileError
// on failure (the old file is then untouched); a file another program holds
// open for a moment is waited for a little.
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Copies the file, as it is, to a new file beside it before it is replaced:
// "<name>.bak", or "<name> (2).bak", "<name> (3).bak"... when that is taken, so
// that no earlier copy is written over (a name another program takes while the
// copy is made counts as taken). The copy is written under the temporary name
// of this process's saves (TempFileFor) and only then given its name, so a copy
// cut short never stands under a ".bak" name. Returns the copy's path; throws
// FileError when the file cannot be copied (it is then left as it is). A file
// another program holds open for a moment is waited for, a second at most.
std::filesystem::path KeepCopyBeside(const std::filesystem::path& path);

// The temporary file a save by this process (or by the process of that id)
// writes first: "<name>.<process id>.tmp~" beside the file, so that copies of
// the program saving into one folder at once never share one.
std::filesystem::path TempFileFor(const std::filesystem::path& path);
std::filesystem::path TempFileFor(const std::filesystem::path& path, unsigned long processId);
// Removes the temporary files that saves of the file left when cut short: the
// one of this process, those of processes no longer running, and
// "<name>.tmp~" of older versions. The save under way of a running copy stays.
void RemoveLeftoverTemp(const std::filesystem::path& path);

// The text of a data file: Windows-1251, UTF-16 or UTF-8 as its first bytes
// tell. Bytes that begin with a UTF-16 byte-order mark (FF FE, Notepad's
// "Unicode", little-endian; FE FF, "UTF-16 BE") are UTF-16 text: a pair of
// surrogates (a character beyond U+FFFF) reads as one '?', a surrogate without
// its partner as '?' too, and an odd last byte as its Windows-1251 character.
// Bytes that begin with the UTF-8 byte-order mark are UTF-8 when what follows
// is mostly UTF-8: its well-formed multi-byte sequences outnumber the bytes
// that begin no well-formed sequence, and each of those bytes reads as its
// Windows-1251 character (a character beyond U+FFFF reads as '?'). After a
// UTF-8 mark that is followed by anything else (no well-formed multi-byte
// sequence, or as many bad bytes) the text is Windows-1251. The mark itself is
// dropped. Bytes without a mark that are well-formed UTF-8 throughout, with
// at least one multi-byte sequence, are UTF-8 (Notepad's "UTF-8" has no
// mark); all other bytes are Windows-1251.
std::wstring DecodeDataText(std::string_view bytes);
// The bytes of a data file in Windows-1251, the mark dropped: UTF-16 and UTF-8
// text (as DecodeDataText tells it) recoded, unmappable characters becoming
// '?'; anything else as it is.
std::string DataBytes1251(std::string_view bytes);

// Reads a data file (DecodeDataText) / writes text as Windows-1251 (WriteFileBytes).
std::wstring ReadTextFile1251(const std::filesystem::path& path);
void WriteTextFile1251(const std::filesystem::path& path, std::wstring_view text);

}  // namespace base
