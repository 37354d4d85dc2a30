#include "timetext/speech/signal_sound.h"

#include <cstdint>
#include <cstring>

#include "base/text_compare.h"

namespace signals {

bool IsBuiltInSound(const std::wstring& name) {
    return name.empty() || base::SameTextLatin(name, L"Стандартный");
}

namespace {
std::uint32_t Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
}  // namespace

std::optional<int> WavDurationMs(const unsigned char* data, std::size_t size) {
    if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::uint32_t byteRate = 0;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint32_t chunkSize = Le32(data + pos + 4);
        const unsigned char* body = data + pos + 8;
        if (std::memcmp(data + pos, "fmt ", 4) == 0 && chunkSize >= 16 && pos + 8 + 16 <= size) {
            byteRate = Le32(body + 8);
        } else if (std::memcmp(data + pos, "data", 4) == 0) {
            if (byteRate == 0) return std::nullopt;
            // A data chunk cut short (or sized 0xFFFFFFFF while streaming) counts to the end.
            const std::uint64_t available = size - (pos + 8);
            const std::uint64_t bytes = chunkSize < available ? chunkSize : available;
            return static_cast<int>(bytes * 1000 / byteRate);
        }
        pos += 8 + static_cast<std::size_t>(chunkSize) + (chunkSize & 1);
    }
    return std::nullopt;
}

}  // namespace signals
