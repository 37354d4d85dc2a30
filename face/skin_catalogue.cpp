#include "face/skin_catalogue.h"

#include "base/ini_file.h"
#include "base/text_compare.h"
#include "base/text_lines.h"
#include "core/settings_keys.h"
#include "face/skin_description.h"

namespace face {

std::wstring CatalogueFileName(std::wstring_view file, std::wstring_view programFolder) {
    if (!programFolder.empty() && file.size() >= programFolder.size() &&
        base::SameTextLatin(file.substr(0, programFolder.size()), programFolder))
        return std::wstring(file.substr(programFolder.size()));
    return std::wstring(file);
}

std::wstring FreeSkinName(const base::StringList& names, std::wstring_view name,
                          const std::vector<std::wstring>& alsoTaken) {
    const auto taken = [&](const std::wstring& candidate) {
        if (names.IndexOf(candidate) >= 0) return true;
        for (const std::wstring& other : alsoTaken)
            if (base::SameTextAnsi(other, candidate)) return true;
        return false;
    };
    for (long long k = 1;; ++k) {
        std::wstring candidate = std::wstring(name) + std::to_wstring(k);
        if (!taken(candidate)) return candidate;
    }
}

std::optional<std::wstring> RenameSkinSection(std::wstring_view fileText, std::wstring_view name,
                                              std::wstring_view newName) {
    for (std::size_t pos = 0; pos < fileText.size();) {
        const base::LineEnd line = base::FindLineEnd(fileText, pos);
        const auto header = base::IniHeaderName(fileText.substr(pos, line.end - pos));
        if (header && base::SameTextAnsi(*header, name)) {
            std::wstring result(fileText.substr(0, pos));
            result += L'[';
            result += newName;
            result += L']';
            result += fileText.substr(line.end);
            return result;
        }
        pos = line.next;
    }
    return std::nullopt;
}

std::vector<std::wstring> SkinFileSections(const base::IniFile& ini) {
    const base::StringList sections = ini.ReadSections();
    for (const std::wstring& section : sections)
        for (const std::wstring& key : ini.ReadSection(section))
            if (IsSkinKey(key)) return sections.Items();
    return {};
}

std::wstring UnstorableSkinNameMessage(std::wstring_view name) {
    return L"Не удается добавить шкуру \"" + std::wstring(name) + L"\". Имя шкуры " +
           std::wstring(core::kStorableNameRule) + L" или быть пустым.";
}

AddedSkins AddSkinSections(base::StringList& names, base::StringList& files,
                           const std::vector<std::wstring>& sections, const std::wstring& file,
                           const SkinFileAccess& access) {
    AddedSkins result;
    // The file's section names as they stand, renames included: a new name
    // must be free among them too, or the file would end with two sections of
    // one name.
    std::vector<std::wstring> fileNames = sections;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::wstring& section = sections[i];
        if (!core::IsStorableNewKeyName(section)) {
            result.unstorable.push_back(section);
            continue;
        }
        std::wstring name = section;
        bool skip = false;
        for (int j = 0; j < names.Count(); ++j) {
            // Names are keys of the settings file, whose keys fold Latin and
            // Cyrillic case alike.
            if (!base::SameTextAnsi(names[j], name)) continue;
            if (j < files.Count() && base::SameTextLatin(files[j], file)) {
                skip = true;  // already catalogued from this very file
                break;
            }
            // The name belongs to a skin of another file: this one is renamed.
            const std::wstring freeName = FreeSkinName(names, name, fileNames);
            const std::optional<std::wstring> text = access.read ? access.read() : std::nullopt;
            if (!text) {
                result.refused.push_back(section);
                skip = true;
                break;
            }
            const std::optional<std::wstring> renamed = RenameSkinSection(*text, name, freeName);
            if (!access.write || !access.write(renamed ? *renamed : *text)) {
                result.refused.push_back(section);
                skip = true;
                break;
            }
            // Without its header line the section keeps its clashing name.
            if (renamed) name = fileNames[i] = freeName;
            break;
        }
        if (skip) continue;
        names.Add(name);
        files.Add(file);
        result.added.push_back(name);
    }
    return result;
}

int SelectionAfterRemoval(int index, int countAfter) {
    if (index >= countAfter - 1) --index;
    return index;
}

}  // namespace face
