#include "planner/task_editor.h"

#include <gtest/gtest.h>

#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

TaskCells Row(std::wstring day, std::wstring time) {
    TaskCells cells;
    cells[kColDay] = std::move(day);
    cells[kColTime] = std::move(time);
    return cells;
}

}  // namespace

TEST(TaskEditorRead, DayCellDateIsShownNeverTheZeroDate) {
    const auto now = At(2024, 3, 15, 10, 0, 0);
    // The date comes from the day cell even without a next run.
    TaskEditorState s = ReadTaskEditor(Row(L"20.05.2024", L"12:00:00"), 0, now, Fs());
    EXPECT_FALSE(s.scheduled);
    EXPECT_EQ(Text(s.date), L"20.05.2024 00:00:00");
    // An unreadable day cell falls back to the next run, then to today.
    s = ReadTaskEditor(Row(L"вчера", L"12:00:00"), At(2024, 4, 1, 12), now, Fs());
    EXPECT_EQ(Text(s.date), L"01.04.2024 00:00:00");
    s = ReadTaskEditor(Row(L"вчера", L"12:00:00"), 0, now, Fs());
    EXPECT_EQ(Text(s.date), L"15.03.2024 00:00:00");
    // A schedule or an empty day cell is a schedule shown with today's date.
    for (const wchar_t* day : {L"*Ежемесячно; Дни:Пн", L""}) {
        s = ReadTaskEditor(Row(day, L"12:00:00"), At(2024, 3, 18, 12), now, Fs());
        EXPECT_TRUE(s.scheduled) << day;
        EXPECT_EQ(Text(s.date), L"15.03.2024 00:00:00");
        EXPECT_EQ(s.dayCell, day);
    }
}

TEST(TaskEditorRead, TimeKinds) {
    const auto now = At(2024, 3, 15, 10, 20, 30);
    TaskEditorState s = ReadTaskEditor(Row(L"*Ежедневно", L"Выход"), 0, now, Fs());
    EXPECT_EQ(s.timeKind, TimeKind::OnExit);
    EXPECT_EQ(Text(s.time), L"30.12.1899 10:20:30") << "the current time stays in the hidden picker";
    EXPECT_EQ(ReadTaskEditor(Row(L"", L"Запуск"), 0, now, Fs()).timeKind, TimeKind::OnStart);

    s = ReadTaskEditor(Row(L"", L"1Через 0:30:00"), 0, now, Fs());
    EXPECT_EQ(s.timeKind, TimeKind::Interval);
    EXPECT_TRUE(s.once);
    EXPECT_EQ(Text(s.time), L"30.12.1899 00:30:00");
    s = ReadTaskEditor(Row(L"", L"Через 1:00:05"), 0, now, Fs());
    EXPECT_FALSE(s.once);
    EXPECT_EQ(Text(s.time), L"30.12.1899 01:00:05");

    s = ReadTaskEditor(Row(L"", L"18:45:00"), 0, now, Fs());
    EXPECT_EQ(s.timeKind, TimeKind::AtTime);
    EXPECT_EQ(Text(s.time), L"30.12.1899 18:45:00");
    s = ReadTaskEditor(Row(L"", L"полдень"), At(2024, 3, 16, 7, 5, 0), now, Fs());
    EXPECT_EQ(Text(s.time), L"30.12.1899 07:05:00") << "unreadable: the next run's time";
    s = ReadTaskEditor(Row(L"", L""), At(2024, 3, 16, 7, 5, 0), now, Fs());
    EXPECT_EQ(s.timeKind, TimeKind::AtTime);
    EXPECT_EQ(Text(s.time), L"30.12.1899 10:20:30") << "empty: the current time";
}

