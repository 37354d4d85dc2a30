// The INI file: any text parses; saved and read again it holds the same
// sections and values; a value written reads back the same, also after a save
// (a line break inside it as a blank).
#include <algorithm>

#include "base/conversions.h"
#include "base/ini_file.h"
#include "fuzz_support.h"

namespace {

bool IsIniSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\r' || ch == L'\v' || ch == L'\f' ||
           ch == 0x1A;
}

std::wstring OneLine(std::wstring text) {
    std::erase_if(text, [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; });
    return text;
}

std::wstring Trimmed(std::wstring_view text) {
    while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
    return std::wstring(text);
}

std::wstring Unquoted(const std::wstring& value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

void CheckSameContent(const base::IniFile& a, const base::IniFile& b) {
    const base::StringList sections = a.ReadSections();
    FUZZ_CHECK(b.ReadSections() == sections);
    for (const auto& section : sections)
        FUZZ_CHECK(a.ReadSectionValues(section) == b.ReadSectionValues(section));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::wstring section = Trimmed(OneLine(in.Text()));
    std::wstring key = Trimmed(OneLine(in.Text()));
    std::erase(key, L'=');
    key = Trimmed(key);
    const std::wstring value = in.Text();
    const int number = in.Int();
    const double real = in.Double();
    base::IniFile ini = base::IniFile::FromText(in.RestText());

    CheckSameContent(ini, base::IniFile::FromText(ini.ToText()));

    // A key that begins with ";" is a comment line, one with "[" could read as a header.
    if (section.empty() || key.empty() || key.front() == L'[' || key.front() == L';') return 0;
    ini.WriteString(section, key, value);
    // A line break inside the value is written as a blank.
    std::wstring blanked = value;
    std::replace_if(
        blanked.begin(), blanked.end(), [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; }, L' ');
    const std::wstring expected = Unquoted(Trimmed(blanked));
    FUZZ_CHECK(ini.ReadString(section, key, L"?") == expected);
    FUZZ_CHECK(ini.ValueExists(section, key));
    base::IniFile saved = base::IniFile::FromText(ini.ToText());
    FUZZ_CHECK(saved.ReadString(section, key, L"?") == expected);
    CheckSameContent(ini, saved);

    ini.WriteInteger(section, key, number);
    FUZZ_CHECK(base::IniFile::FromText(ini.ToText()).ReadInteger(section, key, ~number) == number);
    // Fifteen significant digits: within a rounding of the largest double, the
    // text would read as an overflow.
    if (std::isfinite(real) && std::fabs(real) < 1e308) {
        ini.WriteFloat(section, key, real);
        const double back = base::IniFile::FromText(ini.ToText()).ReadFloat(section, key, NAN);
        FUZZ_CHECK(std::fabs(back - real) <= std::fabs(real) * 1e-14 + 1e-300);
    }
    ini.DeleteKey(section, key);
    ini.EraseSection(section);
    FUZZ_CHECK(base::IniFile::FromText(ini.ToText()).ReadSections().IndexOf(section) < 0);
    return 0;
}
