// Rules of the named text formats that need no window: the built-in formats,
// the names a new format may take, the state of a format editor's two list
// buttons, and a format's text as memo text and as stored comma text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"

namespace options {

struct BuiltInFormat {
    std::wstring name;
    std::vector<std::wstring> lines;
};
// "Основной", "Время", "Время работы", "Расширенный", "События".
const std::vector<BuiltInFormat>& BuiltInFormats();

// The name the input box proposes first; giving it back means "no new format".
inline constexpr wchar_t kProposedFormatName[] = L"Введите имя";

enum class FormatNameCheck {
    Ok,
    Duplicate,    // the list holds it already (letter case ignored)
    Empty,        // nothing but blanks
    NotStorable,  // the settings file could not keep it as a key name, as it was given
};
FormatNameCheck CheckNewFormatName(std::wstring_view name, const base::StringList& names);
// The message box text for a refused name (empty for Ok).
std::wstring FormatNameMessage(FormatNameCheck check);

// Asks for the name of a new format until the answer is usable: `ask` gets the
// name to propose and returns the answer, or nothing when the box was
// cancelled; `tell` shows why an answer was refused. Nothing comes back when
// the user cancels or gives the proposed name "Введите имя" back.
using AskNameFn = std::function<std::optional<std::wstring>(const std::wstring& proposed)>;
using TellFn = std::function<void(const std::wstring& message)>;
std::optional<std::wstring> AskNewFormatName(const base::StringList& names, const AskNameFn& ask,
                                             const TellFn& tell);

// The add and delete buttons of a format editor: add while no format is
// chosen, delete while a user format is chosen; both only while the use is on.
struct FormatButtons {
    bool append = false;
    bool remove = false;
};
FormatButtons FormatButtonsFor(int index, int builtInCount, bool on);

// A user format: an entry past the built-in ones.
bool IsUserFormat(int index, int builtInCount, int count);

// The memo text of a stored format (its lines joined by CR LF, no line break
// after the last), and the comma text of a memo's text.
std::wstring FormatTextOfCommaText(std::wstring_view commaText);
std::wstring CommaTextOfFormatText(std::wstring_view text);

}  // namespace options
