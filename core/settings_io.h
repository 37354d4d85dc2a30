// Reading and writing Horalto.ini by the key table of settings_keys.h.
//
// R1: the main window's reader (its FormCreate), R2: the settings window's
// reader (its FormCreate), W1: the closing writer (the main window's close
// query), W2: the settings window's writer (its FormDestroy). Each runs over
// one base::IniFile; the caller creates, loads and saves the file.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/settings_keys.h"

namespace core {

// The named homes of the keys (controls, actions, form properties,
// program-wide values): each bound to a getter and a setter at run time. A
// getter that returns no value makes the writers skip the key (the speech
// engine keys while no voice list exists).
class SettingHomes {
  public:
    using Getter = std::function<std::optional<SettingValue>()>;
    using Setter = std::function<void(const SettingValue&)>;

    void Bind(std::wstring_view home, Getter get, Setter set);
    // Typed helpers.
    void BindBool(std::wstring_view home, std::function<bool()> get, std::function<void(bool)> set);
    void BindInt(std::wstring_view home, std::function<int()> get, std::function<void(int)> set);
    void BindFloat(std::wstring_view home, std::function<double()> get, std::function<void(double)> set);
    void BindText(std::wstring_view home, std::function<std::wstring()> get,
                  std::function<void(const std::wstring&)> set);

    bool IsBound(std::wstring_view home) const;
    // Throw std::logic_error for a home nobody bound.
    std::optional<SettingValue> Get(std::wstring_view home) const;
    void Set(std::wstring_view home, const SettingValue& value) const;

  private:
    struct Entry {
        Getter get;
        Setter set;
    };
    const Entry& Find(std::wstring_view home) const;
    std::map<std::wstring, Entry, std::less<>> entries_;
};

// What the readers and writers work on.
struct SettingsBinding {
    HoraltoSettings* settings = nullptr;  // the main window's fields
    const SettingHomes* homes = nullptr;
    // The skin catalogue (entries 0..3 are built in and never stored).
    base::StringList* skinNames = nullptr;
    base::StringList* skinFiles = nullptr;
    // The named text formats: names and comma texts; the first
    // builtInFormatCount entries are built in and never stored.
    base::StringList* formatNames = nullptr;
    base::StringList* formatTexts = nullptr;
    int builtInFormatCount = 5;

    // Called after each key a reader has set (the side effects "on the way").
    std::function<void(const SettingKey&)> afterRead;
    // R1's wallpaper step: returns true when the desktop shows the user's own
    // wallpaper (then the three wallpaper keys are not read and nothing is drawn).
    std::function<bool()> readWallpaperSettings;
    std::function<bool(const std::wstring&)> fileExists;
    std::function<void()> drawWallpaper;
    // R2 calls it after the format names.
    std::function<void()> updateFormatCombos;

    // The year that two-digit years in date texts belong near (0: unknown).
    int currentYear = 0;
};

constexpr int kBuiltInSkinCount = 4;

// Value texts. Decode returns no value when the text does not convert (or, for
// action numbers, is out of range); Encode gives the text a writer stores.
std::optional<SettingValue> DecodeSetting(Encoding encoding, std::wstring_view text,
                                          const base::FormatSettings& fs, int currentYear = 0);
std::wstring EncodeSetting(Encoding encoding, const SettingValue& value, const base::FormatSettings& fs);

// The short date format with its year always written with four digits.
base::FormatSettings FourDigitYearSettings(const base::FormatSettings& fs);

// The value of a key in its home, and setting it.
std::optional<SettingValue> CurrentValue(const SettingKey& key, const SettingsBinding& binding);
void SetValue(const SettingKey& key, const SettingValue& value, const SettingsBinding& binding);

// Reads one key as its reader does: the default is the current value or the
// table's constant; a missing key or a value that does not convert gives it.
SettingValue ReadSetting(const base::IniFile& ini, const SettingKey& key, const SettingsBinding& binding);
void WriteSetting(base::IniFile& ini, const SettingKey& key, const SettingsBinding& binding);

void ReadMainWindowSettings(const base::IniFile& ini, const SettingsBinding& binding);  // R1
void ReadOptionsSettings(const base::IniFile& ini, const SettingsBinding& binding);     // R2
void WriteMainWindowSettings(base::IniFile& ini, const SettingsBinding& binding);       // W1
void WriteOptionsSettings(base::IniFile& ini, const SettingsBinding& binding);          // W2

// What the two writers store, as the text of a settings file, without the
// work-time counters, which the program changes by itself as time goes by:
// a text that changes only when the user changes a setting.
std::wstring UserSettingsText(const SettingsBinding& binding, const base::FormatSettings& fs);

// The sections that are lists rather than keys.
void ReadSkins(const base::IniFile& ini, base::StringList& names, base::StringList& files);
// Erases the section and writes the catalogue entries after the built-in ones;
// names an INI key cannot carry, and names already written, are skipped.
void WriteSkins(base::IniFile& ini, const base::StringList& names, const base::StringList& files);
void ReadTimeFormats(const base::IniFile& ini, base::StringList& names, base::StringList& commaTexts);
void WriteTimeFormats(base::IniFile& ini, const base::StringList& names, const base::StringList& commaTexts,
                      int builtInCount);

}  // namespace core
