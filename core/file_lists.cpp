#include "core/file_lists.h"

#include <algorithm>

#include "base/conversions.h"

namespace core {

std::vector<std::wstring> SplitTabCells(std::wstring_view line) {
    std::vector<std::wstring> cells;
    std::size_t start = 0;
    for (std::size_t tab = line.find(L'\t'); tab != std::wstring_view::npos; tab = line.find(L'\t', start)) {
        cells.emplace_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    return cells;
}

std::wstring JoinTabCells(const GridRow& row, std::size_t firstColumn) {
    std::wstring line;
    for (std::size_t c = firstColumn; c < row.size(); ++c) {
        line += row[c];
        line += L'\t';
    }
    return line;
}

namespace {

const wchar_t* const kServers = L"[Servers]";
const wchar_t* const kRunFiles = L"[RunFiles]";
const wchar_t* const kSounds = L"[Sounds]";
const wchar_t* const kPictures = L"[Pictures]";
const wchar_t* const kHotKeys = L"[HotKeys]";

bool HotKeyCellFilled(const GridRows& grid) {
    return grid.size() > 1 && !grid[1].empty() && !grid[1][0].empty();
}

void AddBlock(base::StringList& out, const wchar_t* header, const std::vector<std::wstring>& items) {
    if (items.empty()) return;
    out.Add(header);
    for (const auto& item : items) out.Add(item);
}

}  // namespace

bool IsStorableServerName(std::wstring_view name) {
    return !base::Trim(name).empty() && name.front() != L'[';
}

base::StringList BuildFileLists(const FileLists& lists) {
    base::StringList out;
    AddBlock(out, kServers, lists.servers);
    AddBlock(out, kRunFiles, lists.runFiles);
    AddBlock(out, kSounds, lists.sounds);
    AddBlock(out, kPictures, lists.pictures);
    if (HotKeyCellFilled(lists.hotKeys)) {
        out.Add(kHotKeys);
        for (std::size_t r = 1; r < lists.hotKeys.size(); ++r) out.Add(JoinTabCells(lists.hotKeys[r]));
    }
    return out;
}

void ApplyFileLists(const base::StringList& lines, FileLists& lists, std::size_t hotKeyColumns) {
    enum class Block { None, Servers, RunFiles, Sounds, Pictures, HotKeys };
    Block block = Block::None;
    for (const std::wstring& line : lines) {
        if (!line.empty() && line[0] == L'[') {
            if (line == kServers) {
                block = Block::Servers;
                lists.servers.clear();
                continue;
            }
            if (line == kRunFiles) {
                block = Block::RunFiles;
                continue;
            }
            if (line == kSounds) {
                block = Block::Sounds;
                continue;
            }
            if (line == kPictures) {
                block = Block::Pictures;
                continue;
            }
            if (line == kHotKeys) {
                block = Block::HotKeys;
                continue;
            }
        }
        switch (block) {
            case Block::None:
                break;
            case Block::Servers:
                lists.servers.push_back(line);
                break;
            case Block::RunFiles:
                lists.runFiles.push_back(line);
                break;
            case Block::Sounds:
                lists.sounds.push_back(line);
                break;
            case Block::Pictures:
                lists.pictures.push_back(line);
                break;
            case Block::HotKeys: {
                GridRows& grid = lists.hotKeys;
                while (grid.size() < 2) grid.emplace_back(hotKeyColumns);
                if (HotKeyCellFilled(grid)) grid.emplace_back(hotKeyColumns);
                GridRow& row = grid.back();
                row.resize(std::max(row.size(), hotKeyColumns));
                const auto cells = SplitTabCells(line);
                for (std::size_t c = 0; c < cells.size() && c < hotKeyColumns; ++c) row[c] = cells[c];
                break;
            }
        }
    }
}

}  // namespace core
