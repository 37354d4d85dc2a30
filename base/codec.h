// Windows-1251 <-> wide text, and whole-file reads and writes.
// Every file the program reads or writes goes through here; text inside the
// program is always std::wstring.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

// Raised when a file cannot be read or written; what() names the file.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
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

// The whole file as bytes. Throws FileError when it cannot be opened or read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with these bytes: written to a temporary file beside it,
// then renamed over it, so a crash never leaves a half-written file.
// Throws FileError on failure (the old file is then untouched).
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// ReadFileBytes / WriteFileBytes through the Windows-1251 codec.
std::wstring ReadTextFile1251(const std::filesystem::path& path);
void WriteTextFile1251(const std::filesystem::path& path, std::wstring_view text);

}  // namespace base
