#include "base/text_compare.h"

#include "base/codec.h"

namespace base {

wchar_t UpperChar1251(wchar_t ch) {
    const auto c = static_cast<unsigned long>(ch);
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
    if (c >= 0x0430 && c <= 0x044F) return static_cast<wchar_t>(c - 0x20);                 // а-я
    if (c >= 0x0451 && c <= 0x045F && c != 0x045D) return static_cast<wchar_t>(c - 0x50);  // ё ђ ѓ є ...
    if (c == 0x0491) return static_cast<wchar_t>(0x0490);                                  // ґ
    return ch;
}

wchar_t LowerChar1251(wchar_t ch) {
    const auto c = static_cast<unsigned long>(ch);
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0x0410 && c <= 0x042F) return static_cast<wchar_t>(c + 0x20);
    if (c >= 0x0401 && c <= 0x040F && c != 0x040D) return static_cast<wchar_t>(c + 0x50);
    if (c == 0x0490) return static_cast<wchar_t>(0x0491);
    return ch;
}

std::wstring UpperCase1251(std::wstring_view text) {
    std::wstring result(text);
    for (auto& ch : result) ch = UpperChar1251(ch);
    return result;
}

std::wstring LowerCase1251(std::wstring_view text) {
    std::wstring result(text);
    for (auto& ch : result) ch = LowerChar1251(ch);
    return result;
}

namespace {

// Sort weight of an upper-cased character: code order, but Ё right after Е.
unsigned long AnsiWeight(wchar_t upper) {
    const auto c = static_cast<unsigned long>(upper);
    if (c == 0x0401) return 0x0415 * 2 + 1;
    return c * 2;
}

// Sort weight for the Latin-only comparison: the Windows-1251 byte after folding
// a-z, characters outside the code page after all bytes.
unsigned long LatinWeight(wchar_t ch) {
    if (ch >= L'a' && ch <= L'z') ch = static_cast<wchar_t>(ch - 32);
    unsigned char byte = 0;
    if (ToCp1251Char(ch, byte)) return byte;
    return 0x100 + static_cast<unsigned long>(ch);
}

template <typename Weight>
int Compare(std::wstring_view a, std::wstring_view b, Weight weight) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned long wa = weight(a[i]);
        const unsigned long wb = weight(b[i]);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CompareTextAnsi(std::wstring_view a, std::wstring_view b) {
    return Compare(a, b, [](wchar_t ch) { return AnsiWeight(UpperChar1251(ch)); });
}

bool SameTextAnsi(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && CompareTextAnsi(a, b) == 0;
}

int CompareTextLatin(std::wstring_view a, std::wstring_view b) {
    return Compare(a, b, LatinWeight);
}

bool SameTextLatin(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && CompareTextLatin(a, b) == 0;
}

}  // namespace base
