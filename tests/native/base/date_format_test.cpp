#include "base/date_format.h"

#include <gtest/gtest.h>

using namespace base;

namespace {

const FormatSettings ru = RussianWindowsProfile();

// Friday 2024-04-05 09:07:03.045
const TDateTime kMorning = EncodeDate(2024, 4, 5) + EncodeTime(9, 7, 3, 45);

std::wstring F(std::wstring_view format, TDateTime value = kMorning, const FormatSettings& fs = ru) {
    return FormatDateTime(format, value, fs);
}

}  // namespace

TEST(FormatDateTime, NumbersAndNames) {
    EXPECT_EQ(F(L"dd.mm.yyyy"), L"05.04.2024");
    EXPECT_EQ(F(L"d.m.yy"), L"5.4.24");
    EXPECT_EQ(F(L"y|yyy"), L"24|2024");
    EXPECT_EQ(F(L"ddd, dddd"), L"Пт, пятница");
    EXPECT_EQ(F(L"mmm mmmm MMMM"), L"апр Апрель Апрель");
    EXPECT_EQ(F(L"d mmmm ddd"), L"5 Апрель Пт");
    EXPECT_EQ(F(L"aaa aaaa"), L"Пт пятница");
    EXPECT_EQ(F(L"ddddd"), L"05.04.2024");
    EXPECT_EQ(F(L"dddddd"), L"5 Апрель 2024 г.");
    EXPECT_EQ(F(L"dd/mm/yyyy"), L"05.04.2024");  // '/' is the date separator
    EXPECT_EQ(F(L"DD.MM.YYYY"), L"05.04.2024");
    EXPECT_EQ(F(L"ddd", EncodeDate(2024, 4, 7)), L"Вс");
    EXPECT_EQ(F(L"dddd", EncodeDate(2024, 4, 6)), L"суббота");
}

TEST(FormatDateTime, TimesAndMinutesAfterHours) {
    EXPECT_EQ(F(L"hh:nn:ss"), L"09:07:03");
    EXPECT_EQ(F(L"h:n:s"), L"9:7:3");
    EXPECT_EQ(F(L"hh:mm:ss"), L"09:07:03");
    EXPECT_EQ(F(L"HH:MM"), L"09:07");
    EXPECT_EQ(F(L"hh:mm dd/mm"), L"09:07 05.04");
    EXPECT_EQ(F(L"h 'x' m"), L"9 x 7");
    EXPECT_EQ(F(L"hhh nnn sss"), L"09 07 03");
    EXPECT_EQ(F(L"z zzz zzzz"), L"45 045 045");
    EXPECT_EQ(F(L"t"), L"9:07");
    EXPECT_EQ(F(L"tt"), L"9:07:03");
    EXPECT_EQ(F(L"<tt>"), L"<9:07:03>");
    EXPECT_EQ(F(L"c"), L"05.04.2024 9:07:03");
    EXPECT_EQ(F(L""), L"05.04.2024 9:07:03");
}

TEST(FormatDateTime, MidnightDropsTheTimeFromC) {
    EXPECT_EQ(F(L"c", EncodeDate(2024, 4, 5)), L"05.04.2024");
    EXPECT_EQ(F(L"c", EncodeDate(2024, 4, 5) + EncodeTime(0, 0, 0, 500)), L"05.04.2024");
    EXPECT_EQ(F(L"c", EncodeDate(2024, 4, 5) + EncodeTime(0, 0, 1, 0)), L"05.04.2024 0:00:01");
    EXPECT_EQ(F(L"c", 0.5), L"30.12.1899 12:00:00");
}

TEST(FormatDateTime, RoundsBeforeDecoding) {
    const TDateTime almost = EncodeDate(2024, 12, 31) + 86399999.6 / kMSecsPerDay;  // 23:59:59.9996
    EXPECT_EQ(F(L"dd.mm.yyyy hh:nn:ss.zzz dddd", almost), L"01.01.2025 00:00:00.000 среда");
    EXPECT_EQ(F(L"dd.mm.yyyy hh:nn", -1.25), L"29.12.1899 06:00");
}

