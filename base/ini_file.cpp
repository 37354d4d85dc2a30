#include "base/ini_file.h"

#include <algorithm>
#include <system_error>

#include "base/codec.h"
#include "base/conversions.h"
#include "base/date_format.h"
#include "base/text_compare.h"
#include "base/text_lines.h"

namespace base {
namespace {

// The profile functions' white space (Ctrl-Z included, an old end-of-file mark).
bool IsIniSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\r' || ch == L'\v' || ch == L'\f' ||
           ch == 0x1A;
}

std::wstring_view TrimIni(std::wstring_view text) {
    while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A value wrapped in matching single or double quotes loses them.
std::wstring Unquote(const std::wstring& value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool IsComment(const std::wstring& name) {
    return !name.empty() && name[0] == L';';
}

}  // namespace

std::optional<std::wstring_view> IniHeaderName(std::wstring_view line) {
    const std::wstring_view body = TrimIni(line);
    if (body.empty() || body.front() != L'[') return std::nullopt;
    const std::size_t close = body.rfind(L']');
    if (close == std::wstring_view::npos || close == 0) return std::nullopt;
    return TrimIni(body.substr(1, close - 1));
}

IniFile::IniFile(std::filesystem::path path, FormatSettings fs) : path_(std::move(path)), fs_(std::move(fs)) {
    std::error_code ec;
    if (std::filesystem::exists(path_, ec)) Parse(ReadTextFile1251(path_));
}

IniFile IniFile::ToUpdate(const std::filesystem::path& path, FormatSettings fs) {
    IniFile ini(InMemory{}, std::move(fs));
    ini.path_ = path;
    try {
        ini.Parse(DecodeDataText(ReadFileBytesPatiently(path, true)));
    } catch (const FileError& e) {
        if (e.Fault() != FileFault::Missing) throw;  // still missing: an empty file
    }
    return ini;
}

IniFile IniFile::FromText(std::wstring_view text, FormatSettings fs) {
    IniFile ini(InMemory{}, std::move(fs));
    ini.Parse(text);
    return ini;
}

void IniFile::Parse(std::wstring_view text) {
    sections_.clear();
    sections_.push_back(Section{});  // lines before the first header
    for (const std::wstring_view raw : SplitLines(text)) {
        Line line;
        line.raw = std::wstring(raw);
        if (const auto header = IniHeaderName(raw)) {
            Section section;
            section.name = std::wstring(*header);
            section.hasHeader = true;
            line.header = true;
            line.name = section.name;
            section.lines.push_back(std::move(line));
            sections_.push_back(std::move(section));
            continue;
        }
        const std::wstring_view body = TrimIni(raw);
        const std::size_t eq = body.find(L'=');
        if (eq == std::wstring_view::npos) {
            line.name = std::wstring(body);
        } else {
            line.name = std::wstring(TrimIni(body.substr(0, eq)));
            line.value = std::wstring(TrimIni(body.substr(eq + 1)));
        }
        sections_.back().lines.push_back(std::move(line));
    }
    modified_ = false;
}

const IniFile::Section* IniFile::FindSection(std::wstring_view name) const {
    const std::wstring_view wanted = TrimIni(name);
    for (const auto& section : sections_)
        if (section.hasHeader && SameTextAnsi(section.name, wanted)) return &section;
    return nullptr;
}

IniFile::Section* IniFile::FindSection(std::wstring_view name) {
    return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

const IniFile::Line* IniFile::FindKey(const Section& section, std::wstring_view key) {
    const std::wstring_view wanted = TrimIni(key);
    if (wanted.empty()) return nullptr;
    for (const auto& line : section.lines)
        if (!line.header && SameTextAnsi(line.name, wanted)) return &line;
    return nullptr;
}

std::wstring IniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                 std::wstring_view def) const {
    if (const Section* s = FindSection(section))
        if (const Line* line = FindKey(*s, key); line && line->value) return Unquote(*line->value);
    return std::wstring(def);
}

void IniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const std::wstring name(TrimIni(key));
    // A line break would end the value's line in the file: each CR and LF is
    // written as the blank it then reads back as.
    std::wstring oneLine(value);
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](wchar_t ch) { return ch == L'\r' || ch == L'\n'; }, L' ');
    std::wstring_view v = oneLine;
    while (!v.empty() && IsIniSpace(v.front())) v.remove_prefix(1);  // leading blanks are not kept
    Section* s = FindSection(section);
    if (!s) {
        WriteEmptySection(section);
        s = &sections_.back();
    }
    // Held as a later read of the file would see it (trailing blanks dropped).
    const std::wstring_view stored = TrimIni(v);
    if (auto* line = const_cast<Line*>(FindKey(*s, name))) {
        if (line->value && *line->value == stored) return;
        line->value = std::wstring(stored);
        line->raw = line->name + L"=" + std::wstring(v);
        modified_ = true;
        return;
    }
    // A new key goes after the last non-blank line of the section.
    std::size_t at = s->lines.size();
    while (at > 0 && !s->lines[at - 1].header && TrimIni(s->lines[at - 1].raw).empty()) --at;
    Line line;
    line.name = name;
    line.value = std::wstring(stored);
    line.raw = name + L"=" + std::wstring(v);
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    modified_ = true;
}

int IniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int def) const {
    return StrToIntDef(ReadString(section, key, L""), def);
}

void IniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
    WriteString(section, key, IntToStr(value));
}

bool IniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool def) const {
    return StrToBoolDef(ReadString(section, key, L""), def);
}

void IniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
    WriteString(section, key, BoolToStr(value));
}

double IniFile::ReadFloat(std::wstring_view section, std::wstring_view key, double def) const {
    return StrToFloatDef(ReadString(section, key, L""), def, fs_);
}

void IniFile::WriteFloat(std::wstring_view section, std::wstring_view key, double value) {
    WriteString(section, key, FloatToStr(value, fs_));
}

TDateTime IniFile::ReadDateTime(std::wstring_view section, std::wstring_view key, TDateTime def) const {
    TDateTime value = def;
    const std::wstring text = ReadString(section, key, L"");
    if (text.empty() || !TryStrToDateTime(text, value, fs_)) return def;
    return value;
}

void IniFile::WriteDateTime(std::wstring_view section, std::wstring_view key, TDateTime value) {
    WriteString(section, key, DateTimeToStr(value, fs_));
}

bool IniFile::SectionExists(std::wstring_view section) const {
    return ReadSection(section).Count() > 0;
}

bool IniFile::ValueExists(std::wstring_view section, std::wstring_view key) const {
    return ReadSection(section).IndexOf(TrimIni(key)) >= 0;
}

StringList IniFile::ReadSection(std::wstring_view section) const {
    StringList keys;
    if (const Section* s = FindSection(section))
        for (const auto& line : s->lines)
            if (!line.header && line.value && !line.name.empty() && !IsComment(line.name))
                keys.Add(line.name);
    return keys;
}

StringList IniFile::ReadSections() const {
    StringList names;
    for (const auto& section : sections_)
        if (section.hasHeader) names.Add(section.name);
    return names;
}

StringList IniFile::ReadSectionValues(std::wstring_view section) const {
    StringList values;
    for (const auto& key : ReadSection(section)) values.Add(key + L"=" + ReadString(section, key, L""));
    return values;
}

void IniFile::EraseSection(std::wstring_view section) {
    const std::wstring_view wanted = TrimIni(section);
    for (auto it = sections_.begin(); it != sections_.end();) {
        if (it->hasHeader && SameTextAnsi(it->name, wanted)) {
            it = sections_.erase(it);
            modified_ = true;
        } else {
            ++it;
        }
    }
}

void IniFile::DeleteKey(std::wstring_view section, std::wstring_view key) {
    Section* s = FindSection(section);
    if (!s) return;
    const Line* line = FindKey(*s, key);
    if (!line) return;
    s->lines.erase(s->lines.begin() + (line - s->lines.data()));
    modified_ = true;
}

void IniFile::WriteEmptySection(std::wstring_view section) {
    if (FindSection(section)) return;
    // One blank line between the last section and the new one.
    Section& last = sections_.back();
    const bool fileEmpty = sections_.size() == 1 && last.lines.empty();
    if (!fileEmpty && !last.lines.empty() && !TrimIni(last.lines.back().raw).empty())
        last.lines.push_back(Line{});
    Section added;
    added.name = std::wstring(TrimIni(section));
    added.hasHeader = true;
    Line header;
    header.header = true;
    header.name = added.name;
    header.raw = L"[" + added.name + L"]";
    added.lines.push_back(std::move(header));
    sections_.push_back(std::move(added));
    modified_ = true;
}

std::wstring IniFile::ToText() const {
    std::wstring text;
    for (const auto& section : sections_)
        for (const auto& line : section.lines) {
            text += line.raw;
            text += L"\r\n";
        }
    return text;
}

void IniFile::UpdateFile() {
    if (path_.empty() || !modified_) return;
    WriteTextFile1251(path_, ToText());
    modified_ = false;
}

}  // namespace base
