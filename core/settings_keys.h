// The table of every key of Horalto.ini: section, name, encoding, default,
// home (a field of HoraltoSettings or a named control, action or value), and
// which reader and writer handle it. The readers and writers in
// settings_io.h walk this table; nothing else knows the keys.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/horalto_settings.h"

namespace core {

enum class Section : std::uint8_t {
    Window,
    Main,
    Skins,
    SystemClock,
    Sound,
    Speech,
    Planner,
    WindowsWorkTime,
    TimeSynchronization,
    Mouse,
    HotKeys,
    TimeFormats,
};
std::wstring_view SectionName(Section section);

// How a value is stored as text.
enum class Encoding : std::uint8_t {
    Bool,          // "1"/"0"; any integer other than 0 reads as true
    Int,           // signed 32-bit decimal; read also as "0x" hexadecimal
    ActionNumber,  // an Int that must be an action number 0..27, else the default
    Float,         // float text with the user's decimal separator
    DateTime,      // short date and long time of the user's settings
    Duration,      // a span of days kept as a date-time: written with a four-digit year
    String,        // as is
    IntAsText,     // an int written as a string, read as an int
    FloatAsText,   // a float written as a string, read as a float
    StoredText,    // "_" + comma text of the lines
};

// Bool, Int (also ActionNumber and IntAsText), double (the float and
// date-time encodings) or text (String and StoredText; multi-line text joined
// with CR LF).
using SettingValue = std::variant<bool, int, double, std::wstring>;

enum class Reader : std::uint8_t { None, R1, R2 };
enum class Writer : std::uint8_t { None, W1, W2 };
// The default a reader passes for a missing or unreadable value: the setting's
// current value, or the table's constant.
enum class ReadDefault : std::uint8_t { Current, Constant };

struct FieldAccess {
    SettingValue (*get)(const HoraltoSettings&) = nullptr;
    void (*set)(HoraltoSettings&, const SettingValue&) = nullptr;
};

struct SettingKey {
    Section section;
    std::wstring_view name;
    Encoding encoding;
    SettingValue def;
    // Named home (control, action, form property or program-wide value) bound at
    // run time through SettingHomes; empty when the home is `field`.
    std::wstring_view home;
    FieldAccess field;
    Reader reader;
    Writer writer;
    ReadDefault readDefault;
    // The numbers a reader takes: one outside [minValue, maxValue] reads as
    // the default.
    double minValue = -std::numeric_limits<double>::max();
    double maxValue = std::numeric_limits<double>::max();

    bool IsField() const { return home.empty(); }
    bool InRange(const SettingValue& value) const;
};

// Every key, in writing order: W1's sections and keys in the order the closing
// writer touches them, then the keys only W2 writes. TimeFormats and Skins
// entries are not keys of the table (settings_io.h handles them).
const std::vector<SettingKey>& SettingKeys();
// The key, or nullptr.
const SettingKey* FindSettingKey(Section section, std::wstring_view name);

// The order in which each reader reads its keys; `Step` also marks the places
// of the steps that are not single keys.
struct ReadStep {
    enum class Kind : std::uint8_t { Key, Wallpaper, Skins, TimeFormats, UpdateFormatCombos };
    Kind kind = Kind::Key;
    const SettingKey* key = nullptr;  // Kind::Key
};
const std::vector<ReadStep>& ReaderSteps(Reader reader);
// The W2 keys in writing order (the ten format names, then the colour items).
const std::vector<const SettingKey*>& OptionsWriterKeys();

// Action numbers are 0..27.
constexpr int kActionCount = 28;
bool IsActionNumber(int value);
// The action number of a text (a settings value or a hot-key row's first
// cell): a whole decimal or "0x" integer 0..27; anything else is none (278 is
// not action 22).
std::optional<int> ParseActionNumber(std::wstring_view text);

// Names an INI key can carry: not empty, no "=", no line break, not starting
// with "[" or ";", no blank or control character at either end.
bool IsStorableKeyName(std::wstring_view name);
// A name the user gives now (a new format, a skin added to the catalogue)
// that the settings file keeps as it was given: a storable key name whose
// every character Windows-1251 has. Names read from the files are not held to
// this: they are kept as they were read.
bool IsStorableNewKeyName(std::wstring_view name);
// What such a name may not be, in the words of the messages that refuse one
// ("Имя формата " + this + ".").
inline constexpr wchar_t kStorableNameRule[] =
    L"не может начинаться с \"[\" или \";\", содержать \"=\", переводы строк или знаки, которых нет "
    L"в кодировке Windows-1251, начинаться или заканчиваться пробелом";

}  // namespace core
