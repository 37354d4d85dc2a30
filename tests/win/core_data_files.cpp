// The data files as the whole program reads and writes them: NUL bytes, files
// saved as UTF-8 or UTF-16, read-only files, leftovers of a save cut short, and large
// files (their content, not their speed).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/horalto_globals.h"
#include "planner/next_run.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "win/support/keyboard.h"
#include "win/support/mouse.h"
#include "win/support/program_runner.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

BOOL CALLBACK AppendStaticText(HWND hwnd, LPARAM lp) {
    wchar_t cls[32];
    if (GetClassNameW(hwnd, cls, 32) && _wcsicmp(cls, L"Static") == 0) {
        wchar_t text[1024] = {};
        GetWindowTextW(hwnd, text, 1024);
        *reinterpret_cast<std::wstring*>(lp) += text;
    }
    return TRUE;
}

// The texts of a message box.
std::wstring BoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(box, AppendStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

// Closes the program, answering each message box with OK until it has ended
// (a box holds it until answered); returns their texts.
std::vector<std::wstring> CloseAnsweringBoxes(RunningProgram& program, HWND main) {
    std::vector<std::wstring> boxes;
    PostMessageW(main, WM_CLOSE, 0, 0);
    for (;;) {
        HWND box = nullptr;
        if (!WaitFor([&] { return program.WaitExit(0) || (box = program.WaitForDialog(0)) != nullptr; }))
            break;
        if (!box) break;
        boxes.push_back(BoxText(box));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
    return boxes;
}

// A byte string literal with its NUL bytes.
template <std::size_t N>
std::string Raw(const char (&bytes)[N]) {
    return std::string(bytes, N - 1);
}

std::string Bytes1251(const std::wstring& text) {
    return base::ToCp1251(text);
}

base::StringList Lines(const fs::path& file) {
    base::StringList lines;
    lines.LoadFromFile(file);
    return lines;
}

// The names of the files in the folder whose names end in `extension`.
std::vector<std::wstring> FilesEndingIn(const fs::path& folder, const wchar_t* extension) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) names.push_back(entry.path().filename().wstring());
    return names;
}

// The names of the temporary files of saves in the folder.
std::vector<std::wstring> TemporaryFiles(const fs::path& folder) {
    return FilesEndingIn(folder, L".tmp~");
}

// The system's reading of a task's day and time cells, as the program reads its task file.
planner::ScheduleCellReader SystemDates() {
    return planner::ScheduleCellReader(base::SystemFormatSettings(), Now());
}

std::wstring Description(const planner::TaskTable& grid, int row) {
    return planner::DescriptionText(grid.Cell(planner::kColDescription, row));
}

// Text below U+0800 (Latin and Cyrillic) as UTF-8.
std::string Utf8(const std::wstring& text) {
    std::string bytes;
    for (wchar_t ch : text) {
        if (ch < 0x80) {
            bytes += static_cast<char>(ch);
        } else {
            bytes += static_cast<char>(0xC0 | (ch >> 6));
            bytes += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return bytes;
}

// Text as Notepad's "Unicode" writes it: the mark FF FE, then UTF-16 LE.
std::string Utf16Le(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t ch : text) {
        bytes += static_cast<char>(ch & 0xFF);
        bytes += static_cast<char>(ch >> 8);
    }
    return bytes;
}

// `count` tasks (at most nine) on the first days of January 2030 at noon, task
// n described "Задача n" with the message "Текст n" under the title
// "Заголовок", and the empty row for a new task below them.
planner::TaskTable TasksOnDates(int count) {
    planner::TaskTable tasks;
    tasks.SetRowCount(count + 2);
    for (int r = 1; r <= count; ++r) {
        tasks.SetCell(planner::kColDay, r, L"0" + std::to_wstring(r) + L".01.2030");
        tasks.SetCell(planner::kColTime, r, L"12:00:00");
        tasks.SetCell(planner::kColDescription, r, std::wstring(1, L'\1') + L"Задача " + std::to_wstring(r));
        tasks.SetCell(planner::kColMessage, r, L"\x01Заголовок|Текст " + std::to_wstring(r));
    }
    return tasks;
}

// Where the clock stands once the program started in `dir` is on the screen;
// the program is closed then.
POINT PlaceOfTheClockAtStart(const fs::path& dir) {
    RunningProgram program(dir);
    const HWND main = program.WaitShown();
    EXPECT_NE(main, nullptr);
    RECT rc{-1, -1, -1, -1};
    if (main) GetWindowRect(main, &rc);
    EXPECT_EQ(program.CloseAndWait(), 0);
    return POINT{rc.left, rc.top};
}

}  // namespace

TEST(DataFiles, NulByteKeepsTheLinesAfterIt) {
    ScratchDir dir(L"data-nul");
    base::WriteFileBytes(dir.Path() / L"FileLists.txt",
                         Raw("[Servers]\r\nntp\0.one\r\nntp.two\r\n[Pictures]\r\nC:\\a.jpg\r\n"));
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt",
                         Raw("\t\r\n01.12.2026 9:00:00\t1 \xF7.\0\r\n02.12.2026 9:00:00\t2 \xF7.\r\n"));
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::StringList lists = Lines(dir.Path() / L"FileLists.txt");
    ASSERT_GE(lists.Count(), 5);
    EXPECT_EQ(lists[0], L"[Servers]");
    EXPECT_EQ(lists[1].substr(0, 3), L"ntp");
    EXPECT_EQ(lists[2], L"ntp.two");
    EXPECT_EQ(lists[3], L"[Pictures]");
    EXPECT_EQ(lists[4], L"C:\\a.jpg");

    const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(log.Count(), 4);  // header, both records, this run
    EXPECT_EQ(log[1].substr(0, 19), L"01.12.2026 9:00:00\t");
    EXPECT_EQ(log[2], L"02.12.2026 9:00:00\t2 ч.");
}

