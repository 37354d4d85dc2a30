#include "base/codec.h"

#include <algorithm>
#include <array>
#include <optional>
#include <system_error>
#include <utility>

namespace base {
namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F, 0x00..0x7F are ASCII.
constexpr std::array<wchar_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Length of the well-formed UTF-8 sequence at the start of `bytes` (1 to 4),
// or 0 when there is none: no lone continuation byte, no sequence cut short,
// no overlong form, no surrogate, nothing past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view bytes, unsigned long& code) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 1;
    unsigned long least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    for (std::size_t j = 1; j < length; ++j) {
        const auto next = static_cast<unsigned char>(bytes[j]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// The text after the UTF-8 mark when it is mostly UTF-8: its well-formed
// multi-byte sequences outnumber the bytes that begin none (a stray byte, a
// sequence cut short), each of which reads as its Windows-1251 character.
// Characters past U+FFFF do not fit Windows' wide characters and cannot be
// written in Windows-1251 either: they become '?'. A file that some tool gave
// the mark but left in Windows-1251 has no well-formed sequence, or few.
std::optional<std::wstring> Utf8Text(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) != kUtf8Mark) return std::nullopt;
    bytes.remove_prefix(kUtf8Mark.size());
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t sequences = 0;
    std::size_t badBytes = 0;
    unsigned long code = 0;
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes, code);
        if (length == 0) {
            ++badBytes;
            text.push_back(FromCp1251Char(static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        if (length > 1) ++sequences;
        text.push_back(code > 0xFFFF ? L'?' : static_cast<wchar_t>(code));
        bytes.remove_prefix(length);
    }
    if (sequences <= badBytes) return std::nullopt;
    return text;
}

// The text after a UTF-16 mark: FF FE for little-endian units (Notepad's
// "Unicode"), FE FF for big-endian ones. A pair of surrogates (a character
// past U+FFFF, which Windows-1251 cannot write) reads as one '?', a surrogate
// without its partner as '?' too, and an odd last byte as its Windows-1251
// character.
std::optional<std::wstring> Utf16Text(std::string_view bytes) {
    const bool little = bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark;
    if (!little && bytes.substr(0, kUtf16BeMark.size()) != kUtf16BeMark) return std::nullopt;
    bytes.remove_prefix(kUtf16LeMark.size());
    const auto unitAt = [&](std::size_t at) -> unsigned {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return little ? first | (second << 8) : (first << 8) | second;
    };
    const auto isHigh = [](unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::wstring text;
    text.reserve(bytes.size() / 2 + 1);
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const unsigned unit = unitAt(at);
        if (isHigh(unit) || isLow(unit)) {
            if (isHigh(unit) && at + 3 < bytes.size() && isLow(unitAt(at + 2))) at += 2;
            text.push_back(L'?');
        } else {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    if (at < bytes.size()) text.push_back(FromCp1251Char(static_cast<unsigned char>(bytes[at])));
    return text;
}

// The text of bytes without a mark that are well-formed UTF-8 from the first
// to the last and hold at least one multi-byte sequence: Notepad's "UTF-8",
// which it saves without the mark. Russian text in Windows-1251 practically
// never is (most of its letters would have to be followed by the right
// number of bytes of 80 to BF), nor is ASCII text, which reads the same
// either way. Characters past U+FFFF become '?', as after the mark.
std::optional<std::wstring> UnmarkedUtf8Text(std::string_view bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::nullopt;
    std::wstring text;
    text.reserve(bytes.size());
    unsigned long code = 0;
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes, code);
        if (length == 0) return std::nullopt;
        text.push_back(code > 0xFFFF ? L'?' : static_cast<wchar_t>(code));
        bytes.remove_prefix(length);
    }
    return text;
}

// The text of a data file that is Unicode: UTF-16 after its mark, mostly
// UTF-8 after its mark, or UTF-8 throughout without a mark.
std::optional<std::wstring> UnicodeText(std::string_view bytes) {
    if (auto utf16 = Utf16Text(bytes)) return utf16;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) return Utf8Text(bytes);
    return UnmarkedUtf8Text(bytes);
}

// The bytes without a leading UTF-8 mark.
std::string_view WithoutMark(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
    return bytes;
}

}  // namespace

wchar_t FromCp1251Char(unsigned char byte) {
    if (byte < 0x80) return static_cast<wchar_t>(byte);
    if (byte >= 0xC0) return static_cast<wchar_t>(0x0410 + (byte - 0xC0));
    return kHigh[byte - 0x80];
}

bool ToCp1251Char(wchar_t ch, unsigned char& byte) {
    const auto code = static_cast<unsigned long>(ch);
    if (code < 0x80) {
        byte = static_cast<unsigned char>(code);
        return true;
    }
    if (code >= 0x0410 && code <= 0x044F) {
        byte = static_cast<unsigned char>(0xC0 + (code - 0x0410));
        return true;
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (static_cast<unsigned long>(kHigh[i]) == code) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool FitsCp1251(std::wstring_view text) {
    unsigned char byte = 0;
    for (wchar_t ch : text)
        if (!ToCp1251Char(ch, byte)) return false;
    return true;
}

std::wstring FromCp1251(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) text.push_back(FromCp1251Char(static_cast<unsigned char>(c)));
    return text;
}

std::string ToCp1251(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t ch : text) {
        unsigned char byte = '?';
        ToCp1251Char(ch, byte);
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

std::wstring DecodeDataText(std::string_view bytes) {
    if (auto unicode = UnicodeText(bytes)) return std::move(*unicode);
    return FromCp1251(WithoutMark(bytes));
}

std::string DataBytes1251(std::string_view bytes) {
    if (const auto unicode = UnicodeText(bytes)) return ToCp1251(*unicode);
    return std::string(WithoutMark(bytes));
}

std::wstring ReadTextFile1251(const std::filesystem::path& path) {
    return DecodeDataText(ReadFileBytes(path));
}

void WriteTextFile1251(const std::filesystem::path& path, std::wstring_view text) {
    WriteFileBytes(path, ToCp1251(text));
}

}  // namespace base
