// A stand-in for the two windows' controls: every named home of the key table
// bound to a value in a map, starting at the table's default.
#pragma once

#include <map>
#include <string>

#include "core/settings_io.h"

namespace core_test {

struct FakeHomes {
    std::map<std::wstring, core::SettingValue> values;
    std::map<std::wstring, bool> writable;  // a home mapped to false gives no value to write
    core::SettingHomes homes;

    FakeHomes() {
        for (const core::SettingKey& key : core::SettingKeys()) {
            if (key.IsField()) continue;
            const std::wstring home(key.home);
            values[home] = key.def;
            homes.Bind(
                home,
                [this, home]() -> std::optional<core::SettingValue> {
                    auto w = writable.find(home);
                    if (w != writable.end() && !w->second) return std::nullopt;
                    return values.at(home);
                },
                [this, home](const core::SettingValue& v) { values[home] = v; });
        }
    }
    FakeHomes(const FakeHomes&) = delete;
    FakeHomes& operator=(const FakeHomes&) = delete;
};

// Everything a reader or writer needs, in one place.
struct Store {
    core::HoraltoSettings settings;
    FakeHomes fake;
    base::StringList skinNames{L"Нет", L"Стандартная", L"Обратная", L"Трей"};
    base::StringList skinFiles{L"|", L"|", L"|", L"|"};
    base::StringList formatNames{L"Основной", L"Время", L"Время работы", L"Расширенный", L"События"};
    base::StringList formatTexts{L"\"<d mmmm ddd>\"", L"<tt>", L"\"Работал W<%dtt>\"", L"<c>", L"<LA>"};
    std::vector<std::wstring> afterReadLog;
    bool wallpaperIsUsers = false;
    bool wallpaperFileExists = true;
    int wallpaperDraws = 0;
    int formatComboUpdates = 0;

    core::SettingsBinding Binding() {
        core::SettingsBinding b;
        b.settings = &settings;
        b.homes = &fake.homes;
        b.skinNames = &skinNames;
        b.skinFiles = &skinFiles;
        b.formatNames = &formatNames;
        b.formatTexts = &formatTexts;
        b.afterRead = [this](const core::SettingKey& key) {
            afterReadLog.push_back(std::wstring(core::SectionName(key.section)) + L"." +
                                   std::wstring(key.name));
        };
        b.readWallpaperSettings = [this] { return wallpaperIsUsers; };
        b.fileExists = [this](const std::wstring&) { return wallpaperFileExists; };
        b.drawWallpaper = [this] { ++wallpaperDraws; };
        b.updateFormatCombos = [this] { ++formatComboUpdates; };
        b.currentYear = 2024;
        return b;
    }
    core::SettingValue& Home(const wchar_t* name) { return fake.values.at(name); }
};

}  // namespace core_test