TEST(DataFiles, Utf8FilesKeepTheirFirstSectionAndAreWrittenIn1251) {
    ScratchDir dir(L"data-utf8");
    const std::string mark = "\xEF\xBB\xBF";
    // Notepad's "UTF-8": the mark, then UTF-8 text.
    base::WriteFileBytes(dir.Path() / L"Horalto.ini", mark +
                                                          "[Window]\r\nLeft=222\r\nTop=333\r\n[Main]\r\n"
                                                          "HintFormatId=\xD0\x9C\xD0\xBE\xD0\xB9\r\n");
    base::WriteFileBytes(dir.Path() / L"FileLists.txt",
                         mark + "[Servers]\r\nntp.\xD1\x81\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80\r\n");
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt",
                         mark + "\t\r\n01.12.2026 9:00:00\t1 \xD1\x87.\r\n");
    planner::TaskTable tasks;
    tasks.SetRowCount(3);
    tasks.SetCell(planner::kColDay, 1, L"01.01.2030");
    tasks.SetCell(planner::kColTime, 1, L"12:00:00");
    tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"Задача");
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk",
                         mark + Utf8(base::FromCp1251(planner::TaskFileBytes(tasks))));
    const POINT at = PlaceOfTheClockAtStart(dir.Path());
    EXPECT_EQ(at.x, 222);
    EXPECT_EQ(at.y, 333);
    const std::string ini = base::ReadFileBytes(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(ini.substr(0, 8), "[Window]");
    const base::IniFile settings(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(settings.ReadString(L"Window", L"Left", L""), L"222");
    EXPECT_EQ(settings.ReadString(L"Main", L"HintFormatId", L""), L"Мой");
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"FileLists.txt").substr(0, 32),
              "[Servers]\r\nntp.\xF1\xE5\xF0\xE2\xE5\xF0\r\n[HotKeys]");
    const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(log.Count(), 3);
    EXPECT_EQ(log[1], L"01.12.2026 9:00:00\t1 ч.");
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"TasksList.tsk").substr(0, 4),
              Bytes1251(L"День").substr(0, 4));
    EXPECT_EQ(Description(read, 1), L"Задача");
}

TEST(DataFiles, UnicodeFilesKeepEverythingAndAreWrittenIn1251) {
    // Notepad's "Unicode" (UTF-16 after its mark) and its "UTF-8" (no mark).
    planner::TaskTable tasks = TasksOnDates(2);
    tasks.SetCell(planner::kColDay, 1, L"*Ежедневно");
    tasks.SetCell(planner::kColTime, 1, L"Через 23:00:00");
    for (std::string (*encode)(const std::wstring&) : {Utf16Le, Utf8}) {
        SCOPED_TRACE(encode == Utf8 ? "UTF-8 without its mark" : "UTF-16");
        ScratchDir dir(L"data-unicode");
        base::WriteFileBytes(dir.Path() / L"Horalto.ini",
                             encode(L"[Window]\r\nLeft=222\r\nTop=333\r\n[Main]\r\nHintFormatId=Мой\r\n"
                                    L"[TimeFormats]\r\nМой=_<tt>,Привет\r\n[Заметки]\r\nКлюч=Значение\r\n"));
        base::WriteFileBytes(dir.Path() / L"FileLists.txt",
                             encode(L"[Servers]\r\nntp.сервер\r\n[Pictures]\r\nC:\\Фото.jpg\r\n"));
        base::WriteFileBytes(
            dir.Path() / L"WindowsWorkLog.txt",
            encode(L"\t\r\n01.12.2026 9:00:00\t1 ч.\r\n02.12.2026 9:00:00\t2 ч. 30 мин.\r\n"));
        base::WriteFileBytes(dir.Path() / L"TasksList.tsk",
                             encode(base::FromCp1251(planner::TaskFileBytes(tasks))));
        const POINT at = PlaceOfTheClockAtStart(dir.Path());
        EXPECT_EQ(at.x, 222);
        EXPECT_EQ(at.y, 333);
        // Each file is written in Windows-1251: no NUL byte of UTF-16 is left.
        const std::string ini = base::ReadFileBytes(dir.Path() / L"Horalto.ini");
        EXPECT_EQ(ini.substr(0, 8), "[Window]");
        EXPECT_EQ(ini.find('\0'), std::string::npos);
        const base::IniFile settings(dir.Path() / L"Horalto.ini");
        EXPECT_EQ(settings.ReadString(L"Window", L"Left", L""), L"222");
        EXPECT_EQ(settings.ReadString(L"Main", L"HintFormatId", L""), L"Мой");
        EXPECT_EQ(settings.ReadString(L"TimeFormats", L"Мой", L""), L"_<tt>,Привет");
        EXPECT_EQ(settings.ReadString(L"Заметки", L"Ключ", L""), L"Значение") << "kept by the close's read";
        const std::string lists =
            Bytes1251(L"[Servers]\r\nntp.сервер\r\n[Pictures]\r\nC:\\Фото.jpg\r\n[HotKeys]");
        EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"FileLists.txt").substr(0, lists.size()), lists);
        EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"WindowsWorkLog.txt").find('\0'), std::string::npos);
        const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
        ASSERT_EQ(log.Count(), 4);  // header, both records, this run
        EXPECT_EQ(log[1], L"01.12.2026 9:00:00\t1 ч.");
        EXPECT_EQ(log[2], L"02.12.2026 9:00:00\t2 ч. 30 мин.");
        const std::string taskBytes = base::ReadFileBytes(dir.Path() / L"TasksList.tsk");
        EXPECT_EQ(taskBytes.substr(0, 4), Bytes1251(L"День"));
        EXPECT_EQ(taskBytes.find('\0'), std::string::npos);
        planner::TaskTable read;
        ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
        ASSERT_EQ(read.RowCount(), 4);
        for (int r = 1; r <= 2; ++r) {
            for (int c = planner::kColDay; c <= planner::kColDone; ++c)
                EXPECT_EQ(read.Cell(c, r), tasks.Cell(c, r)) << "row " << r << ", column " << c;
            EXPECT_NE(read.Cell(planner::kColNextRun, r), L"") << "the schedule is read";
        }
    }
}

TEST(DataFiles, TaskFileWithLfOrCrLineEndsKeepsItsTasks) {
    // Any line ending ends a row once its ten fields are complete; a lone CR
    // or LF of another kind than the header line's lies inside a cell (a
    // description, a message) and splits nothing: it is kept as a blank.
    planner::TaskTable grid;
    grid.SetRowCount(4);
    for (int r = 1; r <= 2; ++r) {
        grid.SetCell(planner::kColDay, r, L"0" + std::to_wstring(r) + L".01.2030");
        grid.SetCell(planner::kColTime, r, L"12:00:00");
        grid.SetCell(planner::kColDescription, r,
                     std::wstring(1, L'\1') + L"Задача " + std::to_wstring(r) + L"~часть");
        grid.SetCell(planner::kColMessage, r, L"\x01Заголовок|Текст^ещё");
    }
    const std::string crLf = planner::TaskFileBytes(grid);
    for (const char* eol : {"\r\n", "\n", "\r", "mixed"}) {
        const std::string name = testing::PrintToString(std::string(eol));
        ScratchDir dir(L"data-eol");
        std::string bytes = crLf;
        int row = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 1)) {
            const char* end = eol;
            if (std::string(eol) == "mixed") end = row % 3 == 0 ? "\r" : row % 3 == 1 ? "\n" : "\r\n";
            bytes.replace(at, 2, end);
            ++row;
        }
        const std::string kind = eol == std::string("mixed") ? "\r" : eol;  // the header line's
        std::replace(bytes.begin(), bytes.end(), '~', kind == "\n" ? '\r' : '\n');
        std::replace(bytes.begin(), bytes.end(), '^', kind == "\r" ? '\n' : '\r');
        const fs::path tasks = dir.Path() / L"TasksList.tsk";
        base::WriteFileBytes(tasks, bytes);
        {
            RunningProgram program(dir.Path());
            ASSERT_NE(program.WaitShown(), nullptr);
            EXPECT_EQ(program.CloseAndWait(), 0);
        }
        planner::TaskTable read;
        ASSERT_TRUE(planner::LoadTaskFile(tasks, read, SystemDates())) << name;
        ASSERT_EQ(read.RowCount(), 4) << name;
        for (int r = 1; r <= 2; ++r) {
            EXPECT_EQ(Description(read, r), L"Задача " + std::to_wstring(r) + L" часть") << name;
            EXPECT_EQ(read.Cell(planner::kColMessage, r), L"\x01Заголовок|Текст ещё") << name;
        }
        // Written back with CR LF.
        const std::string written = base::ReadFileBytes(tasks);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 4);
        EXPECT_NE(written.find("\t\r\n"), std::string::npos);
    }
}

