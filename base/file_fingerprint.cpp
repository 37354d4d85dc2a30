#include "base/file_fingerprint.h"

#include <chrono>

#include "base/codec.h"
#include "base/file_system.h"

namespace base {

void FileFingerprint::Add(std::string_view bytes) {
    size += bytes.size();
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
}

FileFingerprint FingerprintOf(std::string_view bytes) {
    FileFingerprint print;
    print.Add(bytes);
    return print;
}

std::optional<FileFingerprint> FingerprintFile(const std::filesystem::path& path) {
    Patience patience(std::chrono::seconds(1));
    for (;;) {
        FileFingerprint print;
        const auto failure =
            file_system::ReadFileInPieces(path, [&](std::string_view piece) { print.Add(piece); });
        if (!failure) return print;
        if (failure->fault == FileFault::Missing) return std::nullopt;
        if (failure->fault == FileFault::Folder || !patience.WaitAgain()) {
            const auto u8 = path.u8string();
            throw FileError("Cannot read file " + std::string(u8.begin(), u8.end()), failure->fault,
                            failure->systemText);
        }
    }
}

}  // namespace base
