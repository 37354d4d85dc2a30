#include "base/file_fingerprint.h"

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

}  // namespace base
