// The close query: everything the program keeps is written here, each file
// on its own, and the close always goes on.
#include "base/codec.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "core/file_lists.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/frm_options.h"
#include "ui/application.h"

namespace {

// Runs one step; an error in it is swallowed so that the next step still runs.
template <class F>
void Guarded(F&& step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

void TfrmHoralto::FormCloseQuery(ui::Component&, bool&) {
    SaveProgramFiles(true);
    ui::Application().NoteEndSaved();
    // A synchronisation under way stops once everything is saved.
    if (frmOptions) Guarded([] { frmOptions->AbortSynchronization(); });
}

namespace {

// What stands for the data of each data file the settings window keeps: what
// its save writes, without what the program changes by itself.
std::string FileListsData() {
    return base::ToCp1251(core::BuildFileLists(frmOptions->FileListsOfControls()).Text());
}
std::string TasksData() {
    return frmOptions->TaskFileData();
}
std::string WorkLogData() {
    return frmOptions->WorkLogData();
}

}  // namespace

std::string TfrmHoralto::SettingsData() {
    std::wstring text;
    UseAllSettings([&](const core::SettingsBinding& binding) {
        text = core::UserSettingsText(binding, base::SystemFormatSettings());
    });
    return base::ToCp1251(text);
}

void TfrmHoralto::NoteDataFilesAtStart() {
    core::NoteStartData({IniFileName, [this] { return SettingsData(); }});
    if (!frmOptions) return;
    core::NoteStartData({FileListsFileName, FileListsData});
    core::NoteStartData({TasksListFileName, TasksData});
    core::NoteStartData({WorkLogFileName, WorkLogData});
}

void TfrmHoralto::SaveProgramFiles(bool runExitTasks) {
    // Each file is saved on its own: whatever keeps one from being written,
    // the next is still saved, and the user is told of all that failed in
    // one message at the end. The order: the settings file, the lists, the
    // tasks (after those set to run at exit), the work log, the settings
    // window's part of the settings file.
    core::SaveSettingsFile(
        IniFileName, [this] { return SettingsData(); },
        [this](base::IniFile& ini) {
            UseAllSettings(
                [&](const core::SettingsBinding& binding) { core::WriteMainWindowSettings(ini, binding); });
        });
    if (frmOptions) {
        // The lists are written also when they are all empty.
        core::SaveDataFile({FileListsFileName, FileListsData}, [] { return FileListsData(); });
        // The tasks set to run at exit run first (whatever they do, the task
        // file is written afterwards), then the task file is written.
        if (runExitTasks) {
            frmOptions->SetTag(10);
            frmOptions->RunExitTasks();
        }
        core::SaveDataFile({TasksListFileName, TasksData}, [] { return TasksData(); });
        // The work log, with the current run's work time.
        if (frmOptions->chbWorkLog.Checked())
            core::SaveDataFile({WorkLogFileName, WorkLogData}, [] { return frmOptions->WorkLogToSave(); });
        // Last, the settings window's own part of the settings file.
        frmOptions->WriteSettings();
    }
    core::ShowSaveFailures();
}
