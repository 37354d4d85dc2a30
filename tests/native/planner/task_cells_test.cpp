#include "planner/task_cells.h"

#include <gtest/gtest.h>

#include "planner/day_schedule.h"
#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

TEST(DescriptionCell, FlagsAndTextBothWays) {
    EXPECT_EQ(BuildDescriptionCell(0, L"Обед"), std::wstring(1, L'\0') + L"Обед");
    EXPECT_EQ(BuildDescriptionCell(3, L"Обед"), L"\x03Обед");
    EXPECT_EQ(BuildDescriptionCell(2, L""), L"") << "shake, no text: empty";
    EXPECT_EQ(BuildDescriptionCell(3, L""), L"");
    EXPECT_EQ(BuildDescriptionCell(0, L""), std::wstring(1, L'\0'));
    EXPECT_EQ(BuildDescriptionCell(1, L""), L"\x01");

    EXPECT_EQ(DescriptionFlags(L""), 2);
    EXPECT_EQ(DescriptionFlags(std::wstring(1, L'\0')), 0);
    EXPECT_EQ(DescriptionFlags(L"\x03Обед"), 3);
    EXPECT_EQ(DescriptionText(L"\x01Обед"), L"Обед");
    EXPECT_EQ(DescriptionText(L""), L"");
    // Typed by hand, no flag character: the whole cell is the text, with the
    // flag of a description typed in the editor.
    EXPECT_EQ(DescriptionFlags(L"Обед"), kShakeWindow);
    EXPECT_EQ(DescriptionText(L"Обед"), L"Обед");
}

TEST(MessageCell, TitleAndLinesBothWays) {
    const base::StringList lines{L"Позвонить маме", L"в 18:00, не забыть"};
    const std::wstring cell = BuildMessageCell(7, L"<tt>", lines);
    EXPECT_EQ(cell, L"\x07<tt>|\"Позвонить маме\",\"в 18:00, не забыть\"");
    const MessageParts parts = SplitMessageCell(cell);
    EXPECT_EQ(parts.flags, 7);
    EXPECT_EQ(parts.title, L"<tt>");
    EXPECT_EQ(MessageLines(parts.body), lines);

    EXPECT_EQ(BuildMessageCell(1, L"", base::StringList{L"Обед"}), L"\x01Обед") << "no title, no bar";
    EXPECT_EQ(SplitMessageCell(L"\x01Обед").title, L"");
    EXPECT_EQ(SplitMessageCell(L"\x01Обед").body, L"Обед");
    EXPECT_EQ(BuildMessageCell(5, L"Заголовок", base::StringList{}), L"")
        << "an empty message empties the cell";
    EXPECT_EQ(BuildMessageCell(5, L"Заголовок", base::StringList{L""}), L"");
    EXPECT_EQ(SplitMessageCell(L"").flags, 0);
    // Typed by hand, no flag character: shown in a window, the title before
    // the first "|", the text one line as typed.
    const MessageParts typed = SplitMessageCell(L"Полис|Не забыть полис, \"ОСАГО\"|2");
    EXPECT_EQ(typed.flags, kMessageWindow);
    EXPECT_EQ(typed.title, L"Полис");
    EXPECT_EQ(MessageLines(typed.body), base::StringList{L"Не забыть полис, \"ОСАГО\"|2"});
    EXPECT_EQ(MessageLines(SplitMessageCell(L"Не забыть полис").body), base::StringList{L"Не забыть полис"});
}

TEST(MessageCell, TextHoldingABarWithoutTitleReadsBackTheSame) {
    const base::StringList lines{L"a|b"};
    const std::wstring cell = BuildMessageCell(2, L"", lines);
    EXPECT_EQ(cell, L"\x02|a|b");
    const MessageParts parts = SplitMessageCell(cell);
    EXPECT_EQ(parts.title, L"");
    EXPECT_EQ(MessageLines(parts.body), lines);
}

