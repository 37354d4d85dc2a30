#include "core/unread_files.h"

namespace core {

void UnreadFiles::Add(const std::filesystem::path& file) {
    files_.emplace(file, std::nullopt);
}

bool UnreadFiles::Contains(const std::filesystem::path& file) const {
    return files_.count(file) != 0;
}

void UnreadFiles::SetStartData(const std::filesystem::path& file, std::string data) {
    if (auto it = files_.find(file); it != files_.end()) it->second = std::move(data);
}

bool UnreadFiles::LeaveAsItIs(const std::filesystem::path& file, std::string_view data) const {
    const auto it = files_.find(file);
    if (it == files_.end()) return false;
    return !it->second || *it->second == data;
}

void UnreadFiles::Remove(const std::filesystem::path& file) {
    files_.erase(file);
}

}  // namespace core
