#include "timetext/template.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/date_time.h"
#include "base/text_start.h"
#include "timetext/duration_words.h"

using namespace timetext;
using base::EncodeDate;
using base::EncodeTime;

namespace {

// Saturday 5 April 2008, 21:33:07, in Moscow with the Windows-Russian profile.
TemplateContext Context(double now = EncodeDate(2008, 4, 5) + EncodeTime(21, 33, 7, 0)) {
    TemplateContext ctx;
    ctx.now = now;
    ctx.fs = base::RussianWindowsProfile();
    ctx.zone = TimeZoneRule{-180, 0, {}, {}};
    return ctx;
}

std::wstring Expand(const wchar_t* text, const TemplateContext& ctx = Context(), double eventTime = 0) {
    return ExpandTemplate(text, eventTime, ctx);
}

}  // namespace

TEST(TemplateNow, PlainAndCTagsGiveTheCurrentTime) {
    EXPECT_EQ(Expand(L"<tt>"), L"21:33:07");
    EXPECT_EQ(Expand(L"C<tt>"), L"21:33:07");
    EXPECT_EQ(Expand(L"c<tt>"), L"21:33:07");
    EXPECT_EQ(Expand(L"T<tt>"), L"T21:33:07");
    EXPECT_EQ(Expand(L"Время: <t>!"), L"Время: 21:33!");
    EXPECT_EQ(Expand(L"\u0421<t>"), L"\u042121:33");  // a Cyrillic "С" is literal text
    EXPECT_EQ(Expand(L"<dd.mm.yyyy>\r\n<hh:nn>"), L"05.04.2008\r\n21:33");
}

TEST(TemplateNow, HourShift) {
    EXPECT_EQ(Expand(L"2+<t>"), L"23:33");
    EXPECT_EQ(Expand(L"+<t>"), L"21:33");
    EXPECT_EQ(Expand(L"12-<hh>"), L"09");
    EXPECT_EQ(Expand(L"123+<t>"), L"120:33");  // two digits at most: "1" stays, 23 hours on
    EXPECT_EQ(Expand(L"3+<d t>"), L"6 0:33");
}

TEST(TemplateBrackets, OddTagsAndEmptyBodies) {
    EXPECT_EQ(Expand(L"a > b <t>"), L"a > b 21:33>");
    EXPECT_EQ(Expand(L"<>"), L"");
    EXPECT_EQ(Expand(L"A<>W<>x"), L"AWx");
    EXPECT_EQ(Expand(L"<t"), L"21:33");
    EXPECT_EQ(Expand(L"no tags"), L"no tags");
    EXPECT_EQ(Expand(L""), L"");
}

TEST(TemplateGenitive, MonthNamesAfterADayNumber) {
    EXPECT_EQ(Expand(L"<d mmmm ddd>"), L"5 Апреля Сб");
    EXPECT_EQ(MonthNameGenitive(L"5 май"), L"5 мая");
    EXPECT_EQ(MonthNameGenitive(L"май 5"), L"май 5");
    EXPECT_EQ(MonthNameGenitive(L"15 август,"), L"15 августа,");
    EXPECT_EQ(MonthNameGenitive(L"5 майский"), L"5 майский");
    EXPECT_EQ(MonthNameGenitive(L"1 май и 2 май"), L"1 мая и 2 мая");
    EXPECT_EQ(MonthNameGenitive(L"5-МАРТ."), L"5-МАРТа.");
    EXPECT_EQ(MonthNameGenitive(L"5 Январь, 6 Декабрь"), L"5 Января, 6 Декабря");
    EXPECT_EQ(MonthNameGenitive(L"5  май"), L"5  май");  // two separators: not a day number
}

