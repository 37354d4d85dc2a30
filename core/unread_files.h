// The data files that were there at start but could not be read, for the
// saves that would write them: the program runs on its own defaults for their
// data, so a save would put those defaults in the place of what the user
// kept. Such a file is left as it is while its data stay what the start made
// of them; once the user has changed them, the old file is kept beside first
// and then written.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace core {

class UnreadFiles {
  public:
    void Add(const std::filesystem::path& file);
    bool Contains(const std::filesystem::path& file) const;
    // What stands for the file's data once the start is over.
    void SetStartData(const std::filesystem::path& file, std::string data);
    // Whether a save of the file must leave it as it is: it could not be read
    // at start, and `data` is what stood for its data then (or the start is
    // not over yet).
    bool LeaveAsItIs(const std::filesystem::path& file, std::string_view data) const;
    // The old file is kept beside: from now on the file is saved as any other.
    void Remove(const std::filesystem::path& file);

  private:
    std::map<std::filesystem::path, std::optional<std::string>> files_;
};

}  // namespace core
