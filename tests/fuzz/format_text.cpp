// Named text formats: a stored comma text, once shown in the editor and stored,
// stays as it is; the wallpaper placement read from the registry
// texts is one the program knows.
#include "face/wallpaper_rules.h"
#include "options/format_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::wstring style = in.Text();
    const std::wstring tile = in.Text();
    const std::wstring comma = in.RestText();

    const std::wstring memo = options::FormatTextOfCommaText(comma);
    const std::wstring stored = options::CommaTextOfFormatText(memo);
    const std::wstring again = options::FormatTextOfCommaText(stored);
    // Lines past the last non-empty one are not kept apart by a memo's text.
    auto body = [](std::wstring t) {
        while (!t.empty() && (t.back() == L'\r' || t.back() == L'\n')) t.pop_back();
        return t;
    };
    FUZZ_CHECK(body(again) == body(options::FormatTextOfCommaText(options::CommaTextOfFormatText(again))));

    const int placement = face::WallpaperPlacementFromRegistry(style, tile);
    FUZZ_CHECK(placement >= 0 && placement <= 4);
    (void)face::RegistryValuesOfPlacement(placement);
    return 0;
}
