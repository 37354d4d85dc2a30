// Entry point of Horalto.exe.
#include <windows.h>

#include <objbase.h>

#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "core/settings_files.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/exception.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ui::TApplication& app = ui::Application();
    try {
        InitUnitGlobals();
        core::RemoveLeftoverTempFiles({IniFileName, FileListsFileName, TasksListFileName, WorkLogFileName});
        app.Initialize();
        app.SetTitle(L"Horalto");
        app.CreateForm(frmHoralto);
        // The clock is on screen before the settings window, whose making takes a while.
        app.ShowMainFormNow();
        app.CreateForm(frmOptions);
        frmOptions->SetImages(&frmHoralto->imlMain);
        frmHoralto->SettingsWindowCreated();
        // The data files are read: the user hears of those that could not be.
        frmHoralto->NoteDataFilesAtStart();
        core::ShowReadFailures();
        app.Run();
    } catch (...) {
        app.HandleException();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
