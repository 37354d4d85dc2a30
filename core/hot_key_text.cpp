#include "core/hot_key_text.h"

#include <array>

#include "core/action_numbers.h"

namespace core {

namespace {

struct KeyName {
    std::uint8_t key;
    const wchar_t* name;
};

// Keys whose name is not their own character.
constexpr std::array kNamedKeys{
    KeyName{0x08, L"BkSp"},  KeyName{0x09, L"Tab"},   KeyName{0x0D, L"Enter"}, KeyName{0x13, L"Pause"},
    KeyName{0x1B, L"Esc"},   KeyName{0x20, L"Space"}, KeyName{0x21, L"PgUp"},  KeyName{0x22, L"PgDn"},
    KeyName{0x23, L"End"},   KeyName{0x24, L"Home"},  KeyName{0x25, L"Left"},  KeyName{0x26, L"Up"},
    KeyName{0x27, L"Right"}, KeyName{0x28, L"Down"},  KeyName{0x2D, L"Ins"},   KeyName{0x2E, L"Del"},
    KeyName{0x6A, L"Num *"}, KeyName{0x6B, L"Num +"}, KeyName{0x6D, L"Num -"}, KeyName{0x6E, L"Num ."},
    KeyName{0x6F, L"Num /"}, KeyName{0xBA, L";"},     KeyName{0xBB, L"="},     KeyName{0xBC, L","},
    KeyName{0xBD, L"-"},     KeyName{0xBE, L"."},     KeyName{0xBF, L"/"},     KeyName{0xC0, L"`"},
    KeyName{0xDB, L"["},     KeyName{0xDC, L"\\"},    KeyName{0xDD, L"]"},     KeyName{0xDE, L"'"},
};

std::wstring KeyText(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, wchar_t(key));
    if (key >= 0x60 && key <= 0x69) return L"Num " + std::wstring(1, wchar_t(L'0' + key - 0x60));
    if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x6F);
    for (const KeyName& k : kNamedKeys)
        if (k.key == key) return k.name;
    return {};
}

wchar_t UpperAscii(wchar_t ch) {
    return ch >= L'a' && ch <= L'z' ? wchar_t(ch - L'a' + L'A') : ch;
}

bool SameAscii(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

bool StartsWithAscii(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && SameAscii(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::wstring ShortCutToText(ShortCut shortCut) {
    const std::wstring key = KeyText(ShortCutKey(shortCut));
    if (key.empty()) return {};
    std::wstring text;
    if (shortCut & kShortCutShift) text += L"Shift+";
    if (shortCut & kShortCutCtrl) text += L"Ctrl+";
    if (shortCut & kShortCutAlt) text += L"Alt+";
    return text + key;
}

ShortCut TextToShortCut(std::wstring_view text) {
    static constexpr std::array<std::pair<const wchar_t*, ShortCut>, 3> modifiers{{
        {L"Shift+", kShortCutShift},
        {L"Ctrl+", kShortCutCtrl},
        {L"Alt+", kShortCutAlt},
    }};
    ShortCut bits = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [name, bit] : modifiers) {
            const std::wstring_view prefix(name);
            // "Ctrl++" would be no key: a modifier needs a key after its plus.
            if (text.size() > prefix.size() && StartsWithAscii(text, prefix)) {
                bits |= bit;
                text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    if (text.empty()) return 0;
    for (int key = 1; key < 256; ++key) {
        const std::wstring name = KeyText(static_cast<std::uint8_t>(key));
        if (!name.empty() && SameAscii(name, text)) return static_cast<ShortCut>(bits | key);
    }
    return 0;
}

unsigned HotKeyModifiers(ShortCut shortCut) {
    unsigned mods = 0;
    if (shortCut & kShortCutCtrl) mods += 2;
    if (shortCut & kShortCutAlt) mods += 1;
    if (shortCut & kShortCutShift) mods += 4;
    return mods;
}

ShortCut WithDefaultModifiers(ShortCut shortCut) {
    if (ShortCutKey(shortCut) == 0) return shortCut;
    if (shortCut & (kShortCutShift | kShortCutCtrl | kShortCutAlt)) return shortCut;
    return static_cast<ShortCut>(shortCut | kShortCutCtrl | kShortCutAlt);
}

std::wstring HotKeyAtomName(std::wstring_view caption, std::wstring_view keys) {
    // A global atom's name holds at most 255 characters; the keys come first
    // so that a long caption cannot cut them off.
    constexpr std::size_t kMaxAtomName = 255;
    std::wstring name = std::wstring(keys) + L" " + std::wstring(caption);
    if (name.size() > kMaxAtomName) name.resize(kMaxAtomName);
    return name;
}

std::vector<HotKeyRow> DefaultHotKeyRows() {
    static constexpr std::pair<int, const wchar_t*> rows[] = {
        {1, L"Ctrl+Alt+M"},  {2, L"Ctrl+Alt+Q"},  {3, L"Ctrl+Alt+O"},
        {10, L"Ctrl+Alt+L"}, {12, L"Ctrl+Alt+K"}, {14, L"Ctrl+Alt+C"},
        {16, L"Ctrl+Alt+U"}, {17, L"Ctrl+Alt+T"}, {18, L"Ctrl+Alt+N"},
    };
    std::vector<HotKeyRow> result;
    for (const auto& [action, keys] : rows) result.push_back({action, keys, KeyActionCaptions()[action]});
    return result;
}

}  // namespace core