TEST(TemplateDurations, EventCountdownWordsAgree) {
    const auto ctx = Context();
    EXPECT_EQ(Expand(L"A<%d>", ctx, ctx.now + 1 + 2.0 / 24), L"1 день ");
    EXPECT_EQ(Expand(L"A<%d>", ctx, ctx.now + 11), L"11 дней ");
    EXPECT_EQ(Expand(L"A<%d>", ctx, ctx.now + 21), L"21 день ");
    EXPECT_EQ(Expand(L"A<%d>", ctx, ctx.now + 22), L"22 дня ");
    EXPECT_EQ(Expand(L"A<%d>", ctx, ctx.now + 400), L"35 дней ");
    EXPECT_EQ(Expand(L"A<%y%d>", ctx, ctx.now + 400), L"1 год 35 дней ");
    EXPECT_EQ(Expand(L"A<%y%d>", ctx, ctx.now + 3 * 365 + 2), L"3 года 2 дня ");
    EXPECT_EQ(Expand(L"A<%y>", ctx, ctx.now + 100), L"");
    EXPECT_EQ(Expand(L"A<tt>", ctx, 0), L"0:00:00");  // a passed event counts as 0
    EXPECT_EQ(Expand(L"TA<dd.mm hh:nn>", ctx, EncodeDate(2008, 5, 1) + 0.5), L"01.05 12:00");
}

TEST(TemplateDurations, FormatDurationRules) {
    const auto fs = base::RussianWindowsProfile();
    EXPECT_EQ(FormatDuration(L"%y%dtt", 400.5, fs), L"1 год 35 дней 12:00:00");
    EXPECT_EQ(FormatDuration(L"%y%dtt", 0.25, fs), L"6:00:00");
    EXPECT_EQ(FormatDuration(L"%y%dtt", 5 * 365 + 11, fs), L"5 лет 11 дней 0:00:00");
    EXPECT_EQ(FormatDuration(L"%d%d", 2, fs), L"2 дня 2 дня ");
    EXPECT_EQ(FormatDuration(L"", 2, fs), L"");
    EXPECT_EQ(FormatDuration(L"tt", -3, fs), L"0:00:00");
}

TEST(TemplateDurations, HugeOrNonFiniteSpans) {
    // A span beyond the largest date-time counts as that largest span; one that
    // is no number as none.
    const auto fs = base::RussianWindowsProfile();
    const std::wstring most = FormatDuration(L"%y%dtt", 2958465.999, fs);
    EXPECT_EQ(most, L"8105 лет 140 дней 23:58:33");
    EXPECT_EQ(FormatDuration(L"%y%dtt", 1e300, fs), L"8105 лет 140 дней 23:59:59");
    EXPECT_EQ(FormatDuration(L"%y%dtt", HUGE_VAL, fs), L"8105 лет 140 дней 23:59:59");
    EXPECT_EQ(FormatDuration(L"%y%dtt", 9.2e18, fs), L"8105 лет 140 дней 23:59:59");
    EXPECT_EQ(FormatDuration(L"%y%dtt", NAN, fs), L"0:00:00");
    EXPECT_EQ(FormatDuration(L"%y%dtt", -HUGE_VAL, fs), L"0:00:00");
}

TEST(TemplateWorkTime, WAndTW) {
    auto ctx = Context();
    ctx.workTime = 1.5;
    ctx.totalWorkTime = 367.25;
    EXPECT_EQ(Expand(L"W<%dtt>", ctx), L"1 день 12:00:00");
    EXPECT_EQ(Expand(L"TW<%y%dtt>", ctx), L"1 год 2 дня 6:00:00");
    EXPECT_EQ(Expand(L"tw<tt>", ctx), L"6:00:00");
}

TEST(TemplateSun, TimesOfSunriseAndSunsetInMoscow) {
    const auto noon = Context(EncodeDate(2008, 3, 20) + 0.5);
    EXPECT_EQ(Expand(L"TS<t>", noon), L"6:31");
    EXPECT_EQ(Expand(L"TZ<t>", noon), L"18:44");
    EXPECT_EQ(Expand(L"Восход TS<t>, заход TZ<t>", noon), L"Восход 6:31, заход 18:44");
}

TEST(TemplateSun, CountdownsRollOverAtTheEvent) {
    const double day = EncodeDate(2008, 3, 20);
    // Before sunrise: the time until it; after it: until tomorrow's.
    EXPECT_EQ(Expand(L"S<t>", Context(day + EncodeTime(5, 0, 0, 0))), L"1:31");
    EXPECT_EQ(Expand(L"S<t>", Context(day + 0.5)), L"18:29");
    // Sunset: the time until it, then "Зaшло" (with a Latin "a").
    EXPECT_EQ(Expand(L"Z<t>", Context(day + 0.5)), L"6:44");
    EXPECT_EQ(Expand(L"Z<t>", Context(day + EncodeTime(20, 0, 0, 0))), L"З\u0061шло");
}

