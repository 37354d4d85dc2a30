// The data files as the whole program reads and writes them: NUL bytes, files
// saved as UTF-8, read-only files, leftovers of a save cut short, and large
// files (their content, not their speed).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
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

std::wstring Description(const planner::TaskTable& grid, int row) {
    return planner::DescriptionText(grid.Cell(planner::kColDescription, row));
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
    const std::wstring taskText = base::FromCp1251(planner::TaskFileBytes(tasks));
    std::string taskUtf8;
    for (wchar_t ch : taskText) {
        if (ch < 0x80) {
            taskUtf8 += static_cast<char>(ch);
        } else {
            taskUtf8 += static_cast<char>(0xC0 | (ch >> 6));
            taskUtf8 += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    base::WriteFileBytes(dir.Path() / L"TasksList.tsk", mark + taskUtf8);
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        RECT rc;
        GetWindowRect(main, &rc);
        EXPECT_EQ(rc.left, 222);
        EXPECT_EQ(rc.top, 333);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
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
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read));
    EXPECT_EQ(base::ReadFileBytes(dir.Path() / L"TasksList.tsk").substr(0, 4),
              Bytes1251(L"День").substr(0, 4));
    EXPECT_EQ(Description(read, 1), L"Задача");
}

TEST(DataFiles, TaskFileWithLfOrCrLineEndsKeepsItsTasks) {
    planner::TaskTable grid;
    grid.SetRowCount(4);
    for (int r = 1; r <= 2; ++r) {
        grid.SetCell(planner::kColDay, r, L"0" + std::to_wstring(r) + L".01.2030");
        grid.SetCell(planner::kColTime, r, L"12:00:00");
        grid.SetCell(planner::kColDescription, r, std::wstring(1, L'\1') + L"Задача " + std::to_wstring(r));
    }
    const std::string crLf = planner::TaskFileBytes(grid);
    for (const char* eol : {"\n", "\r"}) {
        ScratchDir dir(L"data-eol");
        std::string bytes = crLf;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 1))
            bytes.replace(at, 2, eol);
        const fs::path tasks = dir.Path() / L"TasksList.tsk";
        base::WriteFileBytes(tasks, bytes);
        {
            RunningProgram program(dir.Path());
            ASSERT_NE(program.WaitShown(), nullptr);
            EXPECT_EQ(program.CloseAndWait(), 0);
        }
        planner::TaskTable read;
        ASSERT_TRUE(planner::LoadTaskFile(tasks, read)) << testing::PrintToString(std::string(eol));
        ASSERT_EQ(read.RowCount(), 4) << testing::PrintToString(std::string(eol));
        EXPECT_EQ(Description(read, 1), L"Задача 1");
        EXPECT_EQ(Description(read, 2), L"Задача 2");
        // Written back with CR LF.
        const std::string written = base::ReadFileBytes(tasks);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 4);
        EXPECT_NE(written.find("\t\r\n"), std::string::npos);
    }
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
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        RECT rc;
        GetWindowRect(main, &rc);
        EXPECT_EQ(rc.left, 222);
        EXPECT_EQ(program.CloseAndWait(), 0);
    }
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
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read));
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
        EXPECT_NE(boxes[0].find(L"Не удалось сохранить"), std::wstring::npos)
            << testing::PrintToString(boxes[0]);
        EXPECT_NE(boxes[0].find(L"TasksList.tsk"), std::wstring::npos);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_NE(GetFileAttributesW(tasks.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(base::ReadFileBytes(tasks), bytes);
    EXPECT_FALSE(fs::exists(base::TempFileFor(tasks)));
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
        for (const wchar_t* name : kDataFiles)
            EXPECT_NE(boxes[0].find(name), std::wstring::npos) << testing::PrintToString(boxes[0]);
        EXPECT_NE(boxes[0].find(L"только для чтения"), std::wstring::npos);
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
    // A folder where each save must write its temporary file: no file can be
    // written, as on a full disk, and the old files stay as they were.
    ScratchDir dir(L"data-cannotwrite");
    for (const wchar_t* name : kDataFiles) {
        base::WriteFileBytes(dir.Path() / name, "old");
        fs::create_directory(base::TempFileFor(dir.Path() / name));
    }
    {
        RunningProgram program(dir.Path());
        HWND main = program.WaitShown();
        ASSERT_NE(main, nullptr);
        const std::vector<std::wstring> boxes = CloseAnsweringBoxes(program, main);
        ASSERT_EQ(boxes.size(), 1u) << testing::PrintToString(boxes);
        EXPECT_NE(boxes[0].find(L"Не удалось сохранить"), std::wstring::npos)
            << testing::PrintToString(boxes[0]);
        for (const wchar_t* name : kDataFiles)
            EXPECT_NE(boxes[0].find(name), std::wstring::npos) << testing::PrintToString(boxes[0]);
        DWORD code = 1;
        EXPECT_TRUE(program.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    for (const wchar_t* name : kDataFiles) EXPECT_EQ(base::ReadFileBytes(dir.Path() / name), "old");
}

TEST(DataFiles, LeftoverTemporaryFilesGoAtStart) {
    ScratchDir dir(L"data-leftover");
    const wchar_t* names[] = {L"Horalto.ini", L"FileLists.txt", L"TasksList.tsk", L"WindowsWorkLog.txt"};
    for (const wchar_t* name : names) base::WriteFileBytes(base::TempFileFor(dir.Path() / name), "cut short");
    RunningProgram program(dir.Path());
    ASSERT_NE(program.WaitShown(), nullptr);
    for (const wchar_t* name : names)
        EXPECT_FALSE(fs::exists(base::TempFileFor(dir.Path() / name)))
            << testing::PrintToString(std::wstring(name));
    EXPECT_EQ(program.CloseAndWait(), 0);
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
    ASSERT_TRUE(planner::LoadTaskFile(dir.Path() / L"TasksList.tsk", read));
    ASSERT_EQ(read.RowCount(), count + 1);  // header, the kept tasks, the spare row
    for (std::size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(Description(read, static_cast<int>(i) + 1), std::to_wstring(order[i].second))
            << "row " << i + 1;
}
