#include "timetext/number_words.h"

#include <gtest/gtest.h>

using timetext::AgreeUnitWords;
using timetext::NumberToWords;

TEST(NumberToWords, CardinalMasculine) {
    EXPECT_EQ(NumberToWords(0, 0), L"");
    EXPECT_EQ(NumberToWords(12, 0), L"двенадцать ");
    EXPECT_EQ(NumberToWords(21, 0), L"двадцать один ");
    EXPECT_EQ(NumberToWords(1000, 0), L"одна тысяча ");
    EXPECT_EQ(NumberToWords(2305, 0), L"две тысячи триста пять ");
    EXPECT_EQ(NumberToWords(5110, 0), L"пять тысяч сто десять ");
    EXPECT_EQ(NumberToWords(9999, 0), L"девять тысяч девятьсот девяносто девять ");
    EXPECT_EQ(NumberToWords(12345, 0), L"12345");
}

TEST(NumberToWords, CardinalFeminine) {
    EXPECT_EQ(NumberToWords(0, 1), L"ноль ");
    EXPECT_EQ(NumberToWords(2, 1), L"две ");
    EXPECT_EQ(NumberToWords(10, 1), L"десять ");
    EXPECT_EQ(NumberToWords(11, 1), L"одиннадцать ");
    EXPECT_EQ(NumberToWords(21, 1), L"двадцать одна ");
    EXPECT_EQ(NumberToWords(100, 1), L"100");
}

TEST(NumberToWords, OrdinalMasculineAndGenitive) {
    EXPECT_EQ(NumberToWords(2008, 2), L"две тысячи восьмой ");
    EXPECT_EQ(NumberToWords(2008, 3), L"две тысячи восьмого ");
    EXPECT_EQ(NumberToWords(2003, 3), L"две тысячи третьего ");
    EXPECT_EQ(NumberToWords(11, 2), L"одиннадцатый ");
    EXPECT_EQ(NumberToWords(21, 2), L"двадцатый первый ");
    EXPECT_EQ(NumberToWords(40, 2), L"сороый ");
    EXPECT_EQ(NumberToWords(1000, 2), L" тысячный ");
    EXPECT_EQ(NumberToWords(2000, 2), L"двух тысячный ");
    EXPECT_EQ(NumberToWords(2000, 3), L"двух тысячного ");
    EXPECT_EQ(NumberToWords(100, 2), L"сто ");
    EXPECT_EQ(NumberToWords(0, 2), L"");
    EXPECT_EQ(NumberToWords(1, 3), L"первого ");
    EXPECT_EQ(NumberToWords(1987, 3), L"одна тысяча девятьсот восемьдесяого седьмого ");
    EXPECT_EQ(NumberToWords(10000, 3), L"10000");
}

TEST(NumberToWords, OrdinalNeuter) {
    EXPECT_EQ(NumberToWords(1, 4), L"первое ");
    EXPECT_EQ(NumberToWords(3, 4), L"третее ");
    EXPECT_EQ(NumberToWords(12, 4), L"двенадцатое ");
    EXPECT_EQ(NumberToWords(20, 4), L"двадцатое ");
    EXPECT_EQ(NumberToWords(31, 4), L"тридцатое первое ");
    EXPECT_EQ(NumberToWords(0, 4), L" ");
    EXPECT_EQ(NumberToWords(100, 4), L"100");
}

TEST(NumberToWords, OutOfRangeAndUnknownMode) {
    EXPECT_EQ(NumberToWords(-5, 0), L"-5");
    EXPECT_EQ(NumberToWords(3000000000LL, 0), L"3000000000");
    EXPECT_EQ(NumberToWords(5, 7), L"");
}

TEST(AgreeUnitWords, FormFollowsLastTwoDigits) {
    auto agree = [](const wchar_t* text) {
        return AgreeUnitWords(text, L"мин.", L"минута,", L"минуты,", L"минут,");
    };
    EXPECT_EQ(agree(L"21 мин."), L"21 минута,");
    EXPECT_EQ(agree(L"11 мин."), L"11 минут,");
    EXPECT_EQ(agree(L"3  мин."), L"3  минуты,");
    EXPECT_EQ(agree(L"122 мин."), L"122 минуты,");  // only the last two digits count
    EXPECT_EQ(agree(L"112 мин."), L"112 минут,");
    EXPECT_EQ(agree(L"0 мин."), L"0 минут,");
    EXPECT_EQ(agree(L"5 МИН."), L"5 минут,");
    EXPECT_EQ(agree(L"1 мин. и 2 мин."), L"1 минута, и 2 минуты,");
}

TEST(AgreeUnitWords, UnitWithoutNumberStays) {
    auto agree = [](const wchar_t* text) {
        return AgreeUnitWords(text, L"час.", L"час,", L"часа,", L"часов,");
    };
    EXPECT_EQ(agree(L"  час."), L"  час.");
    EXPECT_EQ(agree(L"час."), L"час.");
    EXPECT_EQ(agree(L"в час."), L"в час.");
}
