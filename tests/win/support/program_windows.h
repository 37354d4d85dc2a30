// The program's own two windows (the main window and the settings window)
// made inside a test process, as the program's start makes them, with their
// data files in a scratch folder.
#pragma once

#include <filesystem>

namespace testing_support {

// Resets the program's globals as its start does and puts its data files
// (Horalto.ini, the work log, the file lists, the task list) into `folder`.
void UseDataFolder(const std::filesystem::path& folder);

// Makes the main window and then the settings window, as the program's start does.
void CreateProgramWindows();

// Frees every form (the settings window writes its settings as it goes) and
// clears the pointers to the two windows.
void DestroyProgramWindows();

// Closes the main window the way the user does (its close query writes the
// settings file), frees every form and makes both windows again from the files.
void RestartProgramWindows();

}  // namespace testing_support
