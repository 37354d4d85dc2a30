// Every visible control of every page of the settings window and of every
// dialog: its caption fits it in its own font, it stays inside its parent and
// overlaps no other control.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_about.h"
#include "options/frm_balloon_options.h"
#include "options/frm_options.h"
#include "options/input_box.h"
#include "planner/frm_days.h"
#include "planner/frm_message.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_editor.h"
#include "planner/task_grid.h"
#include "timetext/frm_calendar.h"
#include "timetext/frm_sun_rd.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/graphics.h"
#include "ui/string_grid.h"
#include "win/support/layout_check.h"
#include "win/support/message_loop.h"
#include "win/support/program_fixture.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::FaultText;
using testing_support::FormLayoutFaults;
using testing_support::LayoutFaults;
using testing_support::PumpUntil;

void Later(std::function<void()> step) {
    testing_support::Later(300, std::move(step));
}

constexpr DWORD kDialogWaitMs = 8000;

class Layout : public testing_support::ProgramWindowsTest {
  protected:
    Layout() : ProgramWindowsTest(L"layout-captions") {}
    void PrepareFiles() override {
        // Two tasks, so the planner's grid shows a dated and a daily row.
        planner::TaskTable tasks;
        const base::FormatSettings& fs = base::SystemFormatSettings();
        const std::wstring rows[2][3] = {{base::DateToStr(Now() + 30, fs), L"12:30:00", L"Обед"},
                                         {L"*Ежедневно", L"23:59:59", L"Сон"}};
        for (const auto& row : rows) {
            const int r = tasks.RowCount() - 1;
            tasks.SetRowCount(tasks.RowCount() + 1);
            tasks.SetCell(planner::kColDay, r, row[0]);
            tasks.SetCell(planner::kColTime, r, row[1]);
            tasks.SetCell(planner::kColDescription, r, std::wstring(1, L'\0') + row[2]);
        }
        base::WriteFileBytes(TasksListFileName, planner::TaskFileBytes(tasks));
    }
};

TEST_F(Layout, EveryPageOfTheSettingsWindow) {
    frmOptions->Show();
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(frmOptions->Handle()) != FALSE; }));
    const auto faults = FormLayoutFaults(*frmOptions);
    EXPECT_TRUE(faults.empty()) << FaultText(faults);
}

TEST_F(Layout, PlannerPageWithEachActionPanel) {
    frmOptions->Show();
    frmOptions->pgcOptions.SetActivePage(&frmOptions->tbsPlanner);
    std::vector<std::wstring> faults;
    for (ui::SpeedButton* b : {&frmOptions->spbMessage, &frmOptions->spbSounds, &frmOptions->spbFiles,
                               &frmOptions->spbPictures, &frmOptions->spbComputer}) {
        b->SetDown(true);
        b->Click();
        for (const std::wstring& f : LayoutFaults(frmOptions->tbsPlanner.Handle())) faults.push_back(f);
    }
    // The grid's day and time cells show their whole date and time.
    ui::StringGrid& grid = frmOptions->stgTasks;
    HDC dc = GetDC(grid.Handle());
    HGDIOBJ old = SelectObject(dc, ui::CachedFont(grid.EffectiveFont()));
    for (int r = 1; r < grid.RowCount() - 1; ++r) {
        for (int c : {planner::kColDay, planner::kColTime}) {
            const std::wstring text = planner::VisibleCellText(grid.Cell(c, r));
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            EXPECT_LE(size.cx + 4, grid.ColWidth(c)) << "cell " << c << "," << r << " is cut";
        }
    }
    SelectObject(dc, old);
    ReleaseDC(grid.Handle(), dc);
    EXPECT_TRUE(faults.empty()) << FaultText(faults);
}

TEST_F(Layout, DayPickerBalloonOptionsInputBoxAndFormatHelp) {
    std::vector<std::wstring> faults;
    auto collect = [&](HWND form) {
        for (const std::wstring& f : LayoutFaults(form)) faults.push_back(f);
    };
    planner::TfrmDays& days = *planner::frmDays;
    for (bool weekdays : {true, false}) {
        Later([&] {
            (weekdays ? days.rdbDaysOfWeek : days.rdbNombers).SetChecked(true);
            collect(days.Handle());
            days.btnClose.Click();
        });
        days.ShowModal();
    }
    bool balloonSeen = false;
    Later([&] {
        if (!frmBalloonOptions) return;
        balloonSeen = true;
        collect(frmBalloonOptions->Handle());
        frmBalloonOptions->btnOK.Click();
    });
    frmOptions->btnBalloonHintOptions.Click();
    EXPECT_TRUE(balloonSeen);
    EXPECT_TRUE(PumpUntil([] { return frmBalloonOptions == nullptr; }, kDialogWaitMs));
    Later([&] {
        HWND box = FindWindowW(L"TfrmInputBox", nullptr);
        collect(box);
        PostMessageW(box, WM_CLOSE, 0, 0);
    });
    options::InputBox(L"Horalto", L"Введите название формата", L"Формат");
    bool helpSeen = false;
    Later([&] {
        HWND help = FindWindowW(L"TfrmHelpText", nullptr);
        if (!help) return;
        helpSeen = true;
        collect(help);
        PostMessageW(help, WM_CLOSE, 0, 0);
    });
    frmOptions->freFormatTextMain.spbHelpFormats.Click();
    EXPECT_TRUE(helpSeen);
    EXPECT_TRUE(faults.empty()) << FaultText(faults);
}

TEST_F(Layout, SunriseCalendarAboutAndReminder) {
    std::vector<std::wstring> faults;
    auto collect = [&](ui::Form& form) {
        for (const std::wstring& f : FormLayoutFaults(form)) faults.push_back(f);
    };
    ShowSunRD();
    ASSERT_NE(frmSunRD, nullptr);
    collect(*frmSunRD);
    ShowCalendar();
    ASSERT_NE(frmCalendar, nullptr);
    collect(*frmCalendar);
    frmHoralto->aAbout.Execute();
    ASSERT_NE(frmAbout, nullptr);
    TfrmAbout* about = frmAbout;
    ASSERT_TRUE(PumpUntil([&] { return about->Visible() && about->Enabled(); }, kDialogWaitMs));
    collect(*about);
    planner::TfrmMessage* reminder = planner::TfrmMessage::Create();
    reminder->ShowMessageWin(L"12:00", L"Обед в столовой на втором этаже");
    collect(*reminder);
    reminder->Close();
    EXPECT_TRUE(faults.empty()) << FaultText(faults);
}

}  // namespace
