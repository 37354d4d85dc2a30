#include "core/horalto_globals.h"

#include "timetext/horalto_text.h"

#include "ui/application.h"

std::filesystem::path IniFileName;
std::filesystem::path WorkLogFileName;
std::filesystem::path FileListsFileName;
std::filesystem::path TasksListFileName;

std::vector<base::TDateTime> NextRunTimes;
base::TDateTime NextSignalTime = 0;
base::TDateTime EarliestTaskTime = 0;
base::TDateTime NextSynchronization = 0;
timetext::WorkTime WorkTime;

core::WorkerGate LastWorkTick;
core::WorkerGate LastTrayWorkTick;
signals::HourGate LastSignalHour;
HHOOK MouseHook = nullptr;

TfrmHoralto* frmHoralto = nullptr;
TfrmOptions* frmOptions = nullptr;
TfrmCalendar* frmCalendar = nullptr;
TfrmAbout* frmAbout = nullptr;
TfrmSunRD* frmSunRD = nullptr;

base::TDateTime Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return base::EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                                st.wMilliseconds);
}

base::TDateTime NowUtc() {
    SYSTEMTIME st;
    GetSystemTime(&st);
    return base::EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                                st.wMilliseconds);
}

std::uint32_t TickCount() {
    return GetTickCount();
}

std::filesystem::path ProgramFolder() {
    return std::filesystem::path(ui::Application().ExeName()).parent_path() / L"";
}

void InitUnitGlobals() {
    const std::filesystem::path folder = ProgramFolder();
    IniFileName = folder / L"Horalto.ini";
    WorkLogFileName = folder / L"WindowsWorkLog.txt";
    FileListsFileName = folder / L"FileLists.txt";
    TasksListFileName = folder / L"TasksList.tsk";
    NextRunTimes.clear();
    NextSignalTime = 0;
    EarliestTaskTime = 0;
    const base::TDateTime now = Now();
    WorkTime = timetext::WorkTime{};
    WorkTime.WindowsStartTime = now - timetext::UptimeNow();
    NextSynchronization = now;
    LastWorkTick = {};
    LastTrayWorkTick = {};
    LastSignalHour = {};
}
