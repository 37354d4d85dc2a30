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
// that is there but cannot be read, even after a second's patience, gives
// nothing too: it is remembered as unread (see LeaveUnreadFile) and noted,
// with its reason, for ShowReadFailures; it is not tried again this run. A
// folder in place of the settings file is noted the same way (there is no
// file to keep); one in place of another data file is a missing file.
std::optional<std::string> ReadDataFileAtStart(const std::filesystem::path& file, bool settingsFile = false);
// Tells the user, in one message, of the data files noted as not read.
void ShowReadFailures();

// Notes what stands for the data of each unread file once the start is over.
void NoteStartData(const std::filesystem::path& file, const std::function<std::string()>& data);
// Asked before a save writes a data file: true when the save must leave the
// file as it is, which the start could not read and whose data (`data`: what
// the save would write, without what the program changes by itself) are
// still what they were when the start was over. When they have changed, the
// old file is first kept beside (base::KeepCopyBeside; FileError when it
// cannot be) and false is returned, as for any file that was read.
bool LeaveUnreadFile(const std::filesystem::path& file, const std::function<std::string()>& data);

// The settings file with the user's regional settings, read as at start; a
// file that could not be read reads as empty, so every default stands.
base::IniFile LoadSettingsFile(const std::filesystem::path& file);

// Notes that a file could not be saved, with its reason: a file error's own
// (read-only, a full disk, a folder in its place), else the general failure
// with the error's text. ShowSaveFailures tells the user of all files noted
// since its last message, each file once a run.
void NoteSaveFailure(const std::filesystem::path& file, const std::exception& error,
                     bool settingsFile = false);
void NoteSaveFailure(const std::filesystem::path& file, bool settingsFile = false);
void ShowSaveFailures();

// Runs a save of a file: whatever keeps it from being written is noted as
// above and goes no further, so the next file is still saved.
template <class Save>
void SaveDataFile(const std::filesystem::path& file, Save&& save, bool settingsFile = false) {
    try {
        save();
    } catch (const std::exception& e) {
        NoteSaveFailure(file, e, settingsFile);
    } catch (...) {
        NoteSaveFailure(file, settingsFile);
    }
}

// Writes keys of the settings file (created when missing) through
// write(ini) with the user's regional settings, then updates the file; a
// failure is noted as above, as one of the settings. A settings file the
// start could not read is left as LeaveUnreadFile says, by `data`.
template <class Write>
void SaveSettingsFile(const std::filesystem::path& file, const std::function<std::string()>& data,
                      Write&& write) {
    SaveDataFile(
        file,
        [&] {
            if (LeaveUnreadFile(file, data)) return;
            CreateIfMissing(file);
            base::IniFile ini = base::IniFile::ToUpdate(file, base::SystemFormatSettings());
            write(ini);
            ini.UpdateFile();
        },
        true);
}

// Removes the temporary files that saves of these files left when cut short.
void RemoveLeftoverTempFiles(std::initializer_list<std::filesystem::path> files);

}  // namespace core