TEST(TaskEditorRead, DescriptionMessageListsAndMarks) {
    TaskCells cells = Row(L"", L"");
    TaskEditorState s = ReadTaskEditor(cells, 0, At(2024, 1, 1), Fs());
    EXPECT_FALSE(s.hasDescription);
    EXPECT_TRUE(s.shakeWindow);
    EXPECT_FALSE(s.showAfterRun);
    EXPECT_FALSE(s.hasMessage);
    EXPECT_TRUE(s.inWindow && s.inTray && s.speak);
    EXPECT_EQ(s.title, L"<tt>");

    cells[kColDescription] = L"\x01Обед";
    cells[kColMessage] = BuildMessageCell(6, L"Заголовок", base::StringList{L"Строка 1", L"Строка, 2"});
    cells[kColSounds] = L">ding.wav";
    cells[kColFiles] = L"a.exe,\"b c.txt|-x\"";
    cells[kColPicture] = L"*C:\\pic.jpg";
    cells[kColComputer] = L"Выключить монитор";
    cells[kColDone] = L"Удаление";
    s = ReadTaskEditor(cells, 0, At(2024, 1, 1), Fs());
    EXPECT_TRUE(s.hasDescription);
    EXPECT_TRUE(s.showAfterRun);
    EXPECT_FALSE(s.shakeWindow);
    EXPECT_EQ(s.description, L"Обед");
    EXPECT_FALSE(s.inWindow);
    EXPECT_TRUE(s.inTray);
    EXPECT_TRUE(s.speak);
    EXPECT_EQ(s.title, L"Заголовок");
    EXPECT_EQ(s.messageLines, (std::vector<std::wstring>{L"Строка 1", L"Строка, 2"}));
    EXPECT_EQ(s.sounds.mode, L'>');
    EXPECT_EQ(s.sounds.items, std::vector<std::wstring>{L"ding.wav"});
    EXPECT_EQ(s.files.mode, 0);
    EXPECT_EQ(s.files.items, (std::vector<std::wstring>{L"a.exe", L"b c.txt|-x"}));
    EXPECT_EQ(s.picture.mode, L'*');
    EXPECT_EQ(s.picture.items, std::vector<std::wstring>{L"C:\\pic.jpg"});
    EXPECT_EQ(s.computerAction, L"Выключить монитор");
    EXPECT_TRUE(s.deleteAfterRun);

    // A message without a title reads back with an empty title; a message
    // whose flag names no way is shown in a window.
    cells[kColMessage] = L"\x04Текст";
    s = ReadTaskEditor(cells, 0, At(2024, 1, 1), Fs());
    EXPECT_EQ(s.title, L"");
    EXPECT_EQ(s.messageLines, std::vector<std::wstring>{L"Текст"});
    EXPECT_TRUE(s.speak);
    EXPECT_FALSE(s.inWindow || s.inTray);
    cells[kColMessage] = std::wstring(1, L'\x08') + L"Текст";
    s = ReadTaskEditor(cells, 0, At(2024, 1, 1), Fs());
    EXPECT_TRUE(s.inWindow);
}

TEST(TaskEditorWrite, ScheduleCells) {
    ScheduleInput in;
    in.onDate = true;
    in.date = At(2024, 5, 20, 13, 14, 15);
    in.timeKind = TimeKind::AtTime;
    in.time = At(2024, 1, 1, 8, 5, 0);
    ScheduleCells out = BuildScheduleCells(in, Fs());
    EXPECT_EQ(out.day, L"20.05.2024");
    EXPECT_EQ(out.time, L"8:05:00");
    EXPECT_EQ(out.done, L"");

    in.onDate = false;
    in.picks.CheckAllMonths(true);
    in.picks.CheckAllDays(true);
    in.timeKind = TimeKind::Interval;
    in.time = 0;
    in.once = true;
    in.deleteAfterRun = true;
    out = BuildScheduleCells(in, Fs());
    EXPECT_EQ(out.day, L"*Ежедневно");
    EXPECT_EQ(out.time, L"1Через 0:00:01") << "an interval is never zero";
    EXPECT_EQ(Text(out.shownTime), L"30.12.1899 00:00:01");
    EXPECT_EQ(out.done, L"Удаление");

    in.picks.days[2] = false;
    in.timeKind = TimeKind::OnExit;
    out = BuildScheduleCells(in, Fs());
    EXPECT_EQ(out.day, L"*Ежемесячно; Дни:Пн,Вт,Чт,Пт,Сб,Вс");
    EXPECT_EQ(out.time, L"Выход");
}

TEST(TaskEditorWrite, ScheduleNeedsContentAndStoreTellsWhatFollows) {
    TaskCells cells;
    EXPECT_FALSE(HasScheduleContent(cells));
    cells[kColDone] = L"Удаление";
    EXPECT_TRUE(HasScheduleContent(cells));

    TaskTable grid;
    EXPECT_EQ(StoreCell(grid, 1, kColDescription, L"\x02Обед"), CellStore::NewTask);
    grid.SetCell(kColDay, 1, L"*Ежедневно");
    EXPECT_EQ(StoreCell(grid, 1, kColSounds, L"a.wav"), CellStore::Stored);
    EXPECT_EQ(StoreCell(grid, 1, kColDescription, L""), CellStore::Stored);
    EXPECT_EQ(StoreCell(grid, 1, kColSounds, L""), CellStore::RowEmptied);
    EXPECT_EQ(grid.Cell(kColSounds, 1), L"");
}

