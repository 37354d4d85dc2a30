// The files a save could not write, gathered so that the user hears of each
// once a run, all of them in one message.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/codec.h"

namespace core {

struct SaveFailure {
    std::wstring file;          // as the user knows it: the full path of the data file
    std::wstring reason;        // a sentence or two
    bool settingsFile = false;  // Horalto.ini, whose failure is one of the settings
};

// Why a file could not be written, in the user's words: read-only, a full
// disk, a folder in its place, or a general failure followed by the system's
// own text.
std::wstring SaveFailureReason(base::FileFault fault, std::wstring_view systemText);
// The general failure, the system's own text (when there is one) after it.
std::wstring GeneralSaveFailure(std::wstring_view systemText);

// The message for files that could not be saved: one file with its reason
// on a line of its own, or the list of the files, each with its reason. It
// speaks of settings when only the settings file failed, else of data.
std::wstring SaveFailureMessage(const std::vector<SaveFailure>& failures);

class SaveFailures {
  public:
    // A file that failed again before its message, or that a message of
    // this run named already, is not added again.
    void Add(SaveFailure failure);
    // The message for the failures added since the last one (empty when there
    // are none); its files count as told from now on.
    std::wstring TakeMessage();

  private:
    std::vector<SaveFailure> pending_;
    std::set<std::wstring> told_;
};

}  // namespace core
