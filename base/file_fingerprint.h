// What tells one content of a file from another without keeping it: its size
// and a hash of its bytes, taken piece by piece, so that a file of any size
// costs no memory to compare with what a program read or wrote.
#pragma once

#include <cstdint>
#include <string_view>

namespace base {

struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
    // The bytes that follow those taken so far.
    void Add(std::string_view bytes);
    bool operator==(const FileFingerprint&) const = default;
};

FileFingerprint FingerprintOf(std::string_view bytes);

// A file's fingerprint is read by base::FingerprintFile (codec.h).

}  // namespace base
