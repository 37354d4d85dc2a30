// Comma text and stored multi-line values: what is written reads back the same.
#include "base/string_list.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const bool asItems = in.Bool();
    const std::wstring text = in.RestText();

    // Any text parses; its items written again read back the same items.
    base::StringList parsed;
    parsed.SetCommaText(text);
    base::StringList again;
    again.SetCommaText(parsed.CommaText());
    FUZZ_CHECK(again == parsed);

    // Any list of items (split at the unit separator) survives being written.
    if (asItems) {
        base::StringList items;
        std::wstring_view rest = text;
        for (;;) {
            const std::size_t sep = rest.find(L'\x1F');
            items.Add(std::wstring(rest.substr(0, sep)));
            if (sep == std::wstring_view::npos) break;
            rest.remove_prefix(sep + 1);
        }
        base::StringList back;
        back.SetCommaText(items.CommaText());
        FUZZ_CHECK(back == items);
    }

    // A multi-line text kept in the settings file (lines joined by CR LF, no
    // NUL, no line break at the end, as the format editor gives it) comes back
    // as it was written.
    std::wstring lines;
    for (wchar_t ch : text)
        if (ch == L'\n')
            lines += L"\r\n";
        else if (ch != L'\r' && ch != L'\0')
            lines += ch;
    while (lines.size() >= 2 && lines.ends_with(L"\r\n")) lines.resize(lines.size() - 2);
    const std::wstring stored = base::StoredTextValue(lines);
    FUZZ_CHECK(!stored.empty() && stored[0] == L'_');
    FUZZ_CHECK(base::ReadStoredTextValue(stored) == lines);
    // Whatever the first character, reading never fails.
    (void)base::ReadStoredTextValue(text);
    return 0;
}
