// What every fuzz target shares: the input taken apart into the values a
// target needs, and a check that stops the run with the broken rule's text.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/codec.h"
#include "timetext/zone_rule.h"

// A rule that must hold for every input; a broken one aborts, so libFuzzer
// keeps the input.
#define FUZZ_CHECK(cond)                                                                 \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "%s:%d: broken rule: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

namespace fuzz {

// Reads the input front to back; once it is used up every value is zero or empty.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return bytes_.empty(); }
    std::uint8_t Byte() {
        if (bytes_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }
    bool Bool() { return Byte() & 1; }
    int Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
        return static_cast<int>(v);
    }
    // An integer in [lo, hi].
    int IntIn(int lo, int hi) {
        const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
        return lo + static_cast<int>(static_cast<std::uint32_t>(Int()) % (span == 0 ? 1u : span));
    }
    // Any double, NaN and infinities included.
    double Double() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = (v << 8) | Byte();
        double d;
        std::memcpy(&d, &v, sizeof d);
        return d;
    }
    // Bytes up to the next NUL (or the rest), as Windows-1251 text.
    std::wstring Text() {
        const std::size_t end = bytes_.find('\0');
        std::wstring text = base::FromCp1251(bytes_.substr(0, end));
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return text;
    }
    // The rest of the input as bytes, or as Windows-1251 text.
    std::string_view RestBytes() {
        std::string_view rest = bytes_;
        bytes_ = {};
        return rest;
    }
    std::wstring RestText() { return base::FromCp1251(RestBytes()); }

  private:
    std::string_view bytes_;
};

// Lines split at LF (a CR before it dropped), as the program's list files are read.
inline std::vector<std::wstring> Lines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    while (!text.empty()) {
        std::size_t end = text.find(L'\n');
        std::wstring_view line = text.substr(0, end);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// A yearly or dated zone transition, its fields a little beyond their ranges.
inline timetext::ZoneTransition ZoneTransitionFrom(Input& in) {
    timetext::ZoneTransition t;
    t.year = in.IntIn(-2, 10000);
    t.month = in.IntIn(-2, 14);
    t.dayOfWeek = in.IntIn(-2, 8);
    t.day = in.IntIn(-2, 40);
    t.hour = in.IntIn(-2, 25);
    t.minute = in.IntIn(-2, 61);
    return t;
}

}  // namespace fuzz
