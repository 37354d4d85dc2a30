#include "base/string_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/codec.h"

using namespace base;

namespace {

StringList FromComma(std::wstring_view text) {
    StringList list;
    list.SetCommaText(text);
    return list;
}

StringList FromText(std::wstring_view text) {
    StringList list;
    list.SetText(text);
    return list;
}

}  // namespace

TEST(CommaText, QuotesOnlyItemsThatNeedIt) {
    EXPECT_EQ((StringList{L"a b", L"c"}).CommaText(), L"\"a b\",c");
    EXPECT_EQ((StringList{L"say \"hi\""}).CommaText(), L"\"say \"\"hi\"\"\"");
    EXPECT_EQ((StringList{L"x,y", L"tab\there", L"\x01"}).CommaText(), L"\"x,y\",\"tab\there\",\"\x01\"");
    EXPECT_EQ((StringList{L""}).CommaText(), L"\"\"");
    EXPECT_EQ((StringList{L"a", L"", L"b", L""}).CommaText(), L"a,,b,");
    EXPECT_EQ(StringList{}.CommaText(), L"");
    // Cyrillic letters (bytes C0-FF, "Я" = DF) and the no-break space (A0) are
    // ordinary characters, never blanks.
    EXPECT_EQ((StringList{L"Январь", L"Я", L"я\u00A0я"}).CommaText(), L"Январь,Я,я\u00A0я");
    EXPECT_EQ((StringList{L"<c>", L"Восход солнца: TS<t>"}).CommaText(), L"<c>,\"Восход солнца: TS<t>\"");
}

TEST(CommaText, ParsesBlanksQuotesAndEmptyItems) {
    EXPECT_EQ(FromComma(L"a b"), (StringList{L"a", L"b"}));
    EXPECT_EQ(FromComma(L"  a , b  "), (StringList{L"a", L"b"}));
    EXPECT_EQ(FromComma(L"\x01\t a"), (StringList{L"a"}));
    EXPECT_EQ(FromComma(L"a,"), (StringList{L"a", L""}));
    EXPECT_EQ(FromComma(L",a"), (StringList{L"", L"a"}));
    EXPECT_EQ(FromComma(L"a,,b"), (StringList{L"a", L"", L"b"}));
    EXPECT_EQ(FromComma(L"a, ,b"), (StringList{L"a", L"", L"b"}));
    EXPECT_EQ(FromComma(L"\"x\"\"y\",z"), (StringList{L"x\"y", L"z"}));
    EXPECT_EQ(FromComma(L"\"\""), (StringList{L""}));
    EXPECT_EQ(FromComma(L"\"a, b\" , \"c\""), (StringList{L"a, b", L"c"}));
    EXPECT_EQ(FromComma(L"\"ab\"cd,e"), (StringList{L"ab", L"cd", L"e"}));
    EXPECT_EQ(FromComma(L""), StringList{});
    EXPECT_EQ(FromComma(L"   "), StringList{});
    EXPECT_EQ(FromComma(L"Язык,Ёж Я,эюя"), (StringList{L"Язык", L"Ёж", L"Я", L"эюя"}));
    // An unterminated quote keeps the whole rest of the text.
    EXPECT_EQ(FromComma(L"a,\"bc d"), (StringList{L"a", L"bc d"}));
}

TEST(CommaText, RoundTripsAnyItems) {
    const StringList lists[] = {
        {L""},
        {L"", L""},
        {L"", L"x", L""},
        {L" lead", L"trail ", L"\"", L"\"\"", L",", L"a\"b,c d"},
        {L"Восход солнца: TS<t>", L"Заход, \"солнца\"", L"ЯЯЯ", L"\u00A0"},
        {L"line\r\nbreak", L"\t", L"x"},
    };
    for (const auto& list : lists) {
        EXPECT_EQ(FromComma(list.CommaText()), list) << list.CommaText().size();
    }
}

TEST(StringListText, SplitsAtCrLfOrEitherAlone) {
    EXPECT_EQ(FromText(L"a\r\nb"), (StringList{L"a", L"b"}));
    EXPECT_EQ(FromText(L"a\nb\rc"), (StringList{L"a", L"b", L"c"}));
    EXPECT_EQ(FromText(L"a\r\n"), (StringList{L"a"}));
    EXPECT_EQ(FromText(L"a\n\nb"), (StringList{L"a", L"", L"b"}));
    EXPECT_EQ(FromText(L"a\r\r\nb"), (StringList{L"a", L"", L"b"}));
    EXPECT_EQ(FromText(L"\r\n"), (StringList{L""}));
    EXPECT_EQ(FromText(L""), StringList{});
    EXPECT_EQ(FromText(std::wstring(L"a\0b", 3)), (StringList{L"a"}));
    EXPECT_EQ((StringList{L"a", L"", L"Я"}).Text(), L"a\r\n\r\nЯ\r\n");
}

