// The named text formats' rules: names, the add dialogue, the editor's buttons
// and the memo text of a stored format.
#include <gtest/gtest.h>

#include <deque>

#include "options/format_rules.h"

using namespace options;

namespace {

base::StringList BuiltInNames() {
    base::StringList names;
    for (const BuiltInFormat& f : BuiltInFormats()) names.Add(f.name);
    return names;
}

// Answers the input box from a script; nothing left means "cancelled".
struct ScriptedBox {
    std::deque<std::optional<std::wstring>> answers;
    std::vector<std::wstring> proposed, told;
    std::optional<std::wstring> Run(const base::StringList& names) {
        return AskNewFormatName(
            names,
            [this](const std::wstring& p) -> std::optional<std::wstring> {
                proposed.push_back(p);
                if (answers.empty()) return std::nullopt;
                auto a = answers.front();
                answers.pop_front();
                return a;
            },
            [this](const std::wstring& m) { told.push_back(m); });
    }
};

}  // namespace

TEST(FormatRules, BuiltInFormatsAreTheFiveKnownOnes) {
    const auto& f = BuiltInFormats();
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0].name, L"Основной");
    EXPECT_EQ(f[2].name, L"Время работы");
    ASSERT_EQ(f[3].lines.size(), 5u);
    EXPECT_EQ(f[3].lines[0], L"<c>");
    EXPECT_EQ(f[4].lines, std::vector<std::wstring>{L"<LA>"});
}

TEST(FormatRules, NamesTheSettingsFileCannotKeepAreRefused) {
    const base::StringList names = BuiltInNames();
    EXPECT_EQ(CheckNewFormatName(L"Мой", names), FormatNameCheck::Ok);
    EXPECT_EQ(CheckNewFormatName(L"Два слова", names), FormatNameCheck::Ok);
    EXPECT_EQ(CheckNewFormatName(L"", names), FormatNameCheck::Empty);
    EXPECT_EQ(CheckNewFormatName(L"   ", names), FormatNameCheck::Empty);
    EXPECT_EQ(CheckNewFormatName(L"Цена €", names), FormatNameCheck::Ok);  // Windows-1251 has "€"
    for (const wchar_t* bad : {L"a=b", L"[Main]", L";note", L" lead", L"trail ", L"two\r\nlines", L"tab\t",
                               L"中文", L"日本", L"Ωмега"})
        EXPECT_EQ(CheckNewFormatName(bad, names), FormatNameCheck::NotStorable) << bad;
    // Another letter case of a built-in name (Cyrillic folds too) is taken.
    EXPECT_EQ(CheckNewFormatName(L"основной", names), FormatNameCheck::Duplicate);
    EXPECT_EQ(CheckNewFormatName(L"СОБЫТИЯ", names), FormatNameCheck::Duplicate);
    for (auto c : {FormatNameCheck::Duplicate, FormatNameCheck::Empty, FormatNameCheck::NotStorable})
        EXPECT_FALSE(FormatNameMessage(c).empty());
    EXPECT_EQ(FormatNameMessage(FormatNameCheck::Duplicate), L"Такое имя уже существует. Введите другое.");
    EXPECT_NE(FormatNameMessage(FormatNameCheck::NotStorable).find(L"Windows-1251"), std::wstring::npos);
}

TEST(FormatRules, AskingRepeatsUntilANewNameAndProposesTheRefusedAnswer) {
    ScriptedBox box;
    box.answers = {L"Время", L"a=b", L"Новый"};
    EXPECT_EQ(box.Run(BuiltInNames()), std::optional<std::wstring>(L"Новый"));
    EXPECT_EQ(box.proposed, (std::vector<std::wstring>{L"Введите имя", L"Время", L"a=b"}));
    ASSERT_EQ(box.told.size(), 2u);
    EXPECT_EQ(box.told[0], L"Такое имя уже существует. Введите другое.");
}

TEST(FormatRules, CancelOrTheProposedNameEndsWithoutAName) {
    ScriptedBox first;  // cancelled at once
    EXPECT_FALSE(first.Run(BuiltInNames()));
    ScriptedBox later;  // cancelled after a duplicate: no endless loop on the duplicate
    later.answers = {L"Время"};
    EXPECT_FALSE(later.Run(BuiltInNames()));
    EXPECT_EQ(later.proposed.size(), 2u);
    ScriptedBox same;  // the proposed text given back
    same.answers = {L"Введите имя"};
    EXPECT_FALSE(same.Run(BuiltInNames()));
    EXPECT_TRUE(same.told.empty());
}

TEST(FormatRules, ButtonsFollowTheChoiceAndTheSwitch) {
    EXPECT_TRUE(FormatButtonsFor(-1, 5, true).append);
    EXPECT_FALSE(FormatButtonsFor(-1, 5, true).remove);
    EXPECT_FALSE(FormatButtonsFor(4, 5, true).append);
    EXPECT_FALSE(FormatButtonsFor(4, 5, true).remove);
    EXPECT_TRUE(FormatButtonsFor(5, 5, true).remove);
    EXPECT_FALSE(FormatButtonsFor(5, 5, false).remove);
    EXPECT_FALSE(FormatButtonsFor(-1, 5, false).append);
    EXPECT_FALSE(IsUserFormat(4, 5, 7));
    EXPECT_TRUE(IsUserFormat(6, 5, 7));
    EXPECT_FALSE(IsUserFormat(7, 5, 7));
    EXPECT_FALSE(IsUserFormat(-1, 5, 7));
}

TEST(FormatRules, MemoTextOfAStoredFormatKeepsEveryCharacter) {
    EXPECT_EQ(FormatTextOfCommaText(L"<c>,\"Восход солнца: TS<t>\""), L"<c>\r\nВосход солнца: TS<t>");
    EXPECT_EQ(FormatTextOfCommaText(L"<tt>"), L"<tt>");  // no line break to cut
    EXPECT_EQ(FormatTextOfCommaText(L""), L"");
    EXPECT_EQ(FormatTextOfCommaText(L"a,"), L"a\r\n");  // an empty last line stays
    const std::wstring quoted = L"say \"hi\", twice";
    EXPECT_EQ(FormatTextOfCommaText(CommaTextOfFormatText(quoted)), quoted);
    std::wstring longText;
    for (int i = 0; i < 3000; ++i) longText += L"Строка номер " + std::to_wstring(i) + L" <tt>\r\n";
    longText += L"конец";
    EXPECT_EQ(FormatTextOfCommaText(CommaTextOfFormatText(longText)), longText);
}
