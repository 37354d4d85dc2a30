#include "timetext/speech_rewrite.h"

#include <gtest/gtest.h>

using timetext::RewriteForSpeech;
using timetext::SpeechCorrections;

namespace {

std::wstring Speak(const wchar_t* text, SpeechCorrections c = {}) {
    return RewriteForSpeech(text, c, 2026);
}

}  // namespace

TEST(SpeechDates, DayMonthYearBecomeWords) {
    EXPECT_EQ(Speak(L"05.04.2008"), L"пятое  апреля две тысячи восьмого  ");
    EXPECT_EQ(Speak(L"1.1.2008"), L"первое  января две тысячи восьмого  ");
    EXPECT_EQ(Speak(L"Сегодня 05.04.2008 г."), L"сегодня пятое  апреля две тысячи восьмого   год,");
}

TEST(SpeechDates, YearZeroIsTheFirstYearOfTheCentury) {
    SpeechCorrections only;
    only.numbers = false;
    EXPECT_EQ(RewriteForSpeech(L"01.01.00", only, 2026), L"первое  января двух тысячного  ");
    EXPECT_EQ(RewriteForSpeech(L"01.01.00", only, 1999), L"первое  января одна тысяча девятьсот  ");
}

TEST(SpeechDates, MonthOutOfRangeLeavesItToTheNumbers) {
    EXPECT_EQ(Speak(L"31.13.2008"), L"тридцать один .тринадцать .две тысячи восемь ");
    SpeechCorrections only;
    only.numbers = false;
    EXPECT_EQ(RewriteForSpeech(L"31.13.2008", only, 2026), L"31.13.2008");
    EXPECT_EQ(RewriteForSpeech(L"0.5.2008", only, 2026), L"0.5.2008");
}

TEST(SpeechTimes, HoursMinutesSeconds) {
    SpeechCorrections only{false, true, false, false, false};
    EXPECT_EQ(RewriteForSpeech(L"12:30", only, 2026), L"12 час. 30 мин. ");
    EXPECT_EQ(RewriteForSpeech(L"9:05:07", only, 2026), L"9 час. 05 мин. 07 сек. ");
    EXPECT_EQ(RewriteForSpeech(L"с 9:05 до 18:30", only, 2026), L"с 9 час. 05 мин.  до 18 час. 30 мин. ");
    EXPECT_EQ(RewriteForSpeech(L":12:30", only, 2026), L":12:30");  // a leading ':' turns the stage off
    EXPECT_EQ(RewriteForSpeech(L"a:12:30", only, 2026), L"a:12 час. 30 мин. ");
    EXPECT_EQ(RewriteForSpeech(L"1:234", only, 2026), L"1:234");
}

TEST(SpeechTimes, WholeChain) {
    EXPECT_EQ(Speak(L"12:30"), L"двенадцать  часов, тридцать  минут, ");
    EXPECT_EQ(Speak(L"1:01"), L"один  час, ноль одна  минута, ");
}

TEST(SpeechAbbreviations, UnitsAgreeWithTheirNumbers) {
    EXPECT_EQ(Speak(L"21 мин."), L"двадцать одна  минута,");
    EXPECT_EQ(Speak(L"11 мин."), L"одиннадцать  минут,");
    EXPECT_EQ(Speak(L"3 сек."), L"три  секунды,");
    EXPECT_EQ(Speak(L"   час."), L"   час.");
    EXPECT_EQ(Speak(L"2008 г."), L"две тысячи восьмой  год,");
}

TEST(SpeechAbbreviations, WeekdayNames) {
    SpeechCorrections only{false, false, true, false, false};
    EXPECT_EQ(RewriteForSpeech(L"пн.", only, 2026), L"понедельник.");
    EXPECT_EQ(RewriteForSpeech(L"вс", only, 2026), L"воскресение");
    EXPECT_EQ(RewriteForSpeech(L"всё", only, 2026), L"всё");
    EXPECT_EQ(RewriteForSpeech(L"5 Ср, 6 чт", only, 2026), L"5 среда, 6 четверг");
    EXPECT_EQ(RewriteForSpeech(L"5сб", only, 2026), L"5суббота");
    EXPECT_EQ(RewriteForSpeech(L"пнд", only, 2026), L"пнд");
}

TEST(SpeechMonthsAndNumbers, Agreement) {
    EXPECT_EQ(Speak(L"2008 год"), L"две тысячи восьмой  год");
    EXPECT_EQ(Speak(L"5 января"), L"пятое  января");
    EXPECT_EQ(Speak(L"5 январь"), L"пятое  января");
    EXPECT_EQ(Speak(L"12345"), L"12345");
    EXPECT_EQ(Speak(L"100 секунд"), L"100 секунд");
    EXPECT_EQ(Speak(L"05"), L"ноль пять ");
    EXPECT_EQ(Speak(L"205"), L"двести пять ");
}

TEST(SpeechMonthsAndNumbers, SwitchedOffStagesLeaveTheTextLowerCased) {
    SpeechCorrections none{false, false, false, false, false};
    EXPECT_EQ(RewriteForSpeech(L"Сейчас 12:30\r\n5 Май", none, 2026), L"сейчас 12:30  5 май");
}

TEST(SpeechMonthsAndNumbers, TooLongRunOfDigitsStaysDigitsAndTheRestIsSpoken) {
    EXPECT_EQ(Speak(L"99999999999 и 5"), L"99999999999 и пять ");
    EXPECT_EQ(Speak(L"4294967296 мин."), L"4294967296 минут,");
}
