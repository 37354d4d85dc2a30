// The file-open dialog: a filter of description|patterns pairs
// ("Курсоры (*.cur;*.ani)|*.cur;*.ani"), a start folder and a file name.
// Every dialog goes through one function that tests can replace.
#pragma once

#include <functional>
#include <string>

#include "ui/component.h"

namespace ui {

class OpenDialog : public Component {
  public:
    explicit OpenDialog(Form* owner, std::wstring name = {});

    std::wstring Filter;  // pairs of description|patterns, separated by "|"
    int FilterIndex = 1;  // 1-based: 1 is the filter's first pair
    std::wstring InitialDir;
    std::wstring FileName;  // in: the proposed file; out: the chosen full path
    std::wstring Title;
    std::wstring DefaultExt;
    bool FileMustExist = true;

    // Shows the dialog; true and FileName set when the user chose a file.
    bool Execute();
};

// Replaces the real dialog (tests): gets the dialog, sets FileName, returns OK.
using FileDialogHandler = std::function<bool(OpenDialog& dialog)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

}  // namespace ui
