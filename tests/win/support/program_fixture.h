// A test of the program's two windows, made as its start makes them from data
// files in a scratch folder; message boxes are answered without showing.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/horalto_globals.h"
#include "options/frm_balloon_options.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace testing_support {

class ProgramWindowsTest : public testing::Test {
  protected:
    explicit ProgramWindowsTest(const wchar_t* tag, int answer = IDOK) : dir_(tag), answer_(answer) {}

    void SetUp() override {
        UseDataFolder(dir_.Path());
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
                boxes_.push_back(text);
                return answer_;
            });
        PrepareFiles();
        CreateProgramWindows();
    }
    void TearDown() override {
        DestroyProgramWindows();
        frmAbout = nullptr;
        frmBalloonOptions = nullptr;
        frmSunRD = nullptr;
        frmCalendar = nullptr;
        ui::SetMessageBoxHandler(previousBoxes_);
    }
    // Writes the data files the windows start from (none by default).
    virtual void PrepareFiles() {}

    ScratchDir dir_;
    int answer_;
    std::vector<std::wstring> boxes_;
    ui::MessageBoxHandler previousBoxes_;
};

}  // namespace testing_support
