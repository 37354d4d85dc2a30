#include "base/text_start.h"

#include "base/text_lines.h"

namespace base {

std::wstring_view LeadingLines(std::wstring_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    // A line break right after the first `limit` characters still ends a whole line.
    const std::wstring_view start = text.substr(0, limit + 1);
    std::size_t cut = 0;
    for (LineEnd line = FindLineEnd(start, 0); line.end < start.size(); line = FindLineEnd(start, line.next))
        cut = line.end;
    if (cut > 0) return text.substr(0, cut);
    cut = limit;
    if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    return text.substr(0, cut);
}

std::wstring_view FirstLines(std::wstring_view text, int count) {
    std::size_t pos = 0;
    for (int line = 0; line < count; ++line) {
        const LineEnd end = FindLineEnd(text, pos);
        if (end.end == text.size()) return text;
        if (line + 1 == count) return text.substr(0, end.end);
        pos = end.next;
    }
    return text.substr(0, 0);
}

}  // namespace base