TEST(TaskEditorLists, ModeKeepsOnlyTheSelectedMark) {
    const std::vector<std::wstring> items{L"a.wav", L"b c.wav", L"d.wav"};
    std::vector<bool> checked{true, true, false};
    int selected = 1;
    // With a mode down, checking a second sound removes the first one's mark.
    EXPECT_EQ(CheckListCell(items, checked, selected, L'*'), L"*b c.wav");
    EXPECT_EQ(checked, (std::vector<bool>{false, true, false}));
    checked[1] = false;
    EXPECT_EQ(CheckListCell(items, checked, selected, L'>'), L"") << "selected item unchecked";

    checked = {true, true, false};
    EXPECT_EQ(CheckListCell(items, checked, selected, 0), L"a.wav,\"b c.wav\"");
    checked = {false, false, false};
    EXPECT_EQ(CheckListCell(items, checked, selected, 0), L"");

    selected = -1;
    checked = {false, false, true};
    EXPECT_EQ(CheckListCell(items, checked, selected, L'>'), L"") << "no selection: the first item";
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(checked, (std::vector<bool>{false, false, false}));

    std::vector<bool> none;
    int sel = -1;
    EXPECT_EQ(CheckListCell({}, none, sel, L'*'), std::nullopt);

    int picture = -1;
    EXPECT_EQ(PictureListCell({L"1.bmp", L"2.jpg"}, picture, L'>'), L">1.bmp");
    EXPECT_EQ(picture, 0);
    picture = 1;
    EXPECT_EQ(PictureListCell({L"1.bmp", L"2.jpg"}, picture, 0), L"2.jpg");
    EXPECT_EQ(PictureListCell({}, picture, L'*'), L"");
}

TEST(TaskEditorLists, FileParametersAndPastedLines) {
    EXPECT_EQ(FileParameters(L"notepad.exe|a.txt|b"), L"a.txt|b");
    EXPECT_EQ(FileParameters(L"notepad.exe"), L"");
    EXPECT_EQ(WithFileParameters(L"notepad.exe|old", L"new"), L"notepad.exe|new");
    EXPECT_EQ(WithFileParameters(L"notepad.exe|old", L""), L"notepad.exe");
    EXPECT_EQ(WithFileParameters(L"calc.exe", L"/x"), L"calc.exe|/x");

    EXPECT_EQ(NewPastedItems({L"C:\\Музыка\\А.wav"}, L"c:\\музыка\\а.WAV\r\n\r\nb.wav\nB.WAV\r\nc.wav\r\n"),
              (std::vector<std::wstring>{L"b.wav", L"c.wav"}));
}

TEST(TaskEditorLists, VisibleCellTextLeavesOutFlags) {
    EXPECT_EQ(VisibleCellText(std::wstring(1, L'\0') + L"Обед"), L"Обед");
    EXPECT_EQ(VisibleCellText(L"\x07<tt>|Текст, ещё"), L"<tt>|Текст, ещё");
    EXPECT_EQ(VisibleCellText(L"*Ежедневно"), L"*Ежедневно");
}

TEST(TaskEditorChoosers, FoldersStoredPathsAndDialogResults) {
    const std::wstring program = L"C:\\Программы\\Horalto\\";
    EXPECT_EQ(ItemFullPath(L"sounds\\a.wav", program), L"C:\\Программы\\Horalto\\sounds\\a.wav");
    EXPECT_EQ(ItemFullPath(L"D:\\x\\run.exe|-p", program), L"D:\\x\\run.exe");
    EXPECT_EQ(ChooserFolder({L"a.wav", L"D:\\Media\\b.wav"}, program, L"C:\\Windows\\Media"), L"D:\\Media");
    EXPECT_EQ(ChooserFolder({L"b.wav"}, program, L"C:\\Windows"), L"C:\\Программы\\Horalto");
    EXPECT_EQ(ChooserFolder({}, program, L"C:\\Windows\\Media"), L"C:\\Windows\\Media");

    EXPECT_EQ(StoredFilePath(L"c:\\программы\\horalto\\sounds\\a.wav", program), L"sounds\\a.wav");
    EXPECT_EQ(StoredFilePath(L"C:\\Программы\\Horalto2\\a.wav", program), L"C:\\Программы\\Horalto2\\a.wav");
    EXPECT_EQ(StoredFilePath(L"D:\\a.wav", L"C:\\Horalto"), L"D:\\a.wav");

    using namespace std::string_literals;
    EXPECT_EQ(SplitChosenFiles(L"C:\\Media\\a.wav\0\0"s), std::vector<std::wstring>{L"C:\\Media\\a.wav"});
    EXPECT_EQ(SplitChosenFiles(L"C:\\Media\0a.wav\0b c.wav\0\0"s),
              (std::vector<std::wstring>{L"C:\\Media\\a.wav", L"C:\\Media\\b c.wav"}));
    EXPECT_EQ(SplitChosenFiles(L"C:\\\0a.wav\0\0"s), std::vector<std::wstring>{L"C:\\a.wav"});
    EXPECT_TRUE(SplitChosenFiles(L""s).empty());
}
