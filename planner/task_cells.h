// How each cell of a task row is spelled: the columns, the keywords of the
// schedule texts, the flag characters of the description and message cells,
// and the "*" random / ">" in-order lists of sounds, files and pictures.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/string_list.h"

namespace planner {

enum TaskCol : int {
    kColDue = 0,
    kColDay = 1,
    kColTime = 2,
    kColDescription = 3,
    kColMessage = 4,
    kColSounds = 5,
    kColFiles = 6,
    kColPicture = 7,
    kColComputer = 8,
    kColDone = 9,
    kColNextRun = 10,
};
constexpr int kFirstActionCol = kColDescription;
constexpr int kLastActionCol = kColComputer;

// The header row's texts, column 0 first.
const std::array<std::wstring_view, 11>& TaskHeaderCells();

inline constexpr std::wstring_view kDueMark = L"->";
inline constexpr std::wstring_view kDeleteAfterRun = L"Удаление";  // "Выполнено": delete after the run
inline constexpr std::wstring_view kDropRow = L"Удалить";          // "Выполнено": ran, to be dropped
inline constexpr std::wstring_view kOnStart = L"Запуск";
inline constexpr std::wstring_view kOnExit = L"Выход";
inline constexpr std::wstring_view kEvery = L"Через";
inline constexpr std::wstring_view kOnceAfter = L"1Через";
inline constexpr std::wstring_view kDaily = L"Ежедневно";
inline constexpr std::wstring_view kMonthly = L"Ежемесячно";
inline constexpr std::wstring_view kMonthsPrefix = L"Месяцы:";
inline constexpr std::wstring_view kWeekdaysPrefix = L"Дни:";
inline constexpr std::wstring_view kNumbersPrefix = L"Числа:";
inline constexpr std::wstring_view kPartSeparator = L"; ";
inline constexpr std::wstring_view kDefaultSchedule = L"*Ежедневно";

// Three-letter month names from January, two-letter weekday names from Monday.
const std::array<std::wstring_view, 12>& MonthAbbreviations();
const std::array<std::wstring_view, 7>& WeekdayAbbreviations();

// Keyword tests ignore the case of Latin letters only: a Cyrillic keyword
// matches only as it is written ("Запуск", not "ЗАПУСК").
bool SameKeyword(std::wstring_view a, std::wstring_view b);
bool StartsWithKeyword(std::wstring_view text, std::wstring_view prefix);

// Reads the months part that may lead a day schedule (after its "*"):
// "Ежемесячно; " checks every month, "Месяцы:янв,фев; " the named ones. The part
// and its separator are taken off `s`. Returns false when there is no months
// part (then `months` is left as it is).
bool TakeMonthsPart(std::wstring& s, std::array<bool, 12>& months);

// A day or time cell without the blanks (spaces) around it, which the planner
// skips when it reads a date or a time of day.
std::wstring_view WithoutBlanksAround(std::wstring_view cell);

// ---- time cell (column 2) ----
enum class TimeKind { AtTime = 0, Interval = 1, OnStart = 2, OnExit = 3 };

bool IsOnceIntervalText(std::wstring_view t);  // first six characters "1Через"
bool IsIntervalText(std::wstring_view t);      // first five characters "Через"
// The interval part of an interval text: after "1Через " or "Через ".
std::wstring IntervalPart(std::wstring_view t);
// How the editor reads a time cell: "Выход", "Запуск", an interval, else a time.
TimeKind TimeKindOf(std::wstring_view t);
// The time cell the editor writes. An interval of 00:00:00 becomes 00:00:01.
std::wstring BuildTimeText(TimeKind kind, base::TDateTime time, bool once, const base::FormatSettings& fs);

// ---- day cell (column 1) ----
// The date the editor shows for a task on one date: the date of the day cell,
// else the date of its next run, else today's date.
base::TDateTime EditorDate(std::wstring_view dayCell, base::TDateTime nextRun, base::TDateTime now,
                           const base::FormatSettings& fs);

// ---- description (column 3) and message (column 4) ----
// The program begins both cells with a flag character, codes 0 to 7. A cell
// typed by hand that begins with any other character holds no flag: the
// whole cell is its text.
bool BeginsWithFlag(std::wstring_view cell);

// ---- description (column 3) ----
constexpr int kShowAfterRun = 1;  // the event list shows the description after the run
constexpr int kShakeWindow = 2;   // shake the clock window when the task runs
// The flag value: the code of the flag character; 2 (a description typed in
// the editor with its boxes as they start) for an empty cell or one without
// a flag.
int DescriptionFlags(std::wstring_view cell);
std::wstring DescriptionText(std::wstring_view cell);
std::wstring BuildDescriptionCell(int flags, std::wstring_view text);

// ---- message (column 4) ----
constexpr int kMessageWindow = 1;
constexpr int kMessageBalloon = 2;
constexpr int kMessageSpeak = 4;
struct MessageParts {
    int flags = 0;       // 0 for an empty cell
    std::wstring title;  // between the flag and the first "|"; empty without "|"
    std::wstring body;   // after the first "|" (after the flag without one): comma text
};
// A cell without a flag is shown in a reminder window: its title is the text
// before the first "|", its text the one line after it (the whole cell
// without a "|"), as typed; the body is that line as comma text.
MessageParts SplitMessageCell(std::wstring_view cell);
// The body's comma text as lines.
base::StringList MessageLines(std::wstring_view body);
// An empty message gives an empty cell. A title, or a body holding "|", is
// followed by "|", so that the cell reads back the same.
std::wstring BuildMessageCell(int flags, std::wstring_view title, const base::StringList& lines);

// ---- sounds, files, picture (columns 5, 6, 7) ----
constexpr wchar_t kRandomMode = L'*';
constexpr wchar_t kInOrderMode = L'>';
struct ListCell {
    wchar_t mode = 0;  // 0, '*' or '>'
    std::vector<std::wstring> items;
};
// Sounds and files: a mode character and one item, or the comma text of the items.
ListCell ParseListCell(std::wstring_view cell);
// The picture: a mode character or none, then one path.
ListCell ParsePictureCell(std::wstring_view cell);
std::wstring BuildListCell(wchar_t mode, const std::vector<std::wstring>& items);
std::wstring BuildPictureCell(wchar_t mode, std::wstring_view picture);

// ---- the row as a whole ----
// The row with its description and message typed by hand (cells without a
// flag) in the program's own form, which reads the same (a message of a title
// and "|" alone keeps its title); every other cell, one the program wrote
// above all, stays as it is.
void PutTypedCellsInOwnForm(std::array<std::wstring, 11>& cells);

// A row is a task while one of columns 3 to 8 is non-empty.
bool HasActions(const std::array<std::wstring, 11>& cells);

// Caption of a coming task's menu item: the lead text (the time cell, or the
// next-run cell when the editor stores a cell), a blank, and the message text
// and the non-empty cells 5 to 8 joined by "|", cut to 29 characters.
std::wstring ComingTaskCaption(const std::array<std::wstring, 11>& cells);
std::wstring StoredTaskCaption(const std::array<std::wstring, 11>& cells);

}  // namespace planner
