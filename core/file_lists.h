// FileLists.txt beside the program: the server, program, sound and picture
// lists and the hot keys, as lines of text (the caller loads and saves them
// through base::StringList). Grids are rows of cells, row 0 the header.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/string_list.h"

namespace core {

using GridRow = std::vector<std::wstring>;
using GridRows = std::vector<GridRow>;

// The cells of a TAB-terminated line: the text before each TAB; text after
// the last TAB is dropped.
std::vector<std::wstring> SplitTabCells(std::wstring_view line);
// Every cell followed by a TAB.
std::wstring JoinTabCells(const GridRow& row, std::size_t firstColumn = 0);

// ---- FileLists.txt
struct FileLists {
    std::vector<std::wstring> servers;   // the items of cmbHost
    std::vector<std::wstring> runFiles;  // clbFilesList
    std::vector<std::wstring> sounds;    // clbSoundsList
    std::vector<std::wstring> pictures;  // lsbPicturesList
    GridRows hotKeys;                    // stgHotKeysList, header row included
};

// A server name the "[Servers]" block keeps as a server: not blank (blanks
// and control characters only) and not beginning with "[", which would read
// back as a block's header. Names read from the file are not held to this.
bool IsStorableServerName(std::wstring_view name);

// Blocks in the fixed order "[Servers]", "[RunFiles]", "[Sounds]",
// "[Pictures]", "[HotKeys]"; each only when its list is not empty (the hot keys
// when cell (0, 1) is not empty).
base::StringList BuildFileLists(const FileLists& lists);

// Applies the lines as the settings window's load does: "[Servers]" replaces
// the server list, the other blocks append; each hot-key line fills the
// grid's last row (a row is added first when cell (0, 1) is already filled).
// `hotKeyColumns` is the grid's column count (extra cells are dropped).
void ApplyFileLists(const base::StringList& lines, FileLists& lists, std::size_t hotKeyColumns = 3);

}  // namespace core