TEST(DataFiles, TaskFileOfShortRowsKeepsEachTask) {
    // Rows of nine TABs, or ending after their message (the later cells empty,
    // their TABs trimmed or left out by hand), end at the line end, be it CR
    // LF, LF or CR; a line of blanks (spaces, no-break spaces) holds no task,
    // a file of the header and one task without the spare row is read, and so
    // is a file without its header line (its first day cell a date in the
    // system's short date format): every task comes back with its cells.
    planner::TaskTable grid = TasksOnDates(5);
    for (int r = 1; r <= 5; ++r)
        grid.SetCell(planner::kColNextRun, r, L"0" + std::to_wstring(r) + L"/01/30 12:00:00");
    const std::string crLf = planner::TaskFileBytes(grid);
    const std::string header = crLf.substr(0, crLf.find("\r\n") + 2);
    std::string nineTabs, trimmed;
    for (std::size_t at = 0, row = 0; at < crLf.size(); ++row) {
        const std::size_t end = crLf.find("\r\n", at);
        const std::string line = crLf.substr(at, end - at);
        nineTabs += line.substr(0, line.size() - 1) + "\r\n" + (row == 2 ? " \xA0 \xA0\r\n" : "");
        std::size_t cut = 0;  // just past the TAB that ends the message cell
        for (int tab = 0; tab < 4; ++tab) cut = line.find('\t', cut) + 1;
        trimmed += line.substr(0, cut - 1) + "\r\n";
        at = end + 2;
    }
    const std::string oneTask = crLf.substr(0, crLf.find("\r\n", header.size()) + 2);
    const std::string noHeader = crLf.substr(header.size());
    const struct {
        const char* kind;
        std::string bytes;
        int tasks;
    } files[] = {{"nine TABs", nineTabs, 5},
                 {"trimmed", trimmed, 5},
                 {"one task", oneTask, 1},
                 {"no header", noHeader, 5}};
    for (const auto& [kind, crLfBytes, tasks] : files)
        for (const std::string eol : {"\r\n", "\n", "\r"}) {
            const std::string name = kind + (" " + testing::PrintToString(eol));
            std::string bytes;
            for (std::size_t at = 0, end = 0; at < crLfBytes.size(); at = end + 2) {
                end = crLfBytes.find("\r\n", at);
                bytes += crLfBytes.substr(at, end - at) + eol;
            }
            ScratchDir dir(L"data-short-rows");
            base::WriteFileBytes(dir.Path() / L"TasksList.tsk", bytes);
            {
                RunningProgram program(dir.Path());
                ASSERT_NE(program.WaitShown(), nullptr);
                EXPECT_EQ(program.CloseAndWait(), 0);
            }
            planner::TaskTable read;
            ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates())) << name;
            EXPECT_EQ(read.RowCount(), tasks + 2) << name;
            for (int r = 1; r <= tasks && r < read.RowCount(); ++r) {
                for (int c = planner::kColDay; c <= planner::kColDone; ++c)
                    EXPECT_EQ(read.Cell(c, r), grid.Cell(c, r)) << name << ", row " << r << ", column " << c;
                EXPECT_NE(read.Cell(planner::kColNextRun, r), L"") << "the schedule is read";
            }
        }
}

TEST(DataFiles, MostlyUtf8FilesKeepTheirLetters) {
    // Files saved as UTF-8 with a stray Windows-1251 byte, or a letter cut at
    // the end: the letters stay, the stray byte reads as its Windows-1251 letter.
    ScratchDir dir(L"data-mostly-utf8");
    const std::string mark = "\xEF\xBB\xBF";
    base::WriteFileBytes(
        dir.Path() / L"Круглая.qsk",
        mark + Utf8(L"; часы\r\n[Круглая]\r\nCenterX=50\r\nCenterY=40\r\nScale=1\r\n") + "\xB9");
    base::WriteFileBytes(
        dir.Path() / L"Horalto.ini",
        mark +
            Utf8(L"[Window]\r\nMainSkinIndex=4\r\nMainScale=1\r\n[Skins]\r\nКруглая=Круглая.qsk\r\n"
                 L"[TimeFormats]\r\nМой=_<tt>,Привет") +
            "\xB9\r\n");
    base::WriteFileBytes(dir.Path() / L"FileLists.txt",
                         mark + Utf8(L"[Servers]\r\nntp.сервер\r\n[Pictures]\r\nC:\\Фото") + "\xB9.jpg\r\n");
    base::WriteFileBytes(
        dir.Path() / L"WindowsWorkLog.txt",
        mark + Utf8(L"\t\r\n01.12.2026 9:00:00\t1 ч. 30 мин.\r\n02.12.2026 9:00:00\t2 ") + "\xD1");
    planner::TaskTable tasks;
    tasks.SetRowCount(3);
    tasks.SetCell(planner::kColDay, 1, L"*Ежедневно");
    tasks.SetCell(planner::kColTime, 1, L"12:00:00");
    tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"Задача ~1");
    std::string taskBytes = mark + Utf8(base::FromCp1251(planner::TaskFileBytes(tasks)));
    taskBytes.replace(taskBytes.find('~'), 1, "\xB9");
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", taskBytes);
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        RECT rc;
        GetWindowRect(main, &rc);
        EXPECT_EQ(rc.right - rc.left, 101) << "the skin of the file is shown";
        EXPECT_EQ(rc.bottom - rc.top, 80);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::IniFile settings(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(settings.ReadInteger(L"Window", L"MainSkinIndex", 0), 4);
    EXPECT_EQ(settings.ReadString(L"Skins", L"Круглая", L""), L"Круглая.qsk");
    EXPECT_EQ(settings.ReadString(L"TimeFormats", L"Мой", L""), L"_<tt>,Привет№");
    const base::StringList lists = Lines(dir.Path() / L"FileLists.txt");
    ASSERT_GE(lists.Count(), 4);
    EXPECT_EQ(lists[1], L"ntp.сервер");
    EXPECT_EQ(lists[3], L"C:\\Фото№.jpg");
    const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(log.Count(), 4);
    EXPECT_EQ(log[1], L"01.12.2026 9:00:00\t1 ч. 30 мин.");
    EXPECT_EQ(log[2], L"02.12.2026 9:00:00\t2 С");
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
    ASSERT_EQ(read.RowCount(), 3);
    EXPECT_EQ(read.Cell(planner::kColDay, 1), L"*Ежедневно");
    EXPECT_EQ(Description(read, 1), L"Задача №1");
    EXPECT_NE(read.Cell(planner::kColNextRun, 1), L"") << "the schedule is read";
}

