// Opening, creating and reporting on Horalto.ini (Windows side).
#pragma once

#include <exception>
#include <filesystem>
#include <initializer_list>

#include "base/codec.h"
#include "base/ini_file.h"

namespace core {

// Creates the file empty when it is missing; false when it cannot be created.
bool EnsureFileExists(const std::filesystem::path& file);

// The settings file with the user's regional settings. A file that exists but
// cannot be read is reported ("Ошибка") and read as empty, so every default stands.
base::IniFile LoadSettingsFile(const std::filesystem::path& file);

// Tells the user once per run and file that the settings could not be saved.
void ReportSettingsNotSaved(const std::filesystem::path& file, const std::exception& error);
void ReportSettingsNotSaved(const std::filesystem::path& file);

// Runs a save of a data file; a file left alone because it is read-only is
// reported as above, any other failure goes on to the caller.
template <class Save>
void SaveDataFile(const std::filesystem::path& file, Save&& save) {
    try {
        save();
    } catch (const base::ReadOnlyFileError& e) {
        ReportSettingsNotSaved(file, e);
    }
}

// Removes the temporary files that saves of these files left when cut short.
void RemoveLeftoverTempFiles(std::initializer_list<std::filesystem::path> files);

}  // namespace core
