// The files a save could not write, gathered so that the user hears of each
// once a run, all of them in one message.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace core {

struct SaveFailure {
    std::wstring file;    // as the user knows it: the full path
    std::wstring reason;  // may be empty
};

// The message for files that could not be saved: one file with its reason
// on a line of its own, or the list of the files, each with its reason.
std::wstring SaveFailureMessage(const std::vector<SaveFailure>& failures);

class SaveFailures {
  public:
    // A file that failed again before its message, or that a message of
    // this run named already, is not added again.
    void Add(const std::wstring& file, std::wstring reason);
    // The message for the failures added since the last one (empty when there
    // are none); its files count as told from now on.
    std::wstring TakeMessage();

  private:
    std::vector<SaveFailure> pending_;
    std::set<std::wstring> told_;
};

}  // namespace core
