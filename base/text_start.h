// The start of a long text, shown in place of the whole where showing all of
// it would cost too much.
#pragma once

#include <cstddef>
#include <string_view>

namespace base {

// The whole text when it has at most `limit` characters. Else its leading
// whole lines that fit into `limit` characters (without the line break after
// them; CR LF, LF and CR each end a line), or, when that would be nothing,
// its first `limit` characters (one less when that would split a
// surrogate pair).
std::wstring_view LeadingLines(std::wstring_view text, std::size_t limit);

// The first `count` lines of the text (without the line break after the last
// of them); the whole text when it has no more lines. CR LF, LF and CR each
// end a line.
std::wstring_view FirstLines(std::wstring_view text, int count);

}  // namespace base
