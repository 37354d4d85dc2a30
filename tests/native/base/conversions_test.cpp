#include "base/conversions.h"

#include <gtest/gtest.h>

#include "base/date_time.h"

using namespace base;

namespace {
const FormatSettings ru = RussianWindowsProfile();
}

TEST(Conversions, IntegersDecimalOrHex) {
    EXPECT_EQ(StrToIntDef(L"123", 7), 123);
    EXPECT_EQ(StrToIntDef(L"-939521516", 7), -939521516);
    EXPECT_EQ(StrToIntDef(L"+7", 0), 7);
    EXPECT_EQ(StrToIntDef(L" 12", 0), 12);
    EXPECT_EQ(StrToIntDef(L"0x1F", 0), 31);
    EXPECT_EQ(StrToIntDef(L"0X1f", 0), 31);
    EXPECT_EQ(StrToIntDef(L"$FF", 0), 255);
    EXPECT_EQ(StrToIntDef(L"$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef(L"0x80000000", 0), INT32_MIN);
    EXPECT_EQ(StrToIntDef(L"-$10", 0), -16);
    EXPECT_EQ(StrToIntDef(L"2147483647", 0), INT32_MAX);
    EXPECT_EQ(StrToIntDef(L"-2147483648", 0), INT32_MIN);
    for (const wchar_t* bad : {L"2147483648", L"-2147483649", L"99999999999999999999", L"12a", L"12 ", L"",
                               L"-", L"0x", L"$", L"1.5", L"0x123456789", L"x10", L"٣"})
        EXPECT_EQ(StrToIntDef(bad, 42), 42) << static_cast<const void*>(bad);
    EXPECT_THROW(StrToInt(L"abc"), ConvertError);
    EXPECT_EQ(IntToStr(-2147483648LL), L"-2147483648");
}

TEST(Conversions, BooleansAreAnyNonZeroInteger) {
    EXPECT_TRUE(StrToBoolDef(L"1", false));
    EXPECT_FALSE(StrToBoolDef(L"0", true));
    EXPECT_TRUE(StrToBoolDef(L"-1", false));
    EXPECT_TRUE(StrToBoolDef(L"2", false));
    EXPECT_FALSE(StrToBoolDef(L"0x0", true));
    EXPECT_TRUE(StrToBoolDef(L"true", true));
    EXPECT_FALSE(StrToBoolDef(L"true", false));
    EXPECT_FALSE(StrToBoolDef(L"", false));
    EXPECT_EQ(BoolToStr(true), L"1");
    EXPECT_EQ(BoolToStr(false), L"0");
}

TEST(Conversions, FloatToTextFifteenDigits) {
    EXPECT_EQ(FloatToStr(1.5, ru), L"1,5");
    EXPECT_EQ(FloatToStr(55.75, ru), L"55,75");
    EXPECT_EQ(FloatToStr(0.041666666666666664, ru), L"0,0416666666666667");
    EXPECT_EQ(FloatToStr(30, ru), L"30");
    EXPECT_EQ(FloatToStr(-2.5, ru), L"-2,5");
    EXPECT_EQ(FloatToStr(0, ru), L"0");
    EXPECT_EQ(FloatToStr(100, ru), L"100");
    EXPECT_EQ(FloatToStr(1.0 / 3, ru), L"0,333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3, ru), L"0,666666666666667");
    EXPECT_EQ(FloatToStr(123456789012345.0, ru), L"123456789012345");
    EXPECT_EQ(FloatToStr(1e15, ru), L"1E15");
    EXPECT_EQ(FloatToStr(1e20, ru), L"1E20");
    EXPECT_EQ(FloatToStr(0.0001, ru), L"0,0001");
    EXPECT_EQ(FloatToStr(0.00001, ru), L"1E-5");
    EXPECT_EQ(FloatToStr(-1.5e-5, ru), L"-1,5E-5");
    FormatSettings dot = ru;
    dot.DecimalSeparator = L'.';
    EXPECT_EQ(FloatToStr(37.62, dot), L"37.62");
}

TEST(Conversions, TextToFloatWithEitherSeparator) {
    double v = 0;
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"1,5", 0, ru), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"1.5", 0, ru), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L" 2,25 ", 0, ru), 2.25);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"-3", 0, ru), -3);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"+3", 0, ru), 3);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"1e3", 0, ru), 1000);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"1,5E-2", 0, ru), 0.015);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L",5", 0, ru), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"5,", 0, ru), 5);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"1e-400", 9, ru), 0);
    for (const wchar_t* bad : {L"", L",", L"abc", L"1,5x", L"1e", L"1,5,6", L"1 000", L"1e400", L"INF", L"-"})
        EXPECT_FALSE(TryStrToFloat(bad, v, ru)) << static_cast<const void*>(bad);
    EXPECT_DOUBLE_EQ(StrToFloatDef(L"x", 55.75, ru), 55.75);
    EXPECT_THROW(StrToFloat(L"x", ru), ConvertError);
}

TEST(Conversions, FloatRoundTripsThroughText) {
    FormatSettings dot = ru;
    dot.DecimalSeparator = L'.';
    for (const double value :
         {1.5, 55.75, 37.62, -0.125, 14.0, 1e-7, 123456.789, 6.02e23, 0.041666666666666664}) {
        EXPECT_NEAR(StrToFloatDef(FloatToStr(value, ru), 0, ru), value, std::abs(value) * 1e-14);
        EXPECT_NEAR(StrToFloatDef(FloatToStr(value, dot), 0, dot), value, std::abs(value) * 1e-14);
    }
}

TEST(Conversions, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(L"  \t a b \r\n"), L"a b");
    EXPECT_EQ(TrimLeft(L" \x01x "), L"x ");
    EXPECT_EQ(TrimRight(L" x\x1F"), L" x");
    EXPECT_EQ(Trim(L"\u00A0Я\u00A0"), L"\u00A0Я\u00A0");
    EXPECT_EQ(Trim(L"   "), L"");
}
