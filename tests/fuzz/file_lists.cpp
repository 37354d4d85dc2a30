// FileLists.txt: any lines load; the lists written and loaded into empty lists
// are the same lists.
#include "core/file_lists.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::size_t columns = in.IntIn(1, 4);
    base::StringList lines;
    lines.SetText(in.RestText());
    core::FileLists lists;
    lists.hotKeys = {core::GridRow(columns), core::GridRow(columns)};
    core::ApplyFileLists(lines, lists, columns);
    for (const auto& row : lists.hotKeys) FUZZ_CHECK(row.size() == columns);

    const base::StringList written = core::BuildFileLists(lists);
    core::FileLists back;
    back.hotKeys = {core::GridRow(columns), core::GridRow(columns)};
    core::ApplyFileLists(written, back, columns);
    FUZZ_CHECK(core::BuildFileLists(back) == written);
    // Items that look like a block header or hold a line break cannot be told
    // apart from the file's own lines; every other item comes back.
    auto plain = [](const std::vector<std::wstring>& items) {
        for (const auto& item : items)
            if (item.empty() || item.front() == L'[' || item.find_first_of(L"\r\n") != std::wstring::npos)
                return false;
        return true;
    };
    if (plain(lists.servers) && plain(lists.runFiles) && plain(lists.sounds) && plain(lists.pictures)) {
        FUZZ_CHECK(back.servers == lists.servers);
        FUZZ_CHECK(back.runFiles == lists.runFiles);
        FUZZ_CHECK(back.sounds == lists.sounds);
        FUZZ_CHECK(back.pictures == lists.pictures);
    }
    return 0;
}
