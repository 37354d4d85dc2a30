#include "base/text_compare.h"

#include <gtest/gtest.h>

#include "base/codec.h"

using namespace base;

TEST(TextCase, FoldsEveryCyrillicLetterOfTheCodePage) {
    // Capital/small pairs of Windows-1251: C0-DF / E0-FF, and the extra letters.
    for (int b = 0xC0; b <= 0xDF; ++b) {
        const wchar_t upper = FromCp1251Char(static_cast<unsigned char>(b));
        const wchar_t lower = FromCp1251Char(static_cast<unsigned char>(b + 0x20));
        EXPECT_EQ(UpperChar1251(lower), upper) << b;
        EXPECT_EQ(LowerChar1251(upper), lower) << b;
    }
    EXPECT_EQ(UpperCase1251(L"ёђѓєѕіїјљњћќўџґ"), L"ЁЂЃЄЅІЇЈЉЊЋЌЎЏҐ");
    EXPECT_EQ(LowerCase1251(L"ЁЂЃЄЅІЇЈЉЊЋЌЎЏҐ"), L"ёђѓєѕіїјљњћќўџґ");
    EXPECT_EQ(UpperCase1251(L"Время work 5:00"), L"ВРЕМЯ WORK 5:00");
    // Not letters of the table: unchanged.
    EXPECT_EQ(UpperCase1251(L"№µ\u00E9ß\u045D"), L"№µ\u00E9ß\u045D");
    EXPECT_EQ(LowerCase1251(L"№\u00C9\u040D"), L"№\u00C9\u040D");
}

TEST(TextCompare, AnsiFoldsLatinAndCyrillic) {
    EXPECT_TRUE(SameTextAnsi(L"Стандартная", L"СТАНДАРТНАЯ"));
    EXPECT_TRUE(SameTextAnsi(L"Ёлка Main", L"ёЛКА mAIN"));
    EXPECT_FALSE(SameTextAnsi(L"Трей", L"Трей "));
    EXPECT_FALSE(SameTextAnsi(L"Е", L"Ё"));
    EXPECT_LT(CompareTextAnsi(L"а", L"Б"), 0);
    EXPECT_LT(CompareTextAnsi(L"Е", L"ё"), 0);
    EXPECT_LT(CompareTextAnsi(L"ё", L"Ж"), 0);
    EXPECT_LT(CompareTextAnsi(L"ab", L"ABC"), 0);
    EXPECT_LT(CompareTextAnsi(L"zeta", L"альфа"), 0);
    EXPECT_GT(CompareTextAnsi(L"B", L"a"), 0);
}

TEST(TextCompare, LatinFoldsLatinOnly) {
    EXPECT_TRUE(SameTextLatin(L"Exit", L"EXIT"));
    EXPECT_TRUE(SameTextLatin(L"Выход", L"Выход"));
    EXPECT_FALSE(SameTextLatin(L"Выход", L"выход"));
    EXPECT_FALSE(SameTextLatin(L"С", L"C"));  // Cyrillic Es is not Latin C
    EXPECT_LT(CompareTextLatin(L"Z", L"а"), 0);
    EXPECT_LT(CompareTextLatin(L"abc", L"ABD"), 0);
}