TEST(DataFiles, MarkBeforeWindows1251TextKeepsItsLetters) {
    // Files that some tool gave the UTF-8 mark but left in Windows-1251.
    ScratchDir dir(L"data-mark1251");
    const std::string mark = "\xEF\xBB\xBF";
    base::WriteFileBytes(dir.Path() / L"Horalto.ini",
                         mark + Bytes1251(L"[Window]\r\nLeft=222\r\n[Main]\r\nHintFormatId=Мой\r\n"
                                          L"[TimeFormats]\r\nМой=_<tt>,Привет\r\n"));
    base::WriteFileBytes(dir.Path() / L"FileLists.txt",
                         mark + Bytes1251(L"[Servers]\r\nntp.сервер\r\n[Pictures]\r\nC:\\Фото.jpg\r\n"));
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt",
                         mark + Bytes1251(L"\t\r\n01.12.2026 9:00:00\t1 ч.\r\n"));
    planner::TaskTable tasks;
    tasks.SetRowCount(3);
    tasks.SetCell(planner::kColDay, 1, L"01.01.2030");
    tasks.SetCell(planner::kColTime, 1, L"12:00:00");
    tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"Задача");
    tasks.SetCell(planner::kColMessage, 1, L"\x01Заголовок|Текст");
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", mark + planner::TaskFileBytes(tasks));
    EXPECT_EQ(PlaceOfTheClockAtStart(dir.Path()).x, 222);
    const base::IniFile settings(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(settings.ReadString(L"Main", L"HintFormatId", L""), L"Мой");
    EXPECT_EQ(settings.ReadString(L"TimeFormats", L"Мой", L""), L"_<tt>,Привет");
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"Horalto.ini").substr(0, 8), "[Window]");
    const base::StringList lists = Lines(dir.Path() / L"FileLists.txt");
    ASSERT_GE(lists.Count(), 4);
    EXPECT_EQ(lists[1], L"ntp.сервер");
    EXPECT_EQ(lists[3], L"C:\\Фото.jpg");
    const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(log.Count(), 3);
    EXPECT_EQ(log[1], L"01.12.2026 9:00:00\t1 ч.");
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
    EXPECT_EQ(Description(read, 1), L"Задача");
    EXPECT_EQ(read.Cell(planner::kColMessage, 1), L"\x01Заголовок|Текст");
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"TasksList.tsk").substr(0, 4), Bytes1251(L"День"));
}

