#include "win/support/program_windows.h"

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "ui/application.h"

namespace testing_support {

void UseDataFolder(const std::filesystem::path& folder) {
    InitUnitGlobals();
    IniFileName = folder / L"Horalto.ini";
    WorkLogFileName = folder / L"WindowsWorkLog.txt";
    FileListsFileName = folder / L"FileLists.txt";
    TasksListFileName = folder / L"TasksList.tsk";
}

void CreateProgramWindows() {
    ui::Application().SetTitle(L"Horalto");
    ui::Application().CreateForm(frmHoralto);
    ui::Application().CreateForm(frmOptions);
    frmOptions->SetImages(&frmHoralto->imlMain);
}

void DestroyProgramWindows() {
    ui::Application().DestroyForms();
    frmHoralto = nullptr;
    frmOptions = nullptr;
}

void RestartProgramWindows() {
    bool canClose = true;
    frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    DestroyProgramWindows();
    CreateProgramWindows();
}

}  // namespace testing_support
