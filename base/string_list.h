// A list of strings: its items, its text (the items as lines) and its comma
// text (the items joined by commas, quoted where needed).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace base {

class StringList {
  public:
    StringList() = default;
    StringList(std::initializer_list<std::wstring> items) : items_(items) {}
    explicit StringList(std::vector<std::wstring> items) : items_(std::move(items)) {}

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Index must be in 0..Count()-1 (checked: throws std::out_of_range).
    const std::wstring& operator[](int index) const;
    std::wstring& operator[](int index);

    // Appends (or, when Sorted(), inserts at the sorted place) and returns the index.
    int Add(std::wstring item);
    void AddStrings(const StringList& other);
    // index 0..Count(); throws std::out_of_range otherwise.
    void Insert(int index, std::wstring item);
    void Delete(int index);
    void Clear() { items_.clear(); }
    void Exchange(int a, int b);
    void Move(int from, int to);

    // First item equal to text ignoring case (CompareTextAnsi), or -1.
    int IndexOf(std::wstring_view text) const;

    // Sorting by CompareTextAnsi (Latin and Cyrillic letters folded).
    void Sort();
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);  // true sorts at once; Add then keeps the order

    // Lines: SetText splits at CR, LF or CR LF (a final line break adds no empty
    // line; text ends at a NUL character); Text() puts CR LF after every item.
    std::wstring Text() const;
    void SetText(std::wstring_view text);

    // Comma text: items joined by ","; an item holding a blank, a control
    // character, a comma or a double quote is quoted with inner quotes doubled;
    // a single empty item is written as "". SetCommaText parses it back: leading
    // blanks and control characters are skipped, an unquoted item ends at a
    // blank, control character or comma, a quoted one at its closing quote
    // ("" inside stands for one quote), and a trailing comma adds an empty item.
    std::wstring CommaText() const;
    void SetCommaText(std::wstring_view text);

    // Text() as a Windows-1251 file, and back (throws FileError). A file is
    // split as SetText does, but a NUL byte stays a character of its line, so
    // what is loaded and saved again keeps every line.
    void LoadFromFile(const std::filesystem::path& path);
    void SaveToFile(const std::filesystem::path& path) const;
    // A file's bytes read elsewhere, taken as LoadFromFile takes them.
    void LoadFromBytes(std::string_view bytes);

    const std::vector<std::wstring>& Items() const { return items_; }
    std::vector<std::wstring>::const_iterator begin() const { return items_.begin(); }
    std::vector<std::wstring>::const_iterator end() const { return items_.end(); }

    bool operator==(const StringList& other) const { return items_ == other.items_; }

  private:
    // SetText without the end at a NUL.
    void SetLines(std::wstring_view text);

    std::vector<std::wstring> items_;
    bool sorted_ = false;
};

// A multi-line text as stored in the settings file: "_" + comma text of its lines.
std::wstring StoredTextValue(const std::wstring& multilineText);
// Back: the first character is dropped (whatever it is), the rest parsed as comma
// text and the lines joined with "\r\n" (no line break after the last).
std::wstring ReadStoredTextValue(const std::wstring& stored);

}  // namespace base