TEST(ListCells, ModeItemOrCommaText) {
    EXPECT_EQ(BuildListCell(L'*', {L"C:\\Sounds\\ding dong.wav"}), L"*C:\\Sounds\\ding dong.wav");
    EXPECT_EQ(BuildListCell(L'>', {L"a.wav", L"b.wav"}), L">a.wav");
    EXPECT_EQ(BuildListCell(0, {L"a.wav", L"C:\\My Sounds\\b.wav"}), L"a.wav,\"C:\\My Sounds\\b.wav\"");
    EXPECT_EQ(BuildListCell(0, {}), L"");

    ListCell random = ParseListCell(L"*C:\\Sounds\\ding dong.wav");
    EXPECT_EQ(random.mode, L'*');
    EXPECT_EQ(random.items, (std::vector<std::wstring>{L"C:\\Sounds\\ding dong.wav"}));
    ListCell all = ParseListCell(L"a.wav,\"C:\\My Sounds\\b.wav\"");
    EXPECT_EQ(all.mode, 0);
    EXPECT_EQ(all.items, (std::vector<std::wstring>{L"a.wav", L"C:\\My Sounds\\b.wav"}));
    EXPECT_EQ(ParseListCell(L"notepad.exe|C:\\a b.txt").items,
              (std::vector<std::wstring>{L"notepad.exe|C:\\a", L"b.txt"}))
        << "an unquoted blank splits comma text";
    EXPECT_EQ(BuildListCell(0, {L"notepad.exe|C:\\a b.txt"}), L"\"notepad.exe|C:\\a b.txt\"");

    ListCell picture = ParsePictureCell(L"C:\\Мои рисунки\\лес.jpg");
    EXPECT_EQ(picture.mode, 0);
    EXPECT_EQ(picture.items.front(), L"C:\\Мои рисунки\\лес.jpg");
    EXPECT_EQ(ParsePictureCell(L">C:\\p.bmp").mode, L'>');
    EXPECT_EQ(BuildPictureCell(L'*', L"C:\\p.bmp"), L"*C:\\p.bmp");
    EXPECT_EQ(BuildPictureCell(0, L"C:\\p q.bmp"), L"C:\\p q.bmp");
}

TEST(TimeCell, TextsTheEditorWritesAndReads) {
    const base::TDateTime t = base::EncodeTime(7, 5, 0, 0);
    EXPECT_EQ(BuildTimeText(TimeKind::AtTime, t, false, Fs()), L"7:05:00");
    EXPECT_EQ(BuildTimeText(TimeKind::Interval, base::EncodeTime(0, 1, 0, 0), false, Fs()), L"Через 0:01:00");
    EXPECT_EQ(BuildTimeText(TimeKind::Interval, base::EncodeTime(0, 1, 0, 0), true, Fs()), L"1Через 0:01:00");
    EXPECT_EQ(BuildTimeText(TimeKind::Interval, 0, false, Fs()), L"Через 0:00:01") << "never a zero interval";
    EXPECT_EQ(BuildTimeText(TimeKind::OnStart, t, false, Fs()), L"Запуск");
    EXPECT_EQ(BuildTimeText(TimeKind::OnExit, t, false, Fs()), L"Выход");

    EXPECT_EQ(TimeKindOf(L"Выход"), TimeKind::OnExit);
    EXPECT_EQ(TimeKindOf(L"Запуск"), TimeKind::OnStart);
    EXPECT_EQ(TimeKindOf(L"1Через 0:01:00"), TimeKind::Interval);
    EXPECT_EQ(TimeKindOf(L"Через 0:01:00"), TimeKind::Interval);
    EXPECT_EQ(TimeKindOf(L"7:05:00"), TimeKind::AtTime);
    EXPECT_EQ(TimeKindOf(L""), TimeKind::AtTime);
    EXPECT_EQ(IntervalPart(L"1Через 0:01:00"), L"0:01:00");
    EXPECT_EQ(IntervalPart(L"Через 2:00:00"), L"2:00:00");
    EXPECT_TRUE(IsIntervalText(L"Через 2:00:00"));
    EXPECT_FALSE(IsIntervalText(L"1Через 2:00:00"));
    EXPECT_TRUE(IsOnceIntervalText(L"1Через 2:00:00"));
}

TEST(DayCell, EditorDateComesFromTheCellThenTheNextRunThenToday) {
    const base::TDateTime now = At(2024, 3, 13, 10, 0, 0);
    EXPECT_EQ(Text(EditorDate(L"20.03.2024", At(2024, 3, 21, 9), now, Fs())), L"20.03.2024 00:00:00");
    EXPECT_EQ(Text(EditorDate(L"31.02.2024", At(2024, 3, 21, 9), now, Fs())), L"21.03.2024 00:00:00");
    EXPECT_EQ(Text(EditorDate(L"*Ежедневно", At(2024, 3, 21, 9), now, Fs())), L"21.03.2024 00:00:00");
    EXPECT_EQ(Text(EditorDate(L"", 0, now, Fs())), L"13.03.2024 00:00:00") << "never 30.12.1899";
}

