#include "options/format_rules.h"

#include "base/text_compare.h"
#include "core/settings_keys.h"

namespace options {

const std::vector<BuiltInFormat>& BuiltInFormats() {
    static const std::vector<BuiltInFormat> formats{
        {L"Основной", {L"<d mmmm ddd>"}},
        {L"Время", {L"<tt>"}},
        {L"Время работы", {L"Работал W<%dtt>"}},
        {L"Расширенный",
         {L"<c>", L"Восход солнца: TS<t>", L"Заход солнца: TZ<t>", L"Время работы: W<%dtt>", L"<LA>"}},
        {L"События", {L"<LA>"}},
    };
    return formats;
}

FormatNameCheck CheckNewFormatName(std::wstring_view name, const base::StringList& names) {
    if (name.find_first_not_of(L" \t") == std::wstring_view::npos) return FormatNameCheck::Empty;
    if (!core::IsStorableNewKeyName(name)) return FormatNameCheck::NotStorable;
    if (names.IndexOf(name) >= 0) return FormatNameCheck::Duplicate;
    return FormatNameCheck::Ok;
}

std::wstring FormatNameMessage(FormatNameCheck check) {
    switch (check) {
        case FormatNameCheck::Ok:
            return {};
        case FormatNameCheck::Duplicate:
            return L"Такое имя уже существует. Введите другое.";
        case FormatNameCheck::Empty:
            return L"Имя формата не может быть пустым. Введите другое.";
        case FormatNameCheck::NotStorable:
            return L"Имя формата " + std::wstring(core::kStorableNameRule) + L". Введите другое.";
    }
    return {};
}

std::optional<std::wstring> AskNewFormatName(const base::StringList& names, const AskNameFn& ask,
                                             const TellFn& tell) {
    std::wstring proposed = kProposedFormatName;
    for (;;) {
        std::optional<std::wstring> answer = ask(proposed);
        // A cancelled box ends the question on every round, not only the first.
        if (!answer || base::SameTextLatin(*answer, kProposedFormatName)) return std::nullopt;
        const FormatNameCheck check = CheckNewFormatName(*answer, names);
        if (check == FormatNameCheck::Ok) return answer;
        tell(FormatNameMessage(check));
        proposed = *answer;
    }
}

FormatButtons FormatButtonsFor(int index, int builtInCount, bool on) {
    return FormatButtons{on && index < 0, on && index >= builtInCount};
}

bool IsUserFormat(int index, int builtInCount, int count) {
    return index >= builtInCount && index >= 0 && index < count;
}

std::wstring FormatTextOfCommaText(std::wstring_view commaText) {
    base::StringList lines;
    lines.SetCommaText(commaText);
    std::wstring text;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i) text += L"\r\n";
        text += lines[i];
    }
    return text;
}

std::wstring CommaTextOfFormatText(std::wstring_view text) {
    base::StringList lines;
    lines.SetText(text);
    return lines.CommaText();
}

}  // namespace options