TEST(StringListItems, EditsAndCaseInsensitiveSearch) {
    StringList list{L"Основной", L"Время"};
    EXPECT_EQ(list.IndexOf(L"ВРЕМЯ"), 1);
    EXPECT_EQ(list.IndexOf(L"время работы"), -1);
    EXPECT_EQ(list.Add(L"События"), 2);
    list.Insert(0, L"Первый");
    list.Delete(2);
    EXPECT_EQ(list, (StringList{L"Первый", L"Основной", L"События"}));
    list.Move(0, 2);
    EXPECT_EQ(list, (StringList{L"Основной", L"События", L"Первый"}));
    list.Exchange(0, 1);
    EXPECT_EQ(list[0], L"События");
    EXPECT_THROW(list[3], std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
    EXPECT_THROW(list.Insert(4, L"x"), std::out_of_range);
    list.Insert(3, L"x");
    EXPECT_EQ(list.Count(), 4);
}

TEST(StringListItems, SortedListKeepsOrder) {
    StringList list{L"в", L"Б", L"a", L"ё", L"Е"};
    list.SetSorted(true);
    EXPECT_EQ(list, (StringList{L"a", L"Б", L"в", L"Е", L"ё"}));
    EXPECT_EQ(list.Add(L"Ж"), 5);
    EXPECT_EQ(list.Add(L"г"), 3);
}

TEST(StoredText, PrefixAndCommaTextOfLines) {
    EXPECT_EQ(StoredTextValue(L"<d mmmm ddd>"), L"_\"<d mmmm ddd>\"");
    EXPECT_EQ(StoredTextValue(L"first line\r\nsecond"), L"_\"first line\",second");
    EXPECT_EQ(ReadStoredTextValue(L"_\"first line\",second"), L"first line\r\nsecond");
    EXPECT_EQ(StoredTextValue(L""), L"_");
    EXPECT_EQ(ReadStoredTextValue(L"_"), L"");
    EXPECT_EQ(ReadStoredTextValue(L""), L"");

    const std::wstring hint =
        L"<c>,\"Восход солнца: TS<t>\",\"Заход солнца: TZ<t>\",\"Время работы: W<%dtt>\",<LA>";
    const std::wstring lines =
        L"<c>\r\nВосход солнца: TS<t>\r\nЗаход солнца: TZ<t>\r\nВремя работы: W<%dtt>\r\n<LA>";
    EXPECT_EQ(ReadStoredTextValue(L"_" + hint), lines);
    EXPECT_EQ(StoredTextValue(lines), L"_" + hint);
    // Lines split at LF alone are stored the same way.
    EXPECT_EQ(StoredTextValue(L"a b\nc"), L"_\"a b\",c");
}

TEST(StoredText, ReaderDropsTheFirstCharacterWhateverItIs) {
    EXPECT_EQ(ReadStoredTextValue(L"abc"), L"bc");
    EXPECT_EQ(ReadStoredTextValue(L"\"<t>\""), L"<t>\"");
    EXPECT_EQ(ReadStoredTextValue(L"_<h час. ровно>"), L"<h\r\nчас.\r\nровно>");
}

TEST(StringListFile, SavesAndLoadsWindows1251Lines) {
    const auto file = std::filesystem::temp_directory_path() / "horalto_base_stringlist.txt";
    StringList{L"[Servers]", L"time.сервер.рф", L"Я"}.SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(file), "[Servers]\r\ntime.\xF1\xE5\xF0\xE2\xE5\xF0.\xF0\xF4\r\n\xDF\r\n");
    StringList loaded;
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded, (StringList{L"[Servers]", L"time.сервер.рф", L"Я"}));
    std::filesystem::remove(file);
}

TEST(StringListFile, NulByteAndUtf8MarkLoseNoLine) {
    const auto file = std::filesystem::temp_directory_path() / "horalto_base_stringlist_nul.txt";
    // A NUL stays a character of its line and the lines after it are kept.
    WriteFileBytes(file, std::string("[Servers]\r\na\0b\r\nc\r\n", 19));
    StringList loaded;
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded, (StringList{L"[Servers]", std::wstring(L"a\0b", 3), L"c"}));
    loaded.SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(file), std::string("[Servers]\r\na\0b\r\nc\r\n", 19));
    // A file saved as UTF-8 with its mark keeps its first line, and is written back in Windows-1251.
    WriteFileBytes(file, "\xEF\xBB\xBF[Servers]\r\n\xD0\xAF\r\n");
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded, (StringList{L"[Servers]", L"Я"}));
    loaded.SaveToFile(file);
    EXPECT_EQ(ReadFileBytes(file), "[Servers]\r\n\xDF\r\n");
    std::filesystem::remove(file);
}
