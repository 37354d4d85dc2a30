// The lines of a text: CR LF, LF and CR each end a line, for wide text and
// for the bytes of a file alike.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace base {

// Where the line that begins at `pos` ends: `end` is where its line break
// begins (the text's size when no break follows), `next` where the line after
// it begins (`end` + 2 after CR LF, + 1 after a lone CR or LF).
struct LineEnd {
    std::size_t end = 0;
    std::size_t next = 0;
};
LineEnd FindLineEnd(std::wstring_view text, std::size_t pos);
LineEnd FindLineEnd(std::string_view text, std::size_t pos);

// The lines of a text without their breaks. A break at the very end ends the
// last line (no empty line follows it); an empty text has no lines.
std::vector<std::wstring_view> SplitLines(std::wstring_view text);

}  // namespace base