TEST(DataFiles, ReadOnlyFileIsLeftAloneAndReportedOnce) {
    ScratchDir dir(L"data-readonly");
    const fs::path tasks = dir.Path() / L"TasksList.tsk";
    planner::TaskTable grid;
    grid.SetRowCount(3);
    grid.SetCell(planner::kColDay, 1, L"01.01.2030");
    grid.SetCell(planner::kColTime, 1, L"12:00:00");
    grid.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"Моя задача");
    const std::string bytes = planner::TaskFileBytes(grid);
    base::WriteFileBytes(tasks, bytes);
    ASSERT_TRUE(SetFileAttributesW(tasks.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        const std::vector<std::wstring> boxes = CloseAnsweringBoxes(program, main);
        ASSERT_EQ(boxes.size(), 1u);
        // The heading speaks of data, the reason follows the file's name.
        EXPECT_EQ(boxes[0].find(L"Не удалось сохранить данные в файл \""), 0u)
            << testing::PrintToString(boxes[0]);
        EXPECT_NE(boxes[0].find(L"TasksList.tsk\".\nФайл доступен только для чтения."), std::wstring::npos)
            << testing::PrintToString(boxes[0]);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_NE(GetFileAttributesW(tasks.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(base::ReadFileBytes(tasks), bytes);
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::wstring>{});
    SetFileAttributesW(tasks.c_str(), FILE_ATTRIBUTE_NORMAL);
    // The other files were written.
    EXPECT_TRUE(fs::exists(dir.Path() / L"Horalto.ini"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"FileLists.txt"));
    EXPECT_TRUE(fs::exists(dir.Path() / L"WindowsWorkLog.txt"));
}

const wchar_t* const kDataFiles[] = {L"Horalto.ini", L"FileLists.txt", L"TasksList.tsk",
                                     L"WindowsWorkLog.txt"};

TEST(DataFiles, EveryFileThatCannotBeSavedIsListedInOneMessage) {
    ScratchDir dir(L"data-allreadonly");
    for (const wchar_t* name : kDataFiles) {
        base::WriteFileBytes(dir.Path() / name, "");
        ASSERT_TRUE(SetFileAttributesW((dir.Path() / name).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        const std::vector<std::wstring> boxes = CloseAnsweringBoxes(program, main);
        ASSERT_EQ(boxes.size(), 1u) << testing::PrintToString(boxes);
        EXPECT_EQ(boxes[0].find(L"Не удалось сохранить данные в файлы:\n"), 0u)
            << testing::PrintToString(boxes[0]);
        for (const wchar_t* name : kDataFiles)
            EXPECT_NE(boxes[0].find(std::wstring(name) + L"\" — Файл доступен только для чтения."),
                      std::wstring::npos)
                << testing::PrintToString(boxes[0]);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    for (const wchar_t* name : kDataFiles) {
        EXPECT_EQ(base::ReadFileBytes(dir.Path() / name), "");
        SetFileAttributesW((dir.Path() / name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(DataFiles, SaveThatFailsForAnyReasonIsReported) {
    // Folders where the files should be, and a file another program holds
    // open: nothing can be written, the old files stay as they were, and the
    // message names each data file with its reason in Russian.
    ScratchDir dir(L"data-cannotwrite");
    const fs::path held = dir.Path() / L"WindowsWorkLog.txt";
    base::WriteFileBytes(held, "\t\r\n");
    for (const wchar_t* name : kDataFiles)
        if (dir.Path() / name != held) fs::create_directories(dir.Path() / name / L"inside");
    {
        RunningProgram program(dir.Path());
        // The settings cannot be read either, and the user hears why.
        HWND box = program.WaitForDialog(15000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box).find(L"Не удалось прочитать настройки из файла \""), 0u);
        EXPECT_NE(BoxText(box).find(L"Horalto.ini\".\nВместо файла папка."), std::wstring::npos)
            << testing::PrintToString(BoxText(box));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        // Gone before the close: the close's boxes are then its own.
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        const std::vector<std::wstring> boxes = CloseAnsweringBoxes(program, main);
        CloseHandle(holder);
        ASSERT_EQ(boxes.size(), 1u) << testing::PrintToString(boxes);
        const std::wstring& text = boxes[0];
        EXPECT_EQ(text.find(L"Не удалось сохранить данные в файлы:\n"), 0u) << testing::PrintToString(text);
        for (const wchar_t* name : {L"Horalto.ini", L"FileLists.txt", L"TasksList.tsk"})
            EXPECT_NE(text.find(std::wstring(name) + L"\" — Вместо файла папка."), std::wstring::npos)
                << testing::PrintToString(text);
        // The system's own words follow the general reason.
        const std::wstring general = L"WindowsWorkLog.txt\" — Не удалось записать файл. ";
        const std::size_t reason = text.find(general);
        ASSERT_NE(reason, std::wstring::npos) << testing::PrintToString(text);
        EXPECT_GT(text.size(), reason + general.size() + 3) << testing::PrintToString(text);
        EXPECT_EQ(text.find(L"tmp~"), std::wstring::npos) << testing::PrintToString(text);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_EQ(base::ReadFileBytes(held), "\t\r\n");
    for (const wchar_t* name : {L"Horalto.ini", L"FileLists.txt", L"TasksList.tsk"})
        EXPECT_TRUE(fs::is_directory(dir.Path() / name / L"inside"));
}

TEST(DataFiles, LeftoverTemporaryFilesGoAtStart) {
    // Leftovers of saves cut short, under the name of any earlier run, go at
    // start; the save under way of a copy that is still running stays.
    ScratchDir dir(L"data-leftover");
    // A save's temporary file is named "<file>.<process id>.tmp~"; older
    // runs named it "<file>.tmp~".
    const std::wstring gone = L".4294967280";  // no process has this id
    std::vector<fs::path> leftovers;
    for (const wchar_t* name : kDataFiles) {
        leftovers.push_back(dir.Path() / (std::wstring(name) + L".tmp~"));
        leftovers.push_back(dir.Path() / (std::wstring(name) + gone + L".tmp~"));
    }
    for (const fs::path& leftover : leftovers) base::WriteFileBytes(leftover, "cut short");
    const fs::path underWay =
        dir.Path() / (L"TasksList.tsk." + std::to_wstring(GetCurrentProcessId()) + L".tmp~");
    base::WriteFileBytes(underWay, "under way");
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    for (const fs::path& leftover : leftovers)
        EXPECT_FALSE(fs::exists(leftover)) << testing::PrintToString(leftover.wstring());
    EXPECT_TRUE(fs::exists(underWay));
    EXPECT_EQ(program.CloseAndWait(), 0);
}

TEST(DataFiles, TwoCopiesClosedTogetherBothSaveEverything) {
    // Two copies in one folder closed at the same moment, while a third copy
    // is in the middle of its save under the name all copies once shared:
    // each saves every file without a failure, and the files hold whole
    // contents.
    ScratchDir dir(L"data-twocopies");
    planner::TaskTable grid;
    const int count = 20000;
    grid.SetRowCount(count + 2);
    for (int i = 1; i <= count; ++i) {
        grid.SetCell(planner::kColDay, i, L"01.01.2030");
        grid.SetCell(planner::kColTime, i, L"12:00:00");
        grid.SetCell(planner::kColDescription, i, std::wstring(1, L'\1') + std::to_wstring(i));
    }
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", planner::TaskFileBytes(grid));
    {
        RunningProgram first(dir.Path()), second(dir.Path());
        HWND firstMain = first.WaitShown(), secondMain = second.WaitShown();
        ASSERT_NE(firstMain, nullptr);
        ASSERT_NE(secondMain, nullptr);
        std::vector<HANDLE> held;
        for (const wchar_t* name : kDataFiles) {
            const fs::path temp = dir.Path() / (std::wstring(name) + L".tmp~");
            held.push_back(CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, CREATE_ALWAYS, 0, nullptr));
            ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
        }
        PostMessageW(firstMain, WM_CLOSE, 0, 0);
        PostMessageW(secondMain, WM_CLOSE, 0, 0);
        for (RunningProgram* program : {&first, &second}) {
            // Each copy ends by itself, with no message of a failed save.
            if (HWND box = program->WaitForDialog(30000))
                ADD_FAILURE() << testing::PrintToString(BoxText(box));
            DWORD code = 1;
            EXPECT_TRUE(program->WaitExit(0, &code));
            EXPECT_EQ(code, 0u);
        }
        for (HANDLE h : held) CloseHandle(h);
    }
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
    EXPECT_EQ(read.RowCount(), count + 2);
    EXPECT_NE(base::IniFile(dir.Path() / L"Horalto.ini").ReadString(L"Window", L"Left", L""), L"");
    for (const std::wstring& name : TemporaryFiles(dir.Path()))
        EXPECT_EQ(name.find_first_of(L"0123456789"), std::wstring::npos) << testing::PrintToString(name);
}

TEST(DataFiles, LargeFilesKeepTheirOrderAndNewestLogRecords) {
    ScratchDir dir(L"data-large");
    // 3000 log records, the limit 1000 lines: the newest 999 records stay.
    std::string log = "\t\r\n";
    for (int i = 1; i <= 3000; ++i) log += "01.12.2026 9:00:00\t" + std::to_string(i) + "\r\n";
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt", log);
    base::WriteFileBytes(dir.Path() / L"Horalto.ini",
                         "[WindowsWorkTime]\r\nLimitedLog=1\r\nLogLimit=1000\r\n");
    // Tasks on fixed dates, many at the same time, one marked to be dropped:
    // they are kept in the order of a selection sort with exchanges.
    planner::TaskTable grid;
    const int count = 600;
    grid.SetRowCount(count + 2);
    std::vector<std::pair<std::wstring, int>> keys;  // day + time text, task number
    for (int i = 0; i < count; ++i) {
        const std::wstring day = L"0" + std::to_wstring(1 + (i * 7) % 3) + L".01.2030";
        const std::wstring time = std::to_wstring(10 + (i * 13) % 4) + L":00:00";
        grid.SetCell(planner::kColDay, i + 1, day);
        grid.SetCell(planner::kColTime, i + 1, time);
        grid.SetCell(planner::kColDescription, i + 1, std::wstring(1, L'\1') + std::to_wstring(i));
        if (i == 5) grid.SetCell(planner::kColDone, i + 1, L"Удалить");
    }
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", planner::TaskFileBytes(grid));
    // The expected order: the selection sort with exchanges over (day, time).
    std::vector<std::pair<int, int>> order;  // key, task number
    for (int i = 0; i < count; ++i)
        if (i != 5) order.push_back({((i * 7) % 3) * 10 + (i * 13) % 4, i});
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (order[j].first < order[best].first) best = j;
        std::swap(order[i], order[best]);
    }
    {
        RunningProgram program(dir.Path());
        ASSERT_NE(program.WaitShown(), nullptr);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
    const base::StringList lines = Lines(dir.Path() / L"WindowsWorkLog.txt");
    ASSERT_EQ(lines.Count(), 1001);  // header, 999 records, this run
    EXPECT_EQ(lines[1], L"01.12.2026 9:00:00\t2002");
    EXPECT_EQ(lines[999], L"01.12.2026 9:00:00\t3000");

    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
    ASSERT_EQ(read.RowCount(), count + 1);  // header, the kept tasks, the spare row
    for (std::size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(Description(read, static_cast<int>(i) + 1), std::to_wstring(order[i].second))
            << "row " << i + 1;
}

namespace {

// A data file opened the way a program that shares it with nobody holds it.
class HeldFile {
  public:
    explicit HeldFile(const fs::path& file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

// The names of the files in the folder whose names end in ".bak".
std::vector<std::wstring> KeptCopies(const fs::path& folder) {
    return FilesEndingIn(folder, L".bak");
}

}  // namespace

namespace {

// The user drags the clock 40 pixels to the right and down; true once it
// stands there and its move loop is over.
bool DragTheClock(HWND main, const std::function<void()>& whileDragged = {}) {
    return DragWindow(main, 40, 40, whileDragged);
}

// The settings window opened by its hot key and turned to the work-time page
// (the sixth) by Ctrl+PgDn, the page's own showing done.
bool ShowTheWorkTimePage(const RunningProgram& program) {
    const HWND options = program.WindowOfClass(L"TfrmOptions");
    const HWND strip = options ? FindWindowExW(options, nullptr, L"SysTabControl32", nullptr) : nullptr;
    if (!strip) return false;
    const auto shown = [&] { return static_cast<int>(SendMessageW(strip, TCM_GETCURSEL, 0, 0)); };
    if (!PressCtrlAltUntil('O', [&] { return IsWindowVisible(options) && shown() == 0; })) return false;
    for (int page = 1; page <= 5; ++page) {
        PressCtrl(VK_NEXT);
        if (!WaitFor([&] { return shown() == page; })) return false;
    }
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(options, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &answer) != 0;
}

// A program started while another program held some of its data files, and
// the text of the message it told the user of them with.
struct StartedHolding {
    std::unique_ptr<RunningProgram> program;
    std::wstring text;
};

// Starts the program while another program holds these data files, and lets
// them go once the program has told the user of them.
StartedHolding StartHolding(const fs::path& dir, std::vector<const wchar_t*> names) {
    std::vector<std::unique_ptr<HeldFile>> held;
    for (const wchar_t* name : names) {
        held.push_back(std::make_unique<HeldFile>(dir / name));
        if (!held.back()->Held()) return {nullptr, L"(not held)"};
    }
    StartedHolding started{std::make_unique<RunningProgram>(dir), L"(not told)"};
    if (const HWND box = started.program->WaitForDialog(30000)) {
        started.text = BoxText(box);
        held.clear();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
    return started;
}

}  // namespace

TEST(DataFiles, FilesHeldAtStartAreToldOfAndNotWrittenOverUntilTheUserChangesTheirData) {
    // Another program holds the data files while the clock starts: the user
    // is told once which files could not be read and why, and a file whose
    // data the user leaves alone is left as it is at the close, though that
    // program has let it go by then. Once the user has changed its data (the
    // clock moved, a setting of Horalto.ini), the old file is kept beside,
    // then written.
    ScratchDir dir(L"data-held");
    base::WriteFileBytes(dir.Path() / L"Horalto.ini",
                         Bytes1251(L"[Window]\r\nLeft=200\r\nTop=150\r\n[Main]\r\nHintFormatId=Мой\r\n"));
    base::WriteFileBytes(dir.Path() / L"FileLists.txt", "[Servers]\r\nmy.server\r\n");
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt", "\t\r\n01.12.2026 9:00:00\t1:00:00\r\n");
    planner::TaskTable grid;
    grid.SetRowCount(3);
    grid.SetCell(planner::kColDay, 1, L"01.01.2030");
    grid.SetCell(planner::kColTime, 1, L"12:00:00");
    grid.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"Моя задача");
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", planner::TaskFileBytes(grid));
    std::vector<std::string> before;
    for (const wchar_t* name : kDataFiles) before.push_back(base::ReadFileBytes(dir.Path() / name));
    {
        const auto [program, text] = StartHolding(dir.Path(), {std::begin(kDataFiles), std::end(kDataFiles)});
        EXPECT_EQ(text.find(L"Не удалось прочитать данные из файлов:\n"), 0u) << testing::PrintToString(text);
        for (const wchar_t* name : kDataFiles)
            EXPECT_NE(text.find(std::wstring(name) + L"\" — Файл занят другой программой."),
                      std::wstring::npos)
                << testing::PrintToString(text);
        EXPECT_NE(text.find(L"\nФайлы останутся как есть."), std::wstring::npos)
            << testing::PrintToString(text);
        ASSERT_NE(program, nullptr);
        const HWND main = program->WaitShown();
        ASSERT_NE(main, nullptr);
        // The work-time page shows this run's work time in the log's last row:
        // the program's own count, no change of the user's.
        ASSERT_TRUE(ShowTheWorkTimePage(*program)) << "the work-time page was not shown";
        EXPECT_EQ(CloseAnsweringBoxes(*program, main), std::vector<std::wstring>{});
    }
    for (std::size_t i = 0; i < std::size(kDataFiles); ++i)
        EXPECT_EQ(base::ReadFileBytes(dir.Path() / kDataFiles[i]), before[i])
            << testing::PrintToString(kDataFiles[i]);
    EXPECT_EQ(KeptCopies(dir.Path()), std::vector<std::wstring>{});

    RECT rc{};  // the clock before the user moves it
    {
        const auto [program, text] = StartHolding(dir.Path(), {L"Horalto.ini"});
        EXPECT_EQ(text.find(L"Не удалось прочитать настройки из файла \""), 0u)
            << testing::PrintToString(text);
        EXPECT_NE(text.find(L"Horalto.ini\".\nФайл занят другой программой.\nФайл останется как есть."),
                  std::wstring::npos)
            << testing::PrintToString(text);
        ASSERT_NE(program, nullptr);
        const HWND main = program->WaitShown();
        ASSERT_NE(main, nullptr);
        GetWindowRect(main, &rc);
        ASSERT_TRUE(DragTheClock(main)) << "the clock did not move";
        EXPECT_EQ(CloseAnsweringBoxes(*program, main), std::vector<std::wstring>{});
    }
    EXPECT_EQ(KeptCopies(dir.Path()), std::vector<std::wstring>{L"Horalto.ini.bak"});
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"Horalto.ini.bak"), before[0]);
    const base::IniFile settings(dir.Path() / L"Horalto.ini");
    EXPECT_EQ(settings.ReadString(L"Window", L"Left", L""), std::to_wstring(rc.left + 40));
    EXPECT_EQ(settings.ReadString(L"Window", L"Top", L""), std::to_wstring(rc.top + 40));
}

TEST(DataFiles, ATaskFileChangedByAnotherProgramIsKeptBesideAtTheClose) {
    // Notepad or another copy of the clock writes the task file while the
    // clock runs: at the close that version is kept beside, under the next
    // free name (an older copy has the first), and the clock's tasks are
    // written; the files nobody else touched are saved with nothing beside.
    ScratchDir dir(L"data-changed");
    base::WriteFileBytes(dir.Path() / L"Horalto.ini", "[Window]\r\nLeft=200\r\nTop=150\r\n");
    base::WriteFileBytes(dir.Path() / L"FileLists.txt", "[Servers]\r\nmy.server\r\n");
    base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt", "\t\r\n01.12.2026 9:00:00\t1:00:00\r\n");
    const fs::path file = dir.Path() / L"TasksList.tsk";
    base::WriteFileBytes(file, planner::TaskFileBytes(TasksOnDates(2)));
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk.bak", "an older copy");
    const std::string outside = planner::TaskFileBytes(TasksOnDates(3));
    {
        RunningProgram program(dir.Path());
        const HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        base::WriteFileBytes(file, outside);
        EXPECT_EQ(CloseAnsweringBoxes(program, main), std::vector<std::wstring>{});
    }
    std::vector<std::wstring> copies = KeptCopies(dir.Path());
    std::sort(copies.begin(), copies.end());
    EXPECT_EQ(copies, (std::vector<std::wstring>{L"TasksList.tsk (2).bak", L"TasksList.tsk.bak"}));
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"TasksList.tsk.bak"), "an older copy");
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"TasksList.tsk (2).bak"), outside);
    planner::TaskTable read;
    ASSERT_TRUE(planner::LoadTaskFile(file, read, SystemDates()));
    EXPECT_EQ(read.RowCount(), 4);  // the clock's two tasks
    EXPECT_EQ(TemporaryFiles(dir.Path()), std::vector<std::wstring>{});
}

TEST(DataFiles, AFileHeldForAMomentAtStartIsReadWithNoMessage) {
    // Another program holds Horalto.ini for a moment (a third of a second
    // from the moment the clock's window is made) while the clock reads its
    // settings: the start waits for the file and reads it, and the user hears
    // nothing of it.
    ScratchDir dir(L"data-heldmoment");
    base::WriteFileBytes(dir.Path() / L"Horalto.ini", "[Window]\r\nLeft=222\r\nTop=333\r\n");
    HeldFile held(dir.Path() / L"Horalto.ini");
    ASSERT_TRUE(held.Held());
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitForWindow(L"TfrmHoralto"), nullptr);
    Sleep(300);  // how long the other program holds the file, not a wait for the clock
    held.Release();
    const HWND main = program.WaitShown();
    ASSERT_NE(main, nullptr);
    RECT rc{};
    GetWindowRect(main, &rc);
    EXPECT_EQ(rc.left, 222);
    EXPECT_EQ(rc.top, 333);
    // A message of the start would still be open, holding the close.
    EXPECT_EQ(CloseAnsweringBoxes(program, main), std::vector<std::wstring>{});
}

TEST(DataFiles, SettingsFileHeldAtTheCloseIsReportedWithItsReason) {
    // Read for its update at the close, the settings file is held by another
    // program: the message says so in Russian, and the file is left as it is.
    ScratchDir dir(L"data-heldatclose");
    const std::string ini = "[Window]\r\nLeft=200\r\nTop=150\r\n";
    base::WriteFileBytes(dir.Path() / L"Horalto.ini", ini);
    RunningProgram program(dir.Path());
    const HWND main = program.WaitShown();
    ASSERT_NE(main, nullptr);
    HeldFile held(dir.Path() / L"Horalto.ini");
    ASSERT_TRUE(held.Held());
    const std::vector<std::wstring> boxes = CloseAnsweringBoxes(program, main);
    held.Release();
    ASSERT_EQ(boxes.size(), 1u) << testing::PrintToString(boxes);
    EXPECT_EQ(boxes[0].find(L"Не удалось сохранить настройки в файл \""), 0u)
        << testing::PrintToString(boxes[0]);
    EXPECT_NE(boxes[0].find(L"Horalto.ini\".\nФайл занят другой программой."), std::wstring::npos)
        << testing::PrintToString(boxes[0]);
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"Horalto.ini"), ini);
}

namespace {

// Every key of a settings file as "[section] key=value", without those that
// hold the time of a run (the work-time counters, and the next
// synchronisation, which a start without a plan sets to its own time).
std::vector<std::wstring> SettingsKeys(const fs::path& file) {
    const base::IniFile ini(file);
    std::vector<std::wstring> keys;
    const base::StringList sections = ini.ReadSections();
    for (int s = 0; s < sections.Count(); ++s) {
        const base::StringList values = ini.ReadSectionValues(sections[s]);
        for (int v = 0; v < values.Count(); ++v) {
            const std::wstring name = values[v].substr(0, values[v].find(L'='));
            if (name == L"StartWork" || name == L"TotalWindowsWorkTime" || name == L"WinUpTime" ||
                name == L"CorrectWorkT" || name == L"StartWorkUTC" || name == L"NextSynchronization")
                continue;
            keys.push_back(L"[" + sections[s] + L"] " + values[v]);
        }
    }
    return keys;
}

}  // namespace

TEST(DataFiles, SettingsFileHeldAtStartGivesTheSettingsOfAFirstStart) {
    // A start without Horalto.ini and a start with it held by another program
    // (let go once the user was told) run on the same settings: after the
    // same change of the user's (the clock moved), both write the same value
    // of every key.
    ScratchDir first(L"data-firststart");
    {
        RunningProgram program(first.Path());
        const HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(DragTheClock(main)) << "the clock did not move";
        EXPECT_EQ(CloseAnsweringBoxes(program, main), std::vector<std::wstring>{});
    }
    ScratchDir held(L"data-heldsettings");
    base::WriteFileBytes(held.Path() / L"Horalto.ini", "");
    {
        const auto [program, text] = StartHolding(held.Path(), {L"Horalto.ini"});
        EXPECT_EQ(text.find(L"Не удалось прочитать настройки из файла \""), 0u)
            << testing::PrintToString(text);
        ASSERT_NE(program, nullptr);
        const HWND main = program->WaitShown();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(DragTheClock(main)) << "the clock did not move";
        EXPECT_EQ(CloseAnsweringBoxes(*program, main), std::vector<std::wstring>{});
    }
    const std::vector<std::wstring> keys = SettingsKeys(first.Path() / L"Horalto.ini");
    EXPECT_GT(keys.size(), 100u);
    const std::vector<std::wstring> heldKeys = SettingsKeys(held.Path() / L"Horalto.ini");
    std::vector<std::wstring> onlyFirst, onlyHeld;
    for (const std::wstring& key : keys)
        if (std::find(heldKeys.begin(), heldKeys.end(), key) == heldKeys.end()) onlyFirst.push_back(key);
    for (const std::wstring& key : heldKeys)
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) onlyHeld.push_back(key);
    EXPECT_EQ(onlyHeld, onlyFirst) << "keys whose values differ (or that only one start wrote)";
}

TEST(DataFiles, AQuitFromOutsideSavesWhatACloseSaves) {
    // Another program posts WM_QUIT to the clock's thread, or Windows ends
    // the session, in each state the program may be in: it ends after saving
    // what a close saves (the clock's new place, this run's work-log row),
    // though its close never ran, and without running the task set to run at
    // exit, which a close runs (the task starts a program that writes a file,
    // and its "Выполнено" cell is filled).
    enum class End { Close, Quit, QuitWhileDragged, QuitAfterCalledOffSessionEnd, SessionEndAtStartMessage };
    const struct {
        const char* name;
        End end;
        bool exitTaskRuns;  // the close runs it (a query of the session's end is a close)
    } rows[] = {
        {"a close", End::Close, true},
        {"a quit after a drag", End::Quit, false},
        {"a quit while the clock is dragged", End::QuitWhileDragged, false},
        {"a quit after a called-off end of the session", End::QuitAfterCalledOffSessionEnd, true},
        {"the end of the session while the start's message is open", End::SessionEndAtStartMessage, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScratchDir dir(L"data-quit");
        base::WriteFileBytes(dir.Path() / L"WindowsWorkLog.txt", "\t\r\n01.12.2026 9:00:00\t1:00:00\r\n");
        base::WriteFileBytes(dir.Path() / L"FileLists.txt", "[Servers]\r\nmy.server\r\n");
        const fs::path ran = dir.Path() / L"ran.txt";
        base::WriteFileBytes(dir.Path() / L"exit.bat", "@echo ran> \"" + ran.string() + "\"\r\n");
        planner::TaskTable tasks;
        tasks.SetRowCount(3);
        tasks.SetCell(planner::kColDay, 1, L"*Ежедневно");
        tasks.SetCell(planner::kColTime, 1, L"Выход");
        tasks.SetCell(planner::kColDescription, 1, std::wstring(1, L'\1') + L"На выходе");
        tasks.SetCell(planner::kColFiles, 1, (dir.Path() / L"exit.bat").wstring());
        base::WriteFileBytes(dir.Path() / L"TasksList.tsk", planner::TaskFileBytes(tasks));
        // Another program holds the list file while the clock starts: the clock says so.
        std::unique_ptr<HeldFile> held;
        if (row.end == End::SessionEndAtStartMessage)
            held = std::make_unique<HeldFile>(dir.Path() / L"FileLists.txt");
        RunningProgram program(dir.Path());
        if (held) {
            ASSERT_NE(program.WaitForDialog(30000), nullptr) << "no message at start";
            held.reset();
        }
        const HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        const DWORD thread = GetWindowThreadProcessId(main, nullptr);
        DWORD_PTR answer = 0;
        if (row.end == End::QuitAfterCalledOffSessionEnd) {
            ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                            20000, &answer));
            EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
            ASSERT_TRUE(SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000,
                                            &answer));
        }
        RECT rc{};
        GetWindowRect(main, &rc);
        // The start's message keeps the clock from being dragged while it is
        // open; a quit ends a drag at the place the clock has reached (the
        // system takes a message posted to the program before the pointer's
        // moves that wait: the place is not known).
        const int moved = row.end == End::SessionEndAtStartMessage ? 0 : 40;
        const bool placeKnown = row.end != End::QuitWhileDragged;
        if (row.end == End::QuitWhileDragged) {
            ASSERT_TRUE(DragTheClock(main, [&] { PostThreadMessageW(thread, WM_QUIT, 0, 0); }))
                << "the clock did not move";
        } else if (moved) {
            ASSERT_TRUE(DragTheClock(main)) << "the clock did not move";
        }
        if (row.end == End::Close) {
            PostMessageW(main, WM_CLOSE, 0, 0);
        } else if (row.end == End::SessionEndAtStartMessage) {
            EXPECT_TRUE(SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000,
                                            &answer));
        } else if (row.end != End::QuitWhileDragged) {
            ASSERT_TRUE(PostThreadMessageW(thread, WM_QUIT, 0, 0));
        }
        DWORD code = 1;
        ASSERT_TRUE(program.WaitExit(20000, &code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
        const base::IniFile settings(dir.Path() / L"Horalto.ini");
        EXPECT_TRUE(settings.ValueExists(L"Window", L"Left"));
        if (placeKnown) {
            EXPECT_EQ(settings.ReadString(L"Window", L"Left", L""), std::to_wstring(rc.left + moved));
            EXPECT_EQ(settings.ReadString(L"Window", L"Top", L""), std::to_wstring(rc.top + moved));
        }
        const base::StringList log = Lines(dir.Path() / L"WindowsWorkLog.txt");
        EXPECT_EQ(log.Count(), 3);  // header, the old record, this run
        planner::TaskTable read;
        ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read, SystemDates()));
        ASSERT_GE(read.RowCount(), 2);
        EXPECT_EQ(read.Cell(planner::kColDone, 1) != L"", row.exitTaskRuns);
        if (row.exitTaskRuns)
            EXPECT_TRUE(WaitFor([&] { return fs::exists(ran); })) << "the exit task did not run";
        else
            EXPECT_FALSE(fs::exists(ran));
    }
}
