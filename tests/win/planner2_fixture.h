// The planner page in the program's own two windows, made in this process from
// a prepared TasksList.tsk: message boxes, the file chooser and the sound
// player are answered and counted by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/date_format.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "planner/frm_days.h"
#include "planner/open_files_dialog.h"
#include "planner/task_cells.h"
#include "planner/task_file.h"
#include "planner/task_grid.h"
#include "timetext/speech/system_sound_player.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace planner_page_test {

class CountingPlayer : public signals::SoundPlayer {
  public:
    std::vector<std::wstring> plays;
    void Play(const std::wstring& name, bool) override { plays.push_back(name); }
};

struct Box {
    std::wstring text, caption;
    UINT flags;
};

class PlannerPage : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        signals::ReplaceSoundPlayer(&player_);
        previousBoxes_ = ui::SetMessageBoxHandler(
            [this](const std::wstring& text, const std::wstring& caption, UINT flags) {
                boxes_.push_back({text, caption, flags});
                return answer_;
            });
        previousChooser_ =
            planner::SetChooseFilesHandler([this](const std::wstring& filter, const std::wstring& folder) {
                chooserFilters_.push_back(filter);
                chooserFolders_.push_back(folder);
                return chosen_;
            });
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        ui::SetMessageBoxHandler(previousBoxes_);
        planner::SetChooseFilesHandler(previousChooser_);
        signals::ReplaceSoundPlayer(nullptr);
    }

    // Writes the task file (when there are tasks) and makes the two windows.
    void Create(const planner::TaskTable* tasks = nullptr) {
        if (tasks) base::WriteFileBytes(TasksListFileName, planner::TaskFileBytes(*tasks));
        testing_support::CreateProgramWindows();
    }
    TfrmOptions& O() { return *frmOptions; }
    const base::FormatSettings& Fs() { return O().Tasks.Settings(); }

    // The row whose description text (after its flag) is `text`, or -1.
    int FindRow(const std::wstring& text) {
        for (int r = 1; r < O().stgTasks.RowCount() - 1; ++r)
            if (planner::DescriptionText(O().stgTasks.Cell(planner::kColDescription, r)) == text) return r;
        return -1;
    }
    // Selects a row as a click does (the editor loads it).
    void Select(int row) {
        ASSERT_GE(row, 1);
        O().stgTasks.SetRow(row);
    }
    void SelectTask(const std::wstring& description) { Select(FindRow(description)); }
    int SpareRow() { return O().stgTasks.RowCount() - 1; }
    std::wstring Cell(int col) { return O().stgTasks.Cell(col, O().stgTasks.Row()); }

    testing_support::ScratchDir dir_{L"planner2"};
    CountingPlayer player_;
    ui::MessageBoxHandler previousBoxes_;
    planner::ChooseFilesHandler previousChooser_;
    std::vector<Box> boxes_;
    int answer_ = IDYES;
    std::vector<std::wstring> chosen_;
    std::vector<std::wstring> chooserFilters_, chooserFolders_;
};

// A task row of the file: day, time, description (flag 0: no shaking), done.
inline int AddTask(planner::TaskTable& grid, const std::wstring& day, const std::wstring& time,
                   const std::wstring& description, const std::wstring& done = L"") {
    const int row = grid.RowCount() - 1;
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCell(planner::kColDay, row, day);
    grid.SetCell(planner::kColTime, row, time);
    grid.SetCell(planner::kColDescription, row, std::wstring(1, L'\0') + description);
    grid.SetCell(planner::kColDone, row, done);
    return row;
}

// A time of day `minutes` from now, as the system writes it.
inline std::wstring TimeFromNow(int minutes, const base::FormatSettings& fs) {
    return base::TimeToStr(base::TimeOf(Now() + minutes / 1440.0), fs);
}

}  // namespace planner_page_test
