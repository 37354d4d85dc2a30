// The planner page's file chooser: the open dialog that allows several files
// at once. Every call goes through one function that tests can replace.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace planner {

// Shows the dialog (filter as "description|patterns" pairs joined by "|";
// an empty folder lets the dialog choose). The chosen files' full paths; none
// when the user cancelled.
std::vector<std::wstring> ChooseFiles(HWND owner, const std::wstring& filter, const std::wstring& initialDir);

// Replaces the dialog (tests): gets the filter and the folder, returns the files.
using ChooseFilesHandler =
    std::function<std::vector<std::wstring>(const std::wstring& filter, const std::wstring& initialDir)>;
ChooseFilesHandler SetChooseFilesHandler(ChooseFilesHandler handler);

}  // namespace planner
