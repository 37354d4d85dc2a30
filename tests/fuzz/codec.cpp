// The Windows-1251 codec: every byte string survives a round trip through wide
// text, and wide text keeps every character the code page has ('?' for the rest).
// A data file after the UTF-8 mark is either UTF-8 that encodes back to the same
// bytes, or Windows-1251 that loses no byte.
#include "fuzz_support.h"

namespace {

// Wide text (no surrogates) as UTF-8.
std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) {
        const auto c = static_cast<unsigned long>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void CheckDataText(std::string_view bytes) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string marked = mark + std::string(bytes);
    const std::wstring text = base::DecodeDataText(marked);
    FUZZ_CHECK(base::DataBytes1251(marked) == base::ToCp1251(text));
    if (text != base::FromCp1251(bytes)) {
        // Read as UTF-8: it writes back as the same bytes (four-byte
        // sequences read as '?' and are left out of this rule).
        const bool fourByte = bytes.find_first_of("\xF0\xF1\xF2\xF3\xF4") != std::string_view::npos;
        if (!fourByte) FUZZ_CHECK(ToUtf8(text) == bytes);
    } else {
        FUZZ_CHECK(base::DataBytes1251(marked) == bytes);
    }
    if (bytes.substr(0, mark.size()) != mark) {
        FUZZ_CHECK(base::DecodeDataText(bytes) == base::FromCp1251(bytes));
        FUZZ_CHECK(base::DataBytes1251(bytes) == bytes);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = base::FromCp1251(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(base::ToCp1251(text) == bytes);
    CheckDataText(bytes);

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
    return 0;
}
