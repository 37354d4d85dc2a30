#include "core/seen_files.h"

#include "base/codec.h"

namespace core {

void SeenFiles::Note(const std::filesystem::path& file, std::optional<base::FileFingerprint> seen) {
    files_[file] = seen;
}

bool SeenFiles::ChangedByAnother(const std::filesystem::path& file) const {
    const auto it = files_.find(file);
    if (it == files_.end()) return false;
    std::optional<base::FileFingerprint> now;
    try {
        now = base::FingerprintFile(file);
    } catch (const base::FileError&) {
        return false;
    }
    return now && now != it->second;
}

}  // namespace core