TEST(TemplateSun, PolarAndSingleEventDays) {
    auto polar = Context(EncodeDate(2008, 6, 21) + 0.5);
    polar.latitude = 80;
    EXPECT_EQ(Expand(L"TS<t>", polar), L"Всходит весь день");
    EXPECT_EQ(Expand(L"S<t>", polar), L"Всходит весь день");
    EXPECT_EQ(Expand(L"TZ<t>", polar), L"Не з\u0061йдет");
    EXPECT_EQ(Expand(L"Z<t>", polar), L"Не з\u0061йдет");
    polar.now = EncodeDate(2008, 12, 21) + 0.5;  // polar night
    EXPECT_EQ(Expand(L"TS<t>", polar), L"Не взошло");
    EXPECT_EQ(Expand(L"S<t>", polar), L"Не взойдет");
    EXPECT_EQ(Expand(L"TZ<t>", polar), L"Заходит весь день");
    EXPECT_EQ(Expand(L"Z<t>", polar), L"Заходит весь день");

    auto once = Context(EncodeDate(2008, 5, 31) + 0.5);
    once.latitude = 67;
    EXPECT_EQ(Expand(L"TS<t>", once), L"Не взошло");
    EXPECT_EQ(Expand(L"TZ<t>", once), L"Не з\u0061йдет");
    EXPECT_EQ(Expand(L"Z<t>", once), L"Не з\u0061йдет");
    EXPECT_EQ(Expand(L"S<t>", once), L"Всходит весь день");  // the next day, 1 June, is polar day
    once.now -= 1;  // 30 May after sunrise: the next day has one crossing
    EXPECT_EQ(Expand(L"S<t>", once), L"Не взойдет");
}

TEST(TemplateSun, HalfHourZoneAndDaylightTime) {
    auto delhi = Context(EncodeDate(2008, 3, 20) + 0.5);
    delhi.latitude = 28.61;
    delhi.longitude = 77.21;
    delhi.zone = TimeZoneRule{-330, 0, {}, {}};
    EXPECT_EQ(Expand(L"TS<t>", delhi), L"6:25");

    auto berlin = Context(EncodeDate(2008, 6, 21) + 0.5);
    berlin.latitude = 52.52;
    berlin.longitude = 13.40;
    berlin.zone = TimeZoneRule{-60, -60, {0, 10, 0, 5, 3, 0}, {0, 3, 0, 5, 2, 0}};
    EXPECT_EQ(Expand(L"TS<t> TZ<t>", berlin), L"4:43 21:33");  // summer time, as on the wall clock
    berlin.now = EncodeDate(2008, 12, 21) + 0.5;
    EXPECT_EQ(Expand(L"TS<t> TZ<t>", berlin), L"8:15 15:54");
}

TEST(TemplateEvents, EventListFromTaskRows) {
    auto ctx = Context();
    ctx.events = {
        // The flag is the character whose code is 0 to 3, as the task editor writes it.
        {L"12:00", std::wstring(1, L'\0') + L"Обед A<hh:nn>", ctx.now + 1.0 / 24},
        {L"Выход", L"\x02Пока", 0},
        {L"9:00", L"\x01Зарядка", ctx.now - 1},  // passed, shown as done
        {L"9:00", L"\x02Скрытое", ctx.now - 1},  // passed, leaves an empty line
        {L"", L"", 0},                           // no description: skipped
        {L"10:00", L"\x03Завтра", ctx.now + 1},
        {L"8:00", L"\x03Сон", ctx.now - 1},  // shown and shaken: done too
        {L"", L"\x01spare", ctx.now - 1},    // the spare row is never listed
    };
    EXPECT_EQ(BuildEventList(ctx),
              L"Обед 01:00\nПока - выход\nЗарядка - выполнено\n\nЗавтра\nСон - выполнено");
    EXPECT_EQ(BuildFormatText(L"[<LA>]", ctx),
              L"[Обед 01:00\nПока - выход\nЗарядка - выполнено\n\nЗавтра\nСон - выполнено]");
    // The digits '1' and '3' are no flags of a shown description.
    ctx.events = {{L"9:00", L"1Зарядка", ctx.now - 1}, {L"9:00", L"3Сон", ctx.now - 1}, {L"", L"", 0}};
    EXPECT_EQ(BuildEventList(ctx), L"");
}

