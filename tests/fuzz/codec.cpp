// The Windows-1251 codec: every byte string survives a round trip through wide
// text, and wide text keeps every character the code page has ('?' for the rest).
// A data file after the UTF-8 mark is read as UTF-8 when its well-formed
// multi-byte sequences outnumber its bad bytes, each bad byte as its
// Windows-1251 character; else it is Windows-1251 that loses no byte. A data
// file after a UTF-16 mark (FF FE little-endian, FE FF big-endian) is read as
// UTF-16: a character past U+FFFF and a lone surrogate read as '?', an odd last
// byte as its Windows-1251 character; UTF-16 text without surrogates reads
// back as written. A data file without a mark is read as UTF-8 when it is
// well-formed UTF-8 throughout with at least one multi-byte sequence, else as
// Windows-1251 that loses no byte.
#include "fuzz_support.h"

namespace {

// Any code point up to U+10FFFF as UTF-8, in its shortest form.
std::string Encode(unsigned long c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Wide text (no surrogates) as UTF-8.
std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) out += Encode(static_cast<unsigned long>(ch));
    return out;
}

// The length (1 to 4) of the well-formed sequence at the start of `bytes`, 0
// when there is none: well-formed means the bytes are exactly the shortest
// encoding of a code point that is no surrogate and at most U+10FFFF.
std::size_t WellFormed(std::string_view bytes, unsigned long& code) {
    static constexpr unsigned char kLeadBits[] = {0x7F, 0x1F, 0x0F, 0x07};
    for (std::size_t length = 1; length <= 4 && length <= bytes.size(); ++length) {
        code = static_cast<unsigned char>(bytes[0]) & kLeadBits[length - 1];
        for (std::size_t j = 1; j < length; ++j)
            code = (code << 6) | (static_cast<unsigned char>(bytes[j]) & 0x3F);
        if (code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) && Encode(code) == bytes.substr(0, length))
            return length;
    }
    return 0;
}

void CheckDataText(std::string_view bytes) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string marked = mark + std::string(bytes);
    // The text read as mostly UTF-8, and the count that decides it.
    std::wstring mixed;
    std::size_t sequences = 0;
    std::size_t badBytes = 0;
    for (std::string_view rest = bytes; !rest.empty();) {
        unsigned long code = 0;
        const std::size_t length = WellFormed(rest, code);
        if (length == 0) {
            ++badBytes;
            mixed += base::FromCp1251Char(static_cast<unsigned char>(rest[0]));
            rest.remove_prefix(1);
        } else {
            if (length > 1) ++sequences;
            mixed += code > 0xFFFF ? L'?' : static_cast<wchar_t>(code);
            rest.remove_prefix(length);
        }
    }
    const bool utf8 = sequences > badBytes;
    const std::wstring text = base::DecodeDataText(marked);
    FUZZ_CHECK(text == (utf8 ? mixed : base::FromCp1251(bytes)));
    FUZZ_CHECK(base::DataBytes1251(marked) == base::ToCp1251(text));
    if (!utf8) FUZZ_CHECK(base::DataBytes1251(marked) == bytes);
    // UTF-8 throughout writes back as the same bytes (four-byte sequences read
    // as '?' and are left out of this rule).
    const bool fourByte = bytes.find_first_of("\xF0\xF1\xF2\xF3\xF4") != std::string_view::npos;
    if (utf8 && badBytes == 0 && !fourByte) FUZZ_CHECK(ToUtf8(text) == bytes);
    const bool unicodeMark = bytes.substr(0, mark.size()) == mark || bytes.substr(0, 2) == "\xFF\xFE" ||
                             bytes.substr(0, 2) == "\xFE\xFF";
    if (!unicodeMark) {
        const bool wholeUtf8 = badBytes == 0 && sequences > 0;
        FUZZ_CHECK(base::DecodeDataText(bytes) == (wholeUtf8 ? mixed : base::FromCp1251(bytes)));
        FUZZ_CHECK(base::DataBytes1251(bytes) == (wholeUtf8 ? base::ToCp1251(mixed) : std::string(bytes)));
    }
}

// The bytes after each UTF-16 mark: read unit by unit, a surrogate pair as one
// '?', any other surrogate as '?', an odd last byte as its Windows-1251 letter.
void CheckUtf16Text(std::string_view bytes) {
    for (const bool little : {true, false}) {
        const std::string marked = (little ? "\xFF\xFE" : "\xFE\xFF") + std::string(bytes);
        std::vector<unsigned> units;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const unsigned a = static_cast<unsigned char>(bytes[i]);
            const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(little ? a + 256 * b : 256 * a + b);
        }
        std::wstring expected;
        for (std::size_t i = 0; i < units.size(); ++i) {
            const bool high = units[i] >= 0xD800 && units[i] < 0xDC00;
            if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) ++i;
            expected += (units[i] >= 0xD800 && units[i] < 0xE000) ? L'?' : static_cast<wchar_t>(units[i]);
        }
        if (bytes.size() % 2 != 0) expected += base::FromCp1251Char(static_cast<unsigned char>(bytes.back()));
        const std::wstring text = base::DecodeDataText(marked);
        FUZZ_CHECK(text == expected);
        FUZZ_CHECK(base::DataBytes1251(marked) == base::ToCp1251(text));
    }
}

// Wide text (no surrogates) as UTF-16 after its mark, both byte orders.
void CheckUtf16RoundTrip(const std::wstring& text) {
    std::string little = "\xFF\xFE";
    std::string big = "\xFE\xFF";
    for (wchar_t ch : text) {
        little += static_cast<char>(ch & 0xFF);
        little += static_cast<char>((ch >> 8) & 0xFF);
        big += static_cast<char>((ch >> 8) & 0xFF);
        big += static_cast<char>(ch & 0xFF);
    }
    FUZZ_CHECK(base::DecodeDataText(little) == text);
    FUZZ_CHECK(base::DecodeDataText(big) == text);
    FUZZ_CHECK(base::DataBytes1251(little) == base::ToCp1251(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = base::FromCp1251(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(base::ToCp1251(text) == bytes);
    CheckDataText(bytes);
    CheckUtf16Text(bytes);

    // The input read as UTF-16 units: any wide text.
    std::wstring wide;
    for (std::size_t i = 0; i + 1 < size; i += 2) wide += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    const std::string encoded = base::ToCp1251(wide);
    FUZZ_CHECK(encoded.size() == wide.size());
    const std::wstring back = base::FromCp1251(encoded);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        unsigned char b = 0;
        const bool mapped = base::ToCp1251Char(wide[i], b);
        FUZZ_CHECK(back[i] == (mapped ? wide[i] : L'?'));
        if (mapped) FUZZ_CHECK(base::FromCp1251Char(b) == wide[i]);
    }
    std::wstring plain = wide;
    for (wchar_t& ch : plain)
        if (ch >= 0xD800 && ch < 0xE000) ch = L'?';
    CheckUtf16RoundTrip(plain);
    return 0;
}