TEST(FormatDateTime, TwelveHourClock) {
    const TDateTime evening = EncodeTime(21, 5, 0, 0);
    EXPECT_EQ(F(L"h:nn am/pm", evening), L"9:05 pm");
    EXPECT_EQ(F(L"h:nn AM/PM", evening), L"9:05 PM");
    EXPECT_EQ(F(L"h:nn am/pm", EncodeTime(0, 30, 0, 0)), L"12:30 am");
    EXPECT_EQ(F(L"h:nn am/pm", EncodeTime(12, 0, 0, 0)), L"12:00 pm");
    EXPECT_EQ(F(L"h a/p", EncodeTime(9, 0, 0, 0)), L"9 a");
    EXPECT_EQ(F(L"h A/P", evening), L"9 P");
    FormatSettings fs = ru;
    fs.TimeAMString = L"дп";
    fs.TimePMString = L"пп";
    EXPECT_EQ(F(L"hh:nn ampm", evening, fs), L"09:05 пп");
    EXPECT_EQ(F(L"hh:nn ampm", kMorning, fs), L"09:07 дп");
    // A quoted marker or another hour token before it does not count.
    EXPECT_EQ(F(L"h 'am/pm'", evening), L"21 am/pm");
    EXPECT_EQ(F(L"h h am/pm", evening), L"21 9 pm");
}

TEST(FormatDateTime, LiteralsAndOtherCharacters) {
    EXPECT_EQ(F(L"'hh' hh \"d\"d"), L"hh 09 d5");
    EXPECT_EQ(F(L"'open"), L"open");
    EXPECT_EQ(F(L"Время: hh ч."), L"Время: 09 ч.");
    EXPECT_EQ(F(L"С W x %y"), L"С W x %24");  // Cyrillic С is no specifier; W, x, % are copied
    EXPECT_EQ(F(L"a b"), L"a b");
    EXPECT_EQ(F(L"%y%dtt", 400.5), L"%01%312:00:00");  // 1901-02-03 12:00
    // No length limit.
    const std::wstring longText(300, L'x');
    EXPECT_EQ(F(longText + L"yyyy"), longText + L"2024");
}

TEST(FormatDateTime, LocaleFormatsExpandOneLevelDeep) {
    FormatSettings fs = ru;
    fs.ShortDateFormat = L"ddddd";
    EXPECT_EQ(F(L"[ddddd]", kMorning, fs), L"[]");
    fs = ru;
    fs.DateSeparator = L'/';
    fs.TimeSeparator = L'.';
    fs.ShortDateFormat = L"MM/dd/yyyy";
    fs.LongTimeFormat = L"hh:mm:ss AMPM";
    fs.TimePMString = L"PM";
    fs.TimeAMString = L"AM";
    EXPECT_EQ(F(L"c", kMorning, fs), L"04/05/2024 09.07.03 AM");
}

TEST(ParseDateTime, DatesInShortDateOrder) {
    TDateTime v = 0;
    EXPECT_EQ(StrToDate(L"05.04.2024", ru), EncodeDate(2024, 4, 5));
    EXPECT_EQ(StrToDate(L"5.4.2024.", ru), EncodeDate(2024, 4, 5));
    EXPECT_EQ(StrToDate(L"5 .4 .2024", ru), EncodeDate(2024, 4, 5));
    EXPECT_FALSE(TryStrToDate(L" 05.04.2024", v, ru));
    EXPECT_FALSE(TryStrToDate(L"05. 04.2024", v, ru));
    EXPECT_FALSE(TryStrToDate(L"05/04/2024", v, ru));
    EXPECT_FALSE(TryStrToDate(L"31.02.2024", v, ru));
    EXPECT_FALSE(TryStrToDate(L"05.04.2024x", v, ru));
    EXPECT_THROW(StrToDate(L"", ru), ConvertError);

    FormatSettings iso = ru;
    iso.ShortDateFormat = L"yyyy-MM-dd";
    iso.DateSeparator = L'-';
    EXPECT_EQ(StrToDate(L"2024-04-05", iso), EncodeDate(2024, 4, 5));
    FormatSettings us = ru;
    us.ShortDateFormat = L"M/d/yyyy";
    us.DateSeparator = L'/';
    EXPECT_EQ(StrToDate(L"4/5/2024", us), EncodeDate(2024, 4, 5));
}

