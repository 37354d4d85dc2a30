// The whole program under Wine with large data files: a format text of a
// megabyte in every format key of Horalto.ini, and a task file of two hundred
// thousand tasks. The program starts to a settings window that answers,
// keeps answering while its clock ticks, closes on one WM_CLOSE, and writes
// back everything it read. The bounds only catch a program that hangs; the
// times themselves are figures of `make bench`.
#include <gtest/gtest.h>
#include <windows.h>

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

namespace {

constexpr DWORD kHang = 60000;

// Waits until the settings window is made and the clock answers a message
// from its message loop.
bool WaitAnswering(RunningProgram& program, DWORD ms) {
    const ULONGLONG start = GetTickCount64();
    if (!program.WaitForWindow(L"TfrmOptions", ms)) return false;
    HWND main = program.WindowOfClass(L"TfrmHoralto");
    const auto left = [&] {
        return static_cast<UINT>(ms - std::min<ULONGLONG>(ms, GetTickCount64() - start));
    };
    DWORD_PTR answer = 0;
    return main && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, left(), &answer) != 0;
}

// The clock answers within a second, again and again, while it ticks.
void ExpectAnsweringWhileTicking(RunningProgram& program) {
    HWND main = program.WindowOfClass(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    for (int i = 0; i < 6; ++i) {
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer), 0)
            << "the clock did not answer during tick " << i;
        Sleep(500);
    }
}

struct FormatKey {
    const wchar_t* section;
    const wchar_t* key;
    bool oneLine;  // kept as a plain one-line string
};

const FormatKey kFormatKeys[] = {
    {L"Main", L"FormatTextMain", false},        {L"Main", L"FormatTextHint", false},
    {L"SystemClock", L"FormatTextTray", false}, {L"Sound", L"FormatSpeakHour", false},
    {L"Sound", L"FormatSpeakInterval", false},  {L"Speech", L"FormatSpeakTime", false},
    {L"Mouse", L"FormatTextOnClick", false},    {L"Mouse", L"FormatTextOnDblClick", false},
    {L"Mouse", L"FormatSpeakOnClick", true},    {L"Mouse", L"FormatSpeakOnDblClick", true},
    {L"TimeFormats", L"Большой формат", false},
};

// About a megabyte of template lines, each key its own.
std::wstring LargeFormatText(const std::wstring& key) {
    std::wstring text;
    for (int i = 0; text.size() < 1000000; ++i)
        text +=
            (i ? L"\r\n" : L"") + key + L" строка " + std::to_wstring(i) + L": <tt>, W<%dtt>, \"в кавычках\"";
    return text;
}

std::wstring LargeOneLineText(const std::wstring& key) {
    std::wstring text = key;
    while (text.size() < 1000000) text += L" говорю <t> и <d mmmm>,";
    return text;
}

std::wstring Description(int i) {
    return std::wstring(1, L'\1') + L"Задача номер " + std::to_wstring(i);
}

std::vector<std::wstring> SortedDescriptions(const planner::TaskGrid& grid) {
    std::vector<std::wstring> d;
    for (int r = 1; r < grid.RowCount(); ++r)
        if (!grid.Cell(planner::kColDescription, r).empty())
            d.push_back(grid.Cell(planner::kColDescription, r));
    std::sort(d.begin(), d.end());
    return d;
}

}  // namespace

TEST(LargeData, FormatTextsOfAMegabyteStartCloseAndAreKeptWhole) {
    ScratchDir dir(L"large-formats");
    {
        base::IniFile ini(dir.Path() / L"Horalto.ini");
        for (const FormatKey& k : kFormatKeys)
            ini.WriteString(
                k.section, k.key,
                k.oneLine ? LargeOneLineText(k.key) : base::StoredTextValue(LargeFormatText(k.key)));
        ini.UpdateFile();
    }
    {
        RunningProgram program(dir.Path());
        ASSERT_TRUE(WaitAnswering(program, kHang)) << "no answering settings window";
        ExpectAnsweringWhileTicking(program);
        EXPECT_EQ(program.CloseAndWait(L"TfrmHoralto", kHang), 0);
    }
    base::IniFile ini(dir.Path() / L"Horalto.ini");
    for (const FormatKey& k : kFormatKeys) {
        const std::wstring stored = ini.ReadString(k.section, k.key, L"");
        if (k.oneLine)
            EXPECT_TRUE(stored == LargeOneLineText(k.key)) << "changed: " << testing::PrintToString(k.key);
        else
            EXPECT_TRUE(base::ReadStoredTextValue(stored) == LargeFormatText(k.key))
                << "changed: " << testing::PrintToString(k.key);
    }
}
