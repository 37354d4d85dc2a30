// Key combinations as the hot-key list stores them: a shortcut number (the
// virtual key in the low byte plus modifier bits, as ui::ShortCut) and its
// text, modifier names joined to the key name by plus signs ("Ctrl+Alt+M").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

using ShortCut = std::uint16_t;
constexpr ShortCut kShortCutShift = 0x2000, kShortCutCtrl = 0x4000, kShortCutAlt = 0x8000;

constexpr std::uint8_t ShortCutKey(ShortCut shortCut) {
    return static_cast<std::uint8_t>(shortCut & 0xFF);
}

// "Shift+", "Ctrl+", "Alt+" (in that order) and the key's name; empty for a
// key without a name.
std::wstring ShortCutToText(ShortCut shortCut);
// The reverse (names without regard to letter case); 0 when the text names no key.
ShortCut TextToShortCut(std::wstring_view text);

// The modifiers that RegisterHotKey takes: 1 Alt, 2 Ctrl, 4 Shift.
unsigned HotKeyModifiers(ShortCut shortCut);
// The key capture control takes a key pressed without any modifier with Ctrl+Alt.
ShortCut WithDefaultModifiers(ShortCut shortCut);

// One row of the hot-key list: action number, key combination text, caption.
struct HotKeyRow {
    int action = 0;
    std::wstring keys;
    std::wstring caption;
    bool operator==(const HotKeyRow&) const = default;
};
// The name of the global atom under which a row is registered: the key
// combination and the action's caption, so that two rows of one action (two
// keys) get two registrations of their own; at most 255 characters.
std::wstring HotKeyAtomName(std::wstring_view caption, std::wstring_view keys);

// The list that "По умолчанию" restores.
std::vector<HotKeyRow> DefaultHotKeyRows();

}  // namespace core
