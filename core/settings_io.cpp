#include "core/settings_io.h"

#include <cmath>
#include <stdexcept>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/text_compare.h"

namespace core {

// ---- SettingHomes

void SettingHomes::Bind(std::wstring_view home, Getter get, Setter set) {
    entries_[std::wstring(home)] = Entry{std::move(get), std::move(set)};
}

void SettingHomes::BindBool(std::wstring_view home, std::function<bool()> get,
                            std::function<void(bool)> set) {
    Bind(
        home, [get] { return std::optional<SettingValue>(get()); },
        [set](const SettingValue& v) { set(std::get<bool>(v)); });
}

void SettingHomes::BindInt(std::wstring_view home, std::function<int()> get, std::function<void(int)> set) {
    Bind(
        home, [get] { return std::optional<SettingValue>(get()); },
        [set](const SettingValue& v) { set(std::get<int>(v)); });
}

void SettingHomes::BindFloat(std::wstring_view home, std::function<double()> get,
                             std::function<void(double)> set) {
    Bind(
        home, [get] { return std::optional<SettingValue>(get()); },
        [set](const SettingValue& v) { set(std::get<double>(v)); });
}

void SettingHomes::BindText(std::wstring_view home, std::function<std::wstring()> get,
                            std::function<void(const std::wstring&)> set) {
    Bind(
        home, [get] { return std::optional<SettingValue>(get()); },
        [set](const SettingValue& v) { set(std::get<std::wstring>(v)); });
}

bool SettingHomes::IsBound(std::wstring_view home) const {
    return entries_.find(home) != entries_.end();
}

const SettingHomes::Entry& SettingHomes::Find(std::wstring_view home) const {
    auto it = entries_.find(home);
    if (it == entries_.end()) {
        std::string name;
        for (wchar_t ch : home) name += ch < 128 ? static_cast<char>(ch) : '?';
        throw std::logic_error("settings home not bound: " + name);
    }
    return it->second;
}

std::optional<SettingValue> SettingHomes::Get(std::wstring_view home) const {
    const Entry& e = Find(home);
    return e.get ? e.get() : std::nullopt;
}

void SettingHomes::Set(std::wstring_view home, const SettingValue& value) const {
    const Entry& e = Find(home);
    if (e.set) e.set(value);
}

// ---- value texts

base::FormatSettings FourDigitYearSettings(const base::FormatSettings& fs) {
    base::FormatSettings out = fs;
    const std::wstring& f = fs.ShortDateFormat;
    std::wstring result;
    wchar_t quote = 0;
    for (std::size_t i = 0; i < f.size();) {
        const wchar_t ch = f[i];
        if (quote) {
            result += ch;
            if (ch == quote) quote = 0;
            ++i;
        } else if (ch == L'\'' || ch == L'"') {
            quote = ch;
            result += ch;
            ++i;
        } else if (ch == L'y' || ch == L'Y') {
            std::size_t j = i;
            while (j < f.size() && (f[j] == L'y' || f[j] == L'Y')) ++j;
            result += L"yyyy";
            i = j;
        } else {
            result += ch;
            ++i;
        }
    }
    out.ShortDateFormat = result;
    return out;
}

std::optional<SettingValue> DecodeSetting(Encoding encoding, std::wstring_view text,
                                          const base::FormatSettings& fs, int currentYear) {
    switch (encoding) {
        case Encoding::Bool: {
            int v = 0;
            if (!base::TryStrToInt(text, v)) return std::nullopt;
            return SettingValue(v != 0);
        }
        case Encoding::Int:
        case Encoding::IntAsText: {
            int v = 0;
            if (!base::TryStrToInt(text, v)) return std::nullopt;
            return SettingValue(v);
        }
        case Encoding::ActionNumber: {
            if (auto v = ParseActionNumber(text)) return SettingValue(*v);
            return std::nullopt;
        }
        case Encoding::Float:
        case Encoding::FloatAsText: {
            double v = 0;
            if (!base::TryStrToFloat(text, v, fs) || !std::isfinite(v)) return std::nullopt;
            return SettingValue(v);
        }
        case Encoding::DateTime:
        case Encoding::Duration: {
            base::TDateTime v = 0;
            if (text.empty() || !base::TryStrToDateTime(text, v, fs, currentYear)) return std::nullopt;
            return SettingValue(v);
        }
        case Encoding::String:
            return SettingValue(std::wstring(text));
        case Encoding::StoredText:
            return SettingValue(base::ReadStoredTextValue(std::wstring(text)));
    }
    return std::nullopt;
}

std::wstring EncodeSetting(Encoding encoding, const SettingValue& value, const base::FormatSettings& fs) {
    switch (encoding) {
        case Encoding::Bool:
            return base::BoolToStr(std::get<bool>(value));
        case Encoding::Int:
        case Encoding::IntAsText:
        case Encoding::ActionNumber:
            return base::IntToStr(std::get<int>(value));
        case Encoding::Float:
        case Encoding::FloatAsText:
            return base::FloatToStr(std::get<double>(value), fs);
        case Encoding::DateTime:
            return base::DateTimeToStr(std::get<double>(value), fs);
        case Encoding::Duration:
            return base::DateTimeToStr(std::get<double>(value), FourDigitYearSettings(fs));
        case Encoding::String:
            return std::get<std::wstring>(value);
        case Encoding::StoredText:
            return base::StoredTextValue(std::get<std::wstring>(value));
    }
    return {};
}

// ---- one key

std::optional<SettingValue> CurrentValue(const SettingKey& key, const SettingsBinding& binding) {
    if (key.IsField()) {
        if (!binding.settings) throw std::logic_error("settings binding has no settings");
        return key.field.get(*binding.settings);
    }
    if (!binding.homes) throw std::logic_error("settings binding has no homes");
    return binding.homes->Get(key.home);
}

void SetValue(const SettingKey& key, const SettingValue& value, const SettingsBinding& binding) {
    if (key.IsField()) {
        if (!binding.settings) throw std::logic_error("settings binding has no settings");
        if (key.field.set) key.field.set(*binding.settings, value);
        return;
    }
    if (!binding.homes) throw std::logic_error("settings binding has no homes");
    binding.homes->Set(key.home, value);
}

SettingValue ReadSetting(const base::IniFile& ini, const SettingKey& key, const SettingsBinding& binding) {
    SettingValue def = key.def;
    if (key.readDefault == ReadDefault::Current)
        if (auto current = CurrentValue(key, binding)) def = *current;
    const std::wstring_view section = SectionName(key.section);
    if (key.encoding == Encoding::StoredText) {
        // The default is stored the way the value is, so a missing key keeps
        // the current lines.
        const std::wstring text =
            ini.ReadString(section, key.name, base::StoredTextValue(std::get<std::wstring>(def)));
        return base::ReadStoredTextValue(text);
    }
    if (!ini.ValueExists(section, key.name)) return def;
    const std::wstring text = ini.ReadString(section, key.name, L"");
    if (auto value = DecodeSetting(key.encoding, text, ini.Settings(), binding.currentYear);
        value && key.InRange(*value))
        return *value;
    return def;
}

void WriteSetting(base::IniFile& ini, const SettingKey& key, const SettingsBinding& binding) {
    const std::optional<SettingValue> value = CurrentValue(key, binding);
    if (!value) return;
    ini.WriteString(SectionName(key.section), key.name, EncodeSetting(key.encoding, *value, ini.Settings()));
}

// ---- list sections

void ReadSkins(const base::IniFile& ini, base::StringList& names, base::StringList& files) {
    const base::StringList keys = ini.ReadSection(L"Skins");
    names.AddStrings(keys);
    for (const std::wstring& name : keys) files.Add(ini.ReadString(L"Skins", name, L"|"));
}

namespace {

// Entries from `first` on whose names an INI key can carry, each name once.
template <typename Write>
void WriteNamedEntries(const base::StringList& names, int first, Write write) {
    base::StringList written;
    for (int i = first; i < names.Count(); ++i) {
        const std::wstring& name = names[i];
        if (!IsStorableKeyName(name) || written.IndexOf(name) >= 0) continue;
        written.Add(name);
        write(i);
    }
}

}  // namespace

void WriteSkins(base::IniFile& ini, const base::StringList& names, const base::StringList& files) {
    ini.EraseSection(L"Skins");
    WriteNamedEntries(names, kBuiltInSkinCount, [&](int i) {
        ini.WriteString(L"Skins", names[i], i < files.Count() ? files[i] : std::wstring(L"|"));
    });
}

void ReadTimeFormats(const base::IniFile& ini, base::StringList& names, base::StringList& commaTexts) {
    const base::StringList keys = ini.ReadSection(L"TimeFormats");
    for (const std::wstring& name : keys) {
        names.Add(name);
        const std::wstring value = ini.ReadString(L"TimeFormats", name, L"_");
        commaTexts.Add(value.empty() ? std::wstring() : value.substr(1));
    }
}

void WriteTimeFormats(base::IniFile& ini, const base::StringList& names, const base::StringList& commaTexts,
                      int builtInCount) {
    ini.EraseSection(L"TimeFormats");
    ini.WriteEmptySection(L"TimeFormats");
    WriteNamedEntries(names, builtInCount, [&](int i) {
        ini.WriteString(L"TimeFormats", names[i],
                        L"_" + (i < commaTexts.Count() ? commaTexts[i] : std::wstring()));
    });
}

// ---- readers and writers

namespace {

void ReadKeyStep(const base::IniFile& ini, const SettingKey& key, const SettingsBinding& binding) {
    SetValue(key, ReadSetting(ini, key, binding), binding);
    if (binding.afterRead) binding.afterRead(key);
}

// The wallpaper keys are read only while the desktop shows the program's own
// wallpaper bitmap; the path is taken only when its file exists.
void ReadWallpaperStep(const base::IniFile& ini, const SettingsBinding& binding) {
    if (binding.readWallpaperSettings && binding.readWallpaperSettings()) return;
    const SettingKey* path = FindSettingKey(Section::Window, L"WallpaperPath");
    const SettingValue value = ReadSetting(ini, *path, binding);
    const std::wstring& file = std::get<std::wstring>(value);
    if (binding.fileExists && binding.fileExists(file)) {
        SetValue(*path, value, binding);
        if (binding.afterRead) binding.afterRead(*path);
        ReadKeyStep(ini, *FindSettingKey(Section::Window, L"WallpaperStyle"), binding);
        ReadKeyStep(ini, *FindSettingKey(Section::Window, L"WallpaperColor"), binding);
    }
    if (binding.drawWallpaper) binding.drawWallpaper();
}

void RunReader(Reader reader, const base::IniFile& ini, const SettingsBinding& binding) {
    for (const ReadStep& step : ReaderSteps(reader)) {
        switch (step.kind) {
            case ReadStep::Kind::Key:
                ReadKeyStep(ini, *step.key, binding);
                break;
            case ReadStep::Kind::Wallpaper:
                ReadWallpaperStep(ini, binding);
                break;
            case ReadStep::Kind::Skins:
                if (binding.skinNames && binding.skinFiles)
                    ReadSkins(ini, *binding.skinNames, *binding.skinFiles);
                break;
            case ReadStep::Kind::TimeFormats:
                if (binding.formatNames && binding.formatTexts)
                    ReadTimeFormats(ini, *binding.formatNames, *binding.formatTexts);
                break;
            case ReadStep::Kind::UpdateFormatCombos:
                if (binding.updateFormatCombos) binding.updateFormatCombos();
                break;
        }
    }
}

}  // namespace

void ReadMainWindowSettings(const base::IniFile& ini, const SettingsBinding& binding) {
    RunReader(Reader::R1, ini, binding);
}

void ReadOptionsSettings(const base::IniFile& ini, const SettingsBinding& binding) {
    RunReader(Reader::R2, ini, binding);
}

void WriteMainWindowSettings(base::IniFile& ini, const SettingsBinding& binding) {
    bool skinsDone = false;
    for (const SettingKey& key : SettingKeys()) {
        if (key.writer != Writer::W1) continue;
        if (!skinsDone && key.section > Section::Skins) {
            if (binding.skinNames && binding.skinFiles)
                WriteSkins(ini, *binding.skinNames, *binding.skinFiles);
            skinsDone = true;
        }
        WriteSetting(ini, key, binding);
    }
}

void WriteOptionsSettings(base::IniFile& ini, const SettingsBinding& binding) {
    if (binding.formatNames && binding.formatTexts)
        WriteTimeFormats(ini, *binding.formatNames, *binding.formatTexts, binding.builtInFormatCount);
    for (const SettingKey* key : OptionsWriterKeys()) WriteSetting(ini, *key, binding);
}

std::wstring UserSettingsText(const SettingsBinding& binding, const base::FormatSettings& fs) {
    base::IniFile ini = base::IniFile::FromText(L"", fs);
    WriteMainWindowSettings(ini, binding);
    WriteOptionsSettings(ini, binding);
    const std::wstring_view workTime = SectionName(Section::WindowsWorkTime);
    for (const wchar_t* counter :
         {L"StartWork", L"TotalWindowsWorkTime", L"WinUpTime", L"CorrectWorkT", L"StartWorkUTC"})
        ini.DeleteKey(workTime, counter);
    return ini.ToText();
}

}  // namespace core
