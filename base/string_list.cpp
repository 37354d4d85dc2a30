#include "base/string_list.h"

#include <algorithm>
#include <stdexcept>

#include "base/codec.h"
#include "base/text_compare.h"
#include "base/text_lines.h"

namespace base {
namespace {

bool IsBlankOrControl(wchar_t ch) {
    return static_cast<unsigned long>(ch) <= L' ';
}

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) throw std::out_of_range("List index out of bounds");
}

}  // namespace

const std::wstring& StringList::operator[](int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

std::wstring& StringList::operator[](int index) {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

int StringList::Add(std::wstring item) {
    if (!sorted_) {
        items_.push_back(std::move(item));
        return Count() - 1;
    }
    auto at = std::upper_bound(
        items_.begin(), items_.end(), item,
        [](const std::wstring& a, const std::wstring& b) { return CompareTextAnsi(a, b) < 0; });
    const auto index = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    return index;
}

void StringList::AddStrings(const StringList& other) {
    for (const auto& item : other.items_) Add(item);
}

void StringList::Insert(int index, std::wstring item) {
    if (index < 0 || index > Count()) throw std::out_of_range("List index out of bounds");
    items_.insert(items_.begin() + index, std::move(item));
}

void StringList::Delete(int index) {
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

void StringList::Exchange(int a, int b) {
    CheckIndex(a, Count());
    CheckIndex(b, Count());
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}

void StringList::Move(int from, int to) {
    if (from == to) return;
    CheckIndex(from, Count());
    CheckIndex(to, Count());
    std::wstring item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
}

int StringList::IndexOf(std::wstring_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (SameTextAnsi(items_[static_cast<std::size_t>(i)], text)) return i;
    return -1;
}

void StringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const std::wstring& a, const std::wstring& b) { return CompareTextAnsi(a, b) < 0; });
}

void StringList::SetSorted(bool sorted) {
    if (sorted && !sorted_) Sort();
    sorted_ = sorted;
}

std::wstring StringList::Text() const {
    std::wstring text;
    for (const auto& item : items_) {
        text += item;
        text += L"\r\n";
    }
    return text;
}

void StringList::SetText(std::wstring_view text) {
    // A text ends at its first NUL character.
    if (auto nul = text.find(L'\0'); nul != std::wstring_view::npos) text = text.substr(0, nul);
    SetLines(text);
}

void StringList::SetLines(std::wstring_view text) {
    items_.clear();
    for (const std::wstring_view line : SplitLines(text)) items_.emplace_back(line);
    if (sorted_) Sort();
}

std::wstring StringList::CommaText() const {
    if (items_.size() == 1 && items_[0].empty()) return L"\"\"";
    std::wstring text;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto& item = items_[i];
        if (i > 0) text += L',';
        const bool quote = std::any_of(item.begin(), item.end(), [](wchar_t ch) {
            return IsBlankOrControl(ch) || ch == L'"' || ch == L',';
        });
        if (!quote) {
            text += item;
            continue;
        }
        text += L'"';
        for (wchar_t ch : item) {
            if (ch == L'"') text += L'"';
            text += ch;
        }
        text += L'"';
    }
    return text;
}

void StringList::SetCommaText(std::wstring_view text) {
    items_.clear();
    const std::size_t n = text.size();
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < n && IsBlankOrControl(text[pos])) ++pos;
    };
    skipBlanks();
    while (pos < n) {
        std::wstring item;
        if (text[pos] == L'"') {
            // Quoted: up to the closing quote, "" standing for one quote. An
            // unterminated quote takes the rest of the text.
            ++pos;
            while (pos < n) {
                if (text[pos] == L'"') {
                    if (pos + 1 < n && text[pos + 1] == L'"') {
                        item += L'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text[pos++];
            }
        } else {
            const std::size_t start = pos;
            while (pos < n && !IsBlankOrControl(text[pos]) && text[pos] != L',') ++pos;
            item.assign(text.substr(start, pos - start));
        }
        items_.push_back(std::move(item));
        skipBlanks();
        if (pos < n && text[pos] == L',') {
            if (pos + 1 == n) items_.emplace_back();
            ++pos;
            skipBlanks();
        }
    }
    if (sorted_) Sort();
}

void StringList::LoadFromFile(const std::filesystem::path& path) {
    LoadFromBytes(ReadFileBytes(path));
}

void StringList::LoadFromBytes(std::string_view bytes) {
    SetLines(DecodeDataText(bytes));
}

void StringList::SaveToFile(const std::filesystem::path& path) const {
    WriteTextFile1251(path, Text());
}

std::wstring StoredTextValue(const std::wstring& multilineText) {
    StringList lines;
    lines.SetText(multilineText);
    return L"_" + lines.CommaText();
}

std::wstring ReadStoredTextValue(const std::wstring& stored) {
    StringList lines;
    lines.SetCommaText(stored.empty() ? std::wstring_view() : std::wstring_view(stored).substr(1));
    std::wstring text = lines.Text();
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

}  // namespace base
