// The skin catalogue's rules that need no window: the form in which a skin
// file is catalogued, the free name for a clashing skin, the rename of its
// section in the skin file, and adding the sections of a file to the
// catalogue's two parallel lists (names and files).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"

namespace base {
class IniFile;
}

namespace face {

// Catalogue entries 0 to 3 are built in and can be neither removed nor edited.
inline constexpr int kFirstUserSkin = 4;

// A file inside the program's folder (its first characters equal the folder,
// trailing separator included, ignoring the case of Latin letters) is kept
// relative to it; any other by its full path.
std::wstring CatalogueFileName(std::wstring_view file, std::wstring_view programFolder);

// name followed by the smallest whole number from 1 up that equals no
// catalogue name and none of `alsoTaken` (the skin file's own sections),
// ignoring Latin and Cyrillic case: "Часы" -> "Часы1".
std::wstring FreeSkinName(const base::StringList& names, std::wstring_view name,
                          const std::vector<std::wstring>& alsoTaken = {});

// The file's text with the first line that is the header of section `name`
// (as the INI reader sees it: "[", the name, "]", blanks around ignored, case
// of Latin and Cyrillic letters ignored) replaced by "[newName]". Every other
// character stays as it was, line breaks included. Nothing when the file has
// no such header line.
std::optional<std::wstring> RenameSkinSection(std::wstring_view fileText, std::wstring_view name,
                                              std::wstring_view newName);

// The sections of a skin file to add, in file order; none when no section
// holds a key a skin is read from (a file of something else, random bytes
// included, is no skin file).
std::vector<std::wstring> SkinFileSections(const base::IniFile& ini);

// How a skin file is read and written back while its sections are added.
struct SkinFileAccess {
    // The whole text; nothing when the file cannot be read.
    std::function<std::optional<std::wstring>()> read;
    // Replaces the whole text; false when the file cannot be written.
    std::function<bool(const std::wstring&)> write;
};

struct AddedSkins {
    std::vector<std::wstring> added;    // names appended to the catalogue, in order
    std::vector<std::wstring> refused;  // names (as in the file) whose clash could not be resolved
    // Names the settings file could not keep as they are (core::IsStorableNewKeyName): left out.
    std::vector<std::wstring> unstorable;
};

// The message for a skin left out because of its name.
std::wstring UnstorableSkinNameMessage(std::wstring_view name);

// Adds the sections (names in file order) of the skin file catalogued as
// `file` to the parallel lists. A section whose name the settings file could
// not keep as it is (as a key of its section "Skins") is left out. Names are
// compared ignoring Latin and
// Cyrillic case. A section already catalogued from that file is skipped; one
// whose name is catalogued from another file is renamed in the file to a name
// free in the catalogue and among the file's sections (a file that cannot be
// read or written back refuses that section). Names appended earlier count
// for the sections after them.
AddedSkins AddSkinSections(base::StringList& names, base::StringList& files,
                           const std::vector<std::wstring>& sections, const std::wstring& file,
                           const SkinFileAccess& access);

// The selection left after removing entry `index` from a catalogue that now
// holds `countAfter` entries: the entry that took its place, or the one before
// it when the removed entry was one of the last two.
int SelectionAfterRemoval(int index, int countAfter);

}  // namespace face
