// Hot-key texts of FileLists.txt: a key combination written as text reads back
// as the same combination; any text reads as a combination or as none.
#include "core/hot_key_text.h"
#include "core/settings_keys.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const core::ShortCut shortCut = static_cast<core::ShortCut>(in.Byte() << 8 | in.Byte());
    const std::wstring text = core::ShortCutToText(shortCut);
    const core::ShortCut known =
        shortCut & (core::kShortCutShift | core::kShortCutCtrl | core::kShortCutAlt | 0xFF);
    if (!text.empty()) FUZZ_CHECK(core::TextToShortCut(text) == known);

    const std::wstring any = in.RestText();
    const core::ShortCut read = core::TextToShortCut(any);
    if (read != 0) FUZZ_CHECK(core::TextToShortCut(core::ShortCutToText(read)) == read);
    const unsigned modifiers = core::HotKeyModifiers(read);
    FUZZ_CHECK(modifiers <= 7);
    if (const auto action = core::ParseActionNumber(any)) FUZZ_CHECK(core::IsActionNumber(*action));
    return 0;
}
