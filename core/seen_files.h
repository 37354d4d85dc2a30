// What this run last saw of each data file: the bytes it read at start (or
// that the file was missing then) and the bytes it last wrote, kept as their
// fingerprints. A file whose bytes are no longer those was changed by another
// program while the clock ran (another copy of the clock, an editor), and is
// kept beside before it is written over.
#pragma once

#include <filesystem>
#include <map>
#include <optional>

#include "base/file_fingerprint.h"

namespace core {

class SeenFiles {
  public:
    // What the run read or wrote: the bytes' fingerprint, nothing for a file
    // that was missing.
    void Note(const std::filesystem::path& file, std::optional<base::FileFingerprint> seen);
    // Whether the file, as it is now, is no longer what this run last saw of
    // it. A file the run never read nor wrote, one that is gone since (nothing
    // to keep), and one that cannot be read now (its write tells why it fails
    // too) count as unchanged.
    bool ChangedByAnother(const std::filesystem::path& file) const;

  private:
    std::map<std::filesystem::path, std::optional<base::FileFingerprint>> files_;
};

}  // namespace core