TEST(TemplateEvents, NoEventsAndOnlyTheFirstMarker) {
    auto ctx = Context();
    EXPECT_EQ(BuildFormatText(L"<t> <LA>", ctx), L"21:33 Нет событий");
    const std::wstring twice = BuildFormatText(L"<la>|<la>", ctx);
    EXPECT_EQ(twice.rfind(L"Нет событий", 0), 0u);
    EXPECT_EQ(twice.find(L"Нет событий", 1), std::wstring::npos);
    ctx.events = {{L"", L"", 0}};  // the spare row alone
    EXPECT_EQ(BuildFormatText(L"<la>", ctx), L"Нет событий");
}

TEST(TemplateEvents, MainTextsCountDownToTheEarliestTask) {
    auto ctx = Context();
    ctx.earliestTaskTime = ctx.now + 2.5 / 24;
    EXPECT_EQ(BuildFormatText(L"До события A<h:nn>", ctx), L"До события 2:30");
    EXPECT_EQ(BuildFormatText(L"<t>\r\nA<h:nn> <la>", ctx), L"21:33\r\n2:30 Нет событий");
}

TEST(TemplateShownText, TheLinesThatCanBeSeenAreThoseOfTheWholeText) {
    auto ctx = Context();
    ctx.events = {{L"12:00", std::wstring(1, L'\0') + L"Обед A<hh:nn>", ctx.now + 1.0 / 24},
                  {L"10:00", L"\x03Завтра", ctx.now + 1},
                  {L"", L"", 0}};
    const wchar_t* const texts[] = {
        L"<tt>\r\nСобытия: <LA>\r\nW<%dtt>\r\n\r\n<d mmmm>\r\nконец",
        L"<LA>\nпосле\r<la> второй раз",
        L"5\r\n<mmmm>\r\n\r\n",
        L"одна строка <dddd>",
        L"",
    };
    for (const wchar_t* text : texts) {
        const std::wstring whole = BuildFormatText(text, ctx);
        for (int lines = 0; lines <= 8; ++lines) {
            SCOPED_TRACE(testing::Message()
                         << lines << " lines of " << testing::PrintToString(std::wstring(text)));
            EXPECT_EQ(base::FirstLines(BuildShownText(text, ctx, lines), lines),
                      base::FirstLines(whole, lines));
        }
    }
}

TEST(TemplateShownText, AHugeTextIsExpandedOnlyAsFarAsItCanBeSeen) {
    auto ctx = Context();
    std::wstring text;
    for (int i = 0; i < 100000; ++i) text += L"строка " + std::to_wstring(i) + L" <tt>\r\n";
    EXPECT_EQ(BuildShownText(text, ctx, 2), L"строка 0 21:33:07\r\nстрока 1 21:33:07");
}

TEST(TemplateShownText, EachLineIsReadOnlyAsFarAsAScreenShowsIt) {
    EXPECT_EQ(ShownTemplate(L"abcdef\r\nghi\nj\rklmn\r\n", 3, 4), L"abcd\r\nghi\nj");
    EXPECT_EQ(ShownTemplate(L"abcdef\r\nghi\nj\rklmn\r\n", 9, 4), L"abcd\r\nghi\nj\rklmn\r\n");
    EXPECT_EQ(ShownTemplate(L"ab\r\n\r\ncd", 2, 1), L"a\r\n");
    EXPECT_EQ(ShownTemplate(L"abc", 0, 10), L"");
    EXPECT_EQ(ShownTemplate(L"ab\xD83D\xDE00\nc", 2, 3), L"ab\nc") << "a surrogate pair is never split";
    EXPECT_EQ(ShownTemplate(L"ab\xD83D\xDE00\nc", 2, 4), L"ab\xD83D\xDE00\nc");

    // A line of a million characters gives the start of its whole expansion;
    // the next line is whole.
    auto ctx = Context();
    std::wstring line;
    while (line.size() < 1000000) line += L" <tt>";
    const std::wstring text = line + L"\r\nвторая <t>";
    const std::wstring shown = BuildShownText(ShownTemplate(text, 2, 100), ctx, 2);
    const std::wstring first = std::wstring(base::FirstLines(shown, 1));
    EXPECT_GE(first.size(), 100u);
    EXPECT_LT(first.size(), 1000u);
    EXPECT_EQ(BuildFormatText(line.substr(0, 2000), ctx).substr(0, first.size()), first);
    EXPECT_EQ(shown.substr(first.size()), L"\r\nвторая 21:33");
}

