// The data files that could not be saved, or read at start, gathered so that
// the user hears of each once a run, all of them in one message.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/codec.h"

namespace core {

struct FileFailure {
    std::wstring file;          // as the user knows it: the full path of the data file
    std::wstring reason;        // a sentence or two
    bool settingsFile = false;  // Horalto.ini, whose failure is one of the settings
    bool keptAsItIs = false;    // a file the start could not read, left as it is
};

// Why a file could not be written, in the user's words: read-only, a full
// disk, a folder in its place, or a general failure followed by the system's
// own text. A save that failed on reading the file it updates has the reason
// of that read.
std::wstring SaveFailureReason(base::FileFault fault, std::wstring_view systemText);
// The general failure, the system's own text (when there is one) after it.
std::wstring GeneralSaveFailure(std::wstring_view systemText);

// Why a file could not be read, in the user's words: held by another program,
// no access, a folder in its place, or a general failure followed by the
// system's own text.
std::wstring ReadFailureReason(base::FileFault fault, std::wstring_view systemText);

// The message for files that could not be saved: one file with its reason
// on a line of its own, or the list of the files, each with its reason. It
// speaks of settings when only the settings file failed, else of data.
std::wstring SaveFailureMessage(const std::vector<FileFailure>& failures);
// The same for files that could not be read; when one of them is kept as it
// is, the message ends by saying what becomes of such a file.
std::wstring ReadFailureMessage(const std::vector<FileFailure>& failures);

class FileFailures {
  public:
    using Message = std::function<std::wstring(const std::vector<FileFailure>&)>;
    explicit FileFailures(Message message) : message_(std::move(message)) {}

    // A file that failed again before its message, or that a message of
    // this run named already, is not added again.
    void Add(FileFailure failure);
    // The message for the failures added since the last one (empty when there
    // are none); its files count as told from now on.
    std::wstring TakeMessage();

  private:
    Message message_;
    std::vector<FileFailure> pending_;
    std::set<std::wstring> told_;
};

}  // namespace core
