// Reading, saving and reporting on the data files: Horalto.ini and the
// list, task and work-log files beside it (Windows side).
#pragma once

#include <exception>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"

namespace core {

// Creates the file empty when it is missing. Throws base::FileError when it
// cannot be created, a folder in its place among the reasons.
void CreateIfMissing(const std::filesystem::path& file);

// The bytes of a data file read at start, nothing when it is missing. A file
// that is there but cannot be read, even once the start's patience is spent
// (a second in all for the data files the start reads), gives nothing too: it
// is remembered as unread (see SaveDataFile) and noted, with its reason, for
// ShowReadFailures; it is not tried again this run. A folder in place of the
// settings file is noted the same way (there is no file to keep); one in place
// of another data file is a missing file.
std::optional<std::string> ReadDataFileAtStart(const std::filesystem::path& file, bool settingsFile = false);
// Tells the user, in one message, of the data files noted as not read.
void ShowReadFailures();
// The patience the start's reads share from now on (a test's own); null: the
// second they share in all.
void UseStartPatience(base::Patience* patience);

// A data file as its save sees it.
struct DataFile {
    std::filesystem::path path;
    // What stands for its data: what its save would write, without what the
    // program changes by itself. Asked only of a file the start could not read.
    std::function<std::string()> data;
    bool settingsFile = false;  // Horalto.ini: a failure is one of the settings
};

// Notes what stands for the data of each unread file once the start is over.
void NoteStartData(const DataFile& file);

// The settings file with the user's regional settings, read as at start;
// nothing when it is missing or could not be read (as ReadDataFileAtStart
// says), so that every setting keeps the value of a start without the file.
std::optional<base::IniFile> LoadSettingsFile(const std::filesystem::path& file);

// Notes that a file could not be saved, with its reason: a file error's own
// (read-only, a full disk, a folder in its place), else the general failure
// with the error's text. ShowSaveFailures tells the user of all files noted
// since its last message, each file once a run.
void NoteSaveFailure(const std::filesystem::path& file, const std::exception& error,
                     bool settingsFile = false);
void NoteSaveFailure(const std::filesystem::path& file, bool settingsFile = false);
void ShowSaveFailures();

// The one save every data file goes through; `bytes` gives what is written
// (nothing: the file stays as it is). A file the start could not read is left
// as it is while its data are still what they were when the start was over;
// once they have changed, the old file is first kept beside
// (base::KeepCopyBeside), then written, and from then on it is saved as any
// other. A file whose bytes are no longer those this run read at start or
// last wrote itself (another program changed it, or made it) is kept beside
// the same way before it is written; one nobody else touched is written with
// nothing beside it. Whatever keeps the file from being kept or written is
// noted as above and goes no further, so the next file is still saved.
void SaveDataFile(const DataFile& file, const std::function<std::optional<std::string>()>& bytes);

// Writes keys of the settings file (created when missing) through
// write(ini) with the user's regional settings, then updates the file (when
// a key changed: the keys of others stay as the file has them now); saved
// as above, a failure being one of the settings. `data` is what stands for
// the settings' data.
template <class Write>
void SaveSettingsFile(const std::filesystem::path& file, const std::function<std::string()>& data,
                      Write&& write) {
    SaveDataFile({file, data, true}, [&]() -> std::optional<std::string> {
        CreateIfMissing(file);
        base::IniFile ini = base::IniFile::ToUpdate(file, base::SystemFormatSettings());
        write(ini);
        if (!ini.Modified()) return std::nullopt;
        return base::ToCp1251(ini.ToText());
    });
}

// Removes the temporary files that saves of these files left when cut short.
void RemoveLeftoverTempFiles(std::initializer_list<std::filesystem::path> files);

}  // namespace core