TEST(ParseDateTime, ShortYearsAndMissingYearNeedTheCurrentYear) {
    TDateTime v = 0;
    EXPECT_FALSE(TryStrToDate(L"05.04.24", v, ru));
    EXPECT_FALSE(TryStrToDate(L"05.04", v, ru));
    EXPECT_EQ(StrToDate(L"05.04.24", ru, 2024), EncodeDate(2024, 4, 5));
    EXPECT_EQ(StrToDate(L"05.04.80", ru, 2024), EncodeDate(1980, 4, 5));
    EXPECT_EQ(StrToDate(L"05.04.74", ru, 2024), EncodeDate(1974, 4, 5));
    EXPECT_EQ(StrToDate(L"05.04.73", ru, 2024), EncodeDate(2073, 4, 5));
    EXPECT_EQ(StrToDate(L"05.04", ru, 2024), EncodeDate(2024, 4, 5));
}

TEST(ParseDateTime, Times) {
    TDateTime v = 0;
    EXPECT_DOUBLE_EQ(StrToTime(L"9:07:03", ru), EncodeTime(9, 7, 3, 0));
    EXPECT_DOUBLE_EQ(StrToTime(L"09:07", ru), EncodeTime(9, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime(L"9", ru), EncodeTime(9, 0, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime(L"9:07:03,045", ru), EncodeTime(9, 7, 3, 45));
    EXPECT_DOUBLE_EQ(StrToTime(L"9:07 PM", ru), EncodeTime(21, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime(L"am 12:30", ru), EncodeTime(0, 30, 0, 0));
    EXPECT_FALSE(TryStrToTime(L"13:00 PM", v, ru));
    EXPECT_FALSE(TryStrToTime(L"25:00", v, ru));
    EXPECT_FALSE(TryStrToTime(L"9:60", v, ru));
    EXPECT_FALSE(TryStrToTime(L"9:", v, ru));
    EXPECT_FALSE(TryStrToTime(L"9:07x", v, ru));
}

TEST(ParseDateTime, DateWithOptionalTimeAndRoundTrip) {
    EXPECT_DOUBLE_EQ(StrToDateTime(L"05.04.2024 9:07:03", ru),
                     EncodeDate(2024, 4, 5) + EncodeTime(9, 7, 3, 0));
    EXPECT_EQ(StrToDateTime(L"05.04.2024", ru), EncodeDate(2024, 4, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime(L"9:07", ru), EncodeTime(9, 7, 0, 0));
    EXPECT_THROW(StrToDateTime(L"завтра", ru), ConvertError);

    const TDateTime values[] = {kMorning - EncodeTime(0, 0, 0, 45),
                                EncodeDate(2024, 4, 5),
                                3.25,
                                0,
                                -1.25,
                                EncodeDate(1, 1, 1) + 0.5,
                                EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)};
    for (const TDateTime value : values) {
        const std::wstring text = DateTimeToStr(value, ru);
        EXPECT_NEAR(StrToDateTime(text, ru), value, 1e-9) << value;
    }
    EXPECT_EQ(DateTimeToStr(3.25, ru), L"02.01.1900 6:00:00");
    EXPECT_EQ(DateToStr(kMorning, ru), L"05.04.2024");
    EXPECT_EQ(TimeToStr(kMorning, ru), L"9:07:03");
}