TEST(TemplateShownText, TheEventListReadsOnlyTheRowsOfTheLinesThatCanBeSeen) {
    auto base = Context();
    std::vector<TaskEvent> rows;
    // Rows that ran and are not shown give no line at the top and an empty
    // line further down; rows without a description give none.
    for (int i = 0; i < 10; ++i) rows.push_back({L"9:00", L"\x02Прошло " + std::to_wstring(i), base.now - 1});
    for (int i = 0; i < 60; ++i) {
        if (i % 7 == 3)
            rows.push_back({L"", L"", 0});
        else if (i % 5 == 1)
            rows.push_back({L"9:00", L"\x02Прошло " + std::to_wstring(i), base.now - 1});
        else
            rows.push_back({L"12:00", std::wstring(1, L'\0') + L"Задача " + std::to_wstring(i) + L" <tt>",
                            base.now + i});
    }
    rows.push_back({L"", L"\x01spare", base.now + 1});  // the spare row is never listed
    TemplateContext all = base;
    all.events = rows;
    const wchar_t* const text = L"Сейчас <tt>\r\n<LA>\r\nконец";
    const std::wstring whole = BuildFormatText(text, all);
    TemplateContext lazy = base;
    lazy.eventCount = rows.size();
    std::size_t read = 0;
    lazy.eventAt = [&](std::size_t i) {
        read = std::max(read, i + 1);
        return rows[i];
    };
    EXPECT_EQ(BuildFormatText(text, lazy), whole);
    EXPECT_EQ(read, rows.size() - 1);
    for (int lines = 0; lines <= 60; lines += 7) {
        SCOPED_TRACE(lines);
        read = 0;
        EXPECT_EQ(base::FirstLines(BuildShownText(text, lazy, lines), lines), base::FirstLines(whole, lines));
        if (lines < 40) {
            EXPECT_LT(read, rows.size() - 1);  // the list has about fifty lines
        }
    }
}

TEST(TemplateSpokenText, AFormatIsSpokenFromItsFirstCharacters) {
    auto ctx = Context();
    // At the limit a text is spoken whole; past it, its first characters.
    const std::wstring limit(kSpokenLength, L'а');
    EXPECT_EQ(BuildSpokenText(limit, ctx), limit);
    EXPECT_EQ(BuildSpokenText(limit + L"б", ctx), limit);
    EXPECT_EQ(SpokenPart(limit.substr(1) + L"\xD83D\xDE00"), limit.substr(1))
        << "a surrogate pair is never split";
    EXPECT_EQ(BuildSpokenText(L"Сейчас <t>", ctx), L"Сейчас 21:33");

    // One line of megabytes: the start of the expansion of its first characters.
    std::wstring line;
    while (line.size() < 8000000) line += L" говорю <t> и <d mmmm>,";
    const std::wstring spoken = BuildSpokenText(line, ctx);
    EXPECT_EQ(spoken.size(), kSpokenLength);
    EXPECT_EQ(spoken, BuildFormatText(line.substr(0, kSpokenLength), ctx).substr(0, kSpokenLength));

    // A list of a million coming events is read only as far as it is spoken.
    ctx.eventCount = 1000000;
    std::size_t read = 0;
    ctx.eventAt = [&](std::size_t i) {
        read = std::max(read, i + 1);
        return TaskEvent{L"12:00", std::wstring(1, L'\0') + L"Задача", ctx.now + 1};
    };
    EXPECT_EQ(BuildSpokenText(L"<la>", ctx).substr(0, 14), L"Задача\nЗадача\n");
    EXPECT_GT(read, 1000u);
    EXPECT_LE(read, kSpokenLength + 1);
}
