// The settings file's round trip: every key of the key table, given any text,
// is read as its reader does; the value written back reads as the same value
// after the file is saved and read again. A whole Horalto.ini of any content
// read by both readers leaves no number outside its key's range, and what the
// writers then save is read back as the same settings.
#include <map>

#include "base/ini_file.h"
#include "core/settings_io.h"
#include "core/settings_keys.h"
#include "fuzz_support.h"
#include "tests/native/core/settings_test_support.h"

namespace {

bool SameValue(core::Encoding encoding, const core::SettingValue& a, const core::SettingValue& b) {
    if (a.index() != b.index()) return false;
    if (const double* x = std::get_if<double>(&a)) {
        const double y = std::get<double>(b);
        if (encoding == core::Encoding::DateTime || encoding == core::Encoding::Duration)
            return std::fabs(x[0] - y) <= 1.0 / 86400 + 1e-9;  // written to the second
        return std::fabs(x[0] - y) <= std::fabs(x[0]) * 1e-14 + 1e-300;
    }
    return a == b;
}

bool IsText(core::Encoding encoding) {
    return encoding == core::Encoding::String || encoding == core::Encoding::StoredText;
}
}  // namespace

// Both readers over the file, as the two windows run them at start.
void ReadAll(const base::IniFile& ini, core_test::Store& store) {
    const core::SettingsBinding binding = store.Binding();
    core::ReadMainWindowSettings(ini, binding);
    core::ReadOptionsSettings(ini, binding);
}

// Texts the profile functions cannot keep as they are: blanks around them or
// wrapping quotes (each read takes one pair off).
bool KeepsAsWritten(const core::SettingValue& value) {
    const std::wstring* text = std::get_if<std::wstring>(&value);
    if (!text || text->empty()) return true;
    auto blank = [](wchar_t ch) {
        return ch == L' ' || ch == L'\t' || ch == L'\v' || ch == L'\f' || ch == 0x1A;
    };
    if (blank(text->front()) || blank(text->back())) return false;
    return !(text->size() >= 2 && (text->front() == L'"' || text->front() == L'\'') &&
             text->back() == text->front());
}

// The file both writers leave, as the program closes.
std::wstring Saved(const core::SettingsBinding& binding) {
    base::IniFile saved = base::IniFile::FromText(L"", base::FormatSettings{});
    core::WriteMainWindowSettings(saved, binding);
    core::WriteOptionsSettings(saved, binding);
    return saved.ToText();
}

void CheckWholeFile(const std::wstring& fileText) {
    const base::FormatSettings fs;
    core_test::Store store;
    ReadAll(base::IniFile::FromText(fileText, fs), store);
    const core::SettingsBinding binding = store.Binding();
    for (const core::SettingKey& key : core::SettingKeys()) {
        const auto value = core::CurrentValue(key, binding);
        if (value) FUZZ_CHECK(key.InRange(*value) || *value == key.def);
    }

    core_test::Store again;
    ReadAll(base::IniFile::FromText(Saved(binding), fs), again);
    const core::SettingsBinding back = again.Binding();
    for (const core::SettingKey& key : core::SettingKeys()) {
        if (key.reader == core::Reader::None || key.writer == core::Writer::None) continue;
        const auto was = core::CurrentValue(key, binding);
        const auto now = core::CurrentValue(key, back);
        if (!was || !now || !KeepsAsWritten(*was) || key.encoding == core::Encoding::StoredText) continue;
        FUZZ_CHECK(SameValue(key.encoding, *was, *now));
    }
    // The skin catalogue and the named formats keep each name once (as INI
    // keys): once saved, they stay as they are.
    core_test::Store third;
    ReadAll(base::IniFile::FromText(Saved(back), fs), third);
    FUZZ_CHECK(third.skinNames == again.skinNames);
    FUZZ_CHECK(third.skinFiles == again.skinFiles);
    FUZZ_CHECK(third.formatNames == again.formatNames);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    if (in.Bool()) {
        CheckWholeFile(in.RestText());
        return 0;
    }
    const base::FormatSettings fs;
    base::IniFile ini = base::IniFile::FromText(L"", fs);
    std::map<const core::SettingKey*, core::SettingValue> written;
    for (const core::SettingKey& key : core::SettingKeys()) {
        if (in.Empty()) break;
        std::wstring text = in.Text();  // one line, as the INI reader gives values
        std::erase_if(text, [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; });
        const auto value = core::DecodeSetting(key.encoding, text, fs, 2026);
        if (!value) continue;
        if (std::holds_alternative<double>(*value) && !std::isfinite(std::get<double>(*value))) continue;
        ini.WriteString(core::SectionName(key.section), key.name,
                        core::EncodeSetting(key.encoding, *value, fs));
        written.emplace(&key, *value);
    }
    const base::IniFile saved = base::IniFile::FromText(ini.ToText(), fs);
    for (const auto& [key, value] : written) {
        const std::wstring text = saved.ReadString(core::SectionName(key->section), key->name, L"");
        const auto back = core::DecodeSetting(key->encoding, text, fs, 2026);
        FUZZ_CHECK(back.has_value());
        if (!IsText(key->encoding)) {
            FUZZ_CHECK(SameValue(key->encoding, value, *back));
            continue;
        }
        if (key->encoding == core::Encoding::String) {
            // Texts lose the blanks around them and one pair of wrapping
            // quotes, as the profile functions read them.
            std::wstring_view expected = std::get<std::wstring>(value);
            auto blank = [](wchar_t ch) {
                return ch == L' ' || ch == L'\t' || ch == L'\v' || ch == L'\f' || ch == 0x1A;
            };
            while (!expected.empty() && blank(expected.front())) expected.remove_prefix(1);
            while (!expected.empty() && blank(expected.back())) expected.remove_suffix(1);
            if (expected.size() >= 2 && (expected.front() == L'"' || expected.front() == L'\'') &&
                expected.back() == expected.front())
                expected = expected.substr(1, expected.size() - 2);
            FUZZ_CHECK(std::get<std::wstring>(*back) == expected);
            continue;
        }
        // A stored multi-line text, once read, stays as it is (but for empty
        // lines at its end, which the line list's text does not keep apart).
        const auto twice =
            core::DecodeSetting(key->encoding, core::EncodeSetting(key->encoding, *back, fs), fs, 2026);
        FUZZ_CHECK(twice.has_value());
        auto body = [](const core::SettingValue& v) {
            std::wstring t = std::get<std::wstring>(v);
            while (!t.empty() && (t.back() == L'\r' || t.back() == L'\n')) t.pop_back();
            return t;
        };
        FUZZ_CHECK(body(*twice) == body(*back));
    }
    return 0;
}
