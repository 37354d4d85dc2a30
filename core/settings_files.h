// Opening, creating and reporting on Horalto.ini (Windows side).
#pragma once

#include <exception>
#include <filesystem>
#include <initializer_list>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"

namespace core {

// Creates the file empty when it is missing. Throws base::FileError when it
// cannot be created, a folder in its place among the reasons.
void CreateIfMissing(const std::filesystem::path& file);

// The settings file with the user's regional settings. A file that exists but
// cannot be read is reported ("Ошибка") and read as empty, so every default stands.
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
// failure is noted as above, as one of the settings.
template <class Write>
void SaveSettingsFile(const std::filesystem::path& file, Write&& write) {
    SaveDataFile(
        file,
        [&] {
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
