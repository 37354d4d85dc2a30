#include "base/text_start.h"

namespace base {

std::wstring_view LeadingLines(std::wstring_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    // A line break right after the first `limit` characters still ends a whole line.
    std::size_t cut = text.find_last_of(L"\r\n", limit);
    if (cut != std::wstring_view::npos && cut > 0 && text[cut] == L'\n' && text[cut - 1] == L'\r') --cut;
    if (cut != std::wstring_view::npos && cut > 0) return text.substr(0, cut);
    cut = limit;
    if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    return text.substr(0, cut);
}

std::wstring_view FirstLines(std::wstring_view text, int count) {
    std::size_t pos = 0;
    for (int line = 0; line < count; ++line) {
        const std::size_t end = text.find_first_of(L"\r\n", pos);
        if (end == std::wstring_view::npos) return text;
        if (line + 1 == count) return text.substr(0, end);
        pos = end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
    }
    return text.substr(0, 0);
}

}  // namespace base
