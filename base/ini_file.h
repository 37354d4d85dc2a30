// INI files as the Windows profile functions keep them: section and key names
// match ignoring case (Latin and Cyrillic), the first match wins, names and
// values are trimmed, a value wrapped in matching single or double quotes loses
// them on read, key order is kept, a new key goes to the end of its section and
// a new section to the end of the file, erasing a section drops it whole, and no
// length limit applies. Lines the program does not change are written back as
// they were read. Files are Windows-1251.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/string_list.h"

namespace base {

// The section name of a header line as the reader takes it ("[", the name, "]",
// the profile functions' white space around the line and the name ignored);
// nothing when the line is no header.
std::optional<std::wstring_view> IniHeaderName(std::wstring_view line);

class IniFile {
  public:
    // Loads the file when it exists (a missing file is an empty INI); throws
    // FileError when it exists but cannot be read. Float and date-time values use fs.
    explicit IniFile(std::filesystem::path path, FormatSettings fs = {});
    // Loads a file made sure of just before, to update it: another copy of the
    // program may hold it or rename its own save over it for a moment, so a
    // file that cannot be read, or is not there, is tried again for a second.
    static IniFile ToUpdate(const std::filesystem::path& path, FormatSettings fs = {});
    // In memory: parsed from text, no file (UpdateFile then does nothing).
    static IniFile FromText(std::wstring_view text, FormatSettings fs = {});

    const std::filesystem::path& FileName() const { return path_; }
    const FormatSettings& Settings() const { return fs_; }

    std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view def) const;
    // The value is one line of the file: a CR or LF inside it is written, and
    // reads back, as a blank. The typed writers below write through it.
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    // Decimal or "0x"/"$" hexadecimal; anything else gives def.
    int ReadInteger(std::wstring_view section, std::wstring_view key, int def) const;
    void WriteInteger(std::wstring_view section, std::wstring_view key, int value);
    // Any integer other than 0 is true; not an integer gives def. Written "1"/"0".
    bool ReadBool(std::wstring_view section, std::wstring_view key, bool def) const;
    void WriteBool(std::wstring_view section, std::wstring_view key, bool value);
    double ReadFloat(std::wstring_view section, std::wstring_view key, double def) const;
    void WriteFloat(std::wstring_view section, std::wstring_view key, double value);
    // Written with DateTimeToStr (short date + long time), read with StrToDateTime.
    TDateTime ReadDateTime(std::wstring_view section, std::wstring_view key, TDateTime def) const;
    void WriteDateTime(std::wstring_view section, std::wstring_view key, TDateTime value);

    // True when the section holds at least one key (an empty section counts as absent).
    bool SectionExists(std::wstring_view section) const;
    bool ValueExists(std::wstring_view section, std::wstring_view key) const;
    // Key names of the (first) section, in file order; lines without "=", empty
    // names and comments (";...") are left out.
    StringList ReadSection(std::wstring_view section) const;
    // Names of all sections in file order.
    StringList ReadSections() const;
    // "name=value" of every key of the section (value unquoted).
    StringList ReadSectionValues(std::wstring_view section) const;

    void EraseSection(std::wstring_view section);  // every section of that name
    void DeleteKey(std::wstring_view section, std::wstring_view key);
    // Adds "[section]" at the end when no such section exists.
    void WriteEmptySection(std::wstring_view section);

    // Changes live in memory until this call: it writes the file (temporary file
    // beside it, then replaced; throws FileError) when anything changed since
    // loading or the last save. Does nothing for an in-memory INI.
    void UpdateFile();
    bool Modified() const { return modified_; }
    // The whole file as it would be saved (lines ended by CR LF).
    std::wstring ToText() const;

  private:
    struct Line {
        std::wstring raw;                   // as read, or as last written
        std::wstring name;                  // trimmed key name (section name for headers)
        std::optional<std::wstring> value;  // trimmed value; none for lines without "="
        bool header = false;
    };
    struct Section {
        std::wstring name;
        bool hasHeader = false;   // false only for lines before the first header
        std::vector<Line> lines;  // keys, blank lines and comments after the header
    };

    struct InMemory {};
    IniFile(InMemory, FormatSettings fs) : fs_(std::move(fs)) {}
    void Parse(std::wstring_view text);
    const Section* FindSection(std::wstring_view name) const;
    Section* FindSection(std::wstring_view name);
    static const Line* FindKey(const Section& section, std::wstring_view key);

    std::filesystem::path path_;
    FormatSettings fs_;
    std::vector<Section> sections_ = std::vector<Section>(1);  // [0]: lines before the first header
    bool modified_ = false;
};

}  // namespace base
