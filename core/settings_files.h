// Opening, creating and reporting on Horalto.ini (Windows side).
#pragma once

#include <exception>
#include <filesystem>

#include "base/ini_file.h"

namespace core {

// Creates the file empty when it is missing; false when it cannot be created.
bool EnsureFileExists(const std::filesystem::path& file);

// The settings file with the user's regional settings. A file that exists but
// cannot be read is reported ("Ошибка") and read as empty, so every default stands.
base::IniFile LoadSettingsFile(const std::filesystem::path& file);

// Tells the user once per run that the settings could not be saved.
void ReportSettingsNotSaved(const std::filesystem::path& file, const std::exception& error);
void ReportSettingsNotSaved(const std::filesystem::path& file);

}  // namespace core