TEST(RowCaptions, MenuTextsOfAComingTask) {
    TaskCells cells;
    cells[kColTime] = L"9:00:00";
    cells[kColNextRun] = L"14.03.24 9:00:00";
    cells[kColMessage] = L"\x01Заголовок|Текст";
    cells[kColComputer] = L"Выключить монитор";
    EXPECT_EQ(ComingTaskCaption(cells), L"9:00:00 Текст|Выключить монитор");
    EXPECT_EQ(StoredTaskCaption(cells), L"14.03.24 9:00:00 Заголовок|Текст|Выключить ...");
    EXPECT_TRUE(HasActions(cells));
    EXPECT_FALSE(HasActions(TaskCells{}));
}

namespace {

DayPicks Picks(std::initializer_list<int> months, DayMode mode, std::initializer_list<int> days) {
    DayPicks picks;
    picks.SetMode(mode);
    for (int m : months) picks.months[static_cast<size_t>(m - 1)] = true;
    for (int d : days) picks.days[static_cast<size_t>(d - 1)] = true;
    return picks;
}

}  // namespace

TEST(DaySchedule, TextsBuiltFromThePicker) {
    DayPicks all;
    all.CheckAllMonths(true);
    all.CheckAllDays(true);
    EXPECT_EQ(BuildDayScheduleText(all), L"*Ежедневно");
    all.SetMode(DayMode::Numbers);
    all.CheckAllDays(true);
    EXPECT_EQ(BuildDayScheduleText(all), L"*Ежедневно");

    const std::initializer_list<int> year{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(BuildDayScheduleText(Picks(year, DayMode::Weekdays, {1, 5})), L"*Ежемесячно; Дни:Пн,Пт");
    EXPECT_EQ(BuildDayScheduleText(Picks(year, DayMode::Weekdays, {})), L"*Ежемесячно");
    EXPECT_EQ(BuildDayScheduleText(Picks({1, 2}, DayMode::Weekdays, {1, 2, 3, 4, 5, 6, 7})),
              L"*Месяцы:Янв,Фев; Ежедневно");
    EXPECT_EQ(BuildDayScheduleText(Picks({12}, DayMode::Numbers, {1, 15, 31})),
              L"*Месяцы:Дек; Числа:1,15,31");
    EXPECT_EQ(BuildDayScheduleText(Picks({3, 4}, DayMode::Numbers, {})), L"*Месяцы:Мар,Апр");
}

TEST(DaySchedule, PickerMarksParsedFromTheCell) {
    DayPicks picks;
    ParseDaySchedule(L"*Месяцы:Янв,Июл; Числа:1,15", picks);
    EXPECT_EQ(picks.mode, DayMode::Numbers);
    EXPECT_EQ(picks.days.size(), 31u);
    EXPECT_EQ(BuildDayScheduleText(picks), L"*Месяцы:Янв,Июл; Числа:1,15");
    EXPECT_TRUE(picks.months[0] && picks.months[6] && !picks.months[1]);

    ParseDaySchedule(L"*Ежемесячно; Дни:Сб,Вс", picks);
    EXPECT_EQ(picks.mode, DayMode::Weekdays);
    EXPECT_EQ(BuildDayScheduleText(picks), L"*Ежемесячно; Дни:Сб,Вс");

    // "Ежедневно" checks every item of the present mode.
    picks.SetMode(DayMode::Numbers);
    ParseDaySchedule(L"*Месяцы:Мар; Ежедневно", picks);
    EXPECT_EQ(picks.mode, DayMode::Numbers);
    EXPECT_TRUE(picks.AllDays());
    EXPECT_EQ(BuildDayScheduleText(picks), L"*Месяцы:Мар; Ежедневно");

    for (const wchar_t* cell : {L"", L"*", L"*Ежедневно"}) {
        DayPicks every;
        ParseDaySchedule(cell, every);
        EXPECT_TRUE(every.AllMonths() && every.AllDays()) << cell;
    }

    ParseDaySchedule(L"*Месяцы:Мар,Апр", picks);
    EXPECT_FALSE(picks.AnyDay());
    EXPECT_EQ(BuildDayScheduleText(picks), L"*Месяцы:Мар,Апр");
    ParseDaySchedule(L"*Ежемесячно; Числа:0,32,x,7", picks);
    EXPECT_EQ(BuildDayScheduleText(picks), L"*Ежемесячно; Числа:7");
}

TEST(DaySchedule, SwitchingModeDropsTheDayMarks) {
    DayPicks picks;
    picks.CheckAllDays(true);
    picks.SetMode(DayMode::Numbers);
    EXPECT_FALSE(picks.AnyDay());
    EXPECT_EQ(picks.days.size(), 31u);
}
