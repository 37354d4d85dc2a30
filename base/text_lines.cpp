#include "base/text_lines.h"

namespace base {
namespace {

template <typename Char>
LineEnd FindLineEndIn(std::basic_string_view<Char> text, std::size_t pos) {
    constexpr Char kBreaks[] = {Char('\r'), Char('\n'), Char(0)};
    const std::size_t end = text.find_first_of(kBreaks, pos);
    if (end == std::basic_string_view<Char>::npos) return {text.size(), text.size()};
    const bool crLf = text[end] == Char('\r') && end + 1 < text.size() && text[end + 1] == Char('\n');
    return {end, end + (crLf ? 2 : 1)};
}

}  // namespace

LineEnd FindLineEnd(std::wstring_view text, std::size_t pos) {
    return FindLineEndIn(text, pos);
}

LineEnd FindLineEnd(std::string_view text, std::size_t pos) {
    return FindLineEndIn(text, pos);
}

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        const LineEnd line = FindLineEnd(text, pos);
        lines.push_back(text.substr(pos, line.end - pos));
        pos = line.next;
    }
    return lines;
}

}  // namespace base
