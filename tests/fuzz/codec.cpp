// The Windows-1251 codec: every byte string survives a round trip through wide
// text, and wide text keeps every character the code page has ('?' for the rest).
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = base::FromCp1251(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(base::ToCp1251(text) == bytes);

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
